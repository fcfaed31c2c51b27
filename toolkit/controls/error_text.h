#pragma once
// Texts of the application's default error display.
#include <string>
#include <string_view>

namespace tolsy {

// Caption of every message box the program shows.
inline constexpr std::string_view kApplicationTitle = "Tolsy";

// The error display shows an error's text with a full stop added when it lacks one.
std::string error_display_text(std::string_view message);

}  // namespace tolsy
