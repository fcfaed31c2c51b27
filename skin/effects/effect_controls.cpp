#include "skin/effects/effect_controls.h"

#include <algorithm>

#include "toolkit/components/class_builder.h"

namespace tolsy {

const EnumInfo kSoundOptionNames{"TTeExtraSoundOption", {"esoIgnoreGlobalOptions"}};

EffectGlobals& effect_globals() {
    static EffectGlobals globals;
    return globals;
}

EffectExtras::EffectExtras() {
    animation.set_resolution(10);
    animation.record().set_effect(kFadeEffectName);
    animation.EffectMouseEnter = kFadeEffectName;
    animation.EffectMouseLeave = kFadeEffectName;
    animation.set_enabled(true);
}

int EffectExtras::fit_wave(int index) const {
    if (wave_list && !wave_list->waves.empty() && index >= 0)
        return std::min(index, static_cast<int>(wave_list->waves.size()) - 1);
    return -1;
}

void EffectExtras::set_wave_list(TTeExtraWaveList* list) {
    wave_list = list;
    if (!list) {
        wave_in_index_ = -1;
        wave_out_index_ = -1;
    }
}

bool EffectExtras::animation_applies(bool control_enabled, bool designing) const {
    if (!control_enabled || designing) return false;
    const EffectGlobals& g = effect_globals();
    return g.shared_animation_enabled ? g.shared_animation.Enabled() : animation.Enabled();
}

int EffectExtras::wave_for(int sound_event, int wave_index) const {
    const EffectGlobals& g = effect_globals();
    if (!g.sounds_enabled || (sound_options & kSoundOptionIgnoreGlobalOptions)) return -1;
    if (sound_event < 0 || sound_event > 31 || !(g.sound_events & (1u << sound_event))) return -1;
    return wave_list ? wave_index : -1;
}

template <class T>
void EffectExtras::declare(ClassBuilder<T>& c) {
    using E = EffectExtras;
    c.object("Animation", &E::animation);
    c.set("SoundOptions", &E::sound_options, kSoundOptionNames);
    c.string("Version_Extra", getset(&E::Version_Extra, &E::set_version_extra), kEffectVersion);
    c.integer("WaveClickIndex", getset(&E::WaveClickIndex, &E::set_wave_click_index), -1);
    c.integer("WaveInIndex", getset(&E::WaveInIndex, &E::set_wave_in_index), -1);
    c.integer("WaveOutIndex", getset(&E::WaveOutIndex, &E::set_wave_out_index), -1);
    c.reference("WaveList", &E::wave_list);
}

namespace {

// A wave list read from a description, or destroyed, reaches the control here.
template <class T>
void watch_wave_list(T& self) {
    if (self.wave_list) self.free_notification(*self.wave_list);
}
template <class T>
void forget_wave_list(T& self, Component& component, Operation operation) {
    if (operation == Operation::kRemove && &component == self.wave_list)
        self.set_wave_list(nullptr);
}

}  // namespace

#define TOLSY_EFFECT_CONTROL(Class, Base, Stored)                                          \
    const ClassInfo& Class::static_class_info() {                                          \
        static const ClassInfo info =                                                      \
            declare_class<Class, Base>(Stored, [](auto& c) { EffectExtras::declare(c); }); \
        return info;                                                                       \
    }                                                                                      \
    void Class::notification(Component& component, Operation operation) {                  \
        forget_wave_list(*this, component, operation);                                     \
        Base::notification(component, operation);                                          \
    }                                                                                      \
    void Class::loaded() {                                                                 \
        Base::loaded();                                                                    \
        watch_wave_list(*this);                                                            \
    }

TOLSY_EFFECT_CONTROL(TeEffectButton, TeButton, "TTeEffectButton")
TOLSY_EFFECT_CONTROL(TeEffectCheckBox, TeCheckBox, "TTeEffectCheckBox")
TOLSY_EFFECT_CONTROL(TeEffectRadioButton, Control, "TTeEffectRadioButton")

#undef TOLSY_EFFECT_CONTROL

const ClassInfo& TTeExtraWaveList::static_class_info() {
    static const ClassInfo info =
        declare_class<TTeExtraWaveList, Component>("TTeExtraWaveList", [](auto&) {});
    return info;
}

void register_effect_classes() {
    register_control_classes();
    register_class<TeEffectButton>();
    register_class<TeEffectCheckBox>();
    register_class<TeEffectRadioButton>();
    register_class<TTeExtraWaveList>();
}

EffectAnimator::EffectAnimator(TransitionEngine& engine) : engine_(engine) {
    slot_ = engine_.reserve();
}

EffectAnimator::~EffectAnimator() {
    stop(false);
    engine_.release(slot_);
}

bool EffectAnimator::running() const {
    return running_ >= 0 && engine_.slot(running_).active;
}

void EffectAnimator::stop(bool draw_final) {
    if (running_ >= 0) engine_.stop(running_, draw_final);
    running_ = -1;
}

void EffectAnimator::animate(const TTeAdvancedAnimation& settings, const std::string& effect,
                             int width, int height, const Painter& paint,
                             const std::function<void()>& change, TransitionCanvas* canvas) {
    stop(false);
    const int w = std::max(width, 0);
    const int h = std::max(height, 0);
    before_ = Image(w, h);
    if (!before_.empty()) paint(before_);
    change();
    after_ = Image(w, h);
    if (!after_.empty()) paint(after_);
    TteAnimationRec record;
    record.assign(settings.record());
    record.set_effect(effect);
    const int started = engine_.start(canvas, 0, 0, slot_, record, after_, before_);
    running_ = started >= 0 && engine_.slot(started).active ? started : -1;
}

}  // namespace tolsy
