// The engine's own window menu: its entries for each set of border icons and window state, and
// entries drawn from the built-in theme's pop-up menu.
#include "skin/forms/window_menu.h"

#include <gtest/gtest.h>

#include <limits>

#include "picture/fake_text_renderer.h"
#include "skin/skin_fixture.h"
#include "skin/themes/skin_file.h"

namespace tolsy {
namespace {

using I = TTeBorderIcon;
using S = TTeWindowState;

std::string captions(const std::vector<WindowMenuEntry>& entries) {
    std::string out;
    for (const auto& e : entries)
        out += e.caption + (e.shortcut.empty() ? "" : "\t" + e.shortcut) + "|";
    return out;
}

TEST(WindowMenu, EntriesFollowIconsAndState) {
    const TTeBorderIcons main_window =
        border_icon(I::kbiClose) | border_icon(I::kbiSystemMenu) | border_icon(I::kbiMinimize);
    struct Case {
        TTeBorderIcons icons;
        S state;
        const char* entries;
    };
    const Case cases[] = {
        {kDefaultBorderIcons, S::kwsNormal,
         "Mi&nimize|Ma&ximize|Ro&llup|Minimize to &Tray|-|&Close\tAlt+F4|"},
        {kDefaultBorderIcons, S::kwsMaximized,
         "&Restore|Mi&nimize|Ro&llup|Minimize to &Tray|-|&Close\tAlt+F4|"},
        {kDefaultBorderIcons, S::kwsRollup,
         "&Restore|Mi&nimize|Ma&ximize|Minimize to &Tray|-|&Close\tAlt+F4|"},
        {kDefaultBorderIcons, S::kwsMinimized, "&Restore|-|&Close\tAlt+F4|"},
        {main_window, S::kwsNormal, "Mi&nimize|-|&Close\tAlt+F4|"},
        {border_icon(I::kbiClose), S::kwsNormal, "&Close\tAlt+F4|"},
        {border_icon(I::kbiMaximize), S::kwsNormal, "Ma&ximize|"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(captions(engine_window_menu(c.icons, c.state)), c.entries);
}

TEST(WindowMenu, EntriesAreDrawnFromThePopupMenuObject) {
    auto theme = test::load_built_theme();
    ASSERT_NE(theme, nullptr);
    test::FakeTextRenderer text;
    const WindowMenuEntry close{"&Close", "Alt+F4", 0};
    const int width = window_menu_entry_width(*theme, close, text).value_or(0);
    const int height = window_menu_entry_height(*theme, close, text).value_or(0);
    ASSERT_GT(width, 22);
    ASSERT_GT(height, 16);
    auto draw = [&](const WindowMenuEntry& entry, bool hot) {
        Image picture(width, height, 0xFF000000);
        Canvas canvas(picture);
        EXPECT_TRUE(paint_window_menu_entry(*theme, entry, hot, canvas, text));
        return picture;
    };
    const Image normal = draw(close, false), hot = draw(close, true);
    const Image separator = draw({"-", {}, -1}, false);
    // The hot look differs beside the text; the image sits left of the text margin.
    EXPECT_NE(normal.at(width - 2, 1), hot.at(width - 2, 1));
    EXPECT_NE(normal.at(10, height / 2), separator.at(10, height / 2));
    EXPECT_EQ(normal.at(width - 2, 1), separator.at(width - 2, 1));

    // A theme without a pop-up menu draws nothing, and the platform's menu takes over.
    DefaultThemeKind kind;
    const auto base = kind.create();
    Image untouched(width, height, 0xFF010203);
    Canvas canvas(untouched);
    EXPECT_FALSE(paint_window_menu_entry(*base, close, false, canvas, text));
    EXPECT_FALSE(window_menu_entry_height(*base, close, text));
    EXPECT_EQ(untouched, Image(width, height, 0xFF010203));
}

// The pop-up menu's margins are stored numbers: of any size an entry's width is neither
// negative nor overflowing, and the entry is still drawn.
TEST(WindowMenu, StoredMarginsOfAnySize) {
    constexpr int kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
    auto theme = test::load_built_theme();
    ASSERT_NE(theme, nullptr);
    TSeSkinObject* item = theme->theme_part("default", kSlotPopupMenu, "Item");
    TSeSkinObject* frame = theme->theme_part("default", kSlotPopupMenu, "Frame");
    ASSERT_NE(item, nullptr);
    ASSERT_NE(frame, nullptr);
    test::FakeTextRenderer text;
    const WindowMenuEntry close{"&Close", "Alt+F4", 0};
    for (const auto& [margin, width] : {std::pair{kMax, kMax}, {kMin, 0}}) {
        item->text_margin_left = margin;
        frame->margin_left = frame->margin_right = frame->margin_top = frame->margin_bottom =
            margin;
        EXPECT_EQ(window_menu_entry_width(*theme, close, text), width) << margin;
        Image picture(40, 20, 0);
        Canvas canvas(picture);
        EXPECT_TRUE(paint_window_menu_entry(*theme, close, true, canvas, text)) << margin;
    }
}

}  // namespace
}  // namespace tolsy
