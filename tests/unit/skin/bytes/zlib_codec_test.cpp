#include "skin/bytes/zlib_codec.h"

#include <gtest/gtest.h>

#include "skin/bytes/skin_error.h"

namespace tolsy {
namespace {

TEST(Zlib, RoundTripsAtBothLevels) {
    Bytes data;
    for (int i = 0; i < 100000; ++i) data.push_back(static_cast<std::uint8_t>((i * 7) % 251));
    for (ZlibLevel level : {ZlibLevel::kFastest, ZlibLevel::kDefault}) {
        const Bytes packed = zlib_compress(data, level);
        EXPECT_LT(packed.size(), data.size());
        EXPECT_EQ(zlib_decompress(packed), data);
    }
    EXPECT_TRUE(zlib_decompress(zlib_compress({}, ZlibLevel::kDefault)).empty());
}

TEST(Zlib, LevelsAreTheOnesAsked) {
    const Bytes data(5000, 'x');
    // The second header byte's top two bits record the level class: 0 fastest, 2 default.
    EXPECT_EQ(zlib_compress(data, ZlibLevel::kFastest)[1] >> 6, 0);
    EXPECT_EQ(zlib_compress(data, ZlibLevel::kDefault)[1] >> 6, 2);
}

TEST(Zlib, CorruptOrTruncatedDataIsAnError) {
    Bytes data(20000);
    for (std::size_t i = 0; i < data.size(); ++i) data[i] = static_cast<std::uint8_t>(i ^ (i >> 5));
    const Bytes packed = zlib_compress(data, ZlibLevel::kDefault);
    for (std::size_t cut :
         {std::size_t{0}, std::size_t{1}, std::size_t{2}, packed.size() / 2, packed.size() - 1}) {
        Bytes part(packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_THROW(zlib_decompress(part), DecompressionError) << "cut at " << cut;
    }
    Bytes bad_header = packed;
    bad_header[0] = 0x12;
    EXPECT_THROW(zlib_decompress(bad_header), DecompressionError);
    Bytes bad_checksum = packed;
    bad_checksum.back() ^= 0xFF;
    EXPECT_THROW(zlib_decompress(bad_checksum), DecompressionError);
}

TEST(Zlib, ExpansionPastTheLimitIsRefused) {
    const Bytes packed = zlib_compress(Bytes(1 << 20, 0), ZlibLevel::kDefault);
    EXPECT_THROW(zlib_decompress(packed, 0, 1 << 19), DecompressionError);
    EXPECT_EQ(zlib_decompress(packed, 0, 1 << 20).size(), 1u << 20);
}

}  // namespace
}  // namespace tolsy
