#include "skin/forms/window_menu.h"

#include <algorithm>

#include "skin/paint/paint.h"
#include "skin/themes/skin_file.h"
#include "skin/themes/skin_file_look.h"

namespace tolsy {

namespace {

constexpr std::string_view kRestore = "&Restore";
constexpr std::string_view kMinimize = "Mi&nimize";
constexpr std::string_view kMaximize = "Ma&ximize";
constexpr std::string_view kRollup = "Ro&llup";
constexpr std::string_view kTray = "Minimize to &Tray";
constexpr std::string_view kClose = "&Close";

constexpr int kImageSize = 15;
constexpr int kImageLeft = 2;
constexpr int kSeparatorHeight = 7;
constexpr int kShortcutGap = 24;

// The caption button whose look an image index shows.
constexpr int kImageButtons[] = {kCaptionClose,    kCaptionMinimize,
                                 kCaptionMaximize, kCaptionRestoreMaximized,
                                 kCaptionRollUp,   kCaptionTray};

struct MenuParts {
    TSeSkinObject* frame = nullptr;
    TSeSkinObject* item = nullptr;
    TSeSkinObject* separator = nullptr;
};

std::optional<MenuParts> menu_parts(TteTheme& theme) {
    auto* skin = dynamic_cast<TTeSkinFile*>(&theme);
    if (!skin) return std::nullopt;
    MenuParts parts;
    parts.frame = skin->theme_part(kDefaultThemeObject, kSlotPopupMenu, "Frame");
    parts.item = skin->theme_part(kDefaultThemeObject, kSlotPopupMenu, "Item");
    parts.separator = skin->theme_part(kDefaultThemeObject, kSlotPopupMenu, "Separator");
    if (!parts.item) return std::nullopt;
    return parts;
}

// The caption without its accelerator marks, as it is shown.
std::string shown(std::string_view caption) {
    std::string out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        out += caption[i];
    }
    return out;
}

}  // namespace

std::vector<WindowMenuEntry> engine_window_menu(TTeBorderIcons icons, TTeWindowState state) {
    using S = TTeWindowState;
    const bool normal = state == S::kwsNormal, maxed = state == S::kwsMaximized,
               rolled = state == S::kwsRollup;
    auto has = [&](TTeBorderIcon i) { return (icons & border_icon(i)) != 0; };
    std::vector<WindowMenuEntry> entries;
    if (!normal) entries.push_back({std::string(kRestore), {}, 3});
    if (has(TTeBorderIcon::kbiMinimize) && (normal || maxed || rolled))
        entries.push_back({std::string(kMinimize), {}, 1});
    if (has(TTeBorderIcon::kbiMaximize) && (normal || rolled))
        entries.push_back({std::string(kMaximize), {}, 2});
    if (has(TTeBorderIcon::kbiRollup) && (normal || maxed))
        entries.push_back({std::string(kRollup), {}, 4});
    if (has(TTeBorderIcon::kbiTray) && (normal || maxed || rolled))
        entries.push_back({std::string(kTray), {}, 5});
    if (has(TTeBorderIcon::kbiClose)) {
        if (!entries.empty()) entries.push_back({"-", {}, -1});
        entries.push_back({std::string(kClose), "Alt+F4", 0});
    }
    return entries;
}

std::optional<WindowMenuAction> window_menu_action(std::string_view caption) {
    const std::pair<std::string_view, WindowMenuAction> known[] = {
        {kRestore, WindowMenuAction::kRestore},   {kMinimize, WindowMenuAction::kMinimize},
        {kMaximize, WindowMenuAction::kMaximize}, {kRollup, WindowMenuAction::kRollup},
        {kTray, WindowMenuAction::kTray},         {kClose, WindowMenuAction::kClose}};
    for (const auto& [text, action] : known)
        if (text == caption) return action;
    return std::nullopt;
}

std::optional<int> window_menu_entry_height(TteTheme& theme, const WindowMenuEntry& entry,
                                            TextRenderer& text) {
    const auto parts = menu_parts(theme);
    if (!parts) return std::nullopt;
    if (entry.caption == "-") return kSeparatorHeight;
    const Size size = text.measure("Xg", paint_font(parts->item->font));
    return std::max(kImageSize + 4, size.height + 6);
}

std::optional<int> window_menu_entry_width(TteTheme& theme, const WindowMenuEntry& entry,
                                           TextRenderer& text) {
    const auto parts = menu_parts(theme);
    if (!parts) return std::nullopt;
    const PaintFont font = paint_font(parts->item->font);
    // The item's text margin is a stored number: any int.
    int width = sat_add(
        sat_add(parts->item->text_margin_left, text.measure(shown(entry.caption), font).width), 8);
    if (!entry.shortcut.empty())
        width = sat_add(width, sat_add(kShortcutGap, text.measure(entry.shortcut, font).width));
    return std::max(width, 0);
}

bool paint_window_menu_entry(TteTheme& theme, const WindowMenuEntry& entry, bool hot,
                             Canvas& canvas, TextRenderer& text) {
    const auto parts = menu_parts(theme);
    if (!parts) return false;
    const Rect area{0, 0, canvas.image().width(), canvas.image().height()};
    // The menu's frame picture lies behind every entry, its borders outside the entry.
    if (parts->frame) {
        TSeSkinObject& frame = *parts->frame;
        // Its margins are stored numbers: any int.
        frame.set_bounds({sat_sub(0, frame.margin_left), sat_sub(0, frame.margin_top),
                          sat_add(area.width(), sat_add(frame.margin_left, frame.margin_right)),
                          sat_add(area.height(), sat_add(frame.margin_top, frame.margin_bottom))});
        set_state(frame, VisualState::kNormal);
        paint_object(frame, canvas, text, area);
    }
    if (entry.caption == "-") {
        if (parts->separator) {
            const int y = area.height() / 2;
            canvas.fill_rect({3, y, area.width() - 3, y + 1}, color_pixel(parts->separator->color));
        }
        return true;
    }
    TSeSkinObject& item = *parts->item;
    item.set_bounds({0, 0, area.width(), area.height()});
    set_state(item, hot ? VisualState::kHot : VisualState::kNormal);
    item.text = shown(entry.caption);
    item.second_text = entry.shortcut;
    paint_object(item, canvas, text, area);
    draw_object_text(item, canvas, text);
    item.text.clear();
    item.second_text.clear();
    set_state(item, VisualState::kNormal);
    if (entry.image >= 0 && entry.image < static_cast<int>(std::size(kImageButtons))) {
        CaptionButtonRecord button;
        const int top = (area.height() - kImageSize) / 2;
        button.rect = {kImageLeft, top, kImageLeft + kImageSize, top + kImageSize};
        button.kind = kImageButtons[entry.image];
        button.state = kCaptionButtonNormal;
        theme.draw_caption_button(kFrameStandard, kDefaultThemeObject, canvas, button);
    }
    return true;
}

}  // namespace tolsy
