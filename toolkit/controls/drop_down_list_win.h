#pragma once
// The list a pick-only list shows while it is open: a borderless pop-up below (or above) the
// field, owned by the field's window, made the first time the list opens. While it is open it
// holds the mouse: moving over it highlights, releasing on an item picks it, a press anywhere
// else closes it, and its scroll bar works as the platform's does.
#include <windows.h>

#include "toolkit/controls/window_win.h"

namespace tolsy {

class ComboBox;

class DropDownList : public Window {
  public:
    explicit DropDownList(ComboBox& owner) : owner_(owner) {}

    // Shows the list's rows under the field (above it when there is no room below).
    void show(const RECT& field_on_screen);
    void hide();
    // The items, the highlight or the first row changed.
    void refresh();

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    void paint(HDC dc);
    int row_at(LPARAM client_point) const;
    void highlight_row(int row);
    void on_press(LPARAM client_point);
    void on_release(LPARAM client_point);
    void scroll(WPARAM request);

    ComboBox& owner_;
    // True while the platform runs the scroll bar, which takes the mouse for that time.
    bool in_scroll_bar_ = false;
};

}  // namespace tolsy
