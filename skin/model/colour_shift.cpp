#include "skin/model/colour_shift.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tolsy {
namespace {

std::uint8_t clamp_channel(long long value) {
    return static_cast<std::uint8_t>(std::clamp<long long>(value, 0, 255));
}

std::uint8_t to_channel(double fraction) {
    return clamp_channel(std::llround(fraction * 255.0));
}

struct Hsl {
    double h = 0, s = 0, l = 0;  // each 0..1
};

Hsl to_hsl(Rgb c) {
    const double r = c.r / 255.0, g = c.g / 255.0, b = c.b / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    Hsl out;
    out.l = (max + min) / 2;
    if (max == min) return out;
    const double d = max - min;
    out.s = out.l > 0.5 ? d / (2 - max - min) : d / (max + min);
    if (max == r)
        out.h = (g - b) / d + (g < b ? 6 : 0);
    else if (max == g)
        out.h = (b - r) / d + 2;
    else
        out.h = (r - g) / d + 4;
    out.h /= 6;
    return out;
}

double hue_to_channel(double p, double q, double t) {
    if (t < 0) t += 1;
    if (t > 1) t -= 1;
    if (t < 1.0 / 6) return p + (q - p) * 6 * t;
    if (t < 1.0 / 2) return q;
    if (t < 2.0 / 3) return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

Rgb from_hsl(const Hsl& c) {
    if (c.s == 0) {
        const std::uint8_t v = to_channel(c.l);
        return {v, v, v};
    }
    const double q = c.l < 0.5 ? c.l * (1 + c.s) : c.l + c.s - c.l * c.s;
    const double p = 2 * c.l - q;
    return {to_channel(hue_to_channel(p, q, c.h + 1.0 / 3)), to_channel(hue_to_channel(p, q, c.h)),
            to_channel(hue_to_channel(p, q, c.h - 1.0 / 3))};
}

Rgb pixel_rgb(std::uint32_t p) {
    return {Pixel::red(p), Pixel::green(p), Pixel::blue(p)};
}

template <typename Shift>
void shift_pixels(Image& image, Shift shift) {
    for (int y = 0; y < image.height(); ++y) {
        std::uint32_t* row = image.row(y);
        for (int x = 0; x < image.width(); ++x) {
            const std::uint8_t alpha = Pixel::alpha(row[x]);
            if (alpha == 0) continue;
            const Rgb c = shift(pixel_rgb(row[x]));
            row[x] = Pixel::pack(c.r, c.g, c.b, alpha);
        }
    }
}

Rgb color_rgb(ColorValue c) {
    return {static_cast<std::uint8_t>(c & 0xFF), static_cast<std::uint8_t>((c >> 8) & 0xFF),
            static_cast<std::uint8_t>((c >> 16) & 0xFF)};
}

bool shiftable(ColorValue c) {
    return c != clNone && c != clDefault;
}

}  // namespace

Rgb shift_brightness(Rgb c, int delta) {
    return {clamp_channel(c.r + static_cast<long long>(delta)),
            clamp_channel(c.g + static_cast<long long>(delta)),
            clamp_channel(c.b + static_cast<long long>(delta))};
}

Rgb shift_hue(Rgb color, int delta) {
    Hsl hsl = to_hsl(color);
    long long h = std::llround(hsl.h * 255.0) + delta;
    if (h >= 256) h -= 255;
    if (h < 0) h += 255;
    hsl.h = static_cast<double>(h) / 255.0;
    return from_hsl(hsl);
}

void shift_image_brightness(Image& image, int delta) {
    shift_pixels(image, [delta](Rgb c) { return shift_brightness(c, delta); });
}

void shift_image_hue(Image& image, int delta) {
    shift_pixels(image, [delta](Rgb c) { return shift_hue(c, delta); });
}

ColorValue shift_color_brightness(ColorValue color, int delta) {
    if (!shiftable(color)) return color;
    const Rgb c = shift_brightness(color_rgb(resolve_color(color)), delta);
    return rgb_color(c.r, c.g, c.b);
}

ColorValue shift_color_hue(ColorValue color, int delta) {
    if (!shiftable(color)) return color;
    const Rgb c = shift_hue(color_rgb(resolve_color(color)), delta);
    return rgb_color(c.r, c.g, c.b);
}

}  // namespace tolsy
