#include "toolkit/components/font.h"

#include "toolkit/components/class_builder.h"

namespace tolsy {

const EnumInfo kFontStyleNames{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
const EnumInfo kFontPitchNames{"TFontPitch", {"fpDefault", "fpVariable", "fpFixed"}};

const ClassInfo& Font::static_class_info() {
    static const ClassInfo info = declare_class<Font>("TFont", nullptr, [](auto& c) {
        c.charset("Charset", &Font::charset, kDefaultCharset);
        c.color("Color", &Font::color, clWindowText);
        c.integer("Height", &Font::height, -11);
        c.string("Name", &Font::name, "MS Sans Serif");
        c.enumeration("Pitch", &Font::pitch, kFontPitchNames, FontPitch::kDefault);
        c.set("Style", &Font::style, kFontStyleNames);
    });
    return info;
}

void Font::assign(const Font& other) {
    charset = other.charset;
    color = other.color;
    height = other.height;
    name = other.name;
    pitch = other.pitch;
    style = other.style;
}

bool Font::operator==(const Font& other) const {
    return charset == other.charset && color == other.color && height == other.height &&
           name == other.name && pitch == other.pitch && style == other.style;
}

}  // namespace tolsy
