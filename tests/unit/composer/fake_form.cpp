#include "fake_form.h"

#include <algorithm>

#include "main_window_parts.h"

namespace tolsy::testing {

void FakeForm::pick(ComposerList list, int item) {
    chosen[list] = item;
    if (list == ComposerList::kTolerance) {
        tolerance_edit = items_of(list).at(static_cast<std::size_t>(item));
        tolerance_caret_pos = tolerance_edit.size();
    }
    composer.list_changed(list);
}

void FakeForm::type_tolerance(const std::string& text, std::size_t caret_after_edit) {
    chosen[ComposerList::kTolerance] = -1;
    tolerance_edit = text;
    tolerance_caret_pos = caret_after_edit;
    composer.tolerance_changed();
}

void FakeForm::click_diameter() {
    ticked = !ticked;
    composer.diameter_clicked();
}

void FakeForm::type_in_display(const std::string& text) {
    display.insert(std::min(caret, display.size()), text);
    caret += text.size();
    clipboard.push_back(clipboard_text_payload(display));
}

std::string FakeForm::list_text(ComposerList list) const {
    if (list == ComposerList::kTolerance) return tolerance_edit;
    const auto it = chosen.find(list);
    if (it == chosen.end() || it->second < 0) return {};
    return items_of(list).at(static_cast<std::size_t>(it->second));
}

void FakeForm::clear_list(ComposerList list) {
    chosen[list] = -1;
    if (list == ComposerList::kTolerance) {
        tolerance_edit.clear();
        tolerance_caret_pos = 0;
    }
}

void FakeForm::set_tolerance_text(std::string_view text, std::size_t at) {
    tolerance_edit = text;
    tolerance_caret_pos = at;
}

void FakeForm::set_display_text(std::string_view text) {
    // Like the real line: the same text again is no change and is not mirrored.
    if (text == display) return;
    display = text;
    caret = std::min(caret, display.size());
    clipboard.push_back(clipboard_text_payload(display));
}

}  // namespace tolsy::testing
