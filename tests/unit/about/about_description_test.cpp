// The About window's description read into its design components: the values the window is
// built from, and the events bound to the window's handlers by name.
#include "about/about_description.h"

#include <gtest/gtest.h>

#include "built_forms.h"
#include "toolkit/components/window_description.h"

namespace tolsy {
namespace {

// The window as the program reads it: its handlers given under their names.
class AboutDescriptionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        DescriptionHandlers handlers;
        for (const char* name :
             {"FormActivate", "FormClose", "FormCreate", "BehaviorLabel1Stop", "TeButton1Click"}) {
            handlers.emplace_back(name, [this, name](Component& sender) {
                calls.push_back(std::string(name) + ":" + sender.name());
            });
        }
        read_description(about, test::built_form(kAboutDescriptionName), handlers,
                         keep_about_design);
    }
    AboutDesign about;
    std::vector<std::string> calls;
};

TEST_F(AboutDescriptionTest, WindowProperties) {
    EXPECT_EQ(about.name(), "About");
    EXPECT_EQ(about.Caption, "About");
    EXPECT_EQ(about.BorderStyle, TFormBorderStyle::bsDialog);
    EXPECT_EQ(about.BorderIcons, biSystemMenu) << "no minimise or maximise box";
    EXPECT_EQ(about.ClientWidth, 269);
    EXPECT_EQ(about.ClientHeight, 218);
    EXPECT_EQ(about.Color_, clBlack);
    EXPECT_EQ(about.Font.name, "MS Sans Serif");
    EXPECT_EQ(about.Font.height, -11);
    EXPECT_EQ(about.Position, TPosition::poScreenCenter);
}

TEST_F(AboutDescriptionTest, MembersInCreationOrderWithTheirBounds) {
    std::vector<std::string> names;
    for (Component* c : about.components()) names.push_back(c->name());
    EXPECT_EQ(names, (std::vector<std::string>{"Starfield1", "Panel1", "BehaviorLabel1", "Panel2",
                                               "BehaviorLabel2", "TeButton1", "EPInfoExe1"}));
    struct Expect {
        Control* control;
        int left, top, width, height;
    } bounds[] = {
        {about.Starfield1, 0, 0, 269, 218},    {about.Panel1, 36, 28, 205, 61},
        {about.BehaviorLabel1, 4, 0, 142, 20}, {about.Panel2, 91, 104, 97, 52},
        {about.BehaviorLabel2, 8, 0, 85, 13},  {about.TeButton1, 99, 176, 75, 25},
    };
    for (const Expect& e : bounds) {
        ASSERT_NE(e.control, nullptr);
        EXPECT_EQ(e.control->left, e.left) << e.control->name();
        EXPECT_EQ(e.control->top, e.top) << e.control->name();
        EXPECT_EQ(e.control->width, e.width) << e.control->name();
        EXPECT_EQ(e.control->height, e.height) << e.control->name();
    }
    EXPECT_EQ(about.BehaviorLabel1->parent_component(), about.Panel1);
    EXPECT_EQ(about.BehaviorLabel2->parent_component(), about.Panel2);
}

TEST_F(AboutDescriptionTest, StarsPanelsLabelsButtonAndReader) {
    const StarfieldDesign& s = *about.Starfield1;
    EXPECT_EQ(s.align, kAlignClient);
    EXPECT_FALSE(s.Active);
    EXPECT_EQ(s.Stars, 100);
    EXPECT_EQ(s.MaxSpeed, 10);
    EXPECT_EQ(s.Delay, 50u);
    EXPECT_EQ(s.color, clBlack);
    for (PanelDesign* p : {about.Panel1, about.Panel2}) {
        EXPECT_EQ(p->bevel_outer, PanelBevel::kNone);
        EXPECT_EQ(p->color, clBlack);
    }
    EXPECT_EQ(about.Panel1->tab_order, 0);
    EXPECT_EQ(about.Panel2->tab_order, 1);

    const BehaviorLabelDesign& l1 = *about.BehaviorLabel1;
    EXPECT_EQ(l1.Behavior, "Appearing");
    EXPECT_EQ(l1.Alignment, TAlignment::taCenter);
    EXPECT_FALSE(l1.visible);
    EXPECT_FALSE(l1.parent_font);
    EXPECT_EQ(l1.caption_text(), "BehaviorLabel1");
    EXPECT_EQ(l1.font.height, -16);
    EXPECT_EQ(l1.font.style, kFontBold);
    EXPECT_EQ(l1.font.color, 0x0000FFu) << "red";
    const BehaviorLabelDesign& l2 = *about.BehaviorLabel2;
    EXPECT_EQ(l2.font.height, -11);
    EXPECT_EQ(l2.font.style, 0);
    EXPECT_EQ(l2.font.color, 0xFFFF00u) << "aqua";
    EXPECT_FALSE(static_cast<bool>(l2.OnStop)) << "label 2 has no OnStop";

    const TeButton& b = *about.TeButton1;
    EXPECT_EQ(b.caption, u"OK");
    EXPECT_TRUE(b.is_default);
    EXPECT_EQ(b.modal_result, 1);
    EXPECT_EQ(b.kind, 1) << "bkOK";
    EXPECT_EQ(b.tab_order, 2);
    EXPECT_EQ(about.EPInfoExe1->LangId, "0409");
}

TEST_F(AboutDescriptionTest, MemberKindsParentsAndTabOrders) {
    struct Expect {
        Component* member;
        const char* class_name;
        Component* parent;
        int tab_order;  // -1: not a tab stop of its own
    } members[] = {
        {about.Starfield1, "TStarfield", &about, -1},
        {about.Panel1, "TPanel", &about, 0},
        {about.BehaviorLabel1, "TBehaviorLabel", about.Panel1, -1},
        {about.Panel2, "TPanel", &about, 1},
        {about.BehaviorLabel2, "TBehaviorLabel", about.Panel2, -1},
        {about.TeButton1, "TTeButton", &about, 2},
        {about.EPInfoExe1, "TEPInfoExe", &about, -1},
    };
    for (const Expect& e : members) {
        ASSERT_NE(e.member, nullptr);
        EXPECT_EQ(e.member->class_info().name(), e.class_name) << e.member->name();
        EXPECT_EQ(e.member->parent_component(), e.parent) << e.member->name();
        if (auto* control = dynamic_cast<Control*>(e.member)) {
            EXPECT_EQ(control->tab_order, e.tab_order) << e.member->name();
        }
    }
    for (const BehaviorLabelDesign* label : {about.BehaviorLabel1, about.BehaviorLabel2}) {
        EXPECT_EQ(label->Behavior, "Appearing") << label->name();
        EXPECT_EQ(label->Alignment, TAlignment::taCenter) << label->name();
        EXPECT_FALSE(label->visible) << label->name();
        EXPECT_EQ(label->font.name, "MS Sans Serif") << label->name();
    }
}

TEST_F(AboutDescriptionTest, EventsBindToTheWindowsHandlersByName) {
    about.OnCreate(about);
    about.OnActivate(about);
    about.BehaviorLabel1->OnStop(*about.BehaviorLabel1);
    about.TeButton1->on_click(*about.TeButton1);
    about.OnClose(about);
    EXPECT_EQ(calls, (std::vector<std::string>{"FormCreate:About", "FormActivate:About",
                                               "BehaviorLabel1Stop:BehaviorLabel1",
                                               "TeButton1Click:TeButton1", "FormClose:About"}));
}

}  // namespace
}  // namespace tolsy
