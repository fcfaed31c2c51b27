// The palettes as the main window's description holds them, their tool-tips, and the rule by
// which a click inserts a button's glyph.
#include "composer/palette.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "composer/glyph_codes.h"
#include "main_window_parts.h"

namespace tolsy {
namespace {

using testing::palette_buttons;
using testing::palette_hint;
using testing::PaletteButtonPart;

constexpr char kSymbolsPage[] = "TeTabSheet2";

TEST(Palettes, HoldButtons1To103OnceEach) {
    std::set<int> numbers;
    int symbols = 0;
    for (const PaletteButtonPart& b : palette_buttons()) {
        EXPECT_TRUE(numbers.insert(b.number).second) << "button " << b.number;
        if (b.page == kSymbolsPage) ++symbols;
    }
    EXPECT_EQ(numbers.size(), 103u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 103);
    EXPECT_EQ(symbols, 71);
}

TEST(Palettes, CarryEveryCodeOnceAndLeaveOutTheListedOnes) {
    std::map<int, int> count;
    for (const PaletteButtonPart& b : palette_buttons()) ++count[b.glyph];
    EXPECT_EQ(count.size(), 103u);
    for (const auto& [code, n] : count) EXPECT_EQ(n, 1) << "code " << code;
    const std::set<int> never_on_a_button = {0x80, 0x81, 0x8D, 0x8E, 0x8F, 0x90, 0x97, 0x99, 0x9B,
                                             0x9D, 0xA0, 0xA3, 0xA5, 0xA6, 0xA7, 0xA9, 0xAA, 0xAD,
                                             0xB5, 0xB7, 0xBC, 0xBD, 0xBE, 0xDC, 0xF8};
    for (int code = 0x80; code <= 0xFF; ++code) {
        EXPECT_EQ(count.count(code) == 1, never_on_a_button.count(code) == 0) << "code " << code;
    }
}

TEST(Palettes, ExactlyTheButtonsWithAHintShowIt) {
    int with_tip = 0;
    for (const PaletteButtonPart& b : palette_buttons()) {
        EXPECT_EQ(b.button->effective_show_hint(), !b.button->hint.empty()) << b.number;
        if (b.button->effective_show_hint()) ++with_tip;
    }
    EXPECT_EQ(with_tip, 48);
}

TEST(Palettes, SymbolsPageHoldsTheListGlyphsAndDatumLetters) {
    std::set<int> symbols;
    for (const PaletteButtonPart& b : palette_buttons()) {
        if (b.page == kSymbolsPage) symbols.insert(b.glyph);
    }
    for (ComposerList list : {ComposerList::kSymbol, ComposerList::kCondition}) {
        const auto& items = testing::items_of(list);
        for (std::size_t i = 1; i < items.size(); ++i) {
            EXPECT_TRUE(symbols.count(static_cast<unsigned char>(items[i][0])))
                << testing::list_name(list) << " " << i;
        }
    }
    for (unsigned char c = 'A'; c <= 'Z'; ++c) {
        EXPECT_TRUE(symbols.count(datum_letter_to_glyph(c))) << c;
    }
    for (int digit = 0; digit < 10; ++digit) EXPECT_TRUE(symbols.count(kDigitZeroGlyph + digit));
}

TEST(Palettes, SizesAndFontsFollowTheExceptions) {
    for (const PaletteButtonPart& p : palette_buttons()) {
        const TeSpeedButton& b = *p.button;
        EXPECT_EQ(b.height, 22) << p.number;
        EXPECT_EQ(b.width, p.number == 36 ? 25 : 23) << p.number;
        const int font = p.number == 1 ? -15 : p.number == 80 ? -21 : -13;
        EXPECT_EQ(b.font.height, font) << p.number;
        EXPECT_FALSE(b.parent_font) << p.number;
        EXPECT_EQ(b.caption.size(), p.number == 72 ? 3u : 1u) << p.number;
        EXPECT_GE(b.left, 0);
        EXPECT_LE(b.left + b.width, 381) << p.number;
    }
}

TEST(PaletteHints, QuotedMeaningsBecomeToolTips) {
    EXPECT_EQ(palette_hint(0xEB), "Left Box");
    EXPECT_EQ(palette_hint(0xE3), "Purpendicularity");
    EXPECT_EQ(palette_hint(0x93), "Symetrical");
    EXPECT_EQ(palette_hint(0xA1), palette_hint(0xE0));
    EXPECT_EQ(palette_hint(0x95), "Degrees");
    // Digits, datum letters and the codes without a meaning have no tool-tip.
    EXPECT_FALSE(palette_hint(0xEE).has_value());
    EXPECT_FALSE(palette_hint(0xC0).has_value());
    EXPECT_FALSE(palette_hint(0xA4).has_value());
    EXPECT_FALSE(palette_hint(0x96).has_value());
}

TEST(PaletteHints, EveryListGlyphHasOne) {
    for (ComposerList list : {ComposerList::kSymbol, ComposerList::kCondition}) {
        const auto& items = testing::items_of(list);
        for (std::size_t i = 1; i < items.size(); ++i) {
            EXPECT_TRUE(palette_hint(static_cast<unsigned char>(items[i][0])))
                << testing::list_name(list) << " " << i;
        }
    }
    EXPECT_EQ(palette_hint(0xDD), "Least Material Condition");
    EXPECT_EQ(palette_hint(0xDE), "Maximum Material Condition");
}

TEST(PaletteLabel, TrimsControlBytesAndSpacesOnBothEnds) {
    EXPECT_EQ(palette_label_glyph("  \xA4"), 0xA4);
    EXPECT_EQ(palette_label_glyph(std::string("\0\x1F\xEB \x01", 5)), 0xEB);
    EXPECT_EQ(palette_label_glyph("\x21"), 0x21);
    EXPECT_EQ(palette_label_glyph("\xC0\xC1"), 0xC0);
    EXPECT_EQ(palette_label_glyph("   "), -1);
    EXPECT_EQ(palette_label_glyph(""), -1);
}

TEST(PaletteInsertion, EmptyLineGetsTheGlyphWithCaretAfterIt) {
    const LineEdit e = insert_palette_glyph("", 0, "\xEB");
    EXPECT_EQ(e.text, "\xEB");
    EXPECT_EQ(e.caret, 1u);
}

TEST(PaletteInsertion, GoesInFrontOfTheCaretOrSelectionStart) {
    // "abcd" with caret (or a selection starting) at 2: the selected text is kept.
    const LineEdit middle = insert_palette_glyph("abcd", 2, "  \xA4");
    EXPECT_EQ(middle.text,
              "ab\xA4"
              "cd");
    EXPECT_EQ(middle.caret, 3u);
    const LineEdit front = insert_palette_glyph("abcd", 0, "\xE0");
    EXPECT_EQ(front.text,
              "\xE0"
              "abcd");
    EXPECT_EQ(front.caret, 1u);
    const LineEdit end = insert_palette_glyph("abcd", 4, "\xED");
    EXPECT_EQ(end.text, "abcd\xED");
    EXPECT_EQ(end.caret, 5u);
}

TEST(PaletteInsertion, CaretPastTheEndCountsAsTheEnd) {
    const LineEdit e = insert_palette_glyph("ab", 9, "\xED");
    EXPECT_EQ(e.text, "ab\xED");
    EXPECT_EQ(e.caret, 3u);
}

TEST(PaletteInsertion, BlankLabelLeavesTheLine) {
    const LineEdit e = insert_palette_glyph("ab", 1, "  ");
    EXPECT_EQ(e.text, "ab");
    EXPECT_EQ(e.caret, 1u);
}

}  // namespace
}  // namespace tolsy
