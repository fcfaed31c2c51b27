// The About window's handlers with fake panels, labels stepped by hand and a fake record.
#include "about/about_form.h"

#include <gtest/gtest.h>

#include "about/about_fakes.h"
#include "about/label_appear.h"

namespace tolsy {
namespace {

using testing::FakeLabelView;
using testing::ManualTimers;
using testing::TestHandOver;

struct FakePanel : AboutPanel, LabelParent {
    int left, top, width, height;
    FakePanel(int l, int t, int w, int h) : left(l), top(t), width(w), height(h) {}
    void set_left(int value) override { left = value; }
    void set_width(int value) override { width = value; }
    int client_width() const override { return width; }
    int client_height() const override { return height; }
};

// A record with `text` for every key but the company ("Q") and the trademark ("T"); no record
// at all when `text` is empty.
class RecordOf : public VersionInfoApi {
  public:
    std::string text;
    std::int64_t info_size(const std::string&) override {
        return text.empty() ? 0 : static_cast<std::int64_t>(layout().size());
    }
    bool copy_info(const std::string&, std::vector<std::uint8_t>& b) override {
        const std::string bytes = layout();
        std::copy(bytes.begin(), bytes.end(), b.begin());
        return true;
    }
    bool query_value(const std::vector<std::uint8_t>&, const std::string& path,
                     std::size_t& offset) override {
        auto ends = [&](std::string_view key) { return path.ends_with(key); };
        offset = ends("CompanyName")       ? text.size() + 1
                 : ends("LegalTradeMarks") ? text.size() + 3
                                           : 0;
        return true;
    }

  private:
    std::string layout() const { return text + std::string("\0Q\0T\0", 6); }
};

// The About window's members as its description lays them out.
class AboutTest : public ::testing::Test {
  protected:
    AboutTest() : starfield(ui), info(&record) {
        for (auto* label : {&label1, &label2}) {
            label->set_behavior("Appearing");
            label->set_view(&view);
            label->set_visible(false);
        }
        view.char_width = 9;
        label1.set_parent(&panel1);
        label1.set_bounds(4, 0, 142, 20);
        label2.set_parent(&panel2);
        label2.set_bounds(8, 0, 85, 13);
        label1.OnStop = [this](TCustomBehaviorLabel&) { handlers.BehaviorLabel1Stop(); };
    }
    TLabelAppear& effect(TBehaviorLabel& l) {
        return dynamic_cast<TLabelAppear&>(l.BehaviorOptions());
    }
    int slide(TBehaviorLabel& l) {
        int steps = 0;
        while (effect(l).Active() && timers.tick()) ++steps;
        return steps;
    }

