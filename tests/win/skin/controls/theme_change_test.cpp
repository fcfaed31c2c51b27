// A change of the theme's hue reaches the skinned controls: the main window's Clear button
// repaints in the new colours, as the portable painting shows it for the shifted theme.
#include <gtest/gtest.h>

#include "app/form1_controls_win.h"
#include "app/form1_glyphs.h"
#include "app/form1_win.h"
#include "skin/controls/control_paint.h"
#include "skin/controls/skinned_controls_win.h"
#include "skin/themes/theme_manager.h"

namespace tolsy {
namespace {

void pump(DWORD ms) {
    const DWORD until = GetTickCount() + ms;
    MSG msg;
    while (static_cast<LONG>(until - GetTickCount()) > 0) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(10);
    }
}

// The window's pixels as the screen shows them (opaque), through its own device context.
Image pixels_of(HWND window) {
    RECT r;
    GetClientRect(window, &r);
    HDC dc = GetDC(window);
    HDC memory = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, r.right, r.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
    Image out(r.right, r.bottom);
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x) {
            const COLORREF c = GetPixel(memory, x, y);
            out.at(x, y) = 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
                           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
        }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(window, dc);
    return out;
}

bool same_colours(const Image& a, const Image& b) {
    if (a.width() != b.width() || a.height() != b.height()) return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (((a.at(x, y) ^ b.at(x, y)) & 0xFFFFFFu) != 0) return false;
    return true;
}

TEST(SkinnedControlsThemeChange, AHueChangeRepaintsThePushButtonsInTheNewColours) {
    theme_manager().unload_current();
    TForm1 form;
    form.create_window();
    ASSERT_NE(form.handle(), nullptr);
    form.show();
    SetForegroundWindow(form.handle());
    pump(400);
    HWND clear = form.controls().ClearAllButton->handle();
    auto* theme = dynamic_cast<TTeSkinFile*>(theme_manager().current());
    ASSERT_NE(theme, nullptr);
    const Image before = pixels_of(clear);

    theme->set_deltas(120, 0);
    theme_manager().notify(ThemeCode::ColorsChanged, kColorsFromDeltas);
    pump(400);
    const Image after = pixels_of(clear);

    RECT r;
    GetClientRect(clear, &r);
    const Image glyph = clear_button_glyph();
    PushButtonLook look;
    look.caption = "Clear";
    look.glyph = &glyph;
    const Image expected = push_button_picture(*theme, {r.right, r.bottom}, look, control_text(),
                                               background_pixel(form.handle()));
    EXPECT_FALSE(same_colours(before, after));
    EXPECT_TRUE(same_colours(after, expected));
    theme->set_deltas(0, 0);
}

}  // namespace
}  // namespace tolsy
