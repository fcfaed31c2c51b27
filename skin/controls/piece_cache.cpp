#include "skin/controls/piece_cache.h"

#include <algorithm>
#include <cstring>

namespace tolsy {

namespace {

// Enough for every piece of both windows in all their states; past it the oldest half goes.
constexpr std::size_t kMostEntries = 96;
// Larger pieces are painted each time: nothing on our windows comes near.
constexpr std::int64_t kMostPixels = 1 << 20;
// Pixels kept at most by one cache (4 MB); past it the oldest half goes.
constexpr std::int64_t kMostKeptPixels = 1 << 20;
constexpr std::uint32_t kKeyBackground = 0xFF000000u | kKeyColorRgb;
constexpr std::uint32_t kBlackBackground = 0xFF000000u;
// Texts kept at most, and pixels of their runs: our windows show some 120 labels.
constexpr std::size_t kMostRuns = 1024;
constexpr std::size_t kMostRunPixels = std::size_t{1} << 18;

// A piece painted over two backgrounds: a pixel that comes out the same in both was painted
// opaque, one that shows each background was left alone; anything else was blended.
struct Taken {
    PieceKind kind;
    Image over_key;
};

Taken take_picture(Size size, const std::function<void(Canvas&, const Rect&)>& paint) {
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
    const PieceKind kind = blended      ? PieceKind::kPaintEachTime
                           : !painted   ? PieceKind::kNothing
                           : left_alone ? PieceKind::kKeyed
                                        : PieceKind::kOpaque;
    return {kind, std::move(over_key)};
}

// The runs of painted pixels of a picture taken over the key background.
std::vector<PieceSpan> painted_spans(const Image& over_key) {
    std::vector<PieceSpan> spans;
    for (int y = 0; y < over_key.height(); ++y) {
        const std::uint32_t* row = over_key.row(y);
        for (int x = 0; x < over_key.width();) {
            if (row[x] == kKeyBackground) {
                ++x;
                continue;
            }
            const int left = x;
            while (x < over_key.width() && row[x] != kKeyBackground) ++x;
            spans.push_back({y, left, x});
        }
    }
    return spans;
}

// Copies n pixels of a run. A frame's sides and a label's strokes are runs of a pixel or a few:
// a call costs more than copying them.
void copy_run(const std::uint32_t* from, std::uint32_t* to, int n) {
    if (n <= 8) {
        for (; n > 0; --n) *to++ = *from++;
    } else {
        std::memcpy(to, from, static_cast<std::size_t>(n) * sizeof *to);
    }
}

}  // namespace

void PieceCache::forget_oldest_half() {
    const auto half = static_cast<std::ptrdiff_t>((entries_.size() + 1) / 2);
    entries_.erase(entries_.begin(), entries_.begin() + half);
    recount();
}

void PieceCache::recount() {
    pixels_kept_ = 0;
    for (const Entry& e : entries_)
        pixels_kept_ += std::int64_t{e.picture.width()} * e.picture.height();
}

const PieceCache::Entry* PieceCache::entry_for(const TTeSkinFile& theme, const void* piece,
                                               int variant, std::string_view detail, Size size,
                                               const Paint& paint) {
    const std::uint64_t look = theme.look_generation();
    const auto same = [&](const Entry& e) {
        return e.look == look && e.piece == piece && e.variant == variant &&
               e.size.width == size.width && e.size.height == size.height && e.detail == detail;
    };
    // A page of palette buttons asks for the same piece many times in a row.
    if (last_ < entries_.size() && same(entries_[last_]) && entries_[last_].kind != Kind::kNotTaken)
        return &entries_[last_];
    const auto found = std::find_if(entries_.begin(), entries_.end(), same);
    const bool second_use = found != entries_.end();
    if (second_use) {
        last_ = static_cast<std::size_t>(found - entries_.begin());
        if (found->kind != Kind::kNotTaken) return &*found;
        // Its picture is taken now, as a new entry.
        entries_.erase(found);
    }
    // Pictures of older looks are never asked for again.
    if (std::erase_if(entries_, [&](const Entry& e) { return e.look != look; }) > 0) recount();
    const std::int64_t pixels = second_use ? std::int64_t{size.width} * size.height : 0;
    while (!entries_.empty() &&
           (entries_.size() >= kMostEntries || pixels_kept_ + pixels > kMostKeptPixels))
        forget_oldest_half();
    if (!second_use) {
        entries_.push_back(
            {look, piece, variant, std::string(detail), size, Kind::kNotTaken, {}, {}});
        last_ = entries_.size() - 1;
        return nullptr;
    }
    Taken taken = take_picture(size, paint);
    ++made_;
    std::vector<Span> spans;
    if (taken.kind == Kind::kKeyed) spans = painted_spans(taken.over_key);
    const bool keep = taken.kind == Kind::kOpaque || taken.kind == Kind::kKeyed;
    if (keep) pixels_kept_ += pixels;
    entries_.push_back({look, piece, variant, std::string(detail), size, taken.kind,
                        keep ? std::move(taken.over_key) : Image{}, std::move(spans)});
    last_ = entries_.size() - 1;
    return &entries_.back();
}

bool PieceCache::opaque(const TTeSkinFile& theme, const void* piece, int variant, Size size) const {
    const std::uint64_t look = theme.look_generation();
    return std::any_of(entries_.begin(), entries_.end(), [&](const Entry& e) {
        return e.look == look && e.piece == piece && e.variant == variant && e.size == size &&
               e.detail.empty() && e.kind == Kind::kOpaque;
    });
}

void PieceCache::draw(const TTeSkinFile& theme, const void* piece, int variant, Canvas& canvas,
                      const Rect& rect, const Paint& paint) {
    draw(theme, piece, variant, {}, canvas, rect, paint);
}

void PieceCache::draw(const TTeSkinFile& theme, const void* piece, int variant,
                      std::string_view detail, Canvas& canvas, const Rect& rect,
                      const Paint& paint) {
    if (rect.empty()) return;
    if (std::int64_t{rect.width()} * rect.height() > kMostPixels) {
        paint(canvas, rect);
        return;
    }
    const Entry* found =
        entry_for(theme, piece, variant, detail, {rect.width(), rect.height()}, paint);
    if (found == nullptr || found->kind == Kind::kPaintEachTime) {
        paint(canvas, rect);
        return;
    }
    const Entry& entry = *found;
    if (entry.kind == Kind::kNothing) return;
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
        copy_run(entry.picture.row(span.y) + (left - at.left), image.row(y) + left, right - left);
    }
}

