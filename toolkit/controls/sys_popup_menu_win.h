#pragma once
// TSysPopupMenu: a pop-up menu whose items are also appended to its form's native window menu.
// When it has been read it takes over the application's message hook (keeping the previous one,
// which it calls first and puts back when destroyed), appends its visible items after the
// platform's own entries, and turns the system commands of those entries into the items' clicks.
// The system command always goes on to the window as well.
#include "toolkit/components/menu.h"
#include "toolkit/controls/application_win.h"

namespace tolsy {

class TSysPopupMenu : public TPopupMenu {
    TOLSY_PERSISTENT(TSysPopupMenu)
    using TPopupMenu::TPopupMenu;
    ~TSysPopupMenu() override;

    void loaded() override;

    // The message hook: clicks the item of a WM_SYSCOMMAND's command; never marks it handled.
    bool message_hook(MSG& message);

  private:
    void append_to_window_menu();

    Application::MessageHook saved_hook_;
    bool hooked_ = false;
};

// Registers TSysPopupMenu and the menu classes.
void register_sys_popup_menu_classes();

}  // namespace tolsy
