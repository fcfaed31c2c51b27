// The controls on screen are the theme's painting: the pixels of a push button and of a palette
// button, in the state real input puts them in, equal what the portable painting makes of the
// same theme object, state and size off-screen.
#include <gtest/gtest.h>

#include "app/form1_glyphs.h"
#include "base/windows1252.h"
#include "skin/controls/control_paint.h"
#include "skin/controls/skinned_controls_win.h"
#include "support/composer_form_win.h"
#include "support/program_theme_win.h"
#include "toolkit/controls/control_builder_win.h"

namespace e2e {
namespace {

using tolsy::VisualState;

RECT screen_rect_of(HWND control) {
    RECT r = client_rect(control);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT centre(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void mouse_button(DWORD flags, POINT at) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dx = static_cast<LONG>((at.x * 65536LL + GetSystemMetrics(SM_CXSCREEN) / 2) /
                                 GetSystemMetrics(SM_CXSCREEN));
    in.mi.dy = static_cast<LONG>((at.y * 65536LL + GetSystemMetrics(SM_CYSCREEN) / 2) /
                                 GetSystemMetrics(SM_CYSCREEN));
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &in, sizeof in);
    settle(200);
}

HWND focused_in(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

class SkinnedControls : public ComposerTest {
  protected:
    static const ProgramTheme& painting() {
        static const ProgramTheme theme;
        return theme;
    }
    void SetUp() override {
        ComposerTest::SetUp();
        ASSERT_TRUE(activate(window));
        mouse_move(POINT{0, 0});
    }

    // The button on screen against the theme's painting of it in that state.
    void expect_button(HWND button, const tolsy::Image& glyph, VisualState state,
                       bool focus_cue) const {
        const RECT r = screen_rect_of(button);
        tolsy::PushButtonLook look;
        look.state = state;
        const std::wstring caption = window_text(button);
        look.caption =
            tolsy::utf16_to_windows1252_lossy(std::u16string(caption.begin(), caption.end()));
        look.glyph = &glyph;
        look.focus_cue = focus_cue;
        const tolsy::Image expected =
            tolsy::push_button_picture(painting().theme(), {r.right - r.left, r.bottom - r.top},
                                       look, painting().text(), ProgramTheme::background());
        ASSERT_FALSE(expected.empty());
        const tolsy::Image seen = screen_pixels(r);
        const Difference d = compare_pixels(seen, expected);
        EXPECT_EQ(d.count, 0) << look.caption << " in state " << static_cast<int>(state) << ": "
                              << describe(d);
    }

    // A palette button on its page against the page and button painted off-screen.
    void expect_palette_button(int number, VisualState state) const {
        const std::string name = "TeSpeedButton" + std::to_string(number);
        const auto& design = painting().form().control<tolsy::TeSpeedButton>(name);
        const HWND page = form().page(form().visible_page());
        const RECT client = client_rect(page);
        tolsy::Image expected(client.right, client.bottom, ProgramTheme::background());
        tolsy::Canvas canvas(expected);
        tolsy::TTeSkinFile& theme = painting().theme();
        const tolsy::Rect page_rect{0, 0, client.right, client.bottom};
        ASSERT_TRUE(tolsy::paint_page_frame(
            theme, canvas, tolsy::page_frame_around(theme, page_rect), painting().text()));
        tolsy::SpeedButtonLook look;
        look.state = state;
        look.label = tolsy::utf16_to_windows1252_lossy(design.caption);
        look.font =
            tolsy::paint_font(tolsy::font_spec(design.effective_font(painting().form().font)));
        const tolsy::Rect rect =
            tolsy::Rect::from_size(design.left, design.top, design.width, design.height);
        ASSERT_TRUE(tolsy::paint_speed_button(theme, canvas, rect, look, painting().text()));
        tolsy::Image button(rect.width(), rect.height());
        tolsy::Canvas(button).draw_image(expected, rect, {0, 0, rect.width(), rect.height()},
                                         tolsy::DrawMode::kCopy);
        RECT on_screen{rect.left, rect.top, rect.right, rect.bottom};
        MapWindowPoints(page, nullptr, reinterpret_cast<POINT*>(&on_screen), 2);
        const Difference d = compare_pixels(screen_pixels(on_screen), button);
        EXPECT_EQ(d.count, 0) << name << " in state " << static_cast<int>(state) << ": "
                              << describe(d);
    }
};

TEST_F(SkinnedControls, PushButtonsAtRestAndTheDefaultButton) {
    expect_button(form().clear_button(), tolsy::clear_button_glyph(), VisualState::kNormal, false);
    expect_button(form().clipboard_button(), tolsy::clipboard_button_glyph(), VisualState::kDefault,
                  false);
}

TEST_F(SkinnedControls, ThePointerOverToClipboardShowsItsHotLook) {
    mouse_move(centre(screen_rect_of(form().clipboard_button())));
    settle(200);
    expect_button(form().clipboard_button(), tolsy::clipboard_button_glyph(), VisualState::kHot,
                  false);
    mouse_move(POINT{0, 0});
    settle(200);
    expect_button(form().clipboard_button(), tolsy::clipboard_button_glyph(), VisualState::kDefault,
                  false);
}

TEST_F(SkinnedControls, AButtonLooksPressedWhileTheMouseButtonIsHeld) {
    const POINT at = centre(screen_rect_of(form().clear_button()));
    mouse_button(MOUSEEVENTF_LEFTDOWN, at);
    expect_button(form().clear_button(), tolsy::clear_button_glyph(), VisualState::kPressed, true);
    mouse_button(MOUSEEVENTF_LEFTUP, at);
}

TEST_F(SkinnedControls, TabGivesAButtonItsFocusedLook) {
    form().show_page(0);  // the click leaves the focus on the tab row
    mouse_move(POINT{0, 0});
    for (int i = 0; i < 20 && focused_in(window) != form().clear_button(); ++i)
        press_keys({VK_TAB});
    ASSERT_EQ(focused_in(window), form().clear_button());
    settle(200);
    expect_button(form().clear_button(), tolsy::clear_button_glyph(), VisualState::kFocused, true);
    // Another push button has the focus: To Clipboard no longer shows the default mark.
    expect_button(form().clipboard_button(), tolsy::clipboard_button_glyph(), VisualState::kNormal,
                  false);
}

TEST_F(SkinnedControls, PaletteButtonsAreFlatAtRestAndHotUnderThePointer) {
    form().show_page(1);
    mouse_move(POINT{0, 0});
    settle(200);
    expect_palette_button(2, VisualState::kNormal);
    mouse_move(form().palette_button_centre(1));
    settle(200);
    expect_palette_button(1, VisualState::kHot);
    expect_palette_button(2, VisualState::kNormal);
}

}  // namespace
}  // namespace e2e
