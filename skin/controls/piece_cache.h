#pragma once
// Pictures of theme pieces kept between paints. A page frame, a list's face or a push button's
// face looks the same every time it is painted at the same size, in the same state, from the
// same look of the theme; painting it means laying out and drawing a dozen stretched pieces,
// copying it once is a few row copies. The cache keeps a piece's picture when a copy of it is
// exactly what painting it would give: every pixel either painted opaque or left alone (then
// the copy leaves it alone too); a piece that blends is painted every time. Learning that takes
// two paints, so a piece is painted straight onto its canvas the first time it is asked for and
// its picture is taken the second time: a window's first paint paints each piece once, and a
// piece asked for only once (a passing text) is never taken.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "picture/canvas.h"
#include "picture/image.h"
#include "picture/text_renderer.h"
#include "skin/themes/skin_file.h"

namespace tolsy {

// What painting a piece does to the pixels under it, found by painting it over two backgrounds;
// kNotTaken for a piece painted once so far, whose picture is not taken yet.
enum class PieceKind { kNothing, kOpaque, kKeyed, kPaintEachTime, kNotTaken };

// A run of painted pixels in one row of a keyed picture: a group box's frame or a text is
// mostly see-through, and only its runs are copied.
struct PieceSpan {
    int y;
    int left;
    int right;
};

class PieceCache {
  public:
    // Paints the piece at `rect` as if paint(canvas, rect) were called; `paint` must draw
    // the same at any position (no text that depends on anything but the key below).
    using Paint = std::function<void(Canvas&, const Rect&)>;
    // `piece` and `variant` tell the pieces of one look apart (an object and the state and
    // options it is painted in). A piece of a new look of the theme is painted afresh.
    void draw(const TTeSkinFile& theme, const void* piece, int variant, Canvas& canvas,
              const Rect& rect, const Paint& paint);
    // The same for a piece whose pixels depend on more than its object and state (a control's
    // whole face with its text): `detail` holds the rest, bytes compared whole.
    void draw(const TTeSkinFile& theme, const void* piece, int variant, std::string_view detail,
              Canvas& canvas, const Rect& rect, const Paint& paint);

    // Whether the piece at that size is known to paint every pixel opaque: its picture is kept
    // and has no see-through pixel. False when it was not painted yet.
    bool opaque(const TTeSkinFile& theme, const void* piece, int variant, Size size) const;

    // Pictures made so far (each costs two paints, at a piece's second use) and copies drawn
    // from them.
    int pictures_made() const { return made_; }
    int copies_drawn() const { return copies_; }
    // Pixels of the pictures kept, held to a bound.
    std::int64_t pixels_kept() const { return pixels_kept_; }
    void clear() {
        entries_.clear();
        pixels_kept_ = 0;
    }

  private:
    using Kind = PieceKind;
    using Span = PieceSpan;
    struct Entry {
        std::uint64_t look;
        const void* piece;
        int variant;
        std::string detail;
        Size size;
        Kind kind;
        Image picture;
        std::vector<Span> spans;
    };
    static void copy_spans(const Entry& entry, Canvas& canvas, const Rect& rect);
    // The piece's entry with its picture taken; none at the piece's first use, which the caller
    // paints straight onto its canvas.
    const Entry* entry_for(const TTeSkinFile& theme, const void* piece, int variant,
                           std::string_view detail, Size size, const Paint& paint);
    void forget_oldest_half();
    void recount();

    std::vector<Entry> entries_;
    std::int64_t pixels_kept_ = 0;
    std::size_t last_ = 0;  // the entry found last
    int made_ = 0;
    int copies_ = 0;
};

// The cache all skinned controls paint their theme pieces through.
PieceCache& piece_cache();
// The controls' whole faces (a list with its chosen item, a group box with its caption, a push
// button with its caption), kept apart from the pieces they are made of, so that faces of
// passing texts (the display line's) never push the pieces out.
PieceCache& face_cache();

// Texts kept between paints, like the pieces: a palette of a hundred buttons draws the same
// short labels at every paint, and a copy of a label's painted runs is a few row copies where
// drawing it is laying out glyphs (or, with GDI, a trip through a device context). A text is
// kept per renderer, text, font, colour, placement and size of its rectangle, when the
// renderer says its drawings repeat and a copy is exactly what drawing gives (no smoothed
// edges); otherwise it is drawn each time.
class TextRunCache {
  public:
    // Draws as renderer.draw(canvas, text, font, colour, rect, placement) does.
    void draw(TextRenderer& renderer, Canvas& canvas, std::string_view text, const PaintFont& font,
              std::uint32_t colour, const Rect& rect, TextPlacement placement);

    int pictures_made() const { return made_; }
    int copies_drawn() const { return copies_; }
    std::size_t size() const { return runs_.size(); }
    void clear();

  private:
    struct Key {
        std::uint64_t renderer;
        std::string text;
        PaintFont font;
        std::uint32_t colour;
        Size size;
        TextPlacement placement;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    struct Run {
        PieceKind kind;
        std::vector<PieceSpan> spans;
        std::vector<std::uint32_t> pixels;  // the spans' pixels one after another
    };
    // The text's run with its picture taken; none at its first drawing, which the caller draws
    // straight onto its canvas.
    const Run* run_for(TextRenderer& renderer, Key&& key);

    std::unordered_map<Key, Run, KeyHash> runs_;
    std::size_t pixels_kept_ = 0;
    int made_ = 0;
    int copies_ = 0;
};

// The text cache of the skinned controls' labels.
TextRunCache& text_run_cache();

}  // namespace tolsy
