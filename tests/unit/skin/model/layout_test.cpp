// Layout of skin object children: the built-in form's worked example and each of the passes.
#include "skin/model/layout.h"

#include <gtest/gtest.h>

#include <limits>

#include "picture/fake_text_renderer.h"
#include "skin/skin_fixture.h"
#include "skin/themes/standard_objects.h"

namespace tolsy {
namespace {

using test::SyntheticSkin;

Rect rect_of(const TSeSkinObject& o) {
    return object_rect(o);
}

TEST(FormLayout, TheBuiltInFormAt400By300FollowsTheWorkedExample) {
    auto theme = test::load_built_theme();
    ASSERT_NE(theme, nullptr);
    TSeSkinObject& form = *theme->standard_objects().slot(kSlotForm);
    TSeSkinObject& buttons = *form.find_part("ButtonContainer");
    const int buttons_left = buttons.left();
    const int buttons_top = buttons.top();
    TSeSkinObject& sys_menu = *form.find_part("SysMenu");
    place_object(form, {0, 0, 400, 300});
    EXPECT_EQ(rect_of(*form.find_part("Caption")), (Rect{0, 0, 400, 29}));
    EXPECT_EQ(rect_of(*form.find_part("Bottom")), (Rect{0, 295, 400, 300}));
    EXPECT_EQ(rect_of(*form.find_part("Left")), (Rect{0, 29, 5, 295}));
    EXPECT_EQ(rect_of(*form.find_part("Right")), (Rect{395, 29, 400, 295}));
    EXPECT_EQ(rect_of(*theme->standard_objects().slot(kSlotClientPlaceholder)),
              (Rect{5, 29, 395, 295}));
    EXPECT_EQ(rect_of(*form.find_part("CaptionLeft")), (Rect{0, 0, 10, 29}));
    EXPECT_EQ(rect_of(*form.find_part("CaptionRight")), (Rect{390, 0, 400, 29}));
    EXPECT_EQ(rect_of(*form.find_part("Title")), (Rect{10, 0, 390, 29}));
    EXPECT_EQ(buttons.left(), buttons_left + 25);
    EXPECT_EQ(buttons.top(), buttons_top);
    EXPECT_EQ(buttons.width(), 204);
    EXPECT_EQ(rect_of(sys_menu), (Rect{6, 6, 26, 26}));
}

TEST(FormLayout, ShownCaptionButtonsLineUpAtTheRightOfTheirContainer) {
    auto theme = test::load_built_theme();
    ASSERT_NE(theme, nullptr);
    TSeSkinObject& form = *theme->standard_objects().slot(kSlotForm);
    TSeSkinObject& close = *form.find_part("CloseButton");
    TSeSkinObject& minimise = *form.find_part("MinButton");
    close.visible = minimise.visible = true;
    place_object(form, {0, 0, 401, 301});
    const TSeSkinObject& container = *form.find_part("ButtonContainer");
    EXPECT_EQ(close.left() + close.width(), container.left() + container.width());
    EXPECT_EQ(minimise.left() + minimise.width(), close.left());
    // The glyph sits centred in its button, halves truncated.
    const TSeSkinObject& glyph = *close.find_part("Glyph");
    EXPECT_EQ(glyph.left(), close.left() + (close.width() - glyph.width()) / 2);
    EXPECT_EQ(glyph.top(), close.top() + (close.height() - glyph.height()) / 2);
}

TEST(Layout, AnUnchangedRectangleChangesNothing) {
    SyntheticSkin skin;
    auto& root = skin.root<TSeSkinObject>("Root", {0, 0, 50, 40});
    auto& child =
        SyntheticSkin::part<TSeSkinObject>(root, "Child", {0, 0, 7, 9}, TSeAlign::saClient);
    place_object(root, {3, 4, 63, 44});
    const SkinBounds previous = root.previous_bounds();
    child.set_bounds({1, 1, 2, 2});  // moved by hand; re-applying the same bounds must not undo it
    place_object(root, {3, 4, 63, 44});
    EXPECT_EQ(root.previous_bounds(), previous);
    EXPECT_EQ(rect_of(child), (Rect{1, 1, 3, 3}));
}

TEST(Layout, NegativeSizesBecomeZeroAndTheOldBoundsAreRemembered) {
    SyntheticSkin skin;
    auto& root = skin.root<TSeSkinObject>("Root", {10, 20, 15, 27});
    root.set_bounds({1, 2, -3, -4});
    EXPECT_EQ(root.width(), 0);
    EXPECT_EQ(root.height(), 0);
    EXPECT_EQ(root.previous_bounds(), (SkinBounds{1, 2, 0, 0}));
}

TEST(Layout, OutermostDockingComesBeforeOrdinaryDockingWhateverTheOrder) {
    SyntheticSkin skin;
    auto& root = skin.root<TSeSkinObject>("Root", {0, 0, 1, 1});
    auto& top = SyntheticSkin::part<TSeSkinObject>(root, "Top", {0, 0, 1, 5}, TSeAlign::saTop);
    auto& most_top =
        SyntheticSkin::part<TSeSkinObject>(root, "MostTop", {0, 0, 1, 3}, TSeAlign::saMostTop);
    auto& left = SyntheticSkin::part<TSeSkinObject>(root, "Left", {0, 0, 4, 1}, TSeAlign::saLeft);
    auto& most_right =
        SyntheticSkin::part<TSeSkinObject>(root, "MostRight", {0, 0, 6, 1}, TSeAlign::saMostRight);
    auto& bottom =
        SyntheticSkin::part<TSeSkinObject>(root, "Bottom", {0, 0, 1, 2}, TSeAlign::saBottom);
    auto& client =
        SyntheticSkin::part<TSeSkinObject>(root, "Client", {0, 0, 1, 1}, TSeAlign::saClient);
    place_object(root, {0, 0, 31, 21});
    EXPECT_EQ(rect_of(most_top), (Rect{0, 0, 31, 3}));
    EXPECT_EQ(rect_of(most_right), (Rect{25, 3, 31, 21}));
    EXPECT_EQ(rect_of(top), (Rect{0, 3, 25, 8}));
    EXPECT_EQ(rect_of(bottom), (Rect{0, 19, 25, 21}));
    EXPECT_EQ(rect_of(left), (Rect{0, 8, 4, 19}));
    EXPECT_EQ(rect_of(client), (Rect{4, 8, 25, 19}));
}

TEST(Layout, HiddenChildrenTakeNoSpace) {
    SyntheticSkin skin;
    auto& root = skin.root<TSeSkinObject>("Root", {0, 0, 1, 1});
    auto& hidden =
        SyntheticSkin::part<TSeSkinObject>(root, "Hidden", {0, 0, 1, 5}, TSeAlign::saTop);
    auto& shown = SyntheticSkin::part<TSeSkinObject>(root, "Shown", {0, 0, 1, 4}, TSeAlign::saTop);
    hidden.visible = false;
    place_object(root, {0, 0, 9, 20});
    EXPECT_EQ(rect_of(shown), (Rect{0, 0, 9, 4}));
    EXPECT_EQ(rect_of(hidden), (Rect{0, 0, 1, 5}));
}

TEST(Layout, TextChildrenTakeTheWidthOfTheirTextAndMargins) {
    test::FakeTextRenderer fake;
    set_layout_text_renderer(&fake);
    SyntheticSkin skin;
    auto& root = skin.root<TSeSkinObject>("Root", {0, 0, 1, 1});
    auto& label = SyntheticSkin::part<TSeSkinObject>(root, "Label", {2, 3, 1, 8}, TSeAlign::saText);
    label.text = "Datum";
    label.text_margin_left = 4;
    label.text_margin_right = 1;
    place_object(root, {0, 0, 100, 20});
    set_layout_text_renderer(nullptr);
    EXPECT_EQ(rect_of(label), (Rect{2, 3, 2 + 5 * test::FakeTextRenderer::kCharWidth + 5, 11}));
}

TEST(Layout, CentredChildrenKeepTheirSizeAndTruncateHalves) {
    SyntheticSkin skin;
    auto& root = skin.root<TSeSkinObject>("Root", {0, 0, 1, 1});
    auto& small =
        SyntheticSkin::part<TSeSkinObject>(root, "Small", {0, 0, 3, 4}, TSeAlign::saCenter);
    auto& wide =
        SyntheticSkin::part<TSeSkinObject>(root, "Wide", {0, 0, 15, 1}, TSeAlign::saCenter);
    place_object(root, {5, 7, 15, 16});  // 10 x 9
    EXPECT_EQ(rect_of(small), (Rect{8, 9, 11, 13}));
    // (10 - 15) / 2 truncates toward zero to -2.
    EXPECT_EQ(rect_of(wide), (Rect{3, 11, 18, 12}));
}

TEST(Layout, AllTakesTheOwnSizeFromTheOrigin) {
    SyntheticSkin skin;
    auto& root = skin.root<TSeSkinObject>("Root", {0, 0, 1, 1});
    auto& all = SyntheticSkin::part<TSeSkinObject>(root, "All", {4, 4, 1, 1}, TSeAlign::saAll);
    auto& angle =
        SyntheticSkin::part<TSeSkinObject>(root, "Angle", {0, 0, 5, 3}, TSeAlign::saTopRightAngle);
    place_object(root, {20, 30, 47, 41});
    EXPECT_EQ(rect_of(all), (Rect{0, 0, 27, 11}));
    EXPECT_EQ(rect_of(angle), (Rect{22, 0, 27, 3}));
}

TEST(Layout, CornerAnchoredChildrenFollowOnlyOnceTheObjectHadAWidth) {
    SyntheticSkin skin;
    auto& root = skin.root<TSeSkinObject>("Root", {0, 0, 0, 0});
    auto& top_left =
        SyntheticSkin::part<TSeSkinObject>(root, "TL", {6, 6, 20, 20}, TSeAlign::saTopLeft);
    auto& top_right =
        SyntheticSkin::part<TSeSkinObject>(root, "TR", {80, 2, 10, 9}, TSeAlign::saTopRight);
    place_object(root, {0, 0, 100, 50});  // from no width: nothing follows
    EXPECT_EQ(rect_of(top_left), (Rect{6, 6, 26, 26}));
    EXPECT_EQ(rect_of(top_right), (Rect{80, 2, 90, 11}));
    place_object(root, {3, 1, 128, 60});  // moved by (3, 1), right edge 25 further
    EXPECT_EQ(rect_of(top_left), (Rect{9, 7, 29, 27}));
    EXPECT_EQ(rect_of(top_right), (Rect{108, 3, 118, 12}));
}

TEST(Layout, HiddenCornerChildrenStillFollow) {
    SyntheticSkin skin;
    auto& root = skin.root<TSeSkinObject>("Root", {0, 0, 50, 20});
    auto& button =
        SyntheticSkin::part<TSeSkinObject>(root, "Button", {30, 2, 10, 9}, TSeAlign::saTopRight);
    button.visible = false;
    place_object(root, {0, 0, 57, 20});
    EXPECT_EQ(button.left(), 37);
}

TEST(Layout, BottomAnchoredChildrenMoveAsLeftToTheImplementer) {
    SyntheticSkin skin;
    auto& root = skin.root<TSeSkinObject>("Root", {0, 0, 40, 30});
    auto& bottom_left =
        SyntheticSkin::part<TSeSkinObject>(root, "BL", {2, 25, 5, 3}, TSeAlign::saBottomLeft);
    auto& bottom_right =
        SyntheticSkin::part<TSeSkinObject>(root, "BR", {7, 4, 5, 3}, TSeAlign::saBottomRight);
    place_object(root, {0, 0, 41, 37});
    EXPECT_EQ(rect_of(bottom_left), (Rect{2, 32, 7, 35}));
    EXPECT_EQ(rect_of(bottom_right), (Rect{41 - 7, 37 - 4, 41 - 7 + 5, 37 - 4 + 3}));
}

TEST(Layout, TemplatesKeepTheirStoredRectanglesAndNestedChildrenFollowTheirParent) {
    SyntheticSkin skin;
    auto& root = skin.root<TSeSkinObject>("Root", {0, 0, 1, 1});
    auto& stored = SyntheticSkin::part<TSeSkinObject>(root, "Template", {3, 4, 5, 6});
    auto& panel =
        SyntheticSkin::part<TSeSkinObject>(root, "Panel", {0, 0, 1, 1}, TSeAlign::saClient);
    auto& inner =
        SyntheticSkin::part<TSeSkinObject>(panel, "Inner", {0, 0, 1, 2}, TSeAlign::saBottom);
    place_object(root, {0, 0, 21, 13});
    EXPECT_EQ(rect_of(stored), (Rect{3, 4, 8, 10}));
    EXPECT_EQ(rect_of(inner), (Rect{0, 11, 21, 13}));
}

}  // namespace
}  // namespace tolsy

