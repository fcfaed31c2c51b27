// Start-up, as far as the theme goes: the main window's description embedded in the program
// carries the built-in theme, and reading its theme list and engine makes "Tolsy metal" the
// process-wide current theme with the engine's properties as the description leaves them.
#include <gtest/gtest.h>

#include "skin/skin_file.h"
#include "skin/standard_objects.h"
#include "skin/theme_engine.h"
#include "toolkit/binary_stream.h"
#include "toolkit/class_builder.h"
#include "toolkit/component_stream.h"
#include "toolkit/form_resource_win.h"

namespace tolsy {
namespace {

// Stands in for TForm1 as the owner of the theme components.
class StartupHolder : public Component {
    TOLSY_PERSISTENT(StartupHolder)
    using Component::Component;
};

}  // namespace

const ClassInfo& StartupHolder::static_class_info() {
    static const ClassInfo info =
        declare_class<StartupHolder, Component>("TStartupHolder", [](auto&) {});
    return info;
}

namespace {

TEST(StartupTheme, TheMainWindowsDescriptionLoadsTolsyMetal) {
    const std::span<const std::uint8_t> bytes = form_resource(L"TFORM1");
    ASSERT_FALSE(bytes.empty());
    const ObjectNode form = parse_binary_stream(bytes);
    ObjectNode holder;
    holder.class_name = "TStartupHolder";
    holder.name = "Form1";
    for (const ObjectNode& child : form.children) {
        if (child.name == "TeThemeEngine1" || child.name == "TeThemeList1")
            holder.children.push_back(child);
    }
    ASSERT_EQ(holder.children.size(), 2u);
    register_theme_classes();
    register_class<StartupHolder>();
    {
        std::unique_ptr<Component> root = read_component(holder);
        auto* engine = dynamic_cast<TTeThemeEngine*>(root->find_component("TeThemeEngine1"));
        ASSERT_NE(engine, nullptr);
        EXPECT_EQ(engine->theme_index(), 0);
        EXPECT_EQ(engine->theme_building(), "No theme");
        EXPECT_TRUE(engine->theme_file().empty());
        auto* theme = dynamic_cast<TTeSkinFile*>(theme_manager().current());
        ASSERT_NE(theme, nullptr);
        EXPECT_EQ(theme->theme_name(), "Tolsy metal");
        EXPECT_NE(theme->standard_objects().slot(kSlotForm), nullptr);
    }
    theme_manager().unload_current();
}

}  // namespace
}  // namespace tolsy
