// The program's text conversions: Windows-1252 both ways, strict and lossy, and UTF-8.
#include <gtest/gtest.h>

#include "base/utf8.h"
#include "base/windows1252.h"

namespace tolsy {
namespace {

TEST(Windows1252, TableHoldsTheCodePagesCharacters) {
    const struct {
        unsigned char byte;
        char16_t character;
    } cases[] = {
        {0x00, u'\0'},
        {0x41, u'A'},
        {0x7F, u'\x7F'},
        {0x80, u'\u20AC'},
        {0x85, u'\u2026'},
        {0x8A, u'\u0160'},
        {0x95, u'\u2022'},
        {0x9E, u'\u017E'},
        {0x9F, u'\u0178'},
        {0xA0, u'\u00A0'},
        {0xEB, u'\u00EB'},
        {0xFF, u'\u00FF'},
        // The five undefined bytes stand for the C1 controls of the same value.
        {0x81, u'\u0081'},
        {0x8D, u'\u008D'},
        {0x8F, u'\u008F'},
        {0x90, u'\u0090'},
        {0x9D, u'\u009D'},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        EXPECT_EQ(windows1252_to_unicode(c.byte), c.character);
        EXPECT_EQ(unicode_to_windows1252(c.character), c.byte);
        EXPECT_EQ(unicode_to_windows1252_lossy(c.character), c.byte);
    }
}

TEST(Windows1252, EveryByteSurvivesARoundTrip) {
    std::string all;
    for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
    const std::u16string wide = windows1252_to_utf16(all);
    ASSERT_EQ(wide.size(), all.size());
    EXPECT_EQ(utf16_to_windows1252(wide), all);
    EXPECT_EQ(utf16_to_windows1252_lossy(wide), all);
    EXPECT_EQ(utf16_to_windows1252(u""), "");
    EXPECT_EQ(utf16_to_windows1252_lossy(u""), "");
}

TEST(Windows1252, CharactersOutsideTheCodePageFailOrBecomeQuestionMarks) {
    const struct {
        std::u16string text;
        std::string lossy;
    } cases[] = {
        {u"\u0100", "?"},
        {u"\u20AD", "?"},
        // Latin-1 reads these bytes as C1 controls; Windows-1252 gives them other characters.
        {u"\u0080", "?"},
        {u"x\u0095", "x?"},
        // A supplementary character is one character and one byte; a lone surrogate is one too.
        {u"a\U0001F600b", "a?b"},
        {std::u16string(1, u'\xD800'), "?"},
        {std::u16string{u'\xDC00', u'x'}, "?x"},
        {std::u16string{u'x', u'\xD83D'}, "x?"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf16_to_windows1252(c.text), std::nullopt) << c.lossy;
        EXPECT_EQ(utf16_to_windows1252_lossy(c.text), c.lossy);
    }
    EXPECT_EQ(unicode_to_windows1252(u'\u0100'), std::nullopt);
    EXPECT_EQ(unicode_to_windows1252_lossy(u'\u0100'), kWindows1252Unmappable);
}

TEST(Utf8, WellFormedTextConvertsBothWays) {
    const struct {
        std::string utf8;
        std::u16string utf16;
    } cases[] = {
        {"", u""},
        {"Tolsy", u"Tolsy"},
        {"caf\xC3\xA9", u"caf\u00E9"},
        {"\xE2\x82\xAC", u"\u20AC"},
        {"\xEF\xBF\xBF", u"\uFFFF"},
        {"\xF0\x9F\x98\x80", u"\U0001F600"},
        {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(utf8_to_utf16(c.utf8), c.utf16) << c.utf8;
        EXPECT_EQ(utf16_to_utf8(c.utf16), c.utf8) << c.utf8;
    }
}

TEST(Utf8, MalformedTextIsRejectedAndLoneSurrogatesAreReplaced) {
    for (const char* bad : {
             "\xC3",              // truncated
             "\xE2\x82",          // truncated
             "\x80",              // continuation byte first
             "\xC0\xAF",          // overlong two bytes
             "\xE0\x80\xAF",      // overlong three bytes
             "\xF0\x80\x80\xAF",  // overlong four bytes
             "\xED\xA0\x80",      // a surrogate
             "\xF4\x90\x80\x80",  // past U+10FFFF
             "\xF5\x80\x80\x80",  // no such lead byte
             "a\xC3(",            // not a continuation byte
         }) {
        EXPECT_EQ(utf8_to_utf16(bad), std::nullopt) << bad;
    }
    EXPECT_EQ(utf16_to_utf8(std::u16string{u'a', u'\xD800', u'b'}),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_EQ(utf16_to_utf8(std::u16string{u'\xDC00'}), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace tolsy
