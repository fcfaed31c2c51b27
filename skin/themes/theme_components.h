#pragma once
// The theme components of a window description (its theme lists and theme engines), read on
// their own for the window that carries them. When reading finishes each engine selects its
// theme, so the main window's stored theme is current once they are read.
#include <cstdint>
#include <memory>
#include <span>

#include "toolkit/components/component.h"
#include "toolkit/components/stream_value.h"

namespace tolsy {

// Owns the theme components read from one description, under the description's name.
class ThemeComponents : public Component {
    TOLSY_PERSISTENT(ThemeComponents)
    ThemeComponents() : Component(nullptr) {}
    ~ThemeComponents() override { destroy_components(); }
};

// The description's direct children of the theme list and engine classes, read together so
// that the engines' references to their lists resolve; the other children are left alone.
std::unique_ptr<ThemeComponents> read_theme_components(const ObjectNode& description);
std::unique_ptr<ThemeComponents> read_theme_components(std::span<const std::uint8_t> description);

}  // namespace tolsy
