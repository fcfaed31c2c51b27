#include "picture/png.h"

#include <zlib.h>

#include <array>
#include <fstream>
#include <stdexcept>

namespace tolsy {

namespace {

void put_be32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v >> 24));
    out.push_back(static_cast<std::uint8_t>(v >> 16));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
    out.push_back(static_cast<std::uint8_t>(v));
}

void put_chunk(std::vector<std::uint8_t>& out, const char (&type)[5],
               const std::vector<std::uint8_t>& data) {
    put_be32(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t type_at = out.size();
    out.insert(out.end(), type, type + 4);
    out.insert(out.end(), data.begin(), data.end());
    const uLong crc = crc32(0L, out.data() + type_at, static_cast<uInt>(4 + data.size()));
    put_be32(out, static_cast<std::uint32_t>(crc));
}

}  // namespace

std::vector<std::uint8_t> encode_png(const Image& image) {
    const int width = image.width();
    const int height = image.height();
    if (width <= 0 || height <= 0) throw std::invalid_argument("Cannot encode an empty image");

    // Filter type 0 (none) per row, then R, G, B, A.
    std::vector<std::uint8_t> raw;
    raw.reserve(static_cast<std::size_t>(height) * (1 + 4 * static_cast<std::size_t>(width)));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        const std::uint32_t* row = image.row(y);
        for (int x = 0; x < width; ++x) {
            raw.push_back(Pixel::red(row[x]));
            raw.push_back(Pixel::green(row[x]));
            raw.push_back(Pixel::blue(row[x]));
            raw.push_back(Pixel::alpha(row[x]));
        }
    }
    uLongf packed_size = compressBound(static_cast<uLong>(raw.size()));
    std::vector<std::uint8_t> packed(packed_size);
    if (compress2(packed.data(), &packed_size, raw.data(), static_cast<uLong>(raw.size()),
                  Z_DEFAULT_COMPRESSION) != Z_OK)
        throw std::runtime_error("PNG compression failed");
    packed.resize(packed_size);

    std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    std::vector<std::uint8_t> header;
    put_be32(header, static_cast<std::uint32_t>(width));
    put_be32(header, static_cast<std::uint32_t>(height));
    header.insert(header.end(), {8, 6, 0, 0, 0});  // 8 bits, RGBA, deflate, no filter, no interlace
    put_chunk(out, "IHDR", header);
    put_chunk(out, "IDAT", packed);
    put_chunk(out, "IEND", {});
    return out;
}

void write_png(const Image& image, const std::string& path) {
    const std::vector<std::uint8_t> bytes = encode_png(image);
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("Cannot write " + path);
}

}  // namespace tolsy
