#pragma once
// What a skinned window frame tells its theme and what the theme answers: frame kinds, caption
// button kinds and states, the zones of the frame, and the window information record passed to
// every frame operation.
#include <cstdint>
#include <string>

#include "picture/geometry.h"

namespace tolsy {

// Frame kinds, from the form's border style.
inline constexpr int kFrameStandard = 0;
inline constexpr int kFrameDialog = 1;
inline constexpr int kFrameBorder = 2;
inline constexpr int kFrameNone = 4;
inline constexpr int kFrameToolWindow = 6;

// Caption button kinds; a window's buttons are a 16-bit set over them.
enum CaptionButtonKind : int {
    kCaptionIcon = 0,
    kCaptionClose = 1,
    kCaptionHelp = 2,
    kCaptionMinimize = 3,
    kCaptionRestoreMinimized = 4,
    kCaptionMaximize = 5,
    kCaptionRestoreMaximized = 6,
    kCaptionRollUp = 7,
    kCaptionRollDown = 8,
    kCaptionTray = 9,
};
inline constexpr int kCaptionButtonKinds = 10;
constexpr std::uint16_t caption_button_bit(int kind) {
    return static_cast<std::uint16_t>(1u << kind);
}

// Caption button states: pressed while the left button is down on it and the mouse over it,
// hot under the mouse, and the inactive look whatever the mouse does while the window is not
// active.
enum CaptionButtonState : int {
    kCaptionButtonNormal = 0,
    kCaptionButtonHot = 1,
    kCaptionButtonPressed = 2,
    kCaptionButtonInactive = 3,
};

// Zones of a frame (results of the frame hit test).
enum FrameZone : int {
    kZoneClient = 0,
    kZoneCaption = 1,
    kZoneLeft = 2,
    kZoneTop = 3,
    kZoneRight = 4,
    kZoneBottom = 5,
    kZoneBorder = 6,
    kZoneTopLeft = 7,
    kZoneTopRight = 8,
    kZoneBottomLeft = 9,
    kZoneBottomRight = 10,
    kZoneClose = 11,
    kZoneHelp = 12,
    kZoneMinimize = 13,
    kZoneMaximize = 14,
    kZoneRollUp = 15,
    kZoneTray = 16,
    kZoneIcon = 17,
};

struct FrameWindowInfo {
    Rect window;  // (0, 0, width, height)
    bool active = true;
    std::uint16_t buttons = 0;  // set over CaptionButtonKind
    Rect clip;                  // empty: none
    std::string caption;        // Windows-1252
    bool no_frame = false;
};

struct CaptionButtonRecord {
    Rect rect;
    int kind = kCaptionClose;
    int state = kCaptionButtonNormal;
};

}  // namespace tolsy
