#include "toolkit/controls/combo_box_win.h"

#include <windowsx.h>

#include <algorithm>

#include "toolkit/controls/drop_down_list_win.h"

namespace tolsy {

namespace {
// A combo box's selection field sits inside a 3-pixel frame at top and bottom.
constexpr int kFieldFrame = 3;
constexpr int kTextIndent = 2;
constexpr wchar_t kPickOnlyClass[] = L"TolsyList";

class SettingScope {
  public:
    explicit SettingScope(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    SettingScope(const SettingScope&) = delete;
    SettingScope& operator=(const SettingScope&) = delete;
    ~SettingScope() { flag_ = previous_; }

  private:
    bool& flag_;
    bool previous_;
};

// The pick-only list's window class; the object answers all its messages through the
// subclassing every control gets, so the class itself only needs the platform's default.
const wchar_t* pick_only_class() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kPickOnlyClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
    return kPickOnlyClass;
}

bool is_pick_only_key(WPARAM key) {
    switch (key) {
        case VK_UP:
        case VK_DOWN:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_HOME:
        case VK_END:
        case VK_PRIOR:
        case VK_NEXT:
            return true;
        default:
            return false;
    }
}

ListKey list_key(WPARAM key) {
    switch (key) {
        case VK_UP:
        case VK_LEFT:
            return ListKey::kUp;
        case VK_HOME:
            return ListKey::kHome;
        case VK_END:
            return ListKey::kEnd;
        case VK_PRIOR:
            return ListKey::kPageUp;
        case VK_NEXT:
            return ListKey::kPageDown;
        default:
            return ListKey::kDown;
    }
}
}  // namespace

ComboBox::ComboBox(ComboStyle style) : style_(style) {}

ComboBox::~ComboBox() = default;

void ComboBox::create(const Bounds& bounds, HWND parent) {
    if (style_ == ComboStyle::kPickOnly) {
        create_native(pick_only_class(), L"", WS_TABSTOP, 0, bounds, parent);
        return;
    }
    const DWORD style = WS_TABSTOP | WS_VSCROLL | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS |
                        CBS_NOINTEGRALHEIGHT | CBS_DROPDOWN | CBS_AUTOHSCROLL;
    // The height given at creation is the height with the list dropped down.
    Bounds dropped = bounds;
    dropped.height = bounds.height + drop_down_count_ * item_height_ + 2;
    create_native(L"COMBOBOX", L"", style, 0, dropped, parent);
    // Creation asked for the item sizes before this object could answer; set them now.
    SendMessageW(handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                 std::max(1, bounds.height - 2 * kFieldFrame));
    SendMessageW(handle(), CB_SETITEMHEIGHT, 0, item_height_);
}

void ComboBox::set_items(const std::vector<std::wstring>& items) {
    SettingScope scope(setting_);
    items_ = items;
    if (style_ == ComboStyle::kPickOnly) {
        pick_.set_count(static_cast<int>(items_.size()));
        if (pick_.is_open()) close_list(false);
        InvalidateRect(handle(), nullptr, FALSE);
        return;
    }
    // The drop-down list would update its scroll bar and invalidate itself for every item added;
    // told not to redraw, it does both once when told again.
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    HWND list = GetComboBoxInfo(handle(), &info) ? info.hwndList : nullptr;
    if (list) SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    SendMessageW(handle(), CB_RESETCONTENT, 0, 0);
    for (const std::wstring& item : items) {
        SendMessageW(handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    if (list) SendMessageW(list, WM_SETREDRAW, TRUE, 0);
}

int ComboBox::item_count() const {
    return static_cast<int>(items_.size());
}

std::wstring ComboBox::item(int index) const {
    if (index < 0 || index >= item_count()) return {};
    return items_[static_cast<std::size_t>(index)];
}

int ComboBox::item_index() const {
    if (style_ == ComboStyle::kPickOnly) return pick_.chosen();
    return static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0));
}

void ComboBox::set_item_index(int index) {
    SettingScope scope(setting_);
    if (style_ == ComboStyle::kPickOnly) {
        pick_.set_chosen(index);
        InvalidateRect(handle(), nullptr, FALSE);
        if (drop_down_ && pick_.is_open()) drop_down_->refresh();
        return;
    }
    SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::wstring ComboBox::text() const {
    if (style_ == ComboStyle::kPickOnly) return item(item_index());
    HWND edit = edit_handle();
    const int length = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), length + 1)));
    return text;
}

void ComboBox::set_text(const std::wstring& text) {
    SettingScope scope(setting_);
    SetWindowTextW(edit_handle(), text.c_str());
}

HWND ComboBox::edit_handle() const {
    if (style_ == ComboStyle::kPickOnly) return nullptr;
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(handle(), &info);
    return info.hwndItem;
}

