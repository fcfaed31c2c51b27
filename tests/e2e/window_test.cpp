// The main window as a user meets it: caption, size, place, stay-on-top, no resizing, and the
// ways of closing it.
#include "support/driver_win.h"
#include "support/frame_win.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

constexpr wchar_t kCaption[] = L"Framewright";

HWND menu_window() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

bool same_rect(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

class MainWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        window = program.wait_window(kCaption);
        ASSERT_NE(window, nullptr) << "the main window did not appear";
        settle(300);
    }
    Program program;
    HWND window = nullptr;
};

TEST_F(MainWindow, HasItsCaptionSizePlaceAndStaysOnTop) {
    const RECT client = client_rect(window);
    EXPECT_EQ(client.right - client.left, 389);
    EXPECT_EQ(client.bottom - client.top, 241);

    const RECT frame = window_rect(window);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    EXPECT_NEAR(frame.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2, 1);
    EXPECT_NEAR(frame.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 1);
    EXPECT_TRUE(is_topmost(window));
    save_screenshot("main_window", window);
}

TEST_F(MainWindow, CannotBeResizedOrMaximised) {
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);

    const RECT before = window_rect(window);
    ASSERT_TRUE(activate(window));
    // A double click on the caption is how a user maximises by mouse.
    double_click(POINT{(before.left + before.right) / 2, before.top + 12});
    settle();
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_TRUE(same_rect(before, window_rect(window)));
    // From the keyboard: the window menu's maximise key, then Escape.
    press_keys({VK_MENU, VK_SPACE});
    ASSERT_TRUE(wait_until([] { return menu_window() != nullptr; }));
    press_keys({'X'});
    press_keys({VK_ESCAPE});
    EXPECT_TRUE(wait_until([] { return menu_window() == nullptr; }));
    EXPECT_FALSE(IsZoomed(window));
    EXPECT_TRUE(same_rect(before, window_rect(window)));
    EXPECT_TRUE(program.running());
}

TEST_F(MainWindow, StaysOnTopAfterAnotherWindowWasActive) {
    const RECT before = window_rect(window);
    {
        OtherWindow other;
        EXPECT_TRUE(activate(other.handle()));
        EXPECT_TRUE(is_topmost(window));
        // Re-applying top-most must not take the activation back by itself.
        settle(300);
        EXPECT_EQ(GetForegroundWindow(), other.handle());
        EXPECT_TRUE(activate(window));
        settle(300);
    }
    EXPECT_TRUE(is_topmost(window));
    EXPECT_TRUE(same_rect(before, window_rect(window)));
}

TEST_F(MainWindow, AltF4EndsTheProgram) {
    ASSERT_TRUE(activate(window));
    press_keys({VK_MENU, VK_F4});
    EXPECT_TRUE(program.wait_exit());
    EXPECT_EQ(program.exit_code(), 0u);
}

TEST_F(MainWindow, CloseRequestEndsTheProgram) {
    // Another program (a task manager, the system shutting down) asks the window to close.
    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.wait_exit());
    EXPECT_TRUE(program.windows().empty());
}

}  // namespace
}  // namespace e2e
