#include "skin/model/layout.h"

#include <vector>

#include "picture/bitmap_font.h"
#include "skin/model/skin_object.h"

namespace tolsy {

namespace {

TextRenderer* g_layout_renderer = nullptr;

bool is(const TSeSkinObject& child, TSeAlign a) {
    return child.align == a;
}

std::vector<TSeSkinObject*> visible_children(const TSeSkinObject& object) {
    std::vector<TSeSkinObject*> out;
    for (std::size_t i = 0; i < object.child_count(); ++i) {
        TSeSkinObject* c = object.child(i);
        if (c->visible) out.push_back(c);
    }
    return out;
}

// Passes 1 to 4: docking to the top and bottom, then to the left and right, of what is free.
void dock_vertically(const std::vector<TSeSkinObject*>& kids, Rect& r, TSeAlign top,
                     TSeAlign bottom) {
    for (TSeSkinObject* c : kids) {
        const int h = c->height();
        if (is(*c, top)) {
            place_object(*c, {r.left, r.top, r.right, sat_add(r.top, h)});
            r.top = sat_add(r.top, h);
        } else if (is(*c, bottom)) {
            place_object(*c, {r.left, sat_sub(r.bottom, h), r.right, r.bottom});
            r.bottom = sat_sub(r.bottom, h);
        }
    }
}

void dock_horizontally(const std::vector<TSeSkinObject*>& kids, Rect& r, TSeAlign left,
                       TSeAlign right) {
    for (TSeSkinObject* c : kids) {
        const int w = c->width();
        if (is(*c, left)) {
            place_object(*c, {r.left, r.top, sat_add(r.left, w), r.bottom});
            r.left = sat_add(r.left, w);
        } else if (is(*c, right)) {
            place_object(*c, {sat_sub(r.right, w), r.top, r.right, r.bottom});
            r.right = sat_sub(r.right, w);
        }
    }
}

// Passes 5 and 6 go through the children from the last to the first.
void size_to_text_and_centre(const std::vector<TSeSkinObject*>& kids, const Rect& r) {
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        TSeSkinObject& c = **it;
        if (!is(c, TSeAlign::saText)) continue;
        const int text = layout_text_renderer().measure(c.text, paint_font(c.font)).width;
        c.set_bounds({c.left(), c.top(),
                      sat_add(sat_add(text, c.text_margin_left), c.text_margin_right), c.height()});
    }
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        TSeSkinObject& c = **it;
        if (!is(c, TSeAlign::saCenter)) continue;
        const int left = sat_add(r.left, sat_sub(r.width(), c.width()) / 2);
        const int top = sat_add(r.top, sat_sub(r.height(), c.height()) / 2);
        place_object(c, Rect::from_size(left, top, c.width(), c.height()));
    }
}

// A position that follows an edge from `before` to `now`; stored numbers, so it saturates.
int moved(int position, int now, int before) {
    return saturate_int(std::int64_t{position} + now - before);
}

// Pass 9, over every child, visible or not: the corner alignments follow the object itself.
void follow_corners(TSeSkinObject& object) {
    const SkinBounds now = object.bounds();
    const SkinBounds before = object.previous_bounds();
    const bool had_width = before.width > 0;
    for (std::size_t i = 0; i < object.child_count(); ++i) {
        TSeSkinObject& c = *object.child(i);
        switch (c.align) {
            case TSeAlign::saTopRightAngle:
                place_object(c, {sat_sub(now.width, c.width()), 0, now.width, c.height()});
                break;
            case TSeAlign::saTopLeft:
                if (had_width)
                    c.set_bounds({moved(c.left(), now.left, before.left),
                                  moved(c.top(), now.top, before.top), c.width(), c.height()});
                break;
            case TSeAlign::saTopRight:
                if (had_width)
                    c.set_bounds({moved(c.left(), sat_add(now.left, now.width),
                                        sat_add(before.left, before.width)),
                                  moved(c.top(), now.top, before.top), c.width(), c.height()});
                break;
            case TSeAlign::saBottomLeft:
                c.set_bounds(
                    {c.left(), moved(c.top(), now.height, before.height), c.width(), c.height()});
                break;
            case TSeAlign::saBottomRight:
                c.set_bounds({sat_sub(now.width, c.left()), sat_sub(now.height, c.top()), c.width(),
                              c.height()});
                break;
            default:
                break;
        }
    }
}

}  // namespace

Rect object_rect(const TSeSkinObject& o) {
    return Rect::from_size(o.left(), o.top(), o.width(), o.height());
}

void place_object(TSeSkinObject& object, const Rect& r) {
    object.set_bounds({r.left, r.top, r.width(), r.height()});
}

void layout_skin_children(TSeSkinObject& object) {
    if (object.child_count() == 0) return;
    Rect free = object_rect(object);
    const std::vector<TSeSkinObject*> kids = visible_children(object);
    dock_vertically(kids, free, TSeAlign::saMostTop, TSeAlign::saMostBottom);
    dock_horizontally(kids, free, TSeAlign::saMostLeft, TSeAlign::saMostRight);
    dock_vertically(kids, free, TSeAlign::saTop, TSeAlign::saBottom);
    dock_horizontally(kids, free, TSeAlign::saLeft, TSeAlign::saRight);
    size_to_text_and_centre(kids, free);
    for (TSeSkinObject* c : kids)
        if (is(*c, TSeAlign::saClient)) place_object(*c, free);
    for (TSeSkinObject* c : kids)
        if (is(*c, TSeAlign::saAll)) place_object(*c, {0, 0, object.width(), object.height()});
    follow_corners(object);
}

TextRenderer& layout_text_renderer() {
    static BitmapFontRenderer fallback;
    return g_layout_renderer != nullptr ? *g_layout_renderer : fallback;
}

void set_layout_text_renderer(TextRenderer* renderer) {
    g_layout_renderer = renderer;
}

}  // namespace tolsy