    TestHandOver ui;
    ManualTimers timers;
    FakeLabelView view;
    TStarfield starfield;
    FakePanel panel1{36, 28, 205, 61};
    FakePanel panel2{91, 104, 97, 52};
    TBehaviorLabel label1, label2;
    RecordOf record;
    TEPInfoExe info;
    TAboutHandlers handlers{{starfield, panel1, label1, label2, info}};
};

TEST(AboutPlacement, HalvingsTruncateTowardZero) {
    EXPECT_EQ(centred_left(269, 171), 49);
    EXPECT_EQ(centred_left(269, 270), -1);
    EXPECT_EQ(centred_left(269, 281), -6);
    EXPECT_EQ(centred_left(-5, 0), -2);
    EXPECT_EQ(centred_left(0, -5), 2);
}

TEST_F(AboutTest, TextsComeFromTheRecordWithFallbacks) {
    record.text = "value";
    handlers.FormCreate("C:\\tolsy.exe");
    EXPECT_EQ(info.ExeName(), "C:\\tolsy.exe");
    EXPECT_EQ(handlers.VersionText(), "value");
    EXPECT_EQ(handlers.CompanyText(), "Q");
    EXPECT_EQ(handlers.TrademarkText(), "T");
    EXPECT_EQ(handlers.DescriptionText(), "value");

    record.text.clear();
    TEPInfoExe empty(&record);
    TAboutHandlers fresh({starfield, panel1, label1, label2, empty});
    fresh.FormCreate("C:\\none.exe");
    EXPECT_EQ(fresh.VersionText(), "");
    EXPECT_EQ(fresh.DescriptionText(), "");
    EXPECT_EQ(fresh.CompanyText(), "Quorvane Software");
    EXPECT_EQ(fresh.TrademarkText(), kAboutFallbackTrademark);
    fresh.FormActivate(269);
    EXPECT_EQ(label1.Caption(),
              std::string("\r\nBy Quorvane Software\r\n") + kAboutFallbackTrademark);
    fresh.BehaviorLabel1Stop();
    EXPECT_EQ(label2.Caption(), std::string("Ver. \r\n") + kAboutWebAddress);
}

TEST_F(AboutTest, ActivationPlacesThePanelAndStartsStarsAndLabel) {
    record.text = std::string(19, 'D');  // 19 characters of 9 pixels: w = 171
    handlers.FormCreate("tolsy.exe");
    label2.set_caption("old text");
    label2.set_visible(true);
    handlers.FormActivate(269);
    EXPECT_TRUE(starfield.Active());
    EXPECT_FALSE(label2.Visible());
    EXPECT_EQ(label2.Caption(), "");
    EXPECT_EQ(label1.Width(), 171);
    EXPECT_EQ(label1.Height(), 39) << "three lines";
    EXPECT_EQ(panel1.width, 176);
    EXPECT_EQ(panel1.left, 49);
    EXPECT_EQ(label1.Left(), 49) << "until the first step";
    EXPECT_TRUE(effect(label1).Active());
    EXPECT_EQ(effect(label1).resting_rect(), (LabelRect{4, 0, 175, 39}));
    EXPECT_FALSE(label1.Visible());
}

TEST_F(AboutTest, FirstLabelRestsThenTheSecondFollows) {
    record.text = std::string(19, 'D');
    handlers.FormCreate("tolsy.exe");
    handlers.FormActivate(269);
    handlers.FormActivate(269);  // the second activation of a showing changes nothing
    EXPECT_EQ(slide(label1), 58);
    EXPECT_EQ(label1.bounds_rect(), (LabelRect{4, 0, 175, 39}));
    EXPECT_TRUE(label1.Visible());
    EXPECT_EQ(label2.Caption(), "Ver. " + record.text + "\r\n" + kAboutWebAddress);
    ASSERT_TRUE(effect(label2).Active()) << "label 2 starts when label 1 stops";
    EXPECT_FALSE(label2.Visible());
    const int d = 97 - 8;
    EXPECT_EQ(slide(label2), d / 3 + 1);
    EXPECT_EQ(label2.Left(), 8);
    EXPECT_EQ(label2.Top(), 0);
    EXPECT_TRUE(label2.Visible());
}

TEST_F(AboutTest, ClosingMidSlideLetsTheChainRunUnseen) {
    record.text = std::string(19, 'D');
    handlers.FormCreate("tolsy.exe");
    handlers.FormActivate(269);
    for (int i = 0; i < 10; ++i) timers.tick();
    handlers.FormClose();
    EXPECT_FALSE(starfield.Active());
    EXPECT_FALSE(label1.Visible());
    EXPECT_TRUE(effect(label1).Active()) << "close does not stop the effects";
    // Shown again while label 1 still slides: it is not restarted. The caption is unchanged,
    // so the panel is placed by the label's cut width of the moment (176 - 146 - 2 = 28).
    handlers.FormActivate(269);
    EXPECT_EQ(panel1.width, 33);
    EXPECT_EQ(label1.Left(), 134 - 14);
    timers.tick();
    EXPECT_EQ(label1.Left(), 134 - 14 - 3) << "goes on from the Left the activation gave it";
    slide(label1);
    EXPECT_TRUE(effect(label2).Active());
    slide(label2);
    // A later showing slides label 1 in anew, and label 2 after it.
    handlers.FormActivate(269);
    EXPECT_TRUE(effect(label1).Active());
    EXPECT_FALSE(label2.Visible());
    EXPECT_EQ(slide(label1), 58);
    EXPECT_GT(slide(label2), 0);
}

}  // namespace
}  // namespace tolsy
