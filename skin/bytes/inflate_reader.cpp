#include "skin/bytes/inflate_reader.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "skin/bytes/skin_error.h"

namespace tolsy {
namespace {

constexpr std::size_t kStagingSize = 16384;
// Deflate's best case is about 1032 output bytes per input byte; a little slack on top.
constexpr std::size_t kMaxExpansion = 1040;
constexpr std::size_t kMaxChunk = std::numeric_limits<uInt>::max();

}  // namespace

struct InflateReader::State {
    z_stream zs{};
    std::span<const std::uint8_t> input;
    std::size_t base = 0;
    std::size_t in_pos = 0;
    std::size_t produced = 0;
    std::size_t max_size = 0;
    bool ended = false;
    std::unique_ptr<std::uint8_t[]> staging{new std::uint8_t[kStagingSize]};
    std::size_t staged_begin = 0;
    std::size_t staged_end = 0;
};

InflateReader::InflateReader(std::span<const std::uint8_t> compressed, std::size_t base_offset,
                             std::size_t max_size)
    : state_(std::make_unique<State>()) {
    state_->input = compressed;
    state_->base = base_offset;
    state_->max_size = max_size;
    if (inflateInit(&state_->zs) != Z_OK) throw DecompressionError("Decompression error: init");
}

InflateReader::~InflateReader() {
    inflateEnd(&state_->zs);
}

std::size_t InflateReader::inflate_some(std::uint8_t* dst, std::size_t room) {
    State& s = *state_;
    if (s.ended || room == 0) return 0;
    std::size_t got = 0;
    while (got == 0 && !s.ended) {
        if (s.zs.avail_in == 0) {
            if (s.in_pos == s.input.size())
                throw DecompressionError("Decompression error: compressed data ends at offset " +
                                         std::to_string(s.base + s.in_pos) +
                                         " before the end of the zlib stream");
            const std::size_t chunk = std::min(s.input.size() - s.in_pos, kMaxChunk);
            s.zs.next_in = const_cast<Bytef*>(s.input.data() + s.in_pos);
            s.zs.avail_in = static_cast<uInt>(chunk);
            s.in_pos += chunk;
        }
        s.zs.next_out = dst;
        s.zs.avail_out = static_cast<uInt>(std::min(room, kMaxChunk));
        const int code = inflate(&s.zs, Z_NO_FLUSH);
        got = static_cast<std::size_t>(s.zs.next_out - dst);
        if (code == Z_STREAM_END) {
            s.ended = true;
        } else if (code != Z_OK && code != Z_BUF_ERROR) {
            throw DecompressionError(
                "Decompression error: " + std::string(s.zs.msg ? s.zs.msg : "zlib error") +
                " at offset " + std::to_string(s.base + s.in_pos - s.zs.avail_in));
        }
    }
    s.produced += got;
    charge_load(got, "inflated data", s.base + s.in_pos - s.zs.avail_in);
    if (s.produced > s.max_size)
        throw DecompressionError("Decompression error: data expands past " +
                                 std::to_string(s.max_size) + " bytes");
    return got;
}

std::size_t InflateReader::input_size() const {
    return state_->input.size();
}

bool InflateReader::could_hold(std::size_t count) const {
    const State& s = *state_;
    const std::size_t staged = s.staged_end - s.staged_begin;
    if (count <= staged) return true;
    if (s.ended) return false;
    const std::size_t compressed_left = s.input.size() - s.in_pos + s.zs.avail_in;
    const std::size_t limit =
        std::min(s.max_size - s.produced,
                 compressed_left > std::numeric_limits<std::size_t>::max() / kMaxExpansion
                     ? std::numeric_limits<std::size_t>::max()
                     : compressed_left * kMaxExpansion);
    return count - staged <= limit;
}

void InflateReader::require(std::size_t count, std::string_view what) const {
    if (!could_hold(count)) throw SkinReadError(std::string(what), consumed_, count);
}

void InflateReader::read_into(void* dst_void, std::size_t count, std::string_view what) {
    auto* dst = static_cast<std::uint8_t*>(dst_void);
    State& s = *state_;
    const std::size_t start = consumed_;
    std::size_t done = std::min(count, s.staged_end - s.staged_begin);
    if (done != 0) std::memcpy(dst, s.staging.get() + s.staged_begin, done);
    s.staged_begin += done;
    while (done < count) {
        std::size_t got = 0;
        if (count - done >= kStagingSize) {
            got = inflate_some(dst + done, count - done);
            done += got;
        } else {
            s.staged_begin = 0;
            s.staged_end = inflate_some(s.staging.get(), kStagingSize);
            got = std::min(count - done, s.staged_end);
            std::memcpy(dst + done, s.staging.get(), got);
            s.staged_begin = got;
            done += got;
        }
        if (got == 0) {
            consumed_ = start + done;
            throw SkinReadError(std::string(what), start, count, done);
        }
    }
    consumed_ = start + count;
}

std::uint8_t InflateReader::u8(std::string_view what) {
    std::uint8_t b = 0;
    read_into(&b, 1, what);
    return b;
}

std::uint32_t InflateReader::u32(std::string_view what) {
    std::uint8_t b[4];
    read_into(b, 4, what);
    return std::uint32_t{b[0]} | (std::uint32_t{b[1]} << 8) | (std::uint32_t{b[2]} << 16) |
           (std::uint32_t{b[3]} << 24);
}

std::string InflateReader::lstr(std::string_view what) {
    const std::size_t at = offset();
    const std::int32_t length = i32(what);
    if (length < 0)
        throw SkinFormatError(std::string(what) + " has negative length " + std::to_string(length),
                              at);
    require(static_cast<std::size_t>(length), what);
    std::string text(static_cast<std::size_t>(length), '\0');
    read_into(text.data(), text.size(), what);
    return text;
}

std::int32_t InflateReader::count(std::string_view what, std::size_t min_item_size) {
    const std::size_t at = offset();
    const std::int32_t value = i32(what);
    if (value < 0)
        throw SkinFormatError(std::string(what) + " is negative (" + std::to_string(value) + ")",
                              at);
    const auto needed = static_cast<std::uint64_t>(value) * min_item_size;
    if (needed > std::numeric_limits<std::size_t>::max() ||
        !could_hold(static_cast<std::size_t>(needed)))
        throw SkinReadError(std::string(what) + " of " + std::to_string(value), at,
                            static_cast<std::size_t>(std::min<std::uint64_t>(needed, SIZE_MAX)));
    return value;
}

Bytes InflateReader::bytes(std::size_t count, std::string_view what) {
    require(count, what);
    Bytes out(count);
    read_into(out.data(), count, what);
    return out;
}

std::size_t InflateReader::unused_input() const {
    const State& s = *state_;
    return s.ended ? s.input.size() - s.in_pos + s.zs.avail_in : 0;
}

InflatedBytes InflateReader::rest() {
    State& s = *state_;
    const std::size_t staged = s.staged_end - s.staged_begin;
    // Room costs only address space (the buffer is not cleared), so start generously; never
    // beyond what the size limit allows.
    const std::size_t ceiling = staged + (s.max_size - std::min(s.max_size, s.produced)) + 1;
    const std::size_t compressed_left = s.input.size() - s.in_pos + s.zs.avail_in;
    InflatedBytes out(
        std::min(ceiling, staged + std::max<std::size_t>(65536, compressed_left * 24)));
    std::memcpy(out.data(), s.staging.get() + s.staged_begin, staged);
    s.staged_begin = s.staged_end;
    std::size_t size = staged;
    while (!s.ended) {
        if (size == out.size()) {
            if (out.size() >= ceiling)
                throw DecompressionError("Decompression error: data expands past " +
                                         std::to_string(s.max_size) + " bytes");
            out.resize(std::min(ceiling, out.size() * 2));
        }
        size += inflate_some(out.data() + size, out.size() - size);
    }
    out.resize(size);
    consumed_ += size;
    return out;
}

}  // namespace tolsy
