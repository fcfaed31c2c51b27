#include "skin/model/object_images.h"

namespace tolsy {

const TteBitmap* link_bitmap(const TSeSkinObject& object, const TteBitmapLink& link) {
    return link.bitmap(object.images());
}

void settle_link_transparency(TSeSkinObject& object) {
    const Margins margins = object_margins(object);
    for_each_link(object, [&](TteBitmapLink& link) {
        if (link.transparency_settled) return;
        const TteBitmap* bitmap = link_bitmap(object, link);
        if (bitmap == nullptr) {
            link.transparency = {};
            return;
        }
        link.transparency =
            compute_link_transparency(bitmap->transparent_counts(), link_rect(link), margins);
        link.transparency_settled = true;
    });
}

void settle_link_transparency(std::span<const std::unique_ptr<TSeSkinObject>> roots) {
    // Each image's counts are made once, on its first link, and kept with the image.
    for (const auto& root : roots) {
        root->for_each([](TSeSkinObject& object) { settle_link_transparency(object); });
    }
}

PieceSource piece_source(const TSeBitmapObject& object, const TteBitmapLink& link) {
    PieceSource source;
    if (const TteBitmap* bitmap = link_bitmap(object, link)) {
        source.image = {&bitmap->image, bitmap->alpha_flag};
    }
    source.link = link_rect(link);
    source.margins = object_margins(object);
    source.tile_style = tile_style(object.tile_style);
    source.border_tile_style = tile_style(object.border_tile_style);
    source.transparency = link.transparency;
    return source;
}

}  // namespace tolsy
