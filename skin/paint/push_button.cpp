#include "skin/paint/push_button.h"

namespace tolsy {

VisualState push_button_state(const PushButtonStatus& s) {
    if (!s.enabled) return VisualState::kDisabled;
    if (s.held_down) return VisualState::kPressed;
    if (s.pointer_over) return VisualState::kHot;
    if (s.has_focus) return VisualState::kFocused;
    if (s.is_active_default) return VisualState::kDefault;
    return VisualState::kNormal;
}

VisualState push_face_state(VisualState state) {
    return state == VisualState::kDefault ? VisualState::kFocused : state;
}

int push_button_caption_font(VisualState state) {
    switch (state) {
        case VisualState::kDisabled:
            return kButtonTextDisabled;
        case VisualState::kPressed:
            return kButtonTextPressed;
        case VisualState::kHot:
            return kButtonTextHot;
        case VisualState::kFocused:
            return kButtonTextFocused;
        default:
            return kButtonTextNormal;
    }
}

}  // namespace tolsy
