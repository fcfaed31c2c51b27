#pragma once
// The toolkit's font description, a nested object of controls and skin objects
// (`Font.Charset`, `Font.Color`, `Font.Height`, `Font.Name`, `Font.Style`).
#include <cstdint>
#include <string>

#include "toolkit/components/class_info.h"
#include "toolkit/components/colors.h"

namespace tolsy {

enum FontStyle : std::uint8_t {
    kFontBold = 1,
    kFontItalic = 2,
    kFontUnderline = 4,
    kFontStrikeOut = 8,
};

enum class FontPitch : std::uint8_t { kDefault, kVariable, kFixed };

extern const EnumInfo kFontStyleNames;  // fsBold, fsItalic, fsUnderline, fsStrikeOut
extern const EnumInfo kFontPitchNames;  // fpDefault, fpVariable, fpFixed

class Font : public Persistent {
    TOLSY_PERSISTENT(Font)

    std::uint8_t charset = kDefaultCharset;
    Color color = clWindowText;
    int height = -11;  // LOGFONT height: negative is the character height in pixels
    std::string name = "MS Sans Serif";
    FontPitch pitch = FontPitch::kDefault;
    std::uint8_t style = 0;  // FontStyle bits

    void assign(const Font& other);
    bool operator==(const Font& other) const;
};

}  // namespace tolsy
