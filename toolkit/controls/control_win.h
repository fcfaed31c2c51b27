#pragma once
// Windowed controls: a native Win32 control (edit, button, tab control) created as a child,
// subclassed so the object sees its messages, and told its own notifications through the
// parent's reflection. A control may also be a window of a class of our own whose messages the
// object answers all by itself (the lists). Containers (group box, panel, tab sheet) are our own
// windows.
#include <windows.h>

#include <string>

#include "base/handles_win.h"
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

  private:
    static LRESULT CALLBACK subclass_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    HWND handle_ = nullptr;
    WNDPROC previous_ = nullptr;  // the native control's own procedure
    int id_ = 0;
    FontSpec font_spec_;
    UniqueFont font_;
};

// Our own child window that holds other controls: it paints its own look and passes its
// children's notifications back to them.
class Container : public Window {
  public:
    void create_container(const Bounds& bounds, HWND parent, DWORD extra_style = 0);
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
