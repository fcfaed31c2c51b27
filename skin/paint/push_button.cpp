#include "skin/paint/push_button.h"

#include "skin/paint/paint.h"

namespace tolsy {

ControlState push_button_state(const PushButtonStatus& s) {
    if (!s.enabled) return ControlState::Disabled;
    if (s.held_down) return ControlState::Pressed;
    if (s.pointer_over) return ControlState::Hot;
    if (s.has_focus) return ControlState::Focused;
    if (s.is_active_default) return ControlState::Default;
    return ControlState::Normal;
}

std::uint8_t object_state_for(int control_state) {
    switch (control_state) {
        case 1:
        case 5:
        case 7:
            return kStateHot;
        case 2:
        case 8:
            return kStatePressed;
        case 3:
            return kStateDisabled;
        case 4:
        case 6:
            return kStateFocused;
        default:
            return kStateNormal;
    }
}

int push_button_caption_font(ControlState state) {
    switch (state) {
        case ControlState::Disabled:
            return kButtonTextDisabled;
        case ControlState::Pressed:
            return kButtonTextPressed;
        case ControlState::Hot:
            return kButtonTextHot;
        case ControlState::Focused:
            return kButtonTextFocused;
        default:
            return kButtonTextNormal;
    }
}

}  // namespace tolsy
