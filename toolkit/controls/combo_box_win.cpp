#include "toolkit/controls/combo_box_win.h"

#include <algorithm>

namespace tolsy {

namespace {
// A combo box's selection field sits inside a 3-pixel frame at top and bottom.
constexpr int kFieldFrame = 3;
constexpr int kTextIndent = 2;

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
}  // namespace

void ComboBox::create(const Bounds& bounds, HWND parent) {
    DWORD style =
        WS_TABSTOP | WS_VSCROLL | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS | CBS_NOINTEGRALHEIGHT;
    style |= style_ == ComboStyle::kPickOnly ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL;
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
    return static_cast<int>(SendMessageW(handle(), CB_GETCOUNT, 0, 0));
}

std::wstring ComboBox::item(int index) const {
    const LRESULT length = SendMessageW(handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT got = SendMessageW(handle(), CB_GETLBTEXT, static_cast<WPARAM>(index),
                                     reinterpret_cast<LPARAM>(text.data()));
    text.resize(got == CB_ERR ? 0 : static_cast<std::size_t>(got));
    return text;
}

int ComboBox::item_index() const {
    return static_cast<int>(SendMessageW(handle(), CB_GETCURSEL, 0, 0));
}

void ComboBox::set_item_index(int index) {
    SettingScope scope(setting_);
    SendMessageW(handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::wstring ComboBox::text() const {
    if (style_ == ComboStyle::kPickOnly) {
        const int index = item_index();
        return index < 0 ? std::wstring() : item(index);
    }
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
    // A pick-only list is chosen from, never searched by typing.
    if (message == WM_CHAR && style_ == ComboStyle::kPickOnly) return 0;
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
    HDC dc = di.hDC;
    const bool selected = (di.itemState & ODS_SELECTED) != 0;
    const int back = selected ? COLOR_HIGHLIGHT : COLOR_WINDOW;
    FillRect(dc, &di.rcItem, GetSysColorBrush(back));
    if (di.itemID != static_cast<UINT>(-1)) {
        const std::wstring text = item(static_cast<int>(di.itemID));
        SelectObjectScope font(dc, this->font() ? static_cast<HGDIOBJ>(this->font())
                                                : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        RECT r = di.rcItem;
        r.left += kTextIndent;
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if ((di.itemState & ODS_FOCUS) && !(di.itemState & ODS_NOFOCUSRECT)) {
        DrawFocusRect(dc, &di.rcItem);
    }
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

}  // namespace tolsy
