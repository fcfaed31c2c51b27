#pragma once
// The engine's own window menu: the entries the skinned caption offers for a window's border
// icons and state, how a chosen entry is recognised, and how an entry is drawn from the theme's
// pop-up menu object (background, hot highlight, text, shortcut, separator and the caption
// button image of its action).
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "picture/canvas.h"
#include "picture/text_renderer.h"
#include "skin/forms/frame_rules.h"
#include "skin/themes/theme.h"

namespace tolsy {

enum class WindowMenuAction : int { kRestore, kMinimize, kMaximize, kRollup, kTray, kClose };

struct WindowMenuEntry {
    std::string caption;   // "-": a separator
    std::string shortcut;  // its display text, or empty
    int image = -1;        // index into the caption-button images, or -1
};

// The entries, in order, for the border icons and the window state.
std::vector<WindowMenuEntry> engine_window_menu(TTeBorderIcons icons, TTeWindowState state);
// The action of a chosen entry, by its caption; none for other captions.
std::optional<WindowMenuAction> window_menu_action(std::string_view caption);

// The height of an entry, and the width its caption and shortcut need; none when the theme has
// no pop-up menu object (the platform then draws the menu).
std::optional<int> window_menu_entry_height(TteTheme& theme, const WindowMenuEntry& entry,
                                            TextRenderer& text);
std::optional<int> window_menu_entry_width(TteTheme& theme, const WindowMenuEntry& entry,
                                           TextRenderer& text);
// Draws an entry filling the canvas's picture; false when the theme has no pop-up menu object.
bool paint_window_menu_entry(TteTheme& theme, const WindowMenuEntry& entry, bool hot,
                             Canvas& canvas, TextRenderer& text);

}  // namespace tolsy
