#pragma once
// Integer points, sizes and rectangles (right and bottom exclusive), as skin objects, image
// links and canvases use them.
#include <algorithm>

namespace tolsy {

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
        return {x, y, x + width, y + height};
    }

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool empty() const { return right <= left || bottom <= top; }
    constexpr bool contains(int x, int y) const {
        return x >= left && x < right && y >= top && y < bottom;
    }
    constexpr Rect offset(int dx, int dy) const {
        return {left + dx, top + dy, right + dx, bottom + dy};
    }
    // The common part; empty rectangles come back with right/bottom not beyond left/top.
    constexpr Rect intersect(const Rect& other) const {
        Rect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
               std::min(bottom, other.bottom)};
        if (r.right < r.left) r.right = r.left;
        if (r.bottom < r.top) r.bottom = r.top;
        return r;
    }
    // Whether both are non-empty and share at least one pixel.
    constexpr bool meets(const Rect& other) const { return !intersect(other).empty(); }
    bool operator==(const Rect&) const = default;
};

}  // namespace tolsy
