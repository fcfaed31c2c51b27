// TForm1's controls and the handlers of the main job: composer lists, diameter box, Clear,
// palette buttons, display line and To Clipboard.
#include <algorithm>
#include <optional>

#include "app/form1_controls_win.h"
#include "app/form1_view_win.h"
#include "app/form1_win.h"
#include "base/windows1252_win.h"
#include "composer/clipboard_win.h"
#include "composer/frame_composer.h"
#include "composer/frame_state.h"
#include "composer/glyph_codes.h"

namespace tolsy {

namespace {
// The user's choices live for the whole run.
FrameState g_frame_state;
}  // namespace

TForm1::~TForm1() = default;

void TForm1::create_controls(ObjectNode& description) {
    controls_ = std::make_unique<Form1Controls>();
    view_ = std::make_unique<Form1View>(*controls_);
    composer_ = std::make_unique<FrameComposer>(g_frame_state, *view_);
    auto bind = [this](void (TForm1::*method)()) {
        return NotifyEvent::Function([this, method](Component&) { (this->*method)(); });
    };
    const DescriptionHandlers handlers = {
        {"SymbolComboBoxChange", bind(&TForm1::SymbolComboBoxChange)},
        {"ConditionComboBoxChange", bind(&TForm1::ConditionComboBoxChange)},
        {"ToleranceComboBoxChange", bind(&TForm1::ToleranceComboBoxChange)},
        {"DatumCond1ComboBoxChange", bind(&TForm1::DatumCond1ComboBoxChange)},
        {"DatumCond2ComboBoxChange", bind(&TForm1::DatumCond2ComboBoxChange)},
        {"DatumCond3ComboBoxChange", bind(&TForm1::DatumCond3ComboBoxChange)},
        {"Datum1ComboBoxChange", bind(&TForm1::Datum1ComboBoxChange)},
        {"Datum2ComboBoxChange", bind(&TForm1::Datum2ComboBoxChange)},
        {"Datum3ComboBoxChange", bind(&TForm1::Datum3ComboBoxChange)},
        {"DiaCheckBoxClick", bind(&TForm1::DiaCheckBoxClick)},
        {"DisplayEditChange", bind(&TForm1::DisplayEditChange)},
        {"ClearAllButtonClick", bind(&TForm1::ClearAllButtonClick)},
        {"CloseButtonClick", bind(&TForm1::CloseButtonClick)},
        {"ClipboardButtonClick", bind(&TForm1::ClipboardButtonClick)},
        {"TeSpeedButton1Click",
         NotifyEvent::Function([this](Component& sender) { TeSpeedButton1Click(sender); })},
    };
    controls_->create(handle(), description, handlers);
    set_default_button_id(controls_->natives.default_button_id());
    // The line's own copy command puts its 8-bit text there, whatever the system code page.
    controls_->DisplayEdit->on_copy = [this](const std::wstring& selected) {
        write_clipboard_text(handle(), wide_to_windows1252_lossy(selected));
    };
    controls_->DisplayEdit->on_cut = [this](const std::wstring& selected) {
        cut_display_selection(selected);
    };
    controls_->DisplayEdit->on_paste = [this] { paste_into_display(); };
}

void TForm1::set_active_page(int index) {
    controls_->TePageControl1->set_active_page_index(index);
}

void TForm1::SymbolComboBoxChange() {
    composer_->list_changed(ComposerList::kSymbol);
}
void TForm1::ConditionComboBoxChange() {
    composer_->list_changed(ComposerList::kCondition);
}
void TForm1::ToleranceComboBoxChange() {
    composer_->tolerance_changed();
}
void TForm1::DatumCond1ComboBoxChange() {
    composer_->list_changed(ComposerList::kDatumCond1);
}
void TForm1::DatumCond2ComboBoxChange() {
    composer_->list_changed(ComposerList::kDatumCond2);
}
void TForm1::DatumCond3ComboBoxChange() {
    composer_->list_changed(ComposerList::kDatumCond3);
}
void TForm1::Datum1ComboBoxChange() {
    composer_->list_changed(ComposerList::kDatum1);
}
void TForm1::Datum2ComboBoxChange() {
    composer_->list_changed(ComposerList::kDatum2);
}
void TForm1::Datum3ComboBoxChange() {
    composer_->list_changed(ComposerList::kDatum3);
}
void TForm1::DiaCheckBoxClick() {
    composer_->diameter_clicked();
}
void TForm1::ClearAllButtonClick() {
    composer_->clear_all();
}
void TForm1::write_preview() {
    composer_->write_preview();
}

void TForm1::TeSpeedButton1Click(Component& sender) {
    // The buttons are told apart only by their label.
    composer_->palette_clicked(static_cast<Control&>(sender).caption);
}

void TForm1::cut_display_selection(const std::wstring& selected) {
    // The cut text goes on the clipboard first; only when it is there does it leave the line,
    // and the change that follows leaves the clipboard alone.
    write_clipboard_text(handle(), wide_to_windows1252_lossy(selected));
    cut_pending_ = true;
    controls_->DisplayEdit->replace_selection(L"");
    cut_pending_ = false;
}

void TForm1::paste_into_display() {
    // Read and closed before the line changes, so the change can write the clipboard. As the
    // platform's single-line edit does, only the first line is pasted.
    std::wstring text = read_clipboard_unicode(handle());
    text = text.substr(0, text.find_first_of(L"\r\n"));
    const std::optional<std::string> bytes =
        display_line_bytes(std::u16string(text.begin(), text.end()));
    if (!bytes) {
        MessageBeep(MB_OK);
        return;
    }
    controls_->DisplayEdit->replace_selection(windows1252_to_wide(*bytes));
}

void TForm1::DisplayEditChange() {
    Edit& edit = *controls_->DisplayEdit;
    const std::wstring wide = edit.text();
    const std::u16string units(wide.begin(), wide.end());
    const std::optional<std::string> bytes = display_line_bytes(units);
    if (!bytes) {
        // A character neither the code page nor the font's GD&T set holds: the line stays as it
        // was, the caret where the refused text began.
        MessageBeep(MB_OK);
        const std::size_t length = characters_before(units, units.size());
        const std::size_t caret =
            characters_before(units, static_cast<std::size_t>(edit.selection_start()));
        const std::size_t added =
            length > accepted_line_.size() ? length - accepted_line_.size() : 0;
        const std::size_t at = std::min(caret > added ? caret - added : 0, accepted_line_.size());
        restoring_line_ = true;
        edit.set_text(windows1252_to_wide(accepted_line_));
        restoring_line_ = false;
        edit.select(static_cast<int>(at), static_cast<int>(at));
        return;
    }
    const std::wstring shown = windows1252_to_wide(*bytes);
    if (shown != wide) {
        // GD&T characters become the font's codes; the change that makes runs this handler again.
        const int at = static_cast<int>(
            characters_before(units, static_cast<std::size_t>(edit.selection_start())));
        edit.set_text(shown);
        edit.select(at, at);
        return;
    }
    accepted_line_ = *bytes;
    if (cut_pending_ || restoring_line_) return;
    write_clipboard_text(handle(), accepted_line_);
}

void TForm1::ClipboardButtonClick() {
    controls_->DisplayEdit->select_all();
    controls_->DisplayEdit->copy_selection();
}

}  // namespace tolsy
