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

void TLabelAppear::SetDelay(std::uint32_t value) {
    if (value == delay_) return;
    BeginChange();
    delay_ = value;
    EndChange();
}

void TLabelAppear::SetInterval(std::uint32_t value) {
    if (value == interval_) return;
    BeginChange();
    interval_ = value;
    EndChange();
}

void TLabelAppear::Start() {
    TCustomBehaviorLabel& label = OwnerLabel();
    if (label.Loading() || label.Destroying()) return;
    parent_ = label.Parent();
    if (!parent_) {
        throw EBehaviorError("OwnerLabel.Parent is nil in " + std::string(ClassName()) + ".Start");
    }
    TLabelBehavior::Start();
    if (!timer_) timer_ = behavior_timer_factory().CreateTimer([this] { step(); });
    timer_->SetInterval(delay_);
    first_step_ = true;
    resting_ = label.BoundsRect();
    timer_->SetEnabled(true);
}

void TLabelAppear::Stop() {
    timer_.reset();
    if (resting_.width() > 0 && resting_.height() > 0) {
        const LabelRect& r = resting_;
        OwnerLabel().SetBounds(r.left, r.top, r.width(), r.height());
    }
    TLabelBehavior::Stop();
}

void TLabelAppear::place_at_edge() {
    TCustomBehaviorLabel& label = OwnerLabel();
    switch (appear_from_) {
        case TAppearDirection::drFromLeft:
            label.SetLeft(-label.Width());
            break;
        case TAppearDirection::drFromRight:
            label.SetLeft(parent_->ClientWidth());
            label.SetWidth(0);
            break;
        case TAppearDirection::drFromTop:
            label.SetTop(-label.Height());
            break;
        case TAppearDirection::drFromBottom:
            label.SetTop(parent_->ClientHeight());
            label.SetHeight(0);
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
        horizontal ? label.SetLeft(target) : label.SetTop(target);
        return true;
    }
    switch (appear_from_) {
        case TAppearDirection::drFromLeft:
            label.SetLeft(label.Left() + pixels_);
            break;
        case TAppearDirection::drFromTop:
            label.SetTop(label.Top() + pixels_);
            break;
        case TAppearDirection::drFromRight: {
            label.SetLeft(label.Left() - pixels_);
            const int cw = parent_->ClientWidth();
            if (label.Width() != r.width())
                label.SetWidth(cw > label.Left() + r.width() ? r.width()
                                                             : cw - label.Left() - kEdgeMargin);
            break;
        }
        case TAppearDirection::drFromBottom: {
            label.SetTop(label.Top() - pixels_);
            const int ch = parent_->ClientHeight();
            if (label.Height() != r.height())
                label.SetHeight(ch > label.Top() + r.height() ? r.height()
                                                              : ch - label.Top() - kEdgeMargin);
            break;
        }
    }
    return false;
}

void TLabelAppear::step() {
    if (first_step_) {
        place_at_edge();
        OwnerLabel().SetVisible(true);
        first_step_ = false;
    }
    const bool finished = move();
    timer_->SetInterval(interval_);
    if (finished) SetActive(false);
}

}  // namespace tolsy
