#include "skin/png_writer.h"

#include <zlib.h>

#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "skin/zlib_codec.h"

namespace tolsy {
namespace {

constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::uint8_t kColourTypeRgba = 6;
constexpr std::uint8_t kFilterSub = 1;

void put_u32_be(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back((v >> shift) & 0xFF);
}

void put_chunk(Bytes& out, std::string_view type, const Bytes& data) {
    if (data.size() > 0x7FFFFFFFu) throw std::length_error("PNG chunk is too large");
    put_u32_be(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t type_at = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    // The chunk's CRC covers its type and data.
    uLong crc = crc32(0, nullptr, 0);
    std::size_t pos = type_at;
    while (pos < out.size()) {
        const std::size_t chunk = std::min<std::size_t>(out.size() - pos, 1u << 30);
        crc = crc32(crc, out.data() + pos, static_cast<uInt>(chunk));
        pos += chunk;
    }
    put_u32_be(out, static_cast<std::uint32_t>(crc));
}

// Each row gets the "sub" filter, which suits the flat areas of skin images.
Bytes filtered_rows(const Image& image) {
    Bytes raw;
    const std::size_t w = static_cast<std::size_t>(image.width());
    raw.reserve((w * 4 + 1) * static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y) {
        raw.push_back(kFilterSub);
        std::uint8_t prev[4] = {0, 0, 0, 0};
        for (std::size_t x = 0; x < w; ++x) {
            const std::uint32_t p = image.row(y)[x];
            const std::uint8_t rgba[4] = {Pixel::red(p), Pixel::green(p), Pixel::blue(p),
                                          Pixel::alpha(p)};
            for (int c = 0; c < 4; ++c) {
                raw.push_back(static_cast<std::uint8_t>(rgba[c] - prev[c]));
                prev[c] = rgba[c];
            }
        }
    }
    return raw;
}

}  // namespace

Bytes encode_png(const Image& image) {
    if (image.empty()) throw std::invalid_argument("PNG needs at least one pixel");
    Bytes out(std::begin(kSignature), std::end(kSignature));
    Bytes header;
    put_u32_be(header, static_cast<std::uint32_t>(image.width()));
    put_u32_be(header, static_cast<std::uint32_t>(image.height()));
    header.insert(header.end(), {8, kColourTypeRgba, 0, 0, 0});
    put_chunk(out, "IHDR", header);
    put_chunk(out, "IDAT", zlib_compress(filtered_rows(image), ZlibLevel::Default));
    put_chunk(out, "IEND", {});
    return out;
}

}  // namespace tolsy
