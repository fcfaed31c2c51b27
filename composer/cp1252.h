#pragma once
// Windows-1252, written out as a table: glyph text meets Unicode controls only here, and must
// give the same bytes whatever code page the machine runs with.
#include <cstdint>
#include <string>
#include <string_view>

namespace tolsy {

// Byte written for a character Windows-1252 cannot represent, as the platform does.
inline constexpr unsigned char kCp1252Unmappable = 0x3F;

// The Unicode character of one Windows-1252 byte. The five bytes the code page leaves undefined
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 control of the same value, so every byte
// survives a round trip.
char16_t cp1252_to_unicode(unsigned char byte);

// The byte of one Unicode character, or kCp1252Unmappable when it has none.
unsigned char unicode_to_cp1252(char16_t ch);

// Whole strings. UTF-16 surrogates are not in the code page and become kCp1252Unmappable
// (a pair becomes one byte, as it is one character).
std::u16string cp1252_to_utf16(std::string_view bytes);
std::string utf16_to_cp1252(std::u16string_view text);

}  // namespace tolsy
