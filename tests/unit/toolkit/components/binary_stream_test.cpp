// The binary component stream: every value type's encoding, round trips, and malformed input.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "stream_test_util.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/stream_errors.h"

namespace tolsy {
namespace {

using testing::bytes;

// "TPF0", object TX named "o", one property "P" with the given value bytes, no children.
std::vector<std::uint8_t> with_value(std::string_view value_hex) {
    auto out = bytes("'TPF0' 02 'TX' 01 'o' 01 'P'");
    auto v = bytes(value_hex);
    out.insert(out.end(), v.begin(), v.end());
    out.push_back(0);  // end of properties
    out.push_back(0);  // end of children
    return out;
}

const Value& only_value(const ObjectNode& node) {
    EXPECT_EQ(node.properties.size(), 1u);
    return node.properties.at(0).value;
}

ObjectNode tree_with(Value v) {
    ObjectNode n;
    n.class_name = "TX";
    n.name = "o";
    n.properties.push_back({"P", std::move(v)});
    return n;
}

TEST(BinaryStreamIntegers, SmallestWidthThatHoldsTheValue) {
    struct Case {
        std::int64_t value;
        const char* hex;
    };
    const Case cases[] = {
        {0, "02 00"},
        {127, "02 7F"},
        {-128, "02 80"},
        {128, "03 80 00"},
        {-129, "03 7F FF"},
        {32767, "03 FF 7F"},
        {-32768, "03 00 80"},
        {32768, "04 00 80 00 00"},
        {INT32_MAX, "04 FF FF FF 7F"},
        {INT32_MIN, "04 00 00 00 80"},
        {INT64_C(2147483648), "13 00 00 00 80 00 00 00 00"},
        {INT64_MIN, "13 00 00 00 00 00 00 00 80"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(write_binary_stream(tree_with(Value::integer_value(c.value))), with_value(c.hex));
        const Value read = only_value(parse_binary_stream(with_value(c.hex)));
        EXPECT_TRUE(read.is_integer());
        EXPECT_EQ(read.integer, c.value);
    }
}

TEST(BinaryStreamIntegers, KeepTheWidthTheyWereReadWith) {
    // A 32-bit encoding of 5 is legal though not minimal; it must be written back unchanged.
    const auto stream = with_value("04 05 00 00 00");
    const ObjectNode tree = parse_binary_stream(stream);
    EXPECT_EQ(only_value(tree).type, ValueType::kInt32);
    EXPECT_EQ(write_binary_stream(tree), stream);
}

TEST(BinaryStreamValues, EachTypeDecodesAndRoundTrips) {
    struct Case {
        const char* hex;
        ValueType type;
    };
    const Case cases[] = {
        {"06 03 'abc'", ValueType::kString},
        {"06 00", ValueType::kString},
        {"07 05 'alTop'", ValueType::kIdent},
        {"08", ValueType::kFalse},
        {"09", ValueType::kTrue},
        {"0D", ValueType::kNil},
        {"00", ValueType::kNull},
        {"0A 03 00 00 00 01 FF 00", ValueType::kBinary},
        {"0B 06 'fsBold' 08 'fsItalic' 00", ValueType::kSet},
        {"0B 00", ValueType::kSet},
        {"0C 02 00 00 00 'hi'", ValueType::kLString},
        {"12 02 00 00 00 D8 00 AC 20", ValueType::kWString},
        {"14 02 00 00 00 C3 A9", ValueType::kUtf8String},
        {"01 02 01 06 01 'x' 00", ValueType::kList},
        {"0E 01 01 'A' 02 05 00 02 03 01 01 'B' 09 00 00", ValueType::kCollection},
        {"05 00 00 00 00 00 00 00 C0 FF 3F", ValueType::kExtended},
        {"0F 00 00 20 40", ValueType::kSingle},
        {"15 00 00 00 00 00 00 F8 3F", ValueType::kDouble},
        {"11 00 00 00 00 00 00 F8 3F", ValueType::kDate},
        {"10 39 30 00 00 00 00 00 00", ValueType::kCurrency},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex);
        const auto stream = with_value(c.hex);
        const ObjectNode tree = parse_binary_stream(stream);
        EXPECT_EQ(only_value(tree).type, c.type);
        EXPECT_EQ(write_binary_stream(tree), stream);
    }
}

TEST(BinaryStreamValues, ContentsAreDecoded) {
    EXPECT_EQ(only_value(parse_binary_stream(with_value("06 03 'abc'"))).bytes, "abc");
    EXPECT_EQ(only_value(parse_binary_stream(with_value("12 02 00 00 00 D8 00 AC 20"))).wide(),
              u"\u00D8\u20AC");
    EXPECT_EQ(only_value(parse_binary_stream(with_value("0B 06 'fsBold' 08 'fsItalic' 00")))
                  .set_elements(),
              (std::vector<std::string>{"fsBold", "fsItalic"}));
    EXPECT_EQ(
        only_value(parse_binary_stream(with_value("05 00 00 00 00 00 00 00 C0 FF 3F"))).real(),
        1.5L);
    EXPECT_EQ(only_value(parse_binary_stream(with_value("0F 00 00 20 40"))).real(), 2.5L);
    EXPECT_EQ(only_value(parse_binary_stream(with_value("15 00 00 00 00 00 00 F8 3F"))).real(),
              1.5L);
    EXPECT_EQ(only_value(parse_binary_stream(with_value("10 39 30 00 00 00 00 00 00"))).real(),
              1.2345L);

    const Value list = only_value(parse_binary_stream(with_value("01 02 01 06 01 'x' 00")));
    ASSERT_EQ(list.list().size(), 2u);
    EXPECT_EQ(list.list()[0].integer, 1);
    EXPECT_EQ(list.list()[1].bytes, "x");

    const Value col = only_value(
        parse_binary_stream(with_value("0E 01 01 'A' 02 05 00 02 03 01 01 'B' 09 00 00")));
    ASSERT_EQ(col.items().size(), 2u);
    EXPECT_EQ(col.items()[0].order_type, ValueType::kNull);
    EXPECT_EQ(col.items()[0].properties[0].name, "A");
    EXPECT_EQ(col.items()[1].order_type, ValueType::kInt8);
    EXPECT_EQ(col.items()[1].order, 3);
    EXPECT_EQ(col.items()[1].properties[0].value.type, ValueType::kTrue);
}

TEST(BinaryStreamValues, ExtendedConversionIsExact) {
    const long double samples[] = {0.0L,
                                   -0.0L,
                                   1.0L,
                                   -2.5L,
                                   0.1L,
                                   1e-4940L,
                                   1e4931L,
                                   std::numeric_limits<long double>::denorm_min(),
                                   std::numeric_limits<long double>::max(),
                                   std::numeric_limits<long double>::infinity()};
    for (long double v : samples) {
        SCOPED_TRACE(static_cast<double>(v));
        const long double back = extended_from_bytes(extended_to_bytes(v));
        EXPECT_EQ(back, v);
        EXPECT_EQ(std::signbit(back), std::signbit(v));
    }
    EXPECT_TRUE(std::isnan(
        extended_from_bytes(extended_to_bytes(std::numeric_limits<long double>::quiet_NaN()))));
    // 1.0 is mantissa 0x8000000000000000 with biased exponent 0x3FFF.
    EXPECT_EQ(testing::text_of(bytes("00 00 00 00 00 00 00 80 FF 3F")), extended_to_bytes(1.0L));
}

TEST(BinaryStreamObjects, HeaderFlagsChildrenAndNesting) {
    // Root with an inherited child at position 3 and an inline grandchild.
    const auto stream = bytes(
        "'TPF0' 05 'TRoot' 04 'Root' 00"
        "  F3 02 03 06 'TChild' 01 'c' 00"
        "    F4 06 'TInner' 00 00 00"
        "  00"
        "00");
    const ObjectNode root = parse_binary_stream(stream);
    EXPECT_EQ(root.class_name, "TRoot");
    EXPECT_EQ(root.name, "Root");
    ASSERT_EQ(root.children.size(), 1u);
    const ObjectNode& child = root.children[0];
    EXPECT_EQ(child.flags, kFilerInherited | kFilerChildPos);
    EXPECT_EQ(child.position, 3);
    EXPECT_EQ(child.name, "c");
    ASSERT_EQ(child.children.size(), 1u);
    EXPECT_EQ(child.children[0].flags, kFilerInline);
    EXPECT_EQ(child.children[0].name, "");
    EXPECT_EQ(write_binary_stream(root), stream);
}

TEST(BinaryStreamObjects, PrefixReadsBackTheConsumedLength) {
    auto stream = with_value("09");
    const std::size_t length = stream.size();
    stream.push_back(0x77);
    std::size_t consumed = 0;
    parse_binary_stream_prefix(stream, &consumed);
    EXPECT_EQ(consumed, length);
    EXPECT_THROW(parse_binary_stream(stream), StreamFormatError);
}

// Malformed streams, zlib-infcover style: each a short hex line, the offset the error names,
// and a word of its message.
TEST(BinaryStreamMalformed, EachBadStreamNamesWhatAndWhere) {
    struct Case {
        const char* hex;
        std::size_t offset;
        const char* words;
    };
    const Case cases[] = {
        {"", 0, "ends early"},
        {"'TPF1' 01 'X' 00 00 00", 0, "signature"},
        {"'TPF0'", 4, "ends early"},
        {"'TPF0' 00 00 00 00", 4, "Class name expected"},
        {"'TPF0' 05 'TX'", 5, "ends early"},
        {"'TPF0' 02 'TX' 01 'o'", 9, "ends early"},
        {"'TPF0' 02 'TX' 01 'o' 01 'P' 16", 11, "Invalid value type 22"},
        {"'TPF0' 02 'TX' 01 'o' 01 'P' FF", 11, "Invalid value type 255"},
        {"'TPF0' 02 'TX' 01 'o' 01 'P' 04 01 02", 12, "ends early"},
        {"'TPF0' 02 'TX' 01 'o' 01 'P' 0A FF FF FF FF", 12, "Negative length"},
        {"'TPF0' 02 'TX' 01 'o' 01 'P' 0A 10 00 00 00 01 02", 12, "exceeds the stream"},
        {"'TPF0' 02 'TX' 01 'o' 01 'P' 0C FF FF FF 7F", 12, "exceeds the stream"},
        {"'TPF0' 02 'TX' 01 'o' 01 'P' 12 02 00 00 00 41 00 42", 12, "exceeds the stream"},
        {"'TPF0' 02 'TX' 01 'o' 01 'P' 12 00 00 00 80", 12, "Negative length"},
        {"'TPF0' 02 'TX' 01 'o' 01 'P' 0B 03 'ab'", 13, "ends early"},
        {"'TPF0' 02 'TX' 01 'o' 01 'P' 01 02 01", 14, "ends early"},
        {"'TPF0' 02 'TX' 01 'o' 01 'P' 0E 06 00", 12, "Collection item expected"},
        {"'TPF0' 02 'TX' 01 'o' 01 'P' 05 00 00 00", 12, "ends early"},
        {"'TPF0' F8 02 'TX' 00 00 00", 4, "Invalid filer flags"},
        {"'TPF0' F2 06 01 'X' 00 00 00", 4, "Integer child position"},
        {"'TPF0' F2 13 00 F2 05 2A 01 00 00 00 02 'TX' 00 00 00", 4, "Integer child position"},
        {"'TPF0' 02 'TX' 01 'o' 00 02 'TY' 01 'c' 00", 16, "ends early"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex);
        try {
            parse_binary_stream(bytes(c.hex));
            ADD_FAILURE() << "no error";
        } catch (const StreamFormatError& e) {
            EXPECT_EQ(e.offset(), c.offset) << e.what();
            EXPECT_NE(std::string(e.what()).find(c.words), std::string::npos) << e.what();
            EXPECT_EQ(e.what(), e.detail() + " at offset " + std::to_string(c.offset));
        }
    }
}

// The reader sizes each object's vectors from a first walk over the stream; every cut of a stream
// with children, lists, sets and collections must still fail as a format error, and the whole
// stream must still read back to the tree it came from.
TEST(BinaryStreamMalformed, EveryCutOfANestedStreamIsAnError) {
    ObjectNode root = tree_with(Value::set({"a", "bc"}));
    Value list;
    list.type = ValueType::kList;
    list.list() = {Value::integer_value(70000), Value::wide_string(u"w"), Value::single(1.5f)};
    root.properties.push_back({"L", list});
    Value items;
    items.type = ValueType::kCollection;
    items.items().push_back({ValueType::kInt8, 2, {{"Q", Value::string("q")}}});
    items.items().push_back({ValueType::kNull, 0, {{"R", Value::binary("xyz")}, {"S", list}}});
    root.properties.push_back({"C", items});
    for (int i = 0; i < 3; ++i) {
        ObjectNode& child = root.children.emplace_back(tree_with(Value::boolean(i == 1)));
        child.children.push_back(tree_with(items));
    }
    const auto stream = write_binary_stream(root);
    EXPECT_EQ(write_binary_stream(parse_binary_stream(stream)), stream);
    for (std::size_t cut = 0; cut < stream.size(); ++cut) {
        SCOPED_TRACE(cut);
        EXPECT_THROW(parse_binary_stream(std::span(stream).first(cut)), StreamFormatError);
    }
}

TEST(BinaryStreamMalformed, DeepNestingIsRefusedNotRecursedInto) {
    std::vector<std::uint8_t> stream = bytes("'TPF0' 02 'TX' 01 'o' 01 'P'");
    stream.insert(stream.end(), 100000, 0x01);  // lists inside lists
    EXPECT_THROW(parse_binary_stream(stream), StreamFormatError);
}

TEST(BinaryStreamWriting, RefusesTreesTheFormatCannotHold) {
    ObjectNode long_class = tree_with(Value::boolean(true));
    long_class.class_name = std::string(240, 'T');  // would read back as a filer prefix
    EXPECT_THROW(write_binary_stream(long_class), StreamWriteError);

    // Behind a prefix the same name is unambiguous.
    long_class.flags = kFilerInline;
    const auto prefixed = write_binary_stream(long_class);
    EXPECT_EQ(parse_binary_stream(prefixed), long_class);

    ObjectNode long_name = tree_with(Value::boolean(true));
    long_name.properties[0].name = std::string(256, 'P');
    EXPECT_THROW(write_binary_stream(long_name), StreamWriteError);

    Value list;
    list.type = ValueType::kList;
    list.list().push_back(Value{});  // a Null byte would end the list early
    EXPECT_THROW(write_binary_stream(tree_with(list)), StreamWriteError);

    ObjectNode far = tree_with(Value::boolean(true));
    far.flags = kFilerChildPos;
    far.position = INT64_C(5000000000);  // the reader takes no 64-bit position
    EXPECT_THROW(write_binary_stream(far), StreamWriteError);

    Value narrow;
    narrow.type = ValueType::kInt8;
    narrow.integer = 300;
    EXPECT_THROW(write_binary_stream(tree_with(narrow)), StreamWriteError);
}

TEST(BinaryStreamWriting, LongStringsBecomeLongStrings) {
    EXPECT_EQ(Value::string(std::string(255, 'a')).type, ValueType::kString);
    const Value long_value = Value::string(std::string(256, 'a'));
    EXPECT_EQ(long_value.type, ValueType::kLString);
    const auto stream = write_binary_stream(tree_with(long_value));
    EXPECT_EQ(only_value(parse_binary_stream(stream)).bytes, std::string(256, 'a'));
}

}  // namespace
}  // namespace tolsy
