// The window menu as a user reaches it from the keyboard: Alt+Space, then the arrows and Enter.
// Its last three entries are the program's "About...", "Help..." and "Close".
#include "support/driver_win.h"

#include <gtest/gtest.h>

#include <memory>

namespace e2e {
namespace {

HWND open_menu() {
    return FindWindowW(L"#32768", nullptr);
}

class WindowMenu : public ::testing::Test {
  protected:
    void SetUp() override {
        // Started from its own folder, as the help file is found by its bare name.
        std::wstring folder = program_path();
        folder.resize(folder.find_last_of(L"\\/"));
        SetCurrentDirectoryW(folder.c_str());
        program = std::make_unique<Program>();
        window = program->wait_window(L"Framewright");
        ASSERT_NE(window, nullptr) << "the main window did not appear";
        settle(300);
        ASSERT_TRUE(activate(window));
    }
    // Opens the window menu and picks the entry that many places above its end.
    void pick_from_end(int up) {
        press_keys({VK_MENU, VK_SPACE});
        ASSERT_TRUE(wait_until([] {
            return open_menu() != nullptr && IsWindowVisible(open_menu());
        })) << "no menu opened";
        press_keys({VK_END});
        for (int i = 0; i < up; ++i) press_keys({VK_UP});
        press_keys({VK_RETURN});
    }
    std::unique_ptr<Program> program;
    HWND window = nullptr;
};

TEST_F(WindowMenu, AboutShowsModallyUntilOk) {
    pick_from_end(2);
    const HWND about = program->wait_window(L"About", 5000);
    ASSERT_NE(about, nullptr) << "About did not appear";
    settle(500);
    EXPECT_FALSE(IsWindowEnabled(window)) << "the main window still takes input";
    EXPECT_EQ(GetForegroundWindow(), about);
    save_screenshot("window_menu_about");
    press_keys({VK_RETURN});  // OK is the default button
    EXPECT_TRUE(wait_until([&] { return !IsWindowVisible(about); }));
    EXPECT_TRUE(wait_until([&] { return IsWindowEnabled(window) != FALSE; }));
    EXPECT_TRUE(program->running());
}

TEST_F(WindowMenu, HelpOpensTheHelpViewer) {
    pick_from_end(1);
    EXPECT_NE(program->wait_window(L"Framewright Help", 8000), nullptr) << "no help viewer";
    save_screenshot("window_menu_help");
    EXPECT_TRUE(program->running());
}

TEST_F(WindowMenu, CloseEndsTheProgram) {
    pick_from_end(0);
    EXPECT_TRUE(program->wait_exit());
    EXPECT_EQ(program->exit_code(), 0u);
}

}  // namespace
}  // namespace e2e
