// The main window's description beyond its controls: the window's own properties, the stored
// theme's list and engine read into the theme components, and the skinned frame, window menu
// and help router the shell sets up.
#include <gtest/gtest.h>

#include "built_form1.h"
#include "skin/skin_fixture.h"
#include "skin/themes/theme_components.h"
#include "skin/themes/theme_engine.h"
#include "toolkit/components/window_description.h"

namespace tolsy {
namespace {

using test::stored;

class Form1Components : public ::testing::Test {
  protected:
    const ObjectNode& object(std::string_view name) {
        const ObjectNode* found = test::find_object(built.node, name);
        if (!found) throw std::runtime_error("no object " + std::string(name));
        return *found;
    }
    test::BuiltForm1 built;
};

TEST_F(Form1Components, WindowProperties) {
    const ObjectNode& form = built.node;
    EXPECT_EQ(form.name, "Form1");
    EXPECT_EQ(form.class_name, "TForm1");
    EXPECT_EQ(stored(form, "Caption"), "Framewright");
    EXPECT_EQ(stored(form, "ClientWidth"), "389");
    EXPECT_EQ(stored(form, "ClientHeight"), "241");
    EXPECT_EQ(stored(form, "Color"), "clBtnFace");
    EXPECT_EQ(stored(form, "BorderIcons"), "[biSystemMenu, biMinimize]");
    EXPECT_EQ(stored(form, "BorderStyle"), "bsSingle");
    EXPECT_EQ(stored(form, "FormStyle"), "fsStayOnTop");
    EXPECT_EQ(stored(form, "Position"), "poScreenCenter");
    EXPECT_EQ(stored(form, "OnCreate"), "FormCreate");
    EXPECT_EQ(stored(form, "OnShow"), "FormShow");
    EXPECT_EQ(stored(form, "OnActivate"), "FormActivate");
    const Font& font = built.form->font;
    EXPECT_EQ(font.name, "MS Sans Serif");
    EXPECT_EQ(font.height, -11);
    EXPECT_EQ(font.charset, kDefaultCharset);
    EXPECT_EQ(font.color, clWindowText);
}

// The main window decodes its description once and each reader takes its part out of the tree,
// one after another: each part must be exactly what the reader's part leaves of the whole, and
// the tree must lose exactly the children taken.
TEST_F(Form1Components, EachPartOfTheDecodedDescriptionIsWhatThePartLeavesOfTheWhole) {
    const DescriptionPart keep_frame = [](ObjectNode& description) {
        description.properties.clear();
        std::erase_if(description.children,
                      [](const ObjectNode& child) { return child.class_name != "TTeForm"; });
    };
    ObjectNode whole = built.node;
    std::size_t taken = 0;
    for (const DescriptionPart& part : {DescriptionPart(keep_theme_components),
                                        DescriptionPart(keep_form1_controls), keep_frame}) {
        ObjectNode expected = built.node;
        part(expected);
        EXPECT_FALSE(expected.children.empty());
        EXPECT_TRUE(description_part(whole, part) == expected);
        taken += expected.children.size();
        EXPECT_EQ(whole.children.size(), built.node.children.size() - taken);
        EXPECT_TRUE(whole.properties == built.node.properties);
    }
}

TEST_F(Form1Components, ThemeListCarriesTheStoredThemeForTheEngine) {
    {
        const auto themes = std::make_unique<ThemeComponents>();
        read_description(*themes, built.bytes, {}, keep_theme_components);
        auto* list = dynamic_cast<TTeThemeList*>(themes->find_component("TeThemeList1"));
        auto* engine = dynamic_cast<TTeThemeEngine*>(themes->find_component("TeThemeEngine1"));
        ASSERT_NE(list, nullptr);
        ASSERT_NE(engine, nullptr);
        ASSERT_EQ(list->themes.size(), 1u);
        const TTeThemeStream& item = list->themes.at(0);
        EXPECT_EQ(item.theme_store(), "Tolsy metal");
        EXPECT_EQ(item.tag, 0);
        const std::string theme = test::read_binary(test::built_theme_path());
        EXPECT_EQ(std::string(item.buffer().begin(), item.buffer().end()), theme);

        EXPECT_EQ(engine->theme_list(), list);
        EXPECT_EQ(engine->theme_index(), 0);
        EXPECT_EQ(engine->delta_hue(), 0);
        EXPECT_EQ(engine->delta_brightness(), 0);
        EXPECT_EQ(engine->theme_building(), "No theme");
        EXPECT_EQ(engine->version(), "7.04");
        EXPECT_NE(theme_manager().current(), nullptr);

        // The engine lets go of its list, and of the list's theme, when the list goes.
        delete list;
        EXPECT_EQ(engine->theme_list(), nullptr);
        EXPECT_EQ(engine->theme_index(), -1);
        EXPECT_EQ(theme_manager().current(), nullptr);
    }
    theme_manager().unload_current();
}

TEST_F(Form1Components, SkinnedFrameWindowMenuAndHelp) {
    const ObjectNode& frame = object("TeForm1");
    EXPECT_EQ(frame.class_name, "TTeForm");
    EXPECT_EQ(stored(frame, "BorderIcons"), "[kbiClose, kbiSystemMenu, kbiMinimize]");
    EXPECT_EQ(stored(frame, "BorderStyle"), "kbsDialog");
    EXPECT_EQ(stored(frame, "Caption"), "Framewright");
    EXPECT_EQ(stored(frame, "Dragging.Sizeable"), "False");
    EXPECT_EQ(stored(frame, "Gravitation.OwnedForm"), "False");
    EXPECT_EQ(stored(frame, "SystemMenuLink"), "SysPopupMenu1");
    EXPECT_EQ(stored(frame, "SystemMenuLinkMerge"), "False");
    EXPECT_EQ(stored(frame, "SystemMenuLinkMergeAtFirst"), "False");
    EXPECT_EQ(stored(frame, "Performance"), "ksfpNoBuffer");
    EXPECT_EQ(stored(frame, "StayOnTop"), "True");
    EXPECT_EQ(stored(frame, "ThemeObject"), "default");

    const ObjectNode& menu = object("SysPopupMenu1");
    EXPECT_EQ(menu.class_name, "TSysPopupMenu");
    const char* items[][3] = {{"N1", "-", ""},
                              {"About1", "About...", "CustomItem1Click"},
                              {"Help1", "Help...", "Help1Click"},
                              {"Close1", "Close", "Close1Click"}};
    ASSERT_EQ(menu.children.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        const ObjectNode& item = menu.children[i];
        EXPECT_EQ(item.class_name, "TMenuItem");
        EXPECT_EQ(item.name, items[i][0]);
        EXPECT_EQ(stored(item, "Caption"), items[i][1]);
        EXPECT_EQ(stored(item, "OnClick"), items[i][2]);
    }

    const ObjectNode& help = object("HelpRouter1");
    EXPECT_EQ(help.class_name, "THelpRouter");
    EXPECT_EQ(stored(help, "HelpType"), "htHTMLhelp");
    EXPECT_EQ(stored(help, "ShowType"), "");  // the default, stDefault
    EXPECT_EQ(stored(help, "Helpfile"), "tolsy.chm");
    EXPECT_EQ(stored(help, "CHMPopupTopics"), "CSHelp.txt");
}

}  // namespace
}  // namespace tolsy
