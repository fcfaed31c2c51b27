#include "skin/model/shape_win.h"

#include <cstring>
#include <stdexcept>
#include <vector>

namespace tolsy {

namespace {

UniqueRegion rects_region(const Shape& shape, int dx, int dy) {
    if (shape.rects.empty()) return UniqueRegion(CreateRectRgn(0, 0, 0, 0));
    // RGNDATA is a header followed by the rectangles; build it in one aligned buffer.
    const std::size_t rect_bytes = shape.rects.size() * sizeof(RECT);
    std::vector<RECT> buffer((sizeof(RGNDATAHEADER) + rect_bytes + sizeof(RECT) - 1) /
                             sizeof(RECT));
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(shape.rects.size());
    data->rdh.nRgnSize = static_cast<DWORD>(rect_bytes);
    data->rdh.rcBound = {shape.bounds.left + dx, shape.bounds.top + dy, shape.bounds.right + dx,
                         shape.bounds.bottom + dy};
    auto* out = reinterpret_cast<RECT*>(data->Buffer);
    for (std::size_t i = 0; i < shape.rects.size(); ++i) {
        const Rect& r = shape.rects[i];
        out[i] = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
    }
    const DWORD size = static_cast<DWORD>(sizeof(RGNDATAHEADER) + rect_bytes);
    return UniqueRegion(ExtCreateRegion(nullptr, size, data));
}

}  // namespace

UniqueRegion make_region(const Shape& shape, int dx, int dy) {
    UniqueRegion region;
    const Rect b = shape.bounds.offset(dx, dy);
    switch (shape.kind) {
        case Shape::Kind::kRectangle:
            region.reset(CreateRectRgn(b.left, b.top, b.right, b.bottom));
            break;
        case Shape::Kind::kRoundRect:
            region.reset(CreateRoundRectRgn(b.left, b.top, b.right, b.bottom, shape.corner.width,
                                            shape.corner.height));
            break;
        case Shape::Kind::kRects:
            region = rects_region(shape, dx, dy);
            break;
    }
    if (!region) throw std::runtime_error("Can't create the window region");
    return region;
}

}  // namespace tolsy
