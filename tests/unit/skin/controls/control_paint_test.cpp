// The skinned controls' one painting path, against the built-in theme: each kind in each state
// shows the image of the theme object that state must use, with its texts where they belong.
#include "skin/controls/control_paint.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

#include <limits>
#include <vector>

#include "picture/fake_text_renderer.h"
#include "skin/model/skin_object_classes.h"
#include "skin/paint/paint.h"
#include "skin/skin_fixture.h"
#include "skin/themes/standard_objects.h"

namespace tolsy {
namespace {

constexpr std::uint32_t kPaper = 0xFF102030;
using V = VisualState;

class ControlPaint : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { theme = test::load_built_theme().release(); }
    static void TearDownTestSuite() {
        delete theme;
        theme = nullptr;
    }
    void SetUp() override { ASSERT_NE(theme, nullptr); }

    static TSeButtonObject& part(int slot, const char* name) {
        auto* object = dynamic_cast<TSeButtonObject*>(theme->theme_part("default", slot, name));
        EXPECT_NE(object, nullptr) << name;
        return *object;
    }
    // The top-left corner piece, which every nine-piece face copies unscaled: each of its
    // pixels is the link's, or the paper where the link holds the key colour.
    static bool corner_shows(const Image& picture, const TteBitmapLink& link, int margin) {
        const Image& source = find_bitmap(theme->working_source().bitmaps, link.name)->image;
        for (int y = 0; y < margin; ++y)
            for (int x = 0; x < margin; ++x) {
                const std::uint32_t s = source.at(link.left + x, link.top + y);
                if (picture.at(x, y) != (is_key_pixel(s) ? kPaper : s)) return false;
            }
        return true;
    }
    static int count(const Image& picture, std::uint32_t pixel) {
        int n = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) n += picture.at(x, y) == pixel;
        return n;
    }

    static TTeSkinFile* theme;
    test::FakeTextRenderer text;
};
TTeSkinFile* ControlPaint::theme = nullptr;

const TteBitmapLink& link_of(const TSeButtonObject& o, V state) {
    switch (state) {
        case V::kHot:
            return o.bitmap_hot;
        case V::kPressed:
            return o.bitmap_pressed;
        case V::kFocused:
        case V::kDefault:
            return o.bitmap_focused;
        case V::kDisabled:
            return o.bitmap_disabled;
        default:
            return o.bitmap;
    }
}

TEST_F(ControlPaint, PushButtonFacesFollowTheState) {
    const TSeButtonObject& face = part(kSlotButton, "Face");
    for (V state : {V::kNormal, V::kHot, V::kPressed, V::kFocused, V::kDisabled, V::kDefault}) {
        PushButtonLook look;
        look.state = state;
        const Image picture = push_button_picture(*theme, {75, 25}, look, text, kPaper);
        ASSERT_FALSE(picture.empty());
        EXPECT_TRUE(corner_shows(picture, link_of(face, state), face.margin_left))
            << static_cast<int>(state);
    }
}

TEST_F(ControlPaint, PushButtonCaptionsUseTheThemeFontOfTheirStateAndCentreWithTheGlyph) {
    Image glyph(32, 16, 0xFF000000u | kKeyColorRgb);
    glyph.at(3, 5) = 0xFF00FF00;   // normal frame
    glyph.at(19, 5) = 0xFF0000FF;  // disabled frame
    const std::pair<V, std::uint32_t> cases[] = {{V::kNormal, 0xFF00FF00},
                                                 {V::kDisabled, 0xFF0000FF}};
    for (const auto& [state, ink] : cases) {
        text.calls.clear();
        PushButtonLook look{state, "C&lear", &glyph, false};
        const Image picture = push_button_picture(*theme, {75, 25}, look, text, kPaper);
        // "Clear" is 35 wide: glyph and caption (16 + 4 + 35) start at (75 - 55) / 2 = 10.
        EXPECT_EQ(picture.at(10 + 3, 4 + 5), ink);
        EXPECT_EQ(count(picture, 0xFF00FF00) + count(picture, 0xFF0000FF), 1);
        ASSERT_EQ(text.calls.size(), 1u);
        EXPECT_EQ(text.calls[0].text, "Clear");
        EXPECT_EQ(text.calls[0].rect.left, 30);
        const auto& font = theme->fonts().fonts[state == V::kDisabled ? 14 : 10];
        EXPECT_EQ(text.calls[0].font, paint_font(font));
        EXPECT_EQ(text.calls[0].colour, color_pixel(font.color));
    }
}

