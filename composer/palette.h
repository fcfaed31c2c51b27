#pragma once
// The two symbol palettes and the rule by which a palette click inserts its glyph into the
// display line.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace tolsy {

enum class PalettePage { kSymbols, kSymbols2 };

// One palette button as the main window places it.
struct PaletteButton {
    int number;  // TeSpeedButton<number>
    PalettePage page;
    int left;
    int top;
    int width;
    int height;
    int font_height;            // LOGFONT height of the button's Tolsy label
    std::u16string_view label;  // what the button shows; its Windows-1252 code is the glyph
};

inline constexpr int kPaletteButtonWidth = 23;
inline constexpr int kPaletteButtonHeight = 22;
inline constexpr int kPaletteFontHeight = -13;
inline constexpr std::size_t kPaletteButtonCount = 103;

// All 103 buttons, "Symbols" page first, each page in rows from top to bottom.
std::span<const PaletteButton> palette_buttons();

// The glyph a button with this label (already in 8-bit codes) inserts: the first byte left
// after trimming 0x00..0x20 from both ends; -1 when nothing is left.
int palette_label_glyph(std::string_view label_bytes);

struct LineEdit {
    std::string text;
    std::size_t caret;
};

// A palette click on a line whose caret (or selection start) is at `caret`: the glyph goes in
// front of that position, a selection stays, and the caret ends just after the glyph. A caret
// past the end counts as the end. An empty label leaves the line as it is.
LineEdit insert_palette_glyph(std::string_view line, std::size_t caret,
                              std::string_view label_bytes);

}  // namespace tolsy
