#include "main_window_parts.h"

#include <memory>
#include <stdexcept>

#include "base/windows1252.h"
#include "built_forms.h"
#include "composer/palette.h"

namespace tolsy::testing {
namespace {

constexpr std::string_view kSpeedButtonPrefix = "TeSpeedButton";

struct Parts {
    std::vector<std::unique_ptr<TeComboBox>> lists;  // in the order of kAllLists
    std::vector<std::unique_ptr<TeSpeedButton>> owned_buttons;
    std::vector<PaletteButtonPart> buttons;
};

void collect_buttons(const ObjectNode& node, Parts& parts) {
    for (const ObjectNode& child : node.children) {
        if (child.class_name == TeSpeedButton::static_class_info().name()) {
            auto& button = parts.owned_buttons.emplace_back(test::read_alone<TeSpeedButton>(child));
            const int number = std::stoi(child.name.substr(kSpeedButtonPrefix.size()));
            parts.buttons.push_back(
                {button.get(), number, node.name,
                 palette_label_glyph(utf16_to_windows1252_lossy(button->caption))});
        }
        collect_buttons(child, parts);
    }
}

const Parts& parts() {
    static const Parts read = [] {
        const ObjectNode form = parse_binary_stream(test::built_form("TFORM1"));
        Parts p;
        for (ComposerList list : kAllLists) {
            const ObjectNode* node = test::find_object(form, list_name(list));
            if (!node) throw std::runtime_error(std::string("no ") + list_name(list));
            p.lists.push_back(test::read_alone<TeComboBox>(*node));
        }
        collect_buttons(form, p);
        return p;
    }();
    return read;
}

}  // namespace

const char* list_name(ComposerList list) {
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

const std::vector<std::string>& items_of(ComposerList list) {
    static const std::vector<std::vector<std::string>> items = [] {
        std::vector<std::vector<std::string>> all;
        for (const auto& box : parts().lists) {
            auto& texts = all.emplace_back();
            for (const std::u16string& line : box->items.lines)
                texts.push_back(utf16_to_windows1252_lossy(line));
        }
        return all;
    }();
    return items.at(static_cast<std::size_t>(list));
}

const std::vector<PaletteButtonPart>& palette_buttons() {
    return parts().buttons;
}

std::optional<std::string> palette_hint(int glyph) {
    for (const PaletteButtonPart& b : palette_buttons()) {
        if (b.glyph != glyph) continue;
        if (!b.button->effective_show_hint()) return std::nullopt;
        return utf16_to_windows1252_lossy(b.button->hint);
    }
    return std::nullopt;
}

}  // namespace tolsy::testing