int ComboBox::caret() const {
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(edit_handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return static_cast<int>(start);
}

void ComboBox::set_caret(int position) {
    SendMessageW(edit_handle(), EM_SETSEL, static_cast<WPARAM>(position), position);
}

void ComboBox::changed() {
    if (!setting_ && on_change) on_change();
}

LRESULT ComboBox::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (style_ == ComboStyle::kPickOnly) return pick_only_message(message, wparam, lparam);
    const LRESULT result = default_control_message(message, wparam, lparam);
    if (message == WM_PAINT && flat_) paint_flat_border();
    return result;
}

bool ComboBox::notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    switch (message) {
        case WM_COMMAND:
            switch (HIWORD(wparam)) {
                case CBN_SELCHANGE:
                    // The edit field takes the item's text only after this notification; the
                    // handler must already see it there.
                    if (style_ == ComboStyle::kEditable && !setting_) {
                        const int index = item_index();
                        if (index >= 0) set_text(item(index));
                    }
                    changed();
                    return true;
                case CBN_EDITCHANGE:
                    changed();
                    return true;
                default:
                    return false;
            }
        case WM_DRAWITEM:
            draw_item(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            result = TRUE;
            return true;
        case WM_MEASUREITEM:
            reinterpret_cast<MEASUREITEMSTRUCT*>(lparam)->itemHeight =
                static_cast<UINT>(item_height_);
            result = TRUE;
            return true;
        default:
            (void)wparam;
            return false;
    }
}

void ComboBox::draw_item(const DRAWITEMSTRUCT& di) {
    draw_item(di.hDC, di.rcItem, static_cast<int>(di.itemID), (di.itemState & ODS_SELECTED) != 0);
    if ((di.itemState & ODS_FOCUS) && !(di.itemState & ODS_NOFOCUSRECT)) {
        DrawFocusRect(di.hDC, &di.rcItem);
    }
}

