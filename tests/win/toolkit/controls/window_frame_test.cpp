// Which windows have nothing outside their client area (their non-client paint is skipped).
#include "toolkit/controls/window_win.h"

#include <gtest/gtest.h>

namespace tolsy {
namespace {

TEST(WindowFrame, OnlyAWindowWithoutBorderOrScrollBarIsWithoutFrame) {
    struct Case {
        const char* name;
        DWORD style, ex_style;
        bool without;
    };
    const Case cases[] = {
        {"plain child", 0, 0, true},
        {"scroll bar shown", WS_VSCROLL, 0, false},
        {"border", WS_BORDER, 0, false},
        {"sunken edge", 0, WS_EX_CLIENTEDGE, false},
        {"static edge", 0, WS_EX_STATICEDGE, false},
    };
    HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 200, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(parent, nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND child = CreateWindowExW(c.ex_style, L"STATIC", L"", WS_CHILD | c.style, 10, 10, 80, 40,
                                     parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(child, nullptr);
        if (c.style & WS_VSCROLL) ShowScrollBar(child, SB_VERT, TRUE);
        EXPECT_EQ(without_frame(child), c.without);
        DestroyWindow(child);
    }
    DestroyWindow(parent);
}

}  // namespace
}  // namespace tolsy
