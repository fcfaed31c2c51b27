// Keyboard focus through the main window: the first page, and the order the Tab key follows.
#include "support/composer_form_win.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace e2e {
namespace {

using L = tolsy::ComposerList;

HWND focus_of(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

// The control a focused child belongs to (the edit field of an editable list is its list's).
HWND owning_control(HWND focus, const std::vector<HWND>& controls) {
    for (HWND c : controls) {
        if (focus == c || IsChild(c, focus)) return c;
    }
    return focus;
}

class TabOrder : public ComposerTest {};

TEST_F(TabOrder, FirstPageIsTolerance) {
    EXPECT_EQ(form().visible_page(), 0);
    EXPECT_EQ(SendMessageW(form().tab_strip(), TCM_GETCURSEL, 0, 0), 0);
}

TEST_F(TabOrder, TabWalksTheControlsInTheirOrder) {
    const std::vector<HWND> expected = {
        form().tab_strip(),          form().list(L::kSymbol),     form().diameter_box(),
        form().list(L::kCondition),  form().list(L::kTolerance),  form().list(L::kDatumCond1),
        form().list(L::kDatumCond2), form().list(L::kDatumCond3), form().list(L::kDatum1),
        form().list(L::kDatum2),     form().list(L::kDatum3),     form().display(),
        form().clear_button(),       form().close_button(),       form().clipboard_button(),
        form().tab_strip(),
    };
    form().show_page(0);  // the click leaves the focus on the tab row
    ASSERT_EQ(owning_control(focus_of(window), expected), expected[0]);
    for (std::size_t i = 1; i < expected.size(); ++i) {
        press_keys({VK_TAB});
        EXPECT_EQ(owning_control(focus_of(window), expected), expected[i]) << "step " << i;
    }
}

TEST_F(TabOrder, ArrowKeysOnTheTabRowTurnThePages) {
    form().show_page(2);
    EXPECT_EQ(form().visible_page(), 2);
    EXPECT_FALSE(IsWindowVisible(form().page(0)));
    press_keys({VK_LEFT});
    EXPECT_EQ(form().visible_page(), 1);
}

}  // namespace
}  // namespace e2e
