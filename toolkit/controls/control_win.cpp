#include "toolkit/controls/control_win.h"

#include <stdexcept>

#include "base/handles_win.h"
#include "base/windows1252_win.h"
#include "toolkit/controls/application_win.h"
#include "toolkit/controls/window_table_win.h"

namespace tolsy {

namespace {
constexpr int kFirstControlId = 1000;
// Background of all our windows: the button face, as the main window's.
constexpr int kBackgroundColor = COLOR_BTNFACE;

// A native control's procedure is replaced by NativeControl::subclass_proc; the control's
// object and the procedure it replaced are kept here by handle until the window is gone. The
// object is cleared when it goes first, and the window's last messages go to the old procedure.
struct Subclassed {
    NativeControl* control = nullptr;
    WNDPROC previous = nullptr;
};

// Never freed: windows may still receive messages while the process ends.
WindowTable<Subclassed>& subclassed() {
    static auto* table = new WindowTable<Subclassed>;
    return *table;
}
}  // namespace

int next_control_id() {
    static int next = kFirstControlId;
    return next++;
}

NativeControl::~NativeControl() {
    if (handle_) {
        subclassed().set(handle_, {nullptr, previous_});
        attach_reflector(handle_, nullptr);
        DestroyWindow(handle_);
    }
}

void NativeControl::create_native(const wchar_t* window_class, const std::wstring& text,
                                  DWORD style, DWORD ex_style, const Bounds& b, HWND parent) {
    id_ = next_control_id();
    handle_ = CreateWindowExW(ex_style, window_class, text.c_str(), style | WS_CHILD | WS_VISIBLE,
                              b.left, b.top, b.width, b.height, parent,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)),
                              GetModuleHandleW(nullptr), nullptr);
    if (!handle_) throw std::runtime_error("Cannot create control");
    attach_reflector(handle_, this);
    // Kept before the procedure is replaced: the new procedure finds it on its first message.
    previous_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(handle_, GWLP_WNDPROC));
    subclassed().set(handle_, {this, previous_});
    SetWindowLongPtrW(handle_, GWLP_WNDPROC,
                      reinterpret_cast<LONG_PTR>(&NativeControl::subclass_proc));
    if (font_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
}

void NativeControl::set_font(const FontSpec& font) {
    font_spec_ = font;
    font_.reset(create_font(font));
    if (handle_) SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void NativeControl::focus() {
    SetFocus(handle_);
}

bool NativeControl::focused() const {
    HWND focus = GetFocus();
    return focus && (focus == handle_ || IsChild(handle_, focus));
}

void NativeControl::set_enabled(bool enabled) {
    EnableWindow(handle_, enabled ? TRUE : FALSE);
}

bool NativeControl::reflected(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    return notification(message, wparam, lparam, result);
}

bool NativeControl::notification(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT NativeControl::paint_owner_drawn_into(HDC dc) {
    const LRESULT state = SendMessageW(handle_, BM_GETSTATE, 0, 0);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(handle_));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = ((state & BST_FOCUS) != 0 ? ODS_FOCUS : 0) |
                     ((state & BST_PUSHED) != 0 ? ODS_SELECTED : 0) |
                     (IsWindowEnabled(handle_) ? 0 : ODS_DISABLED);
    item.hwndItem = handle_;
    item.hDC = dc;
    GetClientRect(handle_, &item.rcItem);
    if (font_) SelectObject(dc, font_.get());
    SetBkMode(dc, OPAQUE);
    SendMessageW(GetParent(handle_), WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(handle_));
    LRESULT result = 0;
    reflected(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item), result);
    return kPaintedInto;
}

LRESULT NativeControl::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    return default_control_message(message, wparam, lparam);
}

LRESULT NativeControl::default_control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    // As for our own windows (Window::default_message): no frame, nothing to paint around it.
    if (message == WM_NCPAINT && without_frame(handle_)) return 0;
    return CallWindowProcW(previous_, handle_, message, wparam, lparam);
}

