#include "about/image_draw_thread.h"

#include <chrono>

namespace tolsy {

TImageDrawThread::TImageDrawThread(UiHandOver& hand_over, std::uint32_t delay_ms)
    : hand_over_(hand_over), delay_ms_(delay_ms), thread_([this] { run(); }) {}

TImageDrawThread::~TImageDrawThread() {
    terminate();
    hand_over_.serve_until_worker_ended();
    thread_.join();
}

void TImageDrawThread::resume() {
    std::lock_guard lock(mutex_);
    paused_ = false;
    wake_.notify_all();
}

void TImageDrawThread::suspend() {
    std::lock_guard lock(mutex_);
    paused_ = true;
}

bool TImageDrawThread::suspended() const {
    std::lock_guard lock(mutex_);
    return paused_;
}

void TImageDrawThread::terminate() {
    std::lock_guard lock(mutex_);
    terminated_ = true;
    wake_.notify_all();
}

bool TImageDrawThread::wait_while_paused() {
    std::unique_lock lock(mutex_);
    wake_.wait(lock, [this] { return !paused_ || terminated_; });
    return !terminated_;
}

bool TImageDrawThread::sleep_delay() {
    // A wait rather than a plain sleep, so that termination does not wait out a long delay.
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(delay_ms_.load()),
                   [this] { return terminated_.load(); });
    return !terminated_;
}

void TImageDrawThread::run() {
    try {
        while (wait_while_paused() && sleep_delay() && wait_while_paused()) {
            hand_over_.run_on_ui_thread([this] {
                if (!terminated_ && FrameHook) FrameHook();
            });
            ++hand_overs_;
        }
    } catch (...) {
        // A frame that failed ends the clock for good; the control reports nothing.
    }
    hand_over_.worker_ended();
}

}  // namespace tolsy
