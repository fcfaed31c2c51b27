#pragma once
// The rules of a skinned window frame that do not depend on the platform: the frame kind of a
// border style, the caption buttons a window shows, the platform hit-test code of each zone, the
// zone of each caption button, the state a caption button is drawn in, and the frame's own zone
// test for points the theme leaves to it.
#include <cstdint>

#include "picture/geometry.h"
#include "skin/themes/frame_info.h"

namespace tolsy {

enum class TTeBorderIcon : int {
    kbiClose,
    kbiSystemMenu,
    kbiMinimize,
    kbiMaximize,
    kbiHelp,
    kbiRollup,
    kbiTray,
    kbiTop,
    kbiCustom
};
using TTeBorderIcons = std::uint32_t;  // set over TTeBorderIcon
constexpr TTeBorderIcons border_icon(TTeBorderIcon icon) {
    return 1u << static_cast<int>(icon);
}
inline constexpr TTeBorderIcons kDefaultBorderIcons =
    border_icon(TTeBorderIcon::kbiClose) | border_icon(TTeBorderIcon::kbiSystemMenu) |
    border_icon(TTeBorderIcon::kbiMinimize) | border_icon(TTeBorderIcon::kbiMaximize) |
    border_icon(TTeBorderIcon::kbiRollup) | border_icon(TTeBorderIcon::kbiTray);

enum class TTeBorderStyle : int { kbsNone, kbsBorder, kbsStandard, kbsDialog, kbsToolWindow };
enum class TTeWindowState : int { kwsNormal, kwsMaximized, kwsMinimized, kwsRollup, kwsTray };
enum class TTeFormPerformance : int {
    ksfpNoBuffer,
    ksfpSharedBuffer,
    ksfpPersistentBuffer,
    ksfpDoubleBuffer
};
enum class TTeFormDragMode : int { kfdmBorder, kfdmFullDrag, kfdmSystemSettings };

// The platform's hit-test codes.
enum HitTestCode : int {
    kHitBorder = 18,
    kHitBottom = 15,
    kHitBottomLeft = 16,
    kHitBottomRight = 17,
    kHitCaption = 2,
    kHitClient = 1,
    kHitClose = 20,
    kHitHelp = 21,
    kHitLeft = 10,
    kHitMaxButton = 9,
    kHitMinButton = 8,
    kHitRight = 11,
    kHitSysMenu = 3,
    kHitTop = 12,
    kHitTopLeft = 13,
    kHitTopRight = 14,
};

int frame_kind(TTeBorderStyle style);
std::uint16_t caption_buttons(TTeBorderStyle style, TTeBorderIcons icons, TTeWindowState state);
int hit_test_code(int zone, bool moveable, bool sizeable, bool maximized);
// The zone a caption button kind lies in (its hot and pressed zone).
int zone_of_button(int kind);

// What a caption button's state depends on.
struct CaptionMouse {
    int hot_zone = kZoneClient;
    int pressed_zone = kZoneClient;
    bool left_down = false;
    bool moving = false;  // a move or size is in progress
    bool active = true;
};
int caption_button_state(int kind, const CaptionMouse& mouse);

// The frame's own zone for a point the theme answered 0 for: client inside the client
// rectangle, the borders and corners around it (corners only where sizing is possible), the
// caption above it.
int fallback_zone(const Rect& window, const Rect& client, Point point, bool sizeable);

}  // namespace tolsy
