#pragma once
// Controls as components: the published properties a window description sets on each kind of
// control (place, caption, font, items, tab order, events ...). The Win32 side creates the
// native controls from a tree of these after the description is read.
#include <string>
#include <vector>

#include "toolkit/components/class_builder.h"
#include "toolkit/components/font.h"
#include "toolkit/components/string_list.h"

namespace tolsy {

class Control : public Component {
    TOLSY_PERSISTENT(Control)
    using Component::Component;

    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int align = 0;
    std::u16string caption;
    std::u16string hint;
    Color color = clBtnFace;
    Font font;
    bool parent_font = true;
    bool show_hint = false;
    bool parent_show_hint = true;
    bool flat = false;
    bool is_default = false;
    int tab_order = -1;
    bool tab_stop = false;
    bool transparent = false;
    bool visible = true;
    NotifyEvent on_click;
    NotifyEvent on_change;

    // The font the control shows: its own, or while ParentFont is set its parent's, up to
    // `window_font` at the top.
    const Font& effective_font(const Font& window_font) const;
    // Whether its hint shows as a tool-tip: its own ShowHint, or its parent's while
    // ParentShowHint is set.
    bool effective_show_hint() const;
    // The child controls in tab order: by TabOrder, ties and unset ones in creation order.
    std::vector<Control*> child_controls() const;
};

class TePageControl : public Control {
    TOLSY_PERSISTENT(TePageControl)
    using Control::Control;
    Control* active_page = nullptr;
    // Its pages in creation order (the order of their tabs).
    std::vector<Control*> pages() const;
};

class TeTabSheet : public Control {
    TOLSY_PERSISTENT(TeTabSheet)
    using Control::Control;
};

class TeGroupBox : public Control {
    TOLSY_PERSISTENT(TeGroupBox)
    using Control::Control;
};

enum class PanelBevel { kNone, kLowered, kRaised, kSpace };

class TePanel : public Control {
    TOLSY_PERSISTENT(TePanel)
    using Control::Control;
    PanelBevel bevel_outer = PanelBevel::kRaised;
};

class TeEdit : public Control {
    TOLSY_PERSISTENT(TeEdit)
    using Control::Control;
};

enum class ComboStyleKind {
    kDropDown,
    kSimple,
    kDropDownList,
    kOwnerDrawFixed,
    kOwnerDrawVariable
};

class TeComboBox : public Control {
    TOLSY_PERSISTENT(TeComboBox)
    using Control::Control;
    ComboStyleKind style = ComboStyleKind::kDropDown;
    bool auto_complete = true;
    bool ctl3d = true;
    int item_height = 16;
    StringList items;
};

class TeCheckBox : public Control {
    TOLSY_PERSISTENT(TeCheckBox)
    using Control::Control;
    int spacing = 4;
};

class TeButton : public Control {
    TOLSY_PERSISTENT(TeButton)
    using Control::Control;
    int kind = 0;
    int modal_result = 0;
};

class TeSpeedButton : public Control {
    TOLSY_PERSISTENT(TeSpeedButton)
    using Control::Control;
};

// The controls among `parent`'s child components in tab order: by TabOrder, ties and unset ones
// in creation order.
std::vector<Control*> child_controls_of(const Component& parent);

// Registers the control classes above under their description names (idempotent).
void register_control_classes();

}  // namespace tolsy
