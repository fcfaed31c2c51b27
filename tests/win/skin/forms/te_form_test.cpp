// The skinned frame on a real window carrying every border icon: zones and hit-test codes,
// caption button states, maximise, roll-up, tray and restore bounds, cancelling close and
// minimise, a window state read with the description, system commands passed on, and the
// platform's frame again when the theme goes.
#include "skin/forms/te_form_win.h"

#include <gtest/gtest.h>

#include <memory>

#include "picture/text_renderer_win.h"
#include "skin/themes/theme_components.h"
#include "toolkit/components/text_stream.h"
#include "toolkit/controls/form_components_win.h"
#include "toolkit/controls/form_resource_win.h"

namespace tolsy {
namespace {

constexpr int kClientWidth = 300;
constexpr int kClientHeight = 200;

// Records the system commands that reach the form itself and handles none of them.
class RecordingForm : public Form {
  public:
    std::vector<WPARAM> commands;
    int close_requests = 0;

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override {
        if (message == WM_SYSCOMMAND) {
            commands.push_back(wparam & 0xFFF0);
            return 0;
        }
        if (message == WM_CLOSE) {
            ++close_requests;
            return 0;
        }
        return Form::handle_message(message, wparam, lparam);
    }
};

bool same(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b) != FALSE;
}

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

class FrameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        themes = std::make_unique<ThemeComponents>();
        load_window_description(*themes, "TFORM1", {}, keep_theme_components);
        ASSERT_NE(theme_manager().current(), nullptr);
        register_frame_classes();
        form.set_caption("Frame test");
        form.set_client_size(kClientWidth, kClientHeight);
        form.create_window();
        shell = std::make_unique<FormComponents>(form);
        shell->add_handler("FrameClose", TTeCancelEvent::Function([this](Component&, bool& go) {
                               ++closes;
                               go = allow;
                           }));
        shell->add_handler("FrameMinimize",
                           TTeCancelEvent::Function([this](Component&, bool& go) { go = allow; }));
        shell->add_handler("FrameToTray", NotifyEvent::Function([this](Component&) { ++to_tray; }));
        read_description(
            *shell,
            object_text_to_binary("object Main: TMain\n  object TeForm1: TTeForm\n"
                                  "    BorderIcons = [kbiClose, kbiSystemMenu, kbiMinimize, "
                                  "kbiMaximize, kbiHelp, kbiRollup, kbiTray]\n"
                                  "    OnClose = FrameClose\n    OnMinimize = FrameMinimize\n"
                                  "    OnMinToTray = FrameToTray\n" +
                                  extra_properties() + "  end\nend\n"),
            {}, [](ObjectNode& n) { n.properties.clear(); });
        frame = dynamic_cast<TTeForm*>(shell->find_component("TeForm1"));
        ASSERT_NE(frame, nullptr);
        ShowWindow(form.handle(), SW_SHOWNOACTIVATE);
        pump();
    }
    virtual std::string extra_properties() const { return {}; }
    void TearDown() override {
        shell.reset();
        themes.reset();
    }
    RECT window() const {
        RECT r{};
        GetWindowRect(form.handle(), &r);
        return r;
    }
    // The screen point at a place of the window.
    LPARAM at(Point p) const {
        const RECT r = window();
        return MAKELPARAM(r.left + p.x, r.top + p.y);
    }
    Point centre_of_button(int kind) const {
        const Rect r = theme_manager().current()->caption_button_rect(kFrameStandard, "default",
                                                                      frame->window_info(), kind);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    LRESULT hit(Point p) const { return SendMessageW(form.handle(), WM_NCHITTEST, 0, at(p)); }

    std::unique_ptr<ThemeComponents> themes;
    RecordingForm form;
    std::unique_ptr<FormComponents> shell;
    TTeForm* frame = nullptr;
    int closes = 0;
    int to_tray = 0;
    bool allow = true;
};

TEST_F(FrameTest, ClientKeepsItsSizeInsideTheThemesFrame) {
    RECT client{};
    GetClientRect(form.handle(), &client);
    EXPECT_EQ(client.right, kClientWidth);
    EXPECT_EQ(client.bottom, kClientHeight);
    const RECT r = window();
    EXPECT_EQ(r.right - r.left, kClientWidth + 10);
    EXPECT_EQ(r.bottom - r.top, kClientHeight + 34);
    EXPECT_TRUE(frame->framed());
}

