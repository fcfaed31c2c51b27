#pragma once
// Drawing a rectangle of a skin image into an object's bounds: single pieces by tile style,
// the nine pieces of an image with margins, and the per-piece choice of drawing mode.
#include <cstdint>
#include <vector>

#include "picture/canvas.h"
#include "picture/geometry.h"
#include "picture/image.h"

namespace tolsy {

// The tile styles of skin objects, in their stored ordinal order.
enum class TileStyle {
    kTile,
    kStretch,
    kCenter,
    kVertCenterStretch,
    kVertCenterTile,
    kHorzCenterStretch,
    kHorzCenterTile,
};

struct Margins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool any() const { return left != 0 || top != 0 || right != 0 || bottom != 0; }
    bool operator==(const Margins&) const = default;
};

// Which pieces of a link's rectangle hold key-colour or not fully opaque pixels. Settled once,
// when the link is first drawn; with no margins the whole rectangle is the centre.
struct LinkTransparency {
    bool corners = false;
    bool edges = false;
    bool centre = false;
    bool operator==(const LinkTransparency&) const = default;
};

LinkTransparency compute_link_transparency(const Image& image, const Rect& link,
                                           const Margins& margins);

// Alpha images always blend; otherwise a piece that needs transparency leaves the key out.
constexpr DrawMode choose_draw_mode(bool image_has_alpha, bool piece_needs_transparency) {
    if (image_has_alpha) return DrawMode::kBlend;
    return piece_needs_transparency ? DrawMode::kKeyCopy : DrawMode::kCopy;
}

// An image as painting sees it: the pixels and the alpha flag settled when it was read.
struct SkinImageRef {
    const Image* image = nullptr;  // not owned
    bool has_alpha = false;
};

// Everything the nine-piece drawing needs from a bitmap object and its link.
struct PieceSource {
    SkinImageRef image;
    Rect link;  // the rectangle in the image, right and bottom exclusive
    Margins margins;
    TileStyle tile_style = TileStyle::kTile;
    TileStyle border_tile_style = TileStyle::kTile;
    LinkTransparency transparency;
};

// Tiles src over dst from dst's top-left, cutting the last column and row. With a non-empty
// paint clip only the tiles that meet it are drawn, each of them whole.
void draw_tiled(Canvas& canvas, const Image& image, const Rect& src, const Rect& dst, DrawMode mode,
                const Rect& paint_clip);
// Draws src into dst as the tile style says (tile, stretch, centred at own size, or centred
// along one axis and stretched or tiled to fill the other).
void draw_styled(Canvas& canvas, const Image& image, const Rect& src, const Rect& dst,
                 TileStyle style, DrawMode mode, const Rect& paint_clip);
// The single piece (no margins) or the nine pieces of the source into bounds: centre, four
// edges, four corners, skipping pieces whose source rectangle is empty.
void draw_pieces(Canvas& canvas, const PieceSource& source, const Rect& bounds,
                 const Rect& paint_clip);

}  // namespace tolsy
