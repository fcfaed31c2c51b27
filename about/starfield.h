#pragma once
// TStarfield: single-pixel grey stars drifting from right to left over a plain background.
// Each frame is composed in an off-screen bitmap and copied to the control's surface in one
// piece. Painting is the frame step: every paint draws the stars where they stand and then
// moves them on. Frames are clocked by a TImageDrawThread and run on the user-interface thread.
#include <cstdint>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "about/image_draw_thread.h"
#include "picture/image.h"
#include "toolkit/components/colors.h"

namespace tolsy {

struct StarRecord {
    std::int32_t X;
    std::int32_t Y;
    std::int32_t Color;  // grey as 0x00BBGGRR
    std::int32_t Speed;  // pixels per frame, at least 1
};

// Random(n): uniform over 0 .. n-1, and 0 when n is 0.
class RandomSource {
  public:
    virtual ~RandomSource() = default;
    virtual void randomize() = 0;  // reseed from the clock
    virtual std::uint32_t random(std::uint32_t n) = 0;
};

// The process-wide generator.
RandomSource& process_random();

// Where a finished frame goes: the control's drawing surface at its top-left corner.
class StarfieldSurface {
  public:
    virtual ~StarfieldSurface() = default;
    virtual void lock() = 0;
    virtual void unlock() = 0;
    virtual void set_hollow_brush(bool hollow) = 0;
    virtual void copy_bitmap(const Image& bitmap) = 0;  // may throw
};

class TStarfield {
  public:
    static constexpr std::uint32_t kDefaultDelay = 50;
    static constexpr std::uint16_t kDefaultStars = 100;
    static constexpr std::uint8_t kDefaultMaxSpeed = 10;
    static constexpr int kDefaultSize = 100;

    // `hand_over` carries the worker's frames to the user-interface thread; `random` defaults
    // to the process-wide generator. Neither is owned.
    explicit TStarfield(UiHandOver& hand_over, RandomSource* random = nullptr);
    ~TStarfield();
    TStarfield(const TStarfield&) = delete;
    TStarfield& operator=(const TStarfield&) = delete;

    bool Active() const { return active_; }
    void set_active(bool value);
    std::uint32_t Delay() const { return delay_; }
    void set_delay(std::uint32_t value);
    std::uint16_t Stars() const { return static_cast<std::uint16_t>(stars_.size()); }
    void set_stars(std::uint16_t count);
    std::uint8_t MaxSpeed() const { return max_speed_; }
    void set_max_speed(std::uint8_t value) { max_speed_ = value; }
    std::uint32_t Color() const { return color_; }
    void set_color(std::uint32_t value) { color_ = value; }
    bool ParentColor() const { return false; }
    bool opaque() const { return true; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Resizing regenerates the field when the size changes.
    void set_bounds(int width, int height);
    std::function<void(TStarfield&)> OnActiveChanged;
    std::function<void(TStarfield&)> OnResize;

    // The surface frames are copied to; not owned, may be null (frames are then composed only).
    void set_surface(StarfieldSurface* surface) { surface_ = surface; }

    // The frame step.
    void Paint();
    void Resize();

    const std::vector<StarRecord>& star_array() const { return stars_; }
    const Image& Bitmap() const { return bitmap_; }
    const TImageDrawThread& worker() const { return *worker_; }

  private:
    void generate(std::uint16_t count);
    void rebirth(StarRecord& star);
    std::int32_t random_grey();

    RandomSource& random_;
    StarfieldSurface* surface_ = nullptr;
    bool active_ = false;
    std::uint32_t delay_ = kDefaultDelay;
    std::uint8_t max_speed_ = kDefaultMaxSpeed;
    std::uint32_t color_ = clBlack;
    int width_ = 0;
    int height_ = 0;
    std::vector<StarRecord> stars_;
    Image bitmap_;
    std::unique_ptr<TImageDrawThread> worker_;
};

}  // namespace tolsy
