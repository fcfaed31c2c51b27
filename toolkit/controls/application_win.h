#pragma once
// The application object: title, message loop, process-wide hooks and the default error display.
//
// Hooks are single slots. A component that takes one over keeps the previous handler (returned
// by the setter), calls it first from its own, and puts it back when it is destroyed.
#include <windows.h>

#include <exception>
#include <functional>
#include <string>
#include <vector>

namespace tolsy {

class Application {
  public:
    // Return true when the message was handled and must not be dispatched.
    using MessageHook = std::function<bool(MSG&)>;
    // Return true when the help request was handled.
    using HelpHook = std::function<bool(UINT command, ULONG_PTR data)>;
    using Notify = std::function<void()>;

    static Application& instance();

    void set_title(std::string title) { title_ = std::move(title); }
    const std::string& title() const { return title_; }

    // The first window created; closing it ends the message loop.
    void set_main_window(HWND window) { main_window_ = window; }
    HWND main_window() const { return main_window_; }

    MessageHook set_message_hook(MessageHook hook);
    HelpHook set_help_hook(HelpHook hook);
    Notify set_on_minimize(Notify handler);
    Notify set_on_restore(Notify handler);
    const HelpHook& help_hook() const { return help_hook_; }
    // Work for the message loop to do once, in the order given: each piece when the thread's
    // queue has stayed empty (nothing to paint, no input waiting) for `quiet_ms` after the piece
    // before it, or before the first key, button or wheel message if one comes sooner.
    // Start-up puts there what the first paint does not need and no input can find missing.
    void at_first_idle(Notify work, DWORD quiet_ms = 0) {
        first_idle_work_.push_back({quiet_ms, std::move(work)});
    }

    // Runs the message loop until the quit request; returns its exit code.
    int run();
    // Posts the quit request; nothing is torn down here.
    void terminate();
    bool terminated() const { return terminated_; }

    // Called by the main window when it is minimised or restored.
    void notify_minimize();
    void notify_restore();

    // The default error display: error icon, one OK, the title as caption, the error's text
    // with a full stop added when it has none. Work goes on afterwards.
    void show_exception(const std::exception& error) noexcept;
    void show_error_text(const std::string& text) noexcept;
    // Runs f, showing any exception that escapes it; never lets one through.
    template <class F>
    void guarded(F&& f) noexcept {
        try {
            f();
        } catch (const std::exception& error) {
            show_exception(error);
        } catch (...) {
            show_error_text("Unknown error");
        }
    }

    // Offers a message taken from the queue to the message hook, then to dialog navigation;
    // true when it must not be dispatched. The message loops call it for every message.
    bool process_message(MSG& msg);

  private:
    Application() = default;
    // Does the pieces of first-idle work whose quiet time has passed; all of them if
    // `input_waits`.
    void run_first_idle_work(bool input_waits);

    std::string title_;
    HWND main_window_ = nullptr;
    MessageHook message_hook_;
    HelpHook help_hook_;
    Notify on_minimize_;
    Notify on_restore_;
    struct IdleWork {
        DWORD quiet_ms;
        Notify work;
    };
    std::vector<IdleWork> first_idle_work_;
    std::size_t first_idle_done_ = 0;
    bool terminated_ = false;
};

}  // namespace tolsy
