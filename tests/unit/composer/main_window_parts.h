#pragma once
// The main window's composer parts as the built description holds them: the Tolerance page's
// lists and the palette buttons, each read into the toolkit's control component of its kind.
#include <optional>
#include <string>
#include <vector>

#include "composer/frame_composer.h"
#include "toolkit/components/control.h"

namespace tolsy::testing {

inline constexpr ComposerList kAllLists[] = {
    ComposerList::kSymbol,     ComposerList::kCondition,  ComposerList::kTolerance,
    ComposerList::kDatum1,     ComposerList::kDatum2,     ComposerList::kDatum3,
    ComposerList::kDatumCond1, ComposerList::kDatumCond2, ComposerList::kDatumCond3,
};

// The list's control name ("SymbolComboBox" ...).
const char* list_name(ComposerList list);
// The list's items as 8-bit glyph text, the blank item first.
const std::vector<std::string>& items_of(ComposerList list);

struct PaletteButtonPart {
    const TeSpeedButton* button;
    int number;        // TeSpeedButton<number>
    std::string page;  // "TeTabSheet2" (Symbols) or "TeTabSheet3" (Symbols2)
    int glyph;         // what a click inserts
};
// All 103, in the description's order.
const std::vector<PaletteButtonPart>& palette_buttons();
// The tool-tip a code's button shows, as 8-bit text; none when it shows none.
std::optional<std::string> palette_hint(int glyph);

}  // namespace tolsy::testing
