// The main window's description, as the build makes it, read into the control components:
// every control in its place, with the items, captions, fonts and handlers the window needs.
#include "app/form1_description.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/windows1252.h"
#include "built_form1.h"

namespace tolsy {
namespace {

class Form1DescriptionTest : public ::testing::Test {
  protected:
    template <class T = Control>
    T& get(std::string_view name) {
        return built.form->control<T>(name);
    }
    std::string fire(NotifyEvent& e, Component& sender) { return built.fire(e, sender); }

    test::BuiltForm1 built;
};

std::string glyphs(const std::u16string& text) {
    return utf16_to_windows1252_lossy(text);
}

TEST_F(Form1DescriptionTest, WindowControlsComeInTabOrder) {
    std::vector<std::string> names;
    for (Control* c : built.form->top_controls()) names.push_back(c->name());
    EXPECT_EQ(names, (std::vector<std::string>{"TePageControl1", "TePanel1", "ClearAllButton",
                                               "TeEffectButton1", "TeButton1"}));
    std::vector<std::string> datums;
    for (Control* c : get<TeGroupBox>("TeGroupBox3").child_controls()) {
        datums.push_back(c->name());
    }
    EXPECT_EQ(datums, (std::vector<std::string>{"DatumCond1ComboBox", "DatumCond2ComboBox",
                                                "DatumCond3ComboBox", "Datum1ComboBox",
                                                "Datum2ComboBox", "Datum3ComboBox"}));
}

TEST_F(Form1DescriptionTest, PagesAndTheirCaptions) {
    auto& pages = get<TePageControl>("TePageControl1");
    ASSERT_EQ(pages.pages().size(), 3u);
    EXPECT_EQ(pages.pages()[0]->caption, u"Tolerance");
    EXPECT_EQ(pages.pages()[1]->caption, u"Symbols");
    EXPECT_EQ(pages.pages()[2]->caption, u"Symbols2");
    EXPECT_EQ(pages.active_page, pages.pages()[0]);
    EXPECT_TRUE(pages.tab_stop);
}

struct ControlRow {
    const char* name;
    const char* class_name;  // as the description names it
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

TEST_F(Form1DescriptionTest, ControlsKindsParentsBoundsAndTabOrder) {
    const auto& all = built.form->components();
    std::ptrdiff_t previous = -1;
    for (const ControlRow& row : kControls) {
        SCOPED_TRACE(row.name);
        const ObjectNode* node = test::find_object(built.node, row.name);
        ASSERT_NE(node, nullptr);
        EXPECT_EQ(node->class_name, row.class_name);
        Control& c = get(row.name);
        EXPECT_EQ(c.class_info().name(), row.class_name);
        ASSERT_NE(c.parent_component(), nullptr);
        EXPECT_EQ(c.parent_component()->name(), row.parent);
        EXPECT_EQ(c.owner(), built.form.get());
        EXPECT_EQ(c.left, row.left);
        EXPECT_EQ(c.top, row.top);
        EXPECT_EQ(c.width, row.width);
        EXPECT_EQ(c.height, row.height);
        EXPECT_EQ(c.tab_order, row.tab_order);
        const std::ptrdiff_t index = std::find(all.begin(), all.end(), &c) - all.begin();
        EXPECT_GT(index, previous);
        previous = index;
    }
}

TEST_F(Form1DescriptionTest, PagesCaptionsAndFlags) {
    EXPECT_EQ(get("TeGroupBox1").caption, u"Symbol");
    EXPECT_EQ(get("TeGroupBox2").caption, u"Tolerance");
    EXPECT_EQ(get("TeGroupBox3").caption, u"Datums");
    for (const char* g : {"TeGroupBox1", "TeGroupBox2", "TeGroupBox3"})
        EXPECT_TRUE(get(g).transparent) << g;

    auto& dia = get<TeCheckBox>("DiaCheckBox");
    EXPECT_EQ(dia.caption, u"\u00D8");
    EXPECT_EQ(dia.font.name, "MS Sans Serif");
    EXPECT_EQ(dia.font.height, -13);
    EXPECT_EQ(dia.spacing, 5);
    EXPECT_TRUE(dia.transparent);
    EXPECT_EQ(fire(dia.on_click, dia), "DiaCheckBoxClick:DiaCheckBox");

    auto& clear = get<TeButton>("ClearAllButton");
    auto& close = get<TeButton>("TeEffectButton1");
    auto& to_clipboard = get<TeButton>("TeButton1");
    EXPECT_EQ(clear.caption, u"Clear");
    EXPECT_EQ(close.caption, u"&Close");
    EXPECT_EQ(to_clipboard.caption, u"To Clip&board");
    EXPECT_TRUE(to_clipboard.is_default);
    EXPECT_FALSE(clear.is_default);
    EXPECT_EQ(fire(clear.on_click, clear), "ClearAllButtonClick:ClearAllButton");
    EXPECT_EQ(fire(close.on_click, close), "CloseButtonClick:TeEffectButton1");
    EXPECT_EQ(fire(to_clipboard.on_click, to_clipboard), "ClipboardButtonClick:TeButton1");

    // The Close button's fade, as the description stores it.
    const ObjectNode& fade = *test::find_object(built.node, "TeEffectButton1");
    EXPECT_EQ(test::stored(fade, "Animation.Enabled"), "True");
    EXPECT_EQ(test::stored(fade, "Animation.Resolution"), "10");
    EXPECT_EQ(test::stored(fade, "Animation.Time"), "");  // the default, 400 ms
    EXPECT_EQ(test::stored(fade, "Animation.EffectMouseEnter"), "[ FADE ] - Fade");
    EXPECT_EQ(test::stored(fade, "Animation.EffectMouseLeave"), "[ FADE ] - Fade");
    EXPECT_EQ(test::stored(fade, "SoundOptions"), "[]");

    auto& edit = get<TeEdit>("DisplayEdit");
    EXPECT_EQ(edit.font.name, "Tolsy");
    EXPECT_EQ(edit.font.height, -19);
    EXPECT_EQ(edit.font.charset, kAnsiCharset);
    EXPECT_EQ(fire(edit.on_change, edit), "DisplayEditChange:DisplayEdit");
}

std::vector<std::string> singles(std::initializer_list<int> codes) {
    std::vector<std::string> out{" "};
    for (int c : codes) out.emplace_back(1, static_cast<char>(c));
    return out;
}

struct ListRow {
    const char* name;
    std::uint8_t charset;
    bool pick_only;
    std::vector<std::string> items;  // as glyph bytes
};

// The lists with the code map's glyphs, the blank "nothing chosen" item first.
std::vector<ListRow> list_rows() {
    const auto symbols = singles(
        {0xFB, 0xFC, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0xB2, 0xB3, 0xFF, 0xBA});
    const auto modifiers = singles({0xDD, 0xDE, 0xDF, 0x85, 0x9F, 0x9E});
    // .001 .002 .004 .005 .010 .015 .020
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
    return {
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
}

TEST_F(Form1DescriptionTest, ListsCarryTheCodeMapsItems) {
    for (const ListRow& row : list_rows()) {
        SCOPED_TRACE(row.name);
        const auto& box = get<TeComboBox>(row.name);
        ASSERT_EQ(box.items.lines.size(), row.items.size());
        for (std::size_t i = 0; i < row.items.size(); ++i)
            EXPECT_EQ(glyphs(box.items.lines[i]), row.items[i]) << i;
    }
}

TEST_F(Form1DescriptionTest, ListsStylesFontsAndHandlers) {
    for (const ListRow& row : list_rows()) {
        SCOPED_TRACE(row.name);
        auto& box = get<TeComboBox>(row.name);
        EXPECT_EQ(box.style,
                  row.pick_only ? ComboStyleKind::kDropDownList : ComboStyleKind::kDropDown);
        EXPECT_EQ(box.font.name, "Tolsy");
        EXPECT_EQ(box.font.height, -16);
        EXPECT_EQ(box.font.charset, row.charset);
        EXPECT_EQ(box.item_height, 16);
        EXPECT_FALSE(box.parent_font);
        EXPECT_EQ(fire(box.on_change, box), std::string(row.name) + "Change:" + row.name);
    }
    auto& symbol = get<TeComboBox>("SymbolComboBox");
    EXPECT_FALSE(symbol.auto_complete);
    EXPECT_FALSE(symbol.ctl3d);
}

TEST_F(Form1DescriptionTest, ItemsAt80To9FAreWindows1252Characters) {
    // Not the C1 controls of the same value: the items read as the code page's characters.
    auto& condition = get<TeComboBox>("ConditionComboBox");
    ASSERT_EQ(condition.items.lines.size(), 7u);
    EXPECT_EQ(condition.items.lines[4], u"\u2026");
    EXPECT_EQ(condition.items.lines[5], u"\u0178");
    EXPECT_EQ(condition.items.lines[6], u"\u017E");
}

TEST_F(Form1DescriptionTest, EventsBindToTheirHandlers) {
    auto& symbol = get<TeComboBox>("SymbolComboBox");
    symbol.on_change(symbol);
    auto& button = get<TeSpeedButton>("TeSpeedButton72");
    button.on_click(button);
    auto& close = get<TeButton>("TeEffectButton1");
    close.on_click(close);
    auto& edit = get<TeEdit>("DisplayEdit");
    edit.on_change(edit);
    EXPECT_EQ(built.calls,
              (std::vector<std::string>{
                  "SymbolComboBoxChange:SymbolComboBox", "TeSpeedButton1Click:TeSpeedButton72",
                  "CloseButtonClick:TeEffectButton1", "DisplayEditChange:DisplayEdit"}));
}

TEST_F(Form1DescriptionTest, FontsFollowParentFont) {
    const Font& window_font = built.form->font;
    EXPECT_EQ(window_font.name, "MS Sans Serif");
    EXPECT_EQ(window_font.height, -11);
    const auto& clear = get<TeButton>("ClearAllButton");
    EXPECT_EQ(&clear.effective_font(window_font), &window_font);
    const auto& dia = get<TeCheckBox>("DiaCheckBox");
    EXPECT_EQ(dia.effective_font(window_font).height, -13);
    EXPECT_EQ(dia.spacing, 5);
    EXPECT_EQ(glyphs(dia.caption), "\xD8");
    const auto& edit = get<TeEdit>("DisplayEdit");
    EXPECT_EQ(edit.effective_font(window_font).height, -19);
    EXPECT_TRUE(get<TeButton>("TeButton1").is_default);
}

TEST_F(Form1DescriptionTest, MissingControlIsAnError) {
    EXPECT_THROW(get<TeEdit>("NoSuchEdit"), ComponentNameError);
    EXPECT_THROW(get<TeEdit>("SymbolComboBox"), ComponentNameError);
}

TEST(Form1DescriptionErrors, CorruptStreamIsRejected) {
    std::vector<std::uint8_t> bytes = test::built_form("TFORM1");
    bytes.resize(bytes.size() / 2);
    Form1Description half, empty;
    EXPECT_ANY_THROW(read_description(half, bytes, {}, keep_form1_controls));
    EXPECT_ANY_THROW(read_description(empty, {}, {}, keep_form1_controls));
}

}  // namespace
}  // namespace tolsy
