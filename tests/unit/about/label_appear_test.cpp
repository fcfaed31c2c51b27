// The "Appearing" effect stepped by hand: placement, the move and snap rules, the width rule
// from the right, Stop, and the events around it.
#include "about/label_appear.h"

#include <gtest/gtest.h>

#include "about/about_fakes.h"

namespace tolsy {
namespace {

using testing::FakeParent;
using testing::ManualTimers;

class LabelAppearTest : public ::testing::Test {
  protected:
    void SetUp() override {
        label.set_behavior("Appearing");
        label.set_parent(&parent);
        label.set_bounds(4, 0, 171, 20);
        label.set_visible(false);
        label.OnStart = [this](TCustomBehaviorLabel&) { events.push_back("start"); };
        label.OnStop = [this](TCustomBehaviorLabel& l) {
            events.push_back(effect().Active() ? "stop(active)" : "stop(idle)");
            if (restart_in_stop) l.BehaviorOptions().set_active(true);
        };
    }
    TLabelAppear& effect() { return dynamic_cast<TLabelAppear&>(label.BehaviorOptions()); }
    // Ticks until the effect ends; returns the number of steps (0 if it never ends).
    int run_to_end(int limit = 10000) {
        for (int step = 1; step <= limit; ++step) {
            if (!timers.tick()) return 0;
            if (!effect().Active()) return step;
        }
        return 0;
    }
    LabelRect bounds() const { return label.bounds_rect(); }

