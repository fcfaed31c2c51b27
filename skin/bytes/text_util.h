#pragma once
// Small helpers for the 8-bit, ASCII-cased names of skins (object, image and class names).
#include <string>
#include <string_view>

#include "toolkit/components/class_info.h"  // same_text

namespace tolsy {

std::string lower_ascii(std::string_view text);

}  // namespace tolsy
