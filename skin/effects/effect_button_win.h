#pragma once
// TTeEffectButton: the push button whose change between its normal and its hot look is a
// transition in its own animation slot. The face comes from the current theme, the glyph and
// the caption are drawn on it; the looks are composed off-screen and copied to the screen in one
// piece. EffectHover is the part a check box or radio button of the family would share.
#include <windows.h>

#include <functional>

#include "skin/effects/effect_controls.h"
#include "skin/effects/transition_win.h"
#include "toolkit/components/visual_state.h"
#include "toolkit/controls/push_button_win.h"

namespace tolsy {

// The hover animation the three controls share: pointer tracking, the enter and leave steps,
// and painting a repaint from the running transition.
class EffectHover {
  public:
    EffectHover(EffectExtras& settings, int sound_event, TransitionEngine& engine);
    virtual ~EffectHover() = default;

    bool hot() const { return hot_; }
    int animation_slot() const { return animator_.slot(); }
    bool animating() const { return animator_.running(); }

  protected:
    // The control's look in a state, as a picture of its size.
    virtual Image paint_look(bool hot) const = 0;
    virtual HWND hover_window() const = 0;
    // Mouse move and leave: call from the control's message handler; true when handled.
    void track(UINT message);
    // Paints the client area: the transition's last frame while one runs, else the look.
    void paint_now(HDC dc);
    void stop_animation() { animator_.stop(false); }
    EffectExtras& settings_;

  private:
    void mouse_enter();
    void mouse_leave();
    void change(bool hot);

    int sound_event_;
    EffectAnimator animator_;
    WindowCanvasWin canvas_;
    bool hot_ = false;
    bool tracking_ = false;
};

class TTeEffectButton : public PushButton, public EffectHover {
  public:
    explicit TTeEffectButton(TeEffectButton& component,
                             TransitionEngine& engine = transition_engine());
    // Kept to draw it on the face (see PushButton::set_glyph); before create().
    void set_glyph(const Image& glyph);
    // Creates the button, drawn by this class.
    void create(const Bounds& bounds, HWND parent);
    // The inherited click after the click sound (if any).
    void Click();

  protected:
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    bool notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    Image paint_look(bool hot) const override;
    HWND hover_window() const override { return handle(); }

  private:
    Image paint_state(VisualState state) const;
    // The wave the click would play (none in the program: no wave list).
    int wave_for_click() const;

    TeEffectButton& component_;
    Image glyph_;
    bool pressed_ = false;
};

}  // namespace tolsy
