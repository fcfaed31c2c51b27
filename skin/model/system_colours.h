#pragma once
// The platform's system colours, reached through an interface so that portable code (the skin's
// system colour table, colour shifts) gets real values on Windows and fixed ones in host tests.
#include <cstdint>

#include "toolkit/components/colors.h"

namespace tolsy {

using ColorValue = Color;

constexpr bool is_system_color(ColorValue c) {
    return (c & 0xFF000000u) == kSystemColorFlag;
}
constexpr ColorValue system_color(int index) {
    return kSystemColorFlag | static_cast<ColorValue>(index);
}
constexpr ColorValue rgb_color(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return r | (ColorValue{g} << 8) | (ColorValue{b} << 16);
}

// The platform's system colour indices used by the skin engine.
enum SystemColorIndex : int {
    kColorScrollBar = 0,
    kColorBackground = 1,
    kColorActiveCaption = 2,
    kColorInactiveCaption = 3,
    kColorMenu = 4,
    kColorWindow = 5,
    kColorWindowFrame = 6,
    kColorMenuText = 7,
    kColorWindowText = 8,
    kColorCaptionText = 9,
    kColorActiveBorder = 10,
    kColorInactiveBorder = 11,
    kColorAppWorkspace = 12,
    kColorHighlight = 13,
    kColorHighlightText = 14,
    kColorBtnFace = 15,
    kColorBtnShadow = 16,
    kColorGrayText = 17,
    kColorBtnText = 18,
    kColorInactiveCaptionText = 19,
    kColorBtnHighlight = 20,
    kColor3DDkShadow = 21,
    kColor3DLight = 22,
    kColorInfoText = 23,
    kColorInfoBk = 24,
    kColorHotLight = 26,
    kColorGradientActiveCaption = 27,
    kColorGradientInactiveCaption = 28,
    kColorMenuHilight = 29,
    kColorMenuBar = 30,
};

class SystemColorSource {
  public:
    virtual ~SystemColorSource() = default;
    // The platform's current 0x00BBGGRR value of a system colour index.
    virtual ColorValue value(int index) const = 0;
};

// Fixed values of a stock desktop, used until (and unless) the platform installs its own.
class DefaultSystemColors : public SystemColorSource {
  public:
    ColorValue value(int index) const override;
};

// The process-wide source; never null.
const SystemColorSource& system_colors();
// Installs a source (not owned; must outlive its use); nullptr restores the defaults.
void set_system_colors(const SystemColorSource* source);

// A system colour becomes the platform's current value; other values come back unchanged.
ColorValue resolve_color(ColorValue color);

}  // namespace tolsy
