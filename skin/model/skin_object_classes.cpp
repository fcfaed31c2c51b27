#include "skin/model/skin_object_classes.h"

#include "toolkit/components/class_builder.h"

namespace tolsy {

const ClassInfo& TSeActiveObject::static_class_info() {
    using T = TSeActiveObject;
    static const ClassInfo info = declare_class<T, TSeSkinObject>("TSeActiveObject", [](auto& c) {
        c.color("ActiveColor", &T::active_color, clNone);
        c.object("ActiveFont", &T::active_font);
        c.object("DisabledFont", &T::disabled_font);
    });
    return info;
}

void TSeActiveObject::assign_from(const TSeSkinObject& other) {
    TSeSkinObject::assign_from(other);
    const auto& o = static_cast<const TSeActiveObject&>(other);
    active_color = o.active_color;
    active_font.assign(o.active_font);
    disabled_font.assign(o.disabled_font);
}

void TSeActiveObject::for_each_color(const std::function<void(Color&)>& visit) {
    TSeSkinObject::for_each_color(visit);
    visit(active_color);
}

void TSeActiveObject::for_each_font(const std::function<void(Font&)>& visit) {
    TSeSkinObject::for_each_font(visit);
    visit(active_font);
    visit(disabled_font);
}

const Font& TSeActiveObject::state_font(VisualState state) const {
    switch (state) {
        case VisualState::kHot:
        case VisualState::kFocused:
            return active_font;
        case VisualState::kDisabled:
            return disabled_font;
        default:
            return font;
    }
}

const ClassInfo& TSeBitmapObject::static_class_info() {
    using T = TSeBitmapObject;
    static const ClassInfo info = [] {
        ClassInfo i = declare_class<T, TSeSkinObject>("TSeBitmapObject", [](auto& c) {
            c.object("Bitmap", &T::bitmap);
            c.enumeration("BorderTileStyle", &T::border_tile_style, tile_style_names());
            c.boolean("MaskedBorder", &T::masked_border);
            c.boolean("MaskedAngles", &T::masked_angles);
            c.enumeration("TileStyle", &T::tile_style, tile_style_names());
        });
        fast_enumeration(i, "BorderTileStyle", &T::border_tile_style);
        fast_enumeration(i, "TileStyle", &T::tile_style);
        return i;
    }();
    return info;
}

void TSeBitmapObject::assign_from(const TSeSkinObject& other) {
    TSeSkinObject::assign_from(other);
    const auto& o = static_cast<const TSeBitmapObject&>(other);
    bitmap.assign(o.bitmap);
    border_tile_style = o.border_tile_style;
    masked_border = o.masked_border;
    masked_angles = o.masked_angles;
    tile_style = o.tile_style;
}

const ClassInfo& TSeActiveBitmap::static_class_info() {
    using T = TSeActiveBitmap;
    static const ClassInfo info = declare_class<T, TSeBitmapObject>("TSeActiveBitmap", [](auto& c) {
        c.object("ActiveBitmap", &T::active_bitmap);
        c.object("ActiveFont", &T::active_font);
    });
    return info;
}

void TSeActiveBitmap::assign_from(const TSeSkinObject& other) {
    TSeBitmapObject::assign_from(other);
    const auto& o = static_cast<const TSeActiveBitmap&>(other);
    active_bitmap.assign(o.active_bitmap);
    active_font.assign(o.active_font);
}

void TSeActiveBitmap::for_each_font(const std::function<void(Font&)>& visit) {
    TSeBitmapObject::for_each_font(visit);
    visit(active_font);
}

const Font& TSeActiveBitmap::state_font(VisualState state) const {
    return state == VisualState::kHot || state == VisualState::kFocused ? active_font : font;
}

const ClassInfo& TSeSystemButton::static_class_info() {
    using T = TSeSystemButton;
    static const ClassInfo info = [] {
        ClassInfo i = declare_class<T, TSeActiveBitmap>("TSeSystemButton", [](auto& c) {
            c.enumeration("Action", &T::action, action_names());
            c.object("BitmapHot", &T::bitmap_hot);
            c.object("BitmapPressed", &T::bitmap_pressed);
        });
        fast_enumeration(i, "Action", &T::action);
        return i;
    }();
    return info;
}

void TSeSystemButton::assign_from(const TSeSkinObject& other) {
    TSeActiveBitmap::assign_from(other);
    const auto& o = static_cast<const TSeSystemButton&>(other);
    action = o.action;
    bitmap_hot.assign(o.bitmap_hot);
    bitmap_pressed.assign(o.bitmap_pressed);
}

const ClassInfo& TSeButtonObject::static_class_info() {
    using T = TSeButtonObject;
    static const ClassInfo info = declare_class<T, TSeBitmapObject>("TSeButtonObject", [](auto& c) {
        c.object("BitmapHot", &T::bitmap_hot);
        c.object("BitmapFocused", &T::bitmap_focused);
        c.object("BitmapPressed", &T::bitmap_pressed);
        c.object("BitmapDisabled", &T::bitmap_disabled);
    });
    return info;
}

void TSeButtonObject::assign_from(const TSeSkinObject& other) {
    TSeBitmapObject::assign_from(other);
    const auto& o = static_cast<const TSeButtonObject&>(other);
    bitmap_hot.assign(o.bitmap_hot);
    bitmap_focused.assign(o.bitmap_focused);
    bitmap_pressed.assign(o.bitmap_pressed);
    bitmap_disabled.assign(o.bitmap_disabled);
}

const ClassInfo& TSeTextObject::static_class_info() {
    using T = TSeTextObject;
    static const ClassInfo info = declare_class<T, TSeSkinObject>("TSeTextObject", [](auto& c) {
        c.object("FontHot", &T::font_hot);
        c.object("FontFocused", &T::font_focused);
        c.object("FontPressed", &T::font_pressed);
        c.object("FontDisabled", &T::font_disabled);
    });
    return info;
}

void TSeTextObject::assign_from(const TSeSkinObject& other) {
    TSeSkinObject::assign_from(other);
    const auto& o = static_cast<const TSeTextObject&>(other);
    font_hot.assign(o.font_hot);
    font_focused.assign(o.font_focused);
    font_pressed.assign(o.font_pressed);
    font_disabled.assign(o.font_disabled);
}

void TSeTextObject::for_each_font(const std::function<void(Font&)>& visit) {
    TSeSkinObject::for_each_font(visit);
    visit(font_hot);
    visit(font_focused);
    visit(font_pressed);
    visit(font_disabled);
}

const Font& TSeTextObject::state_font(VisualState state) const {
    switch (state) {
        case VisualState::kHot:
            return font_hot;
        case VisualState::kPressed:
            return font_pressed;
        case VisualState::kFocused:
            return font_focused;
        case VisualState::kDisabled:
            return font_disabled;
        default:
            return font;
    }
}

const ClassInfo& TSeLinkSkinObject::static_class_info() {
    using T = TSeLinkSkinObject;
    static const ClassInfo info = declare_class<T, TSeSkinObject>(
        "TSeLinkSkinObject", [](auto& c) { c.string("LinkControl", &T::link_control); });
    return info;
}

void TSeLinkSkinObject::assign_from(const TSeSkinObject& other) {
    TSeSkinObject::assign_from(other);
    const auto& o = static_cast<const TSeLinkSkinObject&>(other);
    link_control = o.link_control;
}

const ClassInfo& TSeBitmapSkinObject::static_class_info() {
    using T = TSeBitmapSkinObject;
    static const ClassInfo info = [] {
        ClassInfo i = declare_class<T, TSeSkinObject>("TSeBitmapSkinObject", [](auto& c) {
            c.object("Bitmap", &T::bitmap);
            c.enumeration("TileStyle", &T::tile_style, tile_style_names());
        });
        fast_enumeration(i, "TileStyle", &T::tile_style);
        return i;
    }();
    return info;
}

void TSeBitmapSkinObject::assign_from(const TSeSkinObject& other) {
    TSeSkinObject::assign_from(other);
    const auto& o = static_cast<const TSeBitmapSkinObject&>(other);
    bitmap.assign(o.bitmap);
    tile_style = o.tile_style;
}

const ClassInfo& TSeFormBitmapSkinObject::static_class_info() {
    using T = TSeFormBitmapSkinObject;
    static const ClassInfo info = declare_class<T, TSeBitmapSkinObject>(
        "TSeFormBitmapSkinObject",
        [](auto& c) { c.object("InactiveBitmap", &T::inactive_bitmap); });
    return info;
}

void TSeFormBitmapSkinObject::assign_from(const TSeSkinObject& other) {
    TSeBitmapSkinObject::assign_from(other);
    const auto& o = static_cast<const TSeFormBitmapSkinObject&>(other);
    inactive_bitmap.assign(o.inactive_bitmap);
}

const ClassInfo& TSeSysButtonSkinObject::static_class_info() {
    using T = TSeSysButtonSkinObject;
    static const ClassInfo info = [] {
        ClassInfo i = declare_class<T, TSeBitmapSkinObject>("TSeSysButtonSkinObject", [](auto& c) {
            c.enumeration("Action", &T::action, action_names());
            c.object("BitmapHover", &T::bitmap_hover);
            c.object("BitmapDown", &T::bitmap_down);
            c.string("RollPanel", &T::roll_panel);
        });
        fast_enumeration(i, "Action", &T::action);
        return i;
    }();
    return info;
}

void TSeSysButtonSkinObject::assign_from(const TSeSkinObject& other) {
    TSeBitmapSkinObject::assign_from(other);
    const auto& o = static_cast<const TSeSysButtonSkinObject&>(other);
    action = o.action;
    bitmap_hover.assign(o.bitmap_hover);
    bitmap_down.assign(o.bitmap_down);
    roll_panel = o.roll_panel;
}

const ClassInfo& TSeActiveSkinObject::static_class_info() {
    using T = TSeActiveSkinObject;
    static const ClassInfo info =
        declare_class<T, TSeSkinObject>("TSeActiveSkinObject", [](auto& c) {
            c.color("ActiveColor", &T::active_color, clNone);
            c.object("ActiveFont", &T::active_font);
        });
    return info;
}

void TSeActiveSkinObject::assign_from(const TSeSkinObject& other) {
    TSeSkinObject::assign_from(other);
    const auto& o = static_cast<const TSeActiveSkinObject&>(other);
    active_color = o.active_color;
    active_font.assign(o.active_font);
}

void TSeActiveSkinObject::for_each_color(const std::function<void(Color&)>& visit) {
    TSeSkinObject::for_each_color(visit);
    visit(active_color);
}

void TSeActiveSkinObject::for_each_font(const std::function<void(Font&)>& visit) {
    TSeSkinObject::for_each_font(visit);
    visit(active_font);
}

const ClassInfo& TSeColorButtonObject::static_class_info() {
    using T = TSeColorButtonObject;
    static const ClassInfo info =
        declare_class<T, TSeSkinObject>("TSeColorButtonObject", [](auto& c) {
            c.color("HotColor", &T::hot_color, clNone);
            c.object("HotFont", &T::hot_font);
            c.color("PressedColor", &T::pressed_color, clNone);
            c.object("PressedFont", &T::pressed_font);
            c.color("FocusedColor", &T::focused_color, clNone);
            c.object("FocusedFont", &T::focused_font);
            c.color("DisabledColor", &T::disabled_color, clNone);
            c.object("DisabledFont", &T::disabled_font);
        });
    return info;
}

void TSeColorButtonObject::assign_from(const TSeSkinObject& other) {
    TSeSkinObject::assign_from(other);
    const auto& o = static_cast<const TSeColorButtonObject&>(other);
    hot_color = o.hot_color;
    hot_font.assign(o.hot_font);
    pressed_color = o.pressed_color;
    pressed_font.assign(o.pressed_font);
    focused_color = o.focused_color;
    focused_font.assign(o.focused_font);
    disabled_color = o.disabled_color;
    disabled_font.assign(o.disabled_font);
}

void TSeColorButtonObject::for_each_color(const std::function<void(Color&)>& visit) {
    TSeSkinObject::for_each_color(visit);
    visit(hot_color);
    visit(pressed_color);
    visit(focused_color);
    visit(disabled_color);
}

void TSeColorButtonObject::for_each_font(const std::function<void(Font&)>& visit) {
    TSeSkinObject::for_each_font(visit);
    visit(hot_font);
    visit(pressed_font);
    visit(focused_font);
    visit(disabled_font);
}

const ClassInfo& TSeBitmapBoxObject::static_class_info() {
    using T = TSeBitmapBoxObject;
    static const ClassInfo info = [] {
        ClassInfo i = declare_class<T, TSeBitmapSkinObject>("TSeBitmapBoxObject", [](auto& c) {
            c.enumeration("BorderTileStyle", &T::border_tile_style, tile_style_names());
        });
        fast_enumeration(i, "BorderTileStyle", &T::border_tile_style);
        return i;
    }();
    return info;
}

void TSeBitmapBoxObject::assign_from(const TSeSkinObject& other) {
    TSeBitmapSkinObject::assign_from(other);
    const auto& o = static_cast<const TSeBitmapBoxObject&>(other);
    border_tile_style = o.border_tile_style;
}

const ClassInfo& TSeActiveBitmapBoxObject::static_class_info() {
    using T = TSeActiveBitmapBoxObject;
    static const ClassInfo info = declare_class<T, TSeBitmapBoxObject>(
        "TSeActiveBitmapBoxObject", [](auto& c) { c.object("FocusedBitmap", &T::focused_bitmap); });
    return info;
}

void TSeActiveBitmapBoxObject::assign_from(const TSeSkinObject& other) {
    TSeBitmapBoxObject::assign_from(other);
    const auto& o = static_cast<const TSeActiveBitmapBoxObject&>(other);
    focused_bitmap.assign(o.focused_bitmap);
}

const ClassInfo& TSeButtonBitmapBoxObject::static_class_info() {
    using T = TSeButtonBitmapBoxObject;
    static const ClassInfo info =
        declare_class<T, TSeBitmapBoxObject>("TSeButtonBitmapBoxObject", [](auto& c) {
            c.object("HotBitmap", &T::hot_bitmap);
            c.object("FocusedBitmap", &T::focused_bitmap);
            c.object("PressedBitmap", &T::pressed_bitmap);
            c.object("DisabledBitmap", &T::disabled_bitmap);
        });
    return info;
}

void TSeButtonBitmapBoxObject::assign_from(const TSeSkinObject& other) {
    TSeBitmapBoxObject::assign_from(other);
    const auto& o = static_cast<const TSeButtonBitmapBoxObject&>(other);
    hot_bitmap.assign(o.hot_bitmap);
    focused_bitmap.assign(o.focused_bitmap);
    pressed_bitmap.assign(o.pressed_bitmap);
    disabled_bitmap.assign(o.disabled_bitmap);
}

const ClassInfo& TSeRollPanelObject::static_class_info() {
    using T = TSeRollPanelObject;
    static const ClassInfo info = [] {
        ClassInfo i = declare_class<T, TSeSkinObject>("TSeRollPanelObject", [](auto& c) {
            c.enumeration("RollKind", &T::roll_kind, roll_kind_names());
            c.integer("RollValue", &T::roll_value);
        });
        fast_enumeration(i, "RollKind", &T::roll_kind);
        return i;
    }();
    return info;
}

void TSeRollPanelObject::assign_from(const TSeSkinObject& other) {
    TSeSkinObject::assign_from(other);
    const auto& o = static_cast<const TSeRollPanelObject&>(other);
    roll_kind = o.roll_kind;
    roll_value = o.roll_value;
}

TSeSkinObject* find_system_button(TSeSkinObject& root, TSeAction action) {
    TSeSkinObject* found = nullptr;
    root.for_each([&](TSeSkinObject& o) {
        if (found) return;
        if (auto* b = dynamic_cast<TSeSystemButton*>(&o); b && b->action == action) found = b;
        if (auto* b = dynamic_cast<TSeSysButtonSkinObject*>(&o); b && b->action == action)
            found = b;
    });
    return found;
}

}  // namespace tolsy
