#include "skin/bytes/inflate_reader.h"

#include <gtest/gtest.h>

#include "skin/bytes/skin_error.h"

namespace tolsy {
namespace {

Bytes pattern(std::size_t n) {
    Bytes b(n);
    for (std::size_t i = 0; i < n; ++i) b[i] = static_cast<std::uint8_t>((i * 131) ^ (i >> 7));
    return b;
}

TEST(InflateReader, FieldsSmallAndLargeReadsAndTheRest) {
    ByteWriter w;
    w.lstr("themeimage");
    w.u32(0x00FFF002);
    const Bytes big = pattern(100000);  // past the staging buffer: inflated in place
    w.bytes(big);
    w.u8(7);
    const Bytes tail = pattern(70000);
    w.bytes(tail);
    const Bytes packed = zlib_compress(w.bytes(), ZlibLevel::kDefault);

    InflateReader in(packed, 0);
    EXPECT_EQ(in.lstr("name"), "themeimage");
    EXPECT_EQ(in.u32("word"), 0x00FFF002u);
    EXPECT_EQ(in.offset(), 18u);
    Bytes got(big.size());
    in.read_into(got.data(), got.size(), "pixels");
    EXPECT_EQ(got, big);
    EXPECT_EQ(in.u8("flag"), 7);
    const std::size_t rest_at = in.offset();
    const InflatedBytes rest = in.rest();
    EXPECT_EQ(Bytes(rest.begin(), rest.end()), tail);
    EXPECT_EQ(rest_at + rest.size(), w.size());
    EXPECT_EQ(in.offset(), w.size());
}

TEST(InflateReader, EmptyReadsAreFine) {
    const Bytes packed = zlib_compress(pattern(3), ZlibLevel::kFastest);
    InflateReader in(packed, 0);
    EXPECT_TRUE(in.bytes(0, "nothing").empty());
    in.read_into(nullptr, 0, "nothing");
    EXPECT_EQ(in.bytes(3, "all"), pattern(3));
    EXPECT_TRUE(in.bytes(0, "nothing at the end").empty());
    EXPECT_TRUE(in.rest().empty());
}

TEST(InflateReader, ReadingPastTheEndOfTheStreamIsAReadError) {
    const Bytes packed = zlib_compress(pattern(10), ZlibLevel::kFastest);
    InflateReader in(packed, 0);
    Bytes got(11);
    try {
        in.read_into(got.data(), got.size(), "pixels");
        FAIL();
    } catch (const SkinReadError& e) {
        EXPECT_NE(std::string(e.what()).find("pixels at offset 0"), std::string::npos) << e.what();
    }
}

TEST(InflateReader, CorruptOrCutDataIsADecompressionError) {
    const Bytes packed = zlib_compress(pattern(50000), ZlibLevel::kDefault);
    Bytes cut(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packed.size() / 2));
    InflateReader a(cut, 100);
    EXPECT_THROW(a.rest(), DecompressionError);
    Bytes bad = packed;
    bad[packed.size() / 3] ^= 0x5A;
    InflateReader b(bad, 0);
    EXPECT_THROW(b.rest(), SkinError);
}

TEST(InflateReader, SizesTheDataCouldNeverHoldAreRefusedBeforeReading) {
    ByteWriter w;
    w.i32(0x7FFFFFF0);  // a string length far beyond what 20 compressed bytes can give
    w.text("abc");
    const Bytes packed = zlib_compress(w.bytes(), ZlibLevel::kDefault);
    InflateReader in(packed, 0);
    EXPECT_FALSE(in.could_hold(std::size_t{1} << 30));
    EXPECT_THROW(in.lstr("image name"), SkinReadError);

    ByteWriter counts;
    counts.i32(-2);
    const Bytes packed_negative = zlib_compress(counts.bytes(), ZlibLevel::kDefault);
    InflateReader neg(packed_negative, 0);
    EXPECT_THROW(neg.count("image count", 12), SkinFormatError);
}

TEST(InflateReader, TheSizeLimitHolds) {
    const Bytes packed = zlib_compress(Bytes(300000, 1), ZlibLevel::kDefault);
    InflateReader in(packed, 0, 200000);
    EXPECT_THROW(in.rest(), DecompressionError);
    InflateReader exact(packed, 0, 300000);
    EXPECT_EQ(exact.rest().size(), 300000u);
}

}  // namespace
}  // namespace tolsy
