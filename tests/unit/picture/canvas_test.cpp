// The canvas: clip and origin, plain, key-colour and blended copies, nearest-sample stretching.
#include "picture/canvas.h"

#include <gtest/gtest.h>

#include "picture/pixels.h"

namespace tolsy {
namespace {

using test::distinct;
using test::kBackground;
using test::pattern;

TEST(ImageCopies, WritingToOneCopyNeverChangesAnother) {
    const Image original = pattern(5, 3);
    Image copy = original;
    Image second = copy;
    copy.at(4, 2) = Pixel::pack(1, 2, 3);
    Canvas(second).fill_rect(Rect{0, 0, 5, 3}, Pixel::pack(9, 8, 7));
    EXPECT_EQ(original, pattern(5, 3));
    EXPECT_EQ(copy.at(4, 2), Pixel::pack(1, 2, 3));
    EXPECT_EQ(copy.at(3, 2), original.at(3, 2));
    EXPECT_EQ(second.at(0, 0), Pixel::pack(9, 8, 7));
    Image assigned;
    assigned = original;
    assigned.row(1)[0] = 0;
    EXPECT_EQ(original, pattern(5, 3));
    EXPECT_NE(assigned, original);
}

TEST(CanvasFill, HonoursOriginClipAndImageEdges) {
    Image target(9, 7, kBackground);
    Canvas canvas(target);
    canvas.set_origin({2, 1});
    canvas.set_clip({0, 0, 4, 3});
    const std::uint32_t red = Pixel::pack(250, 0, 10);
    canvas.fill_rect({-5, -5, 50, 50}, red);
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 9; ++x) {
            const bool inside = x >= 2 && x < 6 && y >= 1 && y < 4;
            EXPECT_EQ(target.at(x, y), inside ? red : kBackground) << x << "," << y;
        }
    }
}

TEST(CanvasFill, RectanglesReachingPastTheImageAreCut) {
    Image target(5, 3, kBackground);
    Canvas canvas(target);
    canvas.set_origin({-100, 40});
    canvas.fill_rect({0, 0, 1000, 1000}, 0xFF0000FF);
    EXPECT_EQ(test::count_pixels(target, kBackground), 15);
    canvas.set_origin({0, 0});
    canvas.fill_rect({3, -2, 99, 2}, 0xFF0000FF);
    EXPECT_EQ(test::count_pixels(target, 0xFF0000FF), 4);
}

TEST(CanvasCopy, UnscaledCopyPlacesEverySourcePixel) {
    const Image source = pattern(5, 3);
    Image target(11, 9, kBackground);
    Canvas canvas(target);
    canvas.set_origin({1, 2});
    canvas.draw_image(source, {1, 0, 4, 3}, Rect::from_size(3, 1, 3, 3), DrawMode::kCopy);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 11; ++x) {
            const bool inside = x >= 4 && x < 7 && y >= 3 && y < 6;
            const std::uint32_t want = inside ? distinct(x - 4 + 1, y - 3) : kBackground;
            EXPECT_EQ(target.at(x, y), want) << x << "," << y;
        }
    }
}

TEST(CanvasCopy, SourceRectangleOutsideTheImageDrawsOnlyItsInsidePart) {
    const Image source = pattern(3, 3);
    Image target(7, 7, kBackground);
    Canvas canvas(target);
    canvas.draw_image(source, {-2, -1, 4, 5}, {0, 0, 6, 6}, DrawMode::kCopy);
    // Source (0, 0) lands at (2, 1); the three by three picture fills (2..4, 1..3) only.
    EXPECT_EQ(test::count_pixels(target, kBackground), 49 - 9);
    EXPECT_EQ(target.at(2, 1), distinct(0, 0));
    EXPECT_EQ(target.at(4, 3), distinct(2, 2));
}

TEST(CanvasCopy, KeyCopyLeavesKeyPixelsOutAndCopiesTheRest) {
    Image source = pattern(3, 1);
    source.at(1, 0) = test::kKeyPixelValue;
    source.at(2, 0) = 0xFF7F007F;  // the key colour is matched on red, green and blue alone
    Image target(3, 1, kBackground);
    Canvas canvas(target);
    canvas.draw_image(source, {0, 0, 3, 1}, {0, 0, 3, 1}, DrawMode::kKeyCopy);
    EXPECT_EQ(target.at(0, 0), distinct(0, 0));
    EXPECT_EQ(target.at(1, 0), kBackground);
    EXPECT_EQ(target.at(2, 0), kBackground);
    canvas.draw_image(source, {0, 0, 3, 1}, {0, 0, 3, 1}, DrawMode::kCopy);
    EXPECT_EQ(target.at(1, 0), test::kKeyPixelValue);
}

