#include "skin/bytes/zlib_codec.h"

#include <zlib.h>

#include <algorithm>
#include <limits>
#include <string>

#include "base/load_budget.h"
#include "skin/bytes/skin_error.h"

namespace tolsy {
namespace {

// zlib counts in 32-bit units; feed and drain in slices no larger than that.
constexpr std::size_t kMaxChunk = std::numeric_limits<uInt>::max();

std::string zlib_message(const z_stream& zs, int code) {
    if (zs.msg != nullptr) return zs.msg;
    return "zlib error " + std::to_string(code);
}

}  // namespace

Bytes zlib_compress(std::span<const std::uint8_t> data, ZlibLevel level) {
    z_stream zs{};
    const int zlevel = level == ZlibLevel::kFastest ? Z_BEST_SPEED : Z_DEFAULT_COMPRESSION;
    if (deflateInit(&zs, zlevel) != Z_OK) throw DecompressionError("Compression error: init");
    Bytes out(deflateBound(&zs, static_cast<uLong>(std::min(data.size(), kMaxChunk))) + 64);
    std::size_t in_pos = 0;
    int code = Z_OK;
    while (code != Z_STREAM_END) {
        if (zs.avail_in == 0 && in_pos < data.size()) {
            const std::size_t chunk = std::min(data.size() - in_pos, kMaxChunk);
            zs.next_in = const_cast<Bytef*>(data.data() + in_pos);
            zs.avail_in = static_cast<uInt>(chunk);
            in_pos += chunk;
        }
        if (zs.total_out == out.size()) out.resize(out.size() * 2);
        zs.next_out = out.data() + zs.total_out;
        zs.avail_out = static_cast<uInt>(std::min(out.size() - zs.total_out, kMaxChunk));
        code = deflate(&zs, in_pos == data.size() ? Z_FINISH : Z_NO_FLUSH);
        if (code == Z_STREAM_ERROR) {
            deflateEnd(&zs);
            throw DecompressionError("Compression error");
        }
    }
    out.resize(zs.total_out);
    deflateEnd(&zs);
    return out;
}

Bytes zlib_decompress(std::span<const std::uint8_t> data, std::size_t base_offset,
                      std::size_t max_size) {
    const InflatedBytes out = zlib_inflate(data, base_offset, max_size);
    return Bytes(out.begin(), out.end());
}

InflatedBytes zlib_inflate(std::span<const std::uint8_t> data, std::size_t base_offset,
                           std::size_t max_size) {
    // The load's budget may allow less than max_size; past it the data is refused as too large.
    LoadBudgetScope scope(data.size());
    const LoadBudget& budget = scope.budget();
    const bool budget_bound = budget.limit() - budget.used() < max_size;
    if (budget_bound) max_size = budget.limit() - budget.used();
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) throw DecompressionError("Decompression error: init");
    // Stored skins expand about twelvefold; room for more costs only address space, as the
    // buffer is not cleared.
    InflatedBytes out(std::min(std::max<std::size_t>(data.size() * 24, 65536), max_size));
    std::size_t in_pos = 0;
    std::size_t produced = 0;
    int code = Z_OK;
    while (code != Z_STREAM_END) {
        if (zs.avail_in == 0) {
            if (in_pos == data.size()) {
                inflateEnd(&zs);
                throw DecompressionError("Decompression error: compressed data ends at offset " +
                                         std::to_string(base_offset + in_pos) +
                                         " before the end of the zlib stream");
            }
            const std::size_t chunk = std::min(data.size() - in_pos, kMaxChunk);
            zs.next_in = const_cast<Bytef*>(data.data() + in_pos);
            zs.avail_in = static_cast<uInt>(chunk);
            in_pos += chunk;
        }
        std::uint8_t probe = 0;
        const bool full = produced == out.size() && out.size() >= max_size;
        if (produced == out.size() && !full) out.resize(std::min(out.size() * 2, max_size));
        // At the limit, a one-byte probe tells a stream that ends here from one that goes on.
        zs.next_out = full ? &probe : out.data() + produced;
        zs.avail_out = full ? 1 : static_cast<uInt>(std::min(out.size() - produced, kMaxChunk));
        const uInt before = zs.avail_out;
        code = inflate(&zs, Z_NO_FLUSH);
        if (full && zs.avail_out == 0) {
            inflateEnd(&zs);
            if (budget_bound)
                throw SkinLimitError(
                    "Skin too large: " +
                    budget.refusal("inflated data", base_offset + in_pos - zs.avail_in));
            throw DecompressionError("Decompression error: data expands past " +
                                     std::to_string(max_size) + " bytes");
        }
        if (!full) produced += before - zs.avail_out;
        if (code != Z_OK && code != Z_STREAM_END && code != Z_BUF_ERROR) {
            const std::size_t at = base_offset + in_pos - zs.avail_in;
            std::string message = "Decompression error: " + zlib_message(zs, code) + " at offset " +
                                  std::to_string(at);
            inflateEnd(&zs);
            throw DecompressionError(message);
        }
    }
    inflateEnd(&zs);
    out.resize(produced);
    charge_load(produced, "inflated data", base_offset);
    return out;
}

}  // namespace tolsy
