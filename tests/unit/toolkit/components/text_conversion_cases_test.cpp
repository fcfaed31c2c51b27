// Conversions between the textual and the binary form worked out by hand from the format's
// rules: width of integers, the 80-bit float's bytes, which string type a text makes, filer
// prefixes, and the text layout a binary gets back. None of the expected bytes comes from our
// own writer.
#include <gtest/gtest.h>

#include "stream_test_util.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/stream_errors.h"
#include "toolkit/components/text_stream.h"

namespace tolsy {
namespace {

using testing::bytes;

std::vector<std::uint8_t> one_value(std::string_view value_hex) {
    auto out = bytes("'TPF0' 02 'TX' 01 'o' 01 'P'");
    const auto v = bytes(value_hex);
    out.insert(out.end(), v.begin(), v.end());
    out.insert(out.end(), {0, 0});
    return out;
}

std::vector<std::uint8_t> convert(std::string_view value_text) {
    return object_text_to_binary("object o: TX\r\n  P = " + std::string(value_text) + "\r\nend");
}

struct Case {
    const char* text;
    const char* hex;
};

void expect_all(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(convert(c.text), one_value(c.hex));
    }
}

TEST(HandWorkedConversion, IntegerWidthsAtEveryBoundary) {
    expect_all({
        {"-128", "02 80"},
        {"-129", "03 7F FF"},
        {"255", "03 FF 00"},
        {"32767", "03 FF 7F"},
        {"-32768", "03 00 80"},
        {"32768", "04 00 80 00 00"},
        {"70000", "04 70 11 01 00"},
        {"2147483647", "04 FF FF FF 7F"},
        {"-2147483648", "04 00 00 00 80"},
        {"2147483648", "13 00 00 00 80 00 00 00 00"},
        {"-2147483649", "13 FF FF FF 7F FF FF FF FF"},
        {"123456789012", "13 14 1A 99 BE 1C 00 00 00"},
        {"007", "02 07"},
        {"-0", "02 00"},
        {"$7F", "02 7F"},
        {"$80", "03 80 00"},
        {"$8000", "04 00 80 00 00"},
        {"$00FF8040", "04 40 80 FF 00"},
        {"$80000000", "13 00 00 00 80 00 00 00 00"},
        {"$ffff", "04 FF FF 00 00"},
    });
}

TEST(HandWorkedConversion, FloatsAsTenByteExtended) {
    // Mantissa with its explicit integer bit, then sign and biased exponent (bias 16383).
    expect_all({
        {"0.1", "05 CD CC CC CC CC CC CC CC FB 3F"},
        {"0.3", "05 9A 99 99 99 99 99 99 99 FD 3F"},
        {"1E5", "05 00 00 00 00 00 00 50 C3 0F 40"},
        {"1e-4", "05 2C 65 19 E2 58 17 B7 D1 F1 3F"},
        {"1E-5", "05 23 84 47 1B 47 AC C5 A7 EE 3F"},
        {"-0.5", "05 00 00 00 00 00 00 00 80 FE BF"},
        {"2.5", "05 00 00 00 00 00 00 00 A0 00 40"},
        {"100.0", "05 00 00 00 00 00 00 00 C8 05 40"},
        {"-123.25", "05 00 00 00 00 00 00 80 F6 05 C0"},
        {"3.14159", "05 1D 72 33 DC 80 CF 0F C9 00 40"},
        {"123456.789", "05 A2 45 B6 F3 FD 64 20 F1 0F 40"},
        {"0.0", "05 00 00 00 00 00 00 00 00 00 00"},
        {"-0.0", "05 00 00 00 00 00 00 00 00 00 80"},
        {"5.", "05 00 00 00 00 00 00 00 A0 01 40"},
    });
}

TEST(HandWorkedConversion, SuffixedFloats) {
    expect_all({
        {"0.1s", "0F CD CC CC 3D"},
        {"-1.5s", "0F 00 00 C0 BF"},
        {"45000.5d", "11 00 00 00 00 10 F9 E5 40"},
        {"-0.25D", "11 00 00 00 00 00 00 D0 BF"},
        // The text holds the currency's value times 10000, rounded half to even.
        {"-5c", "10 FB FF FF FF FF FF FF FF"},
        {"1.5c", "10 02 00 00 00 00 00 00 00"},
        {"0.5c", "10 00 00 00 00 00 00 00 00"},
        {"-2.5C", "10 FE FF FF FF FF FF FF FF"},
        {"123456789012c", "10 14 1A 99 BE 1C 00 00 00"},
    });
}

TEST(HandWorkedConversion, WhichStringTypeATextMakes) {
    expect_all({
        {"#13#10", "06 02 0D 0A"},
        {"'' + ''", "06 00"},
        {"'It'#39's'", "06 04 49 74 27 73"},
        {"'tab\there'", "06 08 74 61 62 09 68 65 72 65"},
        {"#1058#1077", "12 02 00 00 00 22 04 35 04"},
        {"'\xE9'#8364", "12 02 00 00 00 E9 00 AC 20"},
        {"'  '#164", "12 03 00 00 00 20 00 20 00 A4 00"},
    });
    // Pieces joined by + count together toward the 255-byte limit of a short string.
    const std::string x200(200, 'x'), y100(100, 'y');
    EXPECT_EQ(convert("'" + x200 + "' +\r\n    '" + y100 + "'"),
              one_value("0C 2C 01 00 00 '" + x200 + y100 + "'"));
    // A wide string keeps its 32-bit count of UTF-16 units whatever its length.
    std::string wide_hex = "12 2C 01 00 00 D2 04";
    for (int i = 0; i < 299; ++i) wide_hex += " 61 00";
    EXPECT_EQ(convert("#1234'" + std::string(299, 'a') + "'"), one_value(wide_hex));
}

TEST(HandWorkedConversion, MixedListsPrefixesAndCollections) {
    const std::string text =
        "inherited Main: TMain\r\n"
        "  Tag = 300\r\n"
        "  Items.Strings = (\r\n"
        "    'one'\r\n"
        "    #1058\r\n"
        "    -5\r\n"
        "    2.5\r\n"
        "    [x]\r\n"
        "    {0A}\r\n"
        "    Ref.Sub\r\n"
        "    True\r\n"
        "    nil\r\n"
        "    <>\r\n"
        "    ())\r\n"
        "  Coll = <\r\n"
        "    item [1000]\r\n"
        "      Name = 'a'#233\r\n"
        "    end\r\n"
        "    item\r\n"
        "    end>\r\n"
        "  inline Kid: TKid [300]\r\n"
        "    Left = -129\r\n"
        "  end\r\n"
        "  object TKid\r\n"
        "  end\r\n"
        "end\r\n";
    const auto expected = bytes(
        "'TPF0' F1 05 'TMain' 04 'Main'"
        "  03 'Tag' 03 2C 01"
        "  0D 'Items.Strings' 01"
        "    06 03 'one'  12 01 00 00 00 22 04  02 FB"
        "    05 00 00 00 00 00 00 00 A0 00 40"
        "    0B 01 'x' 00  0A 01 00 00 00 0A  07 07 'Ref.Sub'  09  0D  0E 00  01 00"
        "  00"
        "  04 'Coll' 0E"
        "    03 E8 03 01  04 'Name' 12 02 00 00 00 61 00 E9 00  00"
        "    01 00"
        "  00"
        "00"
        "  F6 03 2C 01 04 'TKid' 03 'Kid'  04 'Left' 03 7F FF  00 00"
        "  04 'TKid' 00  00 00"
        "00");
    EXPECT_EQ(object_text_to_binary(text), expected);
    // The same layout is what the binary turns back into.
    EXPECT_EQ(object_binary_to_text(expected), text);
}

TEST(HandWorkedConversion, ChildPositionsTakeTheirOwnWidth) {
    EXPECT_EQ(object_text_to_binary("object a: TA object b: TB [0] end end"),
              bytes("'TPF0' 02 'TA' 01 'a' 00  F2 02 00 02 'TB' 01 'b' 00 00  00"));
    EXPECT_EQ(object_text_to_binary("object a: TA inherited b: TB [70000] end end"),
              bytes("'TPF0' 02 'TA' 01 'a' 00  F3 04 70 11 01 00 02 'TB' 01 'b' 00 00  00"));
    EXPECT_EQ(object_text_to_binary("object a: TA inherited b: TB end end"),
              bytes("'TPF0' 02 'TA' 01 'a' 00  F1 02 'TB' 01 'b' 00 00  00"));
    // A negative position is read but gives no prefix.
    EXPECT_EQ(object_text_to_binary("object a: TA object b: TB [-1] end end"),
              bytes("'TPF0' 02 'TA' 01 'a' 00  02 'TB' 01 'b' 00 00  00"));
}

TEST(HandWorkedLayout, WideStringsBreakAfter64UnitsAndReadBackWhole) {
    // 70 letters and one wide code: the first line ends after 64 letters.
    const std::string a64(64, 'a');
    std::string hex = "12 47 00 00 00";
    for (int i = 0; i < 70; ++i) hex += " 61 00";
    hex += " D2 04";
    const auto binary = one_value(hex);
    const std::string text = object_binary_to_text(binary);
    EXPECT_EQ(text,
              "object o: TX\r\n  P = \r\n    '" + a64 + "' +\r\n    'aaaaaa'#1234\r\nend\r\n");
    // A plain first piece joined to a wide one still gives one wide string.
    EXPECT_EQ(object_text_to_binary(text), binary);
}

TEST(HandWorkedLayout, SetElementsKeepTheTextTheyWereReadWith) {
    const std::string text =
        "object o: TX\r\n  P = [a, -1, $1F, 007, 9223372036854775807]\r\nend\r\n";
    const auto binary =
        one_value("0B 01 'a' 02 '-1' 03 '$1F' 03 '007' 13 '9223372036854775807' 00");
    EXPECT_EQ(object_text_to_binary(text), binary);
    EXPECT_EQ(object_binary_to_text(binary), text);
    // Elements no text could have produced are refused rather than written unreadable.
    for (const char* element :
         {"-", "$", "1.5", "9223372036854775808", "$10000000000000000", "a b", "5s"}) {
        SCOPED_TRACE(element);
        ObjectNode n;
        n.class_name = "TX";
        n.properties.push_back({"P", Value::set({element})});
        EXPECT_THROW(write_text_stream(n), StreamWriteError);
    }
}

TEST(HandWorkedLayout, ItemPropertiesMayBeNamedLikeObjectKeywords) {
    // Inside an item only "end" closes it, so "object" and "inline" are plain names there.
    const std::string text =
        "object o: TX\r\n  P = <\r\n    item\r\n      object = 1\r\n      Inline.X = 2\r\n"
        "    end>\r\nend\r\n";
    const auto binary = one_value("0E 01 06 'object' 02 01 08 'Inline.X' 02 02 00 00");
    EXPECT_EQ(object_text_to_binary(text), binary);
    EXPECT_EQ(object_binary_to_text(binary), text);
    EXPECT_THROW(object_binary_to_text(one_value("0E 01 03 'End' 02 01 00 00")), StreamWriteError);
}

TEST(HandWorkedLayout, FloatsInTheGeneralFormat) {
    struct FloatCase {
        const char* binary_hex;
        const char* text;
    };
    const FloatCase cases[] = {
        {"05 2C 65 19 E2 58 17 B7 D1 F1 3F", "0.0001"},
        {"05 23 84 47 1B 47 AC C5 A7 EE 3F", "1E-5"},
        {"05 A2 45 B6 F3 FD 64 20 F1 0F 40", "123456.789"},
        {"05 00 00 00 00 00 00 00 C8 05 40", "100.0"},
        {"05 00 00 00 00 00 00 00 80 FE BF", "-0.5"},
        {"0F CD CC CC 3D", "0.1s"},
        {"11 00 00 00 00 10 F9 E5 40", "45000.5d"},
        {"10 FB FF FF FF FF FF FF FF", "-5c"},
    };
    for (const FloatCase& c : cases) {
        SCOPED_TRACE(c.text);
        const auto binary = one_value(c.binary_hex);
        const std::string text = object_binary_to_text(binary);
        EXPECT_EQ(text, "object o: TX\r\n  P = " + std::string(c.text) + "\r\nend\r\n");
        EXPECT_EQ(object_text_to_binary(text), binary);
    }
}

}  // namespace
}  // namespace tolsy
