#include "composer/glyph_codes.h"

#include <gtest/gtest.h>

#include "composer/cp1252.h"
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
    EXPECT_EQ(label_to_glyph(u'\u0095'), kCp1252Unmappable);
}

TEST(Cp1252, EveryByteSurvivesARoundTrip) {
    for (int b = 0; b < 256; ++b) {
        const auto byte = static_cast<unsigned char>(b);
        EXPECT_EQ(unicode_to_cp1252(cp1252_to_unicode(byte)), byte) << "byte " << b;
    }
}

TEST(Cp1252, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(unicode_to_cp1252(u'\u0100'), kCp1252Unmappable);
    EXPECT_EQ(unicode_to_cp1252(u'\u20AD'), kCp1252Unmappable);
    EXPECT_EQ(unicode_to_cp1252(u'\u0080'), kCp1252Unmappable);
    // One supplementary character is one byte; a lone surrogate is one too.
    EXPECT_EQ(utf16_to_cp1252(u"a\U0001F600b"), "a?b");
    EXPECT_EQ(utf16_to_cp1252(std::u16string(1, u'\xD800')), "?");
    EXPECT_EQ(utf16_to_cp1252(std::u16string{u'\xDC00', u'x'}), "?x");
}

TEST(Cp1252, WholeStringsConvertBothWays) {
    const std::string line = bytes({0xEB, 0xFB, 0xEC, 0x85, 0x20, 0x9F, 0xED, 0x00, 0x81});
    const std::u16string wide = cp1252_to_utf16(line);
    EXPECT_EQ(wide, (std::u16string{u'\u00EB', u'\u00FB', u'\u00EC', u'\u2026', u' ', u'\u0178',
                                    u'\u00ED', u'\0', u'\u0081'}));
    EXPECT_EQ(utf16_to_cp1252(wide), line);
    EXPECT_EQ(utf16_to_cp1252(u""), "");
}

}  // namespace
}  // namespace tolsy
