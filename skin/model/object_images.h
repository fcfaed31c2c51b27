#pragma once
// How bitmap objects reach their images: the links of each class, the image a link names, the
// transparency flags settled when links are attached, and the piece source painting draws.
#include <functional>

#include "skin/model/bitmap_link.h"
#include "skin/model/nine_piece.h"
#include "skin/model/skin_object_classes.h"

namespace tolsy {

// Every image link of a bitmap object (Bitmap, ActiveBitmap, BitmapHot ...); none for other
// classes.
void for_each_link(TSeSkinObject& object, const std::function<void(TteBitmapLink&)>& visit);

// The image the link names in the object's image list, or none.
const TteBitmap* link_bitmap(const TSeSkinObject& object, const TteBitmapLink& link);
constexpr Rect link_rect(const TteBitmapLink& link) {
    return {link.left, link.top, link.right, link.bottom};
}
inline Margins object_margins(const TSeSkinObject& o) {
    return {o.margin_left, o.margin_top, o.margin_right, o.margin_bottom};
}
inline TileStyle tile_style(TscTileStyle style) {
    return static_cast<TileStyle>(style);
}

// Works out, for each link of the object not yet settled, which pieces hold key-colour or
// translucent pixels. A link whose image is missing stays unsettled.
void settle_link_transparency(TSeSkinObject& object);

// What the nine-piece drawing needs to draw this link of the object; the image is none when
// the link names no image the skin holds.
PieceSource piece_source(const TSeBitmapObject& object, const TteBitmapLink& link);

}  // namespace tolsy
