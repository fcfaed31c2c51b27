#include "skin/themes/theme_engine.h"

#include "skin/model/skin_object_io.h"
#include "toolkit/components/class_builder.h"

namespace tolsy {

const ClassInfo& TTeThemeEngine::static_class_info() {
    using T = TTeThemeEngine;
    static const ClassInfo info = declare_class<T, Component>("TTeThemeEngine", [](auto& c) {
        c.integer("DeltaHue", getset(&T::delta_hue, &T::set_delta_hue), 0);
        c.integer("DeltaBrightness", getset(&T::delta_brightness, &T::set_delta_brightness), 0);
        c.string("ThemeFile", getset(&T::theme_file, &T::set_theme_file));
        c.reference("ThemeList", &T::theme_list_);
        c.integer("ThemeIndex", getset(&T::theme_index, &T::set_theme_index), -1);
        c.string("ThemeBuilding", getset(&T::theme_building, &T::set_theme_building),
                 std::string(kNoTheme));
        c.string("Version", getset(&T::version, &T::set_version), std::string(kThemeListVersion));
        c.event("OnThemeChanged", &T::on_theme_changed);
    });
    return info;
}

TTeThemeEngine::TTeThemeEngine(Component* owner) : TTeThemeEngine(owner, theme_manager()) {}

TTeThemeEngine::TTeThemeEngine(Component* owner, TteThemeManager& manager)
    : Component(owner), manager_(manager) {
    manager_.register_client(this);
}

TTeThemeEngine::~TTeThemeEngine() {
    manager_.unregister_client(this);
}

void TTeThemeEngine::make_current(std::unique_ptr<TteTheme> theme) {
    manager_.set_current(std::move(theme));
    apply_deltas();
}

void TTeThemeEngine::apply_deltas() {
    TteTheme* theme = manager_.current();
    if (theme == nullptr) return;
    if (delta_hue_ != 0) {
        theme->set_deltas(delta_hue_, theme->delta_brightness());
        manager_.notify(ThemeCode::ColorsChanged, kColorsFromDeltas);
    }
    if (delta_brightness_ != 0) {
        theme->set_deltas(theme->delta_hue(), delta_brightness_);
        manager_.notify(ThemeCode::ColorsChanged, kColorsFromDeltas);
    }
}

void TTeThemeEngine::set_delta_hue(int value) {
    if (value == delta_hue_) return;
    delta_hue_ = value;
    if (TteTheme* theme = manager_.current()) {
        theme->set_deltas(delta_hue_, delta_brightness_);
        manager_.notify(ThemeCode::ColorsChanged, kColorsFromDeltas);
    }
}

void TTeThemeEngine::set_delta_brightness(int value) {
    if (value == delta_brightness_) return;
    delta_brightness_ = value;
    if (TteTheme* theme = manager_.current()) {
        theme->set_deltas(delta_hue_, delta_brightness_);
        manager_.notify(ThemeCode::ColorsChanged, kColorsFromDeltas);
    }
}

void TTeThemeEngine::set_theme_index(int index) {
    theme_index_ = index;
    if (theme_list_ != nullptr && !theme_list_->themes.empty() && index >= 0) {
        const int last = static_cast<int>(theme_list_->themes.size()) - 1;
        if (theme_index_ > last) theme_index_ = last;
        const Bytes& stored =
            theme_list_->themes.at(static_cast<std::size_t>(theme_index_)).buffer();
        if (stored.empty()) return;
        ByteReader stream(stored);
        auto theme = manager_.load_theme(stream);
        if (!theme) return;
        make_current(std::move(theme));
        theme_file_.clear();
        theme_building_ = std::string(kNoTheme);
    } else if (theme_file_.empty()) {
        manager_.unload_current();
    }
}

void TTeThemeEngine::set_theme_file(std::string name) {
    theme_file_ = std::move(name);
    auto theme = manager_.load_theme_file(theme_file_);
    if (theme) {
        make_current(std::move(theme));
        theme_index_ = -1;
        theme_building_ = std::string(kNoTheme);
    } else if (theme_index_ == -1) {
        manager_.unload_current();
    }
}

void TTeThemeEngine::set_theme_list(TTeThemeList* list) {
    if (list == theme_list_) return;
    if (theme_list_ != nullptr) remove_free_notification(*theme_list_);
    theme_list_ = list;
    if (theme_list_ != nullptr)
        free_notification(*theme_list_);
    else
        theme_index_ = -1;
}

void TTeThemeEngine::set_theme_building(std::string kind_name) {
    theme_building_ = std::move(kind_name);
    if (theme_building_ == kNoTheme) return;
    const ThemeKind* found = nullptr;
    for (int i = 0; i < manager_.kind_count() && found == nullptr; ++i) {
        const ThemeKind* kind = manager_.kind(i);
        if (kind->config().built_in && same_text(kind->kind_name(), theme_building_)) found = kind;
    }
    if (found == nullptr) {
        theme_building_ = std::string(kNoTheme);
        return;
    }
    make_current(found->create());
    theme_file_.clear();
    theme_index_ = -1;
    theme_building_ = std::string(found->kind_name());
}

void TTeThemeEngine::loaded() {
    if (theme_list_ != nullptr && theme_index_ >= 0) set_theme_index(theme_index_);
}

void TTeThemeEngine::notification(Component& component, Operation operation) {
    const bool list_removed = operation == Operation::kRemove && &component == theme_list_;
    Component::notification(component, operation);
    if (!list_removed) return;
    theme_list_ = nullptr;
    manager_.unload_current();
    theme_index_ = -1;
}

void TTeThemeEngine::follow_new_theme() {
    const TteTheme* theme = manager_.current();
    if (theme == nullptr) return;
    if (theme->kind().config().built_in) {
        theme_building_ = std::string(theme->kind().kind_name());
        theme_index_ = -1;
        theme_file_.clear();
        return;
    }
    theme_building_ = std::string(kNoTheme);
    if (!theme_file_.empty() || theme->file_name().empty()) {
        if (theme_list_ == nullptr) return;
        for (std::size_t i = 0; i < theme_list_->themes.size(); ++i) {
            if (theme_list_->themes.at(i).theme_store() == theme->theme_name()) {
                theme_index_ = static_cast<int>(i);
                theme_file_.clear();
                return;
            }
        }
    } else {
        theme_file_ = theme->file_name();
        theme_index_ = -1;
    }
}

void TTeThemeEngine::theme_notify(ThemeCode code, int) {
    if (code == ThemeCode::ThemeReplaced || code == ThemeCode::ThemeLoaded) {
        if (!loading()) follow_new_theme();
    } else if (code == ThemeCode::ThemeUnloaded) {
        if (!loading()) {
            theme_file_.clear();
            theme_building_ = std::string(kNoTheme);
            theme_index_ = -1;
        }
    } else {
        return;
    }
    on_theme_changed(*this);
}

void register_theme_classes() {
    register_class<TTeThemeList>();
    register_class<TTeThemeStream>();
    register_class<TTeThemeEngine>();
    register_skin_object_classes();
}

}  // namespace tolsy
