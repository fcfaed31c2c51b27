#pragma once
// Reads a zlib stream field by field without inflating it into one buffer first: large reads
// (image pixels) inflate straight into their destination, small ones go through a little
// staging buffer. The same field reads as ByteReader, so body readers are written once.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include "skin/bytes/skin_bytes.h"
#include "skin/bytes/zlib_codec.h"

namespace tolsy {

class InflateReader {
  public:
    // base_offset places the compressed data in its input, for messages about corrupt data.
    InflateReader(std::span<const std::uint8_t> compressed, std::size_t base_offset,
                  std::size_t max_size = kMaxInflatedSize);
    ~InflateReader();
    InflateReader(const InflateReader&) = delete;
    InflateReader& operator=(const InflateReader&) = delete;

    // The size of the compressed data.
    std::size_t input_size() const;

    // Offsets are positions in the inflated data.
    std::size_t offset() const { return consumed_; }

    // Exactly count bytes into dst; SkinReadError when the stream ends first.
    void read_into(void* dst, std::size_t count, std::string_view what);
    // Whether count more bytes could come out of what is left of the compressed data (deflate
    // expands at most about 1032 to 1), for size checks before allocating.
    bool could_hold(std::size_t count) const;
    void require(std::size_t count, std::string_view what) const;

    std::uint8_t u8(std::string_view what);
    std::uint32_t u32(std::string_view what);
    std::int32_t i32(std::string_view what) { return static_cast<std::int32_t>(u32(what)); }
    std::string lstr(std::string_view what);
    std::int32_t count(std::string_view what, std::size_t min_item_size);
    Bytes bytes(std::size_t count, std::string_view what);

    // Everything up to the end of the zlib stream.
    InflatedBytes rest();
    // Compressed bytes after the end of the zlib stream (0 until the end is reached).
    std::size_t unused_input() const;

  private:
    // Inflates into [dst, dst + room); returns the bytes produced (0 at the stream's end).
    std::size_t inflate_some(std::uint8_t* dst, std::size_t room);

    struct State;
    std::unique_ptr<State> state_;
    std::size_t consumed_ = 0;
};

}  // namespace tolsy
