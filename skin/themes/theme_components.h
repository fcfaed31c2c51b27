#pragma once
// The theme components of a window description (its theme lists and theme engines), read on
// their own for the window that carries them. When reading finishes each engine selects its
// theme, so the main window's stored theme is current once they are read.
#include "toolkit/components/component.h"
#include "toolkit/components/stream_value.h"
#include "toolkit/components/window_description.h"

namespace tolsy {

// Owns the theme components read from one description, under the description's name.
class ThemeComponents : public Component {
    TOLSY_PERSISTENT(ThemeComponents)
    // Registers the theme classes.
    ThemeComponents();
    ~ThemeComponents() override { destroy_components(); }
};

// The part of a description that ThemeComponents reads: the direct children of the theme list
// and engine classes, read together so that the engines' references to their lists resolve.
void keep_theme_components(ObjectNode& description);

}  // namespace tolsy
