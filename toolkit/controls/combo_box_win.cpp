#include "toolkit/controls/combo_box_win.h"

#include <windowsx.h>

#include <algorithm>
#include <optional>

#include "toolkit/controls/drop_down_list_win.h"

namespace tolsy {

namespace {
// The selection field's height a list reports, as a combo box does: inside a 3-pixel frame at
// top and bottom.
constexpr int kFieldFrame = 3;
constexpr int kTextIndent = 2;
constexpr wchar_t kListClass[] = L"TolsyList";

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

// The lists' window class; the object answers all its messages through the subclassing every
// control gets, so the class itself only needs the platform's default.
const wchar_t* list_class() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = &DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kListClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
    return kListClass;
}

// The list's move for a key, if the key moves the choice. An editable list's field keeps the
// keys that move its caret.
std::optional<ListKey> list_key(WPARAM key, bool editable) {
    switch (key) {
        case VK_UP:
            return ListKey::kUp;
        case VK_DOWN:
            return ListKey::kDown;
        case VK_PRIOR:
            return ListKey::kPageUp;
        case VK_NEXT:
            return ListKey::kPageDown;
        case VK_LEFT:
            return editable ? std::nullopt : std::optional(ListKey::kUp);
        case VK_RIGHT:
            return editable ? std::nullopt : std::optional(ListKey::kDown);
        case VK_HOME:
            return editable ? std::nullopt : std::optional(ListKey::kHome);
        case VK_END:
            return editable ? std::nullopt : std::optional(ListKey::kEnd);
        default:
            return std::nullopt;
    }
}

// Whether the key message the dialog manager asks about is Enter or Escape, which an open list
// takes before they press the window's default or cancel button.
bool closes_open_list(LPARAM asked) {
    const auto* msg = reinterpret_cast<const MSG*>(asked);
    return msg && msg->message == WM_KEYDOWN &&
           (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE);
}
}  // namespace

// The editable list's edit field: the platform's edit, whose keys for the list and focus the
// list hears first.
class ComboBox::EditField : public NativeControl {
  public:
    explicit EditField(ComboBox& owner) : owner_(owner) {}
    void create(const Bounds& bounds, HWND parent) {
        create_native(L"EDIT", L"", ES_AUTOHSCROLL | ES_LEFT, 0, bounds, parent);
    }

  protected:
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override {
        LRESULT result = 0;
        if (message == WM_GETDLGCODE) {
            result = default_control_message(message, wparam, lparam);
            if (owner_.pick_.is_open() && closes_open_list(lparam)) result |= DLGC_WANTMESSAGE;
            return result;
        }
        if (message == kPaintIntoMessage) {
            // The platform's field paints into a device context it is given as for its paint;
            // its background first, which a field may leave to its erase.
            default_control_message(WM_ERASEBKGND, wparam, 0);
            default_control_message(WM_PRINTCLIENT, wparam, PRF_CLIENT);
            return kPaintedInto;
        }
        if (owner_.field_message(message, wparam, lparam, result)) return result;
        return default_control_message(message, wparam, lparam);
    }

  private:
    ComboBox& owner_;
};

ComboBox::ComboBox(ComboStyle style) : style_(style) {}

ComboBox::~ComboBox() {
    // The edit field and the drop-down list go first, already out of this object's reach: the
    // list's window, still here, may be told of them going (the focus handed back to it).
    auto field = std::move(field_);
    auto drop_down = std::move(drop_down_);
}

