#include "composer/list_items.h"

#include "composer/glyph_codes.h"

#include <type_traits>

namespace tolsy {
namespace {

template <typename Glyphs>
std::vector<std::string> with_blank(const Glyphs& glyphs) {
    std::vector<std::string> items{std::string(kNothingChosenItem)};
    for (const auto& g : glyphs) {
        if constexpr (std::is_same_v<std::decay_t<decltype(g)>, unsigned char>) {
            items.emplace_back(1, static_cast<char>(g));
        } else {
            items.emplace_back(g);
        }
    }
    return items;
}

std::vector<std::string> datum_letters() {
    std::vector<std::string> items{std::string(kNothingChosenItem)};
    for (char c = 'A'; c <= 'Z'; ++c) items.emplace_back(1, c);
    return items;
}

}  // namespace

std::vector<std::string> list_items(ComposerList list) {
    switch (list) {
        case ComposerList::kSymbol:
            return with_blank(kCharacteristicGlyphs);
        case ComposerList::kTolerance:
            return with_blank(kTolerancePresets);
        case ComposerList::kDatum1:
        case ComposerList::kDatum2:
        case ComposerList::kDatum3:
            return datum_letters();
        case ComposerList::kCondition:
        case ComposerList::kDatumCond1:
        case ComposerList::kDatumCond2:
        case ComposerList::kDatumCond3:
            return with_blank(kModifierGlyphs);
    }
    return {};
}

const char* list_control_name(ComposerList list) {
    switch (list) {
        case ComposerList::kSymbol:
            return "SymbolComboBox";
        case ComposerList::kCondition:
            return "ConditionComboBox";
        case ComposerList::kTolerance:
            return "ToleranceComboBox";
        case ComposerList::kDatum1:
            return "Datum1ComboBox";
        case ComposerList::kDatum2:
            return "Datum2ComboBox";
        case ComposerList::kDatum3:
            return "Datum3ComboBox";
        case ComposerList::kDatumCond1:
            return "DatumCond1ComboBox";
        case ComposerList::kDatumCond2:
            return "DatumCond2ComboBox";
        case ComposerList::kDatumCond3:
            return "DatumCond3ComboBox";
    }
    return "";
}

}  // namespace tolsy
