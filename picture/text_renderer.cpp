#include "picture/text_renderer.h"

#include <atomic>

namespace tolsy {

std::uint64_t TextRenderer::new_repeatable_id() {
    static std::atomic<std::uint64_t> last{0};
    return ++last;
}

Point place_text(Size text, const Rect& rect, TextPlacement placement) {
    Point at{rect.left, rect.top};
    switch (placement.horizontal) {
        case HAlign::kLeft:
            break;
        case HAlign::kCenter:
            at.x += (rect.width() - text.width) / 2;
            break;
        case HAlign::kRight:
            at.x = rect.right - text.width;
            break;
    }
    switch (placement.vertical) {
        case VAlign::kTop:
            break;
        case VAlign::kCenter:
            at.y += (rect.height() - text.height) / 2;
            break;
        case VAlign::kBottom:
            at.y = rect.bottom - text.height;
            break;
    }
    return at;
}

std::string shorten_with_ellipsis(TextRenderer& renderer, std::string_view text,
                                  const PaintFont& font, int width) {
    if (renderer.measure(text, font).width <= width) return std::string(text);
    // Widths grow with the head's length, so the longest fitting head is found by halving.
    std::size_t low = 0;
    std::size_t high = text.size();
    while (low < high) {
        const std::size_t mid = (low + high + 1) / 2;
        std::string candidate(text.substr(0, mid));
        candidate += kEllipsis;
        if (renderer.measure(candidate, font).width <= width) {
            low = mid;
        } else {
            high = mid - 1;
        }
    }
    std::string result(text.substr(0, low));
    result += kEllipsis;
    if (low == 0 && renderer.measure(result, font).width > width) return {};
    return result;
}

}  // namespace tolsy
