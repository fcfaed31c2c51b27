#pragma once
// The effect controls on the screen. TTeEffectButton is the skinned push button whose face
// cross-fades (or runs another transition) between its normal and its hot look in the control's
// own animation slot; glyph and caption are painted over the face as the skinned button paints
// them. TTeEffectCheckBox and TTeEffectRadioButton animate their whole look on hover the same
// way; a left press on them ends the running transition at once, so the pressed state shows.
#include <windows.h>

#include <functional>

#include "skin/controls/skinned_push_button_win.h"
#include "skin/effects/effect_controls.h"
#include "skin/effects/transition_win.h"
#include "toolkit/controls/check_box_win.h"

namespace tolsy {

// The hover animation every control of the family shares: the sound asked for, then the change
// of look as a transition when the animation applies, else at once.
class EffectHover {
  public:
    EffectHover(EffectExtras& settings, int sound_event, TransitionEngine& engine);
    virtual ~EffectHover() = default;

    int animation_slot() const { return animator_.slot(); }
    bool animating() const { return animator_.running(); }
    // Ends the running transition without its last frame.
    void end_transition() { animator_.stop(false); }

  protected:
    // The look the transition runs between, as it is now, as a picture of the control's size;
    // empty when there is none (nothing animates then).
    virtual Image paint_look() const = 0;
    virtual HWND hover_window() const = 0;
    // The pointer came (entering) or went: `change` switches the control's look.
    void hover_change(bool entering, const std::function<void()>& change, TransitionCanvas& canvas);
    const Image& transition_start() const { return animator_.before(); }

    EffectExtras& settings_;

  private:
    int sound_event_;
    EffectAnimator animator_;
    bool program_clock_;  // the animator runs on the program's engine, on its clock
};

class TTeEffectButton : public SkinnedPushButton, public EffectHover {
  public:
    explicit TTeEffectButton(TeEffectButton& component,
                             TransitionEngine& engine = transition_engine());
    using SkinnedPushButton::hot;
    // The inherited click (OnClick) after the click sound, if one is wanted.
    void Click();

  protected:
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    bool notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    // The face of the running transition's latest frame, else the theme's face.
    bool paint_face(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                    const PushButtonLook& look) override;
    Image paint_look() const override;
    HWND hover_window() const override { return handle(); }

  private:
    // Where the engine's frames arrive: kept as the face and shown at once.
    struct Frames : TransitionCanvas {
        explicit Frames(TTeEffectButton& owner) : owner(owner) {}
        void draw(const Image& frame, int x, int y) override;
        TTeEffectButton& owner;
    };

    TeEffectButton& component_;
    Frames frames_{*this};
    Image face_;  // the transition's latest frame
};

// What the check box and the radio button share: their own hot state and pointer tracking,
// frames copied straight onto the control.
class TrackedHover : public EffectHover {
  public:
    using EffectHover::EffectHover;
    bool hot() const { return hot_; }

  protected:
    // Mouse move and leave; a left press ends the transition, its release asks for the sound.
    void track(UINT message);
    // The transition's last frame while one runs, else the look.
    void paint_now(HDC dc);

  private:
    bool hot_ = false;
    bool tracking_ = false;
    WindowCanvasWin canvas_;
};

// The check box of the family: the toolkit's check box, its look captured for the transitions.
class TTeEffectCheckBox : public CheckBox, public TrackedHover {
  public:
    explicit TTeEffectCheckBox(TeEffectCheckBox& component,
                               TransitionEngine& engine = transition_engine());

  protected:
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    bool notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    Image paint_look() const override;
    HWND hover_window() const override { return handle(); }

  private:
    bool capturing_ = false;
};

// The radio button of the family: a round mark left of the caption; a click selects it and
// clears the other radio buttons of the family on the same parent.
class TTeEffectRadioButton : public NativeControl, public TrackedHover {
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
    Image paint_look() const override;
    HWND hover_window() const override { return handle(); }

  private:
    void draw(HDC dc, const RECT& area) const;

    TeEffectRadioButton& component_;
    bool checked_ = false;
};

}  // namespace tolsy
