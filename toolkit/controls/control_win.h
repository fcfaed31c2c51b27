#pragma once
// Windowed controls: a native Win32 control (edit, button, tab control) created as a child,
// subclassed so the object sees its messages, and told its own notifications through the
// parent's reflection. A control may also be a window of a class of our own whose messages the
// object answers all by itself (the lists). Containers that take part in the keyboard or the
// mouse (the tab sheets) are our own windows; the group boxes and the panel are boxes painted by
// the window they lie on.
#include <windows.h>

#include <string>

#include "base/handles_win.h"
#include "picture/canvas.h"
#include "toolkit/controls/form_win.h"
#include "toolkit/controls/window_win.h"

namespace tolsy {

struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// A fresh id for a child control; ids are unique in the process so that dialog navigation and
// the default button find exactly one control.
int next_control_id();

class NativeControl : public MessageReflector {
  public:
    NativeControl() = default;
    NativeControl(const NativeControl&) = delete;
    NativeControl& operator=(const NativeControl&) = delete;
    ~NativeControl() override;

    HWND handle() const { return handle_; }
    int id() const { return id_; }
    void set_font(const FontSpec& font);
    HFONT font() const { return font_.get(); }
    const FontSpec& font_spec() const { return font_spec_; }
    void focus();
    bool focused() const;
    void set_enabled(bool enabled);

    bool reflected(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  protected:
    void create_native(const wchar_t* window_class, const std::wstring& text, DWORD style,
                       DWORD ex_style, const Bounds& bounds, HWND parent);
    // Messages sent to the native control; the default passes them on.
    virtual LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT default_control_message(UINT message, WPARAM wparam, LPARAM lparam);
    // Notifications the control sent to its parent; return true when answered.
    virtual bool notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
    // Answers kPaintIntoMessage for an owner-drawn button: draws as the platform's button does
    // for its paint, through WM_DRAWITEM with the button's state. (The platform's own print
    // clips to the wrong place once the device context's origin has moved.)
    LRESULT paint_owner_drawn_into(HDC dc);

  private:
    static LRESULT CALLBACK subclass_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    HWND handle_ = nullptr;
    WNDPROC previous_ = nullptr;  // the native control's own procedure
    int id_ = 0;
    FontSpec font_spec_;
    UniqueFont font_;
};

// A group box or a panel: a container with no window of its own. Its controls are made on the
// window it lies on, its host, offset by its place, and the host paints the box beneath them.
// Under Wine every child window costs start-up its creation, a non-client paint, an erase and a
// paint, and a box needs none of them: it takes neither the keyboard nor the mouse.
class Box {
  public:
    Box() = default;
    Box(const Box&) = delete;
    Box& operator=(const Box&) = delete;
    virtual ~Box();

    // Puts the box on `host` at `bounds` (the host's client coordinates).
    void place(const Bounds& bounds, Window& host);
    HWND host() const { return host_ != nullptr ? host_->handle() : nullptr; }
    const Bounds& bounds() const { return bounds_; }
    RECT rect() const;
    void set_caption(const std::string& caption);
    const std::string& caption() const { return caption_; }
    void set_font(const FontSpec& font);
    HFONT font() const { return font_.get(); }

    // The toolkit's look, onto the host's device context, over the host's background.
    virtual void paint(HDC dc) const = 0;
    // The look a layer above the toolkit draws (the theme's), into a canvas in the host's client
    // coordinates over what lies behind the box; false when it has none, and the toolkit's look
    // is painted instead.
    virtual bool paint_look(Canvas& canvas) const;

    // Told by the host when its window object goes before the box.
    void forget_host() { host_ = nullptr; }

  protected:
    // Has the host paint the box again, its background with it.
    void repaint() const;

  private:
    Window* host_ = nullptr;
    Bounds bounds_;
    std::string caption_;
    UniqueFont font_;
};

// Paints the toolkit's look of the boxes on `host`.
void paint_boxes(const Window& host, HDC dc);
// Paints the boxes on `host` into a canvas in its client coordinates, each in the look of the
// layer above the toolkit; false when one of them has none (and was left out).
bool paint_box_looks(const Window& host, Canvas& canvas);

// Our own child window that holds other controls: it paints its own look and the boxes on it,
// and passes its children's notifications back to them.
class Container : public Window {
  public:
    // Made hidden: its owner shows it when it is wanted.
    void create_container(const Bounds& bounds, HWND parent);
    void set_caption(const std::string& caption);
    const std::string& caption() const { return caption_; }
    void set_font(const FontSpec& font);
    HFONT font() const { return font_.get(); }

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    // Paints the background and the container's own decoration.
    virtual void paint(HDC dc, const RECT& client);
    void fill_background(HDC dc, const RECT& area) const;

  private:
    std::string caption_;
    UniqueFont font_;
};

}  // namespace tolsy
