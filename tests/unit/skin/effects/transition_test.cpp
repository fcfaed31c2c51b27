// The slot table and the clock tick: reserving, starting, stopping, the frames a transition
// draws, the clock running exactly while a slot is active, and the mask arithmetic.
#include "skin/effects/transition.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tolsy {
namespace {

struct FakeClock : TransitionClock {
    void set_running(bool on) override { changes.push_back(on); }
    std::vector<bool> changes;
};

struct FakeCanvas : TransitionCanvas {
    void draw(const Image& frame, int x, int y) override {
        if (on_draw) on_draw();
        frames.push_back(frame);
        at = {x, y};
    }
    std::vector<Image> frames;
    std::pair<int, int> at;
    std::function<void()> on_draw;
};

class TransitionTest : public ::testing::Test {
  protected:
    TransitionTest() : before(8, 5, 0xFF000000), after(8, 5, 0xFFFFFFFF) {
        engine.set_clock(&clock);
        fade.set_effect("[ FADE ] - Fade");
    }
    int start(int slot = -1) { return engine.start(&canvas, 3, 4, slot, fade, after, before); }
    void run_out() {
        for (int i = 0; i < 1000 && engine.any_active(); ++i) engine.tick();
    }
    Image before, after;
    TteAnimationRec fade;
    FakeClock clock;
    FakeCanvas canvas;
    TransitionEngine engine;
};

TEST_F(TransitionTest, ReservesEachFreeSlotOnceAndReleasesIt) {
    for (int i = 0; i < TransitionEngine::kSlotCount; ++i) ASSERT_EQ(engine.reserve(), i);
    EXPECT_EQ(engine.reserve(), -1);
    EXPECT_EQ(start(), -1);  // no free slot for a transition either
    engine.release(37);
    EXPECT_EQ(start(), 37);  // takes the free slot without reserving it
    EXPECT_EQ(engine.reserve(), -1);
    run_out();
    EXPECT_EQ(engine.reserve(), 37);
}

TEST_F(TransitionTest, AFadeRunsTwentyTicksAndEndsOnTheAfterPicture) {
    const int slot = start();
    EXPECT_EQ(clock.changes, std::vector<bool>{true});
    EXPECT_EQ(start(), slot + 1);  // the first slot is active: a second one runs beside it
    engine.stop(slot + 1, false);
    run_out();
    ASSERT_EQ(canvas.frames.size(), 20u);
    EXPECT_EQ(canvas.at, std::make_pair(3, 4));
    EXPECT_EQ(canvas.frames.back(), after);
    for (std::size_t i = 0; i + 1 < canvas.frames.size(); ++i) {
        const int grey = Pixel::red(canvas.frames[i].at(2, 2));
        EXPECT_GT(grey, 0) << i;
        EXPECT_LT(grey, 255) << i;
        EXPECT_GT(Pixel::red(canvas.frames[i + 1].at(2, 2)), grey) << i;
    }
    EXPECT_EQ(clock.changes, (std::vector<bool>{true, false}));
    EXPECT_FALSE(engine.slot(slot).active);
    EXPECT_TRUE(engine.slot(slot).mask.empty());
}

TEST_F(TransitionTest, StartsNothingWithoutPicturesOrAKnownEffect) {
    const int slot = engine.reserve();
    EXPECT_EQ(engine.start(&canvas, 0, 0, slot, fade, Image(), before), slot);
    EXPECT_EQ(engine.start(&canvas, 0, 0, slot, fade, after, Image(0, 5)), slot);
    fade.set_effect("[ FADE ] - Sparkle");
    EXPECT_EQ(start(slot), slot);
    fade.set_effect("[ BITMAP ] - Bitmap Animation");  // with no map
    EXPECT_EQ(start(slot), slot);
    EXPECT_FALSE(engine.any_active());
    EXPECT_TRUE(clock.changes.empty());
    EXPECT_EQ(engine.start(&canvas, 0, 0, 201, fade, after, before), -1);
}

TEST_F(TransitionTest, StopDrawsTheLastFrameOnlyWhenAsked) {
    for (bool draw_final : {false, true}) {
        canvas.frames.clear();
        const int slot = start();
        engine.tick();
        engine.stop(slot, draw_final);
        EXPECT_FALSE(engine.any_active());
        ASSERT_EQ(canvas.frames.size(), draw_final ? 2u : 1u);
        if (draw_final) {
            EXPECT_EQ(canvas.frames.back(), after);
        }
    }
    EXPECT_EQ(clock.changes, (std::vector<bool>{true, false, true, false}));
}

TEST_F(TransitionTest, AFailingFrameStopsOnlyItsSlotWhichStaysUsable) {
    const int failing = engine.reserve();
    start(failing);
    FakeCanvas good;
    const int other = engine.start(&good, 0, 0, -1, fade, after, before);
    canvas.on_draw = [] { throw std::runtime_error("device lost"); };
    EXPECT_THROW(engine.tick(), std::runtime_error);
    EXPECT_EQ(good.frames.size(), 1u);  // the other slot had its turn
    EXPECT_FALSE(engine.slot(failing).active);
    EXPECT_FALSE(engine.slot(failing).busy);
    EXPECT_TRUE(engine.slot(failing).reserved);
    EXPECT_TRUE(engine.slot(other).active);
    canvas.on_draw = nullptr;
    EXPECT_EQ(start(failing), failing);
    run_out();
    EXPECT_EQ(canvas.frames.back(), after);
}

TEST_F(TransitionTest, ABusySlotIsNotAdvancedByANestedTick) {
    const int slot = start();
    int nested = 0;
    canvas.on_draw = [&] {
        if (nested++ == 0) engine.tick();  // a message pump running while the frame draws
    };
    engine.tick();
    EXPECT_EQ(canvas.frames.size(), 1u);
    EXPECT_FLOAT_EQ(engine.slot(slot).elapsed, 20.01f);
}

TEST_F(TransitionTest, RunPumpsUntilTheTransitionEnds) {
    int pumped = 0;
    engine.run(&canvas, 0, 0, fade, after, before, [&] {
        ++pumped;
        engine.tick();
        return true;
    });
    EXPECT_EQ(pumped, 20);
    EXPECT_FALSE(engine.any_active());
    engine.run(&canvas, 0, 0, fade, after, before, [] { return false; });  // quitting
    EXPECT_FALSE(engine.any_active());
}

TEST_F(TransitionTest, RandomSelectionPicksAListedEffectAtEachStart) {
    fade.set_effect("[ RANDOM ] - Random selection");
    std::size_t next = 56;
    engine.set_random([&](std::size_t n) {
        EXPECT_EQ(n, 58u);
        return next++;
    });
    EXPECT_EQ(engine.slot(start(0)).effect->name, "[ MANUAL ] - Slide");
    EXPECT_EQ(engine.slot(start(0)).effect->name, "[ MANUAL ] - Push");
}

TEST(MaskArithmetic, RotatesQuarterTurnsClockwise) {
    const std::vector<std::uint8_t> mask = {1, 2, 3, 4, 5, 6};  // 3 wide, 2 high
    const struct {
        TteRotation rotation;
        std::vector<std::uint8_t> out;
    } cases[] = {{TteRotation::krNone, {1, 2, 3, 4, 5, 6}},
                 {TteRotation::krRotate90, {4, 1, 5, 2, 6, 3}},
                 {TteRotation::krRotate180, {6, 5, 4, 3, 2, 1}},
                 {TteRotation::krRotate270, {3, 6, 2, 5, 1, 4}}};
    for (const auto& c : cases) {
        std::vector<std::uint8_t> out(6);
        rotate_mask(mask.data(), 3, 2, c.rotation, out.data());
        EXPECT_EQ(out, c.out) << static_cast<int>(c.rotation);
    }
}

TEST(MaskArithmetic, StretchesEachCellOverItsBlockInEveryTile) {
    const std::uint8_t mask[] = {0, 85, 170, 255};  // 2 x 2 cells of 3 x 3 pixels, 2 x 2 tiles
    Image before(11, 12, 0xFF000000), after(11, 12, 0xFFFFFFFF), work(11, 12);
    after.at(4, 4) = 0xFF000000 | kKeyColorRgb;  // see-through whatever the mask says
    blend_by_mask(mask, 2, 2, 3, 2, before, after, work);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 11; ++x) {
            const int expected = x == 4 && y == 4 ? 0 : mask[(y % 6) / 3 * 2 + (x % 6) / 3];
            ASSERT_EQ(work.at(x, y), Pixel::pack(expected, expected, expected)) << x << "," << y;
        }
}

