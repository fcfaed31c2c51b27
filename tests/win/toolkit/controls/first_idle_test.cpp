// The application's first-idle call: made once, from the message loop, after the posted messages
// and the paints pending at start have been handled.
#include "toolkit/controls/application_win.h"
#include "toolkit/controls/window_win.h"

#include <gtest/gtest.h>

namespace tolsy {
namespace {

constexpr UINT kCount = WM_APP;
constexpr UINT kQuit = WM_APP + 1;

class CountingWindow : public Window {
  public:
    CountingWindow() { create(0, L"idle", WS_POPUP | WS_VISIBLE, 0, 0, 80, 60, nullptr, nullptr); }
    int posted = 0;
    int paints = 0;

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override {
        switch (message) {
            case kCount:
                ++posted;
                return 0;
            case kQuit:
                PostQuitMessage(0);
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

TEST(FirstIdle, ComesOnceAfterThePendingMessagesAndPaints) {
    CountingWindow window;
    InvalidateRect(window.handle(), nullptr, FALSE);
    for (int i = 0; i < 3; ++i) PostMessageW(window.handle(), kCount, 0, 0);
    int calls = 0;
    int posted_before = -1;
    int paints_before = -1;
    Application& app = Application::instance();
    app.set_on_first_idle([&] {
        ++calls;
        posted_before = window.posted;
        paints_before = window.paints;
        // More work after the first idle must not bring the call back.
        InvalidateRect(window.handle(), nullptr, FALSE);
        PostMessageW(window.handle(), kCount, 0, 0);
        PostMessageW(window.handle(), kQuit, 0, 0);
    });
    app.run();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(posted_before, 3);
    EXPECT_GE(paints_before, 1);
    EXPECT_EQ(window.posted, 4);
}

}  // namespace
}  // namespace tolsy
