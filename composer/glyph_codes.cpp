#include "composer/glyph_codes.h"

#include <utility>

#include "base/windows1252.h"

namespace tolsy {
namespace {

constexpr std::pair<unsigned char, std::string_view> kMeanings[] = {
    {0xEB, "Left Box"},
    {0xEC, "Middle Box"},
    {0xED, "Right Box"},
    {0xE0, "Diameter"},
    {0xA1, "Diameter"},
    {0xF9, "Decimal Point"},
    {0xFA, "Minus"},
    {0xB1, "Plus Minus"},
    {0xB0, "Degrees"},
    {0x95, "Degrees"},
    {0xFB, "Position"},
    {0xFC, "Profile-Line"},
    {0xE1, "Parallelism"},
    {0xE2, "Concentricity"},
    {0xE3, "Purpendicularity"},
    {0xE4, "Flatness"},
    {0xE5, "Cylindricity"},
    {0xE6, "Profile-Surface"},
    {0xE7, "Circular Runout"},
    {0xE8, "Total Runout"},
    {0xB2, "Angularity"},
    {0xB3, "Straightness"},
    {0xFF, "Symmetry"},
    {0xBA, "Roundness"},
    {0xDD, "Least Material Condition"},
    {0xDE, "Maximum Material Condition"},
    {0xDF, "Regardless of Feature Size"},
    {0x85, "Tangent Plane"},
    {0x9F, "Free State"},
    {0x9E, "Projected Tolerance Zone"},
    {0x82, "Micro Inches"},
    {0x86, "Micro Millimeters"},
    {0x87, "Countersink"},
    {0x83, "Counter Bore"},
    {0x88, "Stock Removal"},
    {0x89, "All Around"},
    {0x8A, "Profile of Line"},
    {0x8B, "Conical Taper"},
    {0x8C, "Datum Target"},
    {0x91, "Dimension Origin"},
    {0x92, "Slope"},
    {0x93, "Symetrical"},
    {0x94, "Square"},
    {0x84, "Statistical Tolerance"},
    {0xA2, "Centerline"},
    {0xFD, "Marking"},
    {0xBF, "Material Removal"},
    {0xAC, "As Produced"},
};

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

std::optional<std::string_view> glyph_meaning(unsigned char code) {
    for (const auto& [glyph, meaning] : kMeanings) {
        if (glyph == code) return meaning;
    }
    return std::nullopt;
}

}  // namespace tolsy
