// The application's first-idle work: done once, in order, from the message loop, after the
// posted messages and the paints pending at start, or before the first key or button message if
// one comes sooner.
#include "toolkit/controls/application_win.h"
#include "toolkit/controls/window_win.h"

#include <gtest/gtest.h>

#include <vector>

namespace tolsy {
namespace {

constexpr UINT kCount = WM_APP;
constexpr UINT kQuit = WM_APP + 1;

class CountingWindow : public Window {
  public:
    CountingWindow() { create(0, L"idle", WS_POPUP | WS_VISIBLE, 0, 0, 80, 60, nullptr, nullptr); }
    int posted = 0;
    int paints = 0;
    int keys = 0;

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override {
        switch (message) {
            case kCount:
                ++posted;
                return 0;
            case kQuit:
                PostQuitMessage(0);
                return 0;
            case WM_KEYDOWN:
                ++keys;
                return 0;
            case WM_PAINT: {
                PAINTSTRUCT ps;
                BeginPaint(handle(), &ps);
                EndPaint(handle(), &ps);
                ++paints;
                return 0;
            }
            default:
                return Window::handle_message(message, wparam, lparam);
        }
    }
};

struct Seen {
    int posted = -1;
    int paints = -1;
    int keys = -1;
};

// Posts three counted messages, with a key press after the first when `key_between`, then runs
// the loop with two pieces of first-idle work; returns what the first piece saw.
Seen run_with_first_idle_work(bool key_between, std::vector<int>& order, CountingWindow& w) {
    InvalidateRect(w.handle(), nullptr, FALSE);
    for (int i = 0; i < 3; ++i) {
        PostMessageW(w.handle(), kCount, 0, 0);
        if (key_between && i == 0) PostMessageW(w.handle(), WM_KEYDOWN, 'A', 0);
    }
    Seen seen;
    Application& app = Application::instance();
    app.at_first_idle([&] {
        order.push_back(1);
        seen = {w.posted, w.paints, w.keys};
        // More work and input after the first idle must not bring the work back.
        InvalidateRect(w.handle(), nullptr, FALSE);
        PostMessageW(w.handle(), WM_KEYDOWN, 'B', 0);
        PostMessageW(w.handle(), kQuit, 0, 0);
    });
    app.at_first_idle([&] { order.push_back(2); });
    app.run();
    return seen;
}

TEST(FirstIdleWork, ComesOnceAfterThePendingMessagesAndPaints) {
    CountingWindow window;
    std::vector<int> order;
    const Seen seen = run_with_first_idle_work(false, order, window);
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_EQ(seen.posted, 3);
    EXPECT_GE(seen.paints, 1);
    EXPECT_EQ(window.keys, 1);
}

TEST(FirstIdleWork, ComesBeforeTheFirstInput) {
    CountingWindow window;
    std::vector<int> order;
    const Seen seen = run_with_first_idle_work(true, order, window);
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_EQ(seen.posted, 1);
    EXPECT_EQ(seen.keys, 0);
    EXPECT_EQ(window.keys, 2);
}

TEST(FirstIdleWork, EachPieceWaitsForItsQuietTimeAfterTheOneBefore) {
    CountingWindow window;
    int posted_seen = -1;
    Application& app = Application::instance();
    app.at_first_idle([&] { PostMessageW(window.handle(), kCount, 0, 0); });
    app.at_first_idle(
        [&] {
            posted_seen = window.posted;
            PostMessageW(window.handle(), kQuit, 0, 0);
        },
        20);
    app.run();
    EXPECT_EQ(posted_seen, 1);
}

}  // namespace
}  // namespace tolsy
