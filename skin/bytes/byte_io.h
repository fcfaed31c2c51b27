#pragma once
// Bounds-checked little-endian reading and plain writing of byte buffers. Every read names
// the field it is after so that an error says what was being read and where.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolsy {

using Bytes = std::vector<std::uint8_t>;

class ByteReader {
  public:
    // base_offset is added to positions in messages, for readers of a slice of a larger buffer.
    explicit ByteReader(std::span<const std::uint8_t> data, std::size_t base_offset = 0)
        : data_(data), base_(base_offset) {}

    std::size_t position() const { return pos_; }
    std::size_t offset() const { return base_ + pos_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    std::size_t size() const { return data_.size(); }
    bool at_end() const { return pos_ == data_.size(); }
    std::span<const std::uint8_t> data() const { return data_; }
    // Moves to an absolute position inside the data (not past its end).
    void seek(std::size_t position);

    std::uint8_t u8(std::string_view what) {
        require(1, what);
        return data_[pos_++];
    }
    std::uint16_t u16(std::string_view what);
    std::int16_t i16(std::string_view what) { return static_cast<std::int16_t>(u16(what)); }
    std::uint32_t u32(std::string_view what);
    std::int32_t i32(std::string_view what) { return static_cast<std::int32_t>(u32(what)); }
    std::int64_t i64(std::string_view what);
    std::span<const std::uint8_t> bytes(std::size_t count, std::string_view what) {
        require(count, what);
        auto part = data_.subspan(pos_, count);
        pos_ += count;
        return part;
    }
    // A signed 32-bit length, then that many 8-bit characters.
    std::string lstr(std::string_view what);
    // One length byte, then that many characters.
    std::string sstr(std::string_view what);
    // A signed 32-bit count of items of at least min_item_size bytes each; rejects negative
    // counts and counts the rest of the data could not hold, before anything is allocated.
    std::int32_t count(std::string_view what, std::size_t min_item_size);

    // The same reads as InflateReader offers, so body readers serve both.
    void read_into(void* dst, std::size_t count, std::string_view what) {
        const auto part = bytes(count, what);
        if (count != 0) std::memcpy(dst, part.data(), count);
    }
    bool could_hold(std::size_t count) const { return count <= remaining(); }

    // Fails unless count bytes are left.
    void require(std::size_t count, std::string_view what) const {
        if (count > remaining()) [[unlikely]]
            fail_short(count, what);
    }

  private:
    [[noreturn]] void fail_short(std::size_t count, std::string_view what) const;

    std::span<const std::uint8_t> data_;
    std::size_t base_ = 0;
    std::size_t pos_ = 0;
};

class ByteWriter {
  public:
    const Bytes& bytes() const { return out_; }
    Bytes take() { return std::move(out_); }
    std::size_t size() const { return out_.size(); }

    void u8(std::uint8_t value) { out_.push_back(value); }
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void i64(std::int64_t value);
    void bytes(std::span<const std::uint8_t> data) {
        out_.insert(out_.end(), data.begin(), data.end());
    }
    void text(std::string_view text);
    // Signed 32-bit length, then the characters.
    void lstr(std::string_view text);
    // One length byte, then the characters; longer texts are an error of the caller.
    void sstr(std::string_view text);
    // Overwrites four bytes written earlier (a size filled in once known).
    void patch_u32(std::size_t at, std::uint32_t value);
    void reserve(std::size_t count) { out_.reserve(count); }

  private:
    Bytes out_;
};

inline std::span<const std::uint8_t> as_bytes(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace tolsy