TEST_F(ControlPaint, TheFocusCueAndTheMnemonicAreDrawnInTheCaptionInk) {
    PushButtonLook look{V::kFocused, "&OK", nullptr, false};
    const Image plain = push_button_picture(*theme, {75, 25}, look, text, kPaper);
    look.focus_cue = true;
    const Image cued = push_button_picture(*theme, {75, 25}, look, text, kPaper);
    const std::uint32_t ink = color_pixel(theme->fonts().fonts[13].color);
    EXPECT_NE(plain.at(4, 4), ink);
    EXPECT_EQ(cued.at(4, 4), ink);
    EXPECT_EQ(cued.at(70, 20), ink);
    // The underline of "O", one character (7) wide, in the caption's last row.
    const int left = (75 - 14) / 2;
    const int row = 25 / 2 - 13 / 2 + 12;
    EXPECT_EQ(plain.at(left, row), ink);
    EXPECT_EQ(plain.at(left + 6, row), ink);
    EXPECT_NE(plain.at(left + 7, row), ink);
}

TEST_F(ControlPaint, SpeedButtonsAreFlatAtRestAndShowTheFaceOfTheirStateOtherwise) {
    const TSeButtonObject& flat = part(kSlotSpeedButton, "FlatFace");
    const TSeButtonObject& raised = part(kSlotSpeedButton, "Face");
    struct Case {
        V state;
        bool flat;
        const TSeButtonObject* object;  // none: nothing but the label
    };
    const Case cases[] = {{V::kNormal, true, nullptr},  {V::kHot, true, &flat},
                          {V::kPressed, true, &flat},   {V::kDisabled, true, &flat},
                          {V::kNormal, false, &raised}, {V::kHot, false, &raised}};
    for (const Case& c : cases) {
        text.calls.clear();
        const SpeedButtonLook look{c.state, "\xC0", PaintFont{"Tolsy", 12}, c.flat};
        const Image picture = speed_button_picture(*theme, {23, 22}, look, text, kPaper);
        ASSERT_FALSE(picture.empty());
        if (c.object == nullptr) {
            EXPECT_EQ(count(picture, kPaper), 23 * 22);
        } else {
            EXPECT_TRUE(corner_shows(picture, link_of(*c.object, c.state), 3));
        }
        ASSERT_EQ(text.calls.size(), 1u);
        EXPECT_EQ(text.calls[0].text, "\xC0");
        EXPECT_EQ(text.calls[0].font.face, "Tolsy");
        const int shift = c.state == V::kPressed ? 1 : 0;
        EXPECT_EQ(text.calls[0].rect, Rect::from_size(shift, shift, 23, 22));
        EXPECT_EQ(text.calls[0].colour == kGreyTextPixel, c.state == V::kDisabled);
    }
}

