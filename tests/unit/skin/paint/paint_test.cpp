// Painting skin objects: plain fills, bitmap objects by class and state, text, and regions.
#include "skin/paint/paint.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "picture/fake_text_renderer.h"
#include "skin/skin_fixture.h"

namespace tolsy {
namespace {

using test::distinct;
using test::kBackground;
using test::pattern;
using test::set_link;
using test::SyntheticSkin;

constexpr Color kRed = 0x000010F0;   // 0x00BBGGRR: red 240, green 16
constexpr Color kBlue = 0x00C81405;  // red 5, green 20, blue 200

class Painting : public ::testing::Test {
  protected:
    Painting() : target(23, 17, kBackground), canvas(target) {
        // Three looks side by side in one picture, each 5 x 3: normal, hot, other.
        skin.add_image("pic", pattern(15, 3));
    }
    void paint(TSeSkinObject& o, const Rect& clip = {}) {
        skin.prepare();
        paint_object(o, canvas, fake, clip);
    }
    static Rect look(int i) { return Rect::from_size(5 * i, 0, 5, 3); }

    SyntheticSkin skin;
    test::FakeTextRenderer fake;
    Image target;
    Canvas canvas;
};

TEST_F(Painting, PlainObjectsFillTheirBoundsWithTheirColour) {
    auto& o = skin.root<TSeSkinObject>("Plain", {2, 3, 5, 4});
    o.color = kRed;
    paint(o);
    EXPECT_EQ(target.at(2, 3), color_pixel(kRed));
    EXPECT_EQ(target.at(6, 6), color_pixel(kRed));
    EXPECT_EQ(test::count_pixels(target, color_pixel(kRed)), 20);
    EXPECT_EQ(color_pixel(kRed), Pixel::pack(240, 16, 0));
}

TEST_F(Painting, ObjectsWithChildrenLeaveTheirFillToThemUnlessAsked) {
    auto& o = skin.root<TSeSkinObject>("Owner", {0, 0, 9, 9});
    o.color = kRed;
    auto& child = SyntheticSkin::part<TSeSkinObject>(o, "Child", {1, 1, 3, 3});
    child.color = kBlue;
    paint(o);
    EXPECT_EQ(target.at(0, 0), kBackground);
    EXPECT_EQ(target.at(2, 2), color_pixel(kBlue));
    o.draw_if_owner = true;
    paint(o);
    EXPECT_EQ(target.at(0, 0), color_pixel(kRed));
    EXPECT_EQ(target.at(2, 2), color_pixel(kBlue));
}

TEST_F(Painting, MaskKindsHiddenObjectsAndEmptyBoundsPaintNothing) {
    auto& round = skin.root<TSeSkinObject>("Round", {0, 0, 5, 5});
    round.color = kRed;
    round.kind = TSeKind::skRoundMask;
    SyntheticSkin::part<TSeSkinObject>(round, "Child", {1, 1, 2, 2}).color = kBlue;
    auto& hidden = skin.root<TSeSkinObject>("Hidden", {0, 0, 5, 5});
    hidden.color = kRed;
    hidden.visible = false;
    auto& flat = skin.root<TSeSkinObject>("Flat", {0, 0, 5, 0});
    flat.color = kRed;
    auto& none = skin.root<TSeSkinObject>("None", {0, 0, 5, 5});
    for (TSeSkinObject* o : {&static_cast<TSeSkinObject&>(round), &hidden, &flat, &none}) paint(*o);
    EXPECT_EQ(test::count_pixels(target, kBackground), 23 * 17);
}

TEST_F(Painting, ChildrenOutsideTheClipAreSkipped) {
    auto& o = skin.root<TSeSkinObject>("Owner", {0, 0, 20, 10});
    SyntheticSkin::part<TSeSkinObject>(o, "A", {0, 0, 5, 5}).color = kRed;
    SyntheticSkin::part<TSeSkinObject>(o, "B", {10, 0, 5, 5}).color = kBlue;
    paint(o, {11, 1, 12, 2});
    EXPECT_EQ(test::count_pixels(target, color_pixel(kRed)), 0);
    EXPECT_EQ(test::count_pixels(target, color_pixel(kBlue)), 25);
}

TEST_F(Painting, SetStateReachesEveryDescendant) {
    auto& o = skin.root<TSeSkinObject>("Owner", {0, 0, 20, 10});
    auto& child = SyntheticSkin::part<TSeSkinObject>(o, "Child", {0, 0, 5, 5});
    auto& grandchild = SyntheticSkin::part<TSeSkinObject>(child, "Grandchild", {0, 0, 1, 1});
    set_state(o, VisualState::kDisabled);
    EXPECT_EQ(o.state(), VisualState::kDisabled);
    EXPECT_EQ(grandchild.state_code, 8);
}

TEST_F(Painting, ASinglePieceWithoutAColourDrawsNoImageButItsChildren) {
    auto& o = skin.root<TSeBitmapObject>("Bitmap", {0, 0, 5, 3});
    set_link(o.bitmap, "pic", look(0));
    SyntheticSkin::part<TSeSkinObject>(o, "Child", {6, 0, 2, 2}).color = kBlue;
    paint(o);
    EXPECT_EQ(target.at(0, 0), kBackground);
    EXPECT_EQ(target.at(6, 0), color_pixel(kBlue));
    o.color = kRed;  // any colour: it is not filled, it only lets the image draw
    paint(o);
    EXPECT_EQ(target.at(0, 0), distinct(0, 0));
    EXPECT_EQ(target.at(4, 2), distinct(4, 2));
    EXPECT_EQ(test::count_pixels(target, color_pixel(kRed)), 0);
}

TEST_F(Painting, ALinkWithoutItsImageStopsTheWholeObject) {
    auto& o = skin.root<TSeBitmapObject>("Bitmap", {0, 0, 5, 3});
    o.color = kRed;
    set_link(o.bitmap, "missing.bmp", look(0));
    SyntheticSkin::part<TSeSkinObject>(o, "Child", {6, 0, 2, 2}).color = kBlue;
    paint(o);
    EXPECT_EQ(test::count_pixels(target, kBackground), 23 * 17);
}

TEST_F(Painting, ButtonObjectsPickTheirImageByState) {
    auto& o = skin.root<TSeButtonObject>("Button", {1, 1, 5, 3});
    o.color = kRed;
    set_link(o.bitmap, "pic", look(0));
    set_link(o.bitmap_pressed, "pic", look(1));
    set_link(o.bitmap_disabled, "pic", look(2));
    struct Case {
        std::uint8_t code;  // as the skin numbers states
        int look;
    };
    // Hot (5) and focused (7) have no image of their own; 3 is no state code at all.
    for (const Case c : {Case{0, 0}, Case{5, 0}, Case{7, 0}, Case{6, 1}, Case{8, 2}, Case{3, 0}}) {
        o.state_code = c.code;
        paint(o);
        EXPECT_EQ(target.at(1, 1), distinct(5 * c.look, 0)) << int(c.code);
        EXPECT_EQ(target.at(5, 3), distinct(5 * c.look + 4, 2)) << int(c.code);
    }
    set_link(o.bitmap_hot, "pic", look(1));
    set_state(o, VisualState::kHot);
    paint(o);
    EXPECT_EQ(target.at(1, 1), distinct(5, 0));
}

TEST_F(Painting, ActiveBitmapsShowTheActiveImageWhenActiveOrTouched) {
    auto& o = skin.root<TSeActiveBitmap>("Active", {0, 0, 5, 3});
    o.color = kRed;
    set_link(o.bitmap, "pic", look(0));
    set_link(o.active_bitmap, "pic", look(1));
    auto shows = [&](VisualState state, bool active) {
        set_state(o, state);
        o.active = active;
        paint(o);
        return target.at(0, 0) == distinct(5, 0) ? 1 : 0;
    };
    EXPECT_EQ(shows(VisualState::kNormal, false), 0);
    EXPECT_EQ(shows(VisualState::kNormal, true), 1);
    EXPECT_EQ(shows(VisualState::kHot, false), 1);
    EXPECT_EQ(shows(VisualState::kPressed, false), 1);
    EXPECT_EQ(shows(VisualState::kFocused, false), 1);
    EXPECT_EQ(shows(VisualState::kDisabled, false), 0);
}

TEST_F(Painting, SystemButtonsShowTheirHotAndPressedLooks) {
    auto& o = skin.root<TSeSystemButton>("Close", {0, 0, 5, 3});
    o.color = kRed;
    set_link(o.bitmap, "pic", look(0));
    set_link(o.bitmap_hot, "pic", look(1));
    set_link(o.bitmap_pressed, "pic", look(2));
    set_state(o, VisualState::kHot);
    paint(o);
    EXPECT_EQ(target.at(0, 0), distinct(5, 0));
    set_state(o, VisualState::kPressed);
    paint(o);
    EXPECT_EQ(target.at(0, 0), distinct(10, 0));
}

TEST_F(Painting, MaskOnlyBitmapsPaintNothing) {
    auto& o = skin.root<TSeBitmapObject>("Mask", {0, 0, 5, 3});
    o.color = kRed;
    o.kind = TSeKind::skMaskOnly;
    set_link(o.bitmap, "pic", look(0));
    paint(o);
    EXPECT_EQ(test::count_pixels(target, kBackground), 23 * 17);
}

TEST_F(Painting, KeyPixelsOfABitmapObjectLeaveTheCanvasAlone) {
    Image keyed = pattern(3, 3);
    keyed.at(1, 1) = test::kKeyPixelValue;
    skin.add_image("keyed", keyed);
    auto& o = skin.root<TSeBitmapObject>("Keyed", {0, 0, 9, 9});
    o.color = kRed;
    o.tile_style = TscTileStyle::tsTile;
    set_link(o.bitmap, "keyed", {0, 0, 3, 3});
    paint(o);
    EXPECT_EQ(o.bitmap.transparency, (LinkTransparency{false, false, true}));
    EXPECT_EQ(target.at(4, 4), kBackground);
    EXPECT_EQ(target.at(3, 3), distinct(0, 0));
    EXPECT_EQ(test::count_pixels(target, test::kKeyPixelValue), 0);
}

TEST_F(Painting, LinksSettleTheirFlagsWhenFirstDrawnWithTheirImage) {
    auto& o = skin.root<TSeBitmapObject>("Late", {0, 0, 3, 3});
    o.color = kRed;
    set_link(o.bitmap, "late", {0, 0, 3, 3});
    paint(o);
    EXPECT_FALSE(o.bitmap.transparency_settled);
    Image keyed = pattern(3, 3);
    keyed.at(2, 2) = test::kKeyPixelValue;
    skin.add_image("late", keyed);
    skin.prepare();
    EXPECT_FALSE(o.bitmap.transparency_settled) << "preparing looks at no pixels";
    paint(o);
    EXPECT_TRUE(o.bitmap.transparency_settled);
    EXPECT_EQ(o.bitmap.transparency, (LinkTransparency{false, false, true}));
    EXPECT_EQ(target.at(2, 2), kBackground);
    // A copy of the object carries its settled flags along with its link.
    auto copy = o.clone();
    EXPECT_TRUE(static_cast<TSeBitmapObject&>(*copy).bitmap.transparency_settled);
    EXPECT_EQ(static_cast<TSeBitmapObject&>(*copy).bitmap.transparency, o.bitmap.transparency);
}

TEST_F(Painting, BitmapObjectsLayOutAndPaintTheirChildrenOverTheImage) {
    auto& o = skin.root<TSeBitmapObject>("Frame", {0, 0, 5, 3});
    o.margin_left = o.margin_right = 1;
    set_link(o.bitmap, "pic", look(0));
    auto& inside = SyntheticSkin::part<TSeSkinObject>(o, "Inside", {0, 0, 2, 1}, TSeAlign::saRight);
    inside.color = kBlue;
    inside.set_bounds({0, 0, 2, 1});  // out of place until the object lays it out again
    paint(o);
    EXPECT_EQ(target.at(0, 0), distinct(0, 0));
    EXPECT_EQ(target.at(2, 1), distinct(2, 1));
    EXPECT_EQ(target.at(3, 2), color_pixel(kBlue));
    EXPECT_EQ(target.at(4, 0), color_pixel(kBlue));
}

class ObjectText : public Painting {
  protected:
    TSeSkinObject& labelled(const std::string& text) {
        auto& o = skin.root<TSeSkinObject>("Label", {2, 1, 41, 15});
        o.text = text;
        o.font.color = kRed;
        o.font.name = "Tahoma";
        return o;
    }
};

TEST_F(ObjectText, ASingleDashDrawsASeparatorInTheFontColour) {
    TSeSkinObject& o = labelled("-");
    o.set_bounds({2, 1, 17, 15});
    paint(o);
    EXPECT_TRUE(fake.calls.empty());
    // Three pixels in from each side, at half the height: row 1 + 15 / 2.
    EXPECT_EQ(test::count_pixels(target, color_pixel(kRed)), 17 - 6);
    EXPECT_EQ(target.at(5, 8), color_pixel(kRed));
    EXPECT_EQ(target.at(4, 8), kBackground);
    EXPECT_EQ(target.at(5, 7), kBackground);
}

TEST_F(ObjectText, ADisabledSeparatorKeepsItsFontColour) {
    TSeSkinObject& o = labelled("-");
    o.set_bounds({2, 1, 17, 15});
    o.enabled = false;
    paint(o);
    EXPECT_EQ(test::count_pixels(target, color_pixel(kRed)), 17 - 6);
    EXPECT_EQ(test::count_pixels(target, kGreyTextPixel), 0);
}

TEST_F(ObjectText, TextIsPlacedByTextAlignInsideTheMargins) {
    TSeSkinObject& o = labelled("Datum");
    o.text_align = TSeTextAlign::taBottomRight;
    o.text_margin_left = 3;
    o.text_margin_right = 4;
    o.text_margin_top = 2;
    paint(o);
    ASSERT_EQ(fake.calls.size(), 1u);
    EXPECT_EQ(fake.calls[0].text, "Datum");
    EXPECT_EQ(fake.calls[0].rect, (Rect{5, 3, 39, 16}));
    EXPECT_EQ(fake.calls[0].placement, (TextPlacement{HAlign::kRight, VAlign::kBottom}));
    EXPECT_EQ(fake.calls[0].colour, color_pixel(kRed));
    EXPECT_EQ(fake.calls[0].font.face, "Tahoma");
}

TEST_F(ObjectText, DisabledObjectsWriteInGrey) {
    TSeSkinObject& o = labelled("Datum");
    o.enabled = false;
    paint(o);
    ASSERT_EQ(fake.calls.size(), 1u);
    EXPECT_EQ(fake.calls[0].colour, kGreyTextPixel);
}

TEST_F(ObjectText, TitlesAreShortenedToTheWidthLessTheMargins) {
    TSeSkinObject& o = labelled("Framewright");  // 77 pixels in the fake's font
    o.kind = TSeKind::skTitle;
    o.text_margin_left = 2;
    o.text_margin_right = 3;
    paint(o);
    ASSERT_EQ(fake.calls.size(), 1u);
    // 41 - 5 = 36 pixels hold five characters: two of the title and the dots.
    EXPECT_EQ(fake.calls[0].text, "Fr...");
}

TEST_F(ObjectText, ShadowsComeFirstInGreyOnePixelDownAndRight) {
    TSeSkinObject& o = labelled("Datum");
    o.text_effect = TSeTextEffect::teShadow;
    paint(o);
    ASSERT_EQ(fake.calls.size(), 2u);
    EXPECT_EQ(fake.calls[0].colour, kGreyTextPixel);
    EXPECT_EQ(fake.calls[0].rect, fake.calls[1].rect.offset(1, 1));
    EXPECT_EQ(fake.calls[1].colour, color_pixel(kRed));
}

TEST_F(ObjectText, TheSecondTextTakesTheMirroredSide) {
    TSeSkinObject& o = labelled("Name");
    o.second_text = "Ctrl+A";
    o.text_align = TSeTextAlign::taLeft;
    paint(o);
    ASSERT_EQ(fake.calls.size(), 2u);
    EXPECT_EQ(fake.calls[1].text, "Ctrl+A");
    EXPECT_EQ(fake.calls[1].placement, (TextPlacement{HAlign::kRight, VAlign::kCenter}));
}

TEST_F(ObjectText, TextObjectsTakeTheFontOfTheirState) {
    auto& o = skin.root<TSeTextObject>("Text", {0, 0, 30, 12});
    o.text = "Clear";
    o.font.name = "Normal";
    o.font_hot.name = "Hot";
    o.font_pressed.name = "Pressed";
    o.font_focused.name = "Focused";
    o.font_disabled.name = "Disabled";
    for (const auto& [state, face] :
         std::vector<std::pair<VisualState, std::string>>{{VisualState::kNormal, "Normal"},
                                                          {VisualState::kHot, "Hot"},
                                                          {VisualState::kPressed, "Pressed"},
                                                          {VisualState::kFocused, "Focused"},
                                                          {VisualState::kDisabled, "Disabled"}}) {
        fake.calls.clear();
        set_state(o, state);
        paint(o);
        ASSERT_EQ(fake.calls.size(), 1u);
        EXPECT_EQ(fake.calls[0].font.face, face);
    }
}

TEST_F(ObjectText, ActiveObjectsFillAndWriteWithTheirActiveLook) {
    auto& o = skin.root<TSeActiveObject>("Item", {0, 0, 6, 4});
    o.text = "File";
    o.color = kRed;
    o.active_color = kBlue;
    o.font.name = "Normal";
    o.active_font.name = "Active";
    o.disabled_font.name = "Disabled";
    set_state(o, VisualState::kHot);
    paint(o);
    EXPECT_EQ(target.at(0, 0), color_pixel(kBlue));
    EXPECT_EQ(fake.calls.back().font.face, "Active");
    set_state(o, VisualState::kDisabled);
    paint(o);
    EXPECT_EQ(target.at(0, 0), color_pixel(kRed));
    EXPECT_EQ(fake.calls.back().font.face, "Disabled");
}

TEST(PaintFonts, PointsAndStylesComeFromTheToolkitFont) {
    Font font;
    font.name = "Trebuchet MS";
    font.height = -13;
    font.style = kFontBold | kFontUnderline;
    const PaintFont wanted = paint_font(font);
    EXPECT_EQ(wanted.face, "Trebuchet MS");
    EXPECT_EQ(wanted.size, 10);
    EXPECT_TRUE(wanted.bold);
    EXPECT_FALSE(wanted.italic);
    EXPECT_TRUE(wanted.underline);
}

TEST_F(Painting, RoundMaskRegionsGrowByOnePixelAndUseTheMarginsAsCorners) {
    auto& o = skin.root<TSeSkinObject>("Round", {3, 4, 20, 10});
    o.kind = TSeKind::skRoundMask;
    o.margin_left = 7;
    o.margin_top = 5;
    const Shape shape = object_region(o, fake);
    EXPECT_EQ(shape.kind, Shape::Kind::kRoundRect);
    EXPECT_EQ(shape.bounds, (Rect{3, 4, 24, 15}));
    EXPECT_EQ(shape.corner, (Size{7, 5}));
}

TEST_F(Painting, MaskedBitmapObjectsGiveTheShapeOfTheirPaintedPixels) {
    Image keyed = pattern(3, 2);
    keyed.at(0, 0) = test::kKeyPixelValue;
    skin.add_image("keyed", keyed);
    auto& o = skin.root<TSeBitmapObject>("Masked", {10, 20, 3, 2});
    o.color = kRed;
    o.masked = true;
    set_link(o.bitmap, "keyed", {0, 0, 3, 2});
    skin.prepare();
    const Shape shape = object_region(o, fake);
    EXPECT_EQ(shape.kind, Shape::Kind::kRects);
    EXPECT_FALSE(shape.contains(10, 20));
    EXPECT_TRUE(shape.contains(11, 20));
    EXPECT_TRUE(shape.contains(10, 21));
    o.kind = TSeKind::skClient;  // the client is never masked
    EXPECT_EQ(object_region(o, fake), Shape::rectangle({10, 20, 13, 22}));
    auto& plain = skin.root<TSeSkinObject>("Plain", {1, 2, 3, 4});
    plain.masked = true;
    EXPECT_EQ(object_region(plain, fake), Shape::rectangle({1, 2, 4, 6}));
}

}  // namespace
}  // namespace tolsy

