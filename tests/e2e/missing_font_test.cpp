// Without the Tolsy font the program says so and ends, leaving no window behind.
#include "support/composer_form_win.h"
#include "support/driver_win.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

std::wstring installed_font_path() {
    wchar_t windows[MAX_PATH];
    const UINT n = GetWindowsDirectoryW(windows, MAX_PATH);
    return std::wstring(windows, n) + L"\\Fonts\\Tolsy.ttf";
}

// Takes the font out of the prefix for the test's duration. It is parked outside the fonts
// folder: Wine loads every file in that folder, whatever its name.
class FontRemoved : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(MoveFileW(font.c_str(), parked.c_str())) << "the Tolsy font is not installed";
    }
    void TearDown() override { MoveFileW(parked.c_str(), font.c_str()); }
    const std::wstring font = installed_font_path();
    const std::wstring parked =
        font.substr(0, font.rfind(L"\\Fonts\\")) + L"\\Temp\\Tolsy.ttf.parked";
};

TEST_F(FontRemoved, ShowsTheMessageAndEndsWithNoWindowLeft) {
    Program program;
    HWND box = program.wait_window(L"Tolsy");
    ASSERT_NE(box, nullptr) << "no message box captioned Tolsy";
    EXPECT_EQ(class_name(box), L"#32770");

    // The message is the box's static text; the only button is OK.
    std::wstring message;
    int buttons = 0;
    HWND ok = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring kind = class_name(child);
        if (_wcsicmp(kind.c_str(), L"Button") == 0 && IsWindowVisible(child)) {
            ++buttons;
            ok = child;
        } else if (_wcsicmp(kind.c_str(), L"Static") == 0 && !window_text(child).empty()) {
            message = window_text(child);
        }
    }
    EXPECT_EQ(message, L"Tolsy font is not installed.\r\nThis program requires the Tolsy font");
    EXPECT_EQ(buttons, 1);
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(GetDlgCtrlID(ok), IDOK);
    settle(500);  // let the box finish painting before the picture is taken
    save_screenshot("missing_font_message", box);

    // The main window never shows while the message is up.
    for (HWND w : program.windows()) EXPECT_NE(window_text(w), L"Framewright");

    const RECT button = window_rect(ok);
    mouse_click(POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    EXPECT_TRUE(program.wait_exit());
    EXPECT_TRUE(program.windows().empty());
}

}  // namespace
}  // namespace e2e