TEST_F(ControlPaint, PagesShowTheInsideOfTheTabsFrame) {
    const auto& frame =
        dynamic_cast<TSeBitmapObject&>(*theme->theme_part("default", kSlotTabs, "Frame"));
    const Rect page = Rect::from_size(0, 0, 40, 30);
    const Rect around = page_frame_around(*theme, page);
    EXPECT_EQ(around, (Rect{-frame.margin_left, -frame.margin_top, 40 + frame.margin_right,
                            30 + frame.margin_bottom}));
    Image picture(40, 30, kPaper);
    Canvas canvas(picture);
    ASSERT_TRUE(paint_page_frame(*theme, canvas, around, text));
    const Image& source = find_bitmap(theme->working_source().bitmaps, frame.bitmap.name)->image;
    const std::uint32_t inside =
        source.at(frame.bitmap.left + frame.margin_left, frame.bitmap.top + frame.margin_top);
    EXPECT_EQ(count(picture, kPaper), 0);
    EXPECT_EQ(picture.at(0, 0), inside);
}

TEST_F(ControlPaint, AThemeWithoutTheObjectPaintsNothing) {
    PushButtonLook button;
    button.theme_object = "NoSuchObject";
    EXPECT_TRUE(push_button_picture(*theme, {75, 25}, button, text, kPaper).empty());
    SpeedButtonLook speed;
    speed.theme_object = "NoSuchObject";
    EXPECT_TRUE(speed_button_picture(*theme, {23, 22}, speed, text, kPaper).empty());
    Image picture(10, 10, kPaper);
    Canvas canvas(picture);
    EXPECT_FALSE(paint_page_frame(*theme, canvas, {0, 0, 10, 10}, text, "NoSuchObject"));
    EXPECT_EQ(count(picture, kPaper), 100);
}

TEST(Mnemonics, TheMarkerIsTakenOutAndItsLetterRemembered) {
    const struct {
        const char* caption;
        const char* text;
        int mnemonic;
    } cases[] = {{"&Close", "Close", 0},
                 {"To Clip&board", "To Clipboard", 7},
                 {"Fish && Chips", "Fish & Chips", -1},
                 {"OK", "OK", -1},
                 {"End&", "End&", -1},
                 {"&A&B", "AB", 0}};
    for (const auto& c : cases) {
        const MnemonicText out = strip_mnemonic(c.caption);
        EXPECT_EQ(out.text, c.text) << c.caption;
        EXPECT_EQ(out.mnemonic, c.mnemonic) << c.caption;
    }
}

}  // namespace
}  // namespace tolsy

