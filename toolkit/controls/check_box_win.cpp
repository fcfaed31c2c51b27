#include "toolkit/controls/check_box_win.h"

#include <algorithm>

#include "base/windows1252_win.h"

namespace tolsy {

namespace {
constexpr int kBoxSize = 13;
}

void CheckBox::create(const Bounds& bounds, HWND parent) {
    create_native(L"BUTTON", windows1252_to_wide(caption_), WS_TABSTOP | BS_OWNERDRAW, 0, bounds,
                  parent);
}

void CheckBox::set_checked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

LRESULT CheckBox::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        // Drawn by us, the button keeps no check state of its own: answer for it.
        case BM_GETCHECK:
            return checked_ ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            set_checked(wparam == BST_CHECKED);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON;
        case WM_LBUTTONDBLCLK:
            // Two quick clicks are two clicks, as on an ordinary check box.
            return default_control_message(WM_LBUTTONDOWN, wparam, lparam);
        case kPaintIntoMessage:
            return paint_owner_drawn_into(reinterpret_cast<HDC>(wparam));
        default:
            return default_control_message(message, wparam, lparam);
    }
}

bool CheckBox::notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        set_checked(!checked_);
        if (on_click) on_click();
        return true;
    }
    if (message == WM_DRAWITEM) {
        draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
        result = TRUE;
        return true;
    }
    return false;
}

void CheckBox::draw_platform_look(const DRAWITEMSTRUCT& di) {
    HDC dc = di.hDC;
    const RECT& area = di.rcItem;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    const int box_top = area.top + (area.bottom - area.top - kBoxSize) / 2;
    RECT box{area.left, box_top, area.left + kBoxSize, box_top + kBoxSize};
    UINT state = DFCS_BUTTONCHECK;
    if (checked_) state |= DFCS_CHECKED;
    if (di.itemState & ODS_SELECTED) state |= DFCS_PUSHED;
    if (di.itemState & ODS_DISABLED) state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, state);

    const std::wstring text = windows1252_to_wide(caption_);
    SelectObjectScope font(
        dc, this->font() ? static_cast<HGDIOBJ>(this->font()) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc,
                 GetSysColor((di.itemState & ODS_DISABLED) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    RECT text_area{box.right + caption_gap_, area.top, area.right, area.bottom};
    RECT measured = text_area;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_SINGLELINE | DT_CALCRECT);
    const int text_height = measured.bottom - measured.top;
    text_area.top = area.top + (area.bottom - area.top - text_height) / 2;
    text_area.bottom = text_area.top + text_height;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_area, DT_SINGLELINE);
    if (di.itemState & ODS_FOCUS) {
        RECT focus{
            text_area.left - 1, text_area.top,
            std::min<LONG>(area.right, text_area.left + (measured.right - measured.left) + 1),
            text_area.bottom};
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace tolsy
