#pragma once
// Menus as components: TMenuItem (caption, flags, shortcut, sub-items, command number, click
// event) and TPopupMenu, read from a window description like any other component.
//
// Every item takes its command number from one process-wide pool when it is created and gives
// it back when it is destroyed, so no two live items share a number. A menu that the platform
// shows reports the chosen number back, and the menu clicks the item that carries it.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/components/class_builder.h"

namespace tolsy {

// The pool of command numbers: always the lowest free one, from 1 up (0 is what the platform's
// menu tracking answers when nothing was chosen, so it never names an item).
class CommandPool {
  public:
    static CommandPool& instance();
    std::uint16_t acquire();
    void release(std::uint16_t command);
    bool in_use(std::uint16_t command) const;

  private:
    std::vector<bool> used_;  // index = command number
};

enum class MenuBreak { kNone, kBreak, kBarBreak };

// A shortcut: a virtual key in the low byte, with Shift, Ctrl and Alt bits above it.
using ShortCut = std::uint16_t;
inline constexpr ShortCut kShortCutShift = 0x2000;
inline constexpr ShortCut kShortCutCtrl = 0x4000;
inline constexpr ShortCut kShortCutAlt = 0x8000;
// The text a menu shows for a shortcut ("Ctrl+S", "Alt+F4", "Shift+Del"); empty for none.
std::string shortcut_text(ShortCut shortcut);

// The caption that turns an item into a separator.
inline constexpr std::string_view kSeparatorCaption = "-";

class TMenuItem : public Component {
    TOLSY_PERSISTENT(TMenuItem)
    explicit TMenuItem(Component* owner = nullptr);
    ~TMenuItem() override;

    std::string caption;
    bool visible = true;
    bool enabled = true;
    bool checked = false;
    bool is_default = false;
    bool radio_item = false;
    MenuBreak break_kind = MenuBreak::kNone;
    ShortCut shortcut = 0;
    NotifyEvent on_click;

    std::uint16_t command() const { return command_; }
    bool is_separator() const { return caption == kSeparatorCaption; }
    // The sub-items in order (the items read inside this one).
    std::vector<TMenuItem*> items() const;
    // The text a native menu shows: the caption, then a tab and the shortcut's text when it
    // has one.
    std::string display_text() const;
    // Runs OnClick.
    virtual void click();

  private:
    std::uint16_t command_;
};

class TPopupMenu : public Component {
    TOLSY_PERSISTENT(TPopupMenu)
    using Component::Component;

    bool owner_draw = false;

    // The top-level items in order.
    std::vector<TMenuItem*> items() const;
    // Clicks the item whose command number has these low 16 bits, searching depth first in
    // item order; false when none has it.
    bool dispatch_command(std::uint32_t command);
};

// The items of one level of a menu as a pop-up shows them: invisible items left out, then
// separators at the start or end and a separator following another hidden.
std::vector<TMenuItem*> popup_level(const std::vector<TMenuItem*>& items);

// Registers TMenuItem and TPopupMenu.
void register_menu_classes();

}  // namespace tolsy