TEST(MaskArithmetic, BlendRoundsEachChannel) {
    const struct {
        std::uint32_t under, over;
        unsigned a;
        std::uint32_t out;
    } cases[] = {{0xFF000000, 0xFFFFFFFF, 128, 0xFF808080},
                 {0x80102030, 0xFFF0E0D0, 0, 0x80102030},
                 {0x80102030, 0x00F0E0D0, 255, 0x80F0E0D0},
                 {0xFF000000, 0xFF0A0B0C, 64, 0xFF030303}};
    for (const auto& c : cases) EXPECT_EQ(blend_pixel(c.under, c.over, c.a), c.out);
}

TEST(MaskArithmetic, BitmapMapRisesWithProgress) {
    const std::uint8_t map[] = {0, 100, 255};
    const struct {
        int progress;
        std::vector<std::uint8_t> out;
    } cases[] = {{0, {0, 0, 0}}, {50, {0, 100, 255}}, {25, {0, 0, 127}}, {100, {255, 255, 255}}};
    for (const auto& c : cases) {
        std::vector<std::uint8_t> out(3);
        bitmap_mask(map, 3, c.progress, out.data());
        EXPECT_EQ(out, c.out) << c.progress;
    }
}

TEST_F(TransitionTest, TheBitmapEffectOpensInTheMapsOrder) {
    fade.set_effect("[ BITMAP ] - Bitmap Animation");
    fade.bitmap.image = Image(3, 1, Pixel::pack(0, 0, 255));  // opens first
    fade.bitmap.image.at(0, 0) = Pixel::pack(0, 0, 0);        // opens last
    before = Image(8, 1, 0xFF000000);
    after = Image(8, 1, 0xFFFFFFFF);
    fade.set_resolution(4);  // 3 cells of 4 pixels: 0..3 dark, 4..7 bright
    const int slot = start();
    const Image& half = engine.compose_at(slot, 50);
    EXPECT_EQ(Pixel::red(half.at(0, 0)), 0);
    EXPECT_EQ(Pixel::red(half.at(7, 0)), 255);
    EXPECT_EQ(engine.compose_at(slot, 100), after);
}

}  // namespace
}  // namespace tolsy