void ComboBox::draw_item(HDC dc, const RECT& area, int index, bool highlighted) const {
    FillRect(dc, &area, GetSysColorBrush(highlighted ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    if (index < 0 || index >= item_count()) return;
    const std::wstring& text = items_[static_cast<std::size_t>(index)];
    SelectObjectScope font(
        dc, this->font() ? static_cast<HGDIOBJ>(this->font()) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT r = area;
    r.left += kTextIndent;
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void ComboBox::paint_flat_border() {
    // Over the native sunken frame: one shadow line, then the field colour.
    HDC dc = GetWindowDC(handle());
    RECT r;
    GetWindowRect(handle(), &r);
    OffsetRect(&r, -r.left, -r.top);
    FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
    InflateRect(&r, -1, -1);
    FrameRect(dc, &r, GetSysColorBrush(COLOR_WINDOW));
    ReleaseDC(handle(), dc);
}

// ---- The pick-only list ----

void ComboBox::paint_pick_only(HDC dc) const {
    RECT r;
    GetClientRect(handle(), &r);
    const bool enabled = IsWindowEnabled(handle()) != FALSE;
    if (flat_) {
        // One shadow line, then the field colour.
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
        InflateRect(&r, -1, -1);
        FrameRect(dc, &r, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
        InflateRect(&r, -1, -1);
    } else {
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    }
    RECT button = r;
    button.left = std::max(r.left, r.right - GetSystemMetrics(SM_CXVSCROLL));
    UINT button_state = DFCS_SCROLLCOMBOBOX;
    if (pick_.is_open()) button_state |= DFCS_PUSHED | DFCS_FLAT;
    if (!enabled) button_state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &button, DFC_SCROLL, button_state);
    RECT field = r;
    field.right = button.left;
    FillRect(dc, &field, GetSysColorBrush(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    // As the platform's list: the choice shows highlighted, with the focus cue, while the
    // closed list has the focus.
    const bool cue = enabled && !pick_.is_open() && GetFocus() == handle();
    InflateRect(&field, -1, -1);
    draw_item(dc, field, pick_.chosen(), cue);
    if (cue) DrawFocusRect(dc, &field);
}

void ComboBox::notify_parent(int code) {
    SendMessageW(GetParent(handle()), WM_COMMAND, MAKEWPARAM(id(), code),
                 reinterpret_cast<LPARAM>(handle()));
}

void ComboBox::after_choice_moved(bool changed) {
    if (drop_down_ && pick_.is_open()) drop_down_->refresh();
    if (!changed) return;
    InvalidateRect(handle(), nullptr, FALSE);
    notify_parent(CBN_SELCHANGE);
}

void ComboBox::user_chose(int index) {
    const bool changed = pick_.chosen() != index;
    if (changed) pick_.set_chosen(index);
    after_choice_moved(changed);
}

void ComboBox::open_list() {
    if (pick_.is_open() || !IsWindowEnabled(handle())) return;
    notify_parent(CBN_DROPDOWN);
    pick_.open(drop_down_count_);
    if (!drop_down_) drop_down_ = std::make_unique<DropDownList>(*this);
    RECT field;
    GetWindowRect(handle(), &field);
    drop_down_->show(field);
    InvalidateRect(handle(), nullptr, FALSE);
}

void ComboBox::close_list(bool take_highlight) {
    if (!pick_.is_open()) return;
    const int highlighted = pick_.hot();
    pick_.close();
    if (drop_down_) drop_down_->hide();
    InvalidateRect(handle(), nullptr, FALSE);
    if (take_highlight && highlighted >= 0) user_chose(highlighted);
    notify_parent(CBN_CLOSEUP);
}

bool ComboBox::key_down(WPARAM key) {
    if (is_pick_only_key(key)) {
        after_choice_moved(pick_.key(list_key(key)));
        return true;
    }
    switch (key) {
        case VK_F4:
            if (pick_.is_open())
                close_list(true);
            else
                open_list();
            return true;
        case VK_RETURN:
            if (!pick_.is_open()) return false;
            close_list(true);
            return true;
        case VK_ESCAPE:
            if (!pick_.is_open()) return false;
            close_list(false);
            return true;
        default:
            return false;
    }
}

LRESULT ComboBox::pick_only_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            const PaintScope paint(handle());
            paint_pick_only(paint.dc());
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_GETDLGCODE: {
            LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
            // The open list takes Enter and Escape, which would otherwise press the window's
            // default or cancel button.
            const auto* msg = reinterpret_cast<const MSG*>(lparam);
            if (msg && msg->message == WM_KEYDOWN && pick_.is_open() &&
                (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE))
                code |= DLGC_WANTMESSAGE;
            return code;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (GetFocus() != handle()) SetFocus(handle());
            // Focus can close the list or disable it through a handler; open only if still
            // in place.
            if (GetFocus() == handle()) {
                if (pick_.is_open())
                    close_list(false);
                else
                    open_list();
            }
            return 0;
        case WM_KEYDOWN:
            if (key_down(wparam)) return 0;
            break;
        case WM_SYSKEYDOWN:
            // Alt with Down or Up opens and closes the list.
            if (wparam == VK_DOWN || wparam == VK_UP) {
                key_down(VK_F4);
                return 0;
            }
            break;
        case WM_CHAR:
            // A pick-only list is chosen from, never searched by typing.
            return 0;
        case WM_MOUSEWHEEL: {
            wheel_delta_ += GET_WHEEL_DELTA_WPARAM(wparam);
            const int notches = wheel_delta_ / WHEEL_DELTA;
            wheel_delta_ -= notches * WHEEL_DELTA;
            after_choice_moved(pick_.wheel(notches));
            return 0;
        }
        case WM_SETFOCUS:
            InvalidateRect(handle(), nullptr, FALSE);
            notify_parent(CBN_SETFOCUS);
            return 0;
        case WM_KILLFOCUS:
            close_list(false);
            InvalidateRect(handle(), nullptr, FALSE);
            notify_parent(CBN_KILLFOCUS);
            return 0;
        case WM_ENABLE:
            if (!wparam) close_list(false);
            InvalidateRect(handle(), nullptr, FALSE);
            return 0;
        case WM_CANCELMODE:
            close_list(false);
            return 0;
        case WM_DESTROY:
            if (pick_.is_open()) pick_.close();
            drop_down_.reset();
            break;
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(text().size());
        case WM_GETTEXT: {
            if (wparam == 0) return 0;
            const std::wstring chosen = text();
            const std::size_t n = std::min<std::size_t>(chosen.size(), wparam - 1);
            auto* out = reinterpret_cast<wchar_t*>(lparam);
            std::copy_n(chosen.c_str(), n, out);
            out[n] = L'\0';
            return static_cast<LRESULT>(n);
        }
        // What accessibility tools and tests read of a combo box.
        case CB_GETCOUNT:
            return item_count();
        case CB_GETCURSEL:
            return pick_.chosen() < 0 ? CB_ERR : pick_.chosen();
        case CB_SETCURSEL:
            set_item_index(static_cast<int>(wparam));
            return pick_.chosen() < 0 ? CB_ERR : pick_.chosen();
        case CB_GETLBTEXTLEN:
            if (static_cast<int>(wparam) < 0 || static_cast<int>(wparam) >= item_count())
                return CB_ERR;
            return static_cast<LRESULT>(item(static_cast<int>(wparam)).size());
        case CB_GETLBTEXT: {
            if (static_cast<int>(wparam) < 0 || static_cast<int>(wparam) >= item_count())
                return CB_ERR;
            const std::wstring& text = items_[wparam];
            std::copy_n(text.c_str(), text.size() + 1, reinterpret_cast<wchar_t*>(lparam));
            return static_cast<LRESULT>(text.size());
        }
        case CB_GETITEMHEIGHT: {
            if (static_cast<int>(wparam) != -1) return item_height_;
            RECT client;
            GetClientRect(handle(), &client);
            return std::max<LONG>(1, client.bottom - 2 * kFieldFrame);
        }
        case CB_GETDROPPEDSTATE:
            return pick_.is_open() ? TRUE : FALSE;
        case CB_SHOWDROPDOWN:
            if (wparam)
                open_list();
            else
                close_list(false);
            return TRUE;
        default:
            break;
    }
    return default_control_message(message, wparam, lparam);
}

}  // namespace tolsy
