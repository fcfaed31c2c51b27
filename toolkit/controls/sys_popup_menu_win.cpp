#include "toolkit/controls/sys_popup_menu_win.h"

#include "toolkit/controls/form_components_win.h"
#include "toolkit/controls/menu_win.h"

namespace tolsy {

const ClassInfo& TSysPopupMenu::static_class_info() {
    static const ClassInfo info =
        declare_class<TSysPopupMenu, TPopupMenu>("TSysPopupMenu", [](auto&) {});
    return info;
}

TSysPopupMenu::~TSysPopupMenu() {
    if (hooked_) Application::instance().set_message_hook(std::move(saved_hook_));
}

void TSysPopupMenu::loaded() {
    saved_hook_ =
        Application::instance().set_message_hook([this](MSG& msg) { return message_hook(msg); });
    hooked_ = true;
    TPopupMenu::loaded();
    append_to_window_menu();
}

void TSysPopupMenu::append_to_window_menu() {
    Form& form = owner_form(*this);
    if (!form.handle()) form.create_window();
    HMENU window_menu = GetSystemMenu(form.handle(), FALSE);
    if (window_menu) append_menu_items(window_menu, items(), owner_draw);
}

bool TSysPopupMenu::message_hook(MSG& message) {
    bool handled = false;
    if (saved_hook_) handled = saved_hook_(message);
    if (!handled && message.message == WM_SYSCOMMAND)
        dispatch_command(static_cast<std::uint32_t>(message.wParam));
    return handled;
}

void register_sys_popup_menu_classes() {
    register_menu_classes();
    register_class<TSysPopupMenu>();
}

}  // namespace tolsy
