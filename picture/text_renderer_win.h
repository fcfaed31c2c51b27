#pragma once
// The text renderer on Windows: GDI draws the text into a DIB section holding the canvas
// pixels under the text rectangle, which then go back into the canvas.
#include <windows.h>

#include <utility>
#include <vector>

#include "base/handles_win.h"
#include "picture/text_renderer.h"

namespace tolsy {

class GdiTextRenderer : public TextRenderer {
  public:
    GdiTextRenderer();
    GdiTextRenderer(const GdiTextRenderer&) = delete;
    GdiTextRenderer& operator=(const GdiTextRenderer&) = delete;

    Size measure(std::string_view text, const PaintFont& font) override;
    void draw(Canvas& canvas, std::string_view text, const PaintFont& font, std::uint32_t colour,
              const Rect& rect, TextPlacement placement) override;
    // GDI draws the text into a copy of the pixels under the rectangle; where it smooths the
    // edges the pixels depend on what lies under them, which the keeper of a copy checks.
    std::uint64_t repeatable_id() const override { return id_; }

  private:
    // Fonts are created once per description and kept for the renderer's life.
    HFONT font_for(const PaintFont& font);

    UniqueMemoryDc dc_;
    int pixels_per_inch_ = 96;
    std::vector<std::pair<PaintFont, UniqueFont>> fonts_;
    std::uint64_t id_ = new_repeatable_id();
};

}  // namespace tolsy