TEST_F(FrameTest, ZonesAnswerTheirHitTestCodes) {
    const std::pair<Point, LRESULT> points[] = {
        {{150, 12}, HTCAPTION},
        {centre_of_button(kCaptionClose), HTCLOSE},
        {centre_of_button(kCaptionMinimize), HTMINBUTTON},
        {centre_of_button(kCaptionMaximize), HTMAXBUTTON},
        {centre_of_button(kCaptionHelp), HTHELP},
        {centre_of_button(kCaptionRollUp), HTBORDER},
        {centre_of_button(kCaptionTray), HTBORDER},
        {centre_of_button(kCaptionIcon), HTSYSMENU},
        {{1, 100}, HTLEFT},
        {{kClientWidth + 8, 100}, HTRIGHT},
        {{150, kClientHeight + 32}, HTBOTTOM},
        {{kClientWidth + 8, kClientHeight + 32}, HTBOTTOMRIGHT},
        {{150, 100}, HTCLIENT},
    };
    for (const auto& [p, code] : points) EXPECT_EQ(hit(p), code) << p.x << "," << p.y;
}

TEST_F(FrameTest, WithoutAFrameTheWholeWindowIsClientAndDragsTheWindow) {
    const RECT before = window();
    frame->disabled_nc_area = true;
    frame->apply_frame();
    RECT client{};
    GetClientRect(form.handle(), &client);
    EXPECT_EQ(client.right, kClientWidth);
    EXPECT_EQ(client.bottom, kClientHeight);
    EXPECT_TRUE(same(window(), RECT{before.left, before.top, before.left + kClientWidth,
                                    before.top + kClientHeight}));
    for (Point p : {Point{150, 100}, Point{2, 2}, centre_of_button(kCaptionClose)})
        EXPECT_EQ(hit(p), HTCAPTION) << p.x << "," << p.y;
    // No caption is painted over the client area's top.
    pump();
    frame->paint_frame();
    HDC dc = GetDC(form.handle());
    EXPECT_EQ(GetPixel(dc, 150, 12), GetPixel(dc, 150, 100));
    ReleaseDC(form.handle(), dc);
}

TEST_F(FrameTest, CloseButtonIsHotThenPressedAndAReleaseElsewhereDoesNothing) {
    const Point close = centre_of_button(kCaptionClose);
    const Image normal = frame->render_frame();
    SendMessageW(form.handle(), WM_NCMOUSEMOVE, HTCLOSE, at(close));
    EXPECT_EQ(frame->hot_zone(), kZoneClose);
    EXPECT_TRUE(frame->hover_check_running());
    const Image hot = frame->render_frame();
    EXPECT_NE(hot.at(close.x - 6, close.y - 6), normal.at(close.x - 6, close.y - 6));

    SendMessageW(form.handle(), WM_NCLBUTTONDOWN, HTCLOSE, at(close));
    EXPECT_EQ(frame->pressed_zone(), kZoneClose);
    const Image pressed = frame->render_frame();
    EXPECT_NE(pressed.at(close.x - 6, close.y - 6), hot.at(close.x - 6, close.y - 6));
    SendMessageW(form.handle(), WM_LBUTTONUP, 0, MAKELPARAM(100, 100));  // in the client area
    pump();
    EXPECT_EQ(closes, 0);
    EXPECT_EQ(form.close_requests, 0);

    // The hover check puts the button back and stops once the mouse is elsewhere.
    SetCursorPos(window().right + 50, window().bottom + 50);
    SendMessageW(form.handle(), WM_TIMER, 0xB0E1, 0);
    EXPECT_EQ(frame->hot_zone(), kZoneClient);
    EXPECT_FALSE(frame->hover_check_running());

    SendMessageW(form.handle(), WM_NCLBUTTONDOWN, HTCLOSE, at(close));
    SendMessageW(form.handle(), WM_NCLBUTTONUP, HTCLOSE, at(close));
    pump();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(form.close_requests, 1);
}

