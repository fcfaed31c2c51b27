#include "app/form1_glyphs.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace tolsy {
namespace {

constexpr std::uint32_t kKey = Pixel::pack(0x7F, 0x00, 0x7F);

int opaque_pixels(const Image& image, int x0, int x1) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = x0; x < x1; ++x) n += image.at(x, y) != kKey;
    }
    return n;
}

TEST(ButtonGlyphs, AreTwoSixteenPixelGlyphsSideBySide) {
    for (const Image& image :
         {clear_button_glyph(), clipboard_button_glyph(), close_button_glyph()}) {
        EXPECT_EQ(image.width(), 32);
        EXPECT_EQ(image.height(), 16);
        // Both halves show something, and the corners stay transparent.
        EXPECT_GT(opaque_pixels(image, 0, 16), 20);
        EXPECT_GT(opaque_pixels(image, 16, 32), 20);
        EXPECT_EQ(image.at(0, 0), kKey);
        EXPECT_EQ(image.at(31, 15), kKey);
    }
}

TEST(ButtonGlyphs, DisabledHalfIsGreyAndEmbossed) {
    // A red square: dark, so its disabled form is shadow grey with a white copy down-right.
    std::string picture(256, '.');
    for (int y = 3; y < 7; ++y) {
        for (int x = 5; x < 9; ++x) picture[static_cast<std::size_t>(y * 16 + x)] = 'r';
    }
    const Image image = button_glyph_from_picture(picture);
    EXPECT_EQ(image.at(5, 3), Pixel::pack(200, 0, 0));
    EXPECT_EQ(image.at(16 + 5, 3), Pixel::pack(128, 128, 128));
    EXPECT_EQ(image.at(16 + 9, 7), Pixel::pack(255, 255, 255));  // below-right of the corner
    EXPECT_EQ(image.at(16 + 4, 3), kKey);
    // Light pixels vanish from the disabled form.
    std::string light(256, '.');
    light[0] = 'y';
    EXPECT_EQ(opaque_pixels(button_glyph_from_picture(light), 16, 32), 0);
}

TEST(ButtonGlyphs, RejectsBadPictures) {
    EXPECT_THROW(button_glyph_from_picture(std::string(255, '.')), std::invalid_argument);
    std::string picture(256, '.');
    picture[17] = 'q';
    EXPECT_THROW(button_glyph_from_picture(picture), std::invalid_argument);
}

}  // namespace
}  // namespace tolsy
