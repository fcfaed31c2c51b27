// A theme's tool-tip text margins are stored numbers: the tool-tip window is given them held
// to a sane range, the same the portable painting places the text by.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <climits>

#include "app/form1_win.h"
#include "skin/controls/control_paint.h"
#include "skin/controls/skinned_hint_win.h"
#include "skin/themes/theme_manager.h"

namespace tolsy {
namespace {

TEST(SkinnedHintMargins, TheToolTipGetsTheThemesMarginsHeldToZeroTo32Pixels) {
    TForm1 form;  // makes the built-in theme current
    form.create_window();
    auto* theme = dynamic_cast<TTeSkinFile*>(theme_manager().current());
    ASSERT_NE(theme, nullptr);
    TSeSkinObject* hint = theme->theme_object(kDefaultThemeObject, kSlotHint);
    ASSERT_NE(hint, nullptr);
    const int saved[] = {hint->text_margin_left, hint->text_margin_top, hint->text_margin_right};
    const struct {
        int left, top, right;
        RECT expected;
    } rows[] = {
        {saved[0], saved[1], saved[2], {saved[0], saved[1], saved[2], 0}},
        {-4, 40, 5, {0, 32, 5, 0}},
        {INT_MAX, INT_MIN, 1000000, {32, 0, 32, 0}},
    };
    for (const auto& row : rows) {
        hint->text_margin_left = row.left;
        hint->text_margin_top = row.top;
        hint->text_margin_right = row.right;
        HWND tip =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                            form.handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(tip, nullptr);
        skin_tool_tip(tip);
        RECT margin{-1, -1, -1, -1};
        SendMessageW(tip, TTM_GETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
        EXPECT_EQ(margin.left, row.expected.left) << row.left;
        EXPECT_EQ(margin.top, row.expected.top) << row.top;
        EXPECT_EQ(margin.right, row.expected.right) << row.right;
        EXPECT_EQ(margin.bottom, row.expected.bottom);
        DestroyWindow(tip);
    }
    hint->text_margin_left = saved[0];
    hint->text_margin_top = saved[1];
    hint->text_margin_right = saved[2];
}

}  // namespace
}  // namespace tolsy