void ComboBox::create(const Bounds& bounds, HWND parent) {
    create_native(list_class(), L"", WS_TABSTOP | WS_CLIPCHILDREN, 0, bounds, parent);
    if (style_ == ComboStyle::kPickOnly) return;
    // The edit field fills the frame up to the drop button, less a pixel all round.
    RECT r = inside_frame();
    r.right = button_rect().left;
    InflateRect(&r, -1, -1);
    field_ = std::make_unique<EditField>(*this);
    field_->create(
        {r.left, r.top, std::max<LONG>(0, r.right - r.left), std::max<LONG>(0, r.bottom - r.top)},
        handle());
    if (font()) SendMessageW(field_->handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
}

void ComboBox::set_items(const std::vector<std::wstring>& items) {
    items_ = items;
    pick_.set_count(static_cast<int>(items_.size()));
    if (pick_.is_open()) close_list(false);
    InvalidateRect(handle(), nullptr, FALSE);
}

int ComboBox::item_count() const {
    return static_cast<int>(items_.size());
}

std::wstring ComboBox::item(int index) const {
    if (index < 0 || index >= item_count()) return {};
    return items_[static_cast<std::size_t>(index)];
}

int ComboBox::item_index() const {
    return pick_.chosen();
}

void ComboBox::set_item_index(int index) {
    SettingScope scope(setting_);
    pick_.set_chosen(index);
    // As the platform's editable list, the edit field shows the item chosen, or nothing.
    if (field_) set_text(item(pick_.chosen()));
    InvalidateRect(handle(), nullptr, FALSE);
    if (drop_down_ && pick_.is_open()) drop_down_->refresh();
}

std::wstring ComboBox::text() const {
    if (!field_) return item(item_index());
    HWND edit = field_->handle();
    const int length = GetWindowTextLengthW(edit);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(edit, text.data(), length + 1)));
    return text;
}

void ComboBox::set_text(const std::wstring& text) {
    if (!field_) return;
    SettingScope scope(setting_);
    SetWindowTextW(field_->handle(), text.c_str());
}