namespace tolsy {
namespace {

class BoxPaint : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { theme = test::load_built_theme().release(); }
    static void TearDownTestSuite() {
        delete theme;
        theme = nullptr;
    }
    static TTeSkinFile* theme;
    test::FakeTextRenderer text;
};
TTeSkinFile* BoxPaint::theme = nullptr;

// The link's pixel at (x, y) of its rectangle.
std::uint32_t link_pixel(TTeSkinFile& theme, const TteBitmapLink& link, int x, int y) {
    return find_bitmap(theme.working_source().bitmaps, link.name)
        ->image.at(link.left + x, link.top + y);
}

TEST_F(BoxPaint, CheckBoxesShowTheBoxOfTheirStateAndTheirCaptionBesideIt) {
    const struct {
        V state;
        bool checked;
        const char* part;
    } cases[] = {{V::kNormal, false, "Unchecked"},
                 {V::kHot, true, "Checked"},
                 {V::kPressed, false, "Unchecked"},
                 {V::kDisabled, true, "Checked"}};
    for (const auto& c : cases) {
        text.calls.clear();
        const auto& box =
            dynamic_cast<TSeButtonObject&>(*theme->theme_part("default", kSlotCheckBox, c.part));
        const CheckBoxLook look{c.state, c.checked, "\xD8", PaintFont{"MS Sans Serif", 10}, 5};
        const Image picture = check_box_picture(*theme, {29, 20}, look, text, kPaper);
        ASSERT_FALSE(picture.empty());
        // The box is 13 x 13 at the left, centred: rows 3 to 15.
        EXPECT_EQ(picture.at(6, 3 + 6), link_pixel(*theme, link_of(box, c.state), 6, 6))
            << c.part << " " << static_cast<int>(c.state);
        EXPECT_EQ(picture.at(6, 1), kPaper);
        ASSERT_EQ(text.calls.size(), 1u);
        EXPECT_EQ(text.calls[0].rect.left, 13 + 5);
        EXPECT_EQ(text.calls[0].colour == kGreyTextPixel, c.state == V::kDisabled);
    }
}

TEST_F(BoxPaint, GroupBoxesDrawTheirFrameBelowTheCaptionAndStayOpenInside) {
    Image picture(65, 49, kPaper);
    Canvas canvas(picture);
    ASSERT_TRUE(paint_group_box(*theme, canvas, {0, 0, 65, 49}, "Symbol", text));
    const int line = test::FakeTextRenderer::kLineHeight / 2;
    const auto& left =
        dynamic_cast<TSeBitmapObject&>(*theme->theme_part("default", kSlotGroupBox, "Left"));
    EXPECT_EQ(picture.at(0, 30), link_pixel(*theme, left.bitmap, 0, 0));
    EXPECT_EQ(picture.at(30, 30), kPaper) << "transparent inside";
    EXPECT_EQ(picture.at(58, line - 1), kPaper) << "transparent above the frame";
    ASSERT_EQ(text.calls.size(), 1u);
    EXPECT_EQ(text.calls[0].text, "Symbol");
    EXPECT_GE(text.calls[0].rect.left, 8);
}

// Label margins and the caption gap are stored numbers: of any size the frame and the box
// are drawn where they always are, a list is still drawn, and the sums stay defined.
TEST_F(BoxPaint, StoredMarginsAndGapsOfAnySize) {
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    TSeSkinObject* label = theme->theme_part("default", kSlotGroupBox, "Caption");
    ASSERT_NE(label, nullptr);
    const auto& left =
        dynamic_cast<TSeBitmapObject&>(*theme->theme_part("default", kSlotGroupBox, "Left"));
    const auto& box =
        dynamic_cast<TSeButtonObject&>(*theme->theme_part("default", kSlotCheckBox, "Unchecked"));
    const int kept_left = label->text_margin_left, kept_right = label->text_margin_right;
    TSeSkinObject* combo_label = theme->theme_object("default", kSlotComboBox)->find_part("Text");
    ASSERT_NE(combo_label, nullptr);
    const int kept_combo = combo_label->text_margin_left;
    for (const auto& [a, b] : {std::pair{kMax, kMax}, {kMin, kMin}, {kMax, kMin}, {kMin, kMax}}) {
        label->text_margin_left = a;
        label->text_margin_right = b;
        Image picture(65, 49, kPaper);
        Canvas canvas(picture);
        ASSERT_TRUE(paint_group_box(*theme, canvas, {0, 0, 65, 49}, "Symbol", text));
        EXPECT_EQ(picture.at(0, 30), link_pixel(*theme, left.bitmap, 0, 0)) << a << " " << b;

        const CheckBoxLook look{V::kNormal, false, "X", PaintFont{"MS Sans Serif", 10}, a};
        const Image checked = check_box_picture(*theme, {29, 20}, look, text, kPaper);
        ASSERT_FALSE(checked.empty());
        EXPECT_EQ(checked.at(6, 9), link_pixel(*theme, link_of(box, V::kNormal), 6, 6)) << a;

        Image list(64, 21, kPaper);
        Canvas list_canvas(list);
        combo_label->text_margin_left = a;
        EXPECT_TRUE(paint_combo_box(*theme, list_canvas, {2, 0, 62, 21},
                                    ComboBoxLook{V::kNormal, false, "\xC0", PaintFont{"Tolsy", 12}},
                                    text));
    }
    combo_label->text_margin_left = kept_combo;
    label->text_margin_left = kept_left;
    label->text_margin_right = kept_right;
}

TEST_F(BoxPaint, TabsShowTheTabOfTheirStateWithTheirCaption) {
    const auto& tab =
        dynamic_cast<TSeButtonObject&>(*theme->theme_part("default", kSlotTabs, "Tab"));
    for (V state : {V::kNormal, V::kHot, V::kFocused}) {
        text.calls.clear();
        Image picture(60, 21, kPaper);
        Canvas canvas(picture);
        ASSERT_TRUE(paint_tab(*theme, canvas, {0, 0, 60, 21}, {state, "Symbols", false}, text));
        // The tab's top-left corner piece (3 x 4) is copied unscaled.
        const std::uint32_t corner = link_pixel(*theme, link_of(tab, state), 2, 3);
        EXPECT_EQ(picture.at(2, 3), is_key_pixel(corner) ? kPaper : corner);
        ASSERT_EQ(text.calls.size(), 1u);
        EXPECT_EQ(text.calls[0].text, "Symbols");
        EXPECT_EQ(text.calls[0].placement.horizontal, HAlign::kCenter);
    }
}

TEST_F(BoxPaint, PanelsFillTheirRectangleFromThePanelPart) {
    Image picture(40, 20, kPaper);
    Canvas canvas(picture);
    ASSERT_TRUE(paint_panel(*theme, canvas, {0, 0, 40, 20}));
    const auto& panel =
        dynamic_cast<TSeBitmapObject&>(*theme->theme_part("default", kSlotContainer, "Panel"));
    EXPECT_EQ(picture.at(0, 0), link_pixel(*theme, panel.bitmap, 0, 0));
    EXPECT_NE(picture.at(20, 10), kPaper);
    EXPECT_FALSE(paint_panel(*theme, canvas, {0, 0, 40, 20}, "NoSuchObject"));
}

}  // namespace
}  // namespace tolsy

