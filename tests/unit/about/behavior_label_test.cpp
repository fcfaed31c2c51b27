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
        label.SetParent(&parent);
        label.SetView(&view);
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
    EXPECT_EQ(BehaviorCatalog::Names(), (Texts{"(none)", "Appearing", "Blinking", "Bouncing",
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
        EXPECT_EQ(BehaviorCatalog::NameOfClass(class_name), name);
        EXPECT_EQ(BehaviorCatalog::Create(name, &label)->ClassName(), class_name);
    }
    BehaviorCatalog::Add("appearing", "TOther", nullptr);  // present already: ignored
    EXPECT_EQ(BehaviorCatalog::NameOfClass("TOther"), "");
}

TEST_F(BehaviorLabelTest, BehaviorNameIsCheckedAgainstTheCatalogue) {
    EXPECT_EQ(label.Behavior(), "(none)");
    EXPECT_EQ(label.BehaviorOptions().ClassName(), "TLabelNone");
    label.SetBehavior("Sliding");
    EXPECT_EQ(label.Behavior(), "(none)") << "an unlisted name is ignored";
    label.SetBehavior("");
    EXPECT_EQ(label.Behavior(), "(none)");
    label.SetBehavior("aPPEARING");
    EXPECT_EQ(label.Behavior(), "aPPEARING") << "stored exactly as written";
    EXPECT_EQ(label.BehaviorOptions().ClassName(), "TLabelAppear");
}

TEST_F(BehaviorLabelTest, WritingTheSameNameKeepsTheRunningBehaviour) {
    label.SetBehavior("Appearing");
    TLabelBehavior* before = &label.BehaviorOptions();
    before->SetActive(true);
    label.SetBehavior("Appearing");
    EXPECT_EQ(&label.BehaviorOptions(), before);
    EXPECT_TRUE(label.BehaviorOptions().Active());
    label.SetBehavior("appearing");  // not exactly equal: the object is released
    EXPECT_FALSE(label.BehaviorOptions().Active());
    EXPECT_EQ(events, (Texts{"start"})) << "release stops without OnStop";
}

TEST_F(BehaviorLabelTest, OptionsAssignmentSwitchesByClassOnly) {
    TBehaviorLabel other;
    other.SetBehavior("Appearing");
    auto& options = dynamic_cast<TLabelAppear&>(other.BehaviorOptions());
    options.SetPixels(9);
    label.SetBehaviorOptions(&options);
    EXPECT_EQ(label.Behavior(), "Appearing");
    EXPECT_EQ(dynamic_cast<TLabelAppear&>(label.BehaviorOptions()).Pixels(), 3)
        << "property values are not copied";
    label.SetBehaviorOptions(nullptr);
    EXPECT_EQ(label.Behavior(), "Appearing") << "the empty name is ignored";
}

TEST_F(BehaviorLabelTest, UnlistedStoredNameYieldsThePlainBase) {
    label.SetBehavior("Typing");
    BehaviorCatalog::Clear();
    BehaviorCatalog::Add("Other", "TOther", nullptr);
    TLabelBehavior& plain = label.BehaviorOptions();
    EXPECT_EQ(plain.ClassName(), "TLabelBehavior");
    plain.SetActive(true);
    plain.SetActive(false);
    EXPECT_EQ(events, (Texts{"start", "stop"}));
    BehaviorCatalog::Clear();
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
    EXPECT_THROW(BehaviorCatalog::Create("Typing", nullptr), EBehaviorError);
}

TEST_F(BehaviorLabelTest, ActiveWritesStartAndStopOnce) {
    TLabelBehavior& b = label.BehaviorOptions();
    b.SetActive(true);
    b.SetActive(true);
    b.SetActive(false);
    b.SetActive(false);
    EXPECT_EQ(events, (Texts{"start", "stop"}));
    b.SetActive(true);
    b.BeginChange();
    EXPECT_FALSE(b.Active());
    b.EndChange();
    EXPECT_TRUE(b.Active());
    EXPECT_EQ(events, (Texts{"start", "stop", "start"})) << "a change raises no events";
}

TEST_F(BehaviorLabelTest, AutoSizeFollowsTheTextAndKeepsLeft) {
    label.SetBounds(8, 2, 85, 13);
    label.SetCaption("Ver. 1.0.0.0\r\nwww.example");
    EXPECT_EQ(label.BoundsRect(), (LabelRect{8, 2, 8 + 7 * 12, 2 + 26}));
    label.SetCaption("");
    EXPECT_EQ(label.Width(), 0) << "an empty caption shrinks the label";
    label.SetAutoSize(false);
    label.SetCaption("longer text");
    EXPECT_EQ(label.Width(), 0);
}

// A behaviour that records the resize notifications it gets.
class RecordingBehavior : public TLabelBehavior {
  public:
    explicit RecordingBehavior(TCustomBehaviorLabel* l) : TLabelBehavior(l, "TRecording") {}
    std::string_view ClassName() const override { return "TRecording"; }
    void LabelResized() override { ++resized; }
    int resized = 0;
};

TEST_F(BehaviorLabelTest, ResizeReachesTheBehaviour) {
    BehaviorCatalog::Add("Recording", "TRecording", [](TCustomBehaviorLabel* l) {
        return std::make_unique<RecordingBehavior>(l);
    });
    label.SetBehavior("Recording");
    auto& rec = dynamic_cast<RecordingBehavior&>(label.BehaviorOptions());
    label.SetLeft(30);
    EXPECT_EQ(rec.resized, 0) << "a move is no resize";
    label.SetWidth(31);
    label.SetCaption("abc");
    EXPECT_EQ(rec.resized, 2);
    BehaviorCatalog::Clear();
    register_standard_behaviors();
}

TEST_F(BehaviorLabelTest, EffectTextSwitch) {
    label.SetCaption("caption");
    label.SetEffectText("effect");
    EXPECT_EQ(label.DisplayText(), "caption");
    label.SetEffectTextOn(true);
    EXPECT_EQ(label.DisplayText(), "effect");
}

TEST_F(BehaviorLabelTest, TextEffectsEndWithTheCaptionShownAgain) {
    label.SetCaption("Datum A");
    for (const char* name : {"Typing", "CodeBreaker"}) {
        label.SetBehavior(name);
        label.BehaviorOptions().SetActive(true);
        timers.tick();
        EXPECT_EQ(label.DisplayText().size(), std::string(name) == "Typing" ? 1u : 7u) << name;
        int ticks = 1;
        while (label.BehaviorOptions().Active() && timers.tick()) ++ticks;
        EXPECT_EQ(ticks, 7) << name << " ends by itself once the whole text is shown";
        EXPECT_EQ(label.DisplayText(), "Datum A") << name;
        EXPECT_TRUE(timers.live.empty());
    }
    label.SetBehavior("Special");
    label.BehaviorOptions().SetActive(true);
    timers.tick();
    EXPECT_EQ(label.DisplayText(), "DAtum A");
    label.BehaviorOptions().SetActive(false);
    EXPECT_EQ(label.DisplayText(), "Datum A");
}

TEST_F(BehaviorLabelTest, MovingEffectsPutTheLabelBack) {
    label.SetBounds(10, 20, 30, 13);
    for (const char* name : {"Blinking", "Bouncing", "Scrolling"}) {
        label.SetBehavior(name);
        label.BehaviorOptions().SetActive(true);
        for (int i = 0; i < 40; ++i) timers.tick();
        label.BehaviorOptions().SetActive(false);
        EXPECT_EQ(label.BoundsRect(), (LabelRect{10, 20, 40, 33})) << name;
        EXPECT_TRUE(label.Visible()) << name;
    }
    label.SetBehavior("Scrolling");
    label.BehaviorOptions().SetActive(true);
    for (int i = 0; i < 21; ++i) timers.tick();
    EXPECT_EQ(label.Left(), 176) << "off the left edge, it comes round from the right";
}

}  // namespace
}  // namespace tolsy