namespace tolsy {
namespace {

// Stored sizes and positions at the ends of int: every sum sticks at the end it passes.
TEST(Layout, StoredNumbersAtTheEndsOfIntSaturate) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    struct Case {
        TSeAlign align;
        SkinBounds first, second;  // two children docked or anchored the same way
        SkinBounds root;
        Rect want_second;
    } const cases[] = {
        {TSeAlign::saTop, {0, 0, 1, kMax}, {0, 0, 1, 5}, {0, 10, 9, 9}, {0, kMax, 9, kMax}},
        {TSeAlign::saBottom, {0, 0, 1, kMax}, {0, 0, 1, 5}, {0, -10, 9, 9}, {0, kMin, 9, kMin}},
        {TSeAlign::saLeft, {0, 0, kMax, 1}, {0, 0, 5, 1}, {10, 0, 9, 9}, {kMax, 0, kMax, 9}},
        {TSeAlign::saRight, {0, 0, kMax, 1}, {0, 0, 5, 1}, {-10, 0, 9, 9}, {kMin, 0, kMin, 9}},
        {TSeAlign::saCenter,
         {0, 0, 1, 1},
         {0, 0, kMax, kMax},
         {kMin + 1, 0, 9, 9},
         {kMin, -1073741819, -1, 1073741828}},
        {TSeAlign::saBottomRight,
         {0, 0, 1, 1},
         {kMin, kMin, 4, 4},
         {0, 0, 9, 9},
         {kMax, kMax, kMax, kMax}},
        {TSeAlign::saTopRightAngle,
         {0, 0, 1, 1},
         {0, 0, kMax, 3},
         {0, 0, 9, 9},
         {-2147483638, 0, 9, 3}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.align));
        SyntheticSkin skin;
        auto& root = skin.root<TSeSkinObject>("Root", {0, 0, 1, 1});
        SyntheticSkin::part<TSeSkinObject>(root, "First", c.first, c.align);
        auto& second = SyntheticSkin::part<TSeSkinObject>(root, "Second", c.second, c.align);
        root.set_bounds(c.root);
        EXPECT_EQ(rect_of(second), c.want_second);
    }
}

}  // namespace
}  // namespace tolsy
