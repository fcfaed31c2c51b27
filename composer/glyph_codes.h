#pragma once
// The Tolsy font's code map: which byte draws which drafting symbol, and the conversions from
// ordinary characters to glyph codes.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tolsy {

inline constexpr unsigned char kLeftBoxGlyph = 0xEB;
inline constexpr unsigned char kMiddleBoxGlyph = 0xEC;
inline constexpr unsigned char kRightBoxGlyph = 0xED;
inline constexpr unsigned char kDiameterGlyph = 0xE0;
inline constexpr unsigned char kDigitZeroGlyph = 0xEE;
inline constexpr unsigned char kDecimalPointGlyph = 0xF9;
// Datum letters in a frame sit this far above the plain capitals.
inline constexpr unsigned char kDatumLetterOffset = 0x7F;

// The blank first item of every list: nothing chosen.
inline constexpr std::string_view kNothingChosenItem = " ";

// Digit conversion of one byte: "0".."9" to the digit glyphs, "." to the decimal point glyph,
// every other byte unchanged.
unsigned char tolerance_byte_to_glyph(unsigned char byte);
// The digit conversion over a whole text; the result is as long as the input.
std::string tolerance_to_glyphs(std::string_view text);
// A datum letter's glyph: its byte plus kDatumLetterOffset (wrapping in 8 bits).
unsigned char datum_letter_to_glyph(unsigned char letter);
// A label character's glyph code: its Windows-1252 encoding.
unsigned char label_to_glyph(char16_t label_char);

// The 8-bit code of a GD&T character the Tolsy font also carries at its standard Unicode code
// point, or 0. Where the font has two codes for one symbol (framed and unframed), the framed
// code wins: it is the one the lists and the Symbols palette put into frames (so U+2300 DIAMETER
// SIGN gives the framed 0xE0, as the diameter box does, and U+2312 ARC the framed profile of a
// line, 0xFC).
unsigned char gdt_unicode_to_glyph(char32_t c);
// The other way: the standard character of a code that the font also carries at one, or 0.
char32_t glyph_to_gdt_unicode(unsigned char glyph);

// The display line's 8-bit text for what its edit field holds: each character as its
// Windows-1252 byte, else a GD&T character as its glyph code. None when any character is
// neither (a lone surrogate included): the line refuses that text.
std::optional<std::string> display_line_bytes(std::u16string_view text);

// Characters (not UTF-16 units) before a position given in UTF-16 units; a position inside a
// surrogate pair counts the pair's character as before it.
std::size_t characters_before(std::u16string_view text, std::size_t units);

}  // namespace tolsy
