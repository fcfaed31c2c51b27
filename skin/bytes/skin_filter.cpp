#include "skin/bytes/skin_filter.h"

#include <cstring>
#include <filesystem>

#include "skin/bytes/text_util.h"
#include "skin/bytes/zlib_codec.h"

namespace tolsy {
namespace {

using namespace std::string_view_literals;

constexpr std::array<TSeSkinFilter, 4> kFilters = {{
    {"TSeSkinFilterUncompressed", "_UCT\0"sv, "uskn", "Uncompressed Skin", SkinCompression::kNone,
     SkinBody::kStandard},
    {"TSeSkinFilterCompressed", "_DCT\0"sv, "cskn", "Compressed Skin", SkinCompression::kFastest,
     SkinBody::kStandard},
    {"TSeSkinFilterUltraCompressed", "_TCT\0"sv, "xskn", "Ultra Compressed Skin",
     SkinCompression::kDefault, SkinBody::kStandard},
    {"TSeSkinFilterMaxCompression", "_MCT\0"sv, "mskn", "Maximum Compressed",
     SkinCompression::kDefault, SkinBody::kMaximum},
}};

const TSeSkinFilter* g_default = &kFilters[1];

bool starts_with(const ByteReader& stream, std::string_view prefix) {
    return stream.remaining() >= prefix.size() &&
           std::memcmp(stream.data().data() + stream.position(), prefix.data(), prefix.size()) == 0;
}

}  // namespace

const std::array<TSeSkinFilter, 4>& skin_filters() {
    return kFilters;
}
const TSeSkinFilter& uncompressed_filter() {
    return kFilters[0];
}
const TSeSkinFilter& compressed_filter() {
    return kFilters[1];
}
const TSeSkinFilter& max_compression_filter() {
    return kFilters[3];
}

const TSeSkinFilter* filter_by_signature(const ByteReader& stream) {
    for (const auto& filter : kFilters)
        if (starts_with(stream, filter.signature)) return &filter;
    return nullptr;
}

const TSeSkinFilter* filter_by_extension(std::string_view file_name) {
    const std::string ext = lower_ascii(std::filesystem::path(file_name).extension().string());
    for (const auto& filter : kFilters)
        if (ext.size() == filter.extension.size() + 1 && ext.substr(1) == filter.extension)
            return &filter;
    return nullptr;
}

const TSeSkinFilter& default_skin_filter() {
    return *g_default;
}
void set_default_skin_filter(const TSeSkinFilter& filter) {
    g_default = &filter;
}

bool is_skin_data(const ByteReader& stream) {
    return filter_by_signature(stream) != nullptr || starts_with(stream, kCompressionMarker);
}

std::string skin_file_filter_text() {
    std::string text;
    for (const auto& f : kFilters) {
        if (!text.empty()) text += '|';
        text += std::string(f.description) + " (*." + std::string(f.extension) + ")|*." +
                std::string(f.extension);
    }
    return text;
}

SkinBodyBytes decode_skin_body(const TSeSkinFilter& filter, ByteReader& stream) {
    if (starts_with(stream, filter.signature)) stream.bytes(kSignatureSize, "signature");
    SkinBodyBytes body;
    if (filter.compression == SkinCompression::kNone) {
        body.base_offset = stream.offset();
        body.view = stream.bytes(stream.remaining(), "skin body");
        return body;
    }
    const std::size_t at = skip_to_compressed_data(filter, stream);
    body.owned = zlib_inflate(stream.bytes(stream.remaining(), "compressed body"), at);
    body.view = body.owned;
    return body;
}

std::size_t skip_to_compressed_data(const TSeSkinFilter& filter, ByteReader& stream) {
    if (starts_with(stream, filter.signature)) stream.bytes(kSignatureSize, "signature");
    // The marker is written but not checked.
    stream.bytes(kCompressionMarker.size(), "compression marker");
    return stream.offset();
}

Bytes encode_skin_body(const TSeSkinFilter& filter, std::span<const std::uint8_t> body) {
    ByteWriter out;
    out.text(filter.signature);
    if (filter.compression == SkinCompression::kNone) {
        out.bytes(body);
        return out.take();
    }
    out.text(kCompressionMarker);
    out.bytes(zlib_compress(body, filter.compression == SkinCompression::kFastest
                                      ? ZlibLevel::kFastest
                                      : ZlibLevel::kDefault));
    return out.take();
}

}  // namespace tolsy
