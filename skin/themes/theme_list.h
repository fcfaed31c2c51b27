#pragma once
// The theme list component (TTeThemeList): a collection of stored themes, each item carrying
// its theme in the container of theme_container.h as the binary property "ThemeStream".
#include <memory>
#include <string>

#include "skin/themes/theme_container.h"
#include "toolkit/components/collection.h"
#include "toolkit/components/component.h"

namespace tolsy {

inline constexpr std::string_view kThemeListVersion = "7.04";

class TTeThemeStream : public CollectionItem {
    TOLSY_PERSISTENT(TTeThemeStream)

    // The display name; only reading or re-storing theme data changes it.
    const std::string& theme_store() const { return data_.theme_store; }
    void set_theme_store(const std::string&) {}
    std::int32_t tag = 0;

    // The stored theme bytes, handed to the theme manager for decoding.
    const Bytes& buffer() const { return data_.buffer; }
    // Stores theme bytes under a name, as a theme list editor would.
    void store(std::string name, Bytes theme);
    // Set only while a legacy bare-theme container is read; released when the list has loaded.
    TteTheme* decoded_theme() const { return data_.decoded.get(); }
    void release_decoded_theme() { data_.decoded.reset(); }

    void read_container(std::span<const std::uint8_t> bytes);
    Bytes write_container() const;

  private:
    ThemeStreamData data_;
};

class TTeThemeCollection : public CollectionOf<TTeThemeStream> {
    TOLSY_PERSISTENT(TTeThemeCollection)
};

class TTeThemeList : public Component {
    TOLSY_PERSISTENT(TTeThemeList)

    explicit TTeThemeList(Component* owner = nullptr) : Component(owner) {}

    TTeThemeCollection themes;
    std::string version() const { return std::string(kThemeListVersion); }

    void loaded() override;
};

}  // namespace tolsy
