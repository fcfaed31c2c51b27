#pragma once
// UTF-8 to and from UTF-16, for the component stream's UTF-8 strings and for text written out
// as JSON.
#include <optional>
#include <string>
#include <string_view>

namespace tolsy {

// Null on malformed UTF-8 (overlong forms, surrogates, truncated sequences).
std::optional<std::u16string> utf8_to_utf16(std::string_view utf8);
std::string utf16_to_utf8(std::u16string_view text);  // lone surrogates become U+FFFD

}  // namespace tolsy