TEST(CanvasBlend, AlphaDecidesHowMuchOfTheSourceShows) {
    Image source(4, 1);
    source.at(0, 0) = Pixel::pack(200, 100, 20, 0);
    source.at(1, 0) = Pixel::pack(200, 100, 20, 255);
    source.at(2, 0) = Pixel::pack(255, 0, 0, 51);  // a fifth
    source.at(3, 0) = test::kKeyPixelValue;        // alpha 0 as well
    Image target(4, 1, Pixel::pack(0, 0, 255, 255));
    Canvas canvas(target);
    canvas.draw_image(source, {0, 0, 4, 1}, {0, 0, 4, 1}, DrawMode::kBlend);
    EXPECT_EQ(target.at(0, 0), Pixel::pack(0, 0, 255, 255));
    EXPECT_EQ(target.at(1, 0), Pixel::pack(200, 100, 20, 255));
    EXPECT_EQ(target.at(2, 0), Pixel::pack(51, 0, 204, 255));
    EXPECT_EQ(target.at(3, 0), Pixel::pack(0, 0, 255, 255));
}

TEST(CanvasBlend, OverATransparentPictureTheResultKeepsTheSourceAlpha) {
    EXPECT_EQ(Pixel::alpha(blend_over(0, Pixel::pack(10, 20, 30, 77))), 77);
    EXPECT_EQ(Pixel::alpha(blend_over(Pixel::pack(1, 2, 3, 255), Pixel::pack(10, 20, 30, 77))),
              255);
}

TEST(CanvasStretch, NearestSamplesAreSpreadEvenly) {
    const Image source = pattern(3, 2);
    Image target(7, 5, kBackground);
    Canvas canvas(target);
    canvas.draw_image(source, {0, 0, 3, 2}, {0, 0, 7, 5}, DrawMode::kCopy);
    // Seven columns from three: 0 0 1 1 1 2 2; five rows from two: 0 0 1 1 1 (centre sampling).
    const int cols[7] = {0, 0, 1, 1, 1, 2, 2};
    const int rows[5] = {0, 0, 1, 1, 1};
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) EXPECT_EQ(target.at(x, y), distinct(cols[x], rows[y]));
    }
}

TEST(CanvasStretch, ShrinkingAndClippingSampleFromTheWholeDestination) {
    const Image source = pattern(9, 1);
    Image target(3, 1, kBackground);
    Canvas canvas(target);
    canvas.draw_image(source, {0, 0, 9, 1}, {0, 0, 3, 1}, DrawMode::kCopy);
    EXPECT_EQ(target.at(0, 0), distinct(1, 0));
    EXPECT_EQ(target.at(2, 0), distinct(7, 0));
    // A clip that hides the first column must not shift the samples of the others.
    Image clipped(3, 1, kBackground);
    Canvas second(clipped);
    second.set_clip({1, 0, 3, 1});
    second.draw_image(source, {0, 0, 9, 1}, {0, 0, 3, 1}, DrawMode::kCopy);
    EXPECT_EQ(clipped.at(0, 0), kBackground);
    EXPECT_EQ(clipped.at(1, 0), distinct(4, 0));
}

TEST(CanvasStretch, KeyPixelsStayOutWhenStretched) {
    Image source = pattern(2, 1);
    source.at(0, 0) = test::kKeyPixelValue;
    Image target(5, 3, kBackground);
    Canvas canvas(target);
    canvas.draw_image(source, {0, 0, 2, 1}, {0, 0, 5, 3}, DrawMode::kKeyCopy);
    EXPECT_EQ(test::count_pixels(target, test::kKeyPixelValue), 0);
    EXPECT_EQ(test::count_pixels(target, distinct(1, 0)), 9);
}

TEST(CanvasDraw, EmptyRectanglesDrawNothing) {
    const Image source = pattern(3, 3);
    Image target(5, 5, kBackground);
    Canvas canvas(target);
    canvas.draw_image(source, {1, 1, 1, 3}, {0, 0, 5, 5}, DrawMode::kCopy);
    canvas.draw_image(source, {0, 0, 3, 3}, {4, 0, 2, 5}, DrawMode::kCopy);
    canvas.draw_image(Image{}, {0, 0, 3, 3}, {0, 0, 5, 5}, DrawMode::kCopy);
    EXPECT_EQ(test::count_pixels(target, kBackground), 25);
}

}  // namespace
}  // namespace tolsy
