// The label's behaviour slot, the catalogue, the behaviour base and the small effects.
#include "about/behavior_label.h"

#include <gtest/gtest.h>

#include "about/about_fakes.h"
#include "about/label_appear.h"
#include "about/label_effects.h"

namespace tolsy {
namespace {

using testing::FakeLabelView;
using testing::FakeParent;
using testing::ManualTimers;
using Texts = std::vector<std::string>;

class BehaviorLabelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        label.set_parent(&parent);
        label.set_view(&view);
        label.OnStart = [this](TCustomBehaviorLabel&) { events.push_back("start"); };
        label.OnStop = [this](TCustomBehaviorLabel&) { events.push_back("stop"); };
    }
    ManualTimers timers;
    FakeParent parent;
    FakeLabelView view;
    TBehaviorLabel label;
    Texts events;
};

TEST_F(BehaviorLabelTest, CatalogueListsTheEightBehavioursSortedWithoutCase) {
    EXPECT_EQ(BehaviorCatalog::names(), (Texts{"(none)", "Appearing", "Blinking", "Bouncing",
                                               "CodeBreaker", "Scrolling", "Special", "Typing"}));
    const std::pair<const char*, const char*> classes[] = {{"(none)", "TLabelNone"},
                                                           {"Appearing", "TLabelAppear"},
                                                           {"Blinking", "TLabelBlink"},
                                                           {"Bouncing", "TLabelBounce"},
                                                           {"CodeBreaker", "TLabelCodeBreaker"},
                                                           {"Scrolling", "TLabelScroll"},
                                                           {"Special", "TLabelSpecial"},
                                                           {"Typing", "TLabelTyping"}};
    for (auto [name, class_name] : classes) {
        EXPECT_EQ(BehaviorCatalog::name_of_class(class_name), name);
        EXPECT_EQ(BehaviorCatalog::create(name, &label)->class_name(), class_name);
    }
    BehaviorCatalog::add("appearing", "TOther", nullptr);  // present already: ignored
    EXPECT_EQ(BehaviorCatalog::name_of_class("TOther"), "");
}

TEST_F(BehaviorLabelTest, BehaviorNameIsCheckedAgainstTheCatalogue) {
    EXPECT_EQ(label.Behavior(), "(none)");
    EXPECT_EQ(label.BehaviorOptions().class_name(), "TLabelNone");
    label.set_behavior("Sliding");
    EXPECT_EQ(label.Behavior(), "(none)") << "an unlisted name is ignored";
    label.set_behavior("");
    EXPECT_EQ(label.Behavior(), "(none)");
    label.set_behavior("aPPEARING");
    EXPECT_EQ(label.Behavior(), "aPPEARING") << "stored exactly as written";
    EXPECT_EQ(label.BehaviorOptions().class_name(), "TLabelAppear");
}

TEST_F(BehaviorLabelTest, WritingTheSameNameKeepsTheRunningBehaviour) {
    label.set_behavior("Appearing");
    TLabelBehavior* before = &label.BehaviorOptions();
    before->set_active(true);
    label.set_behavior("Appearing");
    EXPECT_EQ(&label.BehaviorOptions(), before);
    EXPECT_TRUE(label.BehaviorOptions().Active());
    label.set_behavior("appearing");  // not exactly equal: the object is released
    EXPECT_FALSE(label.BehaviorOptions().Active());
    EXPECT_EQ(events, (Texts{"start"})) << "release stops without OnStop";
}

TEST_F(BehaviorLabelTest, OptionsAssignmentSwitchesByClassOnly) {
    TBehaviorLabel other;
    other.set_behavior("Appearing");
    auto& options = dynamic_cast<TLabelAppear&>(other.BehaviorOptions());
    options.set_pixels(9);
    label.set_behavior_options(&options);
    EXPECT_EQ(label.Behavior(), "Appearing");
    EXPECT_EQ(dynamic_cast<TLabelAppear&>(label.BehaviorOptions()).Pixels(), 3)
        << "property values are not copied";
    label.set_behavior_options(nullptr);
    EXPECT_EQ(label.Behavior(), "Appearing") << "the empty name is ignored";
}

TEST_F(BehaviorLabelTest, UnlistedStoredNameYieldsThePlainBase) {
    label.set_behavior("Typing");
    BehaviorCatalog::clear();
    BehaviorCatalog::add("Other", "TOther", nullptr);
    TLabelBehavior& plain = label.BehaviorOptions();
    EXPECT_EQ(plain.class_name(), "TLabelBehavior");
    plain.set_active(true);
    plain.set_active(false);
    EXPECT_EQ(events, (Texts{"start", "stop"}));
    BehaviorCatalog::clear();
    register_standard_behaviors();
}