    ManualTimers timers;
    FakeParent parent;  // 176 by 61, as the About window's first panel
    TBehaviorLabel label;
    std::vector<std::string> events;
    bool restart_in_stop = false;
};

TEST_F(LabelAppearTest, DefaultsOfTheEffect) {
    EXPECT_EQ(effect().class_name(), "TLabelAppear");
    EXPECT_FALSE(effect().Active());
    EXPECT_EQ(effect().Delay(), 100u);
    EXPECT_EQ(effect().Interval(), 20u);
    EXPECT_EQ(effect().Pixels(), 3);
    EXPECT_EQ(effect().AppearFrom(), TAppearDirection::drFromRight);
    EXPECT_EQ(effect().resting_rect(), LabelRect{});
    EXPECT_TRUE(timers.live.empty()) << "no timer before the first start";
}

TEST_F(LabelAppearTest, FromTheRightFirstSeenAtCwMinus3WithWidth1) {
    effect().set_active(true);
    ASSERT_NE(timers.only(), nullptr);
    EXPECT_EQ(timers.only()->interval, 100u);
    EXPECT_TRUE(timers.only()->enabled);
    EXPECT_FALSE(label.Visible()) << "untouched before the first step";
    EXPECT_EQ(bounds(), (LabelRect{4, 0, 175, 20}));

    ASSERT_TRUE(timers.tick());
    EXPECT_TRUE(label.Visible());
    EXPECT_EQ(label.Left(), 176 - 3);
    EXPECT_EQ(label.Width(), 1);
    EXPECT_EQ(timers.only()->interval, 20u);
    ASSERT_TRUE(timers.tick());
    EXPECT_EQ(label.Left(), 176 - 6);
    EXPECT_EQ(label.Width(), 4) << "cut 2 pixels short of the right edge while it enters";
}

TEST_F(LabelAppearTest, RestingAtLeft4InA176PanelFinishesOnStep58) {
    effect().set_active(true);
    EXPECT_EQ(run_to_end(), 58);
    EXPECT_EQ(bounds(), (LabelRect{4, 0, 175, 20}));
    EXPECT_TRUE(timers.live.empty()) << "the timer is released at the end";
    EXPECT_EQ(events, (std::vector<std::string>{"start", "stop(active)"}));
    EXPECT_FALSE(effect().Active());
}

TEST_F(LabelAppearTest, StepCountFollowsTheDistanceFromTheRightEdge) {
    for (int rest_left : {0, 1, 2, 3, 50, 174, 175, 176}) {
        label.set_bounds(rest_left, 0, 20, 13);
        effect().set_active(true);
        const int d = 176 - rest_left;
        EXPECT_EQ(run_to_end(), d / 3 + 1) << "resting at " << rest_left;
        EXPECT_EQ(label.Left(), rest_left);
        EXPECT_EQ(label.Width(), 20);
    }
}

TEST_F(LabelAppearTest, GrowsToFullWidthOnceItFits) {
    label.set_bounds(100, 0, 30, 13);
    effect().set_active(true);
    std::vector<int> widths;
    while (timers.tick() && effect().Active()) widths.push_back(label.Width());
    // Left 173, 170 ... : cut while Left + 30 reaches the edge, full once 176 > Left + 30.
    EXPECT_EQ(widths.front(), 1);
    EXPECT_EQ(widths[9], 176 - 146 - 2);
    EXPECT_EQ(widths[10], 30) << "at Left 143 the whole label fits";
    EXPECT_EQ(widths.back(), 30);
}

TEST_F(LabelAppearTest, OtherEdges) {
    struct Case {
        TAppearDirection from;
        LabelRect first;  // bounds after the first step
    } cases[] = {
        {TAppearDirection::drFromLeft, {-171 + 3, 0, 3, 20}},
        {TAppearDirection::drFromTop, {4, -20 + 3, 175, 3}},
        {TAppearDirection::drFromBottom, {4, 61 - 3, 175, 61 - 3 + 1}},
    };
    for (const Case& c : cases) {
        label.set_bounds(4, 0, 171, 20);
        effect().set_appear_from(c.from);
        effect().set_active(true);
        ASSERT_TRUE(timers.tick());
        EXPECT_EQ(bounds(), c.first) << static_cast<int>(c.from);
        EXPECT_GT(run_to_end(), 0);
        EXPECT_EQ(bounds(), (LabelRect{4, 0, 175, 20}));
    }
}

TEST_F(LabelAppearTest, ActiveStillTrueInOnStopAndRestartThereIsIgnored) {
    restart_in_stop = true;
    effect().set_active(true);
    run_to_end();
    EXPECT_EQ(events, (std::vector<std::string>{"start", "stop(active)"}));
    EXPECT_FALSE(effect().Active());
    EXPECT_TRUE(timers.live.empty());
}

TEST_F(LabelAppearTest, StartingARunningEffectChangesNothing) {
    effect().set_active(true);
    for (int i = 0; i < 5; ++i) timers.tick();
    label.set_left(40);  // as the About window moves it after starting
    effect().set_active(true);
    EXPECT_EQ(effect().resting_rect(), (LabelRect{4, 0, 175, 20}));
    EXPECT_EQ(events, (std::vector<std::string>{"start"}));
    timers.tick();
    EXPECT_EQ(label.Left(), 37) << "the slide goes on from where the label was put";
}

TEST_F(LabelAppearTest, WithoutParentTheStartFailsAndActiveStaysTrue) {
    label.set_parent(nullptr);
    try {
        effect().set_active(true);
        FAIL() << "no error";
    } catch (const EBehaviorError& e) {
        EXPECT_STREQ(e.what(), "OwnerLabel.Parent is nil in TLabelAppear.Start");
    }
    EXPECT_TRUE(effect().Active());
    EXPECT_TRUE(timers.live.empty());
    EXPECT_TRUE(events.empty());
}

TEST_F(LabelAppearTest, NoStartWhileLoading) {
    label.set_loading(true);
    effect().set_active(true);
    EXPECT_TRUE(effect().Active());
    EXPECT_TRUE(timers.live.empty());
    EXPECT_TRUE(events.empty());
}

TEST_F(LabelAppearTest, EmptyRestingBoundsAreNotPutBack) {
    label.set_bounds(4, 0, 0, 20);
    effect().set_active(true);
    timers.tick();
    timers.tick();
    effect().set_active(false);
    EXPECT_EQ(label.Left(), 176 - 6) << "a zero-width label stays where the slide left it";
}

TEST_F(LabelAppearTest, HidingDuringTheSlideKeepsTheLabelHidden) {
    effect().set_active(true);
    timers.tick();
    label.set_visible(false);
    run_to_end();
    EXPECT_FALSE(label.Visible());
}

TEST_F(LabelAppearTest, DelayChangeRestartsSilentlyFromTheEdge) {
    effect().set_active(true);
    for (int i = 0; i < 10; ++i) timers.tick();
    effect().set_delay(30);
    EXPECT_EQ(bounds(), (LabelRect{4, 0, 175, 20})) << "put back at its resting place";
    EXPECT_TRUE(effect().Active());
    ASSERT_NE(timers.only(), nullptr);
    EXPECT_EQ(timers.only()->interval, 30u);
    EXPECT_EQ(events, (std::vector<std::string>{"start"})) << "no events for the change";
    timers.tick();
    EXPECT_EQ(label.Left(), 173);
    effect().set_interval(20);  // unchanged: nothing happens
    EXPECT_EQ(label.Left(), 173);
    effect().set_interval(25);
    EXPECT_EQ(label.Left(), 4);
}

TEST_F(LabelAppearTest, ReleasedEffectPutsTheLabelBackAtItsLastRest) {
    effect().set_active(true);
    run_to_end();
    label.set_bounds(90, 9, 10, 10);
    label.set_behavior("Blinking");
    EXPECT_EQ(bounds(), (LabelRect{4, 0, 175, 20}));
    EXPECT_EQ(events.size(), 2u) << "release raises no OnStop";
}

TEST_F(LabelAppearTest, ReleasedMidSlideStopsItsTimer) {
    effect().set_active(true);
    timers.tick();
    label.set_behavior("(none)");
    EXPECT_TRUE(timers.live.empty());
    EXPECT_EQ(bounds(), (LabelRect{4, 0, 175, 20}));
}

}  // namespace
}  // namespace tolsy
