// The star field's frame clock: paused at creation, frames handed to the serving thread one at
// a time, paused and resumed, and torn down without deadlock in every state.
#include "about/image_draw_thread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "about/about_fakes.h"

namespace tolsy {
namespace {

using testing::TestHandOver;
using namespace std::chrono_literals;

TEST(ImageDrawThread, CreatedPausedProducesNoFrames) {
    TestHandOver ui;
    TImageDrawThread worker(ui, 0);
    int frames = 0;
    worker.FrameHook = [&] { ++frames; };
    EXPECT_TRUE(worker.suspended());
    EXPECT_FALSE(ui.serve_one(100ms));
    EXPECT_EQ(frames, 0);
}

TEST(ImageDrawThread, FramesRunOnTheServingThreadOneAtATime) {
    TestHandOver ui;
    TImageDrawThread worker(ui, 1);
    std::atomic<int> running{0};
    int frames = 0;
    bool overlapped = false;
    bool wrong_thread = false;
    const auto ui_thread = std::this_thread::get_id();
    worker.FrameHook = [&] {
        overlapped |= running.fetch_add(1) != 0;
        wrong_thread |= std::this_thread::get_id() != ui_thread;
        ++frames;
        running.fetch_sub(1);
    };
    worker.resume();
    for (int i = 0; i < 5; ++i) ASSERT_TRUE(ui.serve_one());
    EXPECT_EQ(frames, 5);
    EXPECT_FALSE(overlapped);
    EXPECT_FALSE(wrong_thread);
}

TEST(ImageDrawThread, SuspendStopsFramesAndResumeGoesOn) {
    TestHandOver ui;
    TImageDrawThread worker(ui, 1);
    int frames = 0;
    worker.FrameHook = [&] {
        ++frames;
        worker.suspend();  // as the control does when Active goes false inside a frame
    };
    worker.resume();
    ASSERT_TRUE(ui.serve_one());
    EXPECT_FALSE(ui.serve_one(100ms));
    EXPECT_EQ(frames, 1);
    worker.resume();
    ASSERT_TRUE(ui.serve_one());
    EXPECT_EQ(frames, 2);
}

TEST(ImageDrawThread, DelayChangeIsTakenAtTheNextSleep) {
    TestHandOver ui;
    TImageDrawThread worker(ui, 3600 * 1000);
    worker.FrameHook = [] {};
    worker.set_delay(0);
    EXPECT_EQ(worker.Delay(), 0u);
    worker.resume();
    // The worker was paused before its first sleep, so the short delay applies at once.
    EXPECT_TRUE(ui.serve_one());
}

TEST(ImageDrawThread, DestroyedWhileRunningWithoutDeadlock) {
    TestHandOver ui;
    int frames = 0;
    {
        TImageDrawThread worker(ui, 0);
        worker.FrameHook = [&] { ++frames; };
        worker.resume();
        ASSERT_TRUE(ui.serve_one());
        // The worker is now asking for the next frame while this thread destroys it.
        worker.FrameHook = nullptr;
    }
    EXPECT_TRUE(ui.ended());
    EXPECT_EQ(frames, 1) << "hand-overs served during destruction do nothing";
}

TEST(ImageDrawThread, DestroyedWhilePausedOrSleepingLong) {
    TestHandOver paused_ui;
    { TImageDrawThread worker(paused_ui, 50); }
    EXPECT_TRUE(paused_ui.ended());

    TestHandOver sleeping_ui;
    {
        TImageDrawThread worker(sleeping_ui, 3600 * 1000);
        worker.resume();
    }
    EXPECT_TRUE(sleeping_ui.ended()) << "termination cuts a long sleep short";
    EXPECT_EQ(sleeping_ui.served, 0);
}

TEST(ImageDrawThread, FailingFrameEndsTheClockForGood) {
    TestHandOver ui;
    TImageDrawThread worker(ui, 0);
    int frames = 0;
    worker.FrameHook = [&] {
        ++frames;
        throw std::runtime_error("frame failed");
    };
    worker.resume();
    ASSERT_TRUE(ui.serve_one());
    EXPECT_FALSE(ui.serve_one(100ms));
    EXPECT_TRUE(ui.ended());
    EXPECT_FALSE(worker.suspended()) << "the worker is not paused, it has simply ended";
    EXPECT_EQ(frames, 1);
}

}  // namespace
}  // namespace tolsy
