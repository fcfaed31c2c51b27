#include "toolkit/components/menu.h"

#include <algorithm>
#include <stdexcept>

namespace tolsy {

namespace {
const EnumInfo kMenuBreaks{"TMenuBreak", {"mbNone", "mbBreak", "mbBarBreak"}};
constexpr std::size_t kCommandLimit = 0x10000;  // the platform passes 16 bits of a command

// Names of the keys a shortcut can carry besides letters and digits.
struct KeyName {
    std::uint8_t key;
    std::string_view name;
};
constexpr KeyName kKeyNames[] = {
    {0x08, "BkSp"}, {0x09, "Tab"},   {0x0D, "Enter"}, {0x1B, "Esc"},  {0x20, "Space"},
    {0x21, "PgUp"}, {0x22, "PgDn"},  {0x23, "End"},   {0x24, "Home"}, {0x25, "Left"},
    {0x26, "Up"},   {0x27, "Right"}, {0x28, "Down"},  {0x2D, "Ins"},  {0x2E, "Del"},
};

std::string key_name(std::uint8_t key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, char(key));
    if (key >= 0x70 && key <= 0x87) {
        std::string name(1, 'F');
        name.append(std::to_string(key - 0x70 + 1));
        return name;
    }
    for (const KeyName& k : kKeyNames)
        if (k.key == key) return std::string(k.name);
    return {};
}

template <class Out>
void items_of(const Component& parent, Out& out) {
    for (Component* child : parent.child_components())
        if (auto* item = dynamic_cast<TMenuItem*>(child)) out.push_back(item);
}

bool dispatch_in(const std::vector<TMenuItem*>& items, std::uint16_t command) {
    bool clicked = false;
    for (TMenuItem* item : items) {
        if (item->command() == command) {
            item->click();
            return true;
        }
        if (dispatch_in(item->items(), command)) clicked = true;
    }
    return clicked;
}
}  // namespace

CommandPool& CommandPool::instance() {
    static CommandPool pool;
    return pool;
}

std::uint16_t CommandPool::acquire() {
    if (used_.empty()) used_.push_back(true);  // 0 is never handed out
    const auto free = std::find(used_.begin(), used_.end(), false);
    const std::size_t command = static_cast<std::size_t>(free - used_.begin());
    if (command >= kCommandLimit) throw std::length_error("Too many menu items");
    if (free == used_.end())
        used_.push_back(true);
    else
        *free = true;
    return static_cast<std::uint16_t>(command);
}

void CommandPool::release(std::uint16_t command) {
    if (command != 0 && command < used_.size()) used_[command] = false;
}

bool CommandPool::in_use(std::uint16_t command) const {
    return command != 0 && command < used_.size() && used_[command];
}

std::string shortcut_text(ShortCut shortcut) {
    const std::string key = key_name(static_cast<std::uint8_t>(shortcut & 0xFF));
    if (key.empty()) return {};
    std::string text;
    if (shortcut & kShortCutShift) text += "Shift+";
    if (shortcut & kShortCutCtrl) text += "Ctrl+";
    if (shortcut & kShortCutAlt) text += "Alt+";
    text.append(key);
    return text;
}

TMenuItem::TMenuItem(Component* owner)
    : Component(owner), command_(CommandPool::instance().acquire()) {}

TMenuItem::~TMenuItem() {
    CommandPool::instance().release(command_);
}

const ClassInfo& TMenuItem::static_class_info() {
    static const ClassInfo info = declare_class<TMenuItem, Component>("TMenuItem", [](auto& c) {
        c.enumeration("Break", &TMenuItem::break_kind, kMenuBreaks, MenuBreak::kNone);
        c.string("Caption", &TMenuItem::caption);
        c.boolean("Checked", &TMenuItem::checked);
        c.boolean("Default", &TMenuItem::is_default);
        c.boolean("Enabled", &TMenuItem::enabled, true);
        c.boolean("RadioItem", &TMenuItem::radio_item);
        c.integer("ShortCut", &TMenuItem::shortcut, ShortCut{0});
        c.boolean("Visible", &TMenuItem::visible, true);
        c.event("OnClick", &TMenuItem::on_click);
    });
    return info;
}

std::vector<TMenuItem*> TMenuItem::items() const {
    std::vector<TMenuItem*> out;
    items_of(*this, out);
    return out;
}

std::string TMenuItem::display_text() const {
    const std::string keys = shortcut_text(shortcut);
    if (keys.empty() || !items().empty()) return caption;
    std::string text = caption;
    text.push_back('\t');
    text.append(keys);
    return text;
}

void TMenuItem::click() {
    if (enabled) on_click(*this);
}

const ClassInfo& TPopupMenu::static_class_info() {
    static const ClassInfo info = declare_class<TPopupMenu, Component>(
        "TPopupMenu", [](auto& c) { c.boolean("OwnerDraw", &TPopupMenu::owner_draw); });
    return info;
}

std::vector<TMenuItem*> TPopupMenu::items() const {
    std::vector<TMenuItem*> out;
    items_of(*this, out);
    return out;
}

bool TPopupMenu::dispatch_command(std::uint32_t command) {
    return dispatch_in(items(), static_cast<std::uint16_t>(command & 0xFFFF));
}

std::vector<TMenuItem*> popup_level(const std::vector<TMenuItem*>& items) {
    std::vector<TMenuItem*> shown;
    for (TMenuItem* item : items) {
        if (!item->visible) continue;
        if (item->is_separator() && (shown.empty() || shown.back()->is_separator())) continue;
        shown.push_back(item);
    }
    if (!shown.empty() && shown.back()->is_separator()) shown.pop_back();
    return shown;
}

void register_menu_classes() {
    register_class<TMenuItem>();
    register_class<TPopupMenu>();
}

}  // namespace tolsy
