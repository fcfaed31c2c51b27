#pragma once
// A push button painted from the theme's "Button" object: face by state, glyph, caption in the
// theme's caption font, the default button's mark and the focus cue. It stays the platform's
// owner-drawn button, so clicks, Enter, Space and mnemonics work as before. Derived buttons
// draw their own face through paint_face (the effect button fades it).
#include <optional>

#include "picture/image.h"
#include "skin/controls/control_paint.h"
#include "skin/controls/skinned_controls_win.h"
#include "toolkit/controls/push_button_win.h"

namespace tolsy {

class SkinnedPushButton : public PushButton {
  public:
    SkinnedPushButton();
    ~SkinnedPushButton() override;

    // What the button shows now, by precedence: disabled, pressed, hot, focused, default.
    VisualState visual_state() const;
    bool hot() const { return hot_; }

  protected:
    bool draws_itself() const override { return true; }
    void draw(const DRAWITEMSTRUCT& item) override;
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;

    // Paints the face into rect; false when the theme has no object for it (the button then
    // shows the toolkit's look). The default is the theme's draw-button operation.
    virtual bool paint_face(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                            const PushButtonLook& look);
    // Forgets the kept picture and paints again: for faces that change by themselves.
    void repaint();

  private:
    struct Shown {
        VisualState state;
        bool focus_cue;
        int width;
        int height;
        bool operator==(const Shown&) const = default;
    };
    Shown wanted(int width, int height) const;
    // Paints again only when what the button shows has changed.
    void refresh();
    // Every skinned button looks again: focus moved, which may change the default button.
    static void refresh_all();
    bool other_button_focused() const;

    bool hot_ = false;
    std::optional<Shown> shown_;
    Image picture_;
    ThemeWatch watch_;
};

}  // namespace tolsy
