// Colour and font tables for skins stored without them, taken from well-known objects.
#include "skin/model/system_colours.h"
#include "skin/stored/skin_source.h"

namespace tolsy {
namespace {

ThemeFont theme_font(const Font& font) {
    ThemeFont f;
    f.name = font.name;
    f.size = font_points(font);
    f.color = font.color;
    f.charset = font.charset;
    f.bold = (font.style & kFontBold) != 0;
    f.italic = (font.style & kFontItalic) != 0;
    f.underline = (font.style & kFontUnderline) != 0;
    f.strikeout = (font.style & kFontStrikeOut) != 0;
    return f;
}

TSeSkinObject* descendant_of_kind(TSeSkinObject* root, TSeKind kind) {
    if (root == nullptr) return nullptr;
    for (std::size_t i = 0; i < root->child_count(); ++i)
        if (TSeSkinObject* found = root->child(i)->find_kind(kind)) return found;
    return nullptr;
}

class TableDeriver {
  public:
    TableDeriver(const TSeSkinSource& source, TteThemeColors& colors, TteThemeFonts& fonts)
        : source_(source), colors_(colors), fonts_(fonts) {}

    void colors() {
        TSeSkinObject* form = root("form");
        color_of(form, {3});
        color_of(descendant_of_kind(form, TSeKind::skTitle), {0, 1});
        color_of(descendant_of_kind(form, TSeKind::skLeft), {2});
        color_of(root("listbox"), {18, 19});
        color_of(root("grid"), {20});
        colors_.colors[4] = clBlack;
        color_of(root("container"), {5, 6});
        color_of(root("button"), {7, 8, 9, 10, 11});
        color_of(root("edit"), {12, 13, 14, 15});
        colors_.colors[16] = resolve_color(clHighlight);
        TSeSkinObject* hint = root("hint");
        colors_.colors[17] = hint ? hint->color : resolve_color(system_color(kColorInfoBk));
    }

    void fonts() {
        using S = VisualState;
        TSeSkinObject* title = descendant_of_kind(root("form"), TSeKind::skTitle);
        put(title, 0, {S::kFocused, S::kNormal});
        put(part("button", "text"), 10,
            {S::kNormal, S::kPressed, S::kHot, S::kFocused, S::kDisabled});
        put(part("checkbox", "text"), 15,
            {S::kNormal, S::kPressed, S::kHot, S::kFocused, S::kDisabled});
        put(part("radiobutton", "text"), 20,
            {S::kNormal, S::kPressed, S::kHot, S::kFocused, S::kDisabled});
        put(part("groupbox", "caption"), 25, {S::kNormal, S::kDisabled});
        ThemeFont plain;
        plain.name = "Tahoma";
        plain.size = 8;
        plain.color = clBlack;
        fonts_.fonts[27] = fonts_.fonts[28] = plain;
        if (TSeSkinObject* edit_text = part("edit", "text")) {
            put(edit_text, 29, {S::kNormal, S::kFocused, S::kHot, S::kDisabled, S::kNormal});
            fonts_.fonts[33].color = clWhite;
        }
        put(part("listbox", "item"), 57,
            {S::kNormal, S::kNormal, S::kFocused, S::kNormal, S::kDisabled});
        put(part("menubar", "item"), 34, {S::kNormal, S::kFocused, S::kHot, S::kDisabled});
        put(part("menubar", "toolbaritem"), 38, {S::kNormal, S::kFocused, S::kHot, S::kDisabled});
        if (TSeSkinObject* popup_item = part("popupmenu", "item")) {
            put(popup_item, 62, {S::kNormal, S::kFocused, S::kHot, S::kDisabled});
            fonts_.fonts[65].color = 0x808080;
        }
    }

  private:
    TSeSkinObject* root(std::string_view name) const { return source_.find_object(name); }

    TSeSkinObject* part(std::string_view root_name, std::string_view part_name) const {
        TSeSkinObject* r = root(root_name);
        return r ? r->find_part(part_name) : nullptr;
    }

    // Positions whose object is missing keep their values.
    void color_of(const TSeSkinObject* object, std::initializer_list<int> positions) {
        if (object == nullptr) return;
        for (int p : positions) colors_.colors[static_cast<std::size_t>(p)] = object->color;
    }

    void put(const TSeSkinObject* object, int first, std::initializer_list<VisualState> states) {
        if (object == nullptr) return;
        int position = first;
        for (VisualState s : states)
            fonts_.fonts[static_cast<std::size_t>(position++)] = theme_font(object->state_font(s));
    }

    const TSeSkinSource& source_;
    TteThemeColors& colors_;
    TteThemeFonts& fonts_;
};

}  // namespace

void TSeSkinSource::derive_tables() {
    TableDeriver deriver(*this, colors, fonts);
    deriver.colors();
    deriver.fonts();
}

}  // namespace tolsy
