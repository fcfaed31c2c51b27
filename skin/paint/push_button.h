#pragma once
// The push button's side of the draw-button operation: its own state by precedence, the
// object state that state paints with, and the caption font it takes from the theme's table.
#include <cstdint>

namespace tolsy {

// Control state codes of the draw-button operation.
enum class ControlState : int {
    Normal = 0,
    Hot = 1,
    Pressed = 2,
    Disabled = 3,
    Focused = 4,
    Default = 6,
};

struct PushButtonStatus {
    bool enabled = true;
    bool held_down = false;  // by the mouse or a key
    bool pointer_over = false;
    bool has_focus = false;
    bool is_active_default = false;  // the window's default button, while it is active
};

// Disabled, then pressed, hot, focused, default, else normal.
ControlState push_button_state(const PushButtonStatus& status);

// The skin object state a control state paints with: 0 -> 0; 1, 5, 7 -> 5; 2, 8 -> 6; 3 -> 8;
// 4, 6 -> 7; anything else -> 0.
std::uint8_t object_state_for(int control_state);

// Positions of the button caption fonts in the theme's font table.
inline constexpr int kButtonTextNormal = 10;
inline constexpr int kButtonTextPressed = 11;
inline constexpr int kButtonTextHot = 12;
inline constexpr int kButtonTextFocused = 13;
inline constexpr int kButtonTextDisabled = 14;

// The font table position of the caption in a state; the default button keeps the normal font.
int push_button_caption_font(ControlState state);

}  // namespace tolsy
