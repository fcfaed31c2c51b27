#include "toolkit/components/control.h"

#include <algorithm>

namespace tolsy {

namespace {
const EnumInfo kAligns{
    "TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}};
const EnumInfo kComboStyles{
    "TComboBoxStyle",
    {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"}};
const EnumInfo kButtonKinds{"TBitBtnKind",
                            {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                             "bkAbort", "bkRetry", "bkIgnore", "bkAll"}};
const EnumInfo kBevels{"TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
}  // namespace

const Font& Control::effective_font(const Font& window_font) const {
    const Control* c = this;
    while (c && c->parent_font) c = dynamic_cast<const Control*>(c->parent_component());
    return c ? c->font : window_font;
}

bool Control::effective_show_hint() const {
    const Control* c = this;
    while (c && c->parent_show_hint) c = dynamic_cast<const Control*>(c->parent_component());
    return c && c->show_hint;
}

std::vector<Control*> child_controls_of(const Component& parent) {
    std::vector<Control*> controls;
    for (Component* child : parent.child_components()) {
        if (auto* control = dynamic_cast<Control*>(child)) controls.push_back(control);
    }
    // Unset tab orders (-1) keep their creation order after the numbered ones.
    std::stable_sort(controls.begin(), controls.end(), [](const Control* a, const Control* b) {
        const unsigned ka = static_cast<unsigned>(a->tab_order);
        const unsigned kb = static_cast<unsigned>(b->tab_order);
        return ka < kb;
    });
    return controls;
}

std::vector<Control*> Control::child_controls() const {
    return child_controls_of(*this);
}

std::vector<Control*> TePageControl::pages() const {
    std::vector<Control*> result;
    for (Component* child : child_components()) {
        if (auto* page = dynamic_cast<TeTabSheet*>(child)) result.push_back(page);
    }
    return result;
}

const ClassInfo& Control::static_class_info() {
    static const ClassInfo info = declare_class<Control, Component>("TControl", [](auto& c) {
        c.integer("Left", &Control::left).always_stored();
        c.integer("Top", &Control::top).always_stored();
        c.integer("Width", &Control::width).always_stored();
        c.integer("Height", &Control::height).always_stored();
        c.enumeration("Align", &Control::align, kAligns);
        c.wide_string("Caption", &Control::caption);
        c.color("Color", &Control::color, clBtnFace);
        c.boolean("Flat", &Control::flat);
        c.object("Font", &Control::font);
        c.boolean("Default", &Control::is_default);
        c.wide_string("Hint", &Control::hint);
        c.boolean("ParentFont", &Control::parent_font, true);
        c.boolean("ParentShowHint", &Control::parent_show_hint, true);
        c.boolean("ShowHint", &Control::show_hint);
        c.integer("TabOrder", &Control::tab_order, -1);
        c.boolean("TabStop", &Control::tab_stop);
        c.boolean("Transparent", &Control::transparent);
        c.boolean("Visible", &Control::visible, true);
        c.event("OnChange", &Control::on_change);
        c.event("OnClick", &Control::on_click);
    });
    return info;
}

const ClassInfo& TePageControl::static_class_info() {
    static const ClassInfo info = declare_class<TePageControl, Control>(
        "TTePageControl", [](auto& c) { c.reference("ActivePage", &TePageControl::active_page); });
    return info;
}

const ClassInfo& TeTabSheet::static_class_info() {
    static const ClassInfo info = declare_class<TeTabSheet, Control>("TTeTabSheet", [](auto&) {});
    return info;
}

const ClassInfo& TeGroupBox::static_class_info() {
    static const ClassInfo info = declare_class<TeGroupBox, Control>("TTeGroupBox", [](auto&) {});
    return info;
}

const ClassInfo& TePanel::static_class_info() {
    static const ClassInfo info = declare_class<TePanel, Control>("TTePanel", [](auto& c) {
        c.enumeration("BevelOuter", &TePanel::bevel_outer, kBevels, PanelBevel::kRaised);
    });
    return info;
}

const ClassInfo& TeEdit::static_class_info() {
    static const ClassInfo info = declare_class<TeEdit, Control>("TTeEdit", [](auto&) {});
    return info;
}

const ClassInfo& TeComboBox::static_class_info() {
    static const ClassInfo info = declare_class<TeComboBox, Control>("TTeComboBox", [](auto& c) {
        c.enumeration("Style", &TeComboBox::style, kComboStyles);
        c.boolean("AutoComplete", &TeComboBox::auto_complete, true);
        c.boolean("Ctl3D", &TeComboBox::ctl3d, true);
        c.integer("ItemHeight", &TeComboBox::item_height, 16);
        c.object("Items", &TeComboBox::items);
    });
    return info;
}

const ClassInfo& TeCheckBox::static_class_info() {
    static const ClassInfo info = declare_class<TeCheckBox, Control>(
        "TTeCheckBox", [](auto& c) { c.integer("Spacing", &TeCheckBox::spacing, 4); });
    return info;
}

const ClassInfo& TeButton::static_class_info() {
    static const ClassInfo info = declare_class<TeButton, Control>("TTeButton", [](auto& c) {
        c.enumeration("Kind", &TeButton::kind, kButtonKinds);
        c.integer("ModalResult", &TeButton::modal_result);
    });
    return info;
}

const ClassInfo& TeSpeedButton::static_class_info() {
    static const ClassInfo info =
        declare_class<TeSpeedButton, Control>("TTeSpeedButton", [](auto&) {});
    return info;
}

void register_control_classes() {
    register_class<TePageControl>();
    register_class<TeTabSheet>();
    register_class<TeGroupBox>();
    register_class<TePanel>();
    register_class<TeEdit>();
    register_class<TeComboBox>();
    register_class<TeCheckBox>();
    register_class<TeButton>();
    register_class<TeSpeedButton>();
}

}  // namespace tolsy
