// Drawing image links: tile styles, the nine pieces, and the choice of drawing mode per piece.
#include "skin/model/nine_piece.h"

#include <gtest/gtest.h>

#include <limits>
#include <utility>

#include "picture/pixels.h"

namespace tolsy {
namespace {

using test::distinct;
using test::kBackground;
using test::kKeyPixelValue;
using test::pattern;

PieceSource source_of(const Image& image, Rect link, Margins margins = {},
                      TileStyle tile = TileStyle::kTile, TileStyle border = TileStyle::kTile) {
    PieceSource s;
    s.image = {&image, false};
    s.link = link;
    s.margins = margins;
    s.tile_style = tile;
    s.border_tile_style = border;
    s.transparency = compute_link_transparency(image, link, margins);
    return s;
}

TEST(Tiling, RepeatsFromTheTopLeftAndCutsTheLastRowAndColumn) {
    const Image image = pattern(6, 5);
    Image target(12, 10, kBackground);
    Canvas canvas(target);
    const Rect link{1, 2, 4, 4};  // three by two
    draw_pieces(canvas, source_of(image, link), {1, 1, 9, 6}, {});
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 12; ++x) {
            const bool inside = x >= 1 && x < 9 && y >= 1 && y < 6;
            const std::uint32_t want =
                inside ? distinct(1 + (x - 1) % 3, 2 + (y - 1) % 2) : kBackground;
            ASSERT_EQ(target.at(x, y), want) << x << "," << y;
        }
    }
}

TEST(Tiling, WithAPaintClipOnlyTilesMeetingItAreDrawnEachWhole) {
    const Image image = pattern(3, 3);
    Image target(13, 7, kBackground);
    Canvas canvas(target);
    // Tiles of 3 x 3 from x = 0; the clip touches only the second column of tiles, row one.
    draw_tiled(canvas, image, {0, 0, 3, 3}, {0, 0, 13, 7}, DrawMode::kCopy, {4, 1, 5, 2});
    for (int y = 0; y < 7; ++y) {
        for (int x = 0; x < 13; ++x) {
            const bool in_tile = x >= 3 && x < 6 && y < 3;
            EXPECT_EQ(target.at(x, y), in_tile ? distinct(x - 3, y) : kBackground) << x << y;
        }
    }
}

TEST(TileStyles, CenterKeepsTheSizeAndTruncatesHalves) {
    const Image image = pattern(3, 3);
    Image target(8, 6, kBackground);
    Canvas canvas(target);
    draw_pieces(canvas, source_of(image, {0, 0, 3, 3}, {}, TileStyle::kCenter), {0, 0, 8, 6}, {});
    // (8 - 3) / 2 = 2 and (6 - 3) / 2 = 1.
    EXPECT_EQ(target.at(2, 1), distinct(0, 0));
    EXPECT_EQ(target.at(4, 3), distinct(2, 2));
    EXPECT_EQ(test::count_pixels(target, kBackground), 48 - 9);
}

TEST(TileStyles, CenterOfALargerImageReachesPastTheBoundsEvenly) {
    const Image image = pattern(5, 1);
    Image target(7, 1, kBackground);
    Canvas canvas(target);
    // (2 - 5) / 2 truncates to -1: the picture starts one pixel left of the bounds.
    draw_pieces(canvas, source_of(image, {0, 0, 5, 1}, {}, TileStyle::kCenter), {3, 0, 5, 1}, {});
    EXPECT_EQ(target.at(2, 0), distinct(0, 0));
    EXPECT_EQ(target.at(6, 0), distinct(4, 0));
}

TEST(TileStyles, VerticalCentreBandsSpanTheFullHeight) {
    const Image image = pattern(3, 2);
    Image stretched(9, 5, kBackground);
    Canvas canvas(stretched);
    draw_pieces(canvas, source_of(image, {0, 0, 3, 2}, {}, TileStyle::kVertCenterStretch),
                {0, 0, 9, 5}, {});
    EXPECT_EQ(stretched.at(3, 0), distinct(0, 0));
    EXPECT_EQ(stretched.at(5, 4), distinct(2, 1));
    EXPECT_EQ(test::count_pixels(stretched, kBackground), 45 - 15);

    Image tiled(9, 5, kBackground);
    Canvas second(tiled);
    draw_pieces(second, source_of(image, {0, 0, 3, 2}, {}, TileStyle::kVertCenterTile),
                {0, 0, 9, 5}, {});
    EXPECT_EQ(tiled.at(4, 2), distinct(1, 0));
    EXPECT_EQ(tiled.at(4, 4), distinct(1, 0));
    EXPECT_EQ(tiled.at(4, 3), distinct(1, 1));
}

