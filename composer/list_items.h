#pragma once
// The lists of the Tolerance page and their items, in 8-bit glyph text.
#include <string>
#include <vector>

namespace tolsy {

enum class ComposerList {
    kSymbol,
    kCondition,
    kTolerance,
    kDatum1,
    kDatum2,
    kDatum3,
    kDatumCond1,
    kDatumCond2,
    kDatumCond3,
};

inline constexpr ComposerList kAllComposerLists[] = {
    ComposerList::kSymbol,     ComposerList::kCondition,  ComposerList::kTolerance,
    ComposerList::kDatum1,     ComposerList::kDatum2,     ComposerList::kDatum3,
    ComposerList::kDatumCond1, ComposerList::kDatumCond2, ComposerList::kDatumCond3,
};

// The list's items, the blank "nothing chosen" item first.
std::vector<std::string> list_items(ComposerList list);

// The list's control name on the main window ("SymbolComboBox" ...).
const char* list_control_name(ComposerList list);

}  // namespace tolsy
