#include "app/form1_controls_win.h"

#include "app/form1_glyphs.h"
#include "composer/cp1252.h"
#include "composer/glyph_codes.h"
#include "composer/palette.h"

namespace tolsy {

namespace {
constexpr char kSymbolFont[] = "Tolsy";
constexpr int kListFontHeight = -16;
constexpr int kDisplayFontHeight = -19;
constexpr int kItemHeight = 16;
constexpr int kListHeight = 22;

FontSpec symbol_font(int height, int charset) {
    FontSpec font;
    font.name = kSymbolFont;
    font.height = height;
    font.charset = charset;
    return font;
}

std::wstring wide(std::string_view bytes) {
    const std::u16string text = cp1252_to_utf16(bytes);
    return std::wstring(text.begin(), text.end());
}

void fill_list(ComboBox& box, ComposerList which) {
    std::vector<std::wstring> items;
    for (const std::string& item : list_items(which)) items.push_back(wide(item));
    box.set_items(items);
}

void create_list(ComboBox& box, ComposerList which, const Bounds& bounds, HWND parent, int charset,
                 bool flat) {
    box.set_font(symbol_font(kListFontHeight, charset));
    box.set_item_height(kItemHeight);
    box.set_flat(flat);
    box.create(bounds, parent);
    fill_list(box, which);
}
}  // namespace

ComboBox& Form1Controls::list(ComposerList which) {
    switch (which) {
        case ComposerList::kSymbol: return SymbolComboBox;
        case ComposerList::kCondition: return ConditionComboBox;
        case ComposerList::kTolerance: return ToleranceComboBox;
        case ComposerList::kDatum1: return Datum1ComboBox;
        case ComposerList::kDatum2: return Datum2ComboBox;
        case ComposerList::kDatum3: return Datum3ComboBox;
        case ComposerList::kDatumCond1: return DatumCond1ComboBox;
        case ComposerList::kDatumCond2: return DatumCond2ComboBox;
        case ComposerList::kDatumCond3: return DatumCond3ComboBox;
    }
    return SymbolComboBox;
}

void Form1Controls::create_tolerance_page() {
    using L = ComposerList;
    HWND sheet = TeTabSheet1->handle();
    for (GroupBox* box : {&TeGroupBox1, &TeGroupBox2, &TeGroupBox3}) box->set_font(FontSpec{});
    TeGroupBox1.set_caption("Symbol");
    TeGroupBox1.create_container({0, 8, 65, 49}, sheet);
    create_list(SymbolComboBox, L::kSymbol, {12, 16, 45, kListHeight}, TeGroupBox1.handle(),
                DEFAULT_CHARSET, true);

    TeGroupBox2.set_caption("Tolerance");
    TeGroupBox2.create_container({64, 8, 185, 49}, sheet);
    DiaCheckBox.set_caption("\xD8");  // the letter O with stroke, in the ordinary font
    DiaCheckBox.set_font(FontSpec{.name = "MS Sans Serif", .height = -13});
    DiaCheckBox.create({8, 16, 29, 20}, TeGroupBox2.handle());
    create_list(ConditionComboBox, L::kCondition, {128, 16, 49, kListHeight},
                TeGroupBox2.handle(), ANSI_CHARSET, true);
    create_list(ToleranceComboBox, L::kTolerance, {44, 16, 77, kListHeight}, TeGroupBox2.handle(),
                ANSI_CHARSET, false);

    TeGroupBox3.set_caption("Datums");
    TeGroupBox3.create_container({248, 8, 121, 109}, sheet);
    HWND datums = TeGroupBox3.handle();
    create_list(DatumCond1ComboBox, L::kDatumCond1, {64, 17, 45, kListHeight}, datums,
                DEFAULT_CHARSET, true);
    create_list(DatumCond2ComboBox, L::kDatumCond2, {64, 46, 45, kListHeight}, datums,
                DEFAULT_CHARSET, true);
    create_list(DatumCond3ComboBox, L::kDatumCond3, {64, 76, 45, kListHeight}, datums,
                DEFAULT_CHARSET, true);
    create_list(Datum1ComboBox, L::kDatum1, {12, 16, 45, kListHeight}, datums, DEFAULT_CHARSET,
                true);
    create_list(Datum2ComboBox, L::kDatum2, {12, 45, 44, kListHeight}, datums, DEFAULT_CHARSET,
                true);
    create_list(Datum3ComboBox, L::kDatum3, {12, 74, 45, kListHeight}, datums, DEFAULT_CHARSET,
                true);
}

void Form1Controls::create_palettes(HWND form) {
    for (const PaletteButton& b : palette_buttons()) {
        TabSheet* sheet = b.page == PalettePage::kSymbols ? TeTabSheet2 : TeTabSheet3;
        auto button = std::make_unique<SpeedButton>();
        button->set_name("TeSpeedButton" + std::to_string(b.number));
        button->set_bounds({b.left, b.top, b.width, b.height});
        button->set_caption(std::wstring(b.label.begin(), b.label.end()));
        button->set_font(symbol_font(b.font_height, ANSI_CHARSET));
        button->set_flat(true);
        const int glyph = palette_label_glyph(utf16_to_cp1252(b.label));
        if (const auto meaning = glyph < 0 ? std::nullopt
                                           : glyph_meaning(static_cast<unsigned char>(glyph))) {
            button->set_hint(wide(*meaning));
        }
        sheet->add_speed_button(std::move(button));
    }
    TeTabSheet2->create_tool_tips(form);
    TeTabSheet3->create_tool_tips(form);
}

void Form1Controls::create(HWND form) {
    TePageControl1.create({5, 0, 381, 153}, form);
    TeTabSheet1 = &TePageControl1.add_page("Tolerance");
    TeTabSheet2 = &TePageControl1.add_page("Symbols");
    TeTabSheet3 = &TePageControl1.add_page("Symbols2");
    create_tolerance_page();
    create_palettes(form);

    TePanel1.create_container({5, 159, 381, 45}, form);
    DisplayEdit.set_font(symbol_font(kDisplayFontHeight, ANSI_CHARSET));
    DisplayEdit.create({6, 7, 366, 30}, TePanel1.handle());

    for (PushButton* button : {&ClearAllButton, &TeEffectButton1, &TeButton1}) {
        button->set_font(FontSpec{});
    }
    ClearAllButton.set_caption("Clear");
    ClearAllButton.set_glyph(clear_button_glyph());
    ClearAllButton.create({22, 208, 73, 25}, form);
    TeEffectButton1.set_caption("&Close");
    TeEffectButton1.set_glyph(close_button_glyph());
    TeEffectButton1.create({290, 208, 77, 25}, form);
    TeButton1.set_caption("To Clip&board");
    TeButton1.set_glyph(clipboard_button_glyph());
    TeButton1.set_default(true);
    TeButton1.create({134, 208, 125, 25}, form);
}

}  // namespace tolsy
