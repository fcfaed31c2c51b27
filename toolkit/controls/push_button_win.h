#pragma once
// A push button showing a 16 x 16 glyph left of its caption. The glyph image is 32 x 16: the
// normal glyph, then the one shown while the button is disabled; key-coloured pixels are
// transparent. Given no glyph before it is created, it is the platform's own button. A mnemonic
// (&) in the caption presses the button with Alt and its letter.
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
    // The window's default button is the one Enter presses.
    void set_default(bool is_default) { default_ = is_default; }
    void create(const Bounds& bounds, HWND parent);
    void click();

    std::function<void()> on_click;

  protected:
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    bool notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    void draw(const DRAWITEMSTRUCT& item);
    void draw_glyph(HDC dc, int x, int y, bool disabled) const;

    std::string caption_;
    Image glyph_;
    UniqueBitmap glyph_bitmap_;
    bool default_ = false;
    bool owner_drawn_ = false;
};

}  // namespace tolsy
