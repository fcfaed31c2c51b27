// The textual component form: what each construct converts to in binary, how binary is laid
// out as text, round trips, and malformed texts.
#include <gtest/gtest.h>

#include <cmath>

#include "stream_test_util.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/stream_errors.h"
#include "toolkit/components/text_stream.h"

namespace tolsy {
namespace {

using testing::bytes;

// The binary of `object o: TX` holding one property P with the given value bytes.
std::vector<std::uint8_t> with_value(std::string_view value_hex) {
    auto out = bytes("'TPF0' 02 'TX' 01 'o' 01 'P'");
    auto v = bytes(value_hex);
    out.insert(out.end(), v.begin(), v.end());
    out.insert(out.end(), {0, 0});
    return out;
}

std::vector<std::uint8_t> convert_value(std::string_view value_text) {
    return object_text_to_binary("object o: TX\n  P = " + std::string(value_text) + "\nend\n");
}

struct ValueCase {
    const char* text;
    const char* hex;
};

void expect_conversions(std::initializer_list<ValueCase> cases) {
    for (const ValueCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(convert_value(c.text), with_value(c.hex));
    }
}

TEST(TextToBinary, ObjectHeaders) {
    EXPECT_EQ(object_text_to_binary("object Form1: TForm1\nend"),
              bytes("'TPF0' 06 'TForm1' 05 'Form1' 00 00"));
    EXPECT_EQ(object_text_to_binary("object TForm1 end"), bytes("'TPF0' 06 'TForm1' 00 00 00"));
    EXPECT_EQ(object_text_to_binary("OBJECT a: TB\r\n  Inherited c: TC [2] END\r\nEnd"),
              bytes("'TPF0' 02 'TB' 01 'a' 00  F3 02 02 02 'TC' 01 'c' 00 00  00"));
    EXPECT_EQ(object_text_to_binary("object a: TB [-3] end"), bytes("'TPF0' 02 'TB' 01 'a' 00 00"));
    EXPECT_EQ(object_text_to_binary("object a: TB inline c: TC end end"),
              bytes("'TPF0' 02 'TB' 01 'a' 00  F4 02 'TC' 01 'c' 00 00  00"));
}

TEST(TextToBinary, PropertiesBeforeChildrenAndDottedNames) {
    EXPECT_EQ(object_text_to_binary(
                  "object a: TB\n  Font . Height = -11\n  object b: TC\n    X = 1\n  end\nend"),
              bytes("'TPF0' 02 'TB' 01 'a' 0B 'Font.Height' 02 F5 00"
                    "  02 'TC' 01 'b' 01 'X' 02 01 00 00"
                    "00"));
}

TEST(TextToBinary, EightBitStrings) {
    expect_conversions({
        {"'abc'", "06 03 'abc'"},
        {"''", "06 00"},
        {"'Don''t'", "06 05 44 6F 6E 27 74"},
        {"'a'#13#10'b'", "06 04 61 0D 0A 62"},
        {"#127", "06 01 7F"},
        {"#0", "06 01 00"},
        {"'ab' + 'cd'", "06 04 'abcd'"},
        {"'ab' +\n    'cd' + #33", "06 05 'abcd!'"},
        {"'\xE9'", "06 01 E9"},  // raw 8-bit characters stay bytes
    });
    EXPECT_EQ(convert_value("'" + std::string(256, 'x') + "'"),
              with_value("0C 00 01 00 00 '" + std::string(256, 'x') + "'"));
    EXPECT_EQ(convert_value("'" + std::string(255, 'x') + "'"),
              with_value("06 FF '" + std::string(255, 'x') + "'"));
}

TEST(TextToBinary, ACodeAbove127MakesTheWholeStringWide) {
    expect_conversions({
        {"#128", "12 01 00 00 00 80 00"},
        {"#233", "12 01 00 00 00 E9 00"},
        {"'x'#8364", "12 02 00 00 00 78 00 AC 20"},
        {"'  '#164", "12 03 00 00 00 20 00 20 00 A4 00"},
        {"'a' + #216", "12 02 00 00 00 61 00 D8 00"},
        {"#216 + 'b'", "12 02 00 00 00 D8 00 62 00"},
        {"#65535", "12 01 00 00 00 FF FF"},
    });
}

TEST(TextToBinary, IdentifiersAndSpecialWords) {
    expect_conversions({
        {"alTop", "07 05 'alTop'"},
        {"Form2.Button1", "07 0D 'Form2.Button1'"},
        {"True", "09"},
        {"FALSE", "08"},
        {"nil", "0D"},
        {"Null", "00"},
        {"Truely", "07 06 'Truely'"},
    });
}

TEST(TextToBinary, Integers) {
    expect_conversions({
        {"0", "02 00"},
        {"-1", "02 FF"},
        {"127", "02 7F"},
        {"128", "03 80 00"},
        {"-32769", "04 FF 7F FF FF"},
        {"$FF", "03 FF 00"},
        {"$7fffffff", "04 FF FF FF 7F"},
        {"$FFFFFFFF", "13 FF FF FF FF 00 00 00 00"},
        {"$FFFFFFFFFFFFFFFF", "02 FF"},
        {"9223372036854775807", "13 FF FF FF FF FF FF FF 7F"},
        {"-9223372036854775808", "13 00 00 00 00 00 00 00 80"},
    });
}

TEST(TextToBinary, FloatsTakeTheirTypeFromTheSuffix) {
    expect_conversions({
        {"1.5", "05 00 00 00 00 00 00 00 C0 FF 3F"},
        {"1e2", "05 00 00 00 00 00 00 00 C8 05 40"},
        {"-1.5E+0", "05 00 00 00 00 00 00 00 C0 FF BF"},
        {"2.5s", "0F 00 00 20 40"},
        {"2.5S", "0F 00 00 20 40"},
        {"1.5d", "11 00 00 00 00 00 00 F8 3F"},
        {"12345c", "10 39 30 00 00 00 00 00 00"},
        {"2.5c", "10 02 00 00 00 00 00 00 00"},  // rounded to the nearest even scaled unit
        {"3s", "0F 00 00 40 40"},
    });
}

TEST(TextToBinary, SetsListsBinaryAndCollections) {
    expect_conversions({
        {"[fsBold, fsItalic]", "0B 06 'fsBold' 08 'fsItalic' 00"},
        {"[]", "0B 00"},
        {"[ 1,2 ]", "0B 01 '1' 01 '2' 00"},
        {"( 1 'a' (True) )", "01 02 01 06 01 'a' 01 09 00 00"},
        {"()", "01 00"},
        {"{01 ab\n  CD}", "0A 03 00 00 00 01 AB CD"},
        {"{}", "0A 00 00 00 00"},
        {"<>", "0E 00"},
        {"< item [-1] end item [-2] end >", "0E 01 00 02 FE 01 00 00"},
        {"< item A = 1 end item [3] B = True end >",
         "0E 01 01 'A' 02 01 00 02 03 01 01 'B' 09 00 00"},
        {"<\n  ITEM\n    X.Y = nil\n  END>", "0E 01 03 'X.Y' 0D 00 00"},
    });
}

// Each malformed text with the line and column its error names.
TEST(TextMalformed, ErrorsNameLineAndColumn) {
    struct Case {
        const char* text;
        int line;
        int column;
        const char* words;
    };
    const Case cases[] = {
        {"", 1, 1, "'object' expected"},
        {"thing a: TB end", 1, 1, "'object' expected"},
        {"object a: TB", 1, 13, "Property name expected"},
        {"object a: 5 end", 1, 11, "Class name expected"},
        {"object a: TB\n  P 1\nend", 2, 5, "'=' expected"},
        {"object a: TB\n  P = 'abc\nend", 2, 7, "Unterminated string"},
        {"object a: TB\n  P = {0}\nend", 2, 8, "Invalid binary value"},
        {"object a: TB\n  P = {01\nend", 3, 1, "Invalid binary value"},
        {"object a: TB\n  P = {01", 2, 10, "'}' expected"},
        {"object a: TB\n  P = #\nend", 2, 7, "Character code expected"},
        {"object a: TB\n  P = #65536\nend", 2, 7, "Character code out of range"},
        {"object a: TB\n  P = 99999999999999999999\nend", 2, 7, "Integer out of range"},
        {"object a: TB\n  P = $10000000000000000\nend", 2, 7, "Integer out of range"},
        {"object a: TB\n  P = $\nend", 2, 7, "Number expected"},
        {"object a: TB\n  P = -\nend", 2, 7, "Number expected"},
        {"object a: TB\n  P = 1.2.3\nend", 2, 7, "Invalid floating-point number"},
        {"object a: TB\n  P = 1e99999\nend", 2, 7, "out of range"},
        {"object a: TB\n  P = 1e39s\nend", 2, 7, "Single value out of range"},
        {"object a: TB\n  P = -1e309d\nend", 2, 7, "Date value out of range"},
        {"object a: TB\n  P = 1e19c\nend", 2, 7, "Currency value out of range"},
        {"object a: TB\n  P = [a b]\nend", 2, 10, "',' expected"},
        {"object a: TB\n  P = [a, 'b']\nend", 2, 11, "Identifier expected"},
        {"object a: TB\n  P = 'a' + 1\nend", 2, 13, "String expected"},
        {"object a: TB\n  P = ( Null )\nend", 2, 9, "Null is not allowed in a list"},
        {"object a: TB\n  P = < thing end >\nend", 2, 9, "'item' expected"},
        {"object a: TB\n  P = = \nend", 2, 7, "Invalid property value"},
        {"object a: TB\n  P = A.\nend", 2, 9, "Identifier expected"},
        {"object a: TB\n  P = 1\nend\nmore", 4, 1, "End of text expected"},
        {"object a: TB\n  object b: TC\n  end\n  P = 1\nend", 4, 3, "'end' expected"},
        {"object a: TB\n  P = $0000000000000000000001\n  Q = ", 3, 7, "Invalid property value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            parse_text_stream(c.text);
            ADD_FAILURE() << "no error";
        } catch (const TextSyntaxError& e) {
            EXPECT_EQ(e.line(), c.line) << e.what();
            EXPECT_EQ(e.column(), c.column) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
        }
    }
}

TEST(TextMalformed, NulInsideTheTextIsAnError) {
    const std::string text("object a: TB\n  P = 1\n\0end", 25);
    try {
        parse_text_stream(text);
        ADD_FAILURE() << "no error";
    } catch (const TextSyntaxError& e) {
        EXPECT_EQ(e.line(), 3);
        EXPECT_EQ(e.column(), 1);
    }
}

TEST(TextMalformed, DeepNestingIsRefused) {
    const std::string text = "object a: TB\n  P = " + std::string(100000, '(') + "\nend";
    EXPECT_THROW(parse_text_stream(text), TextSyntaxError);
}

std::string text_of_value(std::string_view value_hex) {
    return object_binary_to_text(with_value(value_hex));
}

std::string one_property(const std::string& value_text) {
    return "object o: TX\r\n  P = " + value_text + "\r\nend\r\n";
}

TEST(BinaryToText, LayoutOfObjectsPropertiesAndChildren) {
    const auto stream = bytes(
        "'TPF0' 06 'TForm1' 05 'Form1' 07 'Caption' 06 01 'x' 00"
        "  F3 02 04 04 'TTab' 00 0B 'Font.Height' 02 F5 00 00"
        "  02 'TB' 01 'b' 00 00"
        "00");
    EXPECT_EQ(object_binary_to_text(stream),
              "object Form1: TForm1\r\n"
              "  Caption = 'x'\r\n"
              "  inherited TTab [4]\r\n"
              "    Font.Height = -11\r\n"
              "  end\r\n"
              "  object b: TB\r\n"
              "  end\r\n"
              "end\r\n");
}

TEST(BinaryToText, StringsQuoteTheirPrintableRunsAndCodeTheRest) {
    EXPECT_EQ(text_of_value("06 05 44 6F 6E 27 74"), one_property("'Don'#39't'"));
    EXPECT_EQ(text_of_value("06 04 61 0D 0A 62"), one_property("'a'#13#10'b'"));
    EXPECT_EQ(text_of_value("06 00"), one_property("''"));
    EXPECT_EQ(text_of_value("06 02 E9 7F"), one_property("'\xE9\x7F'"));
    EXPECT_EQ(text_of_value("12 03 00 00 00 61 00 E9 00 AC 20"), one_property("'a'#233#8364"));
    EXPECT_EQ(text_of_value("14 03 00 00 00 61 C3 A9"), one_property("'a'#233"));
}

TEST(BinaryToText, LongStringsBreakAfter64Characters) {
    const std::string a64(64, 'a');
    EXPECT_EQ(text_of_value("06 40 '" + a64 + "'"), one_property("'" + a64 + "'"));
    EXPECT_EQ(text_of_value("06 41 '" + a64 + "b'"),
              one_property("\r\n    '" + a64 + "' +\r\n    'b'"));
    // Codes count toward the line too: 63 letters, then #13 fills the line.
    const std::string a63(63, 'a');
    EXPECT_EQ(text_of_value("06 42 '" + a63 + "' 0D 'bb'"),
              one_property("\r\n    '" + a63 + "'#13 +\r\n    'bb'"));
}

TEST(BinaryToText, BinaryDataIs32BytesPerLine) {
    std::string hex31, hex32;
    for (int i = 0; i < 31; ++i) hex31 += "AB";
    hex32 = hex31 + "CD";
    auto spaced = [](const std::string& h) {
        std::string out;
        for (std::size_t i = 0; i < h.size(); i += 2) out += h.substr(i, 2) + " ";
        return out;
    };
    EXPECT_EQ(text_of_value("0A 1F 00 00 00 " + spaced(hex31)), one_property("{" + hex31 + "}"));
    EXPECT_EQ(text_of_value("0A 20 00 00 00 " + spaced(hex32)),
              one_property("{\r\n    " + hex32 + "}"));
    EXPECT_EQ(text_of_value("0A 21 00 00 00 " + spaced(hex32) + "01"),
              one_property("{\r\n    " + hex32 + "\r\n    01}"));
    EXPECT_EQ(text_of_value("0A 00 00 00 00"), one_property("{}"));
}

TEST(BinaryToText, ListsSetsAndCollections) {
    EXPECT_EQ(text_of_value("01 06 01 'a' 02 05 00"), one_property("(\r\n    'a'\r\n    5)"));
    EXPECT_EQ(text_of_value("01 00"), one_property("()"));
    EXPECT_EQ(text_of_value("0B 06 'fsBold' 08 'fsItalic' 00"), one_property("[fsBold, fsItalic]"));
    EXPECT_EQ(text_of_value("0E 01 01 'A' 02 01 00 02 03 01 00 00"),
              one_property("<\r\n    item\r\n      A = 1\r\n    end\r\n    item [3]\r\n    end>"));
    EXPECT_EQ(text_of_value("0E 00"), one_property("<>"));
    EXPECT_EQ(text_of_value("09"), one_property("True"));
    EXPECT_EQ(text_of_value("00"), one_property("Null"));
    EXPECT_EQ(text_of_value("0D"), one_property("nil"));
}

TEST(BinaryToText, FloatsUseTheShortestDigitsThatReadBack) {
    auto text_of_float = [](const Value& v) {
        ObjectNode n;
        n.class_name = "TX";
        n.name = "o";
        n.properties.push_back({"P", v});
        return write_text_stream(n);
    };
    EXPECT_EQ(text_of_float(Value::extended(1.5L)), one_property("1.5"));
    EXPECT_EQ(text_of_float(Value::extended(100.0L)), one_property("100.0"));  // stays a float
    EXPECT_EQ(text_of_float(Value::extended(-0.0L)), one_property("-0.0"));
    EXPECT_EQ(text_of_float(Value::extended(1e20L)), one_property("1E20"));
    EXPECT_EQ(text_of_float(Value::extended(1.5e-7L)), one_property("1.5E-7"));
    EXPECT_EQ(text_of_float(Value::extended(0.0001L)), one_property("0.0001"));
    EXPECT_EQ(text_of_float(Value::extended(0.00001L)), one_property("1E-5"));
    EXPECT_EQ(text_of_float(Value::extended(123456789012345.0L)),
              one_property("123456789012345.0"));
    EXPECT_EQ(text_of_float(Value::extended(1234567890123456.0L)),
              one_property("1.234567890123456E15"));
    EXPECT_EQ(text_of_float(Value::single(2.5f)), one_property("2.5s"));
    EXPECT_EQ(text_of_float(Value::single(0.1f)), one_property("0.1s"));
    EXPECT_EQ(text_of_float(Value::date(3.0)), one_property("3d"));
    EXPECT_EQ(text_of_float(Value::currency_scaled(12345)), one_property("12345c"));
    EXPECT_THROW(text_of_float(Value::extended(INFINITY)), StreamWriteError);
}

TEST(BinaryToText, HardFloatsReadBackBitForBit) {
    const long double extended_samples[] = {0.1L,
                                            1.0L / 3,
                                            2.0L / 3 * 1e300L,
                                            6.02214076e23L,
                                            std::numeric_limits<long double>::denorm_min(),
                                            std::numeric_limits<long double>::max(),
                                            std::numeric_limits<long double>::min()};
    for (long double v : extended_samples) {
        SCOPED_TRACE(static_cast<double>(v));
        const auto stream = with_value("05 " + [&] {
            std::string hex;
            for (unsigned char b : extended_to_bytes(v)) {
                static const char d[] = "0123456789ABCDEF";
                hex += d[b >> 4];
                hex += d[b & 15];
                hex += ' ';
            }
            return hex;
        }());
        EXPECT_EQ(object_text_to_binary(object_binary_to_text(stream)), stream);
    }
    const float single_samples[] = {0.1f, 1.0f / 3, 3.4028235e38f, 1.4e-45f, 16777217.0f};
    for (float v : single_samples) {
        ObjectNode n;
        n.class_name = "TX";
        n.properties.push_back({"P", Value::single(v)});
        const auto stream = write_binary_stream(n);
        EXPECT_EQ(object_text_to_binary(object_binary_to_text(stream)), stream) << v;
    }
}

TEST(BinaryToText, RefusesNamesTextCannotHold) {
    auto tree = [] {
        ObjectNode n;
        n.class_name = "TX";
        n.properties.push_back({"P", Value::ident("ok")});
        return n;
    };
    ObjectNode bad_class = tree();
    bad_class.class_name = "T X";
    EXPECT_THROW(write_text_stream(bad_class), StreamWriteError);
    ObjectNode bad_property = tree();
    bad_property.properties[0].name = "Font..Height";
    EXPECT_THROW(write_text_stream(bad_property), StreamWriteError);
    ObjectNode bad_ident = tree();
    bad_ident.properties[0].value = Value::ident("a-b");
    EXPECT_THROW(write_text_stream(bad_ident), StreamWriteError);
    ObjectNode keyword = tree();
    keyword.properties[0].name = "End";  // would close the object when read back
    EXPECT_THROW(write_text_stream(keyword), StreamWriteError);
    ObjectNode null_in_list = tree();
    null_in_list.properties[0].value.type = ValueType::kList;
    null_in_list.properties[0].value.list().push_back(Value::ident("Null"));
    EXPECT_THROW(write_text_stream(null_in_list), StreamWriteError);
    ObjectNode bad_utf8 = tree();
    bad_utf8.properties[0].value = Value::utf8_string("\xC3");
    EXPECT_THROW(write_text_stream(bad_utf8), StreamWriteError);
}

TEST(RoundTrip, TextFromBinaryReadsBackToTheSameBytes) {
    const std::string text =
        "object Form1: TForm1\n"
        "  Caption = 'It''s '#13#10'two lines'\n"
        "  Wide = #216' and '#8364\n"
        "  Long = '" +
        std::string(300, 'q') +
        "'\n"
        "  Numbers = (1 -200 70000 5000000000 $FFFF 1.25 7.5s 100c 2.5d)\n"
        "  Flags = [a, b, c]\n"
        "  Data = {" +
        std::string(130, 'F') +
        "}\n"
        "  Ref = Other.Thing\n"
        "  Switches = (True False nil)\n"
        "  Items = <\n    item\n      Name = 'x'\n      Sub = <\n        item [2]\n        end>\n  "
        "  end>\n"
        "  inherited Child: TChild [7]\n    Font.Name = 'Tolsy'\n    object Deep: TDeep\n    end\n "
        " end\n"
        "end\n";
    const auto binary = object_text_to_binary(text);
    const std::string back = object_binary_to_text(binary);
    EXPECT_EQ(object_text_to_binary(back), binary);
    EXPECT_EQ(object_binary_to_text(object_text_to_binary(back)), back);
}

}  // namespace
}  // namespace tolsy
