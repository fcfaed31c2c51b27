// Pictures of the three pages with a composed frame in the display line, for people to compare
// with the intended layout; and the palette buttons' places on their pages.
#include <gtest/gtest.h>

#include "support/composer_form_win.h"

namespace e2e {
namespace {

using L = tolsy::ComposerList;

class Screens : public ComposerTest {};

TEST_F(Screens, ThreePagesWithAComposedFrame) {
    form().pick(L::kSymbol, 1);
    form().click_diameter();
    form().pick(L::kTolerance, 4);
    form().pick(L::kCondition, 2);
    form().pick_letter(L::kDatum1, 'A');
    form().pick_letter(L::kDatum2, 'B');
    form().pick(L::kDatumCond2, 2);
    form().pick_letter(L::kDatum3, 'C');
    const char* names[] = {"composer_page_tolerance", "composer_page_symbols",
                           "composer_page_symbols2"};
    for (int page = 0; page < 3; ++page) {
        form().show_page(page);
        ASSERT_EQ(form().visible_page(), page);
        mouse_move(POINT{0, 0});
        settle(300);
        EXPECT_FALSE(save_screenshot(names[page], window).empty());
    }
}

TEST_F(Screens, PagesSitInsideThePageControl) {
    const RECT control = window_rect(form().tab_strip());  // the tab row spans the page control
    for (int page = 0; page < 3; ++page) {
        form().show_page(page);  // a page has its window from its first showing
        const RECT r = window_rect(form().page(page));
        EXPECT_GE(r.left, control.left);
        EXPECT_LE(r.right, control.right);
        EXPECT_LE(r.bottom, control.bottom);
        // Room for the widest palette row (up to 372) on every page.
        EXPECT_GE(r.right - r.left, 372);
    }
}

}  // namespace
}  // namespace e2e
