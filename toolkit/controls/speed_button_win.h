#pragma once
// Speed buttons: windowless buttons painted by the container that holds them. Flat ones show a
// border only while the pointer is over them; none stays down after the click.
#include <windows.h>

#include <functional>
#include <string>

#include "toolkit/components/visual_state.h"
#include "toolkit/controls/control_win.h"

namespace tolsy {

class SpeedButton {
  public:
    SpeedButton() = default;
    SpeedButton(const SpeedButton&) = delete;
    SpeedButton& operator=(const SpeedButton&) = delete;

    void set_name(std::string name) { name_ = std::move(name); }
    const std::string& name() const { return name_; }
    void set_bounds(const Bounds& bounds) { bounds_ = bounds; }
    const Bounds& bounds() const { return bounds_; }
    RECT rect() const;
    void set_caption(std::wstring caption) { caption_ = std::move(caption); }
    const std::wstring& caption() const { return caption_; }
    void set_font(const FontSpec& font);
    const FontSpec& font() const { return font_spec_; }
    bool flat() const { return flat_; }
    void set_flat(bool flat) { flat_ = flat; }
    void set_hint(std::wstring hint) { hint_ = std::move(hint); }
    const std::wstring& hint() const { return hint_; }

    bool hot() const { return hot_; }
    bool down() const { return down_; }
    // Pressed while held down with the pointer still over it, hot while the pointer is over it.
    VisualState visual_state() const;

    // Called by the holding container.
    void paint(HDC dc) const;
    void set_hot(bool hot) { hot_ = hot; }
    void set_down(bool down) { down_ = down; }

    // Runs on_click, as a click of the mouse does.
    void click() {
        if (on_click) on_click(*this);
    }
    std::function<void(SpeedButton&)> on_click;

  private:
    std::string name_;
    Bounds bounds_;
    std::wstring caption_;
    std::wstring hint_;
    FontSpec font_spec_;
    bool has_font_ = false;
    // Made at the first paint that needs it: a themed sheet draws its buttons from the
    // description alone, and a sheet never shown draws none.
    mutable UniqueFont font_;
    bool flat_ = true;
    bool hot_ = false;
    bool down_ = false;
};

}  // namespace tolsy
