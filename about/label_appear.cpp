#include "about/label_appear.h"

#include <cstdlib>

namespace tolsy {
namespace {
// A label that enters from the right or bottom is cut this far short of the parent's edge.
constexpr int kEdgeMargin = 2;
}  // namespace

TLabelAppear::TLabelAppear(TCustomBehaviorLabel* ALabel) : TLabelBehavior(ALabel, "TLabelAppear") {}

TLabelAppear::~TLabelAppear() {
    stop_for_release();
}

void TLabelAppear::set_delay(std::uint32_t value) {
    if (value == delay_) return;
    BeginChange();
    delay_ = value;
    EndChange();
}

void TLabelAppear::set_interval(std::uint32_t value) {
    if (value == interval_) return;
    BeginChange();
    interval_ = value;
    EndChange();
}

void TLabelAppear::Start() {
    TCustomBehaviorLabel& label = OwnerLabel();
    if (label.loading() || label.destroying()) return;
    parent_ = label.parent();
    if (!parent_) {
        throw EBehaviorError("OwnerLabel.Parent is nil in " + std::string(class_name()) + ".Start");
    }
    TLabelBehavior::Start();
    if (!timer_) timer_ = behavior_timer_factory().create_timer([this] { step(); });
    timer_->set_interval(delay_);
    first_step_ = true;
    resting_ = label.bounds_rect();
    timer_->set_enabled(true);
}

void TLabelAppear::Stop() {
    timer_.reset();
    if (resting_.width() > 0 && resting_.height() > 0) {
        const LabelRect& r = resting_;
        OwnerLabel().set_bounds(r.left, r.top, r.width(), r.height());
    }
    TLabelBehavior::Stop();
}

void TLabelAppear::place_at_edge() {
    TCustomBehaviorLabel& label = OwnerLabel();
    switch (appear_from_) {
        case TAppearDirection::drFromLeft:
            label.set_left(-label.Width());
            break;
        case TAppearDirection::drFromRight:
            label.set_left(parent_->client_width());
            label.set_width(0);
            break;
        case TAppearDirection::drFromTop:
            label.set_top(-label.Height());
            break;
        case TAppearDirection::drFromBottom:
            label.set_top(parent_->client_height());
            label.set_height(0);
            break;
    }
}

bool TLabelAppear::move() {
    TCustomBehaviorLabel& label = OwnerLabel();
    const LabelRect& r = resting_;
    const bool horizontal = appear_from_ == TAppearDirection::drFromLeft ||
                            appear_from_ == TAppearDirection::drFromRight;
    const int position = horizontal ? label.Left() : label.Top();
    const int target = horizontal ? r.left : r.top;
    if (std::abs(position - target) < pixels_) {
        horizontal ? label.set_left(target) : label.set_top(target);
        return true;
    }
    switch (appear_from_) {
        case TAppearDirection::drFromLeft:
            label.set_left(label.Left() + pixels_);
            break;
        case TAppearDirection::drFromTop:
            label.set_top(label.Top() + pixels_);
            break;
        case TAppearDirection::drFromRight: {
            label.set_left(label.Left() - pixels_);
            const int cw = parent_->client_width();
            if (label.Width() != r.width())
                label.set_width(cw > label.Left() + r.width() ? r.width()
                                                              : cw - label.Left() - kEdgeMargin);
            break;
        }
        case TAppearDirection::drFromBottom: {
            label.set_top(label.Top() - pixels_);
            const int ch = parent_->client_height();
            if (label.Height() != r.height())
                label.set_height(ch > label.Top() + r.height() ? r.height()
                                                               : ch - label.Top() - kEdgeMargin);
            break;
        }
    }
    return false;
}

void TLabelAppear::step() {
    if (first_step_) {
        place_at_edge();
        OwnerLabel().set_visible(true);
        first_step_ = false;
    }
    const bool finished = move();
    timer_->set_interval(interval_);
    if (finished) set_active(false);
}

}  // namespace tolsy
