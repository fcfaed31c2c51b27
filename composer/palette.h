#pragma once
// The rule by which a click on a palette button inserts the button's glyph into the display
// line. The buttons themselves (places, labels, tool-tips) come from the main window's
// description.
#include <cstddef>
#include <string>
#include <string_view>

namespace tolsy {

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
