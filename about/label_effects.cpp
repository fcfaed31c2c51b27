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

void TTimedLabelBehavior::SetInterval(std::uint32_t value) {
    if (value == interval_) return;
    BeginChange();
    interval_ = value;
    EndChange();
}

void TTimedLabelBehavior::Start() {
    TCustomBehaviorLabel& label = OwnerLabel();
    if (label.Loading() || label.Destroying()) return;
    TLabelBehavior::Start();
    saved_bounds_ = label.BoundsRect();
    saved_visible_ = label.Visible();
    ticks_ = 0;
    Begin();
    timer_ = behavior_timer_factory().CreateTimer([this] {
        ++ticks_;
        Tick();
    });
    timer_->SetInterval(interval_);
    timer_->SetEnabled(true);
}

void TTimedLabelBehavior::Stop() {
    if (timer_) {
        timer_.reset();
        End();
    }
    TLabelBehavior::Stop();
}

TLabelBlink::TLabelBlink(TCustomBehaviorLabel* ALabel)
    : TTimedLabelBehavior(ALabel, "TLabelBlink", kBlinkInterval) {}
void TLabelBlink::Tick() {
    OwnerLabel().SetVisible(!OwnerLabel().Visible());
}
void TLabelBlink::End() {
    OwnerLabel().SetVisible(saved_visible_);
}

TLabelBounce::TLabelBounce(TCustomBehaviorLabel* ALabel)
    : TTimedLabelBehavior(ALabel, "TLabelBounce", kMoveInterval) {}
void TLabelBounce::Tick() {
    const int steps = static_cast<int>(std::size(kBounceSteps));
    OwnerLabel().SetTop(saved_bounds_.top + kBounceSteps[ticks_ % steps] * Pixels);
}
void TLabelBounce::End() {
    OwnerLabel().SetTop(saved_bounds_.top);
}

TLabelScroll::TLabelScroll(TCustomBehaviorLabel* ALabel)
    : TTimedLabelBehavior(ALabel, "TLabelScroll", kMoveInterval) {}
void TLabelScroll::Tick() {
    TCustomBehaviorLabel& label = OwnerLabel();
    int left = label.Left() - Pixels;
    if (left + label.Width() < 0) left = label.Parent() ? label.Parent()->ClientWidth() : 0;
    label.SetLeft(left);
}
void TLabelScroll::End() {
    OwnerLabel().SetLeft(saved_bounds_.left);
}

TLabelTyping::TLabelTyping(TCustomBehaviorLabel* ALabel)
    : TTimedLabelBehavior(ALabel, "TLabelTyping", kTextInterval) {}
void TLabelTyping::Begin() {
    OwnerLabel().SetEffectText({});
    OwnerLabel().SetEffectTextOn(true);
}
void TLabelTyping::Tick() {
    const std::string& caption = OwnerLabel().Caption();
    const auto shown = static_cast<std::size_t>(ticks_);
    OwnerLabel().SetEffectText(caption.substr(0, shown));
    if (shown >= caption.size()) SetActive(false);
}
void TLabelTyping::End() {
    OwnerLabel().SetEffectTextOn(false);
}

TLabelSpecial::TLabelSpecial(TCustomBehaviorLabel* ALabel)
    : TTimedLabelBehavior(ALabel, "TLabelSpecial", kTextInterval) {}
void TLabelSpecial::Begin() {
    OwnerLabel().SetEffectText(OwnerLabel().Caption());
    OwnerLabel().SetEffectTextOn(true);
}
void TLabelSpecial::Tick() {
    std::string text = OwnerLabel().Caption();
    if (!text.empty()) {
        char& c = text[static_cast<std::size_t>(ticks_) % text.size()];
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    OwnerLabel().SetEffectText(std::move(text));
}
void TLabelSpecial::End() {
    OwnerLabel().SetEffectTextOn(false);
}

TLabelCodeBreaker::TLabelCodeBreaker(TCustomBehaviorLabel* ALabel)
    : TTimedLabelBehavior(ALabel, "TLabelCodeBreaker", kTextInterval) {}
void TLabelCodeBreaker::Begin() {
    OwnerLabel().SetEffectText({});
    OwnerLabel().SetEffectTextOn(true);
}
void TLabelCodeBreaker::Tick() {
    const std::string& caption = OwnerLabel().Caption();
    const auto solved = static_cast<std::size_t>(ticks_);
    std::string text = caption;
    for (std::size_t i = solved; i < text.size(); ++i) {
        if (is_line_break(text[i])) continue;
        seed_ = seed_ * 1664525u + 1013904223u;
        text[i] = static_cast<char>('!' + (seed_ >> 24) % 94);  // printable ASCII
    }
    OwnerLabel().SetEffectText(std::move(text));
    if (solved >= caption.size()) SetActive(false);
}
void TLabelCodeBreaker::End() {
    OwnerLabel().SetEffectTextOn(false);
}

}  // namespace tolsy
