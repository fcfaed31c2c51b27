#pragma once
// The Tolsy font's code map: which byte draws which drafting symbol, and the conversions from
// ordinary characters to glyph codes.
#include <cstdint>
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

}  // namespace tolsy
