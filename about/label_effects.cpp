#include "about/label_effects.h"

#include <cctype>

namespace tolsy {
namespace {

constexpr std::uint32_t kBlinkInterval = 500;
constexpr std::uint32_t kMoveInterval = 50;
constexpr std::uint32_t kTextInterval = 80;
// The bounce's heights in units of Pixels, one per tick.
constexpr int kBounceSteps[] = {0, -1, -2, -3, -2, -1};

bool is_line_break(char c) {
    return c == '\r' || c == '\n' || c == ' ';
}

}  // namespace

TTimedLabelBehavior::TTimedLabelBehavior(TCustomBehaviorLabel* ALabel, std::string_view class_name,
                                         std::uint32_t interval)
    : TLabelBehavior(ALabel, class_name), interval_(interval) {}

TTimedLabelBehavior::~TTimedLabelBehavior() {
    stop_for_release();
}

void TTimedLabelBehavior::set_interval(std::uint32_t value) {
    if (value == interval_) return;
    BeginChange();
    interval_ = value;
    EndChange();
}

void TTimedLabelBehavior::Start() {
    TCustomBehaviorLabel& label = OwnerLabel();
    if (label.loading() || label.destroying()) return;
    TLabelBehavior::Start();
    saved_bounds_ = label.bounds_rect();
    saved_visible_ = label.Visible();
    ticks_ = 0;
    begin_effect();
    timer_ = behavior_timer_factory().create_timer([this] {
        ++ticks_;
        tick();
    });
    timer_->set_interval(interval_);
    timer_->set_enabled(true);
}

void TTimedLabelBehavior::Stop() {
    if (timer_) {
        timer_.reset();
        end_effect();
    }
    TLabelBehavior::Stop();
}

TLabelBlink::TLabelBlink(TCustomBehaviorLabel* ALabel)
    : TTimedLabelBehavior(ALabel, "TLabelBlink", kBlinkInterval) {}
void TLabelBlink::tick() {
    OwnerLabel().set_visible(!OwnerLabel().Visible());
}
void TLabelBlink::end_effect() {
    OwnerLabel().set_visible(saved_visible_);
}

TLabelBounce::TLabelBounce(TCustomBehaviorLabel* ALabel)
    : TTimedLabelBehavior(ALabel, "TLabelBounce", kMoveInterval) {}
void TLabelBounce::tick() {
    const int steps = static_cast<int>(std::size(kBounceSteps));
    OwnerLabel().set_top(saved_bounds_.top + kBounceSteps[ticks_ % steps] * Pixels);
}
void TLabelBounce::end_effect() {
    OwnerLabel().set_top(saved_bounds_.top);
}

TLabelScroll::TLabelScroll(TCustomBehaviorLabel* ALabel)
    : TTimedLabelBehavior(ALabel, "TLabelScroll", kMoveInterval) {}
void TLabelScroll::tick() {
    TCustomBehaviorLabel& label = OwnerLabel();
    int left = label.Left() - Pixels;
    if (left + label.Width() < 0) left = label.parent() ? label.parent()->client_width() : 0;
    label.set_left(left);
}
void TLabelScroll::end_effect() {
    OwnerLabel().set_left(saved_bounds_.left);
}

TLabelTyping::TLabelTyping(TCustomBehaviorLabel* ALabel)
    : TTimedLabelBehavior(ALabel, "TLabelTyping", kTextInterval) {}
void TLabelTyping::begin_effect() {
    OwnerLabel().set_effect_text({});
    OwnerLabel().set_effect_text_on(true);
}
void TLabelTyping::tick() {
    const std::string& caption = OwnerLabel().Caption();
    const auto shown = static_cast<std::size_t>(ticks_);
    OwnerLabel().set_effect_text(caption.substr(0, shown));
    if (shown >= caption.size()) set_active(false);
}
void TLabelTyping::end_effect() {
    OwnerLabel().set_effect_text_on(false);
}

TLabelSpecial::TLabelSpecial(TCustomBehaviorLabel* ALabel)
    : TTimedLabelBehavior(ALabel, "TLabelSpecial", kTextInterval) {}
void TLabelSpecial::begin_effect() {
    OwnerLabel().set_effect_text(OwnerLabel().Caption());
    OwnerLabel().set_effect_text_on(true);
}
void TLabelSpecial::tick() {
    std::string text = OwnerLabel().Caption();
    if (!text.empty()) {
        char& c = text[static_cast<std::size_t>(ticks_) % text.size()];
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    OwnerLabel().set_effect_text(std::move(text));
}
void TLabelSpecial::end_effect() {
    OwnerLabel().set_effect_text_on(false);
}

TLabelCodeBreaker::TLabelCodeBreaker(TCustomBehaviorLabel* ALabel)
    : TTimedLabelBehavior(ALabel, "TLabelCodeBreaker", kTextInterval) {}
void TLabelCodeBreaker::begin_effect() {
    OwnerLabel().set_effect_text({});
    OwnerLabel().set_effect_text_on(true);
}
void TLabelCodeBreaker::tick() {
    const std::string& caption = OwnerLabel().Caption();
    const auto solved = static_cast<std::size_t>(ticks_);
    std::string text = caption;
    for (std::size_t i = solved; i < text.size(); ++i) {
        if (is_line_break(text[i])) continue;
        seed_ = seed_ * 1664525u + 1013904223u;
        text[i] = static_cast<char>('!' + (seed_ >> 24) % 94);  // printable ASCII
    }
    OwnerLabel().set_effect_text(std::move(text));
    if (solved >= caption.size()) set_active(false);
}
void TLabelCodeBreaker::end_effect() {
    OwnerLabel().set_effect_text_on(false);
}

}  // namespace tolsy
