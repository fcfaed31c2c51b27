#include "base/byte_io.h"

#include <gtest/gtest.h>

namespace tolsy {
namespace {

using ByteReader = BasicByteReader<>;

TEST(ByteReader, ReadsLittleEndianFieldsAndStrings) {
    ByteWriter w;
    w.u8(0xAB);
    w.u16(0xBEEF);
    w.i32(-2);
    w.i64(-3);
    w.lstr("Form");
    w.sstr("Caption");
    ByteReader r(w.bytes());
    EXPECT_EQ(r.u8("a"), 0xAB);
    EXPECT_EQ(r.u16("b"), 0xBEEF);
    EXPECT_EQ(r.i32("c"), -2);
    EXPECT_EQ(r.i64("d"), -3);
    EXPECT_EQ(r.lstr("e"), "Form");
    EXPECT_EQ(r.sstr("f"), "Caption");
    EXPECT_TRUE(r.at_end());
}

TEST(ByteReader, ShortDataNamesTheFieldAndOffset) {
    const Bytes data = {1, 2, 3};
    ByteReader r(data, 100);
    r.u8("first");
    try {
        r.u32("image width");
        FAIL() << "no error";
    } catch (const ShortReadError& e) {
        EXPECT_EQ(e.read().field, "image width");
        EXPECT_EQ(e.read().offset, 101u);
        EXPECT_EQ(e.read().needed, 4u);
        EXPECT_EQ(e.read().left, 2u);
        EXPECT_STREQ(e.what(), "Data ends early: image width at offset 101 needs 4 bytes, 2 left");
    }
    // A failed read does not move the position.
    EXPECT_EQ(r.position(), 1u);
}

TEST(ByteReader, RejectsNegativeAndOversizedLengths) {
    ByteWriter w;
    w.i32(-1);
    EXPECT_THROW(ByteReader(w.bytes()).lstr("name"), FieldValueError);
    ByteWriter huge;
    huge.i32(0x7FFFFFFF);
    huge.text("abc");
    EXPECT_THROW(ByteReader(huge.bytes()).lstr("name"), ShortReadError);
}

TEST(ByteReader, CountMustFitTheRemainingData) {
    ByteWriter w;
    w.i32(3);
    w.text("123456");  // room for three items of 2 bytes, not of 3
    ByteReader fits(w.bytes());
    EXPECT_EQ(fits.count("items", 2), 3);
    ByteReader too_many(w.bytes());
    EXPECT_THROW(too_many.count("items", 3), ShortReadError);
    ByteWriter neg;
    neg.i32(-5);
    EXPECT_THROW(ByteReader(neg.bytes()).count("items", 1), FieldValueError);
}

// What a policy is handed, thrown back so that the test can look at it.
struct Reported {
    ShortRead read;
    std::string detail;
    std::size_t offset = 0;
};

struct ReportingErrors {
    [[noreturn]] static void short_read(ShortRead read) { throw Reported{std::move(read), {}, 0}; }
    [[noreturn]] static void bad_field(std::string detail, std::size_t offset) {
        throw Reported{{}, std::move(detail), offset};
    }
};

TEST(ByteReader, ReportsThroughItsErrorPolicy) {
    ByteWriter w;
    w.u8(7);
    w.i32(-3);
    BasicByteReader<ReportingErrors> fields(w.bytes(), 50);
    fields.u8("kind");
    try {
        fields.lstr("face");
        FAIL() << "no error";
    } catch (const Reported& e) {
        EXPECT_EQ(e.detail, "face has negative length -3");
        EXPECT_EQ(e.offset, 51u);
    }
    BasicByteReader<ReportingErrors> data(w.bytes(), 50);
    try {
        data.bytes(9, "pixels");
        FAIL() << "no error";
    } catch (const Reported& e) {
        EXPECT_EQ(e.read.field, "pixels");
        EXPECT_EQ(e.read.offset, 50u);
        EXPECT_EQ(e.read.needed, 9u);
        EXPECT_EQ(e.read.left, 5u);
    }
}

}  // namespace
}  // namespace tolsy
