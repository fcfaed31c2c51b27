#pragma once
// A two-state check box with its box left of the caption. The control draws itself so that the
// gap between box and caption is exact.
#include <functional>
#include <string>

#include "toolkit/controls/control_win.h"

namespace tolsy {

class CheckBox : public NativeControl {
  public:
    void set_caption(const std::string& caption) { caption_ = caption; }
    const std::string& caption() const { return caption_; }
    // Pixels between the box and the caption.
    void set_caption_gap(int gap) { caption_gap_ = gap; }
    int caption_gap() const { return caption_gap_; }
    void create(const Bounds& bounds, HWND parent);

    bool checked() const { return checked_; }
    // A change from the program runs no handler; whoever sets it runs what must follow.
    void set_checked(bool checked);

    std::function<void()> on_click;

  protected:
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    bool notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

    // Draws the whole control; the toolkit's own look unless a derived class has another.
    virtual void draw(const DRAWITEMSTRUCT& item) { draw_platform_look(item); }
    void draw_platform_look(const DRAWITEMSTRUCT& item);

  private:
    std::string caption_;
    int caption_gap_ = 5;
    bool checked_ = false;
};

}  // namespace tolsy
