#pragma once
// How a control looks at a moment: the one encoding of a control's visual state, shared by the
// toolkit's controls, the theme's draw-button operation and the painting of skin objects. The
// skin's own state numbers are converted to and from it in one place (skin/model/skin_object.h).
#include <cstdint>

namespace tolsy {

// One state at a time: a control that is, say, focused and hot at once reports the state its
// own precedence puts first (the push button's is disabled, pressed, hot, focused, default).
enum class VisualState : std::uint8_t {
    kNormal,
    kHot,       // the pointer is over it
    kPressed,   // held down by the mouse or a key
    kFocused,   // it has the keyboard focus
    kDisabled,  // it takes no input
    kDefault,   // the window's default button, while the window is active
};

}  // namespace tolsy
