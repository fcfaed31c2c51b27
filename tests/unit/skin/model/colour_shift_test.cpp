#include "skin/model/colour_shift.h"

#include <gtest/gtest.h>

namespace tolsy {
namespace {

TEST(Brightness, AddsAndClampsEachChannel) {
    EXPECT_EQ(shift_brightness({10, 128, 250}, 10), (Rgb{20, 138, 255}));
    EXPECT_EQ(shift_brightness({10, 128, 250}, -20), (Rgb{0, 108, 230}));
    EXPECT_EQ(shift_brightness({1, 2, 3}, std::numeric_limits<int>::max()), (Rgb{255, 255, 255}));
}

TEST(Hue, StepsAroundTheCircleWrappingBy255) {
    const Rgb red{255, 0, 0};
    // One step from red (hue 0) moves green up by 6/255 of full scale.
    EXPECT_EQ(shift_hue(red, 1), (Rgb{255, 6, 0}));
    // 255 steps land on hue 255/255, which is red again.
    EXPECT_EQ(shift_hue(red, 255), red);
    // A hue carried to 256 becomes 1, not 0.
    EXPECT_EQ(shift_hue(red, 256), (Rgb{255, 6, 0}));
    // Below zero wraps to 254.
    EXPECT_EQ(shift_hue(red, -1), (Rgb{255, 0, 6}));
    // A third of the circle (85 steps) turns red into green.
    EXPECT_EQ(shift_hue(red, 85), (Rgb{0, 255, 0}));
}

TEST(Hue, GreysHaveNoHueToShift) {
    EXPECT_EQ(shift_hue({128, 128, 128}, 40), (Rgb{128, 128, 128}));
    EXPECT_EQ(shift_hue({0, 0, 0}, 100), (Rgb{0, 0, 0}));
}

TEST(Hue, KeepsLightnessAndSaturation) {
    // Hue 170 (blue) of a light, pale colour shifted by 85 lands on red with the same tones.
    const Rgb pale_blue{200, 200, 240};
    const Rgb moved = shift_hue(pale_blue, 85);
    EXPECT_EQ(moved, (Rgb{240, 200, 200}));
}

TEST(ImageShift, LeavesTransparentPixelsAndKeepsAlpha) {
    Image img(3, 1);
    img.at(0, 0) = Pixel::pack(255, 0, 0, 0);
    img.at(1, 0) = Pixel::pack(255, 0, 0, 77);
    img.at(2, 0) = Pixel::pack(100, 100, 100, 255);
    Image hue = img;
    shift_image_hue(hue, 85);
    EXPECT_EQ(hue.at(0, 0), img.at(0, 0));
    EXPECT_EQ(hue.at(1, 0), Pixel::pack(0, 255, 0, 77));
    shift_image_brightness(img, 5);
    EXPECT_EQ(img.at(0, 0), Pixel::pack(255, 0, 0, 0));
    EXPECT_EQ(img.at(2, 0), Pixel::pack(105, 105, 105, 255));
}

class FixedColors : public SystemColorSource {
  public:
    ColorValue value(int index) const override {
        return index == kColorHighlight ? rgb_color(0, 0, 200) : rgb_color(1, 1, 1);
    }
};

TEST(ColorValueShift, ResolvesSystemColoursAndLeavesNone) {
    FixedColors fixed;
    set_system_colors(&fixed);
    EXPECT_EQ(shift_color_brightness(system_color(kColorHighlight), 10), rgb_color(10, 10, 210));
    EXPECT_EQ(shift_color_hue(rgb_color(255, 0, 0), 85), rgb_color(0, 255, 0));
    EXPECT_EQ(shift_color_hue(clNone, 30), clNone);
    EXPECT_EQ(shift_color_brightness(clNone, 30), clNone);
    set_system_colors(nullptr);
    EXPECT_NE(resolve_color(system_color(kColorHighlight)), rgb_color(0, 0, 200));
}

}  // namespace
}  // namespace tolsy
