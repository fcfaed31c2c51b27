#pragma once
// Hue and brightness shifts of theme colours and image pixels.
#include <cstdint>

#include "picture/image.h"
#include "skin/model/system_colours.h"

namespace tolsy {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

// Adds delta to each channel, clamped to 0..255.
Rgb shift_brightness(Rgb color, int delta);
// Moves the hue by delta 255ths of the colour circle. The hue wraps by 255, not 256, so a
// hue carried to 256 lands on 1.
Rgb shift_hue(Rgb color, int delta);

// Pixels with alpha 0 stay as they are; others get the shifted colour and keep their alpha.
void shift_image_brightness(Image& image, int delta);
void shift_image_hue(Image& image, int delta);

// Colour values: none and the default colour stay; a system colour is resolved to its current
// value first; the result is a plain 0x00BBGGRR colour.
ColorValue shift_color_brightness(ColorValue color, int delta);
ColorValue shift_color_hue(ColorValue color, int delta);

}  // namespace tolsy
