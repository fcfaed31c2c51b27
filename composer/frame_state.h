#pragma once
// The user's choices on the Tolerance page and the frame text built from them.
#include <string>

namespace tolsy {

// One is-set flag and one glyph string per choice. A glyph string is read only while its flag
// is set; clearing a flag leaves the string as it was.
struct FrameState {
    bool symbol_set = false;
    std::string symbol_glyph;
    bool tolerance_set = false;
    std::string tolerance_glyphs;
    bool condition_set = false;
    std::string condition_glyph;
    bool datum1_set = false;
    std::string datum1_glyph;
    bool datum2_set = false;
    std::string datum2_glyph;
    bool datum3_set = false;
    std::string datum3_glyph;
    bool datum1_cond_set = false;
    std::string datum1_cond_glyph;
    bool datum2_cond_set = false;
    std::string datum2_cond_glyph;
    bool datum3_cond_set = false;
    std::string datum3_cond_glyph;
};

// The whole frame text for these choices and the diameter box: left box, the compartments
// present with one middle box between neighbours, right box; empty when no compartment is.
std::string write_preview(const FrameState& state, bool diameter_ticked);

}  // namespace tolsy
