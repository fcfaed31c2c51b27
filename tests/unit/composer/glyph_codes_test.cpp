#include "composer/glyph_codes.h"

#include <gtest/gtest.h>

#include <optional>

#include "base/windows1252.h"
#include "main_window_parts.h"

namespace tolsy {
namespace {

std::string bytes(std::initializer_list<unsigned char> list) {
    return std::string(list.begin(), list.end());
}

TEST(DigitConversion, DigitsAndPointBecomeGlyphsInOrder) {
    EXPECT_EQ(tolerance_to_glyphs("0123456789"),
              bytes({0xEE, 0xEF, 0xF0, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7}));
    EXPECT_EQ(tolerance_to_glyphs("."), bytes({0xF9}));
    EXPECT_EQ(tolerance_to_glyphs("0.5"), bytes({0xEE, 0xF9, 0xF3}));
    EXPECT_EQ(tolerance_to_glyphs(".015"), bytes({0xF9, 0xEE, 0xEF, 0xF3}));
}

TEST(DigitConversion, EveryOtherByteIsLeftAlone) {
    for (int b = 0; b < 256; ++b) {
        const bool converted = (b >= '0' && b <= '9') || b == '.';
        if (converted) continue;
        EXPECT_EQ(tolerance_byte_to_glyph(static_cast<unsigned char>(b)), b) << "byte " << b;
    }
    // Neither minus nor comma becomes a glyph, not even the "Minus" glyph.
    EXPECT_EQ(tolerance_to_glyphs("-1,5/2"), bytes({'-', 0xEF, ',', 0xF3, '/', 0xF0}));
}

TEST(DigitConversion, IsIdempotentAndKeepsLength) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::string once = tolerance_to_glyphs(all);
    EXPECT_EQ(once.size(), all.size());
    EXPECT_EQ(tolerance_to_glyphs(once), once);
    // The tolerance list's presets are glyph text already.
    for (const std::string& preset : testing::items_of(ComposerList::kTolerance))
        EXPECT_EQ(tolerance_to_glyphs(preset), preset);
}

TEST(DigitConversion, KeepsBytesAfterAnEmbeddedZero) {
    const std::string text(
        "1\0"
        "2",
        3);
    EXPECT_EQ(tolerance_to_glyphs(text), std::string("\xEF\0\xF0", 3));
}

TEST(DatumLetterConversion, CapitalsMapOntoTheDatumGlyphs) {
    EXPECT_EQ(datum_letter_to_glyph('A'), 0xC0);
    EXPECT_EQ(datum_letter_to_glyph('Y'), 0xD8);
    EXPECT_EQ(datum_letter_to_glyph('Z'), 0xD9);
    for (unsigned char c = 'A'; c <= 'Z'; ++c) {
        EXPECT_EQ(datum_letter_to_glyph(c), c + 0x7F);
    }
}

TEST(LabelConversion, UsesWindows1252NotLatin1ForTheHighControls) {
    EXPECT_EQ(label_to_glyph(u'\u2022'), 0x95);  // Degrees
    EXPECT_EQ(label_to_glyph(u'\u2026'), 0x85);  // Tangent Plane
    EXPECT_EQ(label_to_glyph(u'\u0178'), 0x9F);  // Free State
    EXPECT_EQ(label_to_glyph(u'\u017E'), 0x9E);  // Projected Tolerance Zone
    EXPECT_EQ(label_to_glyph(u'\u00EB'), kLeftBoxGlyph);
    // A Latin-1 reading of U+0095 would give 0x95; Windows-1252 has no such character.
    EXPECT_EQ(label_to_glyph(u'\u0095'), kWindows1252Unmappable);
}

}  // namespace
}  // namespace tolsy

namespace tolsy {
namespace {

// A frame written elsewhere in Unicode comes in as the font's codes; what neither the code page
// nor the font's GD&T set holds refuses the whole text.
TEST(DisplayLineText, CodePageAndGdtCharactersMapAndOthersRefuseTheText) {
    struct Case {
        std::u16string text;
        std::optional<std::string> bytes;
    } const cases[] = {
        {u"", std::string()},
        {u"A\u00E0\u20AC", bytes({'A', 0xE0, 0x80})},  // a, a-grave, euro: the code page
        // position, diameter, ".005" typed, circled M, datums: the README's frame in Unicode
        {u"\u2316\u2300.005\u24C2", bytes({0xFB, 0xE0, '.', '0', '0', '5', 0xDE})},
        {u"\u2225\u27C2\u2220\u25CB\u2312\u24CA", bytes({0xE1, 0xE3, 0xB2, 0xBA, 0xFC, 0xEA})},
        {u"x\u4E2D", std::nullopt},     // a CJK character
        {u"\U0001F600", std::nullopt},  // outside the basic plane
        {u"a\xD800"
         u"b",
         std::nullopt},  // a lone surrogate
    };
    for (const Case& c : cases) EXPECT_EQ(display_line_bytes(c.text), c.bytes);
}

TEST(DisplayLineText, CaretPositionsCountCharactersNotUnits) {
    const std::u16string text = u"a\U0001F600b";  // four units, three characters
    const std::size_t want[] = {0, 1, 2, 2, 3, 3};
    for (std::size_t units = 0; units < std::size(want); ++units)
        EXPECT_EQ(characters_before(text, units), want[units]) << units;
}

}  // namespace
}  // namespace tolsy
