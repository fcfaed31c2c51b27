#pragma once
// A page of the page control composed once and copied: its background (the inside of the page
// frame) with its palette buttons over it. Painting the page again with the same buttons in the
// same states, from the same look, is one copy; when some buttons change (one turns hot, one is
// pressed) only their rectangles are composed again.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "picture/canvas.h"
#include "picture/image.h"
#include "picture/text_renderer.h"
#include "skin/controls/control_paint.h"
#include "skin/themes/skin_file.h"

namespace tolsy {

// One palette button of a page: where it lies (in the page's coordinates, like the page's own
// rectangle) and how it looks.
struct PageButton {
    Rect rect;
    SpeedButtonLook look;
    bool operator==(const PageButton&) const = default;
};

class PagePicture {
  public:
    // Paints the page's rectangle `page` of the canvas as filling it with `background`, then
    // paint_page_frame around the page and paint_speed_button for each button in turn would;
    // nothing outside `page`. False, with nothing drawn, when the theme has no page frame or
    // no palette buttons and there are buttons.
    bool paint(TTeSkinFile& theme, Canvas& canvas, const Rect& page,
               const std::vector<PageButton>& buttons, TextRenderer& text, std::uint32_t background,
               std::string_view theme_object = kDefaultThemeObject);

    // Pages composed whole, and button rectangles composed again, so far.
    int pages_composed() const { return pages_; }
    int buttons_composed() const { return buttons_composed_; }
    // Forgets what the picture shows: the next paint composes the page whole.
    void clear() { theme_ = nullptr; }

  private:
    // Composes the part `area` (in the picture's coordinates) afresh.
    bool compose(TTeSkinFile& theme, const Rect& area, TextRenderer& text);

    Image picture_;
    // What the picture shows (nothing without a theme); the buttons relative to the page's
    // top-left corner.
    const TTeSkinFile* theme_ = nullptr;
    std::uint64_t look_ = 0;
    std::uint64_t renderer_ = 0;
    std::uint32_t background_ = 0;
    std::string theme_object_;
    std::vector<PageButton> buttons_;
    int pages_ = 0;
    int buttons_composed_ = 0;
};

}  // namespace tolsy
