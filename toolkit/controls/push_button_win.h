#pragma once
// A push button showing a 16 x 16 glyph left of its caption. The glyph image is 32 x 16: the
// normal glyph, then the one shown while the button is disabled; key-coloured pixels are
// transparent. Given no glyph before it is created, it is the platform's own button, unless a
// class derived from it draws the button itself. A mnemonic (&) in the caption presses the
// button with Alt and its letter.
#include <functional>
#include <string>

#include "picture/image.h"
#include "toolkit/controls/control_win.h"

namespace tolsy {

class PushButton : public NativeControl {
  public:
    void set_caption(const std::string& caption) { caption_ = caption; }
    const std::string& caption() const { return caption_; }
    // Before create(), so that the button is drawn with it.
    void set_glyph(const Image& glyph);
    const Image& glyph() const { return glyph_; }
    // The window's default button is the one Enter presses.
    void set_default(bool is_default) { default_ = is_default; }
    bool is_default() const { return default_; }
    void create(const Bounds& bounds, HWND parent);
    void click();

    std::function<void()> on_click;

  protected:
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    bool notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    // Whether the button is drawn by draw() rather than by the platform; asked at creation.
    virtual bool draws_itself() const { return static_cast<bool>(glyph_bitmap_); }
    // Draws the whole button; the toolkit's own look unless a derived class has another.
    virtual void draw(const DRAWITEMSTRUCT& item);
    void draw_platform_look(const DRAWITEMSTRUCT& item);

  private:
    void draw_glyph(HDC dc, int x, int y, bool disabled) const;

    std::string caption_;
    Image glyph_;
    UniqueBitmap glyph_bitmap_;
    bool default_ = false;
    bool owner_drawn_ = false;
};

}  // namespace tolsy
