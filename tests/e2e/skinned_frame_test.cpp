// The main window's skinned frame as a user meets it, driven only by real mouse and keyboard
// input: the frame drawn from the theme, the window menu from the icon, a right click and
// Alt+Space, closing by the menu, the icon and the close button, moving by the caption,
// minimise and restore, the close button's hot look and the inactive caption.
#include <gtest/gtest.h>

#include <memory>

#include "support/composer_form_win.h"
#include "support/driver_win.h"
#include "support/frame_win.h"

namespace e2e {
namespace {

constexpr wchar_t kCaption[] = L"Framewright";

HWND menu_window() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

class SkinnedFrame : public ::testing::Test {
  protected:
    void SetUp() override {
        load_program_theme();
        program = std::make_unique<Program>();
        window = program->wait_window(kCaption);
        ASSERT_NE(window, nullptr) << "the main window did not appear";
        settle(300);
        ASSERT_TRUE(activate(window));
        mouse_to({5, 5});  // out of the way
        const RECT r = window_rect(window);
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
    POINT button_centre(int kind) const {
        const RECT b = frame_button(width, height, kind);
        return screen_point(window, (b.left + b.right) / 2, (b.top + b.bottom) / 2);
    }
    POINT caption_point() const { return screen_point(window, width / 2, 12); }
    // The frame on the screen against the theme's frame; the window icon's place is left out.
    int differences(bool active, int close_state = tolsy::kCaptionButtonNormal) const {
        return frame_differences(
            capture(window), expected_frame(width, height, active, "Framewright", close_state),
            frame_client(width, height), frame_button(width, height, tolsy::kCaptionIcon));
    }
    // The menu's entries are "About...", "Help..." and "Close": the fourth step down comes
    // round to the first, which shows About; OK puts it away again.
    void expect_menu(const char* how) {
        ASSERT_TRUE(wait_until([] { return menu_window() != nullptr; })) << how;
        save_screenshot(std::string("frame_menu_") + how);
        for (int i = 0; i < 4; ++i) press_keys({VK_DOWN});
        press_keys({VK_RETURN});
        const HWND about = program->wait_window(L"About", 5000);
        ASSERT_NE(about, nullptr) << how;
        ASSERT_TRUE(activate(about));
        press_keys({VK_RETURN});
        EXPECT_TRUE(wait_until([&] { return IsWindowEnabled(window) != FALSE; })) << how;
        ASSERT_TRUE(activate(window));
    }

    std::unique_ptr<Program> program;
    HWND window = nullptr;
    int width = 0, height = 0;
};

TEST_F(SkinnedFrame, CaptionAndBordersComeFromTheTheme) {
    EXPECT_EQ(window_text(window), kCaption);
    const RECT frame = window_rect(window);
    const RECT client = client_rect(window);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    const RECT expected_client = frame_client(width, height);
    EXPECT_EQ(client.right, 389);
    EXPECT_EQ(client.bottom, 241);
    EXPECT_EQ(origin.x - frame.left, expected_client.left);
    EXPECT_EQ(origin.y - frame.top, expected_client.top);
    EXPECT_EQ(width - 389, expected_client.left + (width - expected_client.right));
    EXPECT_EQ(differences(true), 0);
    save_screenshot("frame_active", window);
}

TEST_F(SkinnedFrame, IconRightClickAndAltSpaceOpenTheWindowMenu) {
    mouse_click(button_centre(tolsy::kCaptionIcon));
    expect_menu("icon");
    mouse_down(caption_point(), true);
    mouse_up(caption_point(), true);
    expect_menu("right_click");
    press_keys({VK_MENU, VK_SPACE});
    expect_menu("alt_space");
    EXPECT_TRUE(program->running());
}

TEST_F(SkinnedFrame, AboutFromTheIconsMenuIsModal) {
    mouse_click(button_centre(tolsy::kCaptionIcon));
    ASSERT_TRUE(wait_until([] { return menu_window() != nullptr; }));
    press_keys({VK_DOWN});  // the first entry, "About..."
    press_keys({VK_RETURN});
    const HWND about = program->wait_window(L"About", 5000);
    ASSERT_NE(about, nullptr);
    settle(300);
    EXPECT_FALSE(IsWindowEnabled(window));
    // A click on the main window's close button does nothing while About is up.
    mouse_click(button_centre(tolsy::kCaptionClose));
    EXPECT_TRUE(program->running());
    ASSERT_TRUE(activate(about));
    press_keys({VK_RETURN});
    EXPECT_TRUE(wait_until([&] { return IsWindowEnabled(window) != FALSE; }));
}

TEST_F(SkinnedFrame, CloseButtonShowsItsHotLookOnlyUnderTheMouse) {
    mouse_to(button_centre(tolsy::kCaptionClose));
    EXPECT_TRUE(wait_until([&] { return differences(true, tolsy::kCaptionButtonHot) == 0; }));
    save_screenshot("frame_close_hot", window);
    mouse_to(screen_point(window, width / 2, height / 2));
    EXPECT_TRUE(wait_until([&] { return differences(true) == 0; }, 3000));
}

TEST_F(SkinnedFrame, PressOnCloseReleasedElsewhereDoesNothing) {
    mouse_down(button_centre(tolsy::kCaptionClose));
    EXPECT_TRUE(wait_until([&] { return differences(true, tolsy::kCaptionButtonPressed) == 0; }));
    mouse_to(caption_point());
    mouse_up(caption_point());
    settle(500);
    EXPECT_TRUE(program->running());
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST_F(SkinnedFrame, CloseButtonEndsTheProgram) {
    mouse_click(button_centre(tolsy::kCaptionClose));
    EXPECT_TRUE(program->wait_exit());
    EXPECT_EQ(program->exit_code(), 0u);
}

TEST_F(SkinnedFrame, DoubleClickOnTheIconEndsTheProgram) {
    double_click(button_centre(tolsy::kCaptionIcon));
    EXPECT_TRUE(program->wait_exit());
}

TEST_F(SkinnedFrame, DraggingTheCaptionMovesTheWindowAndBordersDoNotSize) {
    const RECT before = window_rect(window);
    const POINT start = caption_point();
    mouse_down(start);
    POINT from{}, to{};
    GetCursorPos(&from);
    for (int step = 1; step <= 4; ++step) mouse_to({start.x - 10 * step, start.y + 7 * step});
    mouse_up({start.x - 40, start.y + 28});
    GetCursorPos(&to);
    settle(300);
    RECT after = window_rect(window);
    EXPECT_EQ(after.left - before.left, to.x - from.x);
    EXPECT_EQ(after.top - before.top, to.y - from.y);
    EXPECT_EQ(after.right - after.left, width);

    const POINT border = screen_point(window, width - 2, height / 2);
    mouse_down(border);
    mouse_to({border.x + 30, border.y});
    mouse_up({border.x + 30, border.y});
    settle(300);
    const RECT sized = window_rect(window);
    EXPECT_EQ(sized.right - sized.left, width);
    EXPECT_EQ(sized.bottom - sized.top, height);
}

TEST_F(SkinnedFrame, MinimiseThenRestoreKeepsPlaceSizeAndTopMost) {
    const RECT before = window_rect(window);
    mouse_click(button_centre(tolsy::kCaptionMinimize));
    ASSERT_TRUE(wait_until([&] { return IsIconic(window) != FALSE; }));
    // Restored as a user does it without a task bar: the platform's window menu of the
    // minimised window from the keyboard, and "Restore" picked by its key.
    save_screenshot("frame_minimised");
    activate(window);
    press_keys({VK_MENU, VK_SPACE});
    if (wait_until([] { return menu_window() != nullptr; }, 2000)) press_keys({'R'});
    ASSERT_TRUE(wait_until([&] { return !IsIconic(window); }));
    settle(300);
    EXPECT_TRUE(is_topmost(window));
    const RECT after = window_rect(window);
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(SkinnedFrame, CaptionTakesItsInactiveLookWhileAnotherWindowIsActive) {
    OtherWindow other;
    ASSERT_TRUE(activate(other.handle()));
    settle(300);
    EXPECT_TRUE(wait_until([&] { return differences(false) == 0; }));
    save_screenshot("frame_inactive");
    ASSERT_TRUE(activate(window));
    EXPECT_TRUE(wait_until([&] { return differences(true) == 0; }));
}

}  // namespace
}  // namespace e2e
