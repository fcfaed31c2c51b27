#include "skin/model/skin_bitmap.h"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "skin/bytes/inflate_reader.h"
#include "skin/bytes/skin_error.h"
#include "skin/bytes/text_util.h"

namespace tolsy {
namespace {

// Pixel rows are copied as they are stored: blue, green, red, alpha.
static_assert(std::endian::native == std::endian::little);

bool near_shade(std::uint32_t pixel, int red, int green, int blue) {
    return std::abs(Pixel::red(pixel) - red) < kKeyTolerance &&
           std::abs(Pixel::green(pixel) - green) < kKeyTolerance &&
           std::abs(Pixel::blue(pixel) - blue) < kKeyTolerance;
}

// Replaces pixels near the shade with the key pixel; tells whether any was replaced.
bool key_pass(Image& image, int red, int green, int blue) {
    bool replaced = false;
    for (int y = 0; y < image.height(); ++y) {
        std::uint32_t* row = image.row(y);
        for (int x = 0; x < image.width(); ++x) {
            if (near_shade(row[x], red, green, blue)) {
                row[x] = kKeyPixel;
                replaced = true;
            }
        }
    }
    return replaced;
}

}  // namespace

void TteBitmap::apply_key_colour() {
    key_pass(image, 255, 0, 255);
    apply_key_shade();
}

void TteBitmap::apply_key_shade() {
    key_flag =
        key_pass(image, Pixel::red(kKeyPixel), Pixel::green(kKeyPixel), Pixel::blue(kKeyPixel));
}

void TteBitmap::compute_alpha_flag() {
    alpha_flag = false;
    for (int y = 0; y < image.height() && !alpha_flag; ++y) {
        const std::uint32_t* row = image.row(y);
        for (int x = 0; x < image.width(); ++x) {
            const std::uint8_t a = Pixel::alpha(row[x]);
            if (a != 0 && a != 255) {
                alpha_flag = true;
                break;
            }
        }
    }
}

namespace {

// Pixels are read in one piece, straight into the image; rows stored bottom first are then
// swapped into place.
template <class Reader>
std::unique_ptr<TteBitmap> read_record(Reader& in) {
    auto bitmap = std::make_unique<TteBitmap>();
    bitmap->name = in.lstr("image name");
    const std::size_t size_at = in.offset();
    const std::int32_t width = in.i32("image width");
    const std::int32_t height = in.i32("image height");
    if (width < 0 || height == std::numeric_limits<std::int32_t>::min())
        throw SkinFormatError("image \"" + bitmap->name + "\" has size " + std::to_string(width) +
                                  " x " + std::to_string(height),
                              size_at);
    const int rows = height < 0 ? -height : height;
    // An image with no pixels is kept as 0 x 0, whatever its other side claims.
    if (width == 0 || rows == 0) return bitmap;
    const std::uint64_t row_bytes = std::uint64_t{4} * static_cast<std::uint32_t>(width);
    const std::uint64_t total = row_bytes * static_cast<std::uint64_t>(rows);
    if (total > std::numeric_limits<std::size_t>::max() / 2 ||
        !in.could_hold(static_cast<std::size_t>(total)))
        in.require(static_cast<std::size_t>(std::min<std::uint64_t>(total, SIZE_MAX / 2 + 1)),
                   "pixels of image \"" + bitmap->name + "\" (" + std::to_string(width) + " x " +
                       std::to_string(rows) + ")");
    bitmap->image = Image::uninitialized(width, rows);
    in.read_into(bitmap->image.data(), static_cast<std::size_t>(total), "image pixels");
    if (height < 0) {
        for (int top = 0, bottom = rows - 1; top < bottom; ++top, --bottom)
            std::swap_ranges(bitmap->image.row(top), bitmap->image.row(top) + width,
                             bitmap->image.row(bottom));
    }
    return bitmap;
}

}  // namespace

std::unique_ptr<TteBitmap> read_image_record(ByteReader& in) {
    return read_record(in);
}

std::unique_ptr<TteBitmap> read_image_record(InflateReader& in) {
    return read_record(in);
}

void write_image_record(ByteWriter& out, const TteBitmap& bitmap) {
    out.lstr(bitmap.name);
    out.i32(bitmap.width());
    out.i32(bitmap.height());
    if (bitmap.image.empty()) return;
    const std::size_t row_bytes = std::size_t{4} * bitmap.width();
    for (int y = 0; y < bitmap.height(); ++y)
        out.bytes({reinterpret_cast<const std::uint8_t*>(bitmap.image.row(y)), row_bytes});
}

const TteBitmap* find_bitmap(const BitmapList& list, std::string_view name) {
    for (const auto& bitmap : list)
        if (same_text(bitmap->name, name)) return bitmap.get();
    return nullptr;
}

}  // namespace tolsy
