#include "toolkit/controls/drop_down_list_win.h"

#include <windowsx.h>

#include <algorithm>

#include "base/handles_win.h"
#include "toolkit/controls/combo_box_win.h"

namespace tolsy {

namespace {
constexpr wchar_t kDropDownClass[] = L"TolsyDropList";

const wchar_t* drop_down_class() {
    static const bool registered = (Window::register_class(kDropDownClass), true);
    (void)registered;
    return kDropDownClass;
}

bool contains(const RECT& r, POINT p) {
    return PtInRect(&r, p) != FALSE;
}
}  // namespace

void DropDownList::show(const RECT& field) {
    const PickList& list = owner_.pick_;
    const int width = field.right - field.left;
    const int height = list.rows() * owner_.item_height_ + 2;
    HWND root = GetAncestor(owner_.handle(), GA_ROOT);
    if (!handle()) {
        create(WS_EX_TOOLWINDOW, L"", WS_POPUP | WS_BORDER | WS_VSCROLL, 0, 0, width, height, root,
               nullptr, drop_down_class());
        if (!handle()) return;
    }
    ShowScrollBar(handle(), SB_VERT, list.scrolls() ? TRUE : FALSE);
    // Below the field, or above it when the screen has no room below.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&field, MONITOR_DEFAULTTONEAREST), &monitor);
    int top = field.bottom;
    if (top + height > monitor.rcWork.bottom && field.top - height >= monitor.rcWork.top)
        top = field.top - height;
    refresh();
    // Above its window as the window is above others: topmost while the window stays on top.
    const bool topmost = (GetWindowLongPtrW(root, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    SetWindowPos(handle(), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, field.left, top, width, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetCapture(handle());
}

void DropDownList::hide() {
    if (!handle()) return;
    if (GetCapture() == handle()) ReleaseCapture();
    ShowWindow(handle(), SW_HIDE);
}

void DropDownList::refresh() {
    if (!handle()) return;
    const PickList& list = owner_.pick_;
    if (list.scrolls()) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMax = list.count() - 1;
        info.nPage = static_cast<UINT>(list.rows());
        info.nPos = list.top();
        SetScrollInfo(handle(), SB_VERT, &info, TRUE);
    }
    InvalidateRect(handle(), nullptr, FALSE);
}

void DropDownList::paint(HDC dc) {
    const PickList& list = owner_.pick_;
    RECT client;
    GetClientRect(handle(), &client);
    const int height = owner_.item_height_;
    for (int row = 0; row < list.rows(); ++row) {
        const int index = list.top() + row;
        const RECT area{0, row * height, client.right, (row + 1) * height};
        owner_.draw_item(dc, area, index, index == list.hot());
    }
    const RECT below{0, list.rows() * height, client.right, client.bottom};
    if (below.top < below.bottom) FillRect(dc, &below, GetSysColorBrush(COLOR_WINDOW));
}

int DropDownList::row_at(LPARAM client_point) const {
    const POINT p{GET_X_LPARAM(client_point), GET_Y_LPARAM(client_point)};
    RECT client;
    GetClientRect(handle(), &client);
    if (!contains(client, p)) return -1;
    return p.y / std::max(1, owner_.item_height_);
}

void DropDownList::highlight_row(int row) {
    PickList& list = owner_.pick_;
    const int before = list.hot();
    if (row < 0 || !list.point_at_row(row) || list.hot() == before) return;
    InvalidateRect(handle(), nullptr, FALSE);
}

void DropDownList::on_press(LPARAM client_point) {
    const int row = row_at(client_point);
    if (row >= 0) {
        highlight_row(row);
        return;
    }
    POINT p{GET_X_LPARAM(client_point), GET_Y_LPARAM(client_point)};
    ClientToScreen(handle(), &p);
    RECT frame;
    GetWindowRect(handle(), &frame);
    if (contains(frame, p)) {
        // The scroll bar: the platform runs it while the button is down, holding the mouse
        // itself, and gives it back when the button comes up.
        const LRESULT hit = DefWindowProcW(handle(), WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
        if (hit != HTVSCROLL) return;
        in_scroll_bar_ = true;
        ReleaseCapture();
        DefWindowProcW(handle(), WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(p.x, p.y));
        in_scroll_bar_ = false;
        if (owner_.pick_.is_open()) SetCapture(handle());
        return;
    }
    // A press anywhere else, the field included, closes the list and chooses nothing.
    owner_.close_list(false);
}

void DropDownList::on_release(LPARAM client_point) {
    const int row = row_at(client_point);
    // Released off the items, as after the click that opened the list: it stays open.
    if (row < 0 || !owner_.pick_.point_at_row(row)) return;
    owner_.close_list(true);
}

void DropDownList::scroll(WPARAM request) {
    PickList& list = owner_.pick_;
    switch (LOWORD(request)) {
        case SB_LINEUP:
            list.scroll_to(list.top() - 1);
            break;
        case SB_LINEDOWN:
            list.scroll_to(list.top() + 1);
            break;
        case SB_PAGEUP:
            list.scroll_to(list.top() - list.page());
            break;
        case SB_PAGEDOWN:
            list.scroll_to(list.top() + list.page());
            break;
        case SB_TOP:
            list.scroll_to(0);
            break;
        case SB_BOTTOM:
            list.scroll_to(list.count());
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info{};
            info.cbSize = sizeof info;
            info.fMask = SIF_TRACKPOS;
            GetScrollInfo(handle(), SB_VERT, &info);
            list.scroll_to(info.nTrackPos);
            break;
        }
        default:
            return;
    }
    refresh();
}

LRESULT DropDownList::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const PaintScope paint_scope(handle());
            paint(paint_scope.dc());
            return 0;
        }
        case WM_MOUSEMOVE:
            highlight_row(row_at(lparam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            on_press(lparam);
            return 0;
        case WM_LBUTTONUP:
            on_release(lparam);
            return 0;
        case WM_MOUSEWHEEL:
            return SendMessageW(owner_.handle(), message, wparam, lparam);
        case WM_VSCROLL:
            scroll(wparam);
            return 0;
        case WM_CAPTURECHANGED:
            // Another window took the mouse (the user switched windows, a menu opened): the
            // list closes as it would for a click elsewhere.
            if (!in_scroll_bar_ && owner_.pick_.is_open()) owner_.close_list(false);
            return 0;
        // What accessibility tools and tests read of the open list.
        case LB_GETTOPINDEX:
            return owner_.pick_.top();
        case LB_GETCOUNT:
            return owner_.pick_.count();
        case LB_GETCURSEL:
            return owner_.pick_.hot() < 0 ? LB_ERR : owner_.pick_.hot();
        case LB_GETITEMHEIGHT:
            return owner_.item_height_;
        default:
            break;
    }
    return Window::handle_message(message, wparam, lparam);
}

}  // namespace tolsy
