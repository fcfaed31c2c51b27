// The frame operations of the built-in theme for the main window: a 389 x 241 client area in a
// dialog frame with the window icon, minimise and close; and the base theme that has no form.
#include <gtest/gtest.h>

#include <limits>

#include "picture/fake_text_renderer.h"
#include "skin/model/layout.h"
#include "skin/skin_fixture.h"
#include "skin/themes/skin_file.h"

namespace tolsy {
namespace {

constexpr Rect kWindow{0, 0, 399, 275};
constexpr std::uint16_t kMainButtons = caption_button_bit(kCaptionIcon) |
                                       caption_button_bit(kCaptionClose) |
                                       caption_button_bit(kCaptionMinimize);
constexpr std::string_view kDefault = "default";

class MainWindowFrame : public ::testing::Test {
  protected:
    void SetUp() override {
        theme = test::load_built_theme();
        ASSERT_NE(theme, nullptr);
        info.window = kWindow;
        info.buttons = kMainButtons;
        info.caption = "Framewright";
    }
    std::uint32_t theme_pixel(int x, int y) const {
        return find_bitmap(theme->working_source().bitmaps, "themeimage")->image.at(x, y);
    }
    std::unique_ptr<TTeSkinFile> theme;
    FrameWindowInfo info;
};

TEST_F(MainWindowFrame, FormObjectsForTheFrameKinds) {
    const std::pair<int, bool> kinds[] = {{kFrameStandard, true},   {kFrameDialog, true},
                                          {kFrameBorder, false},    {kFrameNone, false},
                                          {kFrameToolWindow, true}, {3, false}};
    for (const auto& [kind, has] : kinds) EXPECT_EQ(theme->has_form_object(kind, kDefault), has);
    EXPECT_TRUE(theme->has_form_object(kFrameBorder, "Form"));
    EXPECT_FALSE(theme->has_form_object(kFrameDialog, "NoSuchForm"));
    EXPECT_EQ(theme->form_object(kFrameBorder, kDefault),
              theme->form_object(kFrameDialog, kDefault));
    EXPECT_NE(theme->form_object(kFrameToolWindow, kDefault),
              theme->form_object(kFrameDialog, kDefault));
}

TEST_F(MainWindowFrame, GeometryKeepsTheClientAreaInsideTheBorders) {
    EXPECT_EQ(theme->client_rect(kFrameDialog, kDefault, kWindow), (Rect{5, 29, 394, 270}));
    EXPECT_EQ(theme->window_region(kFrameDialog, kDefault, kWindow), Shape::rectangle(kWindow));
    const std::pair<int, Rect> buttons[] = {
        {kCaptionIcon, {6, 6, 26, 26}},
        {kCaptionClose, {372, 4, 393, 25}},
        {kCaptionMinimize, {351, 4, 372, 25}},
        {kCaptionMaximize, {}},
        {kCaptionHelp, {}},
        {kCaptionRestoreMinimized, {}},
    };
    for (const auto& [kind, rect] : buttons)
        EXPECT_EQ(theme->caption_button_rect(kFrameDialog, kDefault, info, kind), rect) << kind;
    // The text runs from the title's margin to the first button.
    EXPECT_EQ(theme->caption_text_rect(kFrameDialog, kDefault, info), (Rect{30, 0, 351, 29}));

    // With maximise as well, minimise moves one place to the left.
    info.buttons |= caption_button_bit(kCaptionMaximize);
    EXPECT_EQ(theme->caption_button_rect(kFrameDialog, kDefault, info, kCaptionMinimize),
              (Rect{330, 4, 351, 25}));
}

TEST_F(MainWindowFrame, HitTestZones) {
    const std::pair<Point, int> points[] = {
        {{200, 12}, kZoneCaption},   {{8, 2}, kZoneCaption},         {{380, 12}, kZoneClose},
        {{360, 12}, kZoneMinimize},  {{339, 12}, kZoneCaption},      {{10, 10}, kZoneIcon},
        {{2, 100}, kZoneLeft},       {{396, 100}, kZoneRight},       {{200, 272}, kZoneBottom},
        {{2, 272}, kZoneBottomLeft}, {{397, 273}, kZoneBottomRight}, {{2, 2}, kZoneTopLeft},
        {{397, 2}, kZoneTopRight},   {{200, 100}, kZoneClient},      {{500, 100}, kZoneClient},
    };
    for (const auto& [p, zone] : points)
        EXPECT_EQ(theme->frame_hit_test(kFrameDialog, kDefault, info, p), zone)
            << p.x << "," << p.y;
}

TEST_F(MainWindowFrame, CloseButtonLooksInEachState) {
    // The close button's image in each state (hot and pressed of its own, the active look
    // while the window is active, the plain one while it is not), centred in 21 x 21.
    const std::pair<int, int> looks[] = {{kCaptionButtonNormal, 245},
                                         {kCaptionButtonHot, 264},
                                         {kCaptionButtonPressed, 283},
                                         {kCaptionButtonInactive, 226}};
    const Rect rect = theme->caption_button_rect(kFrameDialog, kDefault, info, kCaptionClose);
    for (const auto& [state, image_left] : looks) {
        Image picture(kWindow.width(), kWindow.height(), 0xFF000000);
        Canvas canvas(picture);
        theme->draw_caption_button(kFrameDialog, kDefault, canvas, {rect, kCaptionClose, state});
        for (int d : {1, 3})  // away from the glyph in the middle
            EXPECT_EQ(picture.at(rect.left + 1 + d, rect.top + 1 + d),
                      theme_pixel(image_left + d, d))
                << "state " << state;
        EXPECT_EQ(picture.at(rect.left - 1, rect.top), 0xFF000000u);  // nothing outside
    }
}

TEST_F(MainWindowFrame, WindowTakesTheActiveOrInactiveLookAndLeavesTheClientAlone) {
    for (const bool active : {true, false}) {
        info.active = active;
        Image picture(kWindow.width(), kWindow.height(), 0xFF123456);
        Canvas canvas(picture);
        theme->draw_window(kFrameDialog, kDefault, canvas, info);
        // The left border: the active image at x 100, the inactive one at 110.
        EXPECT_EQ(picture.at(1, 100), theme_pixel(active ? 101 : 111, 100 % 29)) << active;
        EXPECT_EQ(picture.at(200, 100), 0xFF123456u);
        // No caption button is drawn with the window.
        const Rect close = theme->caption_button_rect(kFrameDialog, kDefault, info, kCaptionClose);
        theme->draw_caption_button(kFrameDialog, kDefault, canvas, {close, kCaptionClose, 0});
        Image again(kWindow.width(), kWindow.height(), 0xFF123456);
        Canvas other(again);
        theme->draw_window(kFrameDialog, kDefault, other, info);
        EXPECT_NE(again.at(close.left + 2, close.top + 2),
                  picture.at(close.left + 2, close.top + 2));
    }
}

TEST_F(MainWindowFrame, BackgroundAndCaptionText) {
    Image picture(kWindow.width(), kWindow.height(), 0);
    Canvas canvas(picture);
    const Rect client = theme->client_rect(kFrameDialog, kDefault, kWindow);
    theme->draw_form_background(kFrameDialog, kDefault, canvas, client);
    EXPECT_EQ(picture.at(client.left, client.top), 0xFFEAE9D7u);
    EXPECT_EQ(picture.at(client.right - 1, client.bottom - 1), 0xFFEAE9D7u);
    EXPECT_EQ(picture.at(client.left - 1, client.top), 0u);

    test::FakeTextRenderer text;
    set_layout_text_renderer(&text);
    const Rect caption = theme->caption_text_rect(kFrameDialog, kDefault, info);
    for (const bool active : {true, false}) {
        info.active = active;
        theme->draw_caption_text(kFrameDialog, kDefault, canvas, caption, info);
    }
    set_layout_text_renderer(nullptr);
    ASSERT_EQ(text.calls.size(), 2u);
    EXPECT_EQ(text.calls[0].text, "Framewright");
    EXPECT_EQ(text.calls[0].rect, caption);
    EXPECT_EQ(text.calls[0].colour, 0xFF000000u);  // the active font: black
    EXPECT_EQ(text.calls[1].colour, 0xFF808080u);  // the inactive one: grey
}

// The caption's text margins are stored numbers: of any size they give a text rectangle that
// still stops at the first caption button, or none, and drawing the text into it is safe.
TEST_F(MainWindowFrame, CaptionTextMarginsOfAnySize) {
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    TSeSkinObject* title = theme->form_object(kFrameDialog, kDefault)->find_kind(TSeKind::skTitle);
    ASSERT_NE(title, nullptr);
    const Rect usual = theme->caption_text_rect(kFrameDialog, kDefault, info);
    ASSERT_FALSE(usual.empty());
    const struct {
        int left, top, right;
        bool shown;
    } cases[] = {{kMin, kMin, kMin, true},
                 {kMax, 0, 0, false},
                 {0, kMax, 0, false},
                 {0, 0, kMax, false},
                 {kMax, kMin, kMin, false}};
    test::FakeTextRenderer text;
    set_layout_text_renderer(&text);
    Image picture(kWindow.width(), kWindow.height(), 0);
    Canvas canvas(picture);
    for (const auto& c : cases) {
        title->text_margin_left = c.left;
        title->text_margin_top = c.top;
        title->text_margin_right = c.right;
        const Rect r = theme->caption_text_rect(kFrameDialog, kDefault, info);
        EXPECT_EQ(!r.empty(), c.shown) << c.left << " " << c.top << " " << c.right;
        if (c.shown) {
            EXPECT_EQ(r.right, usual.right) << "stops at the first button";
        }
        theme->draw_caption_text(kFrameDialog, kDefault, canvas, usual, info);
    }
    set_layout_text_renderer(nullptr);
}

TEST(BaseTheme, HasNoFormObjectAndAnswersNothing) {
    DefaultThemeKind kind;
    const auto theme = kind.create();
    FrameWindowInfo info;
    info.window = kWindow;
    info.buttons = kMainButtons;
    EXPECT_FALSE(theme->has_form_object(kFrameDialog, kDefault));
    EXPECT_EQ(theme->client_rect(kFrameDialog, kDefault, kWindow), Rect{});
    EXPECT_EQ(theme->frame_hit_test(kFrameDialog, kDefault, info, {200, 10}), kZoneClient);
    EXPECT_EQ(theme->caption_button_rect(kFrameDialog, kDefault, info, kCaptionClose), Rect{});
    EXPECT_EQ(theme->caption_text_rect(kFrameDialog, kDefault, info), Rect{});
    Image picture(10, 10, 0xFF010203);
    Canvas canvas(picture);
    theme->draw_window(kFrameDialog, kDefault, canvas, info);
    theme->draw_caption_button(kFrameDialog, kDefault, canvas, {{0, 0, 10, 10}, 1, 0});
    EXPECT_EQ(picture, Image(10, 10, 0xFF010203));
}

}  // namespace
}  // namespace tolsy
