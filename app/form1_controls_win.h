#pragma once
// The main window's controls, by their names, created as children of the window in tab order.
#include <array>
#include <memory>

#include "composer/list_items.h"
#include "toolkit/check_box_win.h"
#include "toolkit/combo_box_win.h"
#include "toolkit/edit_win.h"
#include "toolkit/group_box_win.h"
#include "toolkit/page_control_win.h"
#include "toolkit/panel_win.h"
#include "toolkit/push_button_win.h"

namespace tolsy {

struct Form1Controls {
    PageControl TePageControl1;
    TabSheet* TeTabSheet1 = nullptr;
    TabSheet* TeTabSheet2 = nullptr;
    TabSheet* TeTabSheet3 = nullptr;
    GroupBox TeGroupBox1;
    GroupBox TeGroupBox2;
    GroupBox TeGroupBox3;
    ComboBox SymbolComboBox{ComboStyle::kPickOnly};
    CheckBox DiaCheckBox;
    ComboBox ConditionComboBox{ComboStyle::kPickOnly};
    ComboBox ToleranceComboBox{ComboStyle::kEditable};
    ComboBox DatumCond1ComboBox{ComboStyle::kPickOnly};
    ComboBox DatumCond2ComboBox{ComboStyle::kPickOnly};
    ComboBox DatumCond3ComboBox{ComboStyle::kPickOnly};
    ComboBox Datum1ComboBox{ComboStyle::kPickOnly};
    ComboBox Datum2ComboBox{ComboStyle::kPickOnly};
    ComboBox Datum3ComboBox{ComboStyle::kPickOnly};
    Panel TePanel1;
    Edit DisplayEdit;
    PushButton ClearAllButton;
    PushButton TeEffectButton1;
    PushButton TeButton1;

    ComboBox& list(ComposerList which);
    // Creates every control on `form` (the main window, its native window existing).
    void create(HWND form);

private:
    void create_tolerance_page();
    void create_palettes(HWND form);
};

}  // namespace tolsy
