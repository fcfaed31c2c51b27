// Window shapes: bounds, rounded rectangles and masks of non-key pixels.
#include "skin/model/shape.h"

#include <gtest/gtest.h>

#include "picture/pixels.h"

namespace tolsy {
namespace {

TEST(MaskShape, CoversExactlyTheNonKeyPixels) {
    // A 7 x 5 picture with key pixels along a diagonal and a key block in one corner.
    Image picture = test::pattern(7, 5);
    for (int i = 0; i < 5; ++i) picture.at(i + 1, i) = test::kKeyPixelValue;
    picture.at(0, 4) = test::kKeyPixelValue;
    picture.at(0, 3) = test::kKeyPixelValue;
    const Shape shape = Shape::from_mask(picture, {10, 20});
    EXPECT_EQ(shape.kind, Shape::Kind::kRects);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(shape.contains(10 + x, 20 + y), !is_key_pixel(picture.at(x, y)))
                << x << "," << y;
        }
    }
    EXPECT_FALSE(shape.contains(9, 20));
    EXPECT_EQ(shape.bounds, (Rect{10, 20, 17, 25}));
}

TEST(MaskShape, RowsWithTheSameRunsMergeIntoOneRectangle) {
    Image picture(5, 6, test::kBackground);
    for (int y = 0; y < 6; ++y) picture.at(2, y) = test::kKeyPixelValue;
    const Shape shape = Shape::from_mask(picture, {0, 0});
    ASSERT_EQ(shape.rects.size(), 2u);
    EXPECT_EQ(shape.rects[0], (Rect{0, 0, 2, 6}));
    EXPECT_EQ(shape.rects[1], (Rect{3, 0, 5, 6}));
}

TEST(MaskShape, AllKeyPicturesGiveAnEmptyShape) {
    const Image picture(3, 2, test::kKeyPixelValue);
    const Shape shape = Shape::from_mask(picture, {4, 4});
    EXPECT_TRUE(shape.rects.empty());
    EXPECT_TRUE(shape.bounds.empty());
    EXPECT_FALSE(shape.contains(4, 4));
}

TEST(RoundRectShape, CornersAreCutAndTheMiddleIsKept) {
    const Shape shape = Shape::round_rect({0, 0, 21, 11}, {8, 6});
    EXPECT_FALSE(shape.contains(0, 0));
    EXPECT_FALSE(shape.contains(20, 10));
    EXPECT_TRUE(shape.contains(10, 0));
    EXPECT_TRUE(shape.contains(0, 5));
    EXPECT_TRUE(shape.contains(3, 2));
    EXPECT_FALSE(shape.contains(21, 5));
}

TEST(RectangleShape, IsItsBounds) {
    const Shape shape = Shape::rectangle({1, 2, 4, 3});
    EXPECT_TRUE(shape.contains(3, 2));
    EXPECT_FALSE(shape.contains(4, 2));
    EXPECT_FALSE(shape.contains(1, 3));
}

}  // namespace
}  // namespace tolsy