namespace tolsy {
namespace {

// Bounds and text margins at the ends of int, as a stored skin may hold them: painting sums
// saturate, and a masked object too large for any window gets its rectangle, not a picture
// of that size.
TEST(PaintingStoredNumbers, ExtremeBoundsAndTextMarginsPaintAndShapeSafely) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    struct Case {
        SkinBounds bounds;
        int text_margin;
    } const cases[] = {
        {{kMax - 2, kMax - 2, kMax, kMax}, 0},
        {{kMin, kMin, kMax, kMax}, kMin},
        {{0, 0, 40000, 40000}, kMax},
        {{-5, -5, 30, 30}, kMin},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.bounds.left << " " << c.bounds.width);
        test::SyntheticSkin skin;
        skin.add_image("pic", pattern(4, 4));
        auto& o = skin.root<TSeBitmapObject>("Big", c.bounds);
        o.color = kRed;
        o.masked = true;
        o.text = "-";
        o.second_text = "x";
        o.margin_left = o.margin_right = 1;
        o.text_margin_left = o.text_margin_right = o.text_margin_top = c.text_margin;
        set_link(o.bitmap, "pic", {0, 0, 4, 4});
        skin.prepare();
        Image target(8, 8, kBackground);
        Canvas canvas(target);
        test::FakeTextRenderer fake;
        paint_object(o, canvas, fake);
        const Shape shape = object_region(o, fake);
        const bool huge = std::int64_t{o.width()} * o.height() > (std::int64_t{1} << 24);
        EXPECT_EQ(shape.kind, huge ? Shape::Kind::kRectangle : Shape::Kind::kRects);
        if (huge) {
            EXPECT_EQ(shape, Shape::rectangle(object_rect(o)));
        }
    }
}

}  // namespace
}  // namespace tolsy
