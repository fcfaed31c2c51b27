// The application's default error display: an exception escaping a handler is shown in a
// message box captioned with the application title, and the message loop goes on.
#include "toolkit/controls/application_win.h"
#include "toolkit/controls/window_win.h"

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>

namespace tolsy {
namespace {

constexpr UINT kFail = WM_APP;
constexpr UINT kAfter = WM_APP + 1;

class FailingWindow : public Window {
  public:
    explicit FailingWindow(std::string message) : message_(std::move(message)) {
        create(0, L"failing", WS_OVERLAPPED, 0, 0, 100, 100, nullptr, nullptr);
    }
    bool went_on = false;

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override {
        if (message == kFail) throw std::runtime_error(message_);
        if (message == kAfter) {
            went_on = true;
            PostQuitMessage(0);
            return 0;
        }
        return Window::handle_message(message, wparam, lparam);
    }

  private:
    std::string message_;
};

struct SeenBox {
    std::wstring text;
    int buttons = 0;
    bool error_icon = false;
};

// Waits for our message box captioned "Tolsy", reads it, presses OK, then lets the window go on.
SeenBox answer_box(HWND window) {
    SeenBox seen;
    HWND box = nullptr;
    for (int i = 0; i < 500 && !box; ++i) {
        Sleep(20);
        box = FindWindowW(L"#32770", L"Tolsy");
    }
    if (!box) return seen;
    HWND ok = nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t kind[64];
        GetClassNameW(child, kind, 64);
        wchar_t text[256];
        const int n = GetWindowTextW(child, text, 256);
        if (_wcsicmp(kind, L"Button") == 0 && IsWindowVisible(child)) {
            ++seen.buttons;
            ok = child;
        } else if (_wcsicmp(kind, L"Static") == 0) {
            if (n > 0) seen.text.assign(text, n);
            if (GetWindowLongW(child, GWL_STYLE) & SS_ICON) seen.error_icon = true;
        }
    }
    PostMessageW(ok, BM_CLICK, 0, 0);
    for (int i = 0; i < 500 && IsWindow(box); ++i) Sleep(20);
    PostMessageW(window, kAfter, 0, 0);
    return seen;
}

SeenBox run_failing_handler(const std::string& message) {
    Application& app = Application::instance();
    app.set_title("Tolsy");
    FailingWindow window(message);
    SeenBox seen;
    std::thread watcher([&] { seen = answer_box(window.handle()); });
    PostMessageW(window.handle(), kFail, 0, 0);
    app.run();
    watcher.join();
    EXPECT_TRUE(window.went_on) << "the message loop stopped after the error";
    return seen;
}

TEST(DefaultErrorDisplay, ShowsTheTextWithAFullStopAndGoesOn) {
    const SeenBox seen = run_failing_handler("Cannot open clipboard");
    EXPECT_EQ(seen.text, L"Cannot open clipboard.");
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_TRUE(seen.error_icon);
}

TEST(DefaultErrorDisplay, KeepsAnExistingFullStop) {
    const SeenBox seen = run_failing_handler("List index out of bounds (3).");
    EXPECT_EQ(seen.text, L"List index out of bounds (3).");
}

}  // namespace
}  // namespace tolsy
