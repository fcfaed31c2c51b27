#include "toolkit/controls/window_win.h"

#include <algorithm>

#include "base/handles_win.h"
#include "toolkit/controls/application_win.h"
#include "toolkit/controls/control_win.h"
#include "toolkit/controls/window_table_win.h"

namespace tolsy {

namespace {
constexpr wchar_t kWindowClass[] = L"TolsyWindow";

// Never freed: controls may still be told of their destruction while the process ends.
WindowTable<MessageReflector*>& reflectors() {
    static auto* table = new WindowTable<MessageReflector*>;
    return *table;
}

HWND notifying_child(HWND parent, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            return reinterpret_cast<HWND>(lparam);
        case WM_NOTIFY:
            return reinterpret_cast<const NMHDR*>(lparam)->hwndFrom;
        case WM_DRAWITEM:
            return wparam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)->hwndItem : nullptr;
        case WM_MEASUREITEM:
            return wparam ? GetDlgItem(parent, static_cast<int>(wparam)) : nullptr;
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORSCROLLBAR:
            return reinterpret_cast<HWND>(lparam);
        default:
            return nullptr;
    }
}
}  // namespace

void attach_reflector(HWND child, MessageReflector* reflector) {
    if (reflector)
        reflectors().set(child, reflector);
    else
        reflectors().erase(child);
}

MessageReflector* reflector_of(HWND child) {
    return reflectors().find(child);
}

bool reflect_to_child(HWND parent, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    HWND child = notifying_child(parent, message, wparam, lparam);
    if (!child || child == parent) return false;
    MessageReflector* reflector = reflector_of(child);
    return reflector && reflector->reflected(message, wparam, lparam, result);
}

Window::~Window() {
    for (Box* box : boxes_) box->forget_host();
    if (handle_) {
        // Detach first so the destruction messages no longer reach a half-destroyed object.
        SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
        DestroyWindow(handle_);
        handle_ = nullptr;
    }
}

HICON program_small_icon() {
    static const HICON icon = static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), L"MAINICON", IMAGE_ICON,
                   GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    return icon;
}

void Window::register_class(const wchar_t* name) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = &Window::window_proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), L"MAINICON");
    wc.hIconSm = program_small_icon();
    wc.hbrBackground = nullptr;  // each window paints its own background
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

const wchar_t* Window::class_name() {
    static const bool registered = (register_class(kWindowClass), true);
    (void)registered;
    return kWindowClass;
}

void Window::remove_box(const Box& box) {
    boxes_.erase(std::remove(boxes_.begin(), boxes_.end(), &box), boxes_.end());
}

Window* Window::from_handle(HWND window) {
    return reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

void Window::create(DWORD ex_style, const wchar_t* caption, DWORD style, int x, int y, int width,
                    int height, HWND parent, HMENU menu_or_id, const wchar_t* window_class) {
    CreateWindowExW(ex_style, window_class ? window_class : class_name(), caption, style, x, y,
                    width, height, parent, menu_or_id, GetModuleHandleW(nullptr), this);
}

bool without_frame(HWND window) {
    RECT outer;
    RECT inner;
    if (!GetWindowRect(window, &outer) || !GetClientRect(window, &inner)) return false;
    return outer.right - outer.left == inner.right && outer.bottom - outer.top == inner.bottom;
}

void clip_to_window_region(HWND window, HDC dc) {
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    if (!region || GetWindowRgn(window, region.get()) == ERROR) return;
    // The region is in window coordinates and the clip in the device's.
    POINT client{0, 0};
    MapWindowPoints(window, nullptr, &client, 1);
    RECT outer;
    GetWindowRect(window, &outer);
    POINT origin{};
    GetViewportOrgEx(dc, &origin);
    OffsetRgn(region.get(), origin.x - (client.x - outer.left), origin.y - (client.y - outer.top));
    ExtSelectClipRgn(dc, region.get(), RGN_AND);
}

namespace {

// A window inside the one painted, with the window it lies directly on.
struct Inside {
    HWND parent;
    HWND window;
};

BOOL CALLBACK collect_inside(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<Inside>*>(windows)->push_back({GetParent(window), window});
    return TRUE;
}

// `inside` lists each window's children in their stacking order from the top. (The platform's
// enumeration asks the window server for each window's children once; walking them with
// GetWindow asks it at every step, twice as often for the main window.)
void paint_level(HWND top, HWND parent, const std::vector<Inside>& inside, HDC dc,
                 std::vector<HWND>& painted) {
    // From the bottom of the stacking order up, so a window above paints over one below.
    for (auto it = inside.rbegin(); it != inside.rend(); ++it) {
        if (it->parent != parent) continue;
        const HWND child = it->window;
        if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) == 0) continue;
        POINT origin{0, 0};
        MapWindowPoints(child, top, &origin, 1);
        RECT client;
        GetClientRect(child, &client);
        const int outer = SaveDC(dc);
        SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
        IntersectClipRect(dc, 0, 0, client.right, client.bottom);
        // The child may leave the device context clipped or changed; its own children start
        // from its client area.
        const int inner = SaveDC(dc);
        if (SendMessageW(child, kPaintIntoMessage, reinterpret_cast<WPARAM>(dc), 0) == kPaintedInto)
            painted.push_back(child);
        RestoreDC(dc, inner);
        paint_level(top, child, inside, dc, painted);
        RestoreDC(dc, outer);
    }
}

}  // namespace

void paint_children_at_once(HWND window, HDC dc) {
    std::vector<Inside> inside;
    EnumChildWindows(window, &collect_inside, reinterpret_cast<LPARAM>(&inside));
    std::vector<HWND> painted;
    paint_level(window, window, inside, dc, painted);
    for (HWND child : painted) {
        // Painted: no erase and no paint of its own. A frame is left to its own paint.
        if (without_frame(child)) {
            RedrawWindow(child, nullptr, nullptr,
                         RDW_VALIDATE | RDW_NOERASE | RDW_NOFRAME | RDW_NOCHILDREN);
        } else {
            RECT client;
            GetClientRect(child, &client);
            RedrawWindow(child, &client, nullptr, RDW_VALIDATE | RDW_NOERASE | RDW_NOCHILDREN);
        }
    }
}

LRESULT Window::default_message(UINT message, WPARAM wparam, LPARAM lparam) {
    // A window without a frame has nothing to paint outside its client area; the platform's
    // default would still make a device context for it (under Wine several requests to the
    // window server, for every child at the window's first show).
    if (message == WM_NCPAINT && without_frame(handle_)) return 0;
    return DefWindowProcW(handle_, message, wparam, lparam);
}

LRESULT Window::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = 0;
    if (reflect_to_child(handle_, message, wparam, lparam, result)) return result;
    return default_message(message, wparam, lparam);
}

LRESULT CALLBACK Window::window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
        self = static_cast<Window*>(create->lpCreateParams);
        self->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = from_handle(window);
    }
    if (!self) return DefWindowProcW(window, message, wparam, lparam);

    LRESULT result = 0;
    bool answered = false;
    Application::instance().guarded([&] {
        result = self->handle_message(message, wparam, lparam);
        answered = true;
    });
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        self->on_destroyed();
    }
    // A handler that failed leaves the message to the platform's default handling.
    return answered ? result : DefWindowProcW(window, message, wparam, lparam);
}

}  // namespace tolsy
