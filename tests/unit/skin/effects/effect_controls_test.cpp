// The effect controls' own logic: wave indexes, when the animation and the sounds apply, and
// the animator that turns a change of look into a transition in its reserved slot.
#include "skin/effects/effect_controls.h"

#include <gtest/gtest.h>

namespace tolsy {
namespace {

TEST(EffectControls, WaveIndexesHoldToTheWaveList) {
    TTeExtraWaveList waves(nullptr);
    waves.waves = {"a.wav", "b.wav", "c.wav"};
    TTeExtraWaveList empty(nullptr);
    const struct {
        TTeExtraWaveList* list;
        int set, stored;
    } cases[] = {{nullptr, 0, -1}, {nullptr, 2, -1}, {&empty, 1, -1}, {&waves, 0, 0},
                 {&waves, 2, 2},   {&waves, 7, 2},   {&waves, -1, -1}};
    for (const auto& c : cases) {
        TeEffectButton b(nullptr);
        b.set_wave_list(c.list);
        b.set_wave_click_index(c.set);
        b.set_wave_in_index(c.set);
        b.set_wave_out_index(c.set);
        EXPECT_EQ(b.WaveClickIndex(), c.stored);
        EXPECT_EQ(b.WaveInIndex(), c.stored);
        EXPECT_EQ(b.WaveOutIndex(), c.stored);
    }
}

TEST(EffectControls, ADestroyedWaveListIsForgotten) {
    TeEffectCheckBox box(nullptr);
    auto waves = std::make_unique<TTeExtraWaveList>(nullptr);
    waves->waves = {"a.wav", "b.wav"};
    box.set_wave_list(waves.get());
    box.loaded();
    box.set_wave_click_index(1);
    box.set_wave_in_index(1);
    box.set_wave_out_index(0);
    waves.reset();
    EXPECT_EQ(box.wave_list, nullptr);
    EXPECT_EQ(box.WaveInIndex(), -1);
    EXPECT_EQ(box.WaveOutIndex(), -1);
    EXPECT_EQ(box.WaveClickIndex(), 1);
}

TEST(EffectControls, AnimationAndSoundsApplyOnlyWhenSwitchedOn) {
    TeEffectRadioButton r(nullptr);
    EXPECT_TRUE(r.animation_applies(true, false));
    EXPECT_FALSE(r.animation_applies(false, false));
    EXPECT_FALSE(r.animation_applies(true, true));
    r.animation.set_enabled(false);
    EXPECT_FALSE(r.animation_applies(true, false));

    TTeExtraWaveList waves(nullptr);
    waves.waves = {"in.wav"};
    r.set_wave_list(&waves);
    EffectGlobals& g = effect_globals();
    const struct {
        bool sounds;
        std::uint32_t events;
        std::uint8_t options;
        int wave;
    } cases[] = {{false, 1u << kCheckSoundEvent, 0, -1},
                 {true, 1u << kButtonSoundEvent, 0, -1},
                 {true, 1u << kCheckSoundEvent, kSoundOptionIgnoreGlobalOptions, -1},
                 {true, 1u << kCheckSoundEvent, 0, 0}};
    for (const auto& c : cases) {
        g.sounds_enabled = c.sounds;
        g.sound_events = c.events;
        r.sound_options = c.options;
        EXPECT_EQ(r.wave_for(kCheckSoundEvent, 0), c.wave);
    }
    g.shared_animation_enabled = true;
    g.shared_animation.set_enabled(true);
    EXPECT_TRUE(r.animation_applies(true, false));  // the shared settings rule
    g = EffectGlobals{};
}

class AnimatorTest : public ::testing::Test {
  protected:
    struct Canvas : TransitionCanvas {
        void draw(const Image& frame, int, int) override { frames.push_back(frame); }
        std::vector<Image> frames;
    };
    // Paints the button's look: grey 0 normal, 255 hot.
    void animate(bool to_hot, int width = 6, int height = 4) {
        const std::string& effect =
            to_hot ? button.animation.EffectMouseEnter : button.animation.EffectMouseLeave;
        animator.animate(
            button.animation, effect, width, height,
            [this](Image& p) {
                const std::uint8_t v = hot ? 255 : 0;
                std::fill(p.data(), p.data() + p.width() * p.height(), Pixel::pack(v, v, v));
            },
            [this, to_hot] { hot = to_hot; }, &canvas);
    }
    int grey() const { return Pixel::red(canvas.frames.back().at(1, 1)); }

    TransitionEngine engine;
    TeEffectButton button{nullptr};
    EffectAnimator animator{engine};
    Canvas canvas;
    bool hot = false;
};

TEST_F(AnimatorTest, LeavingCutsTheEnteringFadeShortFromTheFullHotLook) {
    EXPECT_EQ(animator.slot(), 0);
    animate(true);
    for (int i = 0; i < 5; ++i) engine.tick();
    const int entered = grey();
    EXPECT_GT(entered, 0);
    EXPECT_LT(entered, 255);
    animate(false);
    engine.tick();
    EXPECT_GT(grey(), entered);  // starts again from the hot look, not where it stood
    while (engine.any_active()) engine.tick();
    EXPECT_EQ(grey(), 0);
    EXPECT_EQ(canvas.frames.size(), 5u + 20u);  // the leave runs its full 400 ms
}

TEST_F(AnimatorTest, NothingStartsForAnEmptyButtonAndTheSlotIsFreedAtTheEnd) {
    animate(true, 0, 4);
    EXPECT_TRUE(hot);  // the look still changes
    EXPECT_FALSE(engine.any_active());
    animate(false);
    EXPECT_TRUE(animator.running());
    {
        EffectAnimator second(engine);
        EXPECT_EQ(second.slot(), 1);
    }
    EXPECT_EQ(engine.reserve(), 1);
}

TEST(EffectAnimator, WithoutAFreeSlotTakesAnyFreeOneAtEachStart) {
    TransitionEngine engine;
    for (int i = 0; i < TransitionEngine::kSlotCount - 1; ++i) engine.reserve();
    EffectAnimator last(engine);
    EffectAnimator none(engine);
    EXPECT_EQ(none.slot(), -1);
    engine.release(7);
    TTeAdvancedAnimation fade;
    none.animate(
        fade, kFadeEffectName, 2, 2, [](Image&) {}, [] {}, nullptr);
    EXPECT_TRUE(engine.slot(7).active);
    none.stop(false);
    EXPECT_FALSE(engine.any_active());
}

}  // namespace
}  // namespace tolsy
