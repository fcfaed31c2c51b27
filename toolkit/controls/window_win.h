#pragma once
// Base of all our native windows. One window procedure serves them all: the object arrives
// through lpCreateParams, is found by handle afterwards and gets every message through
// handle_message. No C++ exception unwinds through the window procedure.
#include <windows.h>

#include <vector>

namespace tolsy {

class Box;

// Native controls send their notifications (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_MEASUREITEM,
// WM_CTLCOLOR*) to their parent. Our windows hand them back to the control's own object when one
// is attached to the child, so each control handles its own notifications.
class MessageReflector {
  public:
    virtual ~MessageReflector() = default;
    // Returns true when the notification was handled; result is then the answer.
    virtual bool reflected(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) = 0;
};

void attach_reflector(HWND child, MessageReflector* reflector);  // not owned; null detaches
// True when the window has no non-client area: its client area is all of it.
bool without_frame(HWND window);
MessageReflector* reflector_of(HWND child);
// Finds the child a parent notification is about and lets its reflector answer.
bool reflect_to_child(HWND parent, UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

// Asks a window to paint its client area into the device context in wparam, whose origin is the
// window's client origin and whose clipping is the part of the window that shows, as its own
// paint would (a window whose region cuts its shape keeps to the region). A window that did
// answers kPaintedInto; any other answer leaves it to paint itself.
inline constexpr UINT kPaintIntoMessage = WM_APP + 0x0C00;
inline constexpr LRESULT kPaintedInto = 0x7A1;

// Clips `dc`, set up as for kPaintIntoMessage, to the window's region when it has one.
void clip_to_window_region(HWND window, HDC dc);

// Paints the visible windows inside `window` that answer kPaintIntoMessage onto `dc` (a device
// context of `window`'s client area that does not leave its children out), from the bottom of
// the stacking order up, and marks them painted; the others are left to paint themselves.
// Under Wine a child's own paint costs several requests to the window server (its update
// region, its device context, its erase and its paint) where this costs one.
void paint_children_at_once(HWND window, HDC dc);

// The program's icon at the platform's small-icon size, loaded once. It is our window classes'
// small icon (without one the platform makes a copy of the large icon for each class, loading it
// from the program again) and the one the skinned frame draws in its caption.
HICON program_small_icon();

class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND handle() const { return handle_; }

    // Registers (once) the one window class all our windows share.
    static const wchar_t* class_name();
    // Registers a class of our own windows under a name of its own, for a window that other
    // programs (accessibility tools, the end-to-end tests) should tell apart by its class.
    static void register_class(const wchar_t* name);
    // Finds the object behind one of our windows, or null.
    static Window* from_handle(HWND window);

    // The group boxes and panels that lie on this window. They have no window of their own:
    // this window paints them beneath its child windows. A box leaves the list when it goes, and
    // a window that goes first lets its boxes know.
    void add_box(Box& box) { boxes_.push_back(&box); }
    void remove_box(const Box& box);
    const std::vector<Box*>& boxes() const { return boxes_; }

  protected:
    // Creates the native window with this object behind it, of the shared class unless another
    // class of our own (`register_class`) is named.
    void create(DWORD ex_style, const wchar_t* caption, DWORD style, int x, int y, int width,
                int height, HWND parent, HMENU menu_or_id, const wchar_t* window_class = nullptr);
    // Messages of this window; the default passes them to DefWindowProc.
    virtual LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT default_message(UINT message, WPARAM wparam, LPARAM lparam);
    // Called once the native window is gone (WM_NCDESTROY).
    virtual void on_destroyed() {}

  private:
    static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    HWND handle_ = nullptr;
    std::vector<Box*> boxes_;
};

}  // namespace tolsy
