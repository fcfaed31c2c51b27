#pragma once
// Pixel helpers of the theme tests: pictures whose every pixel differs, with red and blue
// values that never coincide, so that swapped channels and off-by-one placements show.
#include <cstdint>

#include "picture/canvas.h"
#include "picture/image.h"

namespace tolsy::test {

// A distinct opaque colour for (x, y) of a picture with the given seed.
inline std::uint32_t distinct(int x, int y, int seed = 0) {
    return Pixel::pack(static_cast<std::uint8_t>(40 + 11 * x + seed),
                       static_cast<std::uint8_t>(5 + 17 * y + seed),
                       static_cast<std::uint8_t>(200 - 3 * x - 7 * y), 255);
}

inline Image pattern(int width, int height, int seed = 0) {
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) image.at(x, y) = distinct(x, y, seed);
    }
    return image;
}

inline constexpr std::uint32_t kBackground = Pixel::pack(3, 250, 9, 255);
inline constexpr std::uint32_t kKeyPixelValue = 0x007F007F;

inline int count_pixels(const Image& image, std::uint32_t value) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) n += image.at(x, y) == value ? 1 : 0;
    }
    return n;
}

}  // namespace tolsy::test
