#include "skin/controls/page_picture.h"

#include <utility>

namespace tolsy {

namespace {

// Where a button may paint: a pressed button's label moves a pixel right and down.
Rect reach(const Rect& button) {
    return {button.left, button.top, sat_add(button.right, 1), sat_add(button.bottom, 1)};
}

}  // namespace

bool PagePicture::compose(TTeSkinFile& theme, const Rect& area, TextRenderer& text) {
    if (area.empty()) return true;
    ++buttons_composed_;
    Canvas canvas(picture_);
    canvas.set_clip(area);
    const Rect whole{0, 0, picture_.width(), picture_.height()};
    const Rect frame = page_frame_around(theme, whole, theme_object_);
    // The background shows only where the frame does not cover the page.
    if (!page_frame_opaque(theme, {frame.width(), frame.height()}, theme_object_) ||
        frame.intersect(whole) != whole)
        canvas.fill_rect(area, background_);
    if (!paint_page_frame(theme, canvas, frame, text, theme_object_)) return false;
    for (const PageButton& button : buttons_) {
        if (!reach(button.rect).meets(area)) continue;
        if (!paint_speed_button(theme, canvas, button.rect, button.look, text)) return false;
    }
    return true;
}

bool PagePicture::paint(TTeSkinFile& theme, Canvas& canvas, const Rect& page,
                        const std::vector<PageButton>& buttons, TextRenderer& text,
                        std::uint32_t background, std::string_view theme_object) {
    if (page.empty()) return true;
    std::vector<PageButton> wanted = buttons;
    for (PageButton& button : wanted) button.rect = button.rect.offset(-page.left, -page.top);
    const std::uint64_t renderer = text.repeatable_id();
    const std::uint64_t look = theme.look_generation();
    const bool same_page = renderer != 0 && theme_ == &theme && look_ == look &&
                           renderer_ == renderer && background_ == background &&
                           theme_object_ == theme_object && picture_.width() == page.width() &&
                           picture_.height() == page.height() && buttons_.size() == wanted.size();
    const Rect whole{0, 0, page.width(), page.height()};
    bool composed = true;
    if (!same_page) {
        // The picture's memory is kept for the next page of its size.
        if (picture_.width() != page.width() || picture_.height() != page.height())
            picture_ = Image::uninitialized(page.width(), page.height());
        theme_ = &theme;
        look_ = look;
        renderer_ = renderer;
        background_ = background;
        theme_object_ = theme_object;
        buttons_ = std::move(wanted);
        ++pages_;
        composed = compose(theme, whole, text);
    } else {
        // Each button that changed is composed again where it was and where it is, with
        // everything else that lies there.
        std::vector<Rect> changed;
        for (std::size_t i = 0; i < wanted.size(); ++i) {
            if (wanted[i] == buttons_[i]) continue;
            changed.push_back(reach(buttons_[i].rect));
            if (wanted[i].rect != buttons_[i].rect) changed.push_back(reach(wanted[i].rect));
        }
        if (!changed.empty()) buttons_ = std::move(wanted);
        for (const Rect& area : changed) {
            composed = compose(theme, area.intersect(whole), text);
            if (!composed) break;
        }
    }
    if (!composed) {
        theme_ = nullptr;
        return false;
    }
    canvas.draw_image(picture_, whole, page, DrawMode::kCopy);
    // A renderer whose drawings may differ from one time to the next is asked every time.
    if (renderer == 0) theme_ = nullptr;
    return true;
}

}  // namespace tolsy
