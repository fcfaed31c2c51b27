#pragma once
// Bounds-checked little-endian reading and plain writing of byte buffers: the one byte reader of
// the program, under the component streams and every reader of skin data. Every read names the
// field it is after, so that an error says what was being read and where.
//
// A reader reports bad data through its error policy, so that each subsystem raises errors of
// its own family without catching and re-raising; the policy has two static functions that
// throw and never return:
//
//   struct MyErrors {
//       [[noreturn]] static void short_read(ShortRead read);              // data ends early
//       [[noreturn]] static void bad_field(std::string detail, std::size_t offset);
//   };
//   BasicByteReader<MyErrors> in(bytes, base_offset);
//   const std::uint32_t word = in.u32("object count word");
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tolsy {

using Bytes = std::vector<std::uint8_t>;

// The data ends before a field that must follow: what was being read, the offset where it
// begins, the bytes it needs and the bytes the data still holds there.
struct ShortRead {
    std::string field;
    std::size_t offset = 0;
    std::size_t needed = 0;
    std::size_t left = 0;
};

// "field at offset N needs X bytes, Y left": the place and sizes, for messages.
std::string describe(const ShortRead& read);

// The errors of readers that bring no family of their own.
class ShortReadError : public std::runtime_error {
  public:
    explicit ShortReadError(ShortRead read);
    const ShortRead& read() const { return read_; }

  private:
    ShortRead read_;
};

// A field holds a value no data may hold, such as a negative length.
class FieldValueError : public std::runtime_error {
  public:
    FieldValueError(const std::string& detail, std::size_t offset);
    const std::string& detail() const { return detail_; }
    std::size_t offset() const { return offset_; }

  private:
    std::string detail_;
    std::size_t offset_;
};

struct ByteReadErrors {
    [[noreturn]] static void short_read(ShortRead read);
    [[noreturn]] static void bad_field(std::string detail, std::size_t offset);
};

template <class Errors = ByteReadErrors>
class BasicByteReader {
  public:
    // base_offset is added to positions in messages, for readers of a slice of a larger buffer.
    explicit BasicByteReader(std::span<const std::uint8_t> data, std::size_t base_offset = 0)
        : data_(data), base_(base_offset) {}

    std::size_t position() const { return pos_; }
    std::size_t offset() const { return base_ + pos_; }
    std::size_t base_offset() const { return base_; }
    std::size_t remaining() const { return data_.size() - pos_; }
    std::size_t size() const { return data_.size(); }
    bool at_end() const { return pos_ == data_.size(); }
    std::span<const std::uint8_t> data() const { return data_; }
    // Moves to an absolute position inside the data (not past its end).
    void seek(std::size_t position) {
        if (position > data_.size()) [[unlikely]]
            Errors::short_read({"seek", base_ + position, 0, 0});
        pos_ = position;
    }

    std::uint8_t u8(std::string_view what) {
        require(1, what);
        return data_[pos_++];
    }
    // The next byte, left to be read again.
    std::uint8_t peek(std::string_view what) const {
        require(1, what);
        return data_[pos_];
    }
    std::uint16_t u16(std::string_view what) {
        require(2, what);
        const auto* p = data_.data() + pos_;
        pos_ += 2;
        return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
    }
    std::int16_t i16(std::string_view what) { return static_cast<std::int16_t>(u16(what)); }
    std::uint32_t u32(std::string_view what) {
        require(4, what);
        const auto* p = data_.data() + pos_;
        pos_ += 4;
        return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
               (std::uint32_t{p[3]} << 24);
    }
    std::int32_t i32(std::string_view what) { return static_cast<std::int32_t>(u32(what)); }
    std::int64_t i64(std::string_view what) {
        require(8, what);
        std::uint64_t value = 0;
        for (int i = 7; i >= 0; --i) value = (value << 8) | data_[pos_ + i];
        pos_ += 8;
        return static_cast<std::int64_t>(value);
    }
    std::span<const std::uint8_t> bytes(std::size_t count, std::string_view what) {
        require(count, what);
        auto part = data_.subspan(pos_, count);
        pos_ += count;
        return part;
    }
    // A signed 32-bit length, then that many 8-bit characters.
    std::string lstr(std::string_view what) {
        const std::size_t at = offset();
        const std::int32_t length = i32(what);
        if (length < 0) [[unlikely]]
            Errors::bad_field(std::string(what) + " has negative length " + std::to_string(length),
                              at);
        return std::string(text(static_cast<std::size_t>(length), what));
    }
    // One length byte, then that many characters.
    std::string sstr(std::string_view what) { return std::string(short_text(what)); }
    // The same as a view into the data, for names looked up and not kept.
    std::string_view short_text(std::string_view what) {
        const std::uint8_t length = u8(what);
        return text(length, what);
    }
    // A signed 32-bit count of items of at least min_item_size bytes each; rejects negative
    // counts and counts the rest of the data could not hold, before anything is allocated.
    std::int32_t count(std::string_view what, std::size_t min_item_size) {
        const std::size_t at = offset();
        const std::int32_t value = i32(what);
        if (value < 0) [[unlikely]]
            Errors::bad_field(std::string(what) + " is negative (" + std::to_string(value) + ")",
                              at);
        if (min_item_size > 0 && static_cast<std::size_t>(value) > remaining() / min_item_size)
            [[unlikely]]
            Errors::short_read({std::string(what) + " of " + std::to_string(value), at,
                                static_cast<std::size_t>(value) * min_item_size, remaining()});
        return value;
    }

    // The same reads as a reader of compressed data offers, so that body readers serve both.
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
    std::string_view text(std::size_t length, std::string_view what) {
        const auto part = bytes(length, what);
        return {reinterpret_cast<const char*>(part.data()), part.size()};
    }

    [[noreturn, gnu::noinline, gnu::cold]] void fail_short(std::size_t count,
                                                           std::string_view what) const {
        Errors::short_read({std::string(what), offset(), count, remaining()});
    }

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
