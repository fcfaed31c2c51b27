#include "composer/glyph_codes.h"

#include <algorithm>
#include <array>
#include <utility>

#include "base/windows1252.h"

namespace tolsy {
namespace {

constexpr unsigned char kDigitZero = '0';
constexpr unsigned char kDigitNine = '9';
constexpr unsigned char kTypedPoint = '.';

// The font's GD&T characters and their codes, sorted by character.
constexpr std::array<std::pair<char32_t, unsigned char>, 32> kGdtCharacters = {{
    {0x2104, 0xA2},  // centre line
    {0x2197, 0xE7},  // circular runout
    {0x21A7, 0xA8},  // depth
    {0x2220, 0xB2},  // angularity
    {0x2225, 0xE1},  // parallelism
    {0x2300, 0xE0},  // diameter (framed)
    {0x2312, 0xFC},  // profile of a line (framed)
    {0x2313, 0xE6},  // profile of a surface
    {0x2316, 0xFB},  // position
    {0x232D, 0xE5},  // cylindricity
    {0x232F, 0xFF},  // symmetry
    {0x2330, 0xE8},  // total runout
    {0x2331, 0x91},  // dimension origin
    {0x2332, 0x8B},  // conical taper
    {0x2333, 0x92},  // slope
    {0x2334, 0x83},  // counterbore
    {0x2335, 0x87},  // countersink
    {0x23E4, 0xB3},  // straightness
    {0x23E5, 0xE4},  // flatness
    {0x24BA, 0xAE},  // envelope requirement (circled E)
    {0x24BB, 0x9F},  // free state (circled F)
    {0x24BE, 0x90},  // independency (circled I)
    {0x24C1, 0xDD},  // least material condition (circled L)
    {0x24C2, 0xDE},  // maximum material condition (circled M)
    {0x24C5, 0x9E},  // projected tolerance zone (circled P)
    {0x24C8, 0xDF},  // regardless of feature size (circled S)
    {0x24C9, 0x85},  // tangent plane (circled T)
    {0x24CA, 0xEA},  // unequally disposed profile (circled U, framed)
    {0x25A1, 0x94},  // square
    {0x25CB, 0xBA},  // roundness
    {0x25CE, 0xE2},  // concentricity
    {0x27C2, 0xE3},  // perpendicularity
}};

bool is_high_surrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool is_low_surrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

unsigned char tolerance_byte_to_glyph(unsigned char byte) {
    if (byte >= kDigitZero && byte <= kDigitNine) {
        return static_cast<unsigned char>(kDigitZeroGlyph + (byte - kDigitZero));
    }
    if (byte == kTypedPoint) return kDecimalPointGlyph;
    return byte;
}

std::string tolerance_to_glyphs(std::string_view text) {
    std::string glyphs(text);
    for (char& c : glyphs) {
        c = static_cast<char>(tolerance_byte_to_glyph(static_cast<unsigned char>(c)));
    }
    return glyphs;
}

unsigned char datum_letter_to_glyph(unsigned char letter) {
    return static_cast<unsigned char>(letter + kDatumLetterOffset);
}

unsigned char label_to_glyph(char16_t label_char) {
    return unicode_to_windows1252_lossy(label_char);
}

unsigned char gdt_unicode_to_glyph(char32_t c) {
    const auto it = std::lower_bound(kGdtCharacters.begin(), kGdtCharacters.end(), c,
                                     [](const auto& entry, char32_t v) { return entry.first < v; });
    return it != kGdtCharacters.end() && it->first == c ? it->second : 0;
}

char32_t glyph_to_gdt_unicode(unsigned char glyph) {
    const auto it = std::find_if(kGdtCharacters.begin(), kGdtCharacters.end(),
                                 [glyph](const auto& entry) { return entry.second == glyph; });
    return it != kGdtCharacters.end() ? it->first : 0;
}

std::optional<std::string> display_line_bytes(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (is_high_surrogate(unit) || is_low_surrogate(unit)) return std::nullopt;
        if (const auto byte = unicode_to_windows1252(unit)) {
            bytes.push_back(static_cast<char>(*byte));
        } else if (const unsigned char glyph = gdt_unicode_to_glyph(unit)) {
            bytes.push_back(static_cast<char>(glyph));
        } else {
            return std::nullopt;
        }
    }
    return bytes;
}

std::size_t characters_before(std::u16string_view text, std::size_t units) {
    units = std::min(units, text.size());
    std::size_t characters = 0;
    for (std::size_t i = 0; i < units; ++i) {
        // The low half of a pair belongs to the character its high half began.
        if (is_low_surrogate(text[i]) && i > 0 && is_high_surrogate(text[i - 1])) continue;
        ++characters;
    }
    return characters;
}

}  // namespace tolsy
