// Star generation and the frame step, against a scripted random source and a recording surface.
#include "about/starfield.h"

#include <gtest/gtest.h>

#include "about/about_fakes.h"

namespace tolsy {
namespace {

using testing::RecordingSurface;
using testing::ScriptedRandom;
using testing::TestHandOver;

constexpr std::uint32_t kRedColor = 0x0000FF;  // 0x00BBGGRR
const std::uint32_t kRedPixel = Pixel::pack(255, 0, 0);

std::uint32_t grey_pixel(std::uint8_t g) {
    return Pixel::pack(g, g, g);
}

class StarfieldTest : public ::testing::Test {
  protected:
    // A field of odd size with a given number of stars; the random source is then cleared.
    TStarfield& make(int w, int h, std::uint16_t stars) {
        field = std::make_unique<TStarfield>(ui, &random);
        field->set_surface(&surface);
        field->set_bounds(w, h);
        field->set_stars(stars);
        random.asked.clear();
        return *field;
    }
    // Places star i where a test wants it.
    void place(std::size_t i, int x, int y, int speed, int grey) {
        auto& s = const_cast<StarRecord&>(field->star_array()[i]);
        s = {x, y, grey * 0x010101, speed};
    }

    TestHandOver ui;
    ScriptedRandom random;
    RecordingSurface surface;
    std::unique_ptr<TStarfield> field;
};

TEST_F(StarfieldTest, ConstructionDefaults) {
    TStarfield f(ui, &random);
    EXPECT_FALSE(f.Active());
    EXPECT_EQ(f.Delay(), 50u);
    EXPECT_EQ(f.Stars(), 100);
    EXPECT_EQ(f.MaxSpeed(), 10);
    EXPECT_EQ(f.Color(), clBlack);
    EXPECT_EQ(f.Width(), 100);
    EXPECT_EQ(f.Height(), 100);
    EXPECT_TRUE(f.opaque());
    EXPECT_FALSE(f.ParentColor());
    EXPECT_TRUE(f.worker().suspended());
    EXPECT_EQ(f.worker().Delay(), 50u);
    EXPECT_EQ(f.star_array().size(), 100u);
}

TEST_F(StarfieldTest, GenerationStartsEveryStarOffTheRightEdge) {
    random.pick = [](std::uint32_t n) { return n == 0 ? 0 : n - 1; };
    make(37, 23, 3);
    int reseeds = random.reseeds;
    field->set_stars(4);
    EXPECT_EQ(random.reseeds, reseeds + 1) << "the generator is reseeded at each regeneration";
    // Per star: X from Random(W div 2), Y from Random(H), speed, grey; in this order.
    const std::vector<std::uint32_t> per_star{18, 23, 10, 120};
    ASSERT_EQ(random.asked.size(), 16u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(std::vector<std::uint32_t>(random.asked.begin() + i * 4,
                                             random.asked.begin() + i * 4 + 4),
                  per_star);
        const StarRecord& s = field->star_array()[i];
        EXPECT_EQ(s.X, 37 + 17);
        EXPECT_EQ(s.Y, 22);
        EXPECT_EQ(s.Speed, 10);
        EXPECT_EQ(s.Color, 239 * 0x010101);
    }
    random.pick = [](std::uint32_t) { return 0u; };
    field->set_stars(1);
    EXPECT_EQ(field->star_array()[0].X, 37);
    EXPECT_EQ(field->star_array()[0].Speed, 1);
    EXPECT_EQ(field->star_array()[0].Color, 120 * 0x010101);
}

TEST_F(StarfieldTest, NarrowFieldsStartEveryStarAtTheWidth) {
    for (int w : {0, 1}) {
        make(w, 5, 2);
        field->set_stars(2);
        EXPECT_EQ(random.asked.front(), 0u) << "Random(W div 2) with W = " << w;
        for (const StarRecord& s : field->star_array()) EXPECT_EQ(s.X, w);
        EXPECT_NO_THROW(field->Paint());
    }
}

TEST_F(StarfieldTest, MaxSpeedBoundsTheSpeeds) {
    make(37, 23, 0);
    field->set_max_speed(0);
    field->set_stars(1);
    EXPECT_EQ(random.asked[2], 0u);
    EXPECT_EQ(field->star_array()[0].Speed, 1) << "MaxSpeed 0 gives speed 1";
    random.asked.clear();
    field->set_max_speed(255);
    field->set_stars(1);
    EXPECT_EQ(random.asked[2], 255u);
    EXPECT_EQ(field->star_array()[0].Speed, 255);
}

TEST_F(StarfieldTest, FrameDrawsBeforeMovingAndFillsWithTheColour) {
    make(37, 23, 2);
    field->set_color(kRedColor);
    place(0, 36, 22, 5, 150);  // right-most column, bottom row
    place(1, 37, 4, 2, 200);   // just outside: not drawn yet
    field->Paint();
    const Image& frame = surface.copies.at(0);
    EXPECT_EQ(frame.at(36, 22), grey_pixel(150));
    EXPECT_EQ(frame.at(0, 0), kRedPixel);
    EXPECT_EQ(frame.at(35, 4), kRedPixel) << "a star is drawn where it stood, not where it went";
    EXPECT_EQ(field->star_array()[0].X, 31);
    EXPECT_EQ(field->star_array()[1].X, 35);

    field->Paint();
    const Image& next = surface.copies.at(1);
    EXPECT_EQ(next.at(36, 22), kRedPixel) << "the old position is filled over";
    EXPECT_EQ(next.at(31, 22), grey_pixel(150));
    EXPECT_EQ(next.at(35, 4), grey_pixel(200));
}

TEST_F(StarfieldTest, RebornStarIsFirstSeenTheFrameAfterNext) {
    make(37, 23, 1);
    place(0, 2, 10, 3, 130);
    random.pick = [](std::uint32_t n) { return n == 23 ? 7u : n == 10 ? 3u : 0u; };
    field->Paint();  // drawn at 2, moves to -1: reborn
    const StarRecord& s = field->star_array()[0];
    EXPECT_EQ(s.X, 37);
    EXPECT_EQ(s.Y, 7);
    EXPECT_EQ(s.Speed, 4);
    EXPECT_EQ(s.Color, 120 * 0x010101);
    EXPECT_EQ((std::vector<std::uint32_t>{23, 10, 120}), random.asked);
    field->Paint();  // at X = W: not drawn
    for (int x = 0; x < 37; ++x) EXPECT_EQ(surface.copies[1].at(x, 7), Pixel::pack(0, 0, 0));
    field->Paint();
    EXPECT_EQ(surface.copies[2].at(33, 7), grey_pixel(120));
}

TEST_F(StarfieldTest, StarAtZeroIsDrawnThenReborn) {
    make(37, 23, 1);
    place(0, 0, 3, 1, 160);
    field->Paint();
    EXPECT_EQ(surface.copies[0].at(0, 3), grey_pixel(160));
    EXPECT_EQ(field->star_array()[0].X, 37);
}

TEST_F(StarfieldTest, NoColourLeavesTrails) {
    make(37, 23, 1);
    field->set_color(clNone);
    place(0, 30, 5, 4, 180);
    for (int i = 0; i < 3; ++i) field->Paint();
    const Image& frame = surface.copies.back();
    for (int x : {30, 26, 22}) EXPECT_EQ(frame.at(x, 5), grey_pixel(180)) << x;
    EXPECT_EQ((std::vector<std::string>{"lock", "hollow", "copy", "unlock"}),
              std::vector<std::string>(surface.calls.begin(), surface.calls.begin() + 4));
}

TEST_F(StarfieldTest, NoStarsGivesAPlainField) {
    make(37, 23, 0);
    field->set_color(kRedColor);
    field->Paint();
    EXPECT_EQ(surface.copies[0], Image(37, 23, kRedPixel));
    EXPECT_EQ((std::vector<std::string>{"lock", "solid", "copy", "unlock"}), surface.calls);
}

TEST_F(StarfieldTest, SurfaceIsUnlockedWhenTheCopyFails) {
    make(37, 23, 0);
    surface.copy_throws = true;
    EXPECT_THROW(field->Paint(), std::runtime_error);
    EXPECT_EQ(surface.calls.back(), "unlock");
}

TEST_F(StarfieldTest, ResizingRestartsTheFieldFromTheRightEdge) {
    make(37, 23, 5);
    for (int i = 0; i < 30; ++i) field->Paint();
    int resizes = 0;
    field->OnResize = [&](TStarfield&) { ++resizes; };
    field->set_bounds(41, 29);
    EXPECT_EQ(resizes, 1);
    EXPECT_EQ(field->Bitmap().width(), 41);
    EXPECT_EQ(field->Bitmap().height(), 29);
    for (const StarRecord& s : field->star_array()) EXPECT_GE(s.X, 41);
    EXPECT_EQ(field->Stars(), 5);
    field->set_bounds(41, 29);
    EXPECT_EQ(resizes, 1) << "the same size is no resize";
}

TEST_F(StarfieldTest, ActiveRaisesItsEventBeforeTheChangeOnly) {
    make(37, 23, 0);
    std::vector<bool> seen;
    field->OnActiveChanged = [&](TStarfield& f) { seen.push_back(f.Active()); };
    field->set_active(true);
    EXPECT_FALSE(field->worker().suspended());
    field->set_active(true);
    field->set_active(false);
    EXPECT_TRUE(field->worker().suspended());
    EXPECT_EQ(seen, (std::vector<bool>{false, true}));
}

TEST_F(StarfieldTest, DelayIsCopiedToTheWorker) {
    make(37, 23, 0);
    field->set_delay(7);
    EXPECT_EQ(field->Delay(), 7u);
    EXPECT_EQ(field->worker().Delay(), 7u);
}

TEST_F(StarfieldTest, ActiveFieldMovesOnWorkerFramesAndIsDestroyedWhileRunning) {
    make(37, 23, 1);
    field->set_delay(0);
    place(0, 30, 5, 1, 140);
    field->set_active(true);
    ASSERT_TRUE(ui.serve_one());
    ASSERT_TRUE(ui.serve_one());
    EXPECT_EQ(field->star_array()[0].X, 28);
    EXPECT_EQ(surface.copies.size(), 2u);
    field.reset();  // the worker is asking for its next frame meanwhile
    EXPECT_TRUE(ui.ended());
}

}  // namespace
}  // namespace tolsy
