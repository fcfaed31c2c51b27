// Start-up, as far as the theme goes: once the main window has been created from the
// description embedded in the program, "Tolsy metal" is the process-wide current theme and the
// engine's properties are as the description leaves them.
#include <gtest/gtest.h>

#include "app/form1_win.h"
#include "skin/themes/skin_file.h"
#include "skin/themes/standard_objects.h"
#include "skin/themes/theme_engine.h"

namespace tolsy {
namespace {

TEST(StartupTheme, TheMainWindowMakesTolsyMetalCurrentWhenItHasLoaded) {
    theme_manager().unload_current();
    {
        TForm1 form;
        EXPECT_EQ(form.theme_components(), nullptr);
        form.create_window();
        ASSERT_NE(form.handle(), nullptr);
        ASSERT_NE(form.theme_components(), nullptr);
        auto* engine = dynamic_cast<TTeThemeEngine*>(
            form.theme_components()->find_component("TeThemeEngine1"));
        ASSERT_NE(engine, nullptr);
        EXPECT_EQ(engine->theme_index(), 0);
        EXPECT_EQ(engine->theme_building(), "No theme");
        EXPECT_TRUE(engine->theme_file().empty());
        auto* theme = dynamic_cast<TTeSkinFile*>(theme_manager().current());
        ASSERT_NE(theme, nullptr);
        EXPECT_EQ(theme->theme_name(), "Tolsy metal");
        EXPECT_NE(theme->standard_objects().slot(kSlotForm), nullptr);
    }
    // The window's list went with it, and the engine let the theme go with its list.
    EXPECT_EQ(theme_manager().current(), nullptr);
}

}  // namespace
}  // namespace tolsy
