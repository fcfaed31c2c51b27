// A page composed once and copied shows, after every change of its buttons or of the theme's
// look, exactly what painting the page afresh shows; a change of some buttons composes only
// their rectangles again.
#include "skin/controls/page_picture.h"

#include <gtest/gtest.h>

#include "picture/bitmap_font.h"
#include "picture/fake_text_renderer.h"
#include "skin/skin_fixture.h"

namespace tolsy {
namespace {

using V = VisualState;

constexpr std::uint32_t kBackground = 0xFFD8E9EC;
constexpr Rect kPage{6, 5, 6 + 120, 5 + 60};

// The page painted without keeping anything, over a background of its own.
Image painted_afresh(TTeSkinFile& theme, const std::vector<PageButton>& buttons,
                     TextRenderer& text) {
    Image picture(140, 70, 0xFF123456u);
    Canvas canvas(picture);
    canvas.fill_rect(kPage, kBackground);
    canvas.set_clip(kPage);
    paint_page_frame(theme, canvas, page_frame_around(theme, kPage), text);
    for (const PageButton& b : buttons) paint_speed_button(theme, canvas, b.rect, b.look, text);
    return picture;
}

TEST(PagePicture, EveryChangeShowsWhatPaintingAfreshShowsAndOnlyChangedButtonsAreComposed) {
    const auto theme = test::load_built_theme();
    ASSERT_NE(theme, nullptr);
    BitmapFontRenderer text;
    const PaintFont symbols{"Tolsy", 12};
    std::vector<PageButton> buttons;
    for (int i = 0; i < 8; ++i)
        buttons.push_back(
            {Rect::from_size(kPage.left + (i % 4) * 24, kPage.top + (i / 4) * 23, 23, 22),
             {V::kNormal, std::string(1, static_cast<char>('A' + i)), symbols, true}});
    const struct {
        const char* what;
        int button;  // -1: none
        V state;
        const char* label;
        int hue;
        int pages;    // composed whole so far
        int buttons;  // rectangles composed so far (a changed button: where it was and is)
    } steps[] = {
        {"first paint", -1, V::kNormal, nullptr, 0, 1, 1},
        {"unchanged", -1, V::kNormal, nullptr, 0, 1, 1},
        {"one hot", 2, V::kHot, nullptr, 0, 1, 2},
        {"pressed", 2, V::kPressed, nullptr, 0, 1, 3},
        {"at rest again", 2, V::kNormal, nullptr, 0, 1, 4},
        {"disabled", 5, V::kDisabled, nullptr, 0, 1, 5},
        {"new label", 7, V::kNormal, "xy", 0, 1, 6},
        {"moved", 0, V::kNormal, nullptr, 0, 1, 8},
        {"new look of the theme", -1, V::kNormal, nullptr, 40, 2, 9},
    };
    PagePicture page;
    for (const auto& step : steps) {
        if (step.button == 0) buttons[0].rect = buttons[0].rect.offset(3, 30);
        if (step.button >= 0) {
            buttons[static_cast<std::size_t>(step.button)].look.state = step.state;
            if (step.label != nullptr)
                buttons[static_cast<std::size_t>(step.button)].look.label = step.label;
        }
        if (step.hue != 0) theme->set_deltas(step.hue, 0);
        Image seen(140, 70, 0xFF123456u);
        Canvas canvas(seen);
        ASSERT_TRUE(page.paint(*theme, canvas, kPage, buttons, text, kBackground));
        EXPECT_EQ(seen, painted_afresh(*theme, buttons, text)) << step.what;
        EXPECT_EQ(page.pages_composed(), step.pages) << step.what;
        EXPECT_EQ(page.buttons_composed(), step.buttons) << step.what;
    }
    // Copied out through a moved origin and a narrow clip, as a window repaints one button.
    Image part(23, 22);
    Canvas canvas(part);
    canvas.set_origin({-buttons[2].rect.left, -buttons[2].rect.top});
    ASSERT_TRUE(page.paint(*theme, canvas, kPage, buttons, text, kBackground));
    const Image whole = painted_afresh(*theme, buttons, text);
    for (int y = 0; y < 22; ++y)
        for (int x = 0; x < 23; ++x)
            ASSERT_EQ(part.at(x, y), whole.at(buttons[2].rect.left + x, buttons[2].rect.top + y));
}

TEST(PagePicture, ARendererWhoseDrawingsMayDifferIsAskedEveryTime) {
    const auto theme = test::load_built_theme();
    ASSERT_NE(theme, nullptr);
    test::FakeTextRenderer text;
    const std::vector<PageButton> buttons{
        {Rect::from_size(kPage.left, kPage.top, 23, 22), {V::kNormal, "A", {}, true}}};
    PagePicture page;
    Image seen(140, 70);
    Canvas canvas(seen);
    for (int round = 0; round < 2; ++round)
        ASSERT_TRUE(page.paint(*theme, canvas, kPage, buttons, text, kBackground));
    EXPECT_EQ(text.calls.size(), 2u);
    EXPECT_EQ(page.pages_composed(), 2);
}

}  // namespace
}  // namespace tolsy
