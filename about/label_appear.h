#pragma once
// TLabelAppear ("Appearing"): the label jumps to one edge of its parent, becomes visible and
// slides in steps to where it stood when the effect started; then the effect stops itself.
#include <cstdint>
#include <memory>

#include "about/behavior_label.h"

namespace tolsy {

enum class TAppearDirection { drFromLeft, drFromRight, drFromTop, drFromBottom };

class TLabelAppear : public TLabelBehavior {
  public:
    static constexpr std::uint32_t kDefaultDelay = 100;
    static constexpr std::uint32_t kDefaultInterval = 20;
    static constexpr std::int32_t kDefaultPixels = 3;

    explicit TLabelAppear(TCustomBehaviorLabel* ALabel);
    ~TLabelAppear() override;
    std::string_view class_name() const override { return "TLabelAppear"; }

    std::uint32_t Delay() const { return delay_; }
    void set_delay(std::uint32_t value);
    std::uint32_t Interval() const { return interval_; }
    void set_interval(std::uint32_t value);
    std::int32_t Pixels() const { return pixels_; }
    void set_pixels(std::int32_t value) { pixels_ = value; }
    TAppearDirection AppearFrom() const { return appear_from_; }
    void set_appear_from(TAppearDirection value) { appear_from_ = value; }

    // Where the label comes to rest: its bounds when the effect last started.
    const LabelRect& resting_rect() const { return resting_; }

  protected:
    void Start() override;
    void Stop() override;

  private:
    void step();
    void place_at_edge();
    // Moves one step; true when the label has reached its resting place.
    bool move();

    std::uint32_t delay_ = kDefaultDelay;
    std::uint32_t interval_ = kDefaultInterval;
    std::int32_t pixels_ = kDefaultPixels;
    TAppearDirection appear_from_ = TAppearDirection::drFromRight;
    LabelParent* parent_ = nullptr;  // not owned; taken at Start
    std::unique_ptr<BehaviorTimer> timer_;
    LabelRect resting_;
    bool first_step_ = false;
};

}  // namespace tolsy
