#pragma once
// TBehaviorLabel: a text label whose animation is a pluggable behaviour object chosen by name
// from a process-wide catalogue. The label keeps its own bounds, caption and visibility; the
// platform side paints it (through LabelView) and supplies timers (through TimerFactory).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "about/about_error.h"

namespace tolsy {

class TCustomBehaviorLabel;

// Errors of behaviours; the message names the behaviour's class.
class EBehaviorError : public AboutError {
  public:
    using AboutError::AboutError;
};

// A timer whose ticks arrive on the user-interface thread. It may be destroyed from inside its
// own tick; no tick follows its destruction.
class BehaviorTimer {
  public:
    virtual ~BehaviorTimer() = default;
    virtual void set_interval(std::uint32_t milliseconds) = 0;
    virtual void set_enabled(bool enabled) = 0;
};

class TimerFactory {
  public:
    virtual ~TimerFactory() = default;
    // A disabled timer that calls `tick` on each tick.
    virtual std::unique_ptr<BehaviorTimer> create_timer(std::function<void()> tick) = 0;
};

// The timers behaviours use; set once by the platform side (and by tests). Not owned.
void set_behavior_timer_factory(TimerFactory* factory);
TimerFactory& behavior_timer_factory();

struct LabelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const LabelRect&) const = default;
};

struct TextExtent {
    int width = 0;
    int height = 0;
};

// The label's parent control as a behaviour sees it.
class LabelParent {
  public:
    virtual ~LabelParent() = default;
    virtual int client_width() const = 0;
    virtual int client_height() const = 0;
};

// The platform's side of a label: measuring its text and repainting it.
class LabelView {
  public:
    virtual ~LabelView() = default;
    // Width of the widest line and height of all lines of `text` in the label's font.
    virtual TextExtent measure_text(const std::string& text) = 0;
    virtual void changed() = 0;
};

// Base of all behaviours: owned by one label, started and stopped through Active.
class TLabelBehavior {
  public:
    explicit TLabelBehavior(TCustomBehaviorLabel* ALabel)
        : TLabelBehavior(ALabel, "TLabelBehavior") {}
    virtual ~TLabelBehavior();
    TLabelBehavior(const TLabelBehavior&) = delete;
    TLabelBehavior& operator=(const TLabelBehavior&) = delete;

    virtual std::string_view class_name() const { return "TLabelBehavior"; }

    bool Active() const { return active_; }
    void set_active(bool value);
    TCustomBehaviorLabel& OwnerLabel() const { return *owner_label_; }

    // Stops a running effect silently; EndChange restarts it silently.
    void BeginChange();
    void EndChange();

    virtual void LabelResized() {}

  protected:
    // `class_name` names the constructed class in the error for a missing label.
    TLabelBehavior(TCustomBehaviorLabel* ALabel, std::string_view class_name);
    virtual void Start();
    virtual void Stop();
    bool suspended() const { return suspended_; }
    // For the destructors of behaviours: stop without raising OnStop.
    void stop_for_release();

  private:
    TCustomBehaviorLabel* owner_label_;
    bool active_ = false;
    bool suspended_ = false;
    bool pending_active_ = false;
};

class TLabelNone : public TLabelBehavior {
  public:
    explicit TLabelNone(TCustomBehaviorLabel* ALabel) : TLabelBehavior(ALabel, "TLabelNone") {}
    std::string_view class_name() const override { return "TLabelNone"; }
};

// The catalogue of behaviours: names sorted and compared without regard to case.
using BehaviorFactory = std::function<std::unique_ptr<TLabelBehavior>(TCustomBehaviorLabel*)>;
namespace BehaviorCatalog {
// Adds a pair; a name already present is left as it is.
void add(std::string_view name, std::string_view class_name, BehaviorFactory factory);
bool exists();
bool contains(std::string_view name);
// The behaviour names in catalogue order.
std::vector<std::string> names();
// The name listed for a behaviour class, or empty.
std::string name_of_class(std::string_view class_name);
// Creates the behaviour listed under `name`; null when it is not listed.
std::unique_ptr<TLabelBehavior> create(std::string_view name, TCustomBehaviorLabel* label);
// Empties the catalogue (program end, and tests).
void clear();
}  // namespace BehaviorCatalog

inline constexpr std::string_view kNoBehaviorName = "(none)";

class TCustomBehaviorLabel {
  public:
    using Notify = std::function<void(TCustomBehaviorLabel& sender)>;

    TCustomBehaviorLabel();
    virtual ~TCustomBehaviorLabel();
    TCustomBehaviorLabel(const TCustomBehaviorLabel&) = delete;
    TCustomBehaviorLabel& operator=(const TCustomBehaviorLabel&) = delete;

    const std::string& Behavior() const { return behavior_; }
    void set_behavior(const std::string& name);
    TLabelBehavior& BehaviorOptions();
    void set_behavior_options(const TLabelBehavior* options);
    Notify OnStart;
    Notify OnStop;

    // The ordinary label's properties used here.
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void set_left(int value) { set_bounds(value, top_, width_, height_); }
    void set_top(int value) { set_bounds(left_, value, width_, height_); }
    void set_width(int value) { set_bounds(left_, top_, value, height_); }
    void set_height(int value) { set_bounds(left_, top_, width_, value); }
    void set_bounds(int left, int top, int width, int height);
    LabelRect bounds_rect() const { return {left_, top_, left_ + width_, top_ + height_}; }
    bool Visible() const { return visible_; }
    void set_visible(bool value);
    const std::string& Caption() const { return caption_; }
    void set_caption(std::string caption);
    bool AutoSize() const { return auto_size_; }
    void set_auto_size(bool value);
    LabelParent* parent() const { return parent_; }
    void set_parent(LabelParent* parent) { parent_ = parent; }
    void set_view(LabelView* view) { view_ = view; }

    // The text drawn: the effect text while its switch is on, else the caption.
    const std::string& display_text() const { return effect_on_ ? effect_text_ : caption_; }
    void set_effect_text(std::string text);
    void set_effect_text_on(bool on);

    // Component state: behaviours do not start while the label is loaded or destroyed.
    bool loading() const { return loading_; }
    void set_loading(bool loading) { loading_ = loading; }
    bool destroying() const { return destroying_; }

    // Raised by behaviours.
    void do_start();
    void do_stop();

  protected:
    virtual void Resize();

  private:
    void adjust_bounds();
    void changed();

    std::string behavior_{kNoBehaviorName};
    std::unique_ptr<TLabelBehavior> behavior_object_;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
    bool visible_ = true;
    bool auto_size_ = true;
    std::string caption_;
    std::string effect_text_;
    bool effect_on_ = false;
    bool loading_ = false;
    bool destroying_ = false;
    LabelParent* parent_ = nullptr;  // not owned
    LabelView* view_ = nullptr;      // not owned
};

// The published form of the label.
class TBehaviorLabel : public TCustomBehaviorLabel {};

// Adds the eight behaviours when no catalogue exists yet (done by every label's constructor).
void register_standard_behaviors();

}  // namespace tolsy
