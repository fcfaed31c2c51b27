#pragma once
// Integer points, sizes and rectangles (right and bottom exclusive), as skin objects, image
// links and canvases use them.
//
// Numbers here often come straight from stored data (margins, bounds, link rectangles), so the
// arithmetic on them saturates at the ends of int rather than overflowing: a rectangle's edges,
// size and offsets, and the helpers below, which code that meets stored numbers uses for its
// own sums.
#include <algorithm>
#include <cstdint>
#include <limits>

namespace tolsy {

constexpr int saturate_int(std::int64_t v) {
    return v < std::numeric_limits<int>::min()   ? std::numeric_limits<int>::min()
           : v > std::numeric_limits<int>::max() ? std::numeric_limits<int>::max()
                                                 : static_cast<int>(v);
}
constexpr int sat_add(int a, int b) {
    return saturate_int(std::int64_t{a} + b);
}
constexpr int sat_sub(int a, int b) {
    return saturate_int(std::int64_t{a} - b);
}
constexpr int sat_mul(int a, int b) {
    return saturate_int(std::int64_t{a} * b);
}

// Coordinates an image is ever drawn from or to lie within +-kMaxDrawCoordinate: inside it
// every size, offset and scaling product is exact. Drawing refuses rectangles beyond it.
inline constexpr int kMaxDrawCoordinate = 1 << 28;

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Size {
    int width = 0;
    int height = 0;
    bool operator==(const Size&) const = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    static constexpr Rect from_size(int x, int y, int width, int height) {
        return {x, y, sat_add(x, width), sat_add(y, height)};
    }

    constexpr int width() const { return sat_sub(right, left); }
    constexpr int height() const { return sat_sub(bottom, top); }
    constexpr bool empty() const { return right <= left || bottom <= top; }
    constexpr bool contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    constexpr Rect offset(int dx, int dy) const {
        return {sat_add(left, dx), sat_add(top, dy), sat_add(right, dx), sat_add(bottom, dy)};
    }
    // The common part; empty rectangles come back with right/bottom not beyond left/top.
    constexpr Rect intersect(const Rect& other) const {
        Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
               std::min(bottom, other.bottom)};
        if (r.right < r.left) r.right = r.left;
        if (r.bottom < r.top) r.bottom = r.top;
        return r;
    }
    // Whether every edge lies within +-kMaxDrawCoordinate.
    constexpr bool drawable() const {
        return left >= -kMaxDrawCoordinate && top >= -kMaxDrawCoordinate &&
               right <= kMaxDrawCoordinate && bottom <= kMaxDrawCoordinate;
    }
    // Whether both are non-empty and share at least one pixel.
    constexpr bool meets(const Rect& other) const { return !intersect(other).empty(); }
    bool operator==(const Rect&) const = default;
};

}  // namespace tolsy
