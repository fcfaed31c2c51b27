#include "skin/model/skin_bitmap.h"

#include <gtest/gtest.h>

#include "skin/bytes/skin_error.h"

namespace tolsy {
namespace {

TteBitmap one_row(std::initializer_list<std::uint32_t> pixels) {
    TteBitmap b;
    b.image = Image(static_cast<int>(pixels.size()), 1);
    int x = 0;
    for (auto p : pixels) b.image.at(x++, 0) = p;
    return b;
}

TEST(KeyColour, MagentaAndNearShadesBecomeTheKey) {
    TteBitmap b = one_row({Pixel::pack(255, 0, 255), Pixel::pack(250, 4, 251),
                           Pixel::pack(249, 0, 255), Pixel::pack(10, 20, 30)});
    b.apply_key_colour();
    EXPECT_EQ(b.image.at(0, 0), kKeyPixel);
    EXPECT_EQ(b.image.at(1, 0), kKeyPixel);
    EXPECT_EQ(b.image.at(2, 0), Pixel::pack(249, 0, 255)) << "a difference of 6 is kept";
    EXPECT_EQ(b.image.at(3, 0), Pixel::pack(10, 20, 30));
    EXPECT_TRUE(b.key_flag);
}

TEST(KeyColour, KeyShadeTolerance) {
    TteBitmap b = one_row({Pixel::pack(132, 5, 122), Pixel::pack(133, 0, 127)});
    b.apply_key_shade();
    EXPECT_EQ(b.image.at(0, 0), kKeyPixel);
    EXPECT_EQ(b.image.at(1, 0), Pixel::pack(133, 0, 127));
    EXPECT_TRUE(b.key_flag);
    TteBitmap plain = one_row({Pixel::pack(1, 2, 3)});
    plain.key_flag = true;
    plain.apply_key_colour();
    EXPECT_FALSE(plain.key_flag) << "the flag follows the pixels, not what it held";
}

TEST(KeyColour, OnlyTheShadePassForBitmapFiles) {
    TteBitmap b = one_row({Pixel::pack(255, 0, 255)});
    b.apply_key_shade();
    EXPECT_EQ(b.image.at(0, 0), Pixel::pack(255, 0, 255));
    EXPECT_FALSE(b.key_flag);
}

TEST(AlphaFlag, SetOnlyByPartialAlpha) {
    TteBitmap b = one_row({Pixel::pack(1, 2, 3, 0), Pixel::pack(1, 2, 3, 255)});
    b.compute_alpha_flag();
    EXPECT_FALSE(b.alpha_flag);
    b.image.at(0, 0) = Pixel::pack(1, 2, 3, 1);
    b.compute_alpha_flag();
    EXPECT_TRUE(b.alpha_flag);
}

Bytes record(const std::string& name, std::int32_t w, std::int32_t h,
             const std::vector<std::uint32_t>& pixels) {
    ByteWriter out;
    out.lstr(name);
    out.i32(w);
    out.i32(h);
    for (auto p : pixels) out.u32(p);
    return out.take();
}

TEST(ImageRecord, NegativeHeightSwapsRows) {
    const std::uint32_t top = Pixel::pack(200, 1, 2), bottom = Pixel::pack(3, 4, 250);
    const Bytes data = record("track.bmp", 1, -2, {bottom, top});
    ByteReader in(data);
    auto b = read_image_record(in);
    EXPECT_TRUE(in.at_end());
    EXPECT_EQ(b->name, "track.bmp");
    ASSERT_EQ(b->height(), 2);
    EXPECT_EQ(b->image.at(0, 0), top);
    EXPECT_EQ(b->image.at(0, 1), bottom);
}

TEST(ImageRecord, WriteThenReadKeepsOddSizesAndPixels) {
    TteBitmap b;
    b.name = "themeimage";
    b.image = Image(3, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 3; ++x)
            b.image.at(x, y) = Pixel::pack(static_cast<std::uint8_t>(10 * x), 7,
                                           static_cast<std::uint8_t>(200 - 9 * y),
                                           static_cast<std::uint8_t>(x + y));
    ByteWriter out;
    write_image_record(out, b);
    ByteReader in(out.bytes());
    auto back = read_image_record(in);
    EXPECT_EQ(back->name, b.name);
    EXPECT_EQ(back->image, b.image);
    EXPECT_TRUE(in.at_end());
}

TEST(ImageRecord, ZeroSizeReadsNoPixels) {
    for (auto [w, h] : {std::pair{4, 0}, std::pair{0, 0x08080802}, std::pair{0, -7}}) {
        ByteWriter out;
        out.lstr("empty");
        out.i32(w);
        out.i32(h);
        out.u32(0xDEADBEEF);  // not pixels: whatever follows the record
        ByteReader in(out.bytes());
        auto b = read_image_record(in);
        EXPECT_TRUE(b->image.empty());
        EXPECT_EQ(b->width(), 0);
        EXPECT_EQ(b->height(), 0) << "no claimed side survives without pixels";
        EXPECT_EQ(in.remaining(), 4u);
        b->apply_key_colour();
        EXPECT_FALSE(b->key_flag);
    }
}

TEST(ImageRecord, BadSizesAreErrorsBeforeAllocation) {
    for (auto [w, h] : {std::pair{-1, 1}, std::pair{1, std::numeric_limits<std::int32_t>::min()}}) {
        const Bytes data = record("x", w, h, {});
        ByteReader in(data);
        EXPECT_THROW(read_image_record(in), SkinFormatError);
    }
    for (auto [w, h] :
         {std::pair{0x7FFFFFFF, 0x7FFFFFFF}, std::pair{2, 2}, std::pair{0x40000000, 1}}) {
        const Bytes data = record("x", w, h, {1, 2, 3});
        ByteReader in(data);
        EXPECT_THROW(read_image_record(in), SkinReadError) << w << " x " << h;
    }
}

}  // namespace
}  // namespace tolsy
