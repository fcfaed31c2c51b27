#include "skin/forms/frame_rules.h"

namespace tolsy {

namespace {
bool has(TTeBorderIcons icons, TTeBorderIcon icon) {
    return (icons & border_icon(icon)) != 0;
}
std::uint16_t without(std::uint16_t set, std::initializer_list<int> kinds) {
    for (int kind : kinds) set = static_cast<std::uint16_t>(set & ~caption_button_bit(kind));
    return set;
}
constexpr int kCornerGrip = 8;  // how far a corner reaches along the borders
}  // namespace

int frame_kind(TTeBorderStyle style) {
    switch (style) {
        case TTeBorderStyle::kbsDialog:
            return kFrameDialog;
        case TTeBorderStyle::kbsBorder:
            return kFrameBorder;
        case TTeBorderStyle::kbsNone:
            return kFrameNone;
        case TTeBorderStyle::kbsToolWindow:
            return kFrameToolWindow;
        default:
            return kFrameStandard;
    }
}

std::uint16_t caption_buttons(TTeBorderStyle style, TTeBorderIcons icons, TTeWindowState state) {
    if (style == TTeBorderStyle::kbsNone || style == TTeBorderStyle::kbsBorder) return 0;
    std::uint16_t set = 0x1FFF;
    if (!has(icons, TTeBorderIcon::kbiSystemMenu)) set = without(set, {kCaptionIcon});
    if (!has(icons, TTeBorderIcon::kbiClose)) set = without(set, {kCaptionClose});
    if (!has(icons, TTeBorderIcon::kbiHelp)) set = without(set, {kCaptionHelp});
    if (!has(icons, TTeBorderIcon::kbiMinimize))
        set = without(set, {kCaptionMinimize, kCaptionRestoreMinimized});
    if (!has(icons, TTeBorderIcon::kbiMaximize))
        set = without(set, {kCaptionMaximize, kCaptionRestoreMaximized});
    if (!has(icons, TTeBorderIcon::kbiRollup))
        set = without(set, {kCaptionRollUp, kCaptionRollDown});
    if (!has(icons, TTeBorderIcon::kbiTray)) set = without(set, {kCaptionTray});
    switch (state) {
        case TTeWindowState::kwsNormal:
            return without(set,
                           {kCaptionRestoreMinimized, kCaptionRestoreMaximized, kCaptionRollDown});
        case TTeWindowState::kwsMaximized:
            return without(set, {kCaptionRestoreMinimized, kCaptionMaximize, kCaptionRollDown});
        case TTeWindowState::kwsMinimized:
            return without(set, {kCaptionMinimize, kCaptionRestoreMaximized, kCaptionRollDown});
        case TTeWindowState::kwsRollup:
            return without(set, {kCaptionRestoreMinimized, kCaptionRollUp});
        default:
            return set;
    }
}

int hit_test_code(int zone, bool moveable, bool sizeable, bool maximized) {
    const bool sizing = sizeable && !maximized;
    switch (zone) {
        case kZoneCaption:
            return moveable ? kHitCaption : kHitClient;
        case kZoneLeft:
            return sizing ? kHitLeft : kHitClient;
        case kZoneTop:
            return sizing ? kHitTop : kHitClient;
        case kZoneRight:
            return sizing ? kHitRight : kHitClient;
        case kZoneBottom:
            return sizing ? kHitBottom : kHitClient;
        case kZoneBorder:
        case kZoneRollUp:
        case kZoneTray:
            return kHitBorder;
        case kZoneTopLeft:
            return sizing ? kHitTopLeft : kHitClient;
        case kZoneTopRight:
            return sizing ? kHitTopRight : kHitClient;
        case kZoneBottomLeft:
            return sizing ? kHitBottomLeft : kHitClient;
        case kZoneBottomRight:
            return sizing ? kHitBottomRight : kHitClient;
        case kZoneClose:
            return kHitClose;
        case kZoneHelp:
            return kHitHelp;
        case kZoneMinimize:
            return kHitMinButton;
        case kZoneMaximize:
            return kHitMaxButton;
        case kZoneIcon:
            return kHitSysMenu;
        default:
            return kHitClient;
    }
}

int zone_of_button(int kind) {
    switch (kind) {
        case kCaptionIcon:
            return kZoneIcon;
        case kCaptionClose:
            return kZoneClose;
        case kCaptionHelp:
            return kZoneHelp;
        case kCaptionMinimize:
        case kCaptionRestoreMinimized:
            return kZoneMinimize;
        case kCaptionMaximize:
        case kCaptionRestoreMaximized:
            return kZoneMaximize;
        case kCaptionRollUp:
        case kCaptionRollDown:
            return kZoneRollUp;
        case kCaptionTray:
            return kZoneTray;
        default:
            return kZoneClient;
    }
}

int caption_button_state(int kind, const CaptionMouse& mouse) {
    if (!mouse.active) return kCaptionButtonInactive;
    const int zone = zone_of_button(kind);
    if (mouse.left_down && mouse.pressed_zone == zone && mouse.hot_zone == zone)
        return kCaptionButtonPressed;
    if (mouse.hot_zone == zone && !mouse.moving && !mouse.left_down) return kCaptionButtonHot;
    return kCaptionButtonNormal;
}

int fallback_zone(const Rect& window, const Rect& client, Point p, bool sizeable) {
    if (!window.contains(p.x, p.y)) return kZoneClient;
    if (client.contains(p.x, p.y)) return kZoneClient;
    const bool left = p.x < client.left, right = p.x >= client.right;
    const bool bottom = p.y >= client.bottom;
    // The client rectangle comes from the theme's stored margins: any int, so the sums saturate.
    const bool top = p.y < sat_add(window.top, sat_sub(client.left, window.left));
    if (sizeable) {
        const bool near_left = p.x < sat_add(window.left, kCornerGrip);
        const bool near_right = p.x >= sat_sub(window.right, kCornerGrip);
        const bool near_top = p.y < sat_add(window.top, kCornerGrip);
        if ((top || (left && near_top)) && near_left) return kZoneTopLeft;
        if ((top || (right && near_top)) && near_right) return kZoneTopRight;
        if (bottom && near_left) return kZoneBottomLeft;
        if (bottom && near_right) return kZoneBottomRight;
    }
    if (left) return kZoneLeft;
    if (right) return kZoneRight;
    if (bottom) return kZoneBottom;
    if (top && sizeable) return kZoneTop;
    return kZoneCaption;
}

}  // namespace tolsy
