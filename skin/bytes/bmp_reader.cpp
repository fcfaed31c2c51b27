#include "skin/bytes/bmp_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <string>
#include <vector>

#include "base/load_budget.h"
#include "skin/bytes/skin_bytes.h"
#include "skin/bytes/skin_error.h"

namespace tolsy {
namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kMaxHeaderSize = 124;
// A two-byte run paints at most 255 pixels; a size the data could not paint is not believed.
constexpr std::uint64_t kMaxRlePixelsPerByte = 128;
// Pixels a run-length bitmap skips are left transparent.
constexpr std::uint32_t kSkippedPixel = 0;

struct BmpInfo {
    std::int64_t width = 0;
    std::int64_t height = 0;  // absolute value
    bool bottom_up = true;
    unsigned bpp = 0;
    std::uint32_t compression = kBiRgb;
    std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha
    std::vector<std::uint32_t> palette;    // as opaque pixels
};

[[noreturn]] void fail(const std::string& what, std::size_t offset) {
    throw SkinFormatError("bitmap file: " + what, offset);
}

void read_palette(ByteReader& in, BmpInfo& info, std::uint32_t used, std::size_t entry_size) {
    if (info.bpp > 8) return;
    const std::uint32_t full = 1u << info.bpp;
    if (used > full) fail("palette of " + std::to_string(used) + " colours", in.offset());
    const std::uint32_t count = used == 0 ? full : used;
    in.require(count * entry_size, "bitmap palette");
    info.palette.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        auto e = in.bytes(entry_size, "bitmap palette");
        info.palette.push_back(Pixel::pack(e[2], e[1], e[0]));
    }
}

void check_format(const BmpInfo& info, std::size_t at) {
    const unsigned b = info.bpp;
    const bool ok = (info.compression == kBiRgb &&
                     (b == 1 || b == 4 || b == 8 || b == 16 || b == 24 || b == 32)) ||
                    (info.compression == kBiRle8 && b == 8) ||
                    (info.compression == kBiRle4 && b == 4) ||
                    ((info.compression == kBiBitfields || info.compression == kBiAlphaBitfields) &&
                     (b == 16 || b == 32));
    if (!ok)
        fail("unsupported format (compression " + std::to_string(info.compression) + ", " +
                 std::to_string(b) + " bits per pixel)",
             at);
    const bool rle = info.compression == kBiRle8 || info.compression == kBiRle4;
    if (rle && !info.bottom_up) fail("top-down run-length bitmap", at);
}

// Reads the info header that follows the file header, up to and including the palette.
BmpInfo read_headers(ByteReader& in) {
    BmpInfo info;
    const std::size_t header_at = in.offset();
    const std::uint32_t header_size = in.u32("bitmap header size");
    std::uint32_t used = 0;
    if (header_size == kCoreHeaderSize) {
        info.width = in.u16("bitmap width");
        info.height = in.u16("bitmap height");
        in.u16("bitmap planes");
        info.bpp = in.u16("bitmap bits per pixel");
    } else if (header_size >= kInfoHeaderSize && header_size <= kMaxHeaderSize) {
        info.width = in.i32("bitmap width");
        const std::int32_t height = in.i32("bitmap height");
        info.bottom_up = height > 0;
        info.height = height < 0 ? -std::int64_t{height} : height;
        in.u16("bitmap planes");
        info.bpp = in.u16("bitmap bits per pixel");
        info.compression = in.u32("bitmap compression");
        in.bytes(12, "bitmap image size and resolution");
        used = in.u32("bitmap colours used");
        in.u32("bitmap important colours");
        const std::size_t extra = header_size - kInfoHeaderSize;
        if (extra >= 12) {
            const int mask_count = extra >= 16 ? 4 : 3;
            for (int i = 0; i < mask_count; ++i) info.masks[i] = in.u32("bitmap colour mask");
            in.bytes(extra - 4 * mask_count, "bitmap header");
        } else {
            in.bytes(extra, "bitmap header");
            if (info.compression == kBiBitfields || info.compression == kBiAlphaBitfields) {
                const int mask_count = info.compression == kBiAlphaBitfields ? 4 : 3;
                for (int i = 0; i < mask_count; ++i) info.masks[i] = in.u32("bitmap colour mask");
            }
        }
    } else {
        fail("unknown header size " + std::to_string(header_size), header_at);
    }
    if (info.width <= 0 || info.height <= 0)
        fail("size " + std::to_string(info.width) + " x " + std::to_string(info.height), header_at);
    check_format(info, header_at);
    read_palette(in, info, used, header_size == kCoreHeaderSize ? 3 : 4);
    return info;
}
std::uint32_t palette_pixel(const BmpInfo& info, unsigned index) {
    // Indices past the palette show black, as the platform draws them.
    return index < info.palette.size() ? info.palette[index] : Pixel::pack(0, 0, 0);
}

