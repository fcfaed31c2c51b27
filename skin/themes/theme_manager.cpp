#include "skin/themes/theme_manager.h"

#include <algorithm>
#include <filesystem>

#include "skin/bytes/text_util.h"
#include "skin/themes/theme_files.h"

namespace tolsy {
TteThemeManager::~TteThemeManager() = default;

void TteThemeManager::register_kind(std::unique_ptr<ThemeKind> kind) {
    kinds_.push_back(std::move(kind));
}

const ThemeKind* TteThemeManager::kind(int index) const {
    if (index < 0 || index >= kind_count()) return nullptr;
    return kinds_[static_cast<std::size_t>(index)].get();
}

std::unique_ptr<TteTheme> TteThemeManager::load_theme(ByteReader& stream) const {
    const std::size_t start = stream.position();
    const ThemeKind* found = nullptr;
    for (const auto& kind : kinds_) {
        const bool yes = kind->recognises(stream);
        stream.seek(start);
        if (yes) {
            found = kind.get();
            break;
        }
    }
    if (found == nullptr) return nullptr;
    auto theme = found->create();
    if (!theme->load_from_stream(stream)) return nullptr;
    return theme;
}

std::unique_ptr<TteTheme> TteThemeManager::load_theme_file(const std::string& file_name) const {
    if (file_name.empty()) return nullptr;
    const std::string path = locate_theme_file(file_name);
    if (path.empty()) return nullptr;
    // An extension-less name would match every filter text; it goes by content instead.
    const std::string extension = lower_ascii(std::filesystem::path(path).extension().string());
    for (const auto& kind : kinds_) {
        const TteThemeConfig config = kind->config();
        if (extension.empty() || !config.loads_files) continue;
        if (lower_ascii(config.file_filter).find(extension) == std::string::npos) continue;
        auto theme = kind->create();
        if (!theme->load_from_file(path)) return nullptr;
        return theme;
    }
    Bytes data;
    if (!theme_files().read(path, data)) return nullptr;
    ByteReader stream(data);
    return load_theme(stream);
}

void TteThemeManager::save_theme(const TteTheme& theme, ByteWriter& buffer) const {
    if (theme.kind().config().can_save) theme.save_to_stream(buffer);
}

void TteThemeManager::set_current(std::unique_ptr<TteTheme> theme) {
    if (!theme) {
        unload_current();
        return;
    }
    notify(ThemeCode::BeforeChange);
    const ThemeCode code = current_ ? ThemeCode::ThemeReplaced : ThemeCode::ThemeLoaded;
    current_.reset();
    current_ = std::move(theme);
    notify(code);
    notify(ThemeCode::AfterChange);
}

void TteThemeManager::unload_current() {
    notify(ThemeCode::BeforeChange);
    current_.reset();
    notify(ThemeCode::ThemeUnloaded);
    notify(ThemeCode::AfterChange);
}

void TteThemeManager::register_client(ThemeClient* client) {
    if (client == nullptr || std::find(clients_.begin(), clients_.end(), client) != clients_.end())
        return;
    clients_.push_back(client);
    if (current_) client->theme_notify(ThemeCode::ThemeLoaded, 0);
}

void TteThemeManager::unregister_client(ThemeClient* client) {
    clients_.erase(std::remove(clients_.begin(), clients_.end(), client), clients_.end());
}

void TteThemeManager::notify(ThemeCode code, int param) {
    // A client may unregister (or be destroyed) while handling a notification: visit a snapshot
    // and skip those no longer registered.
    const std::vector<ThemeClient*> snapshot = clients_;
    for (ThemeClient* client : snapshot) {
        if (std::find(clients_.begin(), clients_.end(), client) == clients_.end()) continue;
        if (code == ThemeCode::ColorsChanged && !client->wants_color_changes()) continue;
        client->theme_notify(code, param);
    }
}

}  // namespace tolsy
