// The About box's clocks on the real message loop: the star field's worker handing frames to
// this thread, and the appearing label's message timers.
#include <windows.h>

#include <gtest/gtest.h>

#include "about/label_appear.h"
#include "about/starfield.h"
#include "about/ui_thread_win.h"
#include "about/win_support.h"

namespace tolsy {
namespace {

using namespace std::chrono_literals;

struct CountingSurface : StarfieldSurface {
    int copies = 0;
    DWORD thread = 0;
    void lock() override {}
    void unlock() override {}
    void set_hollow_brush(bool) override {}
    void copy_bitmap(const Image&) override {
        ++copies;
        thread = GetCurrentThreadId();
    }
};

TEST(StarfieldClock, FramesArriveOnTheUserInterfaceThreadWhileActive) {
    Win32HandOver hand_over;
    CountingSurface surface;
    TStarfield field(hand_over);
    field.set_surface(&surface);
    field.set_delay(5);
    wintest::pump_for(150ms);
    EXPECT_EQ(surface.copies, 0) << "created paused";
    field.set_active(true);
    ASSERT_TRUE(wintest::pump_until([&] { return surface.copies >= 5; }));
    EXPECT_EQ(surface.thread, GetCurrentThreadId());
    field.set_active(false);
    wintest::pump_for(50ms);
    const int paused_at = surface.copies;
    wintest::pump_for(200ms);
    EXPECT_LE(surface.copies, paused_at + 1) << "at most a frame already asked for";
    field.set_active(true);
    EXPECT_TRUE(wintest::pump_until([&] { return surface.copies >= paused_at + 3; }));
}

TEST(StarfieldClock, DestroyedWhileRunningWithoutDeadlock) {
    for (int round = 0; round < 20; ++round) {
        Win32HandOver hand_over;
        CountingSurface surface;
        {
            TStarfield field(hand_over);
            field.set_surface(&surface);
            field.set_delay(0);
            field.set_active(true);
            wintest::pump_until([&] { return surface.copies >= 1; });
            // Not pumping now: the worker is blocked in its next hand-over.
        }
        SUCCEED();
    }
}

TEST(StarfieldClock, DestroyedWhilePausedOrSleepingLong) {
    Win32HandOver hand_over;
    { TStarfield paused(hand_over); }
    Win32HandOver other;
    {
        TStarfield sleeping(other);
        sleeping.set_delay(60 * 60 * 1000);
        sleeping.set_active(true);
    }
    SUCCEED();
}

struct Panel : LabelParent {
    int client_width() const override { return 176; }
    int client_height() const override { return 61; }
};

TEST(LabelClock, SlideFinishesOnStep58AfterItsDelayAndIntervals) {
    use_win32_behavior_timers();
    Panel panel;
    TBehaviorLabel label;
    label.set_parent(&panel);
    label.set_behavior("Appearing");
    label.set_bounds(4, 0, 171, 20);
    label.set_visible(false);
    int steps = 0;
    bool stopped = false;
    auto& effect = dynamic_cast<TLabelAppear&>(label.BehaviorOptions());
    const auto started = std::chrono::steady_clock::now();
    std::chrono::steady_clock::time_point first_seen;
    label.OnStop = [&](TCustomBehaviorLabel&) { stopped = true; };
    effect.set_active(true);
    int last_left = label.Left();
    ASSERT_TRUE(wintest::pump_until([&] {
        if (label.Left() != last_left) {
            if (steps++ == 0) first_seen = std::chrono::steady_clock::now();
            last_left = label.Left();
        }
        return stopped;
    }));
    const auto total = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(label.Left(), 4);
    EXPECT_EQ(label.Width(), 171);
    EXPECT_GE(steps, 20) << "the label moved step by step";
    // Message timers never fire early: 100 ms before the first step, 20 ms between the others.
    EXPECT_GE(first_seen - started, 90ms);
    EXPECT_GE(total, 100ms + 57 * 15ms);
    RecordProperty(
        "slide_ms",
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(total).count()));
}

}  // namespace
}  // namespace tolsy
