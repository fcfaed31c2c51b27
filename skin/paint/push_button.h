#pragma once
// The push button's side of the draw-button operation: its own state by precedence, the state
// its face paints in, and the caption font it takes from the theme's table.
#include "toolkit/components/visual_state.h"

namespace tolsy {

struct PushButtonStatus {
    bool enabled = true;
    bool held_down = false;  // by the mouse or a key
    bool pointer_over = false;
    bool has_focus = false;
    bool is_active_default = false;  // the window's default button, while it is active
};

// Disabled, then pressed, hot, focused, default, else normal.
VisualState push_button_state(const PushButtonStatus& status);

// The state the face object paints in: the default button shows the focused face, every other
// state its own.
VisualState push_face_state(VisualState state);

// Positions of the button caption fonts in the theme's font table.
inline constexpr int kButtonTextNormal = 10;
inline constexpr int kButtonTextPressed = 11;
inline constexpr int kButtonTextHot = 12;
inline constexpr int kButtonTextFocused = 13;
inline constexpr int kButtonTextDisabled = 14;

// The font table position of the caption in a state; the default button keeps the normal font.
int push_button_caption_font(VisualState state);

}  // namespace tolsy
