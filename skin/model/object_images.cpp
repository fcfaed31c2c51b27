#include "skin/model/object_images.h"

namespace tolsy {

const TteBitmap* link_bitmap(const TSeSkinObject& object, const TteBitmapLink& link) {
    return link.bitmap(object.images());
}

namespace {

const LinkTransparency& settled(const TteBitmapLink& link, const TteBitmap& bitmap,
                                const Margins& margins) {
    if (!link.transparency_settled) {
        link.transparency =
            compute_link_transparency(bitmap.unshifted_image(), link_rect(link), margins);
        link.transparency_settled = true;
    }
    return link.transparency;
}

}  // namespace

PieceSource piece_source(const TSeBitmapObject& object, const TteBitmapLink& link) {
    PieceSource source;
    source.link = link_rect(link);
    source.margins = object_margins(object);
    source.tile_style = tile_style(object.tile_style);
    source.border_tile_style = tile_style(object.border_tile_style);
    if (const TteBitmap* bitmap = link_bitmap(object, link)) {
        source.image = {&bitmap->image, bitmap->alpha_flag};
        source.transparency = settled(link, *bitmap, source.margins);
    }
    return source;
}

}  // namespace tolsy