TEST(TileStyles, HorizontalCentreBandsSpanTheFullWidth) {
    const Image image = pattern(2, 3);
    Image target(5, 8, kBackground);
    Canvas canvas(target);
    draw_pieces(canvas, source_of(image, {0, 0, 2, 3}, {}, TileStyle::kHorzCenterTile),
                {0, 0, 5, 8}, {});
    // Band rows 2..4 (truncated half of 5), tiled across: columns 0 1 0 1 0.
    EXPECT_EQ(target.at(4, 2), distinct(0, 0));
    EXPECT_EQ(target.at(3, 4), distinct(1, 2));
    EXPECT_EQ(test::count_pixels(target, kBackground), 40 - 15);
}

class NinePieceAtOwnSize : public ::testing::TestWithParam<std::pair<TileStyle, TileStyle>> {};

TEST_P(NinePieceAtOwnSize, ReproducesTheLinkPixelForPixel) {
    const Image image = pattern(11, 9);
    const Rect link{1, 2, 10, 9};  // nine by seven
    const Margins margins{2, 3, 1, 2};
    Image target(13, 11, kBackground);
    Canvas canvas(target);
    canvas.set_origin({1, 1});
    const auto [tile, border] = GetParam();
    draw_pieces(canvas, source_of(image, link, margins, tile, border), Rect::from_size(2, 1, 9, 7),
                {});
    for (int y = 0; y < 11; ++y) {
        for (int x = 0; x < 13; ++x) {
            const bool inside = x >= 3 && x < 12 && y >= 2 && y < 9;
            const std::uint32_t want = inside ? distinct(x - 3 + 1, y - 2 + 2) : kBackground;
            ASSERT_EQ(target.at(x, y), want) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllTileAndStretchPairs, NinePieceAtOwnSize,
                         ::testing::Values(std::pair{TileStyle::kTile, TileStyle::kTile},
                                           std::pair{TileStyle::kStretch, TileStyle::kStretch},
                                           std::pair{TileStyle::kTile, TileStyle::kStretch},
                                           std::pair{TileStyle::kStretch, TileStyle::kTile}));

TEST(NinePiece, LargerBoundsKeepCornersAndStretchEdgesBetweenThem) {
    const Image image = pattern(5, 5);
    const Margins margins{1, 1, 1, 1};
    Image target(9, 7, kBackground);
    Canvas canvas(target);
    draw_pieces(canvas,
                source_of(image, {0, 0, 5, 5}, margins, TileStyle::kStretch, TileStyle::kStretch),
                {0, 0, 9, 7}, {});
    EXPECT_EQ(target.at(0, 0), distinct(0, 0));
    EXPECT_EQ(target.at(8, 0), distinct(4, 0));
    EXPECT_EQ(target.at(0, 6), distinct(0, 4));
    EXPECT_EQ(target.at(8, 6), distinct(4, 4));
    // The top edge (source columns 1..3) stretched over destination columns 1..7.
    EXPECT_EQ(target.at(1, 0), distinct(1, 0));
    EXPECT_EQ(target.at(7, 0), distinct(3, 0));
    EXPECT_EQ(target.at(4, 3), distinct(2, 2));
    EXPECT_EQ(test::count_pixels(target, kBackground), 0);
}

TEST(NinePiece, PiecesWithEmptySourcesAreSkipped) {
    const Image image = pattern(4, 3);
    Image target(7, 3, kBackground);
    Canvas canvas(target);
    // Only a left margin: the top and bottom edges and all corners but the left edge's are empty.
    draw_pieces(canvas, source_of(image, {0, 0, 4, 3}, {1, 0, 0, 0}, TileStyle::kStretch),
                {0, 0, 7, 3}, {});
    EXPECT_EQ(target.at(0, 1), distinct(0, 1));
    EXPECT_EQ(target.at(1, 1), distinct(1, 1));
    EXPECT_EQ(target.at(6, 2), distinct(3, 2));
    EXPECT_EQ(test::count_pixels(target, kBackground), 0);
}

TEST(NinePiece, BoundsSmallerThanTheMarginsDrawNoCentre) {
    const Image image = pattern(6, 6);
    Image target(4, 4, kBackground);
    Canvas canvas(target);
    draw_pieces(canvas, source_of(image, {0, 0, 6, 6}, {3, 3, 3, 3}), {0, 0, 4, 4}, {});
    // The corners overlap; the bottom-right one, drawn last, wins where they do.
    EXPECT_EQ(target.at(1, 1), distinct(3, 3));
    EXPECT_EQ(target.at(3, 3), distinct(5, 5));
    EXPECT_EQ(target.at(0, 0), distinct(0, 0));
}

TEST(Transparency, FlagsFollowThePiecesThatHoldKeyOrTranslucentPixels) {
    Image image = pattern(5, 5);
    const Margins margins{1, 1, 1, 1};
    EXPECT_EQ(compute_link_transparency(image, {0, 0, 5, 5}, margins), LinkTransparency{});
    image.at(4, 4) = kKeyPixelValue;  // a corner
    EXPECT_EQ(compute_link_transparency(image, {0, 0, 5, 5}, margins),
              (LinkTransparency{true, false, false}));
    image.at(2, 0) = Pixel::pack(1, 2, 3, 254);  // an edge, barely translucent
    EXPECT_EQ(compute_link_transparency(image, {0, 0, 5, 5}, margins),
              (LinkTransparency{true, true, false}));
    // With no margins the whole rectangle is the centre.
    EXPECT_EQ(compute_link_transparency(image, {0, 0, 5, 5}, {}),
              (LinkTransparency{false, false, true}));
    EXPECT_EQ(compute_link_transparency(image, {0, 1, 3, 4}, {}), LinkTransparency{});
}

// The vectorised scan answers as looking at every pixel of each piece does: rows with special
// pixels on both sides of a piece, inside it, at its very edges, and none at all; pieces wider
// than a vector of pixels and narrower; rectangles reaching outside the image.
TEST(Transparency, PieceScanAgreesWithLookingAtEveryPixel) {
    Image image = pattern(23, 9);
    for (auto [x, y] : {std::pair{0, 0}, {22, 0}, {11, 1}, {1, 3}, {21, 3}, {9, 5}, {14, 5}})
        image.at(x, y) = kKeyPixelValue;
    image.at(17, 7) = Pixel::pack(9, 9, 9, 128);
    const auto any_special = [&](const Rect& piece) {
        const Rect r = piece.intersect({0, 0, image.width(), image.height()});
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (is_key_pixel(image.at(x, y)) || Pixel::alpha(image.at(x, y)) != 255)
                    return true;
        return false;
    };
    const struct {
        Rect link;
        Margins margins;
    } cases[] = {
        {{0, 0, 23, 9}, {}},           {{2, 2, 9, 5}, {}},
        {{10, 4, 14, 6}, {}},          {{2, 0, 21, 9}, {1, 1, 1, 1}},
        {{1, 1, 22, 8}, {8, 2, 8, 2}}, {{3, 2, 20, 9}, {2, 3, 5, 1}},
        {{10, 5, 14, 6}, {}},          {{-4, -2, 30, 12}, {3, 3, 3, 3}},
        {{9, 0, 18, 9}, {0, 4, 0, 4}}, {{10, 5, 15, 6}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.link.left << ',' << c.link.top << ' ' << c.link.right
                                        << ',' << c.link.bottom);
        const Margins& m = c.margins;
        const Rect& l = c.link;
        const Rect inner{l.left + m.left, l.top + m.top, l.right - m.right, l.bottom - m.bottom};
        LinkTransparency want;
        if (!m.any()) {
            want.centre = any_special(l);
        } else {
            want.centre = any_special(inner);
            want.edges = any_special({inner.left, l.top, inner.right, inner.top}) ||
                         any_special({inner.left, inner.bottom, inner.right, l.bottom}) ||
                         any_special({l.left, inner.top, inner.left, inner.bottom}) ||
                         any_special({inner.right, inner.top, l.right, inner.bottom});
            want.corners = any_special({l.left, l.top, inner.left, inner.top}) ||
                           any_special({inner.right, l.top, l.right, inner.top}) ||
                           any_special({l.left, inner.bottom, inner.left, l.bottom}) ||
                           any_special({inner.right, inner.bottom, l.right, l.bottom});
        }
        EXPECT_EQ(compute_link_transparency(image, c.link, c.margins), want);
    }
}

TEST(Transparency, KeyPixelsOfAFlaggedPieceNeverReachTheCanvas) {
    Image image = pattern(5, 5);
    image.at(0, 0) = kKeyPixelValue;
    image.at(2, 2) = kKeyPixelValue;
    image.at(2, 0) = kKeyPixelValue;
    for (const TileStyle style : {TileStyle::kTile, TileStyle::kStretch, TileStyle::kCenter}) {
        Image target(11, 9, kBackground);
        Canvas canvas(target);
        draw_pieces(canvas, source_of(image, {0, 0, 5, 5}, {1, 1, 1, 1}, style, style),
                    {0, 0, 11, 9}, {});
        EXPECT_EQ(test::count_pixels(target, kKeyPixelValue), 0);
        EXPECT_EQ(target.at(0, 0), kBackground);
    }
}

TEST(Transparency, PiecesWithoutTheirFlagAreCopiedPlainly) {
    Image image = pattern(3, 1);
    image.at(1, 0) = kKeyPixelValue;
    PieceSource s = source_of(image, {0, 0, 3, 1});
    s.transparency.centre = false;  // as a link prepared before its image changed
    Image target(3, 1, kBackground);
    Canvas canvas(target);
    draw_pieces(canvas, s, {0, 0, 3, 1}, {});
    EXPECT_EQ(target.at(1, 0), kKeyPixelValue);
}

TEST(Transparency, ImagesWithTheAlphaFlagAlwaysBlend) {
    Image image(3, 1, Pixel::pack(255, 0, 0, 51));
    PieceSource s = source_of(image, {0, 0, 3, 1});
    s.image.has_alpha = true;
    s.transparency = {};  // even with no piece flagged
    Image target(3, 1, Pixel::pack(0, 0, 255, 255));
    Canvas canvas(target);
    draw_pieces(canvas, s, {0, 0, 3, 1}, {});
    EXPECT_EQ(target.at(1, 0), Pixel::pack(51, 0, 204, 255));
    EXPECT_EQ(choose_draw_mode(true, false), DrawMode::kBlend);
    EXPECT_EQ(choose_draw_mode(true, true), DrawMode::kBlend);
    EXPECT_EQ(choose_draw_mode(false, true), DrawMode::kKeyCopy);
    EXPECT_EQ(choose_draw_mode(false, false), DrawMode::kCopy);
}

TEST(NinePiece, NothingIsDrawnWithoutAnImageOrALink) {
    const Image image = pattern(3, 3);
    Image target(4, 4, kBackground);
    Canvas canvas(target);
    PieceSource s = source_of(image, {0, 0, 3, 3});
    s.image.image = nullptr;
    draw_pieces(canvas, s, {0, 0, 4, 4}, {});
    s = source_of(image, {2, 2, 2, 3});
    draw_pieces(canvas, s, {0, 0, 4, 4}, {});
    EXPECT_EQ(test::count_pixels(target, kBackground), 16);
}

}  // namespace
}  // namespace tolsy

