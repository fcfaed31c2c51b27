#pragma once
// TTeEffectButton: the push button whose change between its normal and its hot look is a
// transition in its own animation slot. The face comes from the current theme, the glyph and
// the caption are drawn on it; the looks are composed off-screen and copied to the screen in one
// piece. TTeEffectCheckBox and TTeEffectRadioButton animate their hover the same way; a left
// press on them ends the running transition at once, so that the pressed state shows.
#include <windows.h>

#include <functional>

#include "skin/effects/effect_controls.h"
#include "skin/effects/transition_win.h"
#include "toolkit/components/visual_state.h"
#include "toolkit/controls/check_box_win.h"
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
    // Ends the running transition without its last frame.
    void end_transition() { animator_.stop(false); }

  protected:
    // The control's look in a state, as a picture of its size.
    virtual Image paint_look(bool hot) const = 0;
    virtual HWND hover_window() const = 0;
    // Mouse move and leave: call from the control's message handler; true when handled.
    void track(UINT message);
    // Paints the client area: the transition's last frame while one runs, else the look.
    void paint_now(HDC dc);
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

// The check box of the family: the toolkit's check box, its look captured for the transitions.
class TTeEffectCheckBox : public CheckBox, public EffectHover {
  public:
    explicit TTeEffectCheckBox(TeEffectCheckBox& component,
                               TransitionEngine& engine = transition_engine());

  protected:
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    bool notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    Image paint_look(bool hot) const override;
    HWND hover_window() const override { return handle(); }

  private:
    TeEffectCheckBox& component_;
    bool capturing_ = false;
};

// The radio button of the family: a round mark left of the caption; a click selects it and
// clears the other radio buttons of the family on the same parent.
class TTeEffectRadioButton : public NativeControl, public EffectHover {
  public:
    explicit TTeEffectRadioButton(TeEffectRadioButton& component,
                                  TransitionEngine& engine = transition_engine());
    void create(const Bounds& bounds, HWND parent);
    bool checked() const { return checked_; }
    void set_checked(bool checked);

    std::function<void()> on_click;

  protected:
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    bool notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    Image paint_look(bool hot) const override;
    HWND hover_window() const override { return handle(); }

  private:
    void draw(HDC dc, const RECT& area) const;

    TeEffectRadioButton& component_;
    bool checked_ = false;
};

}  // namespace tolsy
