#pragma once
// The container a stored theme travels in (the ThemeStream property of a theme list item):
// a kind byte, then nothing (0), a bare theme (1), or a name and a 64-bit (2) or 32-bit (3) size
// followed by the theme bytes. Only kinds 3 and 0 are written.
#include <memory>
#include <string>

#include "skin/bytes/skin_bytes.h"
#include "skin/themes/theme.h"

namespace tolsy {

class TteThemeManager;

enum class ContainerKind : std::uint8_t { kEmpty = 0, kBareTheme = 1, kNamed64 = 2, kNamed32 = 3 };

inline constexpr std::string_view kEmptyThemeStore = "(empty)";

// What a container fills in: the display name, the stored theme bytes and, for kind 1 only,
// the theme decoded while reading.
struct ThemeStreamData {
    std::string theme_store{kEmptyThemeStore};
    Bytes buffer;
    std::unique_ptr<TteTheme> decoded;
};

// Reads one container; the data must end with it. Kind 1 is decoded through the manager and
// re-stored in the buffer by kinds that can save. Throws SkinError for malformed containers.
void read_theme_container(ByteReader& in, ThemeStreamData& item, const TteThemeManager& manager);
void write_theme_container(ByteWriter& out, const ThemeStreamData& item);

}  // namespace tolsy
