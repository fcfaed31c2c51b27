#pragma once
// The Tolsy font's code map: which byte draws which drafting symbol, the items of the Tolerance
// page's lists, and the conversions from ordinary characters to glyph codes.
#include <array>
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

// Tool-tip text of a glyph code, or nullopt for a code without a meaning.
std::optional<std::string_view> glyph_meaning(unsigned char code);

// The characteristic symbols in the order of the Symbol list (after the blank item).
inline constexpr std::array<unsigned char, 14> kCharacteristicGlyphs = {
    0xFB, 0xFC, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xB2, 0xB3, 0xFF, 0xBA};

// The modifiers in the order of the four modifier lists (after the blank item).
inline constexpr std::array<unsigned char, 6> kModifierGlyphs = {0xDD, 0xDE, 0xDF,
                                                                 0x85, 0x9F, 0x9E};
inline constexpr unsigned char kLeastMaterialGlyph = 0xDD;
inline constexpr unsigned char kMaximumMaterialGlyph = 0xDE;

// The tolerance presets, already in glyph codes (.001 .002 .004 .005 .010 .015 .020).
inline constexpr std::array<std::string_view, 7> kTolerancePresets = {
    "\xF9\xEE\xEE\xEF", "\xF9\xEE\xEE\xF0", "\xF9\xEE\xEE\xF2", "\xF9\xEE\xEE\xF3",
    "\xF9\xEE\xEF\xEE", "\xF9\xEE\xEF\xF3", "\xF9\xEE\xF0\xEE"};

}  // namespace tolsy
