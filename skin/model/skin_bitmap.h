#pragma once
// Named images of a skin (TteBitmap) and their stored records.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "picture/image.h"
#include "skin/bytes/skin_bytes.h"
#include "skin/model/nine_piece.h"

namespace tolsy {

// The key colour as a whole pixel: red 127, green 0, blue 127, alpha 0.
inline constexpr std::uint32_t kKeyPixel = 0x007F007F;
// Channels differing by less than this from a key shade count as that shade.
inline constexpr int kKeyTolerance = 6;

class TteBitmap {
  public:
    std::string name;
    Image image;
    bool key_flag = false;    // holds key-colour pixels
    bool alpha_flag = false;  // holds pixels whose alpha is neither 0 nor 255
    // Set for images read from the flagged record forms; the painting code gives it meaning.
    bool flagged_form = false;

    int width() const { return image.width(); }
    int height() const { return image.height(); }

    // Both key passes (pure magenta, then the key shade); the key flag follows the second.
    void apply_key_colour();
    // The second pass alone: pixels near the key shade become the key colour.
    void apply_key_shade();
    void compute_alpha_flag();

    // The pixels as read, before any colour shift: what the links into the image settle their
    // transparency from, so that a shift which turns a colour into the key colour (or out of it)
    // changes no link's drawing. Whoever shifts the pixels calls keep_unshifted first; the
    // copy shares the pixels until the shift writes to them.
    const Image& unshifted_image() const { return unshifted_ ? *unshifted_ : image; }
    void keep_unshifted() {
        if (!unshifted_) unshifted_ = image;
    }

  private:
    std::optional<Image> unshifted_;
};

using BitmapList = std::vector<std::unique_ptr<TteBitmap>>;

// Image record: lstr name, width, height (negative or zero: rows stored bottom to top),
// then width x abs(height) BGRA pixels. Flags are not part of the record.
// Reads from a ByteReader or an InflateReader.
class InflateReader;
std::unique_ptr<TteBitmap> read_image_record(ByteReader& in);
std::unique_ptr<TteBitmap> read_image_record(InflateReader& in);
void write_image_record(ByteWriter& out, const TteBitmap& bitmap);

// Finds an image by name (case-insensitive), or none.
const TteBitmap* find_bitmap(const BitmapList& list, std::string_view name);

}  // namespace tolsy
