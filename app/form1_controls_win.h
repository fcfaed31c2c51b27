#pragma once
// The main window's controls, read from its description and created as native controls, with
// the composer's controls at hand by name.
#include <memory>

#include "app/form1_description.h"
#include "composer/frame_composer.h"
#include "skin/effects/effect_button_win.h"
#include "toolkit/controls/control_builder_win.h"

namespace tolsy {

struct Form1Controls {
    std::unique_ptr<Form1Description> description;
    NativeControls natives;
    // The Close button fades between its normal and hot looks.
    std::unique_ptr<TTeEffectButton> close_button;

    PageControl* TePageControl1 = nullptr;
    TabSheet* TeTabSheet1 = nullptr;
    TabSheet* TeTabSheet2 = nullptr;
    TabSheet* TeTabSheet3 = nullptr;
    Box* TeGroupBox1 = nullptr;
    Box* TeGroupBox2 = nullptr;
    Box* TeGroupBox3 = nullptr;
    ComboBox* SymbolComboBox = nullptr;
    CheckBox* DiaCheckBox = nullptr;
    ComboBox* ConditionComboBox = nullptr;
    ComboBox* ToleranceComboBox = nullptr;
    ComboBox* DatumCond1ComboBox = nullptr;
    ComboBox* DatumCond2ComboBox = nullptr;
    ComboBox* DatumCond3ComboBox = nullptr;
    ComboBox* Datum1ComboBox = nullptr;
    ComboBox* Datum2ComboBox = nullptr;
    ComboBox* Datum3ComboBox = nullptr;
    Box* TePanel1 = nullptr;
    Edit* DisplayEdit = nullptr;
    PushButton* ClearAllButton = nullptr;
    PushButton* TeEffectButton1 = nullptr;
    PushButton* TeButton1 = nullptr;

    ComboBox& list(ComposerList which) const;
    // Takes the controls' part out of the main window's decoded description, reads it and
    // creates the controls on `form`; their events run the handlers of the same names.
    void create(HWND form, ObjectNode& description, const DescriptionHandlers& handlers);
};

}  // namespace tolsy
