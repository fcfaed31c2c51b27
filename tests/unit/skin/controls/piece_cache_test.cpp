// Theme pieces copied from the cache are exactly what painting them gives, over any background;
// a piece is painted straight at its first use and its picture taken at its second; a piece that
// blends is painted each time; a new look of the theme paints afresh.
#include "skin/controls/piece_cache.h"

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>

#include "picture/bitmap_font.h"
#include "picture/fake_text_renderer.h"
#include "skin/controls/control_paint.h"
#include "skin/model/layout.h"
#include "skin/paint/paint.h"
#include "skin/skin_fixture.h"
#include "skin/themes/standard_objects.h"

namespace tolsy {
namespace {

// A background no piece could match by chance: every pixel different.
Image patterned(int width, int height) {
    Image picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.at(x, y) = 0xFF000000u | static_cast<std::uint32_t>(x * 2654435761u + y * 97u);
    return picture;
}

TEST(PieceCache, CopiesEqualPaintingAndBlendingPiecesArePaintedEachTime) {
    const auto theme = test::load_built_theme();
    ASSERT_NE(theme, nullptr);
    test::FakeTextRenderer text;
    const auto paint_part = [&](const char* part, int slot) {
        return [&, part, slot](Canvas& canvas, const Rect& rect) {
            TSeSkinObject* object = theme->theme_part("default", slot, part);
            const SkinBounds saved = object->bounds();
            place_object(*object, rect);
            paint_object(*object, canvas, text);
            object->set_bounds(saved);
        };
    };
    const struct {
        const char* what;
        PieceCache::Paint paint;
        bool kept;  // drawn from a copy the second time
    } cases[] = {
        {"opaque page frame", paint_part("Frame", kSlotTabs), true},
        {"see-through group frame", paint_part("Frame", kSlotGroupBox), true},
        {"flat face at rest", paint_part("FlatFace", kSlotSpeedButton), false},
        {"half-transparent fill",
         [](Canvas& canvas, const Rect& rect) {
             canvas.draw_image(Image(2, 2, 0x80FF0000u), {0, 0, 2, 2}, rect, DrawMode::kBlend);
         },
         false},
    };
    const Rect rect{3, 4, 3 + 61, 4 + 37};
    for (const auto& c : cases) {
        PieceCache cache;
        Image expected = patterned(70, 45);
        Canvas direct(expected);
        c.paint(direct, rect);
        // Painted straight, then taken and copied, then copied.
        for (int round = 0; round < 3; ++round) {
            Image seen = patterned(70, 45);
            Canvas canvas(seen);
            cache.draw(*theme, &c, 0, canvas, rect, c.paint);
            int differ = 0;
            for (int y = 0; y < 45; ++y)
                for (int x = 0; x < 70; ++x) differ += seen.at(x, y) != expected.at(x, y);
            EXPECT_EQ(differ, 0) << c.what << " round " << round;
        }
        EXPECT_EQ(cache.pictures_made(), 1) << c.what;
        EXPECT_EQ(cache.copies_drawn(), c.kept ? 2 : 0) << c.what;
    }
}

TEST(PieceCache, ANewLookOfTheThemeIsPaintedAfresh) {
    const auto theme = test::load_built_theme();
    ASSERT_NE(theme, nullptr);
    PieceCache cache;
    int painted = 0;
    const PieceCache::Paint paint = [&](Canvas& canvas, const Rect& rect) {
        ++painted;
        canvas.fill_rect(rect, color_pixel(theme->theme_object("default", kSlotEdit)->color));
    };
    Image picture(20, 10);
    Canvas canvas(picture);
    const Rect rect{0, 0, 20, 10};
    const auto draw_twice = [&](int variant) {
        for (int i = 0; i < 2; ++i) cache.draw(*theme, &paint, variant, canvas, rect, paint);
    };
    draw_twice(0);
    EXPECT_EQ(painted, 1 + 2);  // straight, then over two backgrounds to take the picture
    draw_twice(0);
    draw_twice(1);  // another variant
    EXPECT_EQ(cache.pictures_made(), 2);
    theme->set_deltas(60, 0);
    draw_twice(0);
    EXPECT_EQ(cache.pictures_made(), 3);
    EXPECT_EQ(picture.at(5, 5), color_pixel(theme->theme_object("default", kSlotEdit)->color));
    EXPECT_EQ(painted, 3 * 3);
}

// The bitmap font with smoothed edges: each glyph pixel's right neighbour half-blended.
class SmoothingRenderer : public BitmapFontRenderer {
  public:
    void draw(Canvas& canvas, std::string_view text, const PaintFont& font, std::uint32_t colour,
              const Rect& rect, TextPlacement placement) override {
        BitmapFontRenderer::draw(canvas, text, font, colour, rect, placement);
        canvas.draw_image(Image(1, 1, 0x80000000u | (colour & 0xFFFFFFu)), {0, 0, 1, 1},
                          Rect::from_size(rect.left, rect.top, 1, 1), DrawMode::kBlend);
    }
};

TEST(TextRunCache, CopiesEqualDrawingAndTextsThatBlendOrDoNotRepeatAreDrawnEachTime) {
    BitmapFontRenderer bitmap;
    SmoothingRenderer smoothing;
    test::FakeTextRenderer fake;  // draws nothing, but says so: never kept
    const PaintFont bold{"Tolsy", 8, 2, true};
    const struct {
        const char* what;
        TextRenderer& renderer;
        std::string text;
        PaintFont font;
        std::uint32_t colour;
        Rect rect;
        Point origin;
        Rect clip;
        bool kept;
    } cases[] = {
        {"centred label",
         bitmap,
         "\xC0x",
         {},
         0xFF102030u,
         {3, 4, 28, 26},
         {},
         {0, 0, 70, 45},
         true},
        {"black bold", bitmap, "Ag", bold, 0xFF000000u, {3, 4, 40, 20}, {}, {0, 0, 70, 45}, true},
        {"cut by the clip and moved",
         bitmap,
         "Clip",
         {},
         0xFFFFFFFFu,
         {-5, 30, 40, 50},
         {2, 1},
         {0, 33, 20, 40},
         true},
        {"in the key colour",
         bitmap,
         "Key",
         {},
         0xFF000000u | kKeyColorRgb,
         {0, 0, 40, 20},
         {},
         {0, 0, 70, 45},
         false},
        {"smoothed", smoothing, "S", {}, 0xFF0000FFu, {10, 10, 30, 30}, {}, {0, 0, 70, 45}, false},
        {"renderer that does not repeat",
         fake,
         "F",
         {},
         0xFF0000FFu,
         {0, 0, 9, 9},
         {},
         {0, 0, 70, 45},
         false},
    };
    for (const auto& c : cases) {
        TextRunCache cache;
        const TextPlacement centred{HAlign::kCenter, VAlign::kCenter};
        const auto draw = [&](Image& on, bool cached) {
            Canvas canvas(on);
            canvas.set_origin(c.origin);
            canvas.set_clip(c.clip);
            if (cached)
                cache.draw(c.renderer, canvas, c.text, c.font, c.colour, c.rect, centred);
            else
                c.renderer.draw(canvas, c.text, c.font, c.colour, c.rect, centred);
        };
        Image expected = patterned(70, 45);
        draw(expected, false);
        for (int round = 0; round < 3; ++round) {
            Image seen = patterned(70, 45);
            draw(seen, true);
            EXPECT_EQ(seen, expected) << c.what << " round " << round;
        }
        EXPECT_EQ(cache.copies_drawn(), c.kept ? 2 : 0) << c.what;
    }
}

TEST(TextRunCache, EachTextFontColourAndRendererIsKeptApart) {
    BitmapFontRenderer one;
    BitmapFontRenderer other;
    TextRunCache cache;
    Image picture(40, 20);
    Canvas canvas(picture);
    const Rect rect{0, 0, 40, 20};
    for (int pass = 0; pass < 2; ++pass) {
        cache.draw(one, canvas, "ab", {}, 0xFF000001u, rect, {});
        cache.draw(one, canvas, "ab", {}, 0xFF000001u, rect, {});
        cache.draw(one, canvas, "ac", {}, 0xFF000001u, rect, {});
        cache.draw(one, canvas, "ab", {}, 0xFF000002u, rect, {});
        cache.draw(one, canvas, "ab", {"Tolsy"}, 0xFF000001u, rect, {});
        cache.draw(one, canvas, "ab", {}, 0xFF000001u, {0, 0, 39, 20}, {});
        cache.draw(other, canvas, "ab", {}, 0xFF000001u, rect, {});
        // The first pass takes the picture of the one text drawn twice in it.
        EXPECT_EQ(cache.pictures_made(), pass == 0 ? 1 : 6);
    }
    EXPECT_EQ(cache.size(), 6u);
}

// The bitmap font, said not to repeat its drawings: the controls paint with it afresh each time.
class AfreshRenderer : public BitmapFontRenderer {
  public:
    std::uint64_t repeatable_id() const override { return 0; }
};

TEST(FaceCache, KeptFacesOfEveryKindEqualPaintingAfreshAfterChangesAndUnderAClip) {
    const auto theme = test::load_built_theme();
    ASSERT_NE(theme, nullptr);
    using V = VisualState;
    using Paint = std::function<void(Canvas&, TextRenderer&)>;
    const PaintFont symbols{"Tolsy", 12};
    const Rect r{5, 4, 5 + 60, 4 + 26};
    const struct {
        const char* what;
        Paint paint;
    } cases[] = {
        {"list",
         [&](Canvas& c, TextRenderer& t) {
             paint_combo_box(*theme, c, r, {V::kNormal, false, "A", symbols}, t);
         }},
        {"list, other item",
         [&](Canvas& c, TextRenderer& t) {
             paint_combo_box(*theme, c, r, {V::kNormal, false, "B", symbols}, t);
         }},
        {"list dropped, focus cue",
         [&](Canvas& c, TextRenderer& t) {
             paint_combo_box(*theme, c, r, {V::kHot, true, "A", symbols, true, true, true}, t);
         }},
        {"display line",
         [&](Canvas& c, TextRenderer& t) {
             paint_edit(*theme, c, r, {V::kNormal, "abc", symbols, {4, 4}}, t);
         }},
        {"display line scrolled, selection",
         [&](Canvas& c, TextRenderer& t) {
             paint_edit(*theme, c, r, {V::kFocused, "abcdefghij", symbols, {-9, 4}, 2, 5}, t);
         }},
        {"group box",
         [&](Canvas& c, TextRenderer& t) { paint_group_box(*theme, c, r, "Datum", t); }},
        {"group box, caption wider than it",
         [&](Canvas& c, TextRenderer& t) {
             paint_group_box(*theme, c, r, "A caption wider than its box", t);
         }},
        {"check box",
         [&](Canvas& c, TextRenderer& t) {
             paint_check_box(*theme, c, r, {V::kHot, true, "Dia", {}, 5, true}, t);
         }},
        {"push button",
         [&](Canvas& c, TextRenderer& t) {
             paint_push_button(*theme, c, r, {V::kPressed, "Clip&board", nullptr, true}, t);
         }},
        {"tab",
         [&](Canvas& c, TextRenderer& t) {
             paint_tab(*theme, c, r, {V::kFocused, "Symbols", true}, t);
         }},
    };
    AfreshRenderer afresh;
    BitmapFontRenderer kept;
    const int copies = face_cache().copies_drawn();
    // Each round paints every case in turn, so that each face is painted again after others;
    // the last under a clip through the middle of the faces.
    for (int round = 0; round < 4; ++round) {
        for (const auto& c : cases) {
            const Rect clip = round == 3 ? Rect{20, 10, 50, 40} : Rect{0, 0, 70, 36};
            Image expected = patterned(70, 36);
            Canvas direct(expected);
            direct.set_clip(clip);
            c.paint(direct, afresh);
            Image seen = patterned(70, 36);
            Canvas canvas(seen);
            canvas.set_clip(clip);
            c.paint(canvas, kept);
            EXPECT_EQ(seen, expected) << c.what << " round " << round;
        }
    }
    EXPECT_GE(face_cache().copies_drawn() - copies, 2 * static_cast<int>(std::size(cases)));
}

TEST(FaceCache, PiecesOfManyDetailsAreKeptApartWithinTheBoundOnPixels) {
    const auto theme = test::load_built_theme();
    ASSERT_NE(theme, nullptr);
    PieceCache cache;
    Image picture(300, 300);
    Canvas canvas(picture);
    const Rect rect{0, 0, 300, 300};
    for (int i = 0; i < 40; ++i) {
        const std::string detail = std::to_string(i);
        const auto pixel = static_cast<std::uint32_t>(0xFF000000u | (i + 1));
        for (int use = 0; use < 2; ++use)
            cache.draw(*theme, &cache, 0, detail, canvas, rect,
                       [&](Canvas& on, const Rect& at) { on.fill_rect(at, pixel); });
        EXPECT_EQ(picture.at(7, 7), pixel) << i;
        EXPECT_LE(cache.pixels_kept(), std::int64_t{1} << 20) << i;
    }
    EXPECT_EQ(cache.pictures_made(), 40);
}

}  // namespace
}  // namespace tolsy
