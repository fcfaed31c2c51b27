#include "toolkit/controls/menu_win.h"

#include "base/windows1252_win.h"

namespace tolsy {

namespace {
UINT break_type(MenuBreak kind) {
    switch (kind) {
        case MenuBreak::kBreak:
            return MFT_MENUBREAK;
        case MenuBreak::kBarBreak:
            return MFT_MENUBARBREAK;
        default:
            return 0;
    }
}

void append_items(HMENU menu, const std::vector<TMenuItem*>& items, bool owner_draw, bool popup);

HMENU sub_menu_of(const TMenuItem& item, bool owner_draw, bool popup) {
    const std::vector<TMenuItem*> sub_items = item.items();
    if (sub_items.empty()) return nullptr;
    HMENU sub = CreatePopupMenu();
    append_items(sub, sub_items, owner_draw, popup);
    return sub;
}

void append_items(HMENU menu, const std::vector<TMenuItem*>& items, bool owner_draw, bool popup) {
    for (const TMenuItem* item : popup ? popup_level(items) : items) {
        if (!item->visible) continue;
        std::wstring text;
        const MENUITEMINFOW info =
            menu_item_info(*item, owner_draw, text, sub_menu_of(*item, owner_draw, popup));
        InsertMenuItemW(menu, static_cast<UINT>(-1), TRUE, &info);
    }
}
}  // namespace

MENUITEMINFOW menu_item_info(const TMenuItem& item, bool owner_draw, std::wstring& text,
                             HMENU sub_menu) {
    text = windows1252_to_wide(item.display_text());
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_TYPE | MIIM_DATA;
    info.fType = break_type(item.break_kind);
    if (item.is_separator()) info.fType |= MFT_SEPARATOR;
    if (item.radio_item) info.fType |= MFT_RADIOCHECK;
    if (owner_draw) info.fType |= MFT_OWNERDRAW;
    if (item.checked) info.fState |= MFS_CHECKED;
    if (!item.enabled) info.fState |= MFS_DISABLED | MFS_GRAYED;
    if (item.is_default) info.fState |= MFS_DEFAULT;
    info.wID = item.command();
    info.hSubMenu = sub_menu;
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    return info;
}

void append_menu_items(HMENU menu, const std::vector<TMenuItem*>& items, bool owner_draw) {
    append_items(menu, items, owner_draw, false);
}

HMENU create_popup(const std::vector<TMenuItem*>& items, bool owner_draw) {
    HMENU menu = CreatePopupMenu();
    append_items(menu, items, owner_draw, true);
    return menu;
}

bool popup_menu(TPopupMenu& menu, HWND owner, POINT at) {
    HMENU native = create_popup(menu.items(), menu.owner_draw);
    // The menu closes when the user clicks elsewhere only while its owner is in the foreground.
    SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        native, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x,
        at.y, 0, owner, nullptr));
    DestroyMenu(native);
    PostMessageW(owner, WM_NULL, 0, 0);
    return chosen != 0 && menu.dispatch_command(chosen);
}

}  // namespace tolsy
