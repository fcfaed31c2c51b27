#include "skin/model/nine_piece.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace tolsy {

namespace {

// A key-colour or not fully opaque pixel: all bits set in its lane, else none. Written for
// four pixels at once (the compiler's vector extension, plain SSE2 or NEON code): a link's
// first drawing asks this of each of its pieces.
using PixelLanes = std::uint32_t __attribute__((vector_size(16)));
constexpr std::size_t kLanes = sizeof(PixelLanes) / sizeof(std::uint32_t);

PixelLanes needs_transparency(PixelLanes pixels) {
    const PixelLanes key = (pixels & 0xFFFFFFu) == kKeyColorRgb;
    const PixelLanes translucent = pixels < 0xFF000000u;
    return key | translucent;
}

constexpr bool pixel_needs_transparency(std::uint32_t pixel) {
    return is_key_pixel(pixel) || Pixel::alpha(pixel) != 255;
}

// The first of row[0, width) that needs transparency, or width.
std::size_t first_needing_transparency(const std::uint32_t* row, std::size_t width) {
    std::size_t x = 0;
    for (; x + kLanes <= width; x += kLanes) {
        PixelLanes pixels;
        std::memcpy(&pixels, row + x, sizeof pixels);
        const PixelLanes found = needs_transparency(pixels);
        if ((found[0] | found[1] | found[2] | found[3]) != 0) break;
    }
    while (x < width && !pixel_needs_transparency(row[x])) ++x;
    return x;
}

bool piece_needs_transparency(const Image& image, const Rect& piece) {
    const Rect r = piece.intersect(Rect{0, 0, image.width(), image.height()});
    if (r.empty()) return false;
    const auto width = static_cast<std::size_t>(r.width());
    for (int y = r.top; y < r.bottom; ++y) {
        if (first_needing_transparency(image.row(y) + r.left, width) < width) return true;
    }
    return false;
}

// The nine source pieces of a link in drawing order, and where each goes inside bounds of
// size (w, h) placed at the origin.
struct Piece {
    Rect src;
    Rect dst;
    enum Kind { kCentre, kEdge, kCorner } kind;
};

std::array<Piece, 9> nine_pieces(const Rect& l, const Margins& m, int w, int h) {
    // Margins are stored numbers: every sum saturates.
    const int sl = l.left, st = l.top, sr = l.right, sb = l.bottom;
    const int il = sat_add(sl, m.left), it = sat_add(st, m.top);
    const int ir = sat_sub(sr, m.right), ib = sat_sub(sb, m.bottom);
    const int dr = sat_sub(w, m.right), db = sat_sub(h, m.bottom);
    return {{
        {{il, it, ir, ib}, {m.left, m.top, dr, db}, Piece::kCentre},
        {{il, st, ir, it}, {m.left, 0, dr, m.top}, Piece::kEdge},
        {{il, ib, ir, sb}, {m.left, db, dr, h}, Piece::kEdge},
        {{sl, it, il, ib}, {0, m.top, m.left, db}, Piece::kEdge},
        {{ir, it, sr, ib}, {dr, m.top, w, db}, Piece::kEdge},
        {{sl, st, il, it}, Rect::from_size(0, 0, m.left, m.top), Piece::kCorner},
        {{ir, st, sr, it}, Rect::from_size(dr, 0, m.right, m.top), Piece::kCorner},
        {{sl, ib, il, sb}, Rect::from_size(0, db, m.left, m.bottom), Piece::kCorner},
        {{ir, ib, sr, sb}, Rect::from_size(dr, db, m.right, m.bottom), Piece::kCorner},
    }};
}

int centred(int outer_start, int outer_size, int inner_size) {
    return sat_add(outer_start, sat_sub(outer_size, inner_size) / 2);  // truncates toward zero
}

// The pieces of the link, each asked of piece_needs(rect).
template <class PieceNeeds>
LinkTransparency link_transparency(const Rect& link, const Margins& margins,
                                   PieceNeeds piece_needs) {
    LinkTransparency result;
    if (!margins.any()) {
        result.centre = piece_needs(link);
        return result;
    }
    for (const Piece& p : nine_pieces(link, margins, link.width(), link.height())) {
        if (p.src.empty() || !piece_needs(p.src)) continue;
        switch (p.kind) {
            case Piece::kCentre:
                result.centre = true;
                break;
            case Piece::kEdge:
                result.edges = true;
                break;
            case Piece::kCorner:
                result.corners = true;
                break;
        }
    }
    return result;
}

}  // namespace

