#include "app/form1_controls_win.h"

#include "app/form1_glyphs.h"
#include "base/windows1252.h"
#include "skin/controls/skinned_controls_win.h"
#include "toolkit/components/window_description.h"

namespace tolsy {

ComboBox& Form1Controls::list(ComposerList which) const {
    switch (which) {
        case ComposerList::kSymbol:
            return *SymbolComboBox;
        case ComposerList::kCondition:
            return *ConditionComboBox;
        case ComposerList::kTolerance:
            return *ToleranceComboBox;
        case ComposerList::kDatum1:
            return *Datum1ComboBox;
        case ComposerList::kDatum2:
            return *Datum2ComboBox;
        case ComposerList::kDatum3:
            return *Datum3ComboBox;
        case ComposerList::kDatumCond1:
            return *DatumCond1ComboBox;
        case ComposerList::kDatumCond2:
            return *DatumCond2ComboBox;
        case ComposerList::kDatumCond3:
            return *DatumCond3ComboBox;
    }
    return *SymbolComboBox;
}

void Form1Controls::create(HWND form, ObjectNode& whole, const DescriptionHandlers& handlers) {
    auto read = std::make_unique<Form1Description>();
    read_decoded_description(*read, whole, handlers, keep_form1_controls);
    description = std::move(read);
    // The pictures are drawn by the program, not stored with the description.
    natives.set_factory(skinned_controls());
    natives.set_glyph("ClearAllButton", clear_button_glyph());
    natives.set_glyph("TeButton1", clipboard_button_glyph());
    natives.add_kind(TeEffectButton::static_class_info(), [this](HWND parent, Control& control,
                                                                 const Bounds& bounds) {
        auto& component = static_cast<TeEffectButton&>(control);
        close_button = std::make_unique<TTeEffectButton>(component);
        close_button->set_caption(utf16_to_windows1252_lossy(component.caption));
        close_button->set_font(font_spec(component.effective_font(description->font)));
        close_button->set_glyph(close_button_glyph());
        close_button->set_default(component.is_default);
        close_button->create(bounds, parent);
        close_button->on_click = [&component] { component.on_click(component); };
        return HWND{nullptr};
    });
    natives.build(form, description->top_controls(), description->font, form);

    const NativeControls& n = natives;
    TePageControl1 = &n.page_control("TePageControl1");
    TeTabSheet1 = &static_cast<TabSheet&>(n.container("TeTabSheet1"));
    TeTabSheet2 = &static_cast<TabSheet&>(n.container("TeTabSheet2"));
    TeTabSheet3 = &static_cast<TabSheet&>(n.container("TeTabSheet3"));
    TeGroupBox1 = &n.box("TeGroupBox1");
    TeGroupBox2 = &n.box("TeGroupBox2");
    TeGroupBox3 = &n.box("TeGroupBox3");
    SymbolComboBox = &n.combo_box("SymbolComboBox");
    DiaCheckBox = &n.check_box("DiaCheckBox");
    ConditionComboBox = &n.combo_box("ConditionComboBox");
    ToleranceComboBox = &n.combo_box("ToleranceComboBox");
    DatumCond1ComboBox = &n.combo_box("DatumCond1ComboBox");
    DatumCond2ComboBox = &n.combo_box("DatumCond2ComboBox");
    DatumCond3ComboBox = &n.combo_box("DatumCond3ComboBox");
    Datum1ComboBox = &n.combo_box("Datum1ComboBox");
    Datum2ComboBox = &n.combo_box("Datum2ComboBox");
    Datum3ComboBox = &n.combo_box("Datum3ComboBox");
    TePanel1 = &n.box("TePanel1");
    DisplayEdit = &n.edit("DisplayEdit");
    ClearAllButton = &n.push_button("ClearAllButton");
    TeEffectButton1 = close_button.get();
    TeButton1 = &n.push_button("TeButton1");
}

}  // namespace tolsy
