// The main window's description as the build makes it: TeThemeList1's one item carries the
// built-in theme, and reading the list and the engine makes "Tolsy metal" the current theme.
#include <gtest/gtest.h>

#include "skin/skin_fixture.h"
#include "skin/themes/theme_components.h"
#include "skin/themes/theme_engine.h"
#include "skin/themes/theme_list.h"
#include "toolkit/components/binary_stream.h"

namespace tolsy {
namespace {

std::string main_window_bytes() {
    return test::read_binary(std::string(TOLSY_BINARY_DIR) + "/generated/forms/TFORM1.bin");
}

ObjectNode main_window_description() {
    return parse_binary_stream(as_bytes(main_window_bytes()));
}

const ObjectNode* child_named(const ObjectNode& node, std::string_view name) {
    for (const ObjectNode& c : node.children)
        if (c.name == name) return &c;
    return nullptr;
}

TEST(MainWindowTheme, TheListItemCarriesTheStoredThemeInAKindThreeContainer) {
    const ObjectNode form = main_window_description();
    const ObjectNode* list = child_named(form, "TeThemeList1");
    ASSERT_NE(list, nullptr);
    const Property* themes = nullptr;
    for (const Property& p : list->properties)
        if (p.name == "Themes") themes = &p;
    ASSERT_NE(themes, nullptr);
    ASSERT_EQ(themes->value.items().size(), 1u);
    std::string stream;
    for (const Property& p : themes->value.items()[0].properties)
        if (p.name == "ThemeStream") stream = p.value.bytes;
    const std::string stored = test::read_binary(test::built_theme_path());
    const std::string name = "Tolsy metal";
    ASSERT_EQ(stream.size(), 1 + 4 + name.size() + 4 + stored.size());
    EXPECT_EQ(stream[0], '\x03');
    EXPECT_EQ(stream.substr(5, name.size()), name);
    EXPECT_EQ(stream.substr(9 + name.size()), stored);
}

TEST(MainWindowTheme, ReadingTheListAndTheEngineMakesTolsyMetalCurrent) {
    const std::string form = main_window_bytes();
    {
        const auto themes = std::make_unique<ThemeComponents>();
        read_description(*themes, as_bytes(form), {}, keep_theme_components);
        // Only the list and the engine: the window's controls are read elsewhere.
        EXPECT_EQ(themes->child_components().size(), 2u);
        auto* engine = dynamic_cast<TTeThemeEngine*>(themes->find_component("TeThemeEngine1"));
        ASSERT_NE(engine, nullptr);
        EXPECT_NE(dynamic_cast<TTeThemeList*>(themes->find_component("TeThemeList1")), nullptr);
        EXPECT_EQ(engine->theme_index(), 0);
        EXPECT_EQ(engine->theme_building(), "No theme");
        EXPECT_TRUE(engine->theme_file().empty());
        ASSERT_NE(theme_manager().current(), nullptr);
        EXPECT_EQ(theme_manager().current()->theme_name(), "Tolsy metal");
        auto* skin = dynamic_cast<TTeSkinFile*>(theme_manager().current());
        ASSERT_NE(skin, nullptr);
        EXPECT_NE(skin->theme_object("default", kSlotButton), nullptr);
    }
    theme_manager().unload_current();
}

}  // namespace
}  // namespace tolsy
