#include "composer/glyph_codes.h"

#include "base/windows1252.h"

namespace tolsy {
namespace {

constexpr unsigned char kDigitZero = '0';
constexpr unsigned char kDigitNine = '9';
constexpr unsigned char kTypedPoint = '.';

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

}  // namespace tolsy
