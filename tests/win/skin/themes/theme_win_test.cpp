// The Win32 side of skin painting: GDI text into our pictures, and shapes as window regions.
#include <windows.h>

#include <gtest/gtest.h>

#include "picture/text_renderer_win.h"
#include "skin/model/shape_win.h"

namespace tolsy {
namespace {

constexpr std::uint32_t kPaper = 0xFF0310FA;  // red 3, green 16, blue 250
constexpr std::uint32_t kInk = 0xFFC81405;    // red 200, green 20, blue 5

TEST(GdiTextRenderer, LongerTextsMeasureWiderAndBoldWiderStill) {
    GdiTextRenderer renderer;
    PaintFont font;
    font.face = "Tahoma";
    font.size = 8;
    const Size one = renderer.measure("Datum", font);
    const Size two = renderer.measure("Datum Datum", font);
    EXPECT_GT(one.width, 0);
    EXPECT_GT(one.height, 0);
    EXPECT_GT(two.width, one.width);
    EXPECT_EQ(renderer.measure("", font).width, 0);
    EXPECT_GT(renderer.measure("", font).height, 0);
    font.size = 20;
    EXPECT_GT(renderer.measure("Datum", font).width, one.width);
}

TEST(GdiTextRenderer, DrawsOpaqueInkInsideTheRectangleOnly) {
    GdiTextRenderer renderer;
    Image picture(61, 31, kPaper);
    Canvas canvas(picture);
    canvas.set_origin({2, 3});
    const Rect rect{5, 4, 45, 24};
    renderer.draw(canvas, "HHHHHHHHHHHHHHHH", {}, kInk, rect, {HAlign::kLeft, VAlign::kCenter});
    const Rect device = rect.offset(2, 3);
    int changed = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const std::uint32_t p = picture.at(x, y);
            if (p == kPaper) continue;
            ++changed;
            EXPECT_TRUE(device.contains(x, y)) << x << "," << y;
            EXPECT_EQ(Pixel::alpha(p), 255);
        }
    }
    EXPECT_GT(changed, 20);
}

TEST(GdiTextRenderer, NothingIsDrawnOutsideTheCanvasClip) {
    GdiTextRenderer renderer;
    Image picture(40, 20, kPaper);
    Canvas canvas(picture);
    canvas.set_clip({0, 0, 0, 0});
    renderer.draw(canvas, "Framewright", {}, kInk, {0, 0, 40, 20}, {});
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(picture.at(x, y), kPaper);
}

// The renderer keeps the bitmap it draws into from text to text: a text after a larger one, on
// other pixels, comes out as a fresh renderer draws it, with nothing of the text before.
TEST(GdiTextRenderer, ATextAfterALargerOneIsDrawnAsByAFreshRenderer) {
    GdiTextRenderer kept;
    Image large(90, 40, kInk);
    Canvas large_canvas(large);
    kept.draw(large_canvas, "WWWWWWWWWWWWWWWWWW", {}, kPaper, {0, 0, 90, 40}, {});
    Image after(50, 30, kPaper);
    Image fresh_picture = after;
    Canvas after_canvas(after);
    kept.draw(after_canvas, "Datum A", {}, kInk, {4, 6, 40, 22}, {});
    GdiTextRenderer fresh;
    Canvas fresh_canvas(fresh_picture);
    fresh.draw(fresh_canvas, "Datum A", {}, kInk, {4, 6, 40, 22}, {});
    int inked = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 50; ++x) {
            ASSERT_EQ(after.at(x, y), fresh_picture.at(x, y)) << x << "," << y;
            inked += after.at(x, y) != kPaper;
        }
    EXPECT_GT(inked, 10);
}

TEST(ShapeRegion, RectanglesAndRoundedRectanglesBecomeRegions) {
    UniqueRegion rect = make_region(Shape::rectangle({2, 3, 9, 7}));
    EXPECT_TRUE(PtInRegion(rect.get(), 2, 3));
    EXPECT_FALSE(PtInRegion(rect.get(), 9, 3));
    UniqueRegion round = make_region(Shape::round_rect({0, 0, 41, 21}, {16, 12}), 10, 0);
    EXPECT_FALSE(PtInRegion(round.get(), 10, 0));
    EXPECT_TRUE(PtInRegion(round.get(), 30, 10));
}

TEST(ShapeRegion, MasksKeepTheirHoles) {
    Image picture(7, 5, kPaper);
    picture.at(3, 2) = 0x007F007F;
    const Shape shape = Shape::from_mask(picture, {20, 30});
    UniqueRegion region = make_region(shape);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            EXPECT_EQ(PtInRegion(region.get(), 20 + x, 30 + y) != FALSE, !(x == 3 && y == 2));
    Image empty(2, 2, 0x007F007F);
    UniqueRegion none = make_region(Shape::from_mask(empty, {0, 0}));
    RECT box{};
    EXPECT_EQ(GetRgnBox(none.get(), &box), NULLREGION);
}

}  // namespace
}  // namespace tolsy