LRESULT CALLBACK NativeControl::subclass_proc(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
    const Subclassed found = subclassed().find(window);
    if (found.previous == nullptr) return DefWindowProcW(window, message, wparam, lparam);
    NativeControl* self = found.control;
    if (message == WM_NCDESTROY) {
        subclassed().erase(window);
        if (self) {
            attach_reflector(window, nullptr);
            self->handle_ = nullptr;
        }
        return CallWindowProcW(found.previous, window, message, wparam, lparam);
    }
    if (self == nullptr) return CallWindowProcW(found.previous, window, message, wparam, lparam);
    LRESULT result = 0;
    bool answered = false;
    Application::instance().guarded([&] {
        result = self->control_message(message, wparam, lparam);
        answered = true;
    });
    return answered ? result : CallWindowProcW(found.previous, window, message, wparam, lparam);
}

Box::~Box() {
    if (host_ != nullptr) host_->remove_box(*this);
}

void Box::place(const Bounds& bounds, Window& host) {
    if (host_ != nullptr) host_->remove_box(*this);
    bounds_ = bounds;
    host_ = &host;
    host.add_box(*this);
}

RECT Box::rect() const {
    return RECT{bounds_.left, bounds_.top, bounds_.left + bounds_.width,
                bounds_.top + bounds_.height};
}

void Box::set_caption(const std::string& caption) {
    caption_ = caption;
    repaint();
}

void Box::set_font(const FontSpec& font) {
    font_.reset(create_font(font));
    repaint();
}

bool Box::paint_look(Canvas&) const {
    return false;
}

void Box::repaint() const {
    const RECT r = rect();
    if (HWND window = host()) InvalidateRect(window, &r, TRUE);
}

// The boxes are painted last first: where two overlap, the one placed first lies on top, as the
// first of sibling windows does.
void paint_boxes(const Window& host, HDC dc) {
    const auto& boxes = host.boxes();
    for (auto it = boxes.rbegin(); it != boxes.rend(); ++it) (*it)->paint(dc);
}

bool paint_box_looks(const Window& host, Canvas& canvas) {
    bool all = true;
    const auto& boxes = host.boxes();
    for (auto it = boxes.rbegin(); it != boxes.rend(); ++it) all = (*it)->paint_look(canvas) && all;
    return all;
}

void Container::create_container(const Bounds& b, HWND parent) {
    create(WS_EX_CONTROLPARENT, windows1252_to_wide(caption_).c_str(),
           WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, b.left, b.top, b.width, b.height, parent,
           nullptr);
    if (!handle()) throw std::runtime_error("Cannot create control");
}

void Container::set_caption(const std::string& caption) {
    caption_ = caption;
    if (handle()) InvalidateRect(handle(), nullptr, TRUE);
}

void Container::set_font(const FontSpec& font) {
    font_.reset(create_font(font));
    if (handle()) InvalidateRect(handle(), nullptr, TRUE);
}

void Container::fill_background(HDC dc, const RECT& area) const {
    FillRect(dc, &area, GetSysColorBrush(kBackgroundColor));
}

void Container::paint(HDC dc, const RECT& client) {
    fill_background(dc, client);
    paint_boxes(*this, dc);
}

LRESULT Container::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const PaintScope paint_scope(handle());
            RECT client;
            GetClientRect(handle(), &client);
            paint(paint_scope.dc(), client);
            return 0;
        }
        case kPaintIntoMessage: {
            RECT client;
            GetClientRect(handle(), &client);
            paint(reinterpret_cast<HDC>(wparam), client);
            return kPaintedInto;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            LRESULT result = 0;
            if (reflect_to_child(handle(), message, wparam, lparam, result)) return result;
            SetBkColor(reinterpret_cast<HDC>(wparam), GetSysColor(kBackgroundColor));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(kBackgroundColor));
        }
        default:
            break;
    }
    return Window::handle_message(message, wparam, lparam);
}

}  // namespace tolsy
