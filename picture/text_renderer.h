#pragma once
// The narrow interface through which skin painting measures and draws text: GDI on Windows,
// a small built-in bitmap font in host tools, fakes in tests.
#include <cstdint>
#include <string>
#include <string_view>

#include "picture/canvas.h"
#include "picture/geometry.h"

namespace tolsy {

// A font as painting asks for it; the colour travels separately (grey text, shadows).
struct PaintFont {
    std::string face = "Tahoma";
    int size = 8;  // points
    std::uint8_t charset = 1;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;
    bool operator==(const PaintFont&) const = default;
};

enum class HAlign { kLeft, kCenter, kRight };
enum class VAlign { kTop, kCenter, kBottom };

struct TextPlacement {
    HAlign horizontal = HAlign::kLeft;
    VAlign vertical = VAlign::kTop;
    bool operator==(const TextPlacement&) const = default;
};

class TextRenderer {
  public:
    virtual ~TextRenderer() = default;
    // Width and height of the text as one line in the font.
    virtual Size measure(std::string_view text, const PaintFont& font) = 0;
    // Draws the text as one line inside rect, placed as asked and clipped to rect. Characters
    // are 8-bit and shown as they are (no prefix processing). colour is 0xAARRGGBB, opaque.
    virtual void draw(Canvas& canvas, std::string_view text, const PaintFont& font,
                      std::uint32_t colour, const Rect& rect, TextPlacement placement) = 0;

    // Non-zero when drawing the same text in the same font, colour and placement into a
    // rectangle of the same size always gives the same pixels, relative to the rectangle and
    // over the same background: then what it drew may be kept and copied instead. No two
    // renderers of a run share the number. Zero (the default): every drawing must be made.
    virtual std::uint64_t repeatable_id() const { return 0; }

  protected:
    // A number no renderer of this run had before.
    static std::uint64_t new_repeatable_id();
};

// Where a text of the given size starts inside rect (halves truncate toward zero).
Point place_text(Size text, const Rect& rect, TextPlacement placement);

inline constexpr std::string_view kEllipsis = "...";

// The text itself when it fits the width, else its longest head followed by "..." that fits,
// else "..." alone (or nothing when even that does not fit).
std::string shorten_with_ellipsis(TextRenderer& renderer, std::string_view text,
                                  const PaintFont& font, int width);

}  // namespace tolsy
