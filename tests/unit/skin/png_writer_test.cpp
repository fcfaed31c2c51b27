#include "skin/png_writer.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "skin/zlib_codec.h"

namespace tolsy {
namespace {

std::uint32_t be32(const Bytes& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

// Undoes the "sub" and "none" row filters, the only ones the encoder writes.
Image decode_rgba(const Bytes& raw, int w, int h) {
    Image img(w, h);
    std::size_t pos = 0;
    for (int y = 0; y < h; ++y) {
        const std::uint8_t filter = raw.at(pos++);
        std::uint8_t prev[4] = {0, 0, 0, 0};
        for (int x = 0; x < w; ++x) {
            std::uint8_t c[4];
            for (int i = 0; i < 4; ++i) {
                c[i] = static_cast<std::uint8_t>(raw.at(pos++) + (filter == 1 ? prev[i] : 0));
                prev[i] = c[i];
            }
            img.at(x, y) = Pixel::pack(c[0], c[1], c[2], c[3]);
        }
    }
    return img;
}

TEST(PngWriter, ChunksCarryValidCrcsAndThePixels) {
    Image img(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            img.at(x, y) = Pixel::pack(static_cast<std::uint8_t>(250 - 40 * x), 9,
                                       static_cast<std::uint8_t>(30 * y + x), x == 2 ? 0 : 255);
    const Bytes png = encode_png(img);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png[1], 'P');
    std::size_t pos = 8;
    Bytes idat;
    std::vector<std::string> types;
    while (pos < png.size()) {
        const std::uint32_t len = be32(png, pos);
        const std::string type(png.begin() + pos + 4, png.begin() + pos + 8);
        types.push_back(type);
        const uLong crc = crc32(0, png.data() + pos + 4, len + 4);
        EXPECT_EQ(be32(png, pos + 8 + len), crc) << type;
        if (type == "IHDR") {
            EXPECT_EQ(be32(png, pos + 8), 5u);
            EXPECT_EQ(be32(png, pos + 12), 3u);
        }
        if (type == "IDAT") idat.insert(idat.end(), png.begin() + pos + 8, png.begin() + pos + 8 + len);
        pos += 12 + len;
    }
    EXPECT_EQ(pos, png.size());
    EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    EXPECT_EQ(decode_rgba(zlib_decompress(idat), 5, 3), img);
}

}  // namespace
}  // namespace tolsy
