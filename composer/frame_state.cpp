#include "composer/frame_state.h"

#include "composer/glyph_codes.h"

namespace tolsy {
namespace {

constexpr char as_char(unsigned char glyph) {
    return static_cast<char>(glyph);
}

// A datum compartment: divider (when something stands before it), letter, optional modifier.
std::string datum_part(bool divider, const std::string& letter, bool cond_set,
                       const std::string& cond) {
    std::string part;
    if (divider) part += as_char(kMiddleBoxGlyph);
    part += letter;
    if (cond_set) part += cond;
    return part;
}

}  // namespace

std::string write_preview(const FrameState& s, bool diameter_ticked) {
    std::string symbol_part;
    std::string tolerance_part;
    std::string datum1_part;
    std::string datum2_part;
    std::string datum3_part;

    if (s.symbol_set) symbol_part = s.symbol_glyph;
    if (s.symbol_set && (diameter_ticked || s.tolerance_set || s.condition_set)) {
        tolerance_part = as_char(kMiddleBoxGlyph);
    }
    if (diameter_ticked) tolerance_part += as_char(kDiameterGlyph);
    if (s.tolerance_set) tolerance_part += s.tolerance_glyphs;
    if (s.condition_set) tolerance_part += s.condition_glyph;

    const bool front = s.symbol_set || diameter_ticked || s.tolerance_set || s.condition_set;
    if (s.datum1_set) {
        datum1_part = datum_part(front, s.datum1_glyph, s.datum1_cond_set, s.datum1_cond_glyph);
        if (s.datum2_set) {
            datum2_part = datum_part(true, s.datum2_glyph, s.datum2_cond_set, s.datum2_cond_glyph);
        }
        if (s.datum2_set && s.datum3_set) {
            datum3_part = datum_part(true, s.datum3_glyph, s.datum3_cond_set, s.datum3_cond_glyph);
        }
    }

    const std::string parts =
        symbol_part + tolerance_part + datum1_part + datum2_part + datum3_part;
    if (parts.empty()) return {};
    return as_char(kLeftBoxGlyph) + parts + as_char(kRightBoxGlyph);
}

}  // namespace tolsy
