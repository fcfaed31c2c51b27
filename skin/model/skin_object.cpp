#include "skin/model/skin_object.h"

#include <cmath>

#include "skin/model/colour_shift.h"
#include "skin/model/layout.h"
#include "skin/model/skin_object_io.h"
#include "toolkit/components/class_builder.h"

namespace tolsy {
namespace {

// The skin's state codes of the states that have one.
constexpr std::uint8_t kCodeNormal = 0;
constexpr std::uint8_t kCodeHot = 5;
constexpr std::uint8_t kCodePressed = 6;
constexpr std::uint8_t kCodeFocused = 7;
constexpr std::uint8_t kCodeDisabled = 8;

constexpr int kPixelsPerInch = 96;
constexpr int kPointsPerInch = 72;

// The platform's MulDiv: rounds half away from zero.
int mul_div(int value, int numerator, int denominator) {
    return static_cast<int>(std::lround(static_cast<double>(value) * numerator / denominator));
}

}  // namespace

std::uint8_t skin_state_code(VisualState state) {
    switch (state) {
        case VisualState::kHot:
            return kCodeHot;
        case VisualState::kPressed:
            return kCodePressed;
        case VisualState::kFocused:
            return kCodeFocused;
        case VisualState::kDisabled:
            return kCodeDisabled;
        default:
            return kCodeNormal;
    }
}

VisualState visual_state_of_code(std::uint8_t code) {
    switch (code) {
        case kCodeHot:
            return VisualState::kHot;
        case kCodePressed:
            return VisualState::kPressed;
        case kCodeFocused:
            return VisualState::kFocused;
        case kCodeDisabled:
            return VisualState::kDisabled;
        default:
            return VisualState::kNormal;
    }
}

const ClassInfo& TSeSkinObject::static_class_info() {
    using T = TSeSkinObject;
    static const ClassInfo info = [] {
        ClassInfo i = declare_class<T, Component>("TSeSkinObject", [](auto& c) {
            c.enumeration("Align", &T::align, align_names());
            c.color("Color", &T::color, clNone);
            c.boolean("DrawIfOwner", &T::draw_if_owner);
            c.object("Font", &T::font);
            c.enumeration("Kind", &T::kind, kind_names());
            c.boolean("Masked", &T::masked);
            c.integer("Left", getset(&T::left, &T::set_left), 0);
            c.integer("Top", getset(&T::top, &T::set_top), 0);
            c.integer("Height", getset(&T::height, &T::set_height), 0);
            c.integer("Width", getset(&T::width, &T::set_width), 0);
            c.integer("MarginLeft", &T::margin_left);
            c.integer("MarginRight", &T::margin_right);
            c.integer("MarginTop", &T::margin_top);
            c.integer("MarginBottom", &T::margin_bottom);
            c.enumeration("TextAlign", &T::text_align, text_align_names());
            c.enumeration("TextEffect", &T::text_effect, text_effect_names());
            c.integer("TextMarginLeft", &T::text_margin_left);
            c.boolean("TextShiftSysIton", &T::text_shift_sys_icon);
            c.integer("TextMarginRight", &T::text_margin_right);
            c.boolean("TextMarginRightStretch", &T::text_margin_right_stretch);
            c.integer("TextMarginTop", &T::text_margin_top);
            c.binary("Objects", read_objects_property, write_objects_property);
        });
        fast_enumeration(i, "Align", &T::align);
        fast_enumeration(i, "Kind", &T::kind);
        fast_enumeration(i, "TextAlign", &T::text_align);
        fast_enumeration(i, "TextEffect", &T::text_effect);
        return i;
    }();
    return info;
}

TSeSkinObject::TSeSkinObject(Component* owner) : Component(owner) {}

void TSeSkinObject::set_bounds(SkinBounds b) {
    if (b.width < 0) b.width = 0;
    if (b.height < 0) b.height = 0;
    if (b == bounds_) return;
    previous_ = bounds_;
    bounds_ = b;
    layout_children();
    previous_ = bounds_;
}

TSeSkinObject* TSeSkinObject::child(std::size_t index) const {
    if (index >= components().size()) return nullptr;
    return static_cast<TSeSkinObject*>(components()[index]);
}

TSeSkinObject* TSeSkinObject::parent_object() const {
    return dynamic_cast<TSeSkinObject*>(owner());
}

void TSeSkinObject::for_each(const std::function<void(TSeSkinObject&)>& visit) {
    visit(*this);
    for (std::size_t i = 0; i < child_count(); ++i) child(i)->for_each(visit);
}

TSeSkinObject* TSeSkinObject::find_part(std::string_view wanted) {
    if (same_text(name(), wanted)) return this;
    for (std::size_t i = 0; i < child_count(); ++i)
        if (TSeSkinObject* found = child(i)->find_part(wanted)) return found;
    return nullptr;
}

TSeSkinObject* TSeSkinObject::find_kind(TSeKind wanted) {
    if (kind == wanted) return this;
    for (std::size_t i = 0; i < child_count(); ++i)
        if (TSeSkinObject* found = child(i)->find_kind(wanted)) return found;
    return nullptr;
}

void TSeSkinObject::attach_images(const BitmapList* images) {
    for_each([images](TSeSkinObject& o) { o.images_ = images; });
}

void TSeSkinObject::prepare() {
    prepared_ = true;
}

void TSeSkinObject::layout_children() {
    layout_skin_children(*this);
}

void TSeSkinObject::prepare_tree() {
    for (std::size_t i = 0; i < child_count(); ++i) child(i)->prepare_tree();
    prepare();
}

void TSeSkinObject::set_default_charsets() {
    for_each(
        [](TSeSkinObject& o) { o.for_each_font([](Font& f) { f.charset = kDefaultCharset; }); });
}

std::unique_ptr<TSeSkinObject> TSeSkinObject::clone() const {
    std::unique_ptr<TSeSkinObject> copy(
        static_cast<TSeSkinObject*>(class_info().create_component(nullptr)));
    copy->assign_from(*this);
    for (std::size_t i = 0; i < child_count(); ++i) child(i)->clone_into(*copy);
    return copy;
}

TSeSkinObject* TSeSkinObject::clone_into(Component& owner) const {
    auto* copy = static_cast<TSeSkinObject*>(class_info().create_component(&owner));
    copy->assign_from(*this);
    for (std::size_t i = 0; i < child_count(); ++i) child(i)->clone_into(*copy);
    return copy;
}

void TSeSkinObject::assign_from(const TSeSkinObject& o) {
    set_name(o.name());
    align = o.align;
    color = o.color;
    draw_if_owner = o.draw_if_owner;
    font.assign(o.font);
    kind = o.kind;
    masked = o.masked;
    margin_left = o.margin_left;
    margin_right = o.margin_right;
    margin_top = o.margin_top;
    margin_bottom = o.margin_bottom;
    text_align = o.text_align;
    text_effect = o.text_effect;
    text_margin_left = o.text_margin_left;
    text_shift_sys_icon = o.text_shift_sys_icon;
    text_margin_right = o.text_margin_right;
    text_margin_right_stretch = o.text_margin_right_stretch;
    text_margin_top = o.text_margin_top;
    visible = o.visible;
    bounds_ = o.bounds_;
    previous_ = o.previous_;
    images_ = o.images_;
}

void TSeSkinObject::for_each_color(const std::function<void(Color&)>& visit) {
    visit(color);
}

void TSeSkinObject::for_each_font(const std::function<void(Font&)>& visit) {
    visit(font);
}

const Font& TSeSkinObject::state_font(VisualState) const {
    return font;
}

void TSeSkinObject::shift_colors(const std::function<Color(Color)>& shift) {
    for_each([&shift](TSeSkinObject& o) {
        o.for_each_color([&shift](Color& c) { c = shift(c); });
        o.for_each_font([&shift](Font& f) { f.color = shift(f.color); });
    });
}

void TSeSkinObject::shift_hue(int delta) {
    shift_colors([delta](Color c) { return shift_color_hue(c, delta); });
}

void TSeSkinObject::shift_brightness(int delta) {
    shift_colors([delta](Color c) { return shift_color_brightness(c, delta); });
}

PaintFont paint_font(const Font& font) {
    PaintFont wanted;
    wanted.face = font.name;
    wanted.size = font_points(font);
    wanted.charset = font.charset;
    wanted.bold = (font.style & kFontBold) != 0;
    wanted.italic = (font.style & kFontItalic) != 0;
    wanted.underline = (font.style & kFontUnderline) != 0;
    wanted.strikeout = (font.style & kFontStrikeOut) != 0;
    return wanted;
}

int font_points(const Font& font) {
    return font.height < 0 ? mul_div(-font.height, kPointsPerInch, kPixelsPerInch)
                           : mul_div(font.height, kPointsPerInch, kPixelsPerInch);
}

int font_height_for_points(int points) {
    return -mul_div(points, kPixelsPerInch, kPointsPerInch);
}

}  // namespace tolsy
