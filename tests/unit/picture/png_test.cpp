#include "picture/png.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <vector>

namespace tolsy {
namespace {

std::uint32_t be32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
           (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

TEST(Png, EncodesRgbaRowsThatInflateBackToThePixels) {
    // Odd size and distinct red and blue so that swapped channels or rows show.
    Image image(3, 2, Pixel::pack(0x10, 0x20, 0x30, 0xFF));
    image.at(2, 0) = Pixel::pack(0xF0, 0x01, 0x0A, 0x80);
    image.at(0, 1) = Pixel::pack(0x0B, 0x02, 0xE0, 0x00);
    const std::vector<std::uint8_t> png = encode_png(image);

    ASSERT_GT(png.size(), 8u + 25u);
    EXPECT_EQ(png[0], 0x89);
    EXPECT_EQ(png[1], 'P');
    EXPECT_EQ(be32(png, 16), 3u);  // IHDR width
    EXPECT_EQ(be32(png, 20), 2u);  // IHDR height
    EXPECT_EQ(png[25], 6);         // colour type RGBA

    const std::size_t idat = 8 + 25;
    const std::uint32_t idat_size = be32(png, idat);
    ASSERT_EQ(std::string(png.begin() + idat + 4, png.begin() + idat + 8), "IDAT");
    std::vector<std::uint8_t> raw(2 * (1 + 3 * 4));
    uLongf raw_size = raw.size();
    ASSERT_EQ(uncompress(raw.data(), &raw_size, png.data() + idat + 8, idat_size), Z_OK);
    ASSERT_EQ(raw_size, raw.size());
    const std::vector<std::uint8_t> expected = {
        0, 0x10, 0x20, 0x30, 0xFF, 0x10, 0x20, 0x30, 0xFF, 0xF0, 0x01, 0x0A, 0x80,
        0, 0x0B, 0x02, 0xE0, 0x00, 0x10, 0x20, 0x30, 0xFF, 0x10, 0x20, 0x30, 0xFF};
    EXPECT_EQ(raw, expected);

    // The chunk's CRC covers its type and data.
    const uLong crc = crc32(0L, png.data() + idat + 4, 4 + idat_size);
    EXPECT_EQ(be32(png, idat + 8 + idat_size), crc);
}

TEST(Png, RefusesAnEmptyImage) {
    EXPECT_THROW(encode_png(Image()), std::invalid_argument);
}

}  // namespace
}  // namespace tolsy
