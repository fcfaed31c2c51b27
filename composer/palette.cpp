#include "composer/palette.h"

#include <algorithm>

namespace tolsy {
namespace {

constexpr unsigned char kLastTrimmedByte = 0x20;

bool is_trimmed(char c) {
    return static_cast<unsigned char>(c) <= kLastTrimmedByte;
}

}  // namespace

int palette_label_glyph(std::string_view label_bytes) {
    const auto first = std::find_if_not(label_bytes.begin(), label_bytes.end(), is_trimmed);
    // Trimming the end cannot remove the first kept byte, so it alone decides.
    if (first == label_bytes.end()) return -1;
    return static_cast<unsigned char>(*first);
}

LineEdit insert_palette_glyph(std::string_view line, std::size_t caret,
                              std::string_view label_bytes) {
    const std::size_t at = std::min(caret, line.size());
    const int glyph = palette_label_glyph(label_bytes);
    if (glyph < 0) return {std::string(line), at};
    std::string text(line);
    text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), static_cast<char>(glyph));
    return {std::move(text), at + 1};
}

}  // namespace tolsy
