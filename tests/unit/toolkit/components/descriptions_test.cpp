// The window descriptions in resources/forms, read through the component streaming into
// stand-in classes and compared with the tables of the main window, the code map, the
// palettes and the About window.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

#include "base/windows1252.h"
#include "description_standins.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/component_stream.h"
#include "toolkit/components/text_stream.h"

namespace tolsy {
namespace {

using standin::Control;

std::string read_source(const char* relative) {
    std::ifstream in(std::string(TOLSY_SOURCE_DIR) + "/" + relative, std::ios::binary);
    EXPECT_TRUE(in.good()) << relative;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string cp1252(const std::u16string& s) {
    auto bytes = utf16_to_windows1252(s);
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or("");
}

class DescriptionTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { standin::register_all(); }

    template <class T = Control>
    T& get(Component& root, const char* name) {
        Component* c = root.find_component(name);
        EXPECT_NE(c, nullptr) << name;
        T* typed = dynamic_cast<T*>(c);
        if (!typed) throw std::runtime_error(std::string("missing or wrong class: ") + name);
        return *typed;
    }

    // Raises the event and returns the handler name it reached.
    std::string fire(standin::Form& form, NotifyEvent& e, Component& sender) {
        form.last_handler.clear();
        form.last_sender = nullptr;
        e(sender);
        if (!form.last_handler.empty()) {
            EXPECT_EQ(form.last_sender, &sender);
        }
        return form.last_handler;
    }
};

class MainWindow : public DescriptionTest {
  protected:
    void SetUp() override {
        const std::string text = read_source("resources/forms/tform1.txt");
        binary = object_text_to_binary(text);
        read_into(form, binary);
    }
    std::vector<std::uint8_t> binary;
    standin::TForm1 form;
};

TEST_F(MainWindow, WindowProperties) {
    EXPECT_EQ(form.name(), "Form1");
    EXPECT_EQ(form.caption, u"Framewright");
    EXPECT_EQ(form.client_width, 389);
    EXPECT_EQ(form.client_height, 241);
    EXPECT_EQ(form.color, clBtnFace);
    EXPECT_EQ(form.font.name, "MS Sans Serif");
    EXPECT_EQ(form.font.height, -11);
    EXPECT_EQ(form.font.charset, kDefaultCharset);
    EXPECT_EQ(form.font.color, clWindowText);
    EXPECT_EQ(form.border_icons, 0b0011u);  // system menu and minimise
    EXPECT_EQ(form.form_style, 3);          // stay on top
    EXPECT_EQ(form.position, 4);            // centred on the screen
    EXPECT_EQ(fire(form, form.on_create, form), "FormCreate");
    EXPECT_EQ(fire(form, form.on_show, form), "FormShow");
    EXPECT_EQ(fire(form, form.on_activate, form), "FormActivate");
}

struct ControlRow {
    const char* name;
    const char* class_name;
    const char* parent;
    int left, top, width, height, tab_order;
};

// The child controls, in creation order.
const ControlRow kControls[] = {
    {"TePageControl1", "TTePageControl", "Form1", 5, 0, 381, 153, 0},
    {"TeGroupBox1", "TTeGroupBox", "TeTabSheet1", 0, 8, 65, 49, 0},
    {"SymbolComboBox", "TTeComboBox", "TeGroupBox1", 12, 16, 45, 22, 0},
    {"TeGroupBox2", "TTeGroupBox", "TeTabSheet1", 64, 8, 185, 49, 1},
    {"DiaCheckBox", "TTeCheckBox", "TeGroupBox2", 8, 16, 29, 20, 0},
    {"ConditionComboBox", "TTeComboBox", "TeGroupBox2", 128, 16, 49, 22, 1},
    {"ToleranceComboBox", "TTeComboBox", "TeGroupBox2", 44, 16, 77, 22, 2},
    {"TeGroupBox3", "TTeGroupBox", "TeTabSheet1", 248, 8, 121, 109, 2},
    {"DatumCond1ComboBox", "TTeComboBox", "TeGroupBox3", 64, 17, 45, 22, 0},
    {"DatumCond2ComboBox", "TTeComboBox", "TeGroupBox3", 64, 46, 45, 22, 1},
    {"DatumCond3ComboBox", "TTeComboBox", "TeGroupBox3", 64, 76, 45, 22, 2},
    {"Datum1ComboBox", "TTeComboBox", "TeGroupBox3", 12, 16, 45, 22, 3},
    {"Datum2ComboBox", "TTeComboBox", "TeGroupBox3", 12, 45, 44, 22, 4},
    {"Datum3ComboBox", "TTeComboBox", "TeGroupBox3", 12, 74, 45, 22, 5},
    {"TePanel1", "TTePanel", "Form1", 5, 159, 381, 45, 1},
    {"DisplayEdit", "TTeEdit", "TePanel1", 6, 7, 366, 30, 0},
    {"ClearAllButton", "TTeButton", "Form1", 22, 208, 73, 25, 2},
    {"TeEffectButton1", "TTeEffectButton", "Form1", 290, 208, 77, 25, 3},
    {"TeButton1", "TTeButton", "Form1", 134, 208, 125, 25, 4},
};

std::size_t creation_index(const Component& root, const Component* c) {
    const auto& all = root.components();
    return static_cast<std::size_t>(std::find(all.begin(), all.end(), c) - all.begin());
}

TEST_F(MainWindow, ControlsKindsParentsBoundsAndTabOrder) {
    std::size_t previous = 0;
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        Control& c = get(form, row.name);
        EXPECT_EQ(c.class_info().name(), row.class_name);
        ASSERT_NE(c.parent_component(), nullptr);
        EXPECT_EQ(c.parent_component()->name(), row.parent);
        EXPECT_EQ(c.owner(), &form);
        EXPECT_EQ(c.left, row.left);
        EXPECT_EQ(c.top, row.top);
        EXPECT_EQ(c.width, row.width);
        EXPECT_EQ(c.height, row.height);
        EXPECT_EQ(c.tab_order, row.tab_order);
        const std::size_t index = creation_index(form, &c);
        if (previous) {
            EXPECT_GT(index, previous);
        }
        previous = index;
    }
}

TEST_F(MainWindow, PagesCaptionsAndFlags) {
    auto& pages = get<standin::PageControl>(form, "TePageControl1");
    EXPECT_TRUE(pages.tab_stop);
    EXPECT_EQ(pages.active_page, &get(form, "TeTabSheet1"));
    const char* sheets[] = {"TeTabSheet1", "TeTabSheet2", "TeTabSheet3"};
    const char16_t* captions[] = {u"Tolerance", u"Symbols", u"Symbols2"};
    ASSERT_EQ(pages.child_components().size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(pages.child_components()[i]->name(), sheets[i]);
        EXPECT_EQ(get(form, sheets[i]).caption, captions[i]);
    }
    EXPECT_EQ(get(form, "TeGroupBox1").caption, u"Symbol");
    EXPECT_EQ(get(form, "TeGroupBox2").caption, u"Tolerance");
    EXPECT_EQ(get(form, "TeGroupBox3").caption, u"Datums");
    for (const char* g : {"TeGroupBox1", "TeGroupBox2", "TeGroupBox3"})
        EXPECT_TRUE(get(form, g).transparent) << g;

    auto& dia = get<standin::CheckBox>(form, "DiaCheckBox");
    EXPECT_EQ(dia.caption, u"\u00D8");
    EXPECT_EQ(dia.font.name, "MS Sans Serif");
    EXPECT_EQ(dia.font.height, -13);
    EXPECT_EQ(dia.spacing, 5);
    EXPECT_TRUE(dia.transparent);
    EXPECT_EQ(fire(form, dia.on_click, dia), "DiaCheckBoxClick");

    EXPECT_EQ(get(form, "ClearAllButton").caption, u"Clear");
    EXPECT_EQ(get(form, "TeEffectButton1").caption, u"&Close");
    EXPECT_EQ(get(form, "TeButton1").caption, u"To Clip&board");
    EXPECT_TRUE(get(form, "TeButton1").is_default);
    EXPECT_FALSE(get(form, "ClearAllButton").is_default);
    EXPECT_EQ(fire(form, get(form, "ClearAllButton").on_click, form), "ClearAllButtonClick");
    EXPECT_EQ(fire(form, get(form, "TeEffectButton1").on_click, form), "CloseButtonClick");
    EXPECT_EQ(fire(form, get(form, "TeButton1").on_click, form), "ClipboardButtonClick");

    auto& close = get<standin::EffectButton>(form, "TeEffectButton1");
    EXPECT_TRUE(close.animation.enabled);
    EXPECT_EQ(close.animation.resolution, 10);
    EXPECT_EQ(close.animation.time, 400);
    EXPECT_EQ(close.animation.effect_mouse_enter, "[ FADE ] - Fade");
    EXPECT_EQ(close.animation.effect_mouse_leave, "[ FADE ] - Fade");
    EXPECT_EQ(close.sound_options, 0u);

    auto& edit = get(form, "DisplayEdit");
    EXPECT_EQ(edit.font.name, "Tolsy");
    EXPECT_EQ(edit.font.height, -19);
    EXPECT_EQ(edit.font.charset, kAnsiCharset);
    EXPECT_EQ(fire(form, edit.on_change, edit), "DisplayEditChange");
}

struct ListRow {
    const char* name;
    std::uint8_t charset;
    bool pick_only;
    std::vector<std::string> items;  // as glyph bytes
};

std::vector<std::string> singles(std::initializer_list<int> codes) {
    std::vector<std::string> out{" "};
    for (int c : codes) out.emplace_back(1, static_cast<char>(c));
    return out;
}

TEST_F(MainWindow, ListItemsAreTheCodeMapsGlyphs) {
    const auto symbols = singles(
        {0xFB, 0xFC, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xB2, 0xB3, 0xFF, 0xBA});
    const auto modifiers = singles({0xDD, 0xDE, 0xDF, 0x85, 0x9F, 0x9E});
    const std::vector<std::string> tolerances = {" ",
                                                 "\xF9\xEE\xEE\xEF",
                                                 "\xF9\xEE\xEE\xF0",
                                                 "\xF9\xEE\xEE\xF2",
                                                 "\xF9\xEE\xEE\xF3",
                                                 "\xF9\xEE\xEF\xEE",
                                                 "\xF9\xEE\xEF\xF3",
                                                 "\xF9\xEE\xF0\xEE"};
    std::vector<std::string> letters{" "};
    for (char c = 'A'; c <= 'Z'; ++c) letters.emplace_back(1, c);
    const ListRow lists[] = {
        {"SymbolComboBox", kDefaultCharset, true, symbols},
        {"ConditionComboBox", kAnsiCharset, true, modifiers},
        {"ToleranceComboBox", kAnsiCharset, false, tolerances},
        {"DatumCond1ComboBox", kDefaultCharset, true, modifiers},
        {"DatumCond2ComboBox", kDefaultCharset, true, modifiers},
        {"DatumCond3ComboBox", kDefaultCharset, true, modifiers},
        {"Datum1ComboBox", kDefaultCharset, true, letters},
        {"Datum2ComboBox", kDefaultCharset, true, letters},
        {"Datum3ComboBox", kDefaultCharset, true, letters},
    };
    for (const ListRow& row : lists) {
        SCOPED_TRACE(row.name);
        auto& list = get<standin::ComboBox>(form, row.name);
        ASSERT_EQ(list.items.lines.size(), row.items.size());
        for (std::size_t i = 0; i < row.items.size(); ++i)
            EXPECT_EQ(cp1252(list.items.lines[i]), row.items[i]) << i;
        EXPECT_EQ(list.style, row.pick_only ? 2 : 0);
        EXPECT_EQ(list.font.name, "Tolsy");
        EXPECT_EQ(list.font.height, -16);
        EXPECT_EQ(list.font.charset, row.charset);
        EXPECT_EQ(list.item_height, 16);
        EXPECT_FALSE(list.parent_font);
        EXPECT_EQ(fire(form, list.on_change, list), std::string(row.name) + "Change");
    }
    auto& symbol = get<standin::ComboBox>(form, "SymbolComboBox");
    EXPECT_FALSE(symbol.auto_complete);
    EXPECT_FALSE(symbol.ctl3d);
    // Modifier labels at 0x80..0x9F are the Windows-1252 characters, not C1 controls.
    EXPECT_EQ(symbol.items.lines.size(), 15u);
    auto& condition = get<standin::ComboBox>(form, "ConditionComboBox");
    EXPECT_EQ(condition.items.lines[4], u"\u2026");
    EXPECT_EQ(condition.items.lines[5], u"\u0178");
    EXPECT_EQ(condition.items.lines[6], u"\u017E");
}

struct Palette {
    const char* sheet;
    std::vector<const char*> rows;  // "top: number(left)code ..."
};

const Palette kPalettes[] = {
    {"TeTabSheet2",
     {"0: 1(0)C0 2(24)C1 3(48)C2 4(72)C3 5(96)C4 6(120)C5 7(144)C6 8(168)C7 9(192)C8 10(216)C9 "
      "11(240)CA "
      "12(264)CB 13(288)CC 14(312)CD 15(336)CE",
      "21: 16(0)CF 17(24)D0 18(48)D1 19(72)D2 20(96)D3 21(120)D4 22(144)D5 23(168)D6 24(192)D7 "
      "25(216)D8 26(240)D9",
      "22: 61(299)A1 62(322)B1 63(345)B0",
      "44: 31(0)FB 28(23)E8 29(46)E7 30(69)E1 32(92)E2 33(115)E3 34(138)E5 35(161)E4 36(185)E6 "
      "37(210)FC "
      "38(233)B2 39(256)B3 60(279)FF 99(302)96 100(322)BA",
      "68: 46(0)EB 47(23)EC 48(46)ED 49(95)EE 50(118)EF 51(141)F0 52(164)F1 53(187)F2 54(210)F3 "
      "55(233)F4 "
      "56(256)F5 57(280)F6 58(303)F7 59(326)F9 70(349)FA",
      "96: 65(3)E9 66(26)EA 67(49)B9 68(72)B6 27(169)E0 98(193)95",
      "100: 40(227)DF 41(250)DE 42(273)DD 43(296)85 44(319)9E 45(342)9F"}},
    {"TeTabSheet3",
     {"0: 71(0)FE 72(23)A4 73(46)BF 74(70)AC 75(95)DB 76(119)DA 77(143)B4 78(167)BB 79(191)AB",
      "32: 80(8)82 81(32)86 82(56)87 83(80)88 84(103)89 85(127)8A 86(151)8B 87(175)8C 88(198)83 "
      "64(222)A2 69(246)FD",
      "64: 89(4)91 90(28)92 91(52)93 92(76)94 93(100)84 94(124)A8 95(175)B8 96(199)9C 97(223)AE "
      "101(248)98 "
      "102(272)9A 103(296)AF"}},
};

const std::map<int, const char*> kMeanings = {{0xEB, "Left Box"},
                                              {0xEC, "Middle Box"},
                                              {0xED, "Right Box"},
                                              {0xE0, "Diameter"},
                                              {0xA1, "Diameter"},
                                              {0xF9, "Decimal Point"},
                                              {0xFA, "Minus"},
                                              {0xB1, "Plus Minus"},
                                              {0xB0, "Degrees"},
                                              {0x95, "Degrees"},
                                              {0xFB, "Position"},
                                              {0xFC, "Profile-Line"},
                                              {0xE1, "Parallelism"},
                                              {0xE2, "Concentricity"},
                                              {0xE3, "Purpendicularity"},
                                              {0xE4, "Flatness"},
                                              {0xE5, "Cylindricity"},
                                              {0xE6, "Profile-Surface"},
                                              {0xE7, "Circular Runout"},
                                              {0xE8, "Total Runout"},
                                              {0xB2, "Angularity"},
                                              {0xB3, "Straightness"},
                                              {0xFF, "Symmetry"},
                                              {0xBA, "Roundness"},
                                              {0xDD, "Least Material Condition"},
                                              {0xDE, "Maximum Material Condition"},
                                              {0xDF, "Regardless of Feature Size"},
                                              {0x85, "Tangent Plane"},
                                              {0x9F, "Free State"},
                                              {0x9E, "Projected Tolerance Zone"},
                                              {0x82, "Micro Inches"},
                                              {0x86, "Micro Millimeters"},
                                              {0x87, "Countersink"},
                                              {0x83, "Counter Bore"},
                                              {0x88, "Stock Removal"},
                                              {0x89, "All Around"},
                                              {0x8A, "Profile of Line"},
                                              {0x8B, "Conical Taper"},
                                              {0x8C, "Datum Target"},
                                              {0x91, "Dimension Origin"},
                                              {0x92, "Slope"},
                                              {0x93, "Symetrical"},
                                              {0x94, "Square"},
                                              {0x84, "Statistical Tolerance"},
                                              {0xA2, "Centerline"},
                                              {0xFD, "Marking"},
                                              {0xBF, "Material Removal"},
                                              {0xAC, "As Produced"}};

// The Label column of the code map for codes 0x80..0x9F.
const std::map<int, char16_t> kHighLabels = {
    {0x82, u'\u201A'}, {0x83, u'\u0192'}, {0x84, u'\u201E'}, {0x85, u'\u2026'}, {0x86, u'\u2020'},
    {0x87, u'\u2021'}, {0x88, u'\u02C6'}, {0x89, u'\u2030'}, {0x8A, u'\u0160'}, {0x8B, u'\u2039'},
    {0x8C, u'\u0152'}, {0x91, u'\u2018'}, {0x92, u'\u2019'}, {0x93, u'\u201C'}, {0x94, u'\u201D'},
    {0x95, u'\u2022'}, {0x96, u'\u2013'}, {0x98, u'\u02DC'}, {0x9A, u'\u0161'}, {0x9C, u'\u0153'},
    {0x9E, u'\u017E'}, {0x9F, u'\u0178'}};

TEST_F(MainWindow, PaletteButtonsMatchTheGrid) {
    std::set<int> numbers, codes;
    for (const Palette& palette : kPalettes) {
        Control& sheet = get(form, palette.sheet);
        std::size_t on_sheet = 0;
        for (const char* row : palette.rows) {
            std::istringstream in(row);
            int top = 0;
            char colon = 0;
            in >> top >> colon;
            std::string entry;
            while (in >> entry) {
                int number = 0, left = 0;
                char open = 0, close = 0;
                std::istringstream e(entry);
                e >> number >> open >> left >> close >> std::hex;
                int code = 0;
                e >> code;
                SCOPED_TRACE("TeSpeedButton" + std::to_string(number));
                Control& b = get(form, ("TeSpeedButton" + std::to_string(number)).c_str());
                EXPECT_EQ(b.class_info().name(), "TTeSpeedButton");
                EXPECT_EQ(b.parent_component(), &sheet);
                EXPECT_EQ(b.left, left);
                EXPECT_EQ(b.top, top);
                EXPECT_EQ(b.width, number == 36 ? 25 : 23);
                EXPECT_EQ(b.height, 22);
                EXPECT_TRUE(b.flat);
                const std::u16string label =
                    number == 72 ? std::u16string(u"  ") + char16_t(0xA4)
                                 : std::u16string(1, kHighLabels.count(code) ? kHighLabels.at(code)
                                                                             : char16_t(code));
                EXPECT_EQ(b.caption, label);
                EXPECT_EQ(cp1252(b.caption).back(), static_cast<char>(code));
                EXPECT_EQ(b.font.name, "Tolsy");
                EXPECT_EQ(b.font.height, number == 1 ? -15 : number == 80 ? -21 : -13);
                EXPECT_EQ(b.font.charset, kAnsiCharset);
                const auto meaning = kMeanings.find(code);
                EXPECT_EQ(b.hint,
                          meaning == kMeanings.end() ? u"" : windows1252_to_utf16(meaning->second));
                EXPECT_EQ(b.show_hint, meaning != kMeanings.end());
                EXPECT_EQ(fire(form, b.on_click, b), "TeSpeedButton1Click");
                numbers.insert(number);
                codes.insert(code);
                ++on_sheet;
            }
        }
        EXPECT_EQ(sheet.child_components().size(), on_sheet);
    }
    EXPECT_EQ(numbers.size(), 103u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 103);
    EXPECT_EQ(codes.size(), 103u);
    EXPECT_EQ(get(form, "TeTabSheet2").child_components().size(), 71u);
    EXPECT_EQ(get(form, "TeTabSheet3").child_components().size(), 32u);
}

TEST_F(MainWindow, NonVisualComponents) {
    auto& list = get<standin::ThemeList>(form, "TeThemeList1");
    ASSERT_EQ(list.themes.size(), 1u);
    EXPECT_EQ(list.themes.at(0).theme_store, "Tolsy metal");
    EXPECT_EQ(list.themes.at(0).tag, 0);
    EXPECT_EQ(list.themes.at(0).container, std::string(1, '\0'));  // empty until the theme is built

    auto& engine = get<standin::ThemeEngine>(form, "TeThemeEngine1");
    EXPECT_EQ(engine.theme_list, &list);
    EXPECT_EQ(engine.theme_index, 0);
    EXPECT_EQ(engine.delta_hue, 0);
    EXPECT_EQ(engine.delta_brightness, 0);
    EXPECT_EQ(engine.theme_building, "No theme");
    EXPECT_EQ(engine.version, "7.04");

    auto& menu = get<standin::PopupMenu>(form, "SysPopupMenu1");
    auto& skin = get<standin::SkinForm>(form, "TeForm1");
    EXPECT_EQ(skin.border_icons, 0b111u);  // close, system menu, minimise
    EXPECT_EQ(skin.border_style, 3);       // kbsDialog
    EXPECT_FALSE(skin.dragging.sizeable);
    EXPECT_FALSE(skin.gravitation.owned_form);
    EXPECT_EQ(skin.system_menu_link, &menu);
    EXPECT_FALSE(skin.merge);
    EXPECT_FALSE(skin.merge_at_first);
    EXPECT_EQ(skin.performance, 0);
    EXPECT_TRUE(skin.stay_on_top);
    EXPECT_EQ(skin.theme_object, "default");

    const char* items[][3] = {{"N1", "-", ""},
                              {"About1", "About...", "CustomItem1Click"},
                              {"Help1", "Help...", "Help1Click"},
                              {"Close1", "Close", "Close1Click"}};
    ASSERT_EQ(menu.child_components().size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        auto& item = get<standin::MenuItem>(form, items[i][0]);
        EXPECT_EQ(menu.child_components()[i], &item);
        EXPECT_EQ(item.caption, windows1252_to_utf16(items[i][1]));
        EXPECT_EQ(fire(form, item.on_click, item), items[i][2]);
    }

    auto& help = get<standin::HelpRouter>(form, "HelpRouter1");
    EXPECT_EQ(help.help_type, 1);  // htHTMLhelp
    EXPECT_EQ(help.show_type, 0);
    EXPECT_EQ(help.help_file, "tolsy.chm");
    EXPECT_EQ(help.chm_popup_topics, "CSHelp.txt");

    // The reference to the menu clears when the menu goes.
    delete &menu;
    EXPECT_EQ(skin.system_menu_link, nullptr);
}

TEST_F(MainWindow, TextAndBinaryFormsAgree) {
    const std::string text = read_source("resources/forms/tform1.txt");
    std::string crlf;
    for (char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    EXPECT_EQ(object_binary_to_text(binary), crlf);
}

class AboutWindow : public DescriptionTest {
  protected:
    void SetUp() override {
        read_into(about, object_text_to_binary(read_source("resources/forms/tabout.txt")));
    }
    standin::TAbout about;
};

TEST_F(AboutWindow, WindowAndMembers) {
    EXPECT_EQ(about.caption, u"About");
    EXPECT_EQ(about.border_style, 3);   // dialog border
    EXPECT_EQ(about.border_icons, 1u);  // no minimise or maximise box
    EXPECT_EQ(about.client_width, 269);
    EXPECT_EQ(about.client_height, 218);
    EXPECT_EQ(about.color, clBlack);
    EXPECT_EQ(about.font.name, "MS Sans Serif");
    EXPECT_EQ(about.font.height, -11);
    EXPECT_EQ(about.position, 4);
    EXPECT_EQ(fire(about, about.on_create, about), "FormCreate");
    EXPECT_EQ(fire(about, about.on_activate, about), "FormActivate");
    EXPECT_EQ(fire(about, about.on_close, about), "FormClose");

    const ControlRow members[] = {
        {"Starfield1", "TStarfield", "About", 0, 0, 269, 218, -1},
        {"Panel1", "TPanel", "About", 36, 28, 205, 61, 0},
        {"BehaviorLabel1", "TBehaviorLabel", "Panel1", 4, 0, 142, 20, -1},
        {"Panel2", "TPanel", "About", 91, 104, 97, 52, 1},
        {"BehaviorLabel2", "TBehaviorLabel", "Panel2", 8, 0, 85, 13, -1},
        {"TeButton1", "TTeButton", "About", 99, 176, 75, 25, 2},
    };
    std::size_t previous = 0;
    for (const ControlRow& row : members) {
        SCOPED_TRACE(row.name);
        Control& c = get(about, row.name);
        EXPECT_EQ(c.class_info().name(), row.class_name);
        EXPECT_EQ(c.parent_component()->name(), row.parent);
        EXPECT_EQ(c.left, row.left);
        EXPECT_EQ(c.top, row.top);
        EXPECT_EQ(c.width, row.width);
        EXPECT_EQ(c.height, row.height);
        EXPECT_EQ(c.tab_order, row.tab_order);
        const std::size_t index = creation_index(about, &c);
        if (previous) {
            EXPECT_GT(index, previous);
        }
        previous = index;
    }
    EXPECT_EQ(get(about, "Starfield1").align, 5);  // fills the client area
    for (const char* p : {"Panel1", "Panel2"}) {
        auto& panel = get<standin::Panel>(about, p);
        EXPECT_EQ(panel.bevel_outer, 0);
        EXPECT_EQ(panel.color, clBlack);
    }
    auto& first = get<standin::BehaviorLabel>(about, "BehaviorLabel1");
    auto& second = get<standin::BehaviorLabel>(about, "BehaviorLabel2");
    for (auto* label : {&first, &second}) {
        EXPECT_EQ(label->behavior, "Appearing");
        EXPECT_EQ(label->alignment, 2);  // centred
        EXPECT_FALSE(label->visible);
        EXPECT_EQ(label->font.name, "MS Sans Serif");
    }
    EXPECT_EQ(first.font.height, -16);
    EXPECT_EQ(first.font.style, kFontBold);
    EXPECT_EQ(first.font.color, 0x0000FFu);
    EXPECT_EQ(second.font.height, -11);
    EXPECT_EQ(second.font.style, 0);
    EXPECT_EQ(second.font.color, 0xFFFF00u);
    EXPECT_EQ(fire(about, first.on_stop, first), "BehaviorLabel1Stop");
    EXPECT_FALSE(second.on_stop);

    auto& ok = get<standin::Button>(about, "TeButton1");
    EXPECT_EQ(ok.caption, u"OK");
    EXPECT_TRUE(ok.is_default);
    EXPECT_EQ(ok.modal_result, 1);
    EXPECT_EQ(ok.kind, 1);  // bkOK
    EXPECT_EQ(fire(about, ok.on_click, ok), "TeButton1Click");

    auto& info = get<standin::InfoExe>(about, "EPInfoExe1");
    EXPECT_EQ(info.lang_id, "0409");
    EXPECT_EQ(info.parent_component(), &about);
}

}  // namespace
}  // namespace tolsy
