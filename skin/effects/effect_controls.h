#pragma once
// The effect controls as window descriptions hold them (TTeEffectButton, TTeEffectCheckBox,
// TTeEffectRadioButton) and the part of their behaviour that is not platform code: when the
// animation applies, which sounds would play, the wave indexes, and the animator that turns a
// change of look into a transition in the control's own animation slot.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "skin/effects/animation_settings.h"
#include "skin/effects/transition.h"
#include "toolkit/components/control.h"

namespace tolsy {

// Set elements of SoundOptions.
enum TTeExtraSoundOption : std::uint8_t { kSoundOptionIgnoreGlobalOptions = 1 << 0 };
extern const EnumInfo kSoundOptionNames;  // esoIgnoreGlobalOptions

inline constexpr char kEffectVersion[] = "2.0.6";

// A list of wave files the effect controls may play by index.
class TTeExtraWaveList : public Component {
    TOLSY_PERSISTENT(TTeExtraWaveList)
    explicit TTeExtraWaveList(Component* owner = nullptr) : Component(owner) {}
    std::vector<std::string> waves;
};

// Process-wide switches shared by every effect control. All are off at start; the program
// turns none of them on.
struct EffectGlobals {
    bool sounds_enabled = false;
    std::uint32_t sound_events = 0;  // bit n: sound event n is wanted
    bool shared_animation_enabled = false;
    TTeAdvancedAnimation shared_animation;
};
EffectGlobals& effect_globals();

// The sound events the controls use: the button's enter and click, the check box's and radio
// button's enter and release.
inline constexpr int kButtonSoundEvent = 0;
inline constexpr int kCheckSoundEvent = 2;

// Sound options, wave indexes and the animation settings: the published part every effect
// control shares.
class EffectExtras {
  public:
    EffectExtras();

    TTeAdvancedAnimation animation;
    std::uint8_t sound_options = 0;
    TTeExtraWaveList* wave_list = nullptr;

    int WaveClickIndex() const { return wave_click_index_; }
    int WaveInIndex() const { return wave_in_index_; }
    int WaveOutIndex() const { return wave_out_index_; }
    // Store the value, held to the list's last wave; -1 without a list that has waves.
    void set_wave_click_index(int index) { wave_click_index_ = fit_wave(index); }
    void set_wave_in_index(int index) { wave_in_index_ = fit_wave(index); }
    void set_wave_out_index(int index) { wave_out_index_ = fit_wave(index); }
    // Clearing the list sets the enter and leave indexes to -1.
    void set_wave_list(TTeExtraWaveList* list);

    std::string Version_Extra() const { return kEffectVersion; }
    void set_version_extra(const std::string&) {}  // read-only: writing is ignored

    // Whether the change of look animates: enabled, not designing, and the settings (or, while
    // the shared animation is switched on, the shared settings) enabled.
    bool animation_applies(bool control_enabled, bool designing) const;
    // The wave to play for a sound event, or -1: only while sounds are on, the control does
    // not ignore the global options, and the event is wanted.
    int wave_for(int sound_event, int wave_index) const;

  protected:
    template <class T>
    static void declare(ClassBuilder<T>& c);

  private:
    int fit_wave(int index) const;

    int wave_click_index_ = -1;
    int wave_in_index_ = -1;
    int wave_out_index_ = -1;
};

class TeEffectButton : public TeButton, public EffectExtras {
    TOLSY_PERSISTENT(TeEffectButton)
    using TeButton::TeButton;
    void notification(Component& component, Operation operation) override;
    void loaded() override;
};

class TeEffectCheckBox : public TeCheckBox, public EffectExtras {
    TOLSY_PERSISTENT(TeEffectCheckBox)
    using TeCheckBox::TeCheckBox;
    void notification(Component& component, Operation operation) override;
    void loaded() override;
};

class TeEffectRadioButton : public Control, public EffectExtras {
    TOLSY_PERSISTENT(TeEffectRadioButton)
    using Control::Control;
    bool checked = false;
    void notification(Component& component, Operation operation) override;
    void loaded() override;
};

// Registers the effect control classes and the wave list under their description names.
void register_effect_classes();

// Turns a control's change of look into a transition in the animation slot it reserves at
// construction (and releases at destruction, after stopping it without a last frame).
class EffectAnimator {
  public:
    explicit EffectAnimator(TransitionEngine& engine = transition_engine());
    ~EffectAnimator();
    EffectAnimator(const EffectAnimator&) = delete;
    EffectAnimator& operator=(const EffectAnimator&) = delete;

    // Paints the control in its present look into a picture of its size.
    using Painter = std::function<void(Image& picture)>;

    // Stops the running transition without its last frame, paints the before picture, lets
    // change() switch the look, paints the after picture and starts `effect` from one to the
    // other at (0, 0) of the canvas. A control of zero width or height starts nothing.
    void animate(const TTeAdvancedAnimation& settings, const std::string& effect, int width,
                 int height, const Painter& paint, const std::function<void()>& change,
                 TransitionCanvas* canvas);
    // Ends the running transition, with or without its last frame.
    void stop(bool draw_final);
    bool running() const;
    // The before picture of the transition last started.
    const Image& before() const { return before_; }

    int slot() const { return slot_; }

  private:
    TransitionEngine& engine_;
    int slot_ = -1;     // reserved; -1 when none was free
    int running_ = -1;  // the slot of the transition last started
    Image before_;
    Image after_;
};

}  // namespace tolsy
