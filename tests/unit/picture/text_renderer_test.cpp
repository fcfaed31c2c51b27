// Text placement, shortening with an ellipsis, and the built-in bitmap-font renderer.
#include "picture/text_renderer.h"

#include <gtest/gtest.h>

#include "picture/bitmap_font.h"
#include "picture/fake_text_renderer.h"
#include "picture/pixels.h"

namespace tolsy {
namespace {

using test::FakeTextRenderer;

TEST(TextPlacement, NineAlignmentsWithTruncatedHalves) {
    const Rect r{10, 20, 41, 35};  // 31 x 15
    const Size t{10, 4};
    EXPECT_EQ(place_text(t, r, {HAlign::kLeft, VAlign::kTop}), (Point{10, 20}));
    EXPECT_EQ(place_text(t, r, {HAlign::kCenter, VAlign::kCenter}), (Point{20, 25}));
    EXPECT_EQ(place_text(t, r, {HAlign::kRight, VAlign::kBottom}), (Point{31, 31}));
    // Wider than the rectangle: centring moves left by half the overflow, toward zero.
    EXPECT_EQ(place_text({36, 4}, r, {HAlign::kCenter, VAlign::kTop}).x, 8);
}

TEST(Ellipsis, TextThatFitsIsKept) {
    FakeTextRenderer fake;
    EXPECT_EQ(shorten_with_ellipsis(fake, "Framewright", {}, 77), "Framewright");
}

TEST(Ellipsis, TheLongestFittingHeadIsKept) {
    FakeTextRenderer fake;
    // 76 pixels hold ten characters: seven of the text and the three dots.
    EXPECT_EQ(shorten_with_ellipsis(fake, "Framewright", {}, 76), "Framewr...");
    EXPECT_EQ(shorten_with_ellipsis(fake, "Framewright", {}, 28), "F...");
}

TEST(Ellipsis, TooNarrowForAnyHeadGivesTheDotsOrNothing) {
    FakeTextRenderer fake;
    EXPECT_EQ(shorten_with_ellipsis(fake, "Framewright", {}, 21), "...");
    EXPECT_EQ(shorten_with_ellipsis(fake, "Framewright", {}, 20), "");
    EXPECT_EQ(shorten_with_ellipsis(fake, "Framewright", {}, -5), "");
}

TEST(BitmapFont, MeasuresWholeCellsAndScalesLargeSizes) {
    BitmapFontRenderer font;
    PaintFont small;
    const int advance = BitmapFontRenderer::advance(small);
    EXPECT_EQ(font.measure("Tolsy", small), (Size{5 * advance, BitmapFontRenderer::kLineHeight}));
    PaintFont bold = small;
    bold.bold = true;
    EXPECT_GT(font.measure("Tolsy", bold).width, font.measure("Tolsy", small).width);
    PaintFont large = small;
    large.size = 16;
    EXPECT_EQ(font.measure("ab", large).height, 2 * BitmapFontRenderer::kLineHeight);
}

TEST(BitmapFont, DrawsInsideItsRectangleOnlyInTheGivenColour) {
    BitmapFontRenderer font;
    Image target(40, 20, test::kBackground);
    Canvas canvas(target);
    const std::uint32_t ink = Pixel::pack(200, 10, 60);
    const Rect rect{3, 4, 17, 13};  // narrower than the text: the rest is clipped
    font.draw(canvas, "HelloW", {}, ink, rect, {});
    int inked = 0;
    for (int y = 0; y < 20; ++y) {
        for (int x = 0; x < 40; ++x) {
            const std::uint32_t p = target.at(x, y);
            ASSERT_TRUE(p == ink || p == test::kBackground);
            if (p == ink) {
                ++inked;
                EXPECT_TRUE(rect.contains(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(inked, 10);
}

TEST(BitmapFont, DifferentCharactersDrawDifferentlyAndUnknownBytesShowABox) {
    BitmapFontRenderer font;
    auto render = [&](std::string_view text) {
        Image target(8, 12, test::kBackground);
        Canvas canvas(target);
        font.draw(canvas, text, {}, 0xFF000000, {0, 0, 8, 12}, {});
        return target;
    };
    EXPECT_FALSE(render("A") == render("B"));
    EXPECT_FALSE(render("\xEB") == render(" "));
    EXPECT_TRUE(render("\xEB") == render("\x01"));
}

}  // namespace
}  // namespace tolsy
