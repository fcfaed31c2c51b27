#pragma once
// Pictures of theme pieces kept between paints. A page frame, a list's face or a push button's
// face looks the same every time it is painted at the same size, in the same state, from the
// same look of the theme; painting it means laying out and drawing a dozen stretched pieces,
// copying it once is a few row copies. The cache keeps a piece's picture when a copy of it is
// exactly what painting it would give: every pixel either painted opaque or left alone (then
// the copy leaves it alone too); a piece that blends is painted every time.
#include <cstdint>
#include <functional>
#include <vector>

#include "picture/canvas.h"
#include "picture/image.h"
#include "skin/themes/skin_file.h"

namespace tolsy {

class PieceCache {
  public:
    // Paints the piece at `rect` as if paint(canvas, rect) were called; `paint` must draw
    // the same at any position (no text that depends on anything but the key below).
    using Paint = std::function<void(Canvas&, const Rect&)>;
    // `piece` and `variant` tell the pieces of one look apart (an object and the state and
    // options it is painted in). A piece of a new look of the theme is painted afresh.
    void draw(const TTeSkinFile& theme, const void* piece, int variant, Canvas& canvas,
              const Rect& rect, const Paint& paint);

    // Pictures made so far (each costs two paints) and copies drawn from them.
    int pictures_made() const { return made_; }
    int copies_drawn() const { return copies_; }
    void clear() { entries_.clear(); }

  private:
    enum class Kind { kNothing, kOpaque, kKeyed, kPaintEachTime };
    // A run of painted pixels in one row of a keyed picture: a group box's frame is mostly
    // see-through, and only its runs are copied.
    struct Span {
        int y;
        int left;
        int right;
    };
    struct Entry {
        std::uint64_t look;
        const void* piece;
        int variant;
        Size size;
        Kind kind;
        Image picture;
        std::vector<Span> spans;
    };
    static void copy_spans(const Entry& entry, Canvas& canvas, const Rect& rect);
    Entry& entry_for(const TTeSkinFile& theme, const void* piece, int variant, Size size,
                     const Paint& paint);

    std::vector<Entry> entries_;
    int made_ = 0;
    int copies_ = 0;
};

// The cache all skinned controls paint through.
PieceCache& piece_cache();

}  // namespace tolsy
