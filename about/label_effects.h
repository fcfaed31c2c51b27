#pragma once
// The catalogue's other behaviours, which no window of the program uses: each a small
// timer-driven effect that puts the label back as it was when it stops.
#include <cstdint>
#include <memory>

#include "about/behavior_label.h"

namespace tolsy {

// Shared by the effects below: a timer at Interval that runs Tick while active.
class TTimedLabelBehavior : public TLabelBehavior {
  public:
    ~TTimedLabelBehavior() override;
    std::uint32_t Interval() const { return interval_; }
    void set_interval(std::uint32_t value);

  protected:
    TTimedLabelBehavior(TCustomBehaviorLabel* ALabel, std::string_view class_name,
                        std::uint32_t interval);
    void Start() override;
    void Stop() override;
    virtual void begin_effect() {}
    virtual void tick() = 0;
    virtual void end_effect() {}
    // The label's bounds and visibility when the effect started.
    LabelRect saved_bounds_;
    bool saved_visible_ = true;
    int ticks_ = 0;

  private:
    std::uint32_t interval_;
    std::unique_ptr<BehaviorTimer> timer_;
};

// Shows and hides the label in turn.
class TLabelBlink : public TTimedLabelBehavior {
  public:
    explicit TLabelBlink(TCustomBehaviorLabel* ALabel);
    ~TLabelBlink() override { stop_for_release(); }
    std::string_view class_name() const override { return "TLabelBlink"; }

  protected:
    void tick() override;
    void end_effect() override;
};

// Hops up and down by Pixels around its place.
class TLabelBounce : public TTimedLabelBehavior {
  public:
    explicit TLabelBounce(TCustomBehaviorLabel* ALabel);
    ~TLabelBounce() override { stop_for_release(); }
    std::string_view class_name() const override { return "TLabelBounce"; }
    std::int32_t Pixels = 2;

  protected:
    void tick() override;
    void end_effect() override;
};

// Runs to the left by Pixels and comes round again from the parent's right edge.
class TLabelScroll : public TTimedLabelBehavior {
  public:
    explicit TLabelScroll(TCustomBehaviorLabel* ALabel);
    ~TLabelScroll() override { stop_for_release(); }
    std::string_view class_name() const override { return "TLabelScroll"; }
    std::int32_t Pixels = 2;

  protected:
    void tick() override;
    void end_effect() override;
};

// Types the caption one character per tick, then stops.
class TLabelTyping : public TTimedLabelBehavior {
  public:
    explicit TLabelTyping(TCustomBehaviorLabel* ALabel);
    ~TLabelTyping() override { stop_for_release(); }
    std::string_view class_name() const override { return "TLabelTyping"; }

  protected:
    void begin_effect() override;
    void tick() override;
    void end_effect() override;
};

// A capital letter runs through the caption, round and round.
class TLabelSpecial : public TTimedLabelBehavior {
  public:
    explicit TLabelSpecial(TCustomBehaviorLabel* ALabel);
    ~TLabelSpecial() override { stop_for_release(); }
    std::string_view class_name() const override { return "TLabelSpecial"; }

  protected:
    void begin_effect() override;
    void tick() override;
    void end_effect() override;
};

// Starts from scrambled text and breaks it one character per tick, then stops.
class TLabelCodeBreaker : public TTimedLabelBehavior {
  public:
    explicit TLabelCodeBreaker(TCustomBehaviorLabel* ALabel);
    ~TLabelCodeBreaker() override { stop_for_release(); }
    std::string_view class_name() const override { return "TLabelCodeBreaker"; }

  protected:
    void begin_effect() override;
    void tick() override;
    void end_effect() override;

  private:
    std::uint32_t seed_ = 0x2545F491;
};

}  // namespace tolsy