LinkTransparency compute_link_transparency(const Image& image, const Rect& link,
                                           const Margins& margins) {
    return link_transparency(link, margins,
                             [&](const Rect& r) { return piece_needs_transparency(image, r); });
}

void draw_tiled(Canvas& canvas, const Image& image, const Rect& src, const Rect& dst, DrawMode mode,
                const Rect& paint_clip) {
    const int tw = src.width();
    const int th = src.height();
    if (tw <= 0 || th <= 0 || dst.empty()) return;
    // Only tiles that can show are visited: those meeting the paint clip and what of the
    // canvas can still be drawn on, however large dst is.
    Rect reach = dst.intersect(canvas.visible_area());
    if (!paint_clip.empty()) reach = reach.intersect(paint_clip);
    if (reach.empty()) return;
    const int first_col = sat_sub(reach.left, dst.left) / tw;
    const int last_col = sat_sub(reach.right - 1, dst.left) / tw;
    const int first_row = sat_sub(reach.top, dst.top) / th;
    const int last_row = sat_sub(reach.bottom - 1, dst.top) / th;
    for (int row = first_row; row <= last_row; ++row) {
        const int y = sat_add(dst.top, sat_mul(row, th));
        const int h = std::min(th, sat_sub(dst.bottom, y));
        for (int col = first_col; col <= last_col; ++col) {
            const int x = sat_add(dst.left, sat_mul(col, tw));
            const int w = std::min(tw, sat_sub(dst.right, x));
            canvas.draw_image(image, Rect::from_size(src.left, src.top, w, h),
                              Rect::from_size(x, y, w, h), mode);
        }
    }
}

void draw_styled(Canvas& canvas, const Image& image, const Rect& src, const Rect& dst,
                 TileStyle style, DrawMode mode, const Rect& paint_clip) {
    if (src.empty() || dst.empty()) return;
    switch (style) {
        case TileStyle::kTile:
            draw_tiled(canvas, image, src, dst, mode, paint_clip);
            break;
        case TileStyle::kStretch:
            canvas.draw_image(image, src, dst, mode);
            break;
        case TileStyle::kCenter: {
            const Rect at = Rect::from_size(centred(dst.left, dst.width(), src.width()),
                                            centred(dst.top, dst.height(), src.height()),
                                            src.width(), src.height());
            canvas.draw_image(image, src, at, mode);
            break;
        }
        case TileStyle::kVertCenterStretch:
        case TileStyle::kVertCenterTile: {
            const int x = centred(dst.left, dst.width(), src.width());
            const Rect column{x, dst.top, sat_add(x, src.width()), dst.bottom};
            if (style == TileStyle::kVertCenterStretch) {
                canvas.draw_image(image, src, column, mode);
            } else {
                draw_tiled(canvas, image, src, column, mode, paint_clip);
            }
            break;
        }
        case TileStyle::kHorzCenterStretch:
        case TileStyle::kHorzCenterTile: {
            const int y = centred(dst.top, dst.height(), src.height());
            const Rect band{dst.left, y, dst.right, sat_add(y, src.height())};
            if (style == TileStyle::kHorzCenterStretch) {
                canvas.draw_image(image, src, band, mode);
            } else {
                draw_tiled(canvas, image, src, band, mode, paint_clip);
            }
            break;
        }
    }
}

void draw_pieces(Canvas& canvas, const PieceSource& source, const Rect& bounds,
                 const Rect& paint_clip) {
    const Image* image = source.image.image;
    if (image == nullptr || image->empty() || source.link.empty() || bounds.empty()) return;
    const bool alpha = source.image.has_alpha;
    if (!source.margins.any()) {
        draw_styled(canvas, *image, source.link, bounds, source.tile_style,
                    choose_draw_mode(alpha, source.transparency.centre), paint_clip);
        return;
    }
    for (const Piece& p :
         nine_pieces(source.link, source.margins, bounds.width(), bounds.height())) {
        if (p.src.empty()) continue;
        const Rect dst = p.dst.offset(bounds.left, bounds.top);
        switch (p.kind) {
            case Piece::kCentre:
                draw_styled(canvas, *image, p.src, dst, source.tile_style,
                            choose_draw_mode(alpha, source.transparency.centre), paint_clip);
                break;
            case Piece::kEdge:
                draw_styled(canvas, *image, p.src, dst, source.border_tile_style,
                            choose_draw_mode(alpha, source.transparency.edges), paint_clip);
                break;
            case Piece::kCorner:
                canvas.draw_image(*image, p.src, dst,
                                  choose_draw_mode(alpha, source.transparency.corners));
                break;
        }
    }
}

}  // namespace tolsy
