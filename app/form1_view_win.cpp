#include "app/form1_view_win.h"

#include "base/windows1252_win.h"
#include "composer/glyph_codes.h"

namespace tolsy {

std::string Form1View::list_text(ComposerList list) const {
    return wide_to_windows1252_lossy(c_.list(list).text());
}

void Form1View::clear_list(ComposerList list) {
    ComboBox& box = c_.list(list);
    box.set_item_index(-1);
    if (box.style() == ComboStyle::kEditable) box.set_text(L"");
}

std::size_t Form1View::tolerance_caret() const {
    return static_cast<std::size_t>(c_.ToleranceComboBox->caret());
}

void Form1View::set_tolerance_text(std::string_view text, std::size_t caret) {
    c_.ToleranceComboBox->set_text(windows1252_to_wide(text));
    c_.ToleranceComboBox->set_caret(static_cast<int>(caret));
}

bool Form1View::diameter_ticked() const {
    return c_.DiaCheckBox->checked();
}

void Form1View::set_diameter_ticked(bool ticked) {
    c_.DiaCheckBox->set_checked(ticked);
}

std::string Form1View::display_text() const {
    return wide_to_windows1252_lossy(c_.DisplayEdit->text());
}

std::size_t Form1View::display_caret() const {
    // The edit counts UTF-16 units; the line's positions count characters.
    const std::wstring wide = c_.DisplayEdit->text();
    return characters_before(std::u16string(wide.begin(), wide.end()),
                             static_cast<std::size_t>(c_.DisplayEdit->selection_start()));
}

void Form1View::set_display_text(std::string_view text) {
    c_.DisplayEdit->set_text(windows1252_to_wide(text));
}

void Form1View::set_display_caret(std::size_t caret) {
    c_.DisplayEdit->select(static_cast<int>(caret), static_cast<int>(caret));
}

void Form1View::focus_display() {
    c_.DisplayEdit->focus();
}

}  // namespace tolsy