TEST_F(FrameTest, CloseAndMinimiseCanBeCancelled) {
    allow = false;
    frame->close_window();
    SendMessageW(form.handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    pump();
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(form.close_requests, 0);
    EXPECT_FALSE(IsIconic(form.handle()));
    EXPECT_TRUE(form.commands.empty());
}

TEST_F(FrameTest, MaximiseRollUpAndRestoreBounds) {
    const RECT normal = window();
    frame->maximize();
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(form.handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    EXPECT_TRUE(same(monitor.rcWork, window()));
    EXPECT_EQ(frame->window_state(), TTeWindowState::kwsMaximized);
    frame->restore();
    EXPECT_TRUE(same(normal, window()));
    frame->rollup();
    EXPECT_EQ(window().bottom - window().top, 29);
    EXPECT_EQ(window().left, normal.left);
    frame->restore();
    EXPECT_TRUE(same(normal, window()));
    EXPECT_EQ(frame->window_state(), TTeWindowState::kwsNormal);
}

TEST_F(FrameTest, OtherSystemCommandsGoOnUntouched) {
    for (WPARAM command : {SC_MOVE, SC_SIZE, SC_CLOSE, SC_CONTEXTHELP})
        SendMessageW(form.handle(), WM_SYSCOMMAND, command, 0);
    EXPECT_EQ(form.commands, (std::vector<WPARAM>{SC_MOVE, SC_SIZE, SC_CLOSE, SC_CONTEXTHELP}));
}

TEST_F(FrameTest, WithoutAThemeThePlatformsFrameReturns) {
    themes.reset();  // the stored theme goes with its list
    EXPECT_EQ(theme_manager().current(), nullptr);
    EXPECT_FALSE(frame->framed());
    RECT client{};
    GetClientRect(form.handle(), &client);
    EXPECT_EQ(client.right, kClientWidth);
    EXPECT_EQ(client.bottom, kClientHeight);
    EXPECT_EQ(hit({150, 100}), HTCLIENT);
}

TEST_F(FrameTest, ConstraintsBoundTheSize) {
    struct Case {
        int min_width, min_height, max_width, max_height;
        SIZE asked, got;
    };
    const Case cases[] = {
        {0, 0, 0, 0, {400, 300}, {400, 300}},         {0, 0, 350, 250, {400, 300}, {350, 250}},
        {200, 150, 0, 0, {100, 100}, {200, 150}},     {200, 150, 350, 250, {300, 200}, {300, 200}},
        {200, 150, 350, 250, {100, 400}, {200, 250}},
    };
    for (const Case& c : cases) {
        frame->constraints.min_width = c.min_width;
        frame->constraints.min_height = c.min_height;
        frame->constraints.max_width = c.max_width;
        frame->constraints.max_height = c.max_height;
        SetWindowPos(form.handle(), nullptr, 0, 0, c.asked.cx, c.asked.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        EXPECT_EQ(window().right - window().left, c.got.cx) << c.asked.cx;
        EXPECT_EQ(window().bottom - window().top, c.got.cy) << c.asked.cy;
    }
    frame->rollup();  // shorter than its minimum
    EXPECT_LT(window().bottom - window().top, 150);
}

TEST_F(FrameTest, EqualConstraintsGiveWayWhileTheFrameChanges) {
    const RECT r = window();
    const int width = r.right - r.left, height = r.bottom - r.top;
    frame->constraints.min_width = frame->constraints.max_width = width;
    frame->constraints.min_height = frame->constraints.max_height = height;
    frame->set_border_style(TTeBorderStyle::kbsToolWindow);  // a thinner caption
    RECT client{};
    GetClientRect(form.handle(), &client);
    EXPECT_EQ(client.right, kClientWidth);
    EXPECT_EQ(client.bottom, kClientHeight);
    EXPECT_LT(window().bottom - window().top, height);
    EXPECT_EQ(frame->constraints.min_height, height);
    EXPECT_EQ(frame->constraints.max_height, height);
}

// A frame changed while the window is hidden is laid out as the window is shown: the client area
// keeps its size (equal constraints giving way then too) and the region fits the new window.
TEST_F(FrameTest, AFrameChangedWhileHiddenIsLaidOutAsTheWindowIsShown) {
    ShowWindow(form.handle(), SW_HIDE);
    const RECT r = window();
    const int width = r.right - r.left, height = r.bottom - r.top;
    frame->constraints.min_width = frame->constraints.max_width = width;
    frame->constraints.min_height = frame->constraints.max_height = height;
    frame->set_border_style(TTeBorderStyle::kbsToolWindow);  // a thinner caption
    ShowWindow(form.handle(), SW_SHOWNOACTIVATE);
    pump();
    RECT client{};
    GetClientRect(form.handle(), &client);
    EXPECT_EQ(client.right, kClientWidth);
    EXPECT_EQ(client.bottom, kClientHeight);
    const RECT shown = window();
    EXPECT_LT(shown.bottom - shown.top, height);
    RECT region{};
    ASSERT_NE(GetWindowRgnBox(form.handle(), &region), ERROR);
    EXPECT_EQ(region.right - region.left, shown.right - shown.left);
    EXPECT_EQ(region.bottom - region.top, shown.bottom - shown.top);
    EXPECT_EQ(frame->constraints.max_height, height);
}

// Dragging with the mouse held down in the frame: the caption moves the window when it is
// moveable, the borders size it only when it is sizeable; an outline drag moves the window
// once, on the release.
TEST_F(FrameTest, DraggingMovesAndSizesOnlyWhereAllowed) {
    struct Case {
        const char* what;
        Point from;
        bool moveable, sizeable, full_drag;
        RECT change;  // added to the window's rectangle
    };
    const int right = kClientWidth + 8, bottom = kClientHeight + 32;
    const Case cases[] = {
        {"caption, full drag", {150, 12}, true, true, true, {20, 15, 20, 15}},
        {"caption, outline", {150, 12}, true, true, false, {20, 15, 20, 15}},
        {"caption, not moveable", {150, 12}, false, true, true, {0, 0, 0, 0}},
        {"left border", {1, 100}, true, true, true, {20, 0, 0, 0}},
        {"bottom border, outline", {150, bottom}, true, true, false, {0, 0, 0, 15}},
        {"bottom-right corner", {right, bottom}, true, true, true, {0, 0, 20, 15}},
        {"left border, not sizeable", {1, 100}, true, false, true, {0, 0, 0, 0}},
        {"bottom-right, not sizeable", {right, bottom}, true, false, true, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        frame->dragging.moveable = c.moveable;
        frame->dragging.sizeable = c.sizeable;
        frame->dragging.drag_mode =
            c.full_drag ? TTeFormDragMode::kfdmFullDrag : TTeFormDragMode::kfdmBorder;
        const RECT before = window();
        const LRESULT code = hit(c.from);
        SendMessageW(form.handle(), WM_NCLBUTTONDOWN, code, at(c.from));
        POINT to{before.left + c.from.x + 20, before.top + c.from.y + 15};
        ScreenToClient(form.handle(), &to);
        SendMessageW(form.handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(to.x, to.y));
        const RECT during = window();
        SendMessageW(form.handle(), WM_LBUTTONUP, 0, MAKELPARAM(to.x, to.y));
        const RECT after = window();
        const RECT expected{before.left + c.change.left, before.top + c.change.top,
                            before.right + c.change.right, before.bottom + c.change.bottom};
        EXPECT_TRUE(same(after, expected)) << c.what;
        EXPECT_TRUE(same(during, c.full_drag ? expected : before)) << c.what;
        SetWindowPos(form.handle(), nullptr, before.left, before.top, before.right - before.left,
                     before.bottom - before.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// What a thread timer finds while the engine's window menu is open, before it picks an entry.
struct OpenMenu {
    int entries = 0;
    RECT close{};
    COLORREF close_pixel = 0;
    HWND form = nullptr;
};
OpenMenu* open_menu = nullptr;

void CALLBACK look_at_menu(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    HWND popup = FindWindowW(L"#32768", nullptr);
    auto* menu = popup ? reinterpret_cast<HMENU>(SendMessageW(popup, MN_GETHMENU, 0, 0)) : nullptr;
    if (!menu) return;
    open_menu->entries = GetMenuItemCount(menu);
    GetMenuItemRect(open_menu->form, menu, static_cast<UINT>(open_menu->entries - 1),
                    &open_menu->close);
    HDC screen = GetDC(nullptr);
    open_menu->close_pixel = GetPixel(screen, open_menu->close.right - 3, open_menu->close.top + 1);
    ReleaseDC(nullptr, screen);
    PostMessageW(popup, WM_CHAR, 'x', 0);  // Ma&ximize
}

TEST_F(FrameTest, EnginesWindowMenuIsDrawnFromTheThemeAndActsByCaption) {
    OpenMenu seen;
    seen.form = form.handle();
    open_menu = &seen;
    SetTimer(nullptr, 0, 300, &look_at_menu);
    SendMessageW(form.handle(), WM_SYSCOMMAND, SC_KEYMENU, 0);
    open_menu = nullptr;
    // Minimise, maximise, roll-up, tray, a separator and close.
    EXPECT_EQ(seen.entries, 6);
    EXPECT_EQ(frame->window_state(), TTeWindowState::kwsMaximized);

    const WindowMenuEntry close{"&Close", "Alt+F4", 0};
    Image expected(seen.close.right - seen.close.left, seen.close.bottom - seen.close.top);
    Canvas canvas(expected);
    GdiTextRenderer text;
    ASSERT_TRUE(paint_window_menu_entry(*theme_manager().current(), close, false, canvas, text));
    const std::uint32_t pixel = expected.at(expected.width() - 3, 1);
    EXPECT_EQ(seen.close_pixel, RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
}

// Whether the notification area holds the frame's icon (changing it fails when it does not).
bool icon_in_tray(HWND tray_window) {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = tray_window;
    icon.uID = 1;
    return Shell_NotifyIconW(NIM_MODIFY, &icon) != FALSE;
}

TEST_F(FrameTest, TrayButtonHidesTheWindowAndTheIconsClickRestoresIt) {
    const RECT normal = window();
    const Point tray = centre_of_button(kCaptionTray);
    SendMessageW(form.handle(), WM_NCLBUTTONDOWN, HTBORDER, at(tray));
    SendMessageW(form.handle(), WM_NCLBUTTONUP, HTBORDER, at(tray));
    ASSERT_TRUE(frame->tray_icon_shown());
    EXPECT_TRUE(icon_in_tray(frame->tray_window()));
    EXPECT_EQ(to_tray, 1);
    EXPECT_EQ(frame->window_state(), TTeWindowState::kwsTray);
    EXPECT_FALSE(IsWindowVisible(form.handle()));

    SendMessageW(frame->tray_window(), kTrayCallbackMessage, 1, WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(form.handle()));
    EXPECT_TRUE(same(normal, window()));
    EXPECT_EQ(frame->window_state(), TTeWindowState::kwsNormal);
    EXPECT_FALSE(icon_in_tray(frame->tray_window()));

    // Cancelled by OnMinimize: nothing happens.
    allow = false;
    frame->minimize_to_tray();
    EXPECT_TRUE(IsWindowVisible(form.handle()));
    EXPECT_FALSE(frame->tray_icon_shown());
    EXPECT_EQ(to_tray, 1);

    // The icon goes with the component.
    allow = true;
    frame->minimize_to_tray();
    const HWND tray_window = frame->tray_window();
    ASSERT_TRUE(icon_in_tray(tray_window));
    shell.reset();
    EXPECT_FALSE(icon_in_tray(tray_window));
}

// A window state in the description is applied once the window is loaded and shown.
class LoadedStateTest : public FrameTest, public ::testing::WithParamInterface<TTeWindowState> {
  protected:
    std::string extra_properties() const override {
        const char* const names[] = {"kwsNormal", "kwsMaximized", "kwsMinimized", "kwsRollup",
                                     "kwsTray"};
        return std::string("    WindowState = ") + names[static_cast<int>(GetParam())] + "\n";
    }
};

TEST_P(LoadedStateTest, IsAppliedAfterLoading) {
    const TTeWindowState state = GetParam();
    EXPECT_EQ(frame->window_state(), state);
    EXPECT_EQ(IsWindowVisible(form.handle()) != FALSE, state != TTeWindowState::kwsTray);
    EXPECT_EQ(frame->tray_icon_shown(), state == TTeWindowState::kwsTray);
    // Restored, the window has its normal size: loading laid the frame out for it.
    frame->restore();
    EXPECT_EQ(window().bottom - window().top, kClientHeight + 34);
}

INSTANTIATE_TEST_SUITE_P(States, LoadedStateTest,
                         ::testing::Values(TTeWindowState::kwsMaximized, TTeWindowState::kwsRollup,
                                           TTeWindowState::kwsTray));

}  // namespace
}  // namespace tolsy
