// The effect list: names, order and look-up, duplicates, and every effect's frames: the before
// picture at progress 0, the after picture at 100, something of both between.
#include "skin/effects/effect_list.h"

#include <gtest/gtest.h>

#include "skin/effects/transition.h"

namespace tolsy {
namespace {

TEST(EffectList, EveryEffectInItsOrder) {
    const char* const kind0[] = {"SmoothDiagonal",
                                 "SmoothDiagonalIn",
                                 "SmoothDiagonalOut",
                                 "SmoothDown",
                                 "SmoothIn",
                                 "SmoothOut",
                                 "SmoothCrossOut",
                                 "SmoothCrossIn",
                                 "SmoothRectIn",
                                 "SmoothRectOut",
                                 "SlideDiagonal",
                                 "SlideDiagonalIn",
                                 "SlideDiagonalOut",
                                 "SlideDown",
                                 "SlideIn",
                                 "SlideOut",
                                 "SlideCrossOut",
                                 "SlideCrossIn",
                                 "SlideRectOut",
                                 "SlideRectIn",
                                 "Fade",
                                 "FadeDiagonal",
                                 "FadeDiagonalIn",
                                 "FadeDiagonalOut",
                                 "FadeDown",
                                 "FadeIn",
                                 "FadeOut",
                                 "FadeCrossOut",
                                 "FadeCrossIn",
                                 "FadeRectOut",
                                 "FadeRectIn",
                                 "Pixel",
                                 "Pixel fade",
                                 "Pixel line",
                                 "CircleSlideOut",
                                 "CircleFadeOut",
                                 "CircleSmoothOut",
                                 "CircleSlideIn",
                                 "CircleFadeIn",
                                 "CircleSmoothIn",
                                 "CircleSlide",
                                 "CircleFade",
                                 "CircleSmooth",
                                 "DiamondSlideIn",
                                 "DiamondFadeIn",
                                 "DiamondSmoothIn",
                                 "DiamondSlideOut",
                                 "DiamondFadeOut",
                                 "DiamondSmoothOut",
                                 "RotateSlide",
                                 "RotateFade",
                                 "RotateSmooth",
                                 "Stream",
                                 "Plasma"};
    std::vector<std::string> expected;
    for (const char* n : kind0) expected.push_back(std::string("[ FADE ] - ") + n);
    for (const char* n : {"Interlace", "Corner"})
        expected.push_back(std::string("[ SLIDE ] - ") + n);
    for (const char* n : {"Slide", "Push"}) expected.push_back(std::string("[ MANUAL ] - ") + n);
    std::vector<std::string> names;
    for (const Effect& e : standard_effects().effects()) {
        names.push_back(e.name);
        EXPECT_EQ(e.kind, static_cast<int>(e.proc.index())) << e.name;
    }
    EXPECT_EQ(names, expected);
}

TEST(EffectList, FindsByFullNameThenShortNameIgnoringCase) {
    const struct {
        const char* asked;
        const char* found;  // null: none
    } cases[] = {
        {"[ FADE ] - Fade", "[ FADE ] - Fade"},
        {"[ fade ] - fADE", "[ FADE ] - Fade"},
        {"plasma", "[ FADE ] - Plasma"},
        {"PIXEL LINE", "[ FADE ] - Pixel line"},
        {"push", "[ MANUAL ] - Push"},
        {"[ SLIDE ] - Fade", nullptr},
        {"Fade ", nullptr},
        {"[ RANDOM ] - Random selection", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        const Effect* e = standard_effects().find(c.asked);
        if (!c.found) {
            EXPECT_EQ(e, nullptr) << c.asked;
        } else {
            ASSERT_NE(e, nullptr) << c.asked;
            EXPECT_EQ(e->name, c.found);
        }
    }
}

void mask_a(std::uint8_t*, int, int, int) {}
void mask_b(std::uint8_t*, int, int, int) {}

TEST(EffectList, RefusesATakenNameOrProcedure) {
    EffectList list;
    list.add("Own", mask_a);
    for (auto add : {+[](EffectList& l) { l.add("OWN", mask_b); },
                     +[](EffectList& l) { l.add("Other", mask_a); }}) {
        try {
            add(list);
            ADD_FAILURE() << "no error";
        } catch (const EProcItemError& e) {
            EXPECT_TRUE(std::string(e.what()).starts_with("Effect procedute "));
            EXPECT_TRUE(std::string(e.what()).ends_with(" already exists in list"));
        }
    }
    EXPECT_STREQ(EProcItemError("Own").what(), "Effect procedute Own already exists in list");
    list.add("Own", ShiftProc{nullptr});  // another kind makes another full name
    EXPECT_EQ(list.effects().size(), 2u);
}

TEST(EffectList, FadeFillsEveryCellWithTheRoundedProgress) {
    const std::pair<int, int> cases[] = {{0, 0}, {1, 3}, {50, 128}, {99, 252}, {100, 255}};
    const MaskProc fade = std::get<MaskProc>(standard_effects().find("Fade")->proc);
    for (auto [progress, value] : cases) {
        std::vector<std::uint8_t> mask(6 * 4, 0);
        fade(mask.data(), 6, 4, progress);
        EXPECT_EQ(mask, std::vector<std::uint8_t>(24, value)) << progress;
    }
}

TEST(EffectList, MaskOpacityNeverFallsAsProgressRises) {
    for (const Effect& e : standard_effects().effects()) {
        if (e.kind != 0) continue;
        const MaskProc proc = std::get<MaskProc>(e.proc);
        std::vector<std::uint8_t> last(13 * 9, 0);
        for (int p = 0; p <= 100; p += 5) {
            std::vector<std::uint8_t> mask(13 * 9, 0);
            proc(mask.data(), 13, 9, p);
            for (std::size_t i = 0; i < mask.size(); ++i)
                ASSERT_GE(mask[i], last[i]) << e.name << " cell " << i << " at " << p;
            last = mask;
        }
    }
}

class EffectFrames : public ::testing::Test {
  protected:
    EffectFrames() : before(23, 17), after(23, 17) {
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 23; ++x) {
                before.at(x, y) = Pixel::pack(10 + x, 20, 30 + y);
                after.at(x, y) = Pixel::pack(240 - x, 200, 220 - y);
            }
    }
    Image before, after;
    TransitionEngine engine;
};

TEST_F(EffectFrames, EveryEffectGoesFromBeforeToAfter) {
    // A coarse mask of a few cells may still be all closed at the half-way point; a fine one
    // shows something of both pictures there.
    const struct {
        int resolution, tiles;
        TteRotation rotation;
        bool fine;
    } settings[] = {{1, 1, TteRotation::krNone, true},
                    {3, 2, TteRotation::krRotate90, false},
                    {10, 1, TteRotation::krRotate180, false},
                    {2, 1, TteRotation::krRotate270, true}};
    for (const Effect& e : standard_effects().effects()) {
        for (const auto& s : settings) {
            TteAnimationRec rec;
            rec.set_effect(e.name);
            rec.set_resolution(s.resolution);
            rec.set_tile_count(s.tiles);
            rec.set_rotation(s.rotation);
            const int slot = engine.start(nullptr, 0, 0, -1, rec, after, before);
            ASSERT_TRUE(engine.slot(slot).active) << e.name;
            const std::string what = e.name + " resolution " + std::to_string(s.resolution);
            EXPECT_EQ(engine.compose_at(slot, 0), before) << what;
            EXPECT_EQ(engine.compose_at(slot, 100), after) << what;
            if (s.fine) {
                const Image& middle = engine.compose_at(slot, 50);
                EXPECT_NE(middle, before) << what;
                EXPECT_NE(middle, after) << what;
            }
            engine.stop(slot, false);
        }
    }
}

}  // namespace
}  // namespace tolsy
