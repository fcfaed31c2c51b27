#pragma once
// How bitmap objects reach their images: the links of each class, the image a link names, the
// transparency flags settled when a link is first drawn, and the piece source painting draws.

#include "skin/model/bitmap_link.h"
#include "skin/model/nine_piece.h"
#include "skin/model/skin_object_classes.h"

namespace tolsy {

// Every image link of a bitmap object (Bitmap, ActiveBitmap, BitmapHot ...); none for other
// classes. Inline: it runs for every object of a theme as the theme loads.
template <class Visit>
void for_each_link(TSeSkinObject& object, Visit&& visit) {
    auto* bitmap = dynamic_cast<TSeBitmapObject*>(&object);
    if (bitmap == nullptr) return;
    visit(bitmap->bitmap);
    if (auto* active = dynamic_cast<TSeActiveBitmap*>(bitmap)) {
        visit(active->active_bitmap);
        if (auto* system = dynamic_cast<TSeSystemButton*>(active)) {
            visit(system->bitmap_hot);
            visit(system->bitmap_pressed);
        }
    } else if (auto* button = dynamic_cast<TSeButtonObject*>(bitmap)) {
        visit(button->bitmap_hot);
        visit(button->bitmap_focused);
        visit(button->bitmap_pressed);
        visit(button->bitmap_disabled);
    }
}

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

// What the nine-piece drawing needs to draw this link of the object; the image is none when
// the link names no image the skin holds. On first use with its image the link settles which
// of its pieces hold key-colour or translucent pixels of the image as read (before any colour
// shift), and keeps that.
PieceSource piece_source(const TSeBitmapObject& object, const TteBitmapLink& link);

}  // namespace tolsy
