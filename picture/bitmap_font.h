#pragma once
// A small text renderer with a built-in 5 x 7 pixel font (two rows for descenders), for host
// tools and tests that have no platform fonts. Every face looks the same; sizes of 14 points
// and more draw the cells at double or triple scale.
#include "picture/text_renderer.h"

namespace tolsy {

class BitmapFontRenderer : public TextRenderer {
  public:
    // One blank row above and below the nine glyph rows.
    static constexpr int kLineHeight = 11;

    Size measure(std::string_view text, const PaintFont& font) override;
    void draw(Canvas& canvas, std::string_view text, const PaintFont& font, std::uint32_t colour,
              const Rect& rect, TextPlacement placement) override;
    std::uint64_t repeatable_id() const override { return id_; }

    static int scale(const PaintFont& font);
    // Pixels from one character to the next.
    static int advance(const PaintFont& font);

  private:
    std::uint64_t id_ = new_repeatable_id();
};

}  // namespace tolsy
