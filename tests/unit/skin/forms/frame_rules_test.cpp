// The frame's platform-free rules: which caption buttons a window shows, the platform's code
// for each zone, the state a caption button is drawn in, and the frame's own zone test.
#include "skin/forms/frame_rules.h"

#include <gtest/gtest.h>

#include <limits>

namespace tolsy {
namespace {

using I = TTeBorderIcon;
using S = TTeWindowState;

std::uint16_t bits(std::initializer_list<int> kinds) {
    std::uint16_t set = 0;
    for (int k : kinds) set |= caption_button_bit(k);
    return set;
}

TEST(CaptionButtons, IconsAndWindowStateChooseTheButtons) {
    const TTeBorderIcons main_window =
        border_icon(I::kbiClose) | border_icon(I::kbiSystemMenu) | border_icon(I::kbiMinimize);
    struct Case {
        TTeBorderStyle style;
        TTeBorderIcons icons;
        S state;
        std::uint16_t buttons;
    };
    const Case cases[] = {
        {TTeBorderStyle::kbsDialog, main_window, S::kwsNormal,
         bits({kCaptionIcon, kCaptionClose, kCaptionMinimize, 10, 11, 12})},
        {TTeBorderStyle::kbsStandard, kDefaultBorderIcons, S::kwsNormal,
         bits({0, 1, 3, 5, 7, 9, 10, 11, 12})},
        {TTeBorderStyle::kbsStandard, kDefaultBorderIcons, S::kwsMaximized,
         bits({0, 1, 3, 6, 7, 9, 10, 11, 12})},
        {TTeBorderStyle::kbsStandard, kDefaultBorderIcons, S::kwsMinimized,
         bits({0, 1, 4, 5, 7, 9, 10, 11, 12})},
        {TTeBorderStyle::kbsStandard, kDefaultBorderIcons, S::kwsRollup,
         bits({0, 1, 3, 5, 6, 8, 9, 10, 11, 12})},
        {TTeBorderStyle::kbsToolWindow, border_icon(I::kbiHelp), S::kwsNormal,
         bits({2, 10, 11, 12})},
        {TTeBorderStyle::kbsNone, kDefaultBorderIcons, S::kwsNormal, 0},
        {TTeBorderStyle::kbsBorder, kDefaultBorderIcons, S::kwsNormal, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(caption_buttons(c.style, c.icons, c.state), c.buttons)
            << static_cast<int>(c.style) << "/" << static_cast<int>(c.state);
    EXPECT_EQ(frame_kind(TTeBorderStyle::kbsDialog), kFrameDialog);
    EXPECT_EQ(frame_kind(TTeBorderStyle::kbsToolWindow), kFrameToolWindow);
    EXPECT_EQ(frame_kind(TTeBorderStyle::kbsNone), kFrameNone);
}

TEST(HitTestCodes, SizingAndMovingOnlyWhereAllowed) {
    struct Case {
        int zone;
        bool moveable, sizeable, maximized;
        int code;
    };
    const Case cases[] = {
        {kZoneClient, true, true, false, kHitClient},
        {kZoneCaption, true, false, false, kHitCaption},
        {kZoneCaption, false, false, false, kHitClient},
        {kZoneLeft, true, true, false, kHitLeft},
        {kZoneLeft, true, false, false, kHitClient},
        {kZoneBottomRight, true, true, false, kHitBottomRight},
        {kZoneBottomRight, true, true, true, kHitClient},
        {kZoneTop, true, true, false, kHitTop},
        {kZoneBorder, true, false, false, kHitBorder},
        {kZoneClose, true, false, false, kHitClose},
        {kZoneHelp, true, false, false, kHitHelp},
        {kZoneMinimize, true, false, false, kHitMinButton},
        {kZoneMaximize, true, false, false, kHitMaxButton},
        {kZoneRollUp, true, false, false, kHitBorder},
        {kZoneTray, true, false, false, kHitBorder},
        {kZoneIcon, true, false, false, kHitSysMenu},
    };
    for (const Case& c : cases)
        EXPECT_EQ(hit_test_code(c.zone, c.moveable, c.sizeable, c.maximized), c.code) << c.zone;
}

TEST(CaptionButtonState, PressedHotNormalAndInactive) {
    struct Case {
        CaptionMouse mouse;
        int state;
    };
    const Case cases[] = {
        {{kZoneClient, kZoneClient, false, false, true}, kCaptionButtonNormal},
        {{kZoneClose, kZoneClient, false, false, true}, kCaptionButtonHot},
        {{kZoneClose, kZoneClose, true, false, true}, kCaptionButtonPressed},
        // Pressed, then the mouse left it: normal until it comes back.
        {{kZoneCaption, kZoneClose, true, false, true}, kCaptionButtonNormal},
        // Pressed elsewhere and moved over it: not hot while the button is held.
        {{kZoneClose, kZoneCaption, true, false, true}, kCaptionButtonNormal},
        {{kZoneClose, kZoneClient, false, true, true}, kCaptionButtonNormal},
        {{kZoneClose, kZoneClose, true, false, false}, kCaptionButtonInactive},
    };
    for (const Case& c : cases)
        EXPECT_EQ(caption_button_state(kCaptionClose, c.mouse), c.state)
            << c.mouse.hot_zone << "/" << c.mouse.pressed_zone;
    EXPECT_EQ(caption_button_state(kCaptionRestoreMinimized,
                                   {kZoneMinimize, kZoneClient, false, false, true}),
              kCaptionButtonHot);
}

TEST(FallbackZone, BordersAroundTheClientAndCaptionAbove) {
    const Rect window{0, 0, 100, 80};
    const Rect client{4, 20, 96, 76};
    const std::tuple<Point, bool, int> cases[] = {
        {{50, 50}, true, kZoneClient},    {{50, 10}, false, kZoneCaption},
        {{50, 2}, true, kZoneTop},        {{50, 2}, false, kZoneCaption},
        {{1, 50}, false, kZoneLeft},      {{98, 50}, true, kZoneRight},
        {{50, 78}, false, kZoneBottom},   {{1, 1}, true, kZoneTopLeft},
        {{1, 78}, true, kZoneBottomLeft}, {{98, 78}, true, kZoneBottomRight},
        {{98, 78}, false, kZoneRight},    {{150, 50}, true, kZoneClient},
    };
    for (const auto& [p, sizeable, zone] : cases)
        EXPECT_EQ(fallback_zone(window, client, p, sizeable), zone) << p.x << "," << p.y;
}

// The client rectangle comes from a theme's stored margins: any int at all, against a window
// anywhere on the screen.
TEST(FallbackZone, ClientRectanglesOfAnySizeStillGiveAZone) {
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    const std::tuple<Rect, Rect, Point, int> cases[] = {
        {{-100, -100, 100, 100}, {kMax, 0, kMax, 0}, {0, 0}, kZoneLeft},
        {{100, 100, 300, 300}, {kMin, 150, 250, 250}, {200, 120}, kZoneCaption},
        {{0, 0, 100, 80}, {kMin, kMin, kMax, kMax}, {50, 40}, kZoneClient},
        {{kMin, kMin, kMax, kMax}, {kMax, kMax, kMin, kMin}, {kMin, kMin}, kZoneTopLeft},
        {{kMin, kMin, kMax, kMax}, {kMax, kMax, kMin, kMin}, {kMax - 1, kMin}, kZoneTopRight},
    };
    for (const auto& [window, client, p, zone] : cases)
        EXPECT_EQ(fallback_zone(window, client, p, true), zone) << p.x << "," << p.y;
}

}  // namespace
}  // namespace tolsy