namespace tolsy {
namespace {

// Margins and link rectangles straight from a stored skin, at the ends of int: nothing is drawn
// outside the object's bounds, and no sum overflows (the sanitizer build checks that).
TEST(NinePiece, StoredNumbersAtTheEndsOfIntDrawOnlyInsideTheBounds) {
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();
    struct Case {
        Rect link;
        Margins margins;
    } const cases[] = {
        {{0, 0, 4, 4}, {0, 0, -2147483647, 0}},   {{0, 0, 4, 4}, {kMin, kMin, kMin, kMin}},
        {{0, 0, 4, 4}, {kMax, kMax, kMax, kMax}}, {{0, 0, 4, 4}, {kMax, 1, kMin, 1}},
        {{kMin, kMin, kMax, kMax}, {1, 1, 1, 1}}, {{kMin, 0, 4, 4}, {0, 0, 0, 0}},
        {{kMax - 1, 0, kMax, 4}, {1, 1, 1, 1}},
    };
    const Image image = pattern(4, 4);
    const Rect bounds{3, 2, 9, 7};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.link.left << "," << c.link.right << " "
                                        << c.margins.left << "," << c.margins.right);
        for (const TileStyle style : {TileStyle::kTile, TileStyle::kStretch, TileStyle::kCenter,
                                      TileStyle::kVertCenterTile, TileStyle::kHorzCenterStretch}) {
            Image target(12, 10, kBackground);
            Canvas canvas(target);
            draw_pieces(canvas, source_of(image, c.link, c.margins, style, style), bounds, {});
            for (int y = 0; y < target.height(); ++y) {
                for (int x = 0; x < target.width(); ++x) {
                    if (!bounds.contains(x, y)) {
                        ASSERT_EQ(target.at(x, y), kBackground) << x << "," << y;
                    }
                }
            }
        }
    }
}

}  // namespace
}  // namespace tolsy