namespace tolsy {
namespace {

class FieldPaint : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { theme = test::load_built_theme().release(); }
    static void TearDownTestSuite() {
        delete theme;
        theme = nullptr;
    }
    static const TSeButtonObject& part(int slot, const char* name) {
        return dynamic_cast<TSeButtonObject&>(*theme->theme_part("default", slot, name));
    }
    // What a pixel of the link shows over `beneath`.
    static std::uint32_t shown(const TteBitmapLink& link, int x, int y, std::uint32_t beneath) {
        const std::uint32_t pixel = link_pixel(*theme, link, x, y);
        return is_key_pixel(pixel) ? beneath : pixel;
    }
    static TTeSkinFile* theme;
    test::FakeTextRenderer text;
};
TTeSkinFile* FieldPaint::theme = nullptr;

TEST_F(FieldPaint, ListsShowTheFrameAndDropButtonOfTheirStateAndTheChosenItem) {
    const TSeButtonObject& side = part(kSlotComboBox, "Left");
    const TSeButtonObject& drop = part(kSlotComboBox, "Button");
    const std::uint32_t field =
        color_pixel(theme->theme_part("default", kSlotComboBox, "Client")->color);
    const int margin = theme->theme_part("default", kSlotComboBox, "Text")->text_margin_left;
    const struct {
        V state;
        bool dropped, flat, editable;
        V frame, button;
    } cases[] = {{V::kNormal, false, false, false, V::kNormal, V::kNormal},
                 {V::kHot, false, false, false, V::kHot, V::kHot},
                 {V::kFocused, true, false, false, V::kFocused, V::kPressed},
                 {V::kDisabled, false, false, true, V::kDisabled, V::kDisabled},
                 {V::kHot, false, true, false, V::kHot, V::kHot}};
    for (const auto& c : cases) {
        text.calls.clear();
        const ComboBoxLook look{c.state, c.dropped,  "\xC0", PaintFont{"Tolsy", 12},
                                c.flat,  !c.editable};
        const Image picture = combo_box_picture(*theme, {77, 22}, look, text, kPaper);
        ASSERT_FALSE(picture.empty());
        const std::uint32_t left_edge =
            c.flat ? field : shown(link_of(side, c.frame), 0, 0, kPaper);
        EXPECT_EQ(picture.at(0, 2), left_edge) << static_cast<int>(c.state) << " flat " << c.flat;
        const Rect button = combo_button_rect(*theme, {0, 0, 77, 22}, c.flat);
        EXPECT_EQ(button.right, c.flat ? 77 : 75);
        EXPECT_EQ(picture.at(button.left + 1, button.top + 1),
                  shown(link_of(drop, c.button), 1, 1, field))
            << static_cast<int>(c.state);
        ASSERT_EQ(text.calls.size(), c.editable ? 0u : 1u);
        if (c.editable) continue;
        EXPECT_EQ(text.calls[0].font.face, "Tolsy");
        EXPECT_EQ(text.calls[0].rect, (Rect{margin, 0, button.left, 22}));
        EXPECT_EQ(text.calls[0].colour == kGreyTextPixel, c.state == V::kDisabled);
    }
}

TEST_F(FieldPaint, TheDisplayLineShowsItsTextAndItsSelectionInTheThemeColour) {
    const TSeButtonObject& side = part(kSlotEdit, "Left");
    const std::uint32_t fill = color_pixel(theme->theme_object("default", kSlotEdit)->color);
    const std::uint32_t marked =
        color_pixel(theme->theme_part("default", kSlotEdit, "Selection")->color);
    constexpr int kW = test::FakeTextRenderer::kCharWidth;
    const struct {
        V state;
        int start, end;
        const char* selected;  // none: nothing selected
    } cases[] = {{V::kNormal, 0, 0, nullptr},
                 {V::kFocused, 1, 3, "BC"},
                 {V::kFocused, 2, 9, "CD"},
                 {V::kHot, 3, 1, nullptr},
                 {V::kDisabled, 0, 4, "ABCD"}};
    for (const auto& c : cases) {
        text.calls.clear();
        const EditLook look{c.state, "ABCD", PaintFont{"Tolsy", 14}, {5, 4}, c.start, c.end};
        const Image picture = edit_picture(*theme, {120, 30}, look, text, kPaper);
        ASSERT_FALSE(picture.empty());
        EXPECT_EQ(picture.at(0, 2), shown(link_of(side, c.state), 0, 0, kPaper));
        EXPECT_EQ(picture.at(110, 15), fill) << "no drop button";
        ASSERT_EQ(text.calls.size(), c.selected ? 2u : 1u) << c.start << "-" << c.end;
        EXPECT_EQ(text.calls[0].text, "ABCD");
        EXPECT_EQ(text.calls[0].rect.left, 5);
        EXPECT_EQ(text.calls[0].rect.top, 4);
        if (c.selected == nullptr) continue;
        EXPECT_EQ(text.calls[1].text, c.selected);
        EXPECT_EQ(text.calls[1].colour, kSelectedTextPixel);
        EXPECT_EQ(text.calls[1].rect.left, 5 + c.start * kW);
        EXPECT_EQ(picture.at(5 + c.start * kW, 10), marked);
        EXPECT_EQ(picture.at(5 + c.start * kW - 1, 10), fill);
    }
}

}  // namespace
}  // namespace tolsy

