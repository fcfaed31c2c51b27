#include "skin/model/system_colours.h"

#include <array>

namespace tolsy {
namespace {

// A stock desktop's colours, written 0xRRGGBB for reading and swapped to 0x00BBGGRR below.
constexpr std::array<std::uint32_t, 31> kStockRgb = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0,
};

const DefaultSystemColors kDefaults;
const SystemColorSource* g_source = &kDefaults;

}  // namespace

ColorValue DefaultSystemColors::value(int index) const {
    if (index < 0 || index >= static_cast<int>(kStockRgb.size())) return 0;
    const std::uint32_t rgb = kStockRgb[static_cast<std::size_t>(index)];
    return rgb_color((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

const SystemColorSource& system_colors() {
    return *g_source;
}

void set_system_colors(const SystemColorSource* source) {
    g_source = source != nullptr ? source : &kDefaults;
}

ColorValue resolve_color(ColorValue color) {
    if (!is_system_color(color)) return color;
    return system_colors().value(static_cast<int>(color & 0xFF));
}

}  // namespace tolsy
