#pragma once
// TImageDrawThread: the star field's frame clock. It only sleeps and then hands each frame to
// the user-interface thread, waiting there until the frame has run; it never touches the
// stars, the bitmap or the screen. Created paused; paused and resumed by the control.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace tolsy {

// Hands calls from a worker thread to the user-interface thread.
class UiHandOver {
  public:
    virtual ~UiHandOver() = default;
    // Worker side: runs `call` on the user-interface thread and returns when it has run there.
    // An exception thrown by `call` is thrown again here.
    virtual void run_on_ui_thread(const std::function<void()>& call) = 0;
    // Worker side, the last thing the worker does.
    virtual void worker_ended() = 0;
    // User-interface side: serves hand-overs until the worker has ended.
    virtual void serve_until_worker_ended() = 0;
};

class TImageDrawThread {
  public:
    // Starts the thread paused; `hand_over` is not owned and must outlive the worker.
    TImageDrawThread(UiHandOver& hand_over, std::uint32_t delay_ms);
    // Terminates (waking a paused worker) and waits, serving hand-overs meanwhile.
    ~TImageDrawThread();
    TImageDrawThread(const TImageDrawThread&) = delete;
    TImageDrawThread& operator=(const TImageDrawThread&) = delete;

    void resume();
    void suspend();
    bool suspended() const;
    void terminate();
    bool terminated() const { return terminated_; }
    // Frames ran or were declined so far; for tests and diagnostics.
    std::uint64_t hand_overs() const { return hand_overs_; }

    void set_delay(std::uint32_t delay_ms) { delay_ms_ = delay_ms; }
    std::uint32_t Delay() const { return delay_ms_; }

    // The control's frame routine, read on the user-interface thread during a hand-over;
    // empty once the control is being destroyed.
    std::function<void()> FrameHook;

  private:
    void run();
    // Sleeps the delay; returns false when terminated meanwhile.
    bool sleep_delay();
    // Blocks while paused; returns false when terminated.
    bool wait_while_paused();

    UiHandOver& hand_over_;
    std::atomic<std::uint32_t> delay_ms_;
    std::atomic<bool> terminated_{false};
    std::atomic<std::uint64_t> hand_overs_{0};
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool paused_ = true;
    std::thread thread_;
};

}  // namespace tolsy
