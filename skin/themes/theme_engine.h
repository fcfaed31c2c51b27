#pragma once
// The theme engine component (TTeThemeEngine): picks a stored theme from its theme list (or a
// theme file, or a built-in kind), makes it the process-wide current theme, hands it the hue
// and brightness deltas, and follows the manager's notifications.
#include <string>

#include "skin/themes/theme_list.h"
#include "skin/themes/theme_manager.h"
#include "toolkit/components/component.h"
#include "toolkit/components/event.h"

namespace tolsy {

inline constexpr std::string_view kNoTheme = "No theme";

class TTeThemeEngine : public Component, public ThemeClient {
    TOLSY_PERSISTENT(TTeThemeEngine)

    explicit TTeThemeEngine(Component* owner = nullptr);
    // For tests: an engine working with a manager of its own (not owned).
    TTeThemeEngine(Component* owner, TteThemeManager& manager);
    ~TTeThemeEngine() override;

    int delta_hue() const { return delta_hue_; }
    void set_delta_hue(int value);
    int delta_brightness() const { return delta_brightness_; }
    void set_delta_brightness(int value);
    const std::string& theme_file() const { return theme_file_; }
    void set_theme_file(std::string name);
    TTeThemeList* theme_list() const { return theme_list_; }
    void set_theme_list(TTeThemeList* list);
    int theme_index() const { return theme_index_; }
    void set_theme_index(int index);
    const std::string& theme_building() const { return theme_building_; }
    void set_theme_building(std::string kind_name);
    std::string version() const { return std::string(kThemeListVersion); }
    void set_version(const std::string&) {}

    NotifyEvent on_theme_changed;

    void loaded() override;
    void notification(Component& component, Operation operation) override;
    void theme_notify(ThemeCode code, int param) override;

  private:
    // Makes the theme current and applies the non-zero deltas, each followed by ColorsChanged.
    void make_current(std::unique_ptr<TteTheme> theme);
    void apply_deltas();
    void follow_new_theme();

    TteThemeManager& manager_;
    int delta_hue_ = 0;
    int delta_brightness_ = 0;
    std::string theme_file_;
    TTeThemeList* theme_list_ = nullptr;  // not owned
    int theme_index_ = -1;
    std::string theme_building_{kNoTheme};
};

// Registers the theme list, its items, the engine and the skin object classes for creation by
// class name (window descriptions carry the list and the engine).
void register_theme_classes();

}  // namespace tolsy