// Scales the bits of one mask to 0..255.
std::uint8_t masked(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const int width = std::popcount(mask >> shift);
    const std::uint32_t field = (value & mask) >> shift;
    const std::uint32_t max = width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1;
    return static_cast<std::uint8_t>((std::uint64_t{field} * 255 + max / 2) / max);
}

void decode_row(const BmpInfo& info, const std::uint8_t* src, std::uint32_t* dst) {
    const auto w = static_cast<std::size_t>(info.width);
    const bool fields = info.compression != kBiRgb;
    for (std::size_t x = 0; x < w; ++x) {
        switch (info.bpp) {
            case 1:
                dst[x] = palette_pixel(info, (src[x / 8] >> (7 - x % 8)) & 1);
                break;
            case 4:
                dst[x] = palette_pixel(info, (src[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
                break;
            case 8:
                dst[x] = palette_pixel(info, src[x]);
                break;
            case 24:
                dst[x] = Pixel::pack(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                break;
            case 16: {
                const std::uint32_t v = src[2 * x] | (src[2 * x + 1] << 8);
                if (!fields) {
                    dst[x] = Pixel::pack(masked(v, 0x7C00), masked(v, 0x03E0), masked(v, 0x001F));
                } else {
                    const auto& m = info.masks;
                    dst[x] = Pixel::pack(masked(v, m[0]), masked(v, m[1]), masked(v, m[2]),
                                         m[3] ? masked(v, m[3]) : 255);
                }
                break;
            }
            default: {
                const std::uint8_t* p = src + 4 * x;
                const std::uint32_t v =
                    p[0] | (p[1] << 8) | (p[2] << 16) | (std::uint32_t{p[3]} << 24);
                if (!fields) {
                    dst[x] = v;
                } else {
                    const auto& m = info.masks;
                    dst[x] = Pixel::pack(masked(v, m[0]), masked(v, m[1]), masked(v, m[2]),
                                         m[3] ? masked(v, m[3]) : 255);
                }
            }
        }
    }
}

// Decoded pixels are charged to the load before they are allocated: a small file may claim a
// large image (one bit per pixel, or runs of 255 pixels per two bytes).
void charge_pixels(const BmpInfo& info, std::size_t at) {
    const std::uint64_t bytes = static_cast<std::uint64_t>(info.width) * info.height * 4;
    charge_load(
        static_cast<std::size_t>(std::min<std::uint64_t>(bytes, SIZE_MAX)),
        "bitmap of " + std::to_string(info.width) + " x " + std::to_string(info.height) + " pixels",
        at);
}

Image decode_plain(const BmpInfo& info, std::span<const std::uint8_t> bits, std::size_t at) {
    const std::uint64_t row_bits = static_cast<std::uint64_t>(info.width) * info.bpp;
    const std::uint64_t stride = (row_bits + 31) / 32 * 4;
    const std::uint64_t last_row = (row_bits + 7) / 8;
    // The last row's padding may be missing; every other row must be whole.
    if (stride > bits.size() ||
        static_cast<std::uint64_t>(info.height - 1) > (bits.size() - last_row) / stride)
        throw SkinReadError("bitmap pixels", at, 0, bits.size());
    charge_pixels(info, at);
    Image image(static_cast<int>(info.width), static_cast<int>(info.height));
    for (std::int64_t y = 0; y < info.height; ++y) {
        const std::int64_t row = info.bottom_up ? info.height - 1 - y : y;
        decode_row(info, bits.data() + row * stride, image.row(static_cast<int>(y)));
    }
    // A 32-bit file without bit fields whose fourth bytes are all zero carries no alpha.
    if (info.bpp == 32 && info.compression == kBiRgb) {
        bool any_alpha = false;
        for (int y = 0; y < image.height() && !any_alpha; ++y)
            for (int x = 0; x < image.width(); ++x)
                if (Pixel::alpha(image.at(x, y)) != 0) {
                    any_alpha = true;
                    break;
                }
        if (!any_alpha)
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) image.at(x, y) |= 0xFF000000u;
    }
    return image;
}

class RleDecoder {
  public:
    RleDecoder(const BmpInfo& info, Image& image, std::span<const std::uint8_t> bits,
               std::size_t at)
        : info_(info), image_(image), in_(bits, at) {}

    void run() {
        while (!in_.at_end()) {
            const std::uint8_t count = in_.u8("bitmap run");
            const std::uint8_t value = in_.u8("bitmap run");
            if (count > 0) {
                for (int i = 0; i < count; ++i) put(nibble_or_byte(value, i));
            } else if (value == 0) {
                x_ = 0;
                ++line_;
            } else if (value == 1) {
                return;
            } else if (value == 2) {
                x_ += in_.u8("bitmap delta");
                line_ += in_.u8("bitmap delta");
            } else {
                literal(value);
            }
        }
    }

  private:
    bool four_bit() const { return info_.compression == kBiRle4; }

    unsigned nibble_or_byte(std::uint8_t value, int i) const {
        if (!four_bit()) return value;
        return i % 2 ? value & 0xF : value >> 4;
    }

    void literal(unsigned count) {
        const std::size_t bytes = four_bit() ? (count + 1) / 2 : count;
        auto data = in_.bytes(bytes, "bitmap literal run");
        for (unsigned i = 0; i < count; ++i)
            put(four_bit() ? nibble_or_byte(data[i / 2], static_cast<int>(i)) : data[i]);
        if (bytes % 2) in_.u8("bitmap literal padding");
    }

    // Pixels outside the image are dropped, as the platform's decoder does.
    void put(unsigned index) {
        if (x_ < info_.width && line_ < info_.height)
            image_.at(static_cast<int>(x_), static_cast<int>(info_.height - 1 - line_)) =
                palette_pixel(info_, index);
        ++x_;
    }

    const BmpInfo& info_;
    Image& image_;
    ByteReader in_;
    std::int64_t x_ = 0;
    std::int64_t line_ = 0;
};

}  // namespace

Image decode_bmp(std::span<const std::uint8_t> file, std::size_t base_offset) {
    LoadBudgetScope budget(file.size());
    ByteReader in(file, base_offset);
    const std::size_t start = in.offset();
    if (in.u8("bitmap signature") != 'B' || in.u8("bitmap signature") != 'M')
        fail("no \"BM\" signature", start);
    in.u32("bitmap file size");
    in.u32("bitmap reserved");
    const std::size_t bits_at = in.offset();
    const std::uint32_t bits_offset = in.u32("bitmap pixel offset");
    BmpInfo info = read_headers(in);
    if (bits_offset < in.position() || bits_offset > file.size())
        fail("pixel offset " + std::to_string(bits_offset), bits_at);
    auto bits = file.subspan(bits_offset);
    const std::size_t pixels_at = base_offset + bits_offset;
    if (info.compression == kBiRle8 || info.compression == kBiRle4) {
        const std::uint64_t pixels = static_cast<std::uint64_t>(info.width) * info.height;
        if (pixels / kMaxRlePixelsPerByte > bits.size()) throw ImageAllocError();
        charge_pixels(info, pixels_at);
        Image image(static_cast<int>(info.width), static_cast<int>(info.height), kSkippedPixel);
        RleDecoder(info, image, bits, pixels_at).run();
        return image;
    }
    return decode_plain(info, bits, pixels_at);
}

}  // namespace tolsy
