#include "about/starfield.h"

#include <algorithm>
#include <chrono>

namespace tolsy {
namespace {

constexpr std::uint32_t kGreyBase = 120;
constexpr std::uint32_t kGreyLevels = 120;  // greys 120 to 239

class ClockSeededRandom : public RandomSource {
  public:
    void randomize() override {
        engine_.seed(static_cast<std::uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count()));
    }
    std::uint32_t random(std::uint32_t n) override {
        if (n == 0) return 0;
        return std::uniform_int_distribution<std::uint32_t>(0, n - 1)(engine_);
    }

  private:
    std::mt19937_64 engine_;
};

// 0x00BBGGRR to a BGRA pixel.
std::uint32_t color_to_pixel(std::uint32_t color) {
    return Pixel::pack(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

struct SurfaceLock {
    explicit SurfaceLock(StarfieldSurface& s) : surface(s) { surface.lock(); }
    ~SurfaceLock() { surface.unlock(); }
    StarfieldSurface& surface;
};

}  // namespace

RandomSource& process_random() {
    static ClockSeededRandom random;
    return random;
}

TStarfield::TStarfield(UiHandOver& hand_over, RandomSource* random)
    : random_(random ? *random : process_random()) {
    worker_ = std::make_unique<TImageDrawThread>(hand_over, kDefaultDelay);
    worker_->FrameHook = [this] { Paint(); };
    set_bounds(kDefaultSize, kDefaultSize);
    max_speed_ = kDefaultMaxSpeed;
    set_stars(kDefaultStars);
}

TStarfield::~TStarfield() {
    stars_.clear();
    worker_->FrameHook = nullptr;
    worker_->terminate();
    worker_.reset();
}

void TStarfield::set_active(bool value) {
    if (value != active_ && OnActiveChanged) OnActiveChanged(*this);
    active_ = value;
    if (value) {
        worker_->resume();
    } else {
        worker_->suspend();
    }
}

void TStarfield::set_delay(std::uint32_t value) {
    delay_ = value;
    worker_->set_delay(value);
}

void TStarfield::set_stars(std::uint16_t count) {
    generate(count);
}

void TStarfield::set_bounds(int width, int height) {
    if (width == width_ && height == height_) return;
    width_ = width;
    height_ = height;
    Resize();
}

void TStarfield::Resize() {
    if (OnResize) OnResize(*this);
    bitmap_ = Image(width_, height_);
    generate(Stars());
}

std::int32_t TStarfield::random_grey() {
    std::uint32_t g = random_.random(kGreyLevels) + kGreyBase;
    return static_cast<std::int32_t>(g | (g << 8) | (g << 16));
}

void TStarfield::generate(std::uint16_t count) {
    random_.randomize();
    stars_.resize(count);
    const auto w = static_cast<std::uint32_t>(width_);
    for (StarRecord& star : stars_) {
        // Every star starts off the right edge, so the field fills from the right.
        star.X = static_cast<std::int32_t>(random_.random(w / 2) + w);
        star.Y = static_cast<std::int32_t>(random_.random(static_cast<std::uint32_t>(height_)));
        star.Speed = static_cast<std::int32_t>(random_.random(max_speed_) + 1);
        star.Color = random_grey();
    }
}

void TStarfield::rebirth(StarRecord& star) {
    star.X = width_;
    star.Y = static_cast<std::int32_t>(random_.random(static_cast<std::uint32_t>(height_)));
    star.Speed = static_cast<std::int32_t>(random_.random(max_speed_) + 1);
    star.Color = random_grey();
}

void TStarfield::Paint() {
    if (bitmap_.width() != width_ || bitmap_.height() != height_) {
        Resize();
        return;
    }
    const bool hollow = color_ == clNone;
    if (!hollow) {
        const std::uint32_t fill = color_to_pixel(color_);
        for (int y = 0; y < bitmap_.height(); ++y)
            std::fill_n(bitmap_.row(y), bitmap_.width(), fill);
    }
    for (StarRecord& star : stars_) {
        // The row check matters only for a field of height 0, where Random(H) still gives 0.
        if (star.X < width_ && star.Y < height_) {
            bitmap_.at(star.X, star.Y) = color_to_pixel(static_cast<std::uint32_t>(star.Color));
        }
        star.X -= star.Speed;
        if (star.X < 0) rebirth(star);
    }
    if (!surface_) return;
    SurfaceLock lock(*surface_);
    surface_->set_hollow_brush(hollow);
    surface_->copy_bitmap(bitmap_);
}

}  // namespace tolsy
