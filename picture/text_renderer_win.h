#pragma once
// The text renderer on Windows: GDI draws the text into a DIB section holding the canvas
// pixels under the text rectangle, which then go back into the canvas. The DIB section is the
// renderer's own, made once and grown when a text needs more room.
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
    ~GdiTextRenderer() override;

    Size measure(std::string_view text, const PaintFont& font) override;
    void draw(Canvas& canvas, std::string_view text, const PaintFont& font, std::uint32_t colour,
              const Rect& rect, TextPlacement placement) override;
    // GDI draws the text into a copy of the pixels under the rectangle; where it smooths the
    // edges the pixels depend on what lies under them, which the keeper of a copy checks.
    std::uint64_t repeatable_id() const override { return id_; }

  private:
    // Fonts are created once per description and kept for the renderer's life.
    HFONT font_for(const PaintFont& font);
    // Selects a scratch bitmap of at least this size into the device context; its rows are
    // scratch_width_ pixels apart.
    std::uint32_t* scratch_for(int width, int height);

    UniqueMemoryDc dc_;
    UniqueBitmap scratch_;
    HGDIOBJ first_bitmap_ = nullptr;  // the device context's own, put back before it goes
    std::uint32_t* scratch_bits_ = nullptr;
    int scratch_width_ = 0;
    int scratch_height_ = 0;
    int pixels_per_inch_ = 96;
    std::vector<std::pair<PaintFont, UniqueFont>> fonts_;
    std::uint64_t id_ = new_repeatable_id();
};

}  // namespace tolsy
