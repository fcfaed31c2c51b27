#pragma once
// Fakes for the About box's portable parts: a user-interface thread played by the test thread,
// a scripted random source and a recording drawing surface.
#include <algorithm>
#include <condition_variable>
#include <exception>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "about/behavior_label.h"
#include "about/image_draw_thread.h"
#include "about/starfield.h"

namespace tolsy::testing {

// The test thread acts as the user-interface thread: it runs hand-overs when it serves them.
class TestHandOver : public UiHandOver {
  public:
    void run_on_ui_thread(const std::function<void()>& call) override {
        std::unique_lock lock(mutex_);
        pending_ = &call;
        error_ = nullptr;
        changed_.notify_all();
        changed_.wait(lock, [this] { return pending_ == nullptr; });
        if (error_) std::rethrow_exception(error_);
    }
    void worker_ended() override {
        std::lock_guard lock(mutex_);
        ended_ = true;
        changed_.notify_all();
    }
    void serve_until_worker_ended() override {
        while (serve(std::chrono::hours(1))) {
        }
    }
    // Serves one hand-over; false when none came within `wait` or the worker has ended.
    bool serve_one(std::chrono::milliseconds wait = std::chrono::seconds(10)) {
        return serve(wait);
    }
    bool ended() {
        std::lock_guard lock(mutex_);
        return ended_;
    }
    int served = 0;

  private:
    template <class Duration>
    bool serve(Duration wait) {
        std::unique_lock lock(mutex_);
        bool ready = changed_.wait_for(lock, wait, [this] { return pending_ || ended_; });
        if (!ready || !pending_) return false;
        const std::function<void()>* call = pending_;
        lock.unlock();
        std::exception_ptr error;
        try {
            (*call)();
        } catch (...) {
            error = std::current_exception();
        }
        lock.lock();
        ++served;
        error_ = error;
        pending_ = nullptr;
        changed_.notify_all();
        return true;
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    const std::function<void()>* pending_ = nullptr;
    std::exception_ptr error_;
    bool ended_ = false;
};

// Returns what `pick` says for each Random(n) and records every n asked for.
class ScriptedRandom : public RandomSource {
  public:
    std::function<std::uint32_t(std::uint32_t)> pick = [](std::uint32_t n) {
        return n == 0 ? 0 : n - 1;
    };
    std::vector<std::uint32_t> asked;
    int reseeds = 0;

    void randomize() override { ++reseeds; }
    std::uint32_t random(std::uint32_t n) override {
        asked.push_back(n);
        return pick(n);
    }
};

class RecordingSurface : public StarfieldSurface {
  public:
    std::vector<std::string> calls;
    std::vector<Image> copies;
    bool copy_throws = false;

    void lock() override { calls.push_back("lock"); }
    void unlock() override { calls.push_back("unlock"); }
    void set_hollow_brush(bool hollow) override { calls.push_back(hollow ? "hollow" : "solid"); }
    void copy_bitmap(const Image& bitmap) override {
        calls.push_back("copy");
        if (copy_throws) throw std::runtime_error("copy failed");
        copies.push_back(bitmap);
    }
};

// Timers that tick only when the test says so. The factory tracks the live ones.
class ManualTimers : public TimerFactory {
  public:
    struct Timer : BehaviorTimer {
        ManualTimers* owner;
        std::function<void()> tick;
        std::uint32_t interval = 0;
        bool enabled = false;
        Timer(ManualTimers* o, std::function<void()> t) : owner(o), tick(std::move(t)) {}
        ~Timer() override { std::erase(owner->live, this); }
        void set_interval(std::uint32_t ms) override { interval = ms; }
        void set_enabled(bool on) override { enabled = on; }
    };
    std::vector<Timer*> live;
    int created = 0;

    ManualTimers() { set_behavior_timer_factory(this); }
    ~ManualTimers() override { set_behavior_timer_factory(nullptr); }
    std::unique_ptr<BehaviorTimer> create_timer(std::function<void()> tick) override {
        ++created;
        auto timer = std::make_unique<Timer>(this, std::move(tick));
        live.push_back(timer.get());
        return timer;
    }
    Timer* only() { return live.size() == 1 ? live.front() : nullptr; }
    // One tick of the single live timer, as the message loop would deliver it; false if none.
    bool tick() {
        Timer* t = only();
        if (!t || !t->enabled) return false;
        auto call = t->tick;  // the timer may be released inside its own tick
        call();
        return true;
    }
};

struct FakeParent : LabelParent {
    int width = 176;
    int height = 61;
    int client_width() const override { return width; }
    int client_height() const override { return height; }
};

// Measures char_width pixels per character of the longest line and 13 per line.
struct FakeLabelView : LabelView {
    int changes = 0;
    int char_width = 7;
    TextExtent measure_text(const std::string& text) override {
        int lines = 1, longest = 0, current = 0;
        for (char c : text) {
            if (c == '\n') {
                ++lines;
                current = 0;
            } else if (c != '\r') {
                longest = std::max(longest, ++current);
            }
        }
        return {char_width * longest, 13 * lines};
    }
    void changed() override { ++changes; }
};

}  // namespace tolsy::testing
