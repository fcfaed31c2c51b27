// The main window's description read into the control components: every control the composer
// needs, in its place, with the items, labels, hints and handlers the code map defines.
#include "app/form1_description.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <memory>

#include "base/windows1252.h"
#include "composer/glyph_codes.h"
#include "composer/list_items.h"
#include "composer/palette.h"
#include "toolkit/components/text_stream.h"

namespace tolsy {
namespace {

std::vector<std::uint8_t> description_bytes() {
    std::ifstream in(std::string(TOLSY_SOURCE_DIR) + "/resources/forms/tform1.txt",
                     std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return object_text_to_binary(text);
}

class Form1DescriptionTest : public ::testing::Test {
  protected:
    void SetUp() override {
        DescriptionHandlers handlers;
        for (const char* name :
             {"SymbolComboBoxChange", "ConditionComboBoxChange", "ToleranceComboBoxChange",
              "DatumCond1ComboBoxChange", "DatumCond2ComboBoxChange", "DatumCond3ComboBoxChange",
              "Datum1ComboBoxChange", "Datum2ComboBoxChange", "Datum3ComboBoxChange",
              "DiaCheckBoxClick", "TeSpeedButton1Click", "DisplayEditChange", "ClearAllButtonClick",
              "CloseButtonClick", "ClipboardButtonClick"}) {
            handlers.emplace_back(name, [this, name](Component& sender) {
                calls.push_back(std::string(name) + ":" + sender.name());
            });
        }
        d = std::make_unique<Form1Description>();
        read_description(*d, description_bytes(), handlers, keep_form1_controls);
    }
    std::unique_ptr<Form1Description> d;
    std::vector<std::string> calls;
};

std::string glyphs(const std::u16string& text) {
    return utf16_to_windows1252_lossy(text);
}

TEST_F(Form1DescriptionTest, WindowControlsComeInTabOrder) {
    std::vector<std::string> names;
    for (Control* c : d->top_controls()) names.push_back(c->name());
    EXPECT_EQ(names, (std::vector<std::string>{"TePageControl1", "TePanel1", "ClearAllButton",
                                               "TeEffectButton1", "TeButton1"}));
    std::vector<std::string> datums;
    for (Control* c : d->control<TeGroupBox>("TeGroupBox3").child_controls()) {
        datums.push_back(c->name());
    }
    EXPECT_EQ(datums, (std::vector<std::string>{"DatumCond1ComboBox", "DatumCond2ComboBox",
                                                "DatumCond3ComboBox", "Datum1ComboBox",
                                                "Datum2ComboBox", "Datum3ComboBox"}));
}

TEST_F(Form1DescriptionTest, PagesAndTheirCaptions) {
    auto& pages = d->control<TePageControl>("TePageControl1");
    ASSERT_EQ(pages.pages().size(), 3u);
    EXPECT_EQ(pages.pages()[0]->caption, u"Tolerance");
    EXPECT_EQ(pages.pages()[1]->caption, u"Symbols");
    EXPECT_EQ(pages.pages()[2]->caption, u"Symbols2");
    EXPECT_EQ(pages.active_page, pages.pages()[0]);
    EXPECT_TRUE(pages.tab_stop);
}

TEST_F(Form1DescriptionTest, ListsCarryTheCodeMapsItems) {
    for (ComposerList which : kAllComposerLists) {
        const auto& box = d->control<TeComboBox>(list_control_name(which));
        const std::vector<std::string> expected = list_items(which);
        ASSERT_EQ(box.items.lines.size(), expected.size()) << list_control_name(which);
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(glyphs(box.items.lines[i]), expected[i]) << list_control_name(which) << i;
        }
        EXPECT_EQ(box.item_height, 16);
        EXPECT_EQ(box.font.name, "Tolsy");
        EXPECT_EQ(box.font.height, -16);
        EXPECT_EQ(box.style, which == ComposerList::kTolerance ? ComboStyleKind::DropDown
                                                               : ComboStyleKind::DropDownList);
    }
}

TEST_F(Form1DescriptionTest, PaletteButtonsMatchThePaletteTable) {
    int tips = 0;
    for (const PaletteButton& b : palette_buttons()) {
        const auto& button = d->control<TeSpeedButton>("TeSpeedButton" + std::to_string(b.number));
        const auto* page = dynamic_cast<const Control*>(button.parent_component());
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->name(), b.page == PalettePage::kSymbols ? "TeTabSheet2" : "TeTabSheet3");
        EXPECT_EQ(button.left, b.left) << b.number;
        EXPECT_EQ(button.top, b.top) << b.number;
        EXPECT_EQ(button.width, b.width) << b.number;
        EXPECT_EQ(button.height, b.height) << b.number;
        EXPECT_EQ(button.font.height, b.font_height) << b.number;
        EXPECT_EQ(button.caption, std::u16string(b.label)) << b.number;
        EXPECT_TRUE(button.flat);
        // The hint is the glyph's meaning, shown exactly for the codes that have one.
        const int glyph = palette_label_glyph(glyphs(button.caption));
        const auto meaning = glyph_meaning(static_cast<unsigned char>(glyph));
        EXPECT_EQ(button.effective_show_hint(), meaning.has_value()) << b.number;
        if (meaning) {
            ++tips;
            EXPECT_EQ(glyphs(button.hint), *meaning) << b.number;
        }
    }
    EXPECT_EQ(tips, 48);
}

TEST_F(Form1DescriptionTest, EventsBindToTheirHandlers) {
    auto& symbol = d->control<TeComboBox>("SymbolComboBox");
    symbol.on_change(symbol);
    auto& button = d->control<TeSpeedButton>("TeSpeedButton72");
    button.on_click(button);
    auto& close = d->control<TeButton>("TeEffectButton1");
    close.on_click(close);
    auto& edit = d->control<TeEdit>("DisplayEdit");
    edit.on_change(edit);
    EXPECT_EQ(calls,
              (std::vector<std::string>{
                  "SymbolComboBoxChange:SymbolComboBox", "TeSpeedButton1Click:TeSpeedButton72",
                  "CloseButtonClick:TeEffectButton1", "DisplayEditChange:DisplayEdit"}));
}

TEST_F(Form1DescriptionTest, FontsFollowParentFont) {
    EXPECT_EQ(d->font.name, "MS Sans Serif");
    EXPECT_EQ(d->font.height, -11);
    const auto& clear = d->control<TeButton>("ClearAllButton");
    EXPECT_EQ(&clear.effective_font(d->font), &d->font);
    const auto& dia = d->control<TeCheckBox>("DiaCheckBox");
    EXPECT_EQ(dia.effective_font(d->font).height, -13);
    EXPECT_EQ(dia.spacing, 5);
    EXPECT_EQ(glyphs(dia.caption), "\xD8");
    const auto& edit = d->control<TeEdit>("DisplayEdit");
    EXPECT_EQ(edit.effective_font(d->font).height, -19);
    EXPECT_TRUE(d->control<TeButton>("TeButton1").is_default);
}

TEST_F(Form1DescriptionTest, MissingControlIsAnError) {
    EXPECT_THROW(d->control<TeEdit>("NoSuchEdit"), ComponentNameError);
    EXPECT_THROW(d->control<TeEdit>("SymbolComboBox"), ComponentNameError);
}

TEST(Form1DescriptionErrors, CorruptStreamIsRejected) {
    std::vector<std::uint8_t> bytes = description_bytes();
    bytes.resize(bytes.size() / 2);
    Form1Description half, empty;
    EXPECT_ANY_THROW(read_description(half, bytes, {}, keep_form1_controls));
    EXPECT_ANY_THROW(read_description(empty, {}, {}, keep_form1_controls));
}

}  // namespace
}  // namespace tolsy
