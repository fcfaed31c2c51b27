#include "skin/bytes/bmp_reader.h"

#include <gtest/gtest.h>

#include "skin/bytes/skin_bytes.h"
#include "skin/bytes/skin_error.h"

namespace tolsy {
namespace {

// Builds a bitmap file with an info header of the given size; rows as given (already padded).
struct BmpBuilder {
    int width = 0;
    int height = 0;  // as stored: positive = bottom-up
    int bpp = 24;
    std::uint32_t compression = 0;
    std::uint32_t header_size = 40;
    std::vector<std::uint32_t> masks;    // written after a 40-byte header
    std::vector<std::uint32_t> palette;  // 0x00RRGGBB entries
    std::uint32_t colours_used = 0;
    Bytes bits;

    Bytes build() const {
        ByteWriter w;
        const std::uint32_t header = header_size;
        const std::uint32_t offset =
            static_cast<std::uint32_t>(14 + header + 4 * masks.size() + 4 * palette.size());
        w.text("BM");
        w.u32(static_cast<std::uint32_t>(offset + bits.size()));
        w.u32(0);
        w.u32(offset);
        w.u32(header);
        w.i32(width);
        w.i32(height);
        w.u16(1);
        w.u16(static_cast<std::uint16_t>(bpp));
        w.u32(compression);
        w.u32(static_cast<std::uint32_t>(bits.size()));
        w.u32(2835);
        w.u32(2835);
        w.u32(colours_used);
        w.u32(0);
        for (std::uint32_t i = 40; i < header; ++i) w.u8(0);
        for (auto m : masks) w.u32(m);
        for (auto p : palette) w.u32(p);
        w.bytes(bits);
        return w.take();
    }
};

BmpBuilder bmp(int width, int height, int bpp = 24, std::uint32_t compression = 0,
               std::uint32_t header_size = 40) {
    BmpBuilder b;
    b.width = width;
    b.height = height;
    b.bpp = bpp;
    b.compression = compression;
    b.header_size = header_size;
    return b;
}

constexpr std::uint32_t opaque(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return Pixel::pack(r, g, b);
}

TEST(BmpReader, TwentyFourBitBottomUpWithRowPadding) {
    // 3 x 2: each row is 9 bytes of pixels and 3 of padding; the stored first row is the bottom.
    BmpBuilder b = bmp(3, 2);
    b.bits = {10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0};
    const Image img = decode_bmp(b.build());
    ASSERT_EQ(img.width(), 3);
    ASSERT_EQ(img.height(), 2);
    EXPECT_EQ(img.at(0, 0), opaque(3, 2, 1));
    EXPECT_EQ(img.at(2, 0), opaque(9, 8, 7));
    EXPECT_EQ(img.at(0, 1), opaque(30, 20, 10));
    EXPECT_EQ(img.at(1, 1), opaque(60, 50, 40));
}

TEST(BmpReader, NegativeHeightIsTopDown) {
    BmpBuilder b = bmp(1, -2);
    b.bits = {255, 0, 0, 0, 0, 0, 255, 0};
    const Image img = decode_bmp(b.build());
    EXPECT_EQ(img.at(0, 0), opaque(0, 0, 255));
    EXPECT_EQ(img.at(0, 1), opaque(255, 0, 0));
}

TEST(BmpReader, PalettedFormats) {
    BmpBuilder b8 = bmp(3, 1, 8);
    b8.palette = {0x112233, 0xFF00FF, 0x00FF00};
    b8.colours_used = 3;
    b8.bits = {2, 1, 7, 0};  // index 7 is past the palette and shows black
    const Image i8 = decode_bmp(b8.build());
    EXPECT_EQ(i8.at(0, 0), opaque(0, 255, 0));
    EXPECT_EQ(i8.at(1, 0), opaque(255, 0, 255));
    EXPECT_EQ(i8.at(2, 0), opaque(0, 0, 0));

    BmpBuilder b4 = bmp(3, 1, 4);
    b4.palette.assign(16, 0);
    b4.palette[1] = 0x0000FF;
    b4.palette[15] = 0xFF0000;
    b4.bits = {0x1F, 0x10, 0, 0};
    const Image i4 = decode_bmp(b4.build());
    EXPECT_EQ(i4.at(0, 0), opaque(0, 0, 255));
    EXPECT_EQ(i4.at(1, 0), opaque(255, 0, 0));
    EXPECT_EQ(i4.at(2, 0), opaque(0, 0, 255));

    BmpBuilder b1 = bmp(9, 1, 1);
    b1.palette = {0x000000, 0xFFFFFF};
    b1.bits = {0b10000001, 0b10000000, 0, 0};
    const Image i1 = decode_bmp(b1.build());
    EXPECT_EQ(i1.at(0, 0), opaque(255, 255, 255));
    EXPECT_EQ(i1.at(1, 0), opaque(0, 0, 0));
    EXPECT_EQ(i1.at(7, 0), opaque(255, 255, 255));
    EXPECT_EQ(i1.at(8, 0), opaque(255, 255, 255));
}

TEST(BmpReader, SixteenAndThirtyTwoBit) {
    BmpBuilder b16 = bmp(2, 1, 16);
    b16.bits = {0x00, 0x7C, 0x1F, 0x00};  // 5-5-5: pure red, pure blue
    const Image i16 = decode_bmp(b16.build());
    EXPECT_EQ(i16.at(0, 0), opaque(255, 0, 0));
    EXPECT_EQ(i16.at(1, 0), opaque(0, 0, 255));

    BmpBuilder b565 = bmp(1, 1, 16, 3);
    b565.masks = {0xF800, 0x07E0, 0x001F};
    b565.bits = {0xE0, 0x07, 0, 0};  // all green bits
    EXPECT_EQ(decode_bmp(b565.build()).at(0, 0), opaque(0, 255, 0));

    // Fourth bytes all zero: the file carries no alpha, pixels are opaque.
    BmpBuilder b32 = bmp(2, 1, 32);
    b32.bits = {1, 2, 3, 0, 4, 5, 6, 0};
    EXPECT_EQ(decode_bmp(b32.build()).at(1, 0), opaque(6, 5, 4));
    // Some alpha present: kept as stored.
    b32.bits = {1, 2, 3, 128, 4, 5, 6, 0};
    const Image alpha = decode_bmp(b32.build());
    EXPECT_EQ(alpha.at(0, 0), Pixel::pack(3, 2, 1, 128));
    EXPECT_EQ(alpha.at(1, 0), Pixel::pack(6, 5, 4, 0));
}

TEST(BmpReader, VersionFiveHeaderWithAlphaMask) {
    BmpBuilder b = bmp(1, 1, 32, 3, 124);
    Bytes file = b.build();
    // Masks live inside the larger header, at header offset 40.
    ByteWriter masks;
    masks.u32(0x00FF0000);
    masks.u32(0x0000FF00);
    masks.u32(0x000000FF);
    masks.u32(0xFF000000);
    std::copy(masks.bytes().begin(), masks.bytes().end(), file.begin() + 14 + 40);
    file.insert(file.end(), {0x10, 0x20, 0x30, 0x40});
    EXPECT_EQ(decode_bmp(file).at(0, 0), Pixel::pack(0x30, 0x20, 0x10, 0x40));
}

TEST(BmpReader, RunLengthEightBit) {
    BmpBuilder b = bmp(4, 2, 8, 1);
    b.palette = {0x000000, 0xFF0000, 0x0000FF};
    b.colours_used = 3;
    // Bottom line: 3 x index 1, end of line; top line: literal 2,1,2 (padded), end of bitmap.
    b.bits = {3, 1, 0, 0, 0, 3, 2, 1, 2, 0, 0, 1};
    const Image img = decode_bmp(b.build());
    EXPECT_EQ(img.at(0, 1), opaque(255, 0, 0));
    EXPECT_EQ(img.at(2, 1), opaque(255, 0, 0));
    EXPECT_EQ(img.at(3, 1), 0u) << "a pixel the runs skip stays transparent";
    EXPECT_EQ(img.at(0, 0), opaque(0, 0, 255));
    EXPECT_EQ(img.at(1, 0), opaque(255, 0, 0));
}

TEST(BmpReader, MalformedFilesGiveErrors) {
    BmpBuilder good = bmp(3, 2);
    good.bits.assign(24, 7);
    const Bytes file = good.build();
    // Every truncation is an error, never a read past the data.
    for (std::size_t cut = 0; cut + 3 < file.size(); ++cut) {
        Bytes part(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_THROW(decode_bmp(part), SkinError) << "cut at " << cut;
    }
    // Missing padding on the last row only is accepted.
    Bytes short_pad(file.begin(), file.end() - 3);
    EXPECT_EQ(decode_bmp(short_pad).height(), 2);

    BmpBuilder huge = bmp(0x7FFFFFFF, 0x7FFFFFFF);
    huge.bits.assign(16, 0);
    EXPECT_THROW(decode_bmp(huge.build()), SkinReadError);

    BmpBuilder bad_palette = bmp(1, 1, 8);
    bad_palette.colours_used = 257;
    EXPECT_THROW(decode_bmp(bad_palette.build()), SkinFormatError);

    BmpBuilder bad_header = bmp(1, 1, 24, 0, 39);
    EXPECT_THROW(decode_bmp(bad_header.build()), SkinFormatError);

    BmpBuilder bad_depth = bmp(1, 1, 7);
    bad_depth.bits.assign(4, 0);
    EXPECT_THROW(decode_bmp(bad_depth.build()), SkinFormatError);

    BmpBuilder huge_rle = bmp(30000, 30000, 8, 1);
    huge_rle.palette = {0};
    huge_rle.colours_used = 1;
    huge_rle.bits = {0, 1};
    EXPECT_THROW(decode_bmp(huge_rle.build()), ImageAllocError);

    Bytes not_bmp = file;
    not_bmp[0] = 'X';
    EXPECT_THROW(decode_bmp(not_bmp), SkinFormatError);
}

}  // namespace
}  // namespace tolsy
