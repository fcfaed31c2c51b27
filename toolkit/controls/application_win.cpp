#include "toolkit/controls/application_win.h"

#include "base/windows1252_win.h"
#include "toolkit/controls/error_text.h"

#include <utility>

namespace tolsy {

Application& Application::instance() {
    static Application application;
    return application;
}

Application::MessageHook Application::set_message_hook(MessageHook hook) {
    return std::exchange(message_hook_, std::move(hook));
}
Application::HelpHook Application::set_help_hook(HelpHook hook) {
    return std::exchange(help_hook_, std::move(hook));
}
Application::Notify Application::set_on_minimize(Notify handler) {
    return std::exchange(on_minimize_, std::move(handler));
}
Application::Notify Application::set_on_restore(Notify handler) {
    return std::exchange(on_restore_, std::move(handler));
}

bool Application::process_message(MSG& msg) {
    bool handled = false;
    guarded([&] {
        if (message_hook_ && message_hook_(msg)) {
            handled = true;
            return;
        }
        // Dialog navigation (Tab, mnemonics, default button) for the window the message is in.
        HWND top = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (top && IsDialogMessageW(top, &msg)) handled = true;
    });
    return handled;
}

namespace {
// Keys, buttons and wheels: input that can ask for something. The pointer merely moving (the
// platform sends a move as soon as a window appears under it) asks for nothing.
bool is_action(UINT message) {
    if (message == WM_MOUSEMOVE || message == WM_NCMOUSEMOVE) return false;
    return (message >= WM_KEYFIRST && message <= WM_KEYLAST) ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK) || message == WM_INPUT;
}
// True when no message, input or paint arrives for `quiet_ms`. The wait also lets the platform
// take in what the display has sent and bring what was painted to the screen.
bool queue_quiet_for(DWORD quiet_ms) {
    return MsgWaitForMultipleObjectsEx(0, nullptr, quiet_ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE) ==
           WAIT_TIMEOUT;
}
}  // namespace

void Application::run_first_idle_work(bool input_waits) {
    while (first_idle_done_ < first_idle_work_.size()) {
        IdleWork& next = first_idle_work_[first_idle_done_];
        if (!input_waits && !queue_quiet_for(next.quiet_ms)) return;
        ++first_idle_done_;
        guarded(next.work);
    }
    first_idle_work_.clear();
    first_idle_done_ = 0;
}

int Application::run() {
    MSG msg;
    for (;;) {
        if (!first_idle_work_.empty()) run_first_idle_work(false);
        if (!first_idle_work_.empty()) {
            // Woken before the quiet time ran out: take what woke the wait without blocking.
            // It may have been only the platform's own traffic, which leaves no message, and
            // blocking in GetMessage would then put the work off until the next input.
            if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) continue;
            if (msg.message == WM_QUIT) break;
        } else if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            break;
        }
        if (!first_idle_work_.empty() && is_action(msg.message)) run_first_idle_work(true);
        if (process_message(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    terminated_ = true;
    return static_cast<int>(msg.wParam);
}

void Application::terminate() {
    terminated_ = true;
    PostQuitMessage(0);
}

void Application::notify_minimize() {
    if (on_minimize_) guarded(on_minimize_);
}

void Application::notify_restore() {
    if (on_restore_) guarded(on_restore_);
}

void Application::show_exception(const std::exception& error) noexcept {
    show_error_text(error.what());
}

void Application::show_error_text(const std::string& text) noexcept {
    try {
        const std::wstring message = windows1252_to_wide(error_display_text(text));
        const std::wstring caption =
            windows1252_to_wide(title_.empty() ? std::string(kApplicationTitle) : title_);
        HWND owner = main_window_ && IsWindowVisible(main_window_) ? main_window_ : nullptr;
        MessageBoxW(owner, message.c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
    } catch (...) {
        // Out of memory while reporting: nothing sensible is left to do.
    }
}

}  // namespace tolsy