PieceCache& piece_cache() {
    static PieceCache cache;
    return cache;
}

PieceCache& face_cache() {
    static PieceCache cache;
    return cache;
}

std::size_t TextRunCache::KeyHash::operator()(const Key& key) const {
    std::size_t h = std::hash<std::string_view>{}(key.text);
    const auto mix = [&](std::size_t v) { h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2); };
    mix(std::hash<std::string_view>{}(key.font.face));
    mix(static_cast<std::size_t>(key.renderer));
    mix(static_cast<std::size_t>(key.font.size) << 16 | std::size_t{key.font.charset} << 8 |
        std::size_t{key.font.bold} | std::size_t{key.font.italic} << 1 |
        std::size_t{key.font.underline} << 2 | std::size_t{key.font.strikeout} << 3);
    mix(key.colour);
    mix(static_cast<std::size_t>(key.size.width) << 20 ^ static_cast<std::size_t>(key.size.height));
    mix(static_cast<std::size_t>(key.placement.horizontal) << 4 |
        static_cast<std::size_t>(key.placement.vertical));
    return h;
}

void TextRunCache::clear() {
    runs_.clear();
    pixels_kept_ = 0;
}

const TextRunCache::Run* TextRunCache::run_for(TextRenderer& renderer, Key&& key) {
    const auto found = runs_.find(key);
    if (found == runs_.end()) {
        if (runs_.size() >= kMostRuns) clear();
        runs_.emplace(std::move(key), Run{PieceKind::kNotTaken, {}, {}});
        return nullptr;
    }
    if (found->second.kind != PieceKind::kNotTaken) return &found->second;
    // The second drawing: its picture is taken now.
    runs_.erase(found);
    const Key& k = key;
    Taken taken = take_picture(key.size, [&](Canvas& on, const Rect& at) {
        renderer.draw(on, k.text, k.font, k.colour, at, k.placement);
    });
    ++made_;
    Run run{taken.kind, {}, {}};
    if (taken.kind == PieceKind::kOpaque || taken.kind == PieceKind::kKeyed) {
        run.spans = painted_spans(taken.over_key);
        for (const PieceSpan& span : run.spans)
            run.pixels.insert(run.pixels.end(), taken.over_key.row(span.y) + span.left,
                              taken.over_key.row(span.y) + span.right);
        run.kind = PieceKind::kKeyed;
    }
    if (runs_.size() >= kMostRuns || pixels_kept_ + run.pixels.size() > kMostRunPixels) clear();
    pixels_kept_ += run.pixels.size();
    return &runs_.emplace(std::move(key), std::move(run)).first->second;
}

void TextRunCache::draw(TextRenderer& renderer, Canvas& canvas, std::string_view text,
                        const PaintFont& font, std::uint32_t colour, const Rect& rect,
                        TextPlacement placement) {
    const std::uint64_t id = renderer.repeatable_id();
    if (id == 0 || rect.empty() || std::int64_t{rect.width()} * rect.height() > kMostPixels) {
        renderer.draw(canvas, text, font, colour, rect, placement);
        return;
    }
    const Rect at = canvas.to_device(rect);
    const Rect visible = at.intersect(canvas.device_clip());
    if (visible.empty()) return;
    const Run* found =
        run_for(renderer,
                Key{id, std::string(text), font, colour, {rect.width(), rect.height()}, placement});
    if (found == nullptr || found->kind == PieceKind::kPaintEachTime) {
        renderer.draw(canvas, text, font, colour, rect, placement);
        return;
    }
    const Run& run = *found;
    if (run.kind == PieceKind::kNothing) return;
    ++copies_;
    Image& image = canvas.image();
    const std::uint32_t* from = run.pixels.data();
    for (const PieceSpan& span : run.spans) {
        const std::uint32_t* next = from + (span.right - span.left);
        const int y = at.top + span.y;
        const int left = std::max(at.left + span.left, visible.left);
        const int right = std::min(at.left + span.right, visible.right);
        if (y >= visible.top && y < visible.bottom && left < right) {
            copy_run(from + (left - at.left - span.left), image.row(y) + left, right - left);
        }
        from = next;
    }
}

TextRunCache& text_run_cache() {
    static TextRunCache cache;
    return cache;
}

}  // namespace tolsy
