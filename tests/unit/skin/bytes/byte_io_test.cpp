#include "skin/bytes/byte_io.h"

#include <gtest/gtest.h>

#include "skin/bytes/skin_error.h"
#include "skin/bytes/zlib_codec.h"

namespace tolsy {
namespace {

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
    } catch (const ESkinReadError& e) {
        EXPECT_NE(std::string(e.what()).find("image width"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("offset 101"), std::string::npos);
    }
    // A failed read does not move the position.
    EXPECT_EQ(r.position(), 1u);
}

TEST(ByteReader, RejectsNegativeAndOversizedLengths) {
    ByteWriter w;
    w.i32(-1);
    EXPECT_THROW(ByteReader(w.bytes()).lstr("name"), ESkinFormatError);
    ByteWriter huge;
    huge.i32(0x7FFFFFFF);
    huge.text("abc");
    EXPECT_THROW(ByteReader(huge.bytes()).lstr("name"), ESkinReadError);
}

TEST(ByteReader, CountMustFitTheRemainingData) {
    ByteWriter w;
    w.i32(3);
    w.text("123456");  // room for three items of 2 bytes, not of 3
    ByteReader fits(w.bytes());
    EXPECT_EQ(fits.count("items", 2), 3);
    ByteReader too_many(w.bytes());
    EXPECT_THROW(too_many.count("items", 3), ESkinReadError);
    ByteWriter neg;
    neg.i32(-5);
    EXPECT_THROW(ByteReader(neg.bytes()).count("items", 1), ESkinFormatError);
}

TEST(Zlib, RoundTripsAtBothLevels) {
    Bytes data;
    for (int i = 0; i < 100000; ++i) data.push_back(static_cast<std::uint8_t>((i * 7) % 251));
    for (ZlibLevel level : {ZlibLevel::Fastest, ZlibLevel::Default}) {
        const Bytes packed = zlib_compress(data, level);
        EXPECT_LT(packed.size(), data.size());
        EXPECT_EQ(zlib_decompress(packed), data);
    }
    EXPECT_TRUE(zlib_decompress(zlib_compress({}, ZlibLevel::Default)).empty());
}

TEST(Zlib, LevelsAreTheOnesAsked) {
    const Bytes data(5000, 'x');
    // The second header byte's top two bits record the level class: 0 fastest, 2 default.
    EXPECT_EQ(zlib_compress(data, ZlibLevel::Fastest)[1] >> 6, 0);
    EXPECT_EQ(zlib_compress(data, ZlibLevel::Default)[1] >> 6, 2);
}

TEST(Zlib, CorruptOrTruncatedDataIsAnError) {
    Bytes data(20000);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i ^ (i >> 5));
    const Bytes packed = zlib_compress(data, ZlibLevel::Default);
    for (std::size_t cut :
         {std::size_t{0}, std::size_t{1}, std::size_t{2}, packed.size() / 2, packed.size() - 1}) {
        Bytes part(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_THROW(zlib_decompress(part), EDecompressionError) << "cut at " << cut;
    }
    Bytes bad_header = packed;
    bad_header[0] = 0x12;
    EXPECT_THROW(zlib_decompress(bad_header), EDecompressionError);
    Bytes bad_checksum = packed;
    bad_checksum.back() ^= 0xFF;
    EXPECT_THROW(zlib_decompress(bad_checksum), EDecompressionError);
}

TEST(Zlib, ExpansionPastTheLimitIsRefused) {
    const Bytes packed = zlib_compress(Bytes(1 << 20, 0), ZlibLevel::Default);
    EXPECT_THROW(zlib_decompress(packed, 0, 1 << 19), EDecompressionError);
    EXPECT_EQ(zlib_decompress(packed, 0, 1 << 20).size(), 1u << 20);
}

}  // namespace
}  // namespace tolsy
