#pragma once
// The process-wide theme manager: the registry of theme kinds, the one current theme, and the
// clients told synchronously of every change. Portable: the Win32 layer adapts clients that are
// controls to the private message kThemeMessage.
#include <memory>
#include <string>
#include <vector>

#include "skin/bytes/skin_bytes.h"
#include "skin/themes/theme.h"

namespace tolsy {

// The platform message number that carries theme notifications to controls.
inline constexpr unsigned kThemeMessage = 2048;

// The notification codes, in this order; they travel as the message's first parameter.
enum class ThemeCode : int {
    ThemeReplaced = 0,
    BeforeChange = 1,
    AfterChange = 2,
    ThemeLoaded = 3,
    ThemeUnloaded = 4,
    ColorsChanged = 5,
};

// Second parameter of ColorsChanged: the deltas were applied, or the platform changed colours.
inline constexpr int kColorsFromDeltas = 1;
inline constexpr int kColorsFromPlatform = 0;

class ThemeClient {
  public:
    virtual ~ThemeClient() = default;
    virtual void theme_notify(ThemeCode code, int param) = 0;
    // Controls that are not visible return false and miss ColorsChanged; they repaint anyway
    // when shown.
    virtual bool wants_color_changes() const { return true; }
};

class TteThemeManager {
  public:
    TteThemeManager() = default;
    ~TteThemeManager();
    TteThemeManager(const TteThemeManager&) = delete;
    TteThemeManager& operator=(const TteThemeManager&) = delete;

    void register_kind(std::unique_ptr<ThemeKind> kind);
    int kind_count() const { return static_cast<int>(kinds_.size()); }
    // None for an index out of range.
    const ThemeKind* kind(int index) const;

    // The first kind that recognises the stream decodes it; none when no kind does or the
    // kind's load fails. Errors of the data itself propagate.
    std::unique_ptr<TteTheme> load_theme(ByteReader& stream) const;
    // None for an empty name, a file that cannot be found (also beside the program) or read,
    // or data no kind loads.
    std::unique_ptr<TteTheme> load_theme_file(const std::string& file_name) const;
    void save_theme(const TteTheme& theme, ByteWriter& buffer) const;

    // The manager owns the theme from now on; a previous current theme is freed.
    void set_current(std::unique_ptr<TteTheme> theme);
    void unload_current();
    TteTheme* current() const { return current_.get(); }
    bool is_current(const TteTheme* theme) const {
        return theme != nullptr && theme == current_.get();
    }

    // A client that registers while a theme is current is sent ThemeLoaded at once.
    void register_client(ThemeClient* client);
    void unregister_client(ThemeClient* client);
    void notify(ThemeCode code, int param = 0);
    // The platform's system colours, display settings or visual style changed.
    void platform_colors_changed() { notify(ThemeCode::ColorsChanged, kColorsFromPlatform); }

  private:
    std::vector<std::unique_ptr<ThemeKind>> kinds_;
    std::unique_ptr<TteTheme> current_;
    std::vector<ThemeClient*> clients_;  // not owned
};

// The process-wide manager, its kinds registered ("Default", then the skin kind) on first use.
TteThemeManager& theme_manager();

}  // namespace tolsy
