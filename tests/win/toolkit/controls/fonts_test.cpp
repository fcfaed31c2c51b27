// Bold text of the window descriptions is bold on screen, also where the named face has no bold
// style of its own (Wine's "MS Sans Serif").
#include <gtest/gtest.h>

#include "base/handles_win.h"
#include "toolkit/controls/form_win.h"

namespace tolsy {
namespace {

// The dark pixels of a word drawn black on white as a label draws it.
int ink_of(const FontSpec& asked) {
    UniqueFont font(create_font(asked));
    WindowDc screen(nullptr);
    UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), 200, 40));
    SelectObjectScope keep_bitmap(dc.get(), bitmap.get());
    SelectObjectScope keep_font(dc.get(), font.get());
    RECT all{0, 0, 200, 40};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc.get(), RGB(0, 0, 0));
    SetBkMode(dc.get(), TRANSPARENT);
    RECT r{2, 2, 200, 40};
    draw_text(dc.get(), L"Quorvane", r, DT_NOPREFIX, !draws_bold(asked));
    int ink = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x) ink += GetRValue(GetPixel(dc.get(), x, y)) < 128;
    return ink;
}

TEST(Fonts, BoldMsSansSerifDrawsBolderThanRegular) {
    for (const int height : {-11, -16}) {
        const int regular = ink_of(FontSpec{"MS Sans Serif", height, DEFAULT_CHARSET, false});
        const int bold = ink_of(FontSpec{"MS Sans Serif", height, DEFAULT_CHARSET, true});
        EXPECT_GT(regular, 0);
        EXPECT_GT(bold * 4, regular * 5) << "height " << height;
    }
}

}  // namespace
}  // namespace tolsy