HWND ComboBox::edit_handle() const {
    return field_ ? field_->handle() : nullptr;
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

bool ComboBox::notification(UINT message, WPARAM wparam, LPARAM, LRESULT&) {
    if (message != WM_COMMAND) return false;
    switch (HIWORD(wparam)) {
        case CBN_SELCHANGE:
            // An editable list's handler sees the picked item's text in the edit field, all of
            // it selected while the field has the focus, as the platform's list leaves it.
            if (field_ && !setting_) {
                const int index = item_index();
                if (index >= 0) set_text(item(index));
                if (GetFocus() == field_->handle())
                    SendMessageW(field_->handle(), EM_SETSEL, 0, -1);
            }
            changed();
            return true;
        case CBN_EDITCHANGE:
            changed();
            return true;
        default:
            return false;
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

RECT ComboBox::inside_frame() const {
    RECT r;
    GetClientRect(handle(), &r);
    InflateRect(&r, -2, -2);
    return r;
}

RECT ComboBox::button_rect() const {
    RECT r = inside_frame();
    r.left = std::max(r.left, r.right - GetSystemMetrics(SM_CXVSCROLL));
    return r;
}

void ComboBox::paint(HDC dc) const {
    RECT r;
    GetClientRect(handle(), &r);
    const bool enabled = IsWindowEnabled(handle()) != FALSE;
    const int field_colour = enabled ? COLOR_WINDOW : COLOR_BTNFACE;
    if (flat_) {
        // One shadow line, then the field colour.
        FrameRect(dc, &r, GetSysColorBrush(COLOR_BTNSHADOW));
        InflateRect(&r, -1, -1);
        FrameRect(dc, &r, GetSysColorBrush(field_colour));
    } else {
        DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
    }
    RECT button = button_rect();
    UINT button_state = DFCS_SCROLLCOMBOBOX;
    if (pick_.is_open()) button_state |= DFCS_PUSHED | DFCS_FLAT;
    if (!enabled) button_state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &button, DFC_SCROLL, button_state);
    RECT field = inside_frame();
    field.right = button.left;
    FillRect(dc, &field, GetSysColorBrush(field_colour));
    if (field_) return;  // the edit field shows the text
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

void ComboBox::focus_changed(bool gained) {
    if (!gained) close_list(false);
    InvalidateRect(handle(), nullptr, FALSE);
    notify_parent(gained ? CBN_SETFOCUS : CBN_KILLFOCUS);
}

bool ComboBox::key_down(WPARAM key) {
    if (const std::optional<ListKey> move = list_key(key, field_ != nullptr)) {
        after_choice_moved(pick_.key(*move));
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

LRESULT ComboBox::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            const PaintScope paint_scope(handle());
            paint(paint_scope.dc());
            return 0;
        }
        case kPaintIntoMessage:
            paint(reinterpret_cast<HDC>(wparam));
            return kPaintedInto;
        case WM_ERASEBKGND:
            return 1;
        case WM_GETDLGCODE: {
            LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
            if (pick_.is_open() && closes_open_list(lparam)) code |= DLGC_WANTMESSAGE;
            return code;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            HWND focus_to = field_ ? field_->handle() : handle();
            if (GetFocus() != focus_to) SetFocus(focus_to);
            // An editable list opens from its drop button only; a pick-only list from anywhere.
            const POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            const RECT button = button_rect();
            if (field_ && !PtInRect(&button, at)) return 0;
            // Taking the focus may have run a handler that disabled or moved the list.
            if (GetFocus() == focus_to) {
                if (pick_.is_open())
                    close_list(false);
                else
                    open_list();
            }
            return 0;
        }
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
            if (field_) {
                // Tabbed into: the edit field takes the focus with all its text selected.
                SetFocus(field_->handle());
                SendMessageW(field_->handle(), EM_SETSEL, 0, -1);
                return 0;
            }
            focus_changed(true);
            return 0;
        case WM_KILLFOCUS:
            if (!field_) focus_changed(false);
            return 0;
        case WM_ENABLE:
            if (!wparam) close_list(false);
            if (field_) EnableWindow(field_->handle(), static_cast<BOOL>(wparam));
            InvalidateRect(handle(), nullptr, FALSE);
            return 0;
        case WM_SETFONT:
            // The list draws its items in the font the object keeps; only the edit field needs
            // to be told.
            if (field_) SendMessageW(field_->handle(), message, wparam, lparam);
            if (LOWORD(lparam)) InvalidateRect(handle(), nullptr, FALSE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(font());
        case WM_COMMAND:
            // The user's edits of the edit field; the program's own are no change.
            if (field_ && reinterpret_cast<HWND>(lparam) == field_->handle() &&
                HIWORD(wparam) == EN_CHANGE && !setting_)
                notify_parent(CBN_EDITCHANGE);
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
            const std::wstring shown = text();
            const std::size_t n = std::min<std::size_t>(shown.size(), wparam - 1);
            auto* out = reinterpret_cast<wchar_t*>(lparam);
            std::copy_n(shown.c_str(), n, out);
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
            return static_cast<LRESULT>(items_[wparam].size());
        case CB_GETLBTEXT: {
            if (static_cast<int>(wparam) < 0 || static_cast<int>(wparam) >= item_count())
                return CB_ERR;
            const std::wstring& item_text = items_[wparam];
            std::copy_n(item_text.c_str(), item_text.size() + 1,
                        reinterpret_cast<wchar_t*>(lparam));
            return static_cast<LRESULT>(item_text.size());
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

bool ComboBox::field_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    result = 0;
    switch (message) {
        case WM_KEYDOWN:
            return key_down(wparam);
        case WM_SYSKEYDOWN:
            if (wparam != VK_DOWN && wparam != VK_UP) return false;
            key_down(VK_F4);
            return true;
        case WM_CHAR:
            // Enter and Escape reach the field only after they closed the open list; a
            // one-line field has nothing to do with them.
            return wparam == L'\r' || wparam == 27;
        case WM_MOUSEWHEEL:
            result = control_message(message, wparam, lparam);
            return true;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            focus_changed(message == WM_SETFOCUS);
            return false;
        default:
            return false;
    }
}

}  // namespace tolsy
