#include "composer/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "base/windows1252.h"
#include "composer/glyph_codes.h"

namespace tolsy {
namespace {

int glyph_of(const PaletteButton& b) {
    return palette_label_glyph(utf16_to_windows1252_lossy(b.label));
}

TEST(PaletteTable, HoldsButtons1To103OnceEach) {
    std::set<int> numbers;
    int symbols = 0;
    for (const PaletteButton& b : palette_buttons()) {
        EXPECT_TRUE(numbers.insert(b.number).second) << "button " << b.number;
        if (b.page == PalettePage::kSymbols) ++symbols;
    }
    EXPECT_EQ(numbers.size(), kPaletteButtonCount);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 103);
    EXPECT_EQ(symbols, 71);
}

TEST(PaletteTable, CarriesEveryCodeOnceAndLeavesOutTheListedOnes) {
    std::map<int, int> count;
    for (const PaletteButton& b : palette_buttons()) ++count[glyph_of(b)];
    EXPECT_EQ(count.size(), kPaletteButtonCount);
    for (const auto& [code, n] : count) EXPECT_EQ(n, 1) << "code " << code;
    const std::set<int> never_on_a_button = {0x80, 0x81, 0x8D, 0x8E, 0x8F, 0x90, 0x97, 0x99, 0x9B,
                                             0x9D, 0xA0, 0xA3, 0xA5, 0xA6, 0xA7, 0xA9, 0xAA, 0xAD,
                                             0xB5, 0xB7, 0xBC, 0xBD, 0xBE, 0xDC, 0xF8};
    for (int code = 0x80; code <= 0xFF; ++code) {
        EXPECT_EQ(count.count(code) == 1, never_on_a_button.count(code) == 0) << "code " << code;
    }
}

TEST(PaletteTable, EveryMeaningfulCodeHasAButton) {
    std::set<int> on_palette;
    for (const PaletteButton& b : palette_buttons()) on_palette.insert(glyph_of(b));
    int with_tip = 0;
    for (int code = 0; code < 256; ++code) {
        if (!glyph_meaning(static_cast<unsigned char>(code))) continue;
        ++with_tip;
        EXPECT_TRUE(on_palette.count(code)) << "code " << code;
    }
    EXPECT_EQ(with_tip, 48);
}

TEST(PaletteTable, SymbolsPageHoldsTheListGlyphsAndDatumLetters) {
    std::set<int> symbols;
    for (const PaletteButton& b : palette_buttons()) {
        if (b.page == PalettePage::kSymbols) symbols.insert(glyph_of(b));
    }
    for (unsigned char g : kCharacteristicGlyphs) EXPECT_TRUE(symbols.count(g)) << int(g);
    for (unsigned char g : kModifierGlyphs) EXPECT_TRUE(symbols.count(g)) << int(g);
    for (unsigned char c = 'A'; c <= 'Z'; ++c) {
        EXPECT_TRUE(symbols.count(datum_letter_to_glyph(c))) << c;
    }
    for (int digit = 0; digit < 10; ++digit) EXPECT_TRUE(symbols.count(kDigitZeroGlyph + digit));
}

TEST(PaletteTable, SizesAndFontsFollowTheExceptions) {
    for (const PaletteButton& b : palette_buttons()) {
        EXPECT_EQ(b.height, kPaletteButtonHeight) << b.number;
        EXPECT_EQ(b.width, b.number == 36 ? 25 : kPaletteButtonWidth) << b.number;
        const int font = b.number == 1 ? -15 : b.number == 80 ? -21 : kPaletteFontHeight;
        EXPECT_EQ(b.font_height, font) << b.number;
        EXPECT_EQ(b.label.size(), b.number == 72 ? 3u : 1u) << b.number;
        EXPECT_GE(b.left, 0);
        EXPECT_LE(b.left + b.width, 381) << b.number;
    }
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
