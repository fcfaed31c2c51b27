#include "skin/effects/transition_win.h"

#include <memory>

#include "picture/put_picture_win.h"

namespace tolsy {

TransitionTimerWin::TransitionTimerWin(TransitionEngine& engine) : engine_(engine) {
    create(0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
    engine_.set_clock(this);
}

TransitionTimerWin::~TransitionTimerWin() {
    engine_.set_clock(nullptr);
    if (handle() && running_) KillTimer(handle(), kTimerId);
}

void TransitionTimerWin::set_running(bool running) {
    if (running == running_ || !handle()) return;
    running_ = running;
    if (running)
        SetTimer(handle(), kTimerId, TransitionEngine::kTickMs, nullptr);
    else
        KillTimer(handle(), kTimerId);
}

LRESULT TransitionTimerWin::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_TIMER && wparam == kTimerId) {
        engine_.tick();
        return 0;
    }
    return Window::handle_message(message, wparam, lparam);
}

TransitionTimerWin& start_transition_clock() {
    // Lives until the program ends; the engine outlives it (created first).
    static TransitionEngine& engine = transition_engine();
    static auto* timer = new TransitionTimerWin(engine);
    return *timer;
}

void run_transition(TransitionCanvas* canvas, int x, int y, const TteAnimationRec& settings,
                    const Image& after, const Image& before) {
    start_transition_clock();
    transition_engine().run(canvas, x, y, settings, after, before, [] {
        MSG msg;
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        return true;
    });
}

void WindowCanvasWin::draw(const Image& frame, int x, int y) {
    last_ = frame;
    if (!window_ || !IsWindow(window_)) return;
    HDC dc = GetDC(window_);
    if (!dc) return;
    put_picture(dc, frame, x, y);
    ReleaseDC(window_, dc);
}

}  // namespace tolsy
