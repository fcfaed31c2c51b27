#pragma once
// Small helpers for the 8-bit, ASCII-cased names of skins (object, image and class names).
#include <string>
#include <string_view>

namespace tolsy {

// Case-insensitive equality over ASCII letters, as names in skins are compared.
bool same_text(std::string_view a, std::string_view b);
std::string lower_ascii(std::string_view text);

}  // namespace tolsy
