#include "skin/model/shape.h"

#include <algorithm>
#include <cstdint>

#include "picture/canvas.h"

namespace tolsy {

namespace {

// The runs of non-key pixels of one row, as rectangles one pixel high.
void row_runs(const Image& picture, int y, Point at, std::vector<Rect>& out) {
    const std::uint32_t* row = picture.row(y);
    int x = 0;
    while (x < picture.width()) {
        while (x < picture.width() && is_key_pixel(row[x])) ++x;
        const int start = x;
        while (x < picture.width() && !is_key_pixel(row[x])) ++x;
        if (x > start)
            out.push_back(
                {sat_add(at.x, start), sat_add(at.y, y), sat_add(at.x, x), sat_add(at.y, y + 1)});
    }
}

bool same_columns(const std::vector<Rect>& a, std::size_t a_from, const std::vector<Rect>& b) {
    if (a.size() - a_from != b.size()) return false;
    for (std::size_t i = 0; i < b.size(); ++i) {
        if (a[a_from + i].left != b[i].left || a[a_from + i].right != b[i].right) return false;
    }
    return true;
}

// Whether (x, y) lies inside the quarter ellipse that rounds one corner of r.
bool inside_corner(const Rect& r, Size corner, int x, int y) {
    const double rx = corner.width / 2.0;
    const double ry = corner.height / 2.0;
    if (rx <= 0 || ry <= 0) return true;
    const double px = x + 0.5;
    const double py = y + 0.5;
    double cx = 0;
    double cy = 0;
    if (px < r.left + rx) {
        cx = r.left + rx;
    } else if (px > r.right - rx) {
        cx = r.right - rx;
    } else {
        return true;
    }
    if (py < r.top + ry) {
        cy = r.top + ry;
    } else if (py > r.bottom - ry) {
        cy = r.bottom - ry;
    } else {
        return true;
    }
    const double nx = (px - cx) / rx;
    const double ny = (py - cy) / ry;
    return nx * nx + ny * ny <= 1.0;
}

}  // namespace

Shape Shape::rectangle(const Rect& r) {
    Shape s;
    s.bounds = r;
    return s;
}

Shape Shape::round_rect(const Rect& r, Size corner) {
    Shape s;
    s.kind = Kind::kRoundRect;
    s.bounds = r;
    s.corner = corner;
    return s;
}

Shape Shape::from_mask(const Image& picture, Point at) {
    Shape s;
    s.kind = Kind::kRects;
    std::size_t band_start = 0;  // the previous row's runs, still growing downwards
    std::vector<Rect> row;
    for (int y = 0; y < picture.height(); ++y) {
        row.clear();
        row_runs(picture, y, at, row);
        if (band_start < s.rects.size() && same_columns(s.rects, band_start, row)) {
            for (std::size_t i = band_start; i < s.rects.size(); ++i) ++s.rects[i].bottom;
            continue;
        }
        band_start = s.rects.size();
        s.rects.insert(s.rects.end(), row.begin(), row.end());
    }
    if (!s.rects.empty()) {
        s.bounds = s.rects.front();
        for (const Rect& r : s.rects) {
            s.bounds = {std::min(s.bounds.left, r.left), std::min(s.bounds.top, r.top),
                        std::max(s.bounds.right, r.right), std::max(s.bounds.bottom, r.bottom)};
        }
    }
    return s;
}

bool Shape::contains(int x, int y) const {
    switch (kind) {
        case Kind::kRectangle:
            return bounds.contains(x, y);
        case Kind::kRoundRect:
            return bounds.contains(x, y) && inside_corner(bounds, corner, x, y);
        case Kind::kRects:
            for (const Rect& r : rects) {
                if (r.contains(x, y)) return true;
            }
            return false;
    }
    return false;
}

}  // namespace tolsy