namespace tolsy {
namespace {

TEST(HintPaint, ToolTipsShowTheHintObjectAndItsTextInItsFont) {
    const auto theme = test::load_built_theme();
    ASSERT_NE(theme, nullptr);
    test::FakeTextRenderer text;
    const TSeSkinObject& hint = *theme->theme_object("default", kSlotHint);
    Image picture(90, 20, kPaper);
    Canvas canvas(picture);
    ASSERT_TRUE(paint_hint(*theme, canvas, {0, 0, 90, 20}, "Position", text));
    const std::uint32_t edge = color_pixel(theme->theme_part("default", kSlotHint, "Top")->color);
    EXPECT_EQ(picture.at(40, 0), edge);
    EXPECT_EQ(picture.at(40, 10), color_pixel(hint.color));
    ASSERT_EQ(text.calls.size(), 1u);
    EXPECT_EQ(text.calls[0].text, "Position");
    EXPECT_EQ(text.calls[0].font, hint_font(*theme));
    EXPECT_EQ(text.calls[0].rect.left, hint.text_margin_left);
    EXPECT_EQ(text.calls[0].colour, color_pixel(hint.font.color));
    EXPECT_FALSE(paint_hint(*theme, canvas, {0, 0, 90, 20}, "x", text, "NoSuchObject"));
}

TEST(HintPaint, StoredTextMarginsAreHeldToZeroTo32PixelsForTheWindowAndTheText) {
    const auto theme = test::load_built_theme();
    ASSERT_NE(theme, nullptr);
    TSeSkinObject& hint = *theme->theme_object("default", kSlotHint);
    const struct {
        int left, top, right;
        HintMargins held;
    } rows[] = {
        {3, 2, 4, {3, 2, 4, 0}},
        {-7, 33, 32, {0, 32, 32, 0}},
        {INT_MAX, INT_MIN, -1, {32, 0, 0, 0}},
    };
    for (const auto& row : rows) {
        hint.text_margin_left = row.left;
        hint.text_margin_top = row.top;
        hint.text_margin_right = row.right;
        EXPECT_EQ(hint_margins(*theme), row.held) << row.left;
        test::FakeTextRenderer text;
        Image picture(90, 20);
        Canvas canvas(picture);
        ASSERT_TRUE(paint_hint(*theme, canvas, {0, 0, 90, 20}, "Position", text));
        ASSERT_EQ(text.calls.size(), 1u);
        EXPECT_EQ(text.calls[0].rect.left, row.held.left) << row.left;
        EXPECT_EQ(hint.text_margin_left, row.left);  // the theme's own numbers stay
    }
    EXPECT_EQ(hint_margins(*theme, "NoSuchObject"), HintMargins{});
}

TEST(Bands, TheBandsCoverExactlyWhatTheChildrenLeaveOfTheArea) {
    const Rect area{2, 3, 42, 33};
    const struct {
        const char* what;
        std::vector<Rect> children;
        std::size_t most_bands;  // own_bands gives the bands up to this many, else the area
    } cases[] = {
        {"no children", {}, 1},
        {"one inside (a panel's display line)", {{8, 10, 36, 26}}, 4},
        {"sticking out on all sides", {{-5, 10, 60, 20}, {10, -4, 20, 50}}, 4},
        {"overlapping, touching and empty",
         {{5, 5, 15, 15}, {10, 10, 25, 20}, {25, 10, 30, 20}, {7, 7, 7, 9}},
         99},
        {"outside the area", {{50, 50, 60, 60}, {-10, 0, 2, 40}}, 1},
        {"covering it all", {{0, 0, 50, 50}}, 0},
    };
    for (const auto& c : cases) {
        const auto covered = [&](int x, int y) {
            return std::any_of(c.children.begin(), c.children.end(),
                               [&](const Rect& r) { return r.contains(x, y); });
        };
        const std::vector<Rect> bands = bands_outside(area, c.children);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x) {
                const auto in = std::count_if(bands.begin(), bands.end(),
                                              [&](const Rect& b) { return b.contains(x, y); });
                const bool own = area.contains(x, y) && !covered(x, y);
                EXPECT_EQ(in, own ? 1 : 0) << c.what << " at " << x << "," << y;
            }
        const std::vector<Rect> own = own_bands(area, c.children);
        if (bands.size() <= kMostOwnBands) {
            EXPECT_EQ(own, bands) << c.what;
        } else {
            EXPECT_EQ(own, std::vector<Rect>{area}) << c.what;
        }
        EXPECT_LE(bands.size(), c.most_bands) << c.what;
    }
}

}  // namespace
}  // namespace tolsy
