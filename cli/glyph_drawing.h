#pragma once
// Frames drawn from the Tolsy font's own glyph outlines, read with FreeType: as SVG paths (no
// font needed to view them) and as a picture from FreeType's rasteriser. Glyphs stand one after
// the other at the advances the font gives, with no kerning, as the window draws the line, so
// the box glyphs of the frame abut.
#include <memory>
#include <string>
#include <string_view>

#include "picture/image.h"

namespace tolsy {

class TolsyFace {
  public:
    // Throws BadInputError when the file cannot be read as a font.
    explicit TolsyFace(const std::string& path);
    ~TolsyFace();
    TolsyFace(const TolsyFace&) = delete;
    TolsyFace& operator=(const TolsyFace&) = delete;

    // An SVG document `height` pixels high: one <path> per byte of the frame, in font units
    // under a viewBox, black on white. The frame must not be empty.
    std::string frame_svg(std::string_view frame, int height) const;
    // The frame rendered `height` pixels high, black ink on white, as wide as its advances.
    Image frame_image(std::string_view frame, int height) const;

  private:
    struct Library;
    std::unique_ptr<Library> ft_;
};

}  // namespace tolsy
