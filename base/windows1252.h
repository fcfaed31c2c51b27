#pragma once
// Windows-1252, written out as one table: 8-bit text meets Unicode only through these
// conversions, never through the system code page, so that every machine gives the same bytes.
// The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the C1
// controls of the same value, as the platform reads them, so every byte survives a round trip.
#include <optional>
#include <string>
#include <string_view>

namespace tolsy {

// Written for a character the code page lacks, as the platform writes it.
inline constexpr unsigned char kWindows1252Unmappable = '?';

char16_t windows1252_to_unicode(unsigned char byte);
std::u16string windows1252_to_utf16(std::string_view bytes);

// Strict: null when a character has no Windows-1252 code, for text that must arrive intact.
std::optional<unsigned char> unicode_to_windows1252(char16_t c);
std::optional<std::string> utf16_to_windows1252(std::u16string_view text);

// Lossy: a character without a code becomes kWindows1252Unmappable, for text shown or put on
// the clipboard as well as it goes. A surrogate pair is one character and becomes one byte.
unsigned char unicode_to_windows1252_lossy(char16_t c);
std::string utf16_to_windows1252_lossy(std::u16string_view text);

}  // namespace tolsy
