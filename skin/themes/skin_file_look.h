#pragma once
// The names controls ask a skin theme for: "default" and the standard object of each kind of
// control, and the parts found inside an object.
#include <string_view>

namespace tolsy {

// The ThemeObject name that means "the standard object of my kind"; never looked up by name.
inline constexpr std::string_view kDefaultThemeObject = "default";

}  // namespace tolsy
