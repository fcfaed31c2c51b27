#include "about/ui_thread_win.h"

#include <stdexcept>

#include "toolkit/controls/application_win.h"

namespace tolsy {
namespace {

constexpr wchar_t kHelperClass[] = L"TolsyAboutClock";
constexpr UINT kRunFrame = WM_APP + 0x101;

// What a frame request carries across: the call and, on the way back, its error.
struct FrameRequest {
    const std::function<void()>* call;
    std::exception_ptr error;
};

ATOM register_helper_class(WNDPROC proc) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kHelperClass;
    return RegisterClassExW(&wc);
}

// Live timers by id; ticks find their timer here so a released timer gets none.
class Win32Timer;
std::map<UINT_PTR, Win32Timer*>& live_timers() {
    static std::map<UINT_PTR, Win32Timer*> timers;
    return timers;
}

class Win32Timer : public BehaviorTimer {
  public:
    explicit Win32Timer(std::function<void()> tick) : tick_(std::move(tick)) {
        static UINT_PTR next_id = 1;
        id_ = next_id++;
        live_timers()[id_] = this;
    }
    ~Win32Timer() override {
        KillTimer(nullptr, system_id_);
        live_timers().erase(id_);
    }
    void set_interval(std::uint32_t ms) override {
        interval_ = ms;
        if (enabled_) arm();
    }
    void set_enabled(bool on) override {
        enabled_ = on;
        if (on) {
            arm();
        } else {
            KillTimer(nullptr, system_id_);
            system_id_ = 0;
        }
    }
    static void CALLBACK on_tick(HWND, UINT, UINT_PTR system_id, DWORD) {
        for (auto& [id, timer] : live_timers()) {
            if (timer->system_id_ != system_id) continue;
            // Copied first: the timer may be released inside its own tick.
            auto tick = timer->tick_;
            Application::instance().guarded(tick);
            return;
        }
    }

  private:
    void arm() { system_id_ = SetTimer(nullptr, system_id_, interval_ ? interval_ : 1, &on_tick); }

    std::function<void()> tick_;
    UINT_PTR id_ = 0;
    UINT_PTR system_id_ = 0;
    std::uint32_t interval_ = 0;
    bool enabled_ = false;
};

}  // namespace

Win32HandOver::Win32HandOver() : ended_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
    static const ATOM atom = register_helper_class(&Win32HandOver::window_proc);
    (void)atom;
    window_ = CreateWindowExW(0, kHelperClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    if (!window_ || !ended_) throw std::runtime_error("Cannot create the star field's clock");
}

Win32HandOver::~Win32HandOver() {
    DestroyWindow(window_);
}

LRESULT CALLBACK Win32HandOver::window_proc(HWND window, UINT message, WPARAM wparam,
                                            LPARAM lparam) {
    if (message != kRunFrame) return DefWindowProcW(window, message, wparam, lparam);
    auto* request = reinterpret_cast<FrameRequest*>(lparam);
    try {
        (*request->call)();
    } catch (...) {
        request->error = std::current_exception();
    }
    return 0;
}

void Win32HandOver::run_on_ui_thread(const std::function<void()>& call) {
    FrameRequest request{&call, nullptr};
    SendMessageW(window_, kRunFrame, 0, reinterpret_cast<LPARAM>(&request));
    if (request.error) std::rethrow_exception(request.error);
}

void Win32HandOver::worker_ended() {
    SetEvent(ended_.get());
}

void Win32HandOver::serve_until_worker_ended() {
    HANDLE ended = ended_.get();
    while (MsgWaitForMultipleObjects(1, &ended, FALSE, INFINITE, QS_SENDMESSAGE) != WAIT_OBJECT_0) {
        // Answers the worker's sent requests without taking posted messages off the queue.
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

std::unique_ptr<BehaviorTimer> Win32TimerFactory::create_timer(std::function<void()> tick) {
    return std::make_unique<Win32Timer>(std::move(tick));
}

void use_win32_behavior_timers() {
    static Win32TimerFactory factory;
    set_behavior_timer_factory(&factory);
}

}  // namespace tolsy
