#pragma once
// Explicit text conversions used at the edges of 8-bit text: Windows-1252 (never the system
// code page) and UTF-8, both to and from UTF-16.
#include <optional>
#include <string>
#include <string_view>

namespace tolsy {

char16_t windows1252_to_unicode(unsigned char byte);
// Null when the character has no Windows-1252 code.
std::optional<unsigned char> unicode_to_windows1252(char16_t c);

std::u16string windows1252_to_utf16(std::string_view bytes);
// Null when some character has no Windows-1252 code.
std::optional<std::string> utf16_to_windows1252(std::u16string_view text);

// Null on malformed UTF-8 (overlong forms, surrogates, truncated sequences).
std::optional<std::u16string> utf8_to_utf16(std::string_view utf8);
std::string utf16_to_utf8(std::u16string_view text);  // lone surrogates become U+FFFD

}  // namespace tolsy
