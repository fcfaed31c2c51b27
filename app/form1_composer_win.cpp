// TForm1's controls and the handlers of the main job: composer lists, diameter box, Clear,
// palette buttons, display line and To Clipboard.
#include "app/form1_controls_win.h"
#include "app/form1_view_win.h"
#include "app/form1_win.h"
#include "base/windows1252_win.h"
#include "composer/clipboard_win.h"
#include "composer/frame_composer.h"
#include "composer/frame_state.h"

namespace tolsy {

namespace {
// The user's choices live for the whole run.
FrameState g_frame_state;
}  // namespace

TForm1::~TForm1() = default;

void TForm1::create_controls() {
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
    controls_->create(handle(), handlers);
    set_default_button_id(controls_->natives.default_button_id());
    // The line's own copy command puts its 8-bit text there, whatever the system code page.
    controls_->DisplayEdit->on_copy = [this](const std::wstring& selected) {
        write_clipboard_text(handle(), wide_to_windows1252_lossy(selected));
    };
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

void TForm1::DisplayEditChange() {
    write_clipboard_text(handle(), wide_to_windows1252_lossy(controls_->DisplayEdit->text()));
}

void TForm1::ClipboardButtonClick() {
    controls_->DisplayEdit->select_all();
    controls_->DisplayEdit->copy_selection();
}

}  // namespace tolsy
