#pragma once
// Skins built in code for the skin tests: every class with every property set away from its
// default, images with key colour and partial alpha, tables with distinct values.
#include <memory>
#include <string>

#include "skin/model/skin_object_classes.h"
#include "skin/model/skin_object_io.h"
#include "skin/model/system_colours.h"
#include "skin/stored/skin_source.h"
#include "toolkit/components/class_builder.h"

namespace tolsy::test {

// Gives every published property of the object (and of its fonts and links) a value that is
// not its default, derived from `seed` so that objects differ.
inline void populate(Persistent& object, int seed, const std::string& prefix = "",
                     Persistent* root = nullptr) {
    Persistent& target = root ? *root : object;
    ReadContext ctx;
    int n = seed;
    for (const PropertyInfo& p : object.class_info().properties()) {
        const std::string name = prefix + p.name;
        Value v;
        switch (p.kind) {
            case PropertyKind::kInteger:
                v = Value::integer_value(100 + 37 * ++n);
                break;
            case PropertyKind::kBoolean:
                v = Value::boolean(true);
                break;
            case PropertyKind::kEnumeration:
                v = Value::ident(
                    std::string(p.enum_info->names[1 + (n++ % (p.enum_info->names.size() - 1))]));
                break;
            case PropertyKind::kSet:
                v = Value::set({std::string(p.enum_info->names[n++ % p.enum_info->names.size()])});
                break;
            case PropertyKind::kColor:
                v = Value::integer_value(0x00103050 + 0x010101 * ++n);
                break;
            case PropertyKind::kCharset:
                v = Value::ident("SYMBOL_CHARSET");
                break;
            case PropertyKind::kString:
                v = Value::string(p.name + "_" + std::to_string(++n));
                break;
            case PropertyKind::kObject:
                populate(*p.nested(object), n += 10, name + ".", &target);
                continue;
            default:
                continue;  // Objects: children are added by the caller
        }
        apply_property(target, Property{name, v, 0}, ctx);
    }
}

inline TteBitmap* add_image(TSeSkinSource& s, const std::string& name, int w, int h, int seed) {
    auto b = std::make_unique<TteBitmap>();
    b->name = name;
    b->image = Image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b->image.at(x, y) = Pixel::pack(static_cast<std::uint8_t>(seed + 40 * x),
                                            static_cast<std::uint8_t>(3 * y),
                                            static_cast<std::uint8_t>(250 - 20 * y - x), 255);
    s.bitmaps.push_back(std::move(b));
    return s.bitmaps.back().get();
}

template <class T>
T& add_child(TSeSkinObject& parent, const std::string& name) {
    auto* child = new T(&parent);
    child->set_name(name);
    return *child;
}

template <class T>
T& add_root(TSeSkinSource& s, const std::string& name) {
    auto root = std::make_unique<T>();
    root->set_name(name);
    T& ref = *root;
    s.objects.push_back(std::move(root));
    return ref;
}

// A small form like the built-in one, a button with a text part, and one root per class with
// every property set.
inline void fill_sample(TSeSkinSource& s) {
    s.skin_name = "Sample metal";
    s.skin_version = "4.0";
    s.author = "Test Author";
    s.author_email = "a@example.org";
    s.author_url = "";
    TteBitmap* theme = add_image(s, "themeimage", 7, 5, 10);
    theme->image.at(1, 1) = kKeyPixel;
    theme->image.at(6, 4) = kKeyPixel;
    theme->key_flag = true;
    TteBitmap* track = add_image(s, "track.bmp", 3, 3, 90);
    track->image.at(2, 0) = Pixel::pack(200, 100, 50, 128);
    track->alpha_flag = true;

    auto& form = add_root<TSeSkinObject>(s, "Form");
    form.kind = TSeKind::skForm;
    form.color = 0x00D7E9EA;
    form.set_bounds({0, 0, 375, 247});
    auto& caption = add_child<TSeSkinObject>(form, "Caption");
    caption.align = TSeAlign::saTop;
    caption.set_height(29);
    auto& title = add_child<TSeActiveBitmap>(caption, "Title");
    title.kind = TSeKind::skTitle;
    title.color = 0x00E75900;
    title.font.name = "Trebuchet MS";
    title.font.style = kFontBold;
    title.font.color = 0x00000001;
    title.active_font.name = "Trebuchet MS";
    title.active_font.color = 0x00020202;
    title.bitmap.name = "themeimage";
    title.bitmap.right = 5;
    title.bitmap.bottom = 4;
    auto& buttons = add_child<TSeSkinObject>(caption, "ButtonContainer");
    auto& close = add_child<TSeSystemButton>(buttons, "CloseButton");
    close.action = TSeAction::sbaClose;
    add_child<TSeButtonObject>(close, "Glyph").tile_style = TscTileStyle::tsCenter;
    auto& left = add_child<TSeBitmapObject>(form, "Left");
    left.kind = TSeKind::skLeft;
    left.color = 0x00112233;
    auto& client = add_child<TSeSkinObject>(form, "Client");
    client.kind = TSeKind::skClient;

    auto& button = add_root<TSeSkinObject>(s, "Button");
    button.color = 0x00EFF3F7;
    auto& text = add_child<TSeTextObject>(button, "Text");
    text.font.name = "Tolsy";
    text.font_hot.name = "HotFace";
    text.font_pressed.name = "PressedFace";
    text.font_focused.name = "FocusedFace";
    text.font_disabled.name = "DisabledFace";

    int seed = 1;
    for (const ClassInfo* info : skin_object_classes()) {
        std::unique_ptr<TSeSkinObject> o(
            static_cast<TSeSkinObject*>(info->create_component(nullptr)));
        populate(*o, seed += 50);
        o->set_name("All" + info->name());
        o->kind = TSeKind::skNone;  // keep the kind look-ups above unambiguous
        s.objects.push_back(std::move(o));
    }

    for (int i = 0; i < kThemeColorCount; ++i) s.colors.colors[i] = 0x00010203u * (i + 1);
    s.colors.colors[4] = clBlack;
    s.colors.colors[16] = clHighlight;
    for (int i = 0; i < kThemeSysColorCount; ++i) s.sys_colors.colors[i] = 0x00050505u * i;
    for (int i = 0; i < kThemeFontCount; ++i) {
        ThemeFont& f = s.fonts.fonts[i];
        f.name = i % 2 ? "Tahoma" : "MS Sans Serif";
        f.size = 8 + i % 4;
        f.color = rgb_color(static_cast<std::uint8_t>(i), 0, static_cast<std::uint8_t>(255 - i));
        f.bold = i % 3 == 0;
        f.italic = i % 5 == 0;
    }
    for (auto& root : s.objects) {
        root->set_default_charsets();
        root->attach_images(&s.bitmaps);
    }
}

// The object as its binary record: class, name, every stored property and the children.
inline Bytes record_bytes(const TSeSkinObject& o) {
    ByteWriter w;
    write_object_record(w, o, RecordForm::kBinary);
    return w.take();
}

}  // namespace tolsy::test
