#include "skin/controls/piece_cache.h"

#include <algorithm>

namespace tolsy {

namespace {

// Enough for every piece of both windows in all their states; past it the oldest half goes.
constexpr std::size_t kMostEntries = 96;
// Larger pieces are painted each time: nothing on our windows comes near.
constexpr std::int64_t kMostPixels = 1 << 20;
constexpr std::uint32_t kKeyBackground = 0xFF000000u | kKeyColorRgb;
constexpr std::uint32_t kBlackBackground = 0xFF000000u;

}  // namespace

PieceCache::Entry& PieceCache::entry_for(const TTeSkinFile& theme, const void* piece, int variant,
                                         Size size, const Paint& paint) {
    const std::uint64_t look = theme.look_generation();
    const auto same = [&](const Entry& e) {
        return e.look == look && e.piece == piece && e.variant == variant &&
               e.size.width == size.width && e.size.height == size.height;
    };
    const auto found = std::find_if(entries_.begin(), entries_.end(), same);
    if (found != entries_.end()) return *found;
    // Pictures of older looks are never asked for again.
    std::erase_if(entries_, [&](const Entry& e) { return e.look != look; });
    if (entries_.size() >= kMostEntries)
        entries_.erase(entries_.begin(),
                       entries_.begin() + static_cast<std::ptrdiff_t>(kMostEntries / 2));
    // Painted over two backgrounds: a pixel that comes out the same in both was painted
    // opaque, one that shows each background was left alone; anything else was blended.
    Image over_key(size.width, size.height, kKeyBackground);
    Image over_black(size.width, size.height, kBlackBackground);
    const Rect at{0, 0, size.width, size.height};
    {
        Canvas canvas(over_key);
        paint(canvas, at);
    }
    {
        Canvas canvas(over_black);
        paint(canvas, at);
    }
    bool painted = false;
    bool left_alone = false;
    bool blended = false;
    for (int y = 0; y < size.height && !blended; ++y) {
        const std::uint32_t* a = over_key.row(y);
        const std::uint32_t* b = over_black.row(y);
        for (int x = 0; x < size.width; ++x) {
            if (a[x] == b[x] && !is_key_pixel(a[x])) {
                painted = true;
            } else if (a[x] == kKeyBackground && b[x] == kBlackBackground) {
                left_alone = true;
            } else {
                // Blended, or a painted pixel of the key colour, which a copy would leave out.
                blended = true;
                break;
            }
        }
    }
    const Kind kind = blended      ? Kind::kPaintEachTime
                      : !painted   ? Kind::kNothing
                      : left_alone ? Kind::kKeyed
                                   : Kind::kOpaque;
    ++made_;
    std::vector<Span> spans;
    if (kind == Kind::kKeyed) {
        for (int y = 0; y < size.height; ++y) {
            const std::uint32_t* row = over_key.row(y);
            for (int x = 0; x < size.width;) {
                if (row[x] == kKeyBackground) {
                    ++x;
                    continue;
                }
                const int left = x;
                while (x < size.width && row[x] != kKeyBackground) ++x;
                spans.push_back({y, left, x});
            }
        }
    }
    const bool keep = kind == Kind::kOpaque || kind == Kind::kKeyed;
    entries_.push_back(
        {look, piece, variant, size, kind, keep ? std::move(over_key) : Image{}, std::move(spans)});
    return entries_.back();
}

void PieceCache::draw(const TTeSkinFile& theme, const void* piece, int variant, Canvas& canvas,
                      const Rect& rect, const Paint& paint) {
    if (rect.empty()) return;
    if (std::int64_t{rect.width()} * rect.height() > kMostPixels) {
        paint(canvas, rect);
        return;
    }
    const Entry& entry = entry_for(theme, piece, variant, {rect.width(), rect.height()}, paint);
    if (entry.kind == Kind::kNothing) return;
    if (entry.kind == Kind::kPaintEachTime) {
        paint(canvas, rect);
        return;
    }
    ++copies_;
    if (entry.kind == Kind::kOpaque) {
        canvas.draw_image(entry.picture, {0, 0, rect.width(), rect.height()}, rect,
                          DrawMode::kCopy);
    } else {
        copy_spans(entry, canvas, rect);
    }
}

void PieceCache::copy_spans(const Entry& entry, Canvas& canvas, const Rect& rect) {
    const Rect at = canvas.to_device(rect);
    const Rect visible = at.intersect(canvas.device_clip());
    if (visible.empty()) return;
    Image& image = canvas.image();
    for (const Span& span : entry.spans) {
        const int y = at.top + span.y;
        if (y < visible.top || y >= visible.bottom) continue;
        const int left = std::max(at.left + span.left, visible.left);
        const int right = std::min(at.left + span.right, visible.right);
        if (right <= left) continue;
        std::copy(entry.picture.row(span.y) + (left - at.left),
                  entry.picture.row(span.y) + (right - at.left), image.row(y) + left);
    }
}

PieceCache& piece_cache() {
    static PieceCache cache;
    return cache;
}

}  // namespace tolsy
