// One frame of the About window's star field at its real size (269 x 218, the window's client
// area, 100 stars): clearing the picture, drawing and moving every star and copying the picture
// out, against clearing and copying a picture of the same size. The goal is a frame within 1.3
// times the clear and copy.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <ctime>
#include <mutex>
#include <vector>

#include "about/starfield.h"
#include "bench/cpu_clock.h"

namespace {

constexpr int kWidth = 269;
constexpr int kHeight = 218;
constexpr std::uint32_t kBackground = 0x00000000;  // black, as the About window's field

// The frame clock is never resumed here: frames are driven by the benchmark loop.
class IdleHandOver : public tolsy::UiHandOver {
  public:
    void run_on_ui_thread(const std::function<void()>& call) override { call(); }
    void worker_ended() override {
        std::lock_guard lock(mutex_);
        ended_ = true;
        changed_.notify_all();
    }
    void serve_until_worker_ended() override {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return ended_; });
    }

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool ended_ = false;
};

// The copy a frame ends with, as the window's surface copies it to the screen: row by row out
// of the picture.
class CopyingSurface : public tolsy::StarfieldSurface {
  public:
    void lock() override {}
    void unlock() override {}
    void set_hollow_brush(bool) override {}
    void copy_bitmap(const tolsy::Image& bitmap) override { copy(bitmap, screen); }

    static void copy(const tolsy::Image& from, tolsy::Image& to) {
        const auto row_bytes = static_cast<std::size_t>(from.width()) * sizeof(std::uint32_t);
        for (int y = 0; y < from.height(); ++y) std::memcpy(to.row(y), from.row(y), row_bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }

    tolsy::Image screen{kWidth, kHeight};
};

struct Field {
    Field() : starfield(hand_over) {
        starfield.set_color(kBackground);
        starfield.set_bounds(kWidth, kHeight);
        starfield.set_stars(tolsy::TStarfield::kDefaultStars);
        starfield.set_surface(&surface);
    }
    IdleHandOver hand_over;
    CopyingSurface surface;
    tolsy::TStarfield starfield;
};

void clear_and_copy(tolsy::Image& picture, tolsy::Image& screen) {
    for (int y = 0; y < picture.height(); ++y)
        std::fill_n(picture.row(y), picture.width(), tolsy::Pixel::pack(0, 0, 0));
    CopyingSurface::copy(picture, screen);
}

void BM_StarfieldFrame(benchmark::State& state) {
    Field field;
    for (auto _ : state) field.starfield.Paint();
}
BENCHMARK(BM_StarfieldFrame);

void BM_ClearAndCopy(benchmark::State& state) {
    tolsy::Image picture(kWidth, kHeight), screen(kWidth, kHeight);
    for (auto _ : state) clear_and_copy(picture, screen);
}
BENCHMARK(BM_ClearAndCopy);

// The goal's figure: frames and clear-and-copies alternated in batches of 16 (a frame takes
// microseconds, too little for the clock alone), compared by their medians.
void BM_StarfieldToClearCopyRatio(benchmark::State& state) {
    constexpr int kBatch = 16;
    Field field;
    tolsy::Image picture(kWidth, kHeight), screen(kWidth, kHeight);
    std::vector<double> frames, baseline;
    for (auto _ : state) {
        const double t0 = thread_seconds();
        for (int i = 0; i < kBatch; ++i) clear_and_copy(picture, screen);
        const double t1 = thread_seconds();
        for (int i = 0; i < kBatch; ++i) field.starfield.Paint();
        const double t2 = thread_seconds();
        baseline.push_back((t1 - t0) / kBatch);
        frames.push_back((t2 - t1) / kBatch);
    }
    report_ratio(state, "clear_copy_us", baseline, "frame_us", frames);
}
BENCHMARK(BM_StarfieldToClearCopyRatio)->MinTime(2);

}  // namespace

BENCHMARK_MAIN();
