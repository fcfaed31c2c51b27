#pragma once
// zlib streams of stored skins: the standard zlib format, compressed at level 1 or the
// library's default level, and decompressed to the end of the stream.
#include <cstddef>
#include <span>

#include "base/uninitialized_allocator.h"
#include "skin/bytes/skin_bytes.h"

namespace tolsy {

// A decompressed skin body larger than this is refused rather than allocated.
inline constexpr std::size_t kMaxInflatedSize = std::size_t{256} << 20;

enum class ZlibLevel { kFastest, kDefault };

// Inflated data: sized before zlib fills it, so its growth never zero-fills.
using InflatedBytes = std::vector<std::uint8_t, UninitializedAllocator<std::uint8_t>>;

Bytes zlib_compress(std::span<const std::uint8_t> data, ZlibLevel level);
// Inflates one zlib stream starting at data[0]; bytes after the stream's end are ignored.
// base_offset places the data in the enclosing buffer for messages. Throws DecompressionError.
InflatedBytes zlib_inflate(std::span<const std::uint8_t> data, std::size_t base_offset = 0,
                           std::size_t max_size = kMaxInflatedSize);
Bytes zlib_decompress(std::span<const std::uint8_t> data, std::size_t base_offset = 0,
                      std::size_t max_size = kMaxInflatedSize);

}  // namespace tolsy
