#pragma once
// The shape an object gives a window, in portable form: its bounds, a rounded rectangle, or
// the union of rectangles covering the non-key pixels of a picture. The Win32 side turns it
// into a region.
#include <vector>

#include "picture/geometry.h"
#include "picture/image.h"

namespace tolsy {

struct Shape {
    enum class Kind { kRectangle, kRoundRect, kRects };

    Kind kind = Kind::kRectangle;
    // Rectangle and RoundRect: the shape's rectangle; Rects: the box around all rectangles.
    Rect bounds;
    // RoundRect: width and height of the ellipse that rounds each corner.
    Size corner;
    // Rects: disjoint rectangles, top to bottom and left to right within a band of rows.
    std::vector<Rect> rects;

    static Shape rectangle(const Rect& r);
    static Shape round_rect(const Rect& r, Size corner);
    // The non-key pixels of the picture, placed with its top-left pixel at `at`.
    static Shape from_mask(const Image& picture, Point at);

    bool contains(int x, int y) const;
    bool operator==(const Shape&) const = default;
};

}  // namespace tolsy
