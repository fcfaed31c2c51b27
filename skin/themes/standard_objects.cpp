#include "skin/themes/standard_objects.h"

#include <array>
#include <iterator>

#include "skin/bytes/text_util.h"
#include "skin/model/skin_object_classes.h"

namespace tolsy {

namespace {

// The system button actions a frame shows only when its window asks for them.
constexpr TSeAction kHiddenActions[] = {
    TSeAction::sbaSysMenu,  TSeAction::sbaClose,    TSeAction::sbaHelp,
    TSeAction::sbaMinimize, TSeAction::sbaMaximize, TSeAction::sbaRestore,
    TSeAction::sbaRollUp,   TSeAction::sbaRollDown, TSeAction::sbaTray,
};

// Hides the first system button of each hidden action, found in one walk of the frame.
void hide_system_buttons(TSeSkinObject& frame) {
    std::array<TSeSkinObject*, std::size(kHiddenActions)> first{};
    frame.for_each([&](TSeSkinObject& o) {
        TSeAction action{};
        if (const auto* b = dynamic_cast<const TSeSystemButton*>(&o))
            action = b->action;
        else if (const auto* s = dynamic_cast<const TSeSysButtonSkinObject*>(&o))
            action = s->action;
        else
            return;
        for (std::size_t i = 0; i < first.size(); ++i)
            if (kHiddenActions[i] == action && first[i] == nullptr) first[i] = &o;
    });
    for (TSeSkinObject* button : first)
        if (button != nullptr) button->visible = false;
}

// The first descendant (not the object itself) of the kind.
TSeSkinObject* first_descendant_of_kind(TSeSkinObject& object, TSeKind kind) {
    for (std::size_t i = 0; i < object.child_count(); ++i)
        if (TSeSkinObject* found = object.child(i)->find_kind(kind)) return found;
    return nullptr;
}

}  // namespace

const std::array<std::string_view, 25>& standard_root_names() {
    static constexpr std::array<std::string_view, 25> kNames{
        "Button",    "Checkbox", "RadioButton", "GroupBox",  "ScrollBar",  "ProgressBar", "Edit",
        "ComboBox",  "TrackBar", "MenuBar",     "PopupMenu", "Header",     "StatusBar",   "Tabs",
        "Container", "Frame",    "ScrollBox",   "Splitter",  "SpinButton", "ControlBar",  "Grid",
        "ListBox",   "Hint",     "SpeedButton", "ToolBar"};
    return kNames;
}

TSeSkinObject* find_root(const TSeSkinSource& source, std::string_view name) {
    for (const auto& root : source.objects)
        if (same_text(root->name(), name)) return root.get();
    return nullptr;
}

void StandardObjectTable::clear() {
    slots_.fill(nullptr);
    owned_.clear();
}

TSeSkinObject* StandardObjectTable::slot(int index) const {
    if (index < 0 || index >= kStandardObjectSlots) return nullptr;
    return slots_[static_cast<std::size_t>(index)];
}

TSeSkinObject* StandardObjectTable::keep(std::unique_ptr<TSeSkinObject> copy,
                                         const TSeSkinSource& working) {
    copy->attach_images(&working.bitmaps);
    copy->prepare_tree();
    owned_.push_back(std::move(copy));
    return owned_.back().get();
}

void StandardObjectTable::fill_form(TSeSkinSource& working, std::string_view root_name, int base) {
    TSeSkinObject* form = find_root(working, root_name);
    slots_[base] = form;
    if (form == nullptr) return;
    TSeSkinObject* client = first_descendant_of_kind(*form, TSeKind::skClient);
    if (client == nullptr) return;
    slots_[base + kSlotClientCopy] = keep(client->clone(), working);
    const TSeAlign client_align = client->align;
    delete client;                                // its owner forgets it as it goes
    auto* placeholder = new TSeSkinObject(form);  // owned by the form
    placeholder->color = clNone;
    placeholder->align = client_align;
    placeholder->kind = TSeKind::skClient;
    placeholder->attach_images(&working.bitmaps);
    placeholder->prepare_tree();
    slots_[base + kSlotClientPlaceholder] = placeholder;
    slots_[base + kSlotFormCopy] = keep(form->clone(), working);
    slots_[base + kSlotFormSecondCopy] = keep(form->clone(), working);
    hide_system_buttons(*form);
}

void StandardObjectTable::rebuild(TSeSkinSource& working) {
    clear();
    fill_form(working, "Form", kSlotForm);
    const auto& names = standard_root_names();
    for (std::size_t i = 0; i < names.size(); ++i)
        slots_[kSlotButton + i] = find_root(working, names[i]);
    fill_form(working, "ToolWindow", kSlotToolWindow);
    slots_[kSlotPanel] = find_root(working, "Panel");
    slots_[kSlotScrollBoxAgain] = find_root(working, "ScrollBox");
}

}  // namespace tolsy
