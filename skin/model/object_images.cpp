#include "skin/model/object_images.h"

namespace tolsy {

void for_each_link(TSeSkinObject& object, const std::function<void(TteBitmapLink&)>& visit) {
    auto* bitmap = dynamic_cast<TSeBitmapObject*>(&object);
    if (bitmap == nullptr) return;
    visit(bitmap->bitmap);
    if (auto* active = dynamic_cast<TSeActiveBitmap*>(&object)) {
        visit(active->active_bitmap);
        if (auto* system = dynamic_cast<TSeSystemButton*>(&object)) {
            visit(system->bitmap_hot);
            visit(system->bitmap_pressed);
        }
    }
    if (auto* button = dynamic_cast<TSeButtonObject*>(&object)) {
        visit(button->bitmap_hot);
        visit(button->bitmap_focused);
        visit(button->bitmap_pressed);
        visit(button->bitmap_disabled);
    }
}

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
