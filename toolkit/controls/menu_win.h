#pragma once
// Menus on the platform: native menus built from menu components, items appended to a window's
// native window menu, and pop-up menus that click the chosen item.
#include <windows.h>

#include <vector>

#include "toolkit/components/menu.h"

namespace tolsy {

// The record InsertMenuItem takes for one item: its text (kept in `text`, which must outlive
// the call), type and state flags, command number and sub-menu (none when `sub_menu` is null).
MENUITEMINFOW menu_item_info(const TMenuItem& item, bool owner_draw, std::wstring& text,
                             HMENU sub_menu);

// Appends the visible items, in order, at the end of `menu`; items with sub-items become
// sub-menus of their own (also every visible sub-item). The platform's answers are ignored.
void append_menu_items(HMENU menu, const std::vector<TMenuItem*>& items, bool owner_draw);

// A native pop-up menu of the items as a pop-up shows them (popup_level on every level).
HMENU create_popup(const std::vector<TMenuItem*>& items, bool owner_draw);

// Shows the menu at a screen point for `owner`, waits for the choice and runs the chosen item's
// click through the menu's own command dispatch. False when nothing was chosen.
bool popup_menu(TPopupMenu& menu, HWND owner, POINT screen_point);

}  // namespace tolsy
