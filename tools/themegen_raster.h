#pragma once
// Small raster helpers of themegen: flat fills, gradients, rounded boxes and pixel art over a
// picture whose background is the skin's key colour.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "picture/geometry.h"
#include "picture/image.h"

namespace themegen {

using tolsy::Image;
using tolsy::Pixel;
using tolsy::Rect;

inline constexpr std::uint32_t kKey = 0x007F007F;

struct Rgb {
    int r = 0, g = 0, b = 0;
};

inline std::uint32_t pixel(Rgb c, int alpha = 255) {
    auto clamp = [](int v) { return static_cast<std::uint8_t>(std::clamp(v, 0, 255)); };
    return Pixel::pack(clamp(c.r), clamp(c.g), clamp(c.b), clamp(alpha));
}

inline Rgb mix(Rgb a, Rgb b, double t) {
    auto m = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

inline Rgb lighten(Rgb c, int amount) {
    return {c.r + amount, c.g + amount, c.b + amount};
}

// A colour per fraction 0..1 of a span, for gradients.
struct Ramp {
    Rgb from;
    Rgb to;
    Rgb at(int i, int n) const { return n <= 1 ? from : mix(from, to, double(i) / (n - 1)); }
};

class Painter {
  public:
    explicit Painter(Image& image) : image_(image) {}

    void set(int x, int y, Rgb c, int alpha = 255) {
        if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height())
            image_.at(x, y) = pixel(c, alpha);
    }
    void key(int x, int y) {
        if (x >= 0 && y >= 0 && x < image_.width() && y < image_.height()) image_.at(x, y) = kKey;
    }
    void fill(const Rect& r, Rgb c) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) set(x, y, c);
    }
    void vgradient(const Rect& r, Ramp ramp) {
        for (int y = r.top; y < r.bottom; ++y)
            fill({r.left, y, r.right, y + 1}, ramp.at(y - r.top, r.height()));
    }
    void hgradient(const Rect& r, Ramp ramp) {
        for (int x = r.left; x < r.right; ++x)
            fill({x, r.top, x + 1, r.bottom}, ramp.at(x - r.left, r.width()));
    }
    void frame(const Rect& r, Rgb c) {
        fill({r.left, r.top, r.right, r.top + 1}, c);
        fill({r.left, r.bottom - 1, r.right, r.bottom}, c);
        fill({r.left, r.top, r.left + 1, r.bottom}, c);
        fill({r.right - 1, r.top, r.right, r.bottom}, c);
    }
    // A box with a one-pixel outline, a vertical gradient inside and its corners cut to the
    // key colour (radius 0, 1 or 2).
    void rounded_box(const Rect& r, Rgb outline, Ramp inside, int radius) {
        vgradient({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, inside);
        frame(r, outline);
        for (const auto& [cx, cy, dx, dy] : corners(r)) {
            if (radius >= 1) key(cx, cy);
            if (radius >= 2) {
                key(cx + dx, cy);
                key(cx, cy + dy);
                set(cx + dx, cy + dy, outline);
            }
        }
    }
    // Rows of characters: '.' leaves the pixel, ' ' keys it, other characters pick a colour.
    void art(int x, int y, std::initializer_list<std::string_view> rows,
             std::initializer_list<std::pair<char, Rgb>> palette) {
        int row = 0;
        for (std::string_view line : rows) {
            for (int col = 0; col < static_cast<int>(line.size()); ++col) {
                const char ch = line[col];
                if (ch == ' ') key(x + col, y + row);
                for (const auto& [name, colour] : palette)
                    if (name == ch) set(x + col, y + row, colour);
            }
            ++row;
        }
    }

  private:
    struct Corner {
        int x, y, dx, dy;
    };
    static std::array<Corner, 4> corners(const Rect& r) {
        return {{{r.left, r.top, 1, 1},
                 {r.right - 1, r.top, -1, 1},
                 {r.left, r.bottom - 1, 1, -1},
                 {r.right - 1, r.bottom - 1, -1, -1}}};
    }

    Image& image_;
};

}  // namespace themegen
