#include "skin/paint/paint.h"

#include "skin/model/layout.h"
#include "skin/model/object_images.h"
#include "skin/model/system_colours.h"

namespace tolsy {

namespace {

bool is_hot_pressed_or_focused(VisualState s) {
    return s == VisualState::kHot || s == VisualState::kPressed || s == VisualState::kFocused;
}

bool meets_clip(const TSeSkinObject& o, const Rect& clip) {
    return clip.empty() || object_rect(o).meets(clip);
}

bool has_link(const TteBitmapLink& link) {
    return !link.empty();
}

// The link a bitmap object draws in its present state.
const TteBitmapLink& current_link(const TSeBitmapObject& o) {
    if (const auto* b = dynamic_cast<const TSeButtonObject*>(&o)) {
        switch (o.state()) {
            case VisualState::kFocused:
                if (has_link(b->bitmap_focused)) return b->bitmap_focused;
                break;
            case VisualState::kHot:
                if (has_link(b->bitmap_hot)) return b->bitmap_hot;
                break;
            case VisualState::kDisabled:
                if (has_link(b->bitmap_disabled)) return b->bitmap_disabled;
                break;
            case VisualState::kPressed:
                if (has_link(b->bitmap_pressed)) return b->bitmap_pressed;
                break;
            default:
                break;
        }
        return o.bitmap;
    }
    if (const auto* s = dynamic_cast<const TSeSystemButton*>(&o)) {
        // Caption buttons show their own hot and pressed looks when they have them.
        if (o.state() == VisualState::kHot && has_link(s->bitmap_hot)) return s->bitmap_hot;
        if (o.state() == VisualState::kPressed && has_link(s->bitmap_pressed))
            return s->bitmap_pressed;
    }
    if (const auto* a = dynamic_cast<const TSeActiveBitmap*>(&o)) {
        if ((o.active || is_hot_pressed_or_focused(o.state())) && has_link(a->active_bitmap))
            return a->active_bitmap;
    }
    return o.bitmap;
}

// The colour an object fills with, by class and state (none: no fill).
Color fill_color(const TSeSkinObject& o) {
    if (const auto* a = dynamic_cast<const TSeActiveObject*>(&o)) {
        if (o.active || is_hot_pressed_or_focused(o.state())) return a->active_color;
    }
    if (const auto* c = dynamic_cast<const TSeColorButtonObject*>(&o)) {
        const VisualState state = o.state();
        const Color by_state = state == VisualState::kHot        ? c->hot_color
                               : state == VisualState::kPressed  ? c->pressed_color
                               : state == VisualState::kFocused  ? c->focused_color
                               : state == VisualState::kDisabled ? c->disabled_color
                                                                 : clNone;
        if (by_state != clNone) return by_state;
    }
    return o.color;
}

const Font& text_font(const TSeSkinObject& o) {
    if (const auto* t = dynamic_cast<const TSeTextObject*>(&o)) {
        switch (o.state()) {
            case VisualState::kHot:
                return t->font_hot;
            case VisualState::kPressed:
                return t->font_pressed;
            case VisualState::kFocused:
                return t->font_focused;
            case VisualState::kDisabled:
                return t->font_disabled;
            default:
                return t->font;
        }
    }
    if (const auto* a = dynamic_cast<const TSeActiveObject*>(&o)) {
        if (o.state() == VisualState::kDisabled) return a->disabled_font;
        if (o.active || is_hot_pressed_or_focused(o.state())) return a->active_font;
    }
    if (const auto* a = dynamic_cast<const TSeActiveBitmap*>(&o)) {
        if (o.active || is_hot_pressed_or_focused(o.state())) return a->active_font;
    }
    if (const auto* c = dynamic_cast<const TSeColorButtonObject*>(&o)) {
        switch (o.state()) {
            case VisualState::kHot:
                return c->hot_font;
            case VisualState::kPressed:
                return c->pressed_font;
            case VisualState::kFocused:
                return c->focused_font;
            case VisualState::kDisabled:
                return c->disabled_font;
            default:
                break;
        }
    }
    return o.font;
}

TextPlacement placement_of(TSeTextAlign align) {
    const int v = static_cast<int>(align);
    static constexpr HAlign kH[3] = {HAlign::kLeft, HAlign::kCenter, HAlign::kRight};
    static constexpr VAlign kV[3] = {VAlign::kTop, VAlign::kCenter, VAlign::kBottom};
    return {kH[v % 3], kV[(v / 3) % 3]};
}

TextPlacement mirrored(TextPlacement p) {
    if (p.horizontal == HAlign::kLeft) {
        p.horizontal = HAlign::kRight;
    } else if (p.horizontal == HAlign::kRight) {
        p.horizontal = HAlign::kLeft;
    }
    return p;
}

void paint_children(TSeSkinObject& o, Canvas& canvas, TextRenderer& text, const Rect& clip) {
    for (std::size_t i = 0; i < o.child_count(); ++i) {
        TSeSkinObject& c = *o.child(i);
        if (c.visible && c.width() > 0 && c.height() > 0 && meets_clip(c, clip))
            paint_object(c, canvas, text, clip);
    }
}

// Step 2 of a plain object: its own fill and text when it has no children or asks for them.
void paint_own_face(TSeSkinObject& o, Canvas& canvas, TextRenderer& text) {
    if (o.child_count() != 0 && !o.draw_if_owner) return;
    const Color fill = fill_color(o);
    if (fill != clNone) canvas.fill_rect(object_rect(o), color_pixel(fill));
    draw_object_text(o, canvas, text);
}

void paint_plain(TSeSkinObject& o, Canvas& canvas, TextRenderer& text, const Rect& clip) {
    if (o.kind == TSeKind::skRoundMask || o.kind == TSeKind::skMaskOnly) return;
    paint_own_face(o, canvas, text);
    paint_children(o, canvas, text, clip);
}

void paint_bitmap(TSeBitmapObject& o, Canvas& canvas, TextRenderer& text, const Rect& clip) {
    const TteBitmapLink& link = current_link(o);
    const PieceSource source = piece_source(o, link);
    if (source.image.image == nullptr || source.link.empty() || o.kind == TSeKind::skMaskOnly)
        return;
    if (!source.margins.any() && o.color == clNone) {
        // A single piece without a colour is not drawn: the object paints as a plain one.
        paint_own_face(o, canvas, text);
        paint_children(o, canvas, text, clip);
        return;
    }
    draw_pieces(canvas, source, object_rect(o), clip);
    draw_object_text(o, canvas, text);
    layout_skin_children(o);
    paint_children(o, canvas, text, clip);
}

}  // namespace

void set_state(TSeSkinObject& object, VisualState state) {
    const std::uint8_t code = skin_state_code(state);
    object.for_each([code](TSeSkinObject& o) { o.state_code = code; });
}

std::uint32_t color_pixel(Color color) {
    const Color c = resolve_color(color);
    return Pixel::pack(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF, 255);
}

void paint_object(TSeSkinObject& object, Canvas& canvas, TextRenderer& text, const Rect& clip) {
    if (!object.visible || object.width() <= 0 || object.height() <= 0) return;
    if (!meets_clip(object, clip)) return;
    if (auto* bitmap = dynamic_cast<TSeBitmapObject*>(&object)) {
        paint_bitmap(*bitmap, canvas, text, clip);
    } else {
        paint_plain(object, canvas, text, clip);
    }
}

void draw_object_text(const TSeSkinObject& o, Canvas& canvas, TextRenderer& text) {
    if (o.text.empty() && o.second_text.empty()) return;
    const Rect bounds = object_rect(o);
    const Font& font = text_font(o);
    if (o.text == "-") {
        // A separator keeps its font's colour even on a disabled object; only texts turn grey.
        const int y = sat_add(bounds.top, bounds.height() / 2);
        canvas.fill_rect({sat_add(bounds.left, 3), y, sat_sub(bounds.right, 3), sat_add(y, 1)},
                         color_pixel(font.color));
        return;
    }
    const std::uint32_t ink = o.enabled ? color_pixel(font.color) : kGreyTextPixel;
    const PaintFont wanted = paint_font(font);
    const TextPlacement placement = placement_of(o.text_align);
    // The text margins keep the text clear of what the object draws at its edges.
    const Rect area{sat_add(bounds.left, o.text_margin_left),
                    sat_add(bounds.top, o.text_margin_top),
                    sat_sub(bounds.right, o.text_margin_right), bounds.bottom};
    if (!o.text.empty()) {
        std::string line = o.text;
        if (o.kind == TSeKind::skTitle)
            line = shorten_with_ellipsis(text, line, wanted, area.width());
        if (o.text_effect == TSeTextEffect::teShadow)
            text.draw(canvas, line, wanted, kGreyTextPixel, area.offset(1, 1), placement);
        text.draw(canvas, line, wanted, ink, area, placement);
    }
    if (!o.second_text.empty())
        text.draw(canvas, o.second_text, wanted, ink, area, mirrored(placement));
}

namespace {

// 4096 x 4096: more than a 4K screen, which is the most a window is shaped for.
constexpr std::int64_t kMaxMaskPixels = std::int64_t{1} << 24;

}  // namespace

Shape object_region(TSeSkinObject& object, TextRenderer& text) {
    const Rect bounds = object_rect(object);
    if (object.kind == TSeKind::skRoundMask) {
        return Shape::round_rect(
            {bounds.left, bounds.top, sat_add(bounds.right, 1), sat_add(bounds.bottom, 1)},
            {object.margin_left, object.margin_top});
    }
    // The mask is painted at the object's size, which comes from stored numbers: a size no
    // window could have gets the plain rectangle instead.
    const bool mask_fits = !bounds.empty() && bounds.drawable() &&
                           std::int64_t{bounds.width()} * bounds.height() <= kMaxMaskPixels;
    if (object.masked && object.kind != TSeKind::skClient &&
        dynamic_cast<TSeBitmapObject*>(&object) != nullptr && mask_fits) {
        Image picture(bounds.width(), bounds.height(), 0x007F007Fu);
        Canvas canvas(picture);
        canvas.set_origin({-bounds.left, -bounds.top});
        paint_object(object, canvas, text);
        return Shape::from_mask(picture, {bounds.left, bounds.top});
    }
    return Shape::rectangle(bounds);
}

}  // namespace tolsy
