#include "support/frame_win.h"

#include <cstring>
#include <memory>
#include <stdexcept>
#include <vector>

#include "picture/text_renderer_win.h"
#include "skin/model/layout.h"
#include "skin/themes/theme_components.h"
#include "skin/themes/theme_manager.h"
#include "support/driver_win.h"
#include "support/program_theme_win.h"
#include "toolkit/components/window_description.h"

namespace e2e {

namespace {
tolsy::TteTheme& theme() {
    tolsy::TteTheme* t = tolsy::theme_manager().current();
    if (!t) throw std::runtime_error("the program's theme is not loaded");
    return *t;
}

void send(DWORD flags, POINT screen) {
    INPUT in = mouse_input(flags, screen);
    SendInput(1, &in, sizeof in);
    settle(100);
}
}  // namespace

void load_program_theme() {
    // Kept to the end of the process: the theme manager may outlive anything freed at exit.
    static tolsy::ThemeComponents* themes = nullptr;
    if (themes) return;
    const HMODULE exe = LoadLibraryExW(program_path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const HRSRC found = exe ? FindResourceW(exe, L"TFORM1", MAKEINTRESOURCEW(10)) : nullptr;
    const HGLOBAL loaded = found ? LoadResource(exe, found) : nullptr;
    const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
    if (!data) throw std::runtime_error("the program carries no main window description");
    const std::vector<std::uint8_t> bytes(data, data + SizeofResource(exe, found));
    FreeLibrary(exe);
    themes = new tolsy::ThemeComponents;
    tolsy::read_description(*themes, bytes, {}, tolsy::keep_theme_components);
    tolsy::set_layout_text_renderer(new tolsy::GdiTextRenderer);
}

tolsy::Image expected_frame(int width, int height, bool active, const std::string& caption,
                            int close_state, std::uint16_t buttons) {
    tolsy::FrameWindowInfo info;
    info.window = {0, 0, width, height};
    info.active = active;
    info.buttons = buttons;
    info.caption = caption;
    tolsy::Image picture(width, height, 0xFF000000);
    tolsy::Canvas canvas(picture);
    tolsy::TteTheme& t = theme();
    t.draw_window(kMainFrameKind, "default", canvas, info);
    const tolsy::Rect text = t.caption_text_rect(kMainFrameKind, "default", info);
    t.draw_caption_text(kMainFrameKind, "default", canvas, text, info);
    const int inactive = tolsy::kCaptionButtonInactive;
    for (int kind : {tolsy::kCaptionClose, tolsy::kCaptionIcon, tolsy::kCaptionMinimize}) {
        if (!(buttons & tolsy::caption_button_bit(kind))) continue;
        const tolsy::Rect r = t.caption_button_rect(kMainFrameKind, "default", info, kind);
        const int state = !active ? inactive : kind == tolsy::kCaptionClose ? close_state : 0;
        t.draw_caption_button(kMainFrameKind, "default", canvas, {r, kind, state});
    }
    return picture;
}

RECT frame_button(int width, int height, int kind, std::uint16_t buttons) {
    tolsy::FrameWindowInfo info;
    info.window = {0, 0, width, height};
    info.buttons = buttons;
    const tolsy::Rect r = theme().caption_button_rect(kMainFrameKind, "default", info, kind);
    return RECT{r.left, r.top, r.right, r.bottom};
}

RECT frame_client(int width, int height) {
    const tolsy::Rect r = theme().client_rect(kMainFrameKind, "default", {0, 0, width, height});
    return RECT{r.left, r.top, r.right, r.bottom};
}

tolsy::Image capture(HWND window) {
    return screen_pixels(window_rect(window));
}

int frame_differences(const tolsy::Image& a, const tolsy::Image& b, const RECT& client,
                      const RECT& skip) {
    if (a.width() != b.width() || a.height() != b.height()) return -1;
    int differences = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const POINT p{x, y};
            if (PtInRect(&client, p) || PtInRect(&skip, p)) continue;
            if ((a.at(x, y) & 0xFFFFFF) != (b.at(x, y) & 0xFFFFFF)) ++differences;
        }
    return differences;
}

void mouse_to(POINT screen) {
    send(0, screen);
}
void mouse_down(POINT screen, bool right) {
    send(right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN, screen);
}
void mouse_up(POINT screen, bool right) {
    send(right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP, screen);
}
void double_click(POINT screen) {
    INPUT in[4] = {
        mouse_input(MOUSEEVENTF_LEFTDOWN, screen), mouse_input(MOUSEEVENTF_LEFTUP, screen),
        mouse_input(MOUSEEVENTF_LEFTDOWN, screen), mouse_input(MOUSEEVENTF_LEFTUP, screen)};
    SendInput(4, in, sizeof(INPUT));
    settle(200);
}

POINT screen_point(HWND window, int x, int y) {
    const RECT r = window_rect(window);
    return POINT{r.left + x, r.top + y};
}

}  // namespace e2e
