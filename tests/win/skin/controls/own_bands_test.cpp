// A window that clips its children paints only around its visible children; one that does not
// clip them paints all of its area.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "skin/controls/control_paint.h"
#include "skin/controls/skinned_controls_win.h"

namespace tolsy {
namespace {

HWND make_window(HWND parent, DWORD style, int x, int y, int width, int height) {
    return CreateWindowExW(0, L"STATIC", nullptr, style, x, y, width, height, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

TEST(SkinnedOwnBands, AWindowThatClipsItsChildrenPaintsAroundTheVisibleOnesOnly) {
    const struct {
        const char* what;
        DWORD parent_style;
        bool child_visible;
    } rows[] = {
        {"clips its children", WS_CLIPCHILDREN, true},
        {"does not clip them", 0, true},
        {"the child hidden", WS_CLIPCHILDREN, false},
    };
    const Rect area{0, 0, 120, 60};
    for (const auto& row : rows) {
        HWND parent = make_window(nullptr, WS_POPUP | row.parent_style, 10, 10, 120, 60);
        ASSERT_NE(parent, nullptr) << row.what;
        HWND child =
            make_window(parent, WS_CHILD | (row.child_visible ? WS_VISIBLE : 0), 6, 7, 100, 40);
        ASSERT_NE(child, nullptr) << row.what;
        const bool around = row.parent_style != 0 && row.child_visible;
        const std::vector<Rect> expected =
            around ? bands_outside(area, {{6, 7, 106, 47}}) : std::vector<Rect>{area};
        EXPECT_EQ(own_bands(parent, area), expected) << row.what;
        DestroyWindow(parent);
    }
}

}  // namespace
}  // namespace tolsy
