#pragma once
// The platform side of the transition engine: the one 20 ms message timer that drives every
// slot, and the canvas that copies a finished frame onto a window.
#include <windows.h>

#include "skin/effects/transition.h"
#include "toolkit/controls/window_win.h"

namespace tolsy {

// A message-only window whose timer ticks the engine; the engine switches it on and off.
class TransitionTimerWin : public Window, public TransitionClock {
  public:
    static constexpr UINT_PTR kTimerId = 1;

    explicit TransitionTimerWin(TransitionEngine& engine);
    ~TransitionTimerWin() override;

    void set_running(bool running) override;
    bool running() const { return running_; }

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    TransitionEngine& engine_;
    bool running_ = false;
};

// Attaches a timer to the process-wide engine, once, on the calling (user-interface) thread.
TransitionTimerWin& start_transition_clock();

// Runs a transition to its end in the process-wide engine, handling the messages that arrive
// meanwhile (the timer's among them). A quit request ends it early and is posted again.
void run_transition(TransitionCanvas* canvas, int x, int y, const TteAnimationRec& settings,
                    const Image& after, const Image& before);

// Copies frames onto a window's client area; keeps the last frame so that a repaint during a
// transition shows where it stands.
class WindowCanvasWin : public TransitionCanvas {
  public:
    explicit WindowCanvasWin(HWND window = nullptr) : window_(window) {}
    void set_window(HWND window) { window_ = window; }
    void draw(const Image& frame, int x, int y) override;
    const Image& last_frame() const { return last_; }

  private:
    HWND window_;
    Image last_;
};

}  // namespace tolsy
