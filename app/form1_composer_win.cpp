// TForm1's controls and the handlers of the main job: composer lists, diameter box, Clear,
// palette buttons, display line and To Clipboard.
#include "app/form1_controls_win.h"
#include "app/form1_view_win.h"
#include "app/form1_win.h"
#include "composer/clipboard_win.h"
#include "composer/frame_composer.h"
#include "composer/frame_state.h"

namespace tolsy {

namespace {
// The user's choices live for the whole run.
FrameState frame_state;
}  // namespace

TForm1::~TForm1() = default;

void TForm1::create_controls() {
    controls_ = std::make_unique<Form1Controls>();
    view_ = std::make_unique<Form1View>(*controls_);
    composer_ = std::make_unique<FrameComposer>(frame_state, *view_);
    Form1Controls& c = *controls_;
    c.create(handle());

    c.SymbolComboBox.on_change = [this] { SymbolComboBoxChange(); };
    c.ConditionComboBox.on_change = [this] { ConditionComboBoxChange(); };
    c.ToleranceComboBox.on_change = [this] { ToleranceComboBoxChange(); };
    c.DatumCond1ComboBox.on_change = [this] { DatumCond1ComboBoxChange(); };
    c.DatumCond2ComboBox.on_change = [this] { DatumCond2ComboBoxChange(); };
    c.DatumCond3ComboBox.on_change = [this] { DatumCond3ComboBoxChange(); };
    c.Datum1ComboBox.on_change = [this] { Datum1ComboBoxChange(); };
    c.Datum2ComboBox.on_change = [this] { Datum2ComboBoxChange(); };
    c.Datum3ComboBox.on_change = [this] { Datum3ComboBoxChange(); };
    c.DiaCheckBox.on_click = [this] { DiaCheckBoxClick(); };
    c.DisplayEdit.on_change = [this] { DisplayEditChange(); };
    // The line's own copy command puts its 8-bit text there, whatever the system code page.
    c.DisplayEdit.on_copy = [this](const std::wstring& selected) {
        write_clipboard_text(handle(), glyph_text(selected));
    };
    c.ClearAllButton.on_click = [this] { ClearAllButtonClick(); };
    c.TeEffectButton1.on_click = [this] { CloseButtonClick(); };
    c.TeButton1.on_click = [this] { ClipboardButtonClick(); };
    set_default_button_id(c.TeButton1.id());
    for (TabSheet* sheet : {c.TeTabSheet2, c.TeTabSheet3}) {
        for (const auto& button : sheet->speed_buttons()) {
            button->on_click = [this](SpeedButton& sender) { TeSpeedButton1Click(sender); };
        }
    }
}

void TForm1::set_active_page(int index) { controls_->TePageControl1.set_active_page_index(index); }

void TForm1::SymbolComboBoxChange() { composer_->list_changed(ComposerList::kSymbol); }
void TForm1::ConditionComboBoxChange() { composer_->list_changed(ComposerList::kCondition); }
void TForm1::ToleranceComboBoxChange() { composer_->tolerance_changed(); }
void TForm1::DatumCond1ComboBoxChange() { composer_->list_changed(ComposerList::kDatumCond1); }
void TForm1::DatumCond2ComboBoxChange() { composer_->list_changed(ComposerList::kDatumCond2); }
void TForm1::DatumCond3ComboBoxChange() { composer_->list_changed(ComposerList::kDatumCond3); }
void TForm1::Datum1ComboBoxChange() { composer_->list_changed(ComposerList::kDatum1); }
void TForm1::Datum2ComboBoxChange() { composer_->list_changed(ComposerList::kDatum2); }
void TForm1::Datum3ComboBoxChange() { composer_->list_changed(ComposerList::kDatum3); }
void TForm1::DiaCheckBoxClick() { composer_->diameter_clicked(); }
void TForm1::ClearAllButtonClick() { composer_->clear_all(); }
void TForm1::write_preview() { composer_->write_preview(); }

void TForm1::TeSpeedButton1Click(SpeedButton& sender) {
    const std::wstring& label = sender.caption();
    composer_->palette_clicked(std::u16string(label.begin(), label.end()));
}

void TForm1::DisplayEditChange() {
    write_clipboard_text(handle(), glyph_text(controls_->DisplayEdit.text()));
}

void TForm1::ClipboardButtonClick() {
    controls_->DisplayEdit.select_all();
    controls_->DisplayEdit.copy_selection();
}

}  // namespace tolsy
