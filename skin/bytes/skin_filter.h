#pragma once
// The four skin filters: how a stored skin's body follows its 5-byte signature (plain, or behind
// the "NVLZ" marker as a zlib stream), and which body (standard or maximum) it holds.
#include <array>
#include <span>
#include <string>
#include <string_view>

#include "skin/bytes/skin_bytes.h"
#include "skin/bytes/zlib_codec.h"

namespace tolsy {

enum class SkinCompression { kNone, kFastest, kDefault };
enum class SkinBody { kStandard, kMaximum };

inline constexpr std::size_t kSignatureSize = 5;
inline constexpr std::string_view kCompressionMarker = "NVLZ";

struct TSeSkinFilter {
    std::string_view class_name;
    std::string_view signature;  // 5 bytes, the last one zero
    std::string_view extension;  // without the dot
    std::string_view description;
    SkinCompression compression;
    SkinBody body;
};

// In registration order: _UCT, _DCT, _TCT, _MCT.
const std::array<TSeSkinFilter, 4>& skin_filters();
const TSeSkinFilter& uncompressed_filter();
const TSeSkinFilter& compressed_filter();
const TSeSkinFilter& max_compression_filter();

// The filter whose signature the stream starts with (position unchanged), or none.
const TSeSkinFilter* filter_by_signature(const ByteReader& stream);
// The filter whose extension matches the file name's lower-cased extension, or none.
const TSeSkinFilter* filter_by_extension(std::string_view file_name);
// The filter that reads streams without a signature and writes files of unknown extension.
const TSeSkinFilter& default_skin_filter();
void set_default_skin_filter(const TSeSkinFilter& filter);

// The format test: one of the four signatures, or else the marker, at the stream's position.
bool is_skin_data(const ByteReader& stream);

// Each filter as "description (*.ext)|*.ext", joined by "|", for file dialogs.
std::string skin_file_filter_text();

// The body a filter reads: inflated into `owned`, or a view of the input for plain bodies.
struct SkinBodyBytes {
    InflatedBytes owned;
    std::span<const std::uint8_t> view;
    std::size_t base_offset = 0;  // where the body starts in the input (plain bodies only)
};

// Reads from the stream's position to its end: skips the filter's own signature when present,
// then the marker, and inflates the zlib stream; plain bodies are returned as a view.
SkinBodyBytes decode_skin_body(const TSeSkinFilter& filter, ByteReader& stream);
// Skips the filter's own signature (when there) and the marker; tells where the zlib data starts.
std::size_t skip_to_compressed_data(const TSeSkinFilter& filter, ByteReader& stream);
// Signature, then the body as the filter stores it.
Bytes encode_skin_body(const TSeSkinFilter& filter, std::span<const std::uint8_t> body);

}  // namespace tolsy
