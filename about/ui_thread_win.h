#pragma once
// The user-interface thread's side of the About box's clocks: hand-overs from the star field's
// worker (sent messages to a message-only window) and message timers for label behaviours.
#include <windows.h>

#include <exception>
#include <functional>
#include <map>

#include "about/behavior_label.h"
#include "about/image_draw_thread.h"
#include "base/handles_win.h"

namespace tolsy {

// Created on the user-interface thread; its window receives the worker's frame requests.
class Win32HandOver : public UiHandOver {
  public:
    Win32HandOver();
    ~Win32HandOver() override;
    Win32HandOver(const Win32HandOver&) = delete;
    Win32HandOver& operator=(const Win32HandOver&) = delete;

    void run_on_ui_thread(const std::function<void()>& call) override;
    void worker_ended() override;
    // Waits for the worker's end while still answering its sent frame requests.
    void serve_until_worker_ended() override;

  private:
    static LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    HWND window_ = nullptr;
    UniqueKernelHandle ended_;
};

// Message timers on the user-interface thread, one hidden window for all of them.
class Win32TimerFactory : public TimerFactory {
  public:
    std::unique_ptr<BehaviorTimer> create_timer(std::function<void()> tick) override;
};

// Installs the Win32 timers as the behaviours' timers (once per process).
void use_win32_behavior_timers();

}  // namespace tolsy
