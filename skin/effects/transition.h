#pragma once
// The transition engine: a process-wide table of 201 animation slots served by one 20 ms clock.
// A slot holds a transition from a before picture to an after picture; each tick advances every
// active slot by 20 ms, composes its frame from the effect's mask and draws it onto the slot's
// canvas. The platform side supplies the clock (a message timer) and the canvases.
#include <array>
#include <cstdint>
#include <exception>
#include <functional>
#include <random>
#include <vector>

#include "picture/image.h"
#include "skin/effects/animation_settings.h"
#include "skin/effects/effect_list.h"

namespace tolsy {

// Where a slot's frames go: the picture is drawn with its top-left corner at (x, y).
class TransitionCanvas {
  public:
    virtual ~TransitionCanvas() = default;
    virtual void draw(const Image& frame, int x, int y) = 0;
};

// The clock that calls TransitionEngine::tick every kTickMs while it runs.
class TransitionClock {
  public:
    virtual ~TransitionClock() = default;
    virtual void set_running(bool running) = 0;
};

struct AnimationSlot {
    int mask_width = 0;  // in cells
    int mask_height = 0;
    std::size_t mask_size = 0;  // bytes of one mask buffer
    std::vector<std::uint8_t> mask;
    std::vector<std::uint8_t> mask2;  // the rotated mask, or the bitmap effect's map
    bool active = false;
    bool busy = false;
    bool reserved = false;
    float elapsed = 0;  // milliseconds
    TteAnimationRec settings;
    Image after;
    Image before;
    Image work;
    const Effect* effect = nullptr;  // null for the bitmap effect
    TransitionCanvas* canvas = nullptr;
    int x = 0;
    int y = 0;
};

class TransitionEngine {
  public:
    static constexpr int kSlotCount = 201;
    static constexpr int kTickMs = 20;

    explicit TransitionEngine(const EffectList& effects = standard_effects());

    // The clock is told to run exactly while a slot is active; null for none.
    void set_clock(TransitionClock* clock);
    // Picks the effect index for "[ RANDOM ] - Random selection" from the number of effects.
    void set_random(std::function<std::size_t(std::size_t)> pick) { pick_ = std::move(pick); }

    // The first slot neither active nor reserved, now reserved; -1 when all are taken.
    int reserve();
    void release(int slot);
    // Starts a transition in `slot`, or in the first free slot for -1, and returns the slot
    // (-1 when none is free). Pictures that are empty, or an unknown effect, start nothing.
    int start(TransitionCanvas* canvas, int x, int y, int slot, const TteAnimationRec& settings,
              const Image& after, const Image& before);
    // Ends the transition in a slot; with draw_final the last frame is drawn first.
    void stop(int slot, bool draw_final);
    // Starts a transition in a free slot and calls pump (which handles one pending message and
    // returns false when the program is quitting) until it has ended.
    void run(TransitionCanvas* canvas, int x, int y, const TteAnimationRec& settings,
             const Image& after, const Image& before, const std::function<bool()>& pump);
    // One clock tick. A slot whose frame fails is stopped (it stays reserved, free to start
    // again); the first such error is rethrown after every slot has had its turn.
    void tick();

    // Composes an active slot's frame for a progress (0..100) without drawing or advancing it.
    const Image& compose_at(int slot, int progress);

    bool any_active() const;
    const AnimationSlot& slot(int index) const { return slots_[index]; }

  private:
    void compose(AnimationSlot& s, int progress);
    void end(AnimationSlot& s);

    const EffectList& effects_;
    std::array<AnimationSlot, kSlotCount> slots_;
    TransitionClock* clock_ = nullptr;
    bool clock_running_ = false;
    std::mt19937 random_{std::random_device{}()};
    std::function<std::size_t(std::size_t)> pick_;
};

// Frame composition, shared by the engine and its benchmark.
// Rotates a width x height mask by the rotation into `out` (sizes swap for 90 and 270).
void rotate_mask(const std::uint8_t* mask, int width, int height, TteRotation rotation,
                 std::uint8_t* out);
// Stretches the mask (nearest cell, 16.16 fixed point) over tile_count x tile_count tiles of
// mask size x resolution and blends after over before into work by it; key-coloured pixels of
// the after picture stay see-through. All three pictures have the same size.
void blend_by_mask(const std::uint8_t* mask, int mask_width, int mask_height, int resolution,
                   int tile_count, const Image& before, const Image& after, Image& work);
// The bitmap effect's mask from its grey map: map + 510 * progress / 100 - 255, within 0..255.
void bitmap_mask(const std::uint8_t* map, std::size_t size, int progress, std::uint8_t* mask);
// Blends one pixel of `over` onto `under` with opacity a (0..255); keeps under's alpha.
std::uint32_t blend_pixel(std::uint32_t under, std::uint32_t over, unsigned a);

// The process-wide engine.
TransitionEngine& transition_engine();

}  // namespace tolsy