TEST_F(BehaviorLabelTest, ConstructionWithoutLabelFailsNamingTheClass) {
    try {
        TLabelAppear effect(nullptr);
        FAIL() << "no error";
    } catch (const EBehaviorError& e) {
        EXPECT_STREQ(e.what(), "Cannot call TLabelAppear.Create with ALabel = nil");
    }
    EXPECT_THROW(TLabelBehavior(nullptr), EBehaviorError);
    EXPECT_THROW(BehaviorCatalog::create("Typing", nullptr), EBehaviorError);
}

TEST_F(BehaviorLabelTest, ActiveWritesStartAndStopOnce) {
    TLabelBehavior& b = label.BehaviorOptions();
    b.set_active(true);
    b.set_active(true);
    b.set_active(false);
    b.set_active(false);
    EXPECT_EQ(events, (Texts{"start", "stop"}));
    b.set_active(true);
    b.BeginChange();
    EXPECT_FALSE(b.Active());
    b.EndChange();
    EXPECT_TRUE(b.Active());
    EXPECT_EQ(events, (Texts{"start", "stop", "start"})) << "a change raises no events";
}

TEST_F(BehaviorLabelTest, AutoSizeFollowsTheTextAndKeepsLeft) {
    label.set_bounds(8, 2, 85, 13);
    label.set_caption("Ver. 1.0.0.0\r\nwww.example");
    EXPECT_EQ(label.bounds_rect(), (LabelRect{8, 2, 8 + 7 * 12, 2 + 26}));
    label.set_caption("");
    EXPECT_EQ(label.Width(), 0) << "an empty caption shrinks the label";
    label.set_auto_size(false);
    label.set_caption("longer text");
    EXPECT_EQ(label.Width(), 0);
}

// A behaviour that records the resize notifications it gets.
class RecordingBehavior : public TLabelBehavior {
  public:
    explicit RecordingBehavior(TCustomBehaviorLabel* l) : TLabelBehavior(l, "TRecording") {}
    std::string_view class_name() const override { return "TRecording"; }
    void LabelResized() override { ++resized; }
    int resized = 0;
};

TEST_F(BehaviorLabelTest, ResizeReachesTheBehaviour) {
    BehaviorCatalog::add("Recording", "TRecording", [](TCustomBehaviorLabel* l) {
        return std::make_unique<RecordingBehavior>(l);
    });
    label.set_behavior("Recording");
    auto& rec = dynamic_cast<RecordingBehavior&>(label.BehaviorOptions());
    label.set_left(30);
    EXPECT_EQ(rec.resized, 0) << "a move is no resize";
    label.set_width(31);
    label.set_caption("abc");
    EXPECT_EQ(rec.resized, 2);
    BehaviorCatalog::clear();
    register_standard_behaviors();
}

TEST_F(BehaviorLabelTest, EffectTextSwitch) {
    label.set_caption("caption");
    label.set_effect_text("effect");
    EXPECT_EQ(label.display_text(), "caption");
    label.set_effect_text_on(true);
    EXPECT_EQ(label.display_text(), "effect");
}

TEST_F(BehaviorLabelTest, TextEffectsEndWithTheCaptionShownAgain) {
    label.set_caption("Datum A");
    for (const char* name : {"Typing", "CodeBreaker"}) {
        label.set_behavior(name);
        label.BehaviorOptions().set_active(true);
        timers.tick();
        EXPECT_EQ(label.display_text().size(), std::string(name) == "Typing" ? 1u : 7u) << name;
        int ticks = 1;
        while (label.BehaviorOptions().Active() && timers.tick()) ++ticks;
        EXPECT_EQ(ticks, 7) << name << " ends by itself once the whole text is shown";
        EXPECT_EQ(label.display_text(), "Datum A") << name;
        EXPECT_TRUE(timers.live.empty());
    }
    label.set_behavior("Special");
    label.BehaviorOptions().set_active(true);
    timers.tick();
    EXPECT_EQ(label.display_text(), "DAtum A");
    label.BehaviorOptions().set_active(false);
    EXPECT_EQ(label.display_text(), "Datum A");
}

TEST_F(BehaviorLabelTest, MovingEffectsPutTheLabelBack) {
    label.set_bounds(10, 20, 30, 13);
    for (const char* name : {"Blinking", "Bouncing", "Scrolling"}) {
        label.set_behavior(name);
        label.BehaviorOptions().set_active(true);
        for (int i = 0; i < 40; ++i) timers.tick();
        label.BehaviorOptions().set_active(false);
        EXPECT_EQ(label.bounds_rect(), (LabelRect{10, 20, 40, 33})) << name;
        EXPECT_TRUE(label.Visible()) << name;
    }
    label.set_behavior("Scrolling");
    label.BehaviorOptions().set_active(true);
    for (int i = 0; i < 21; ++i) timers.tick();
    EXPECT_EQ(label.Left(), 176) << "off the left edge, it comes round from the right";
}

}  // namespace
}  // namespace tolsy
