#include "skin/bytes/byte_io.h"

#include <limits>
#include <stdexcept>

#include "skin/bytes/skin_error.h"

namespace tolsy {

void ByteReader::seek(std::size_t position) {
    if (position > data_.size()) throw ESkinReadError("seek", base_ + position, 0, 0);
    pos_ = position;
}

void ByteReader::fail_short(std::size_t count, std::string_view what) const {
    throw ESkinReadError(std::string(what), offset(), count, remaining());
}

std::uint16_t ByteReader::u16(std::string_view what) {
    require(2, what);
    const auto* p = data_.data() + pos_;
    pos_ += 2;
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t ByteReader::u32(std::string_view what) {
    require(4, what);
    const auto* p = data_.data() + pos_;
    pos_ += 4;
    return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16) |
           (std::uint32_t{p[3]} << 24);
}

std::int64_t ByteReader::i64(std::string_view what) {
    require(8, what);
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | data_[pos_ + i];
    pos_ += 8;
    return static_cast<std::int64_t>(value);
}

std::string ByteReader::lstr(std::string_view what) {
    const std::size_t at = offset();
    const std::int32_t length = i32(what);
    if (length < 0)
        throw ESkinFormatError(std::string(what) + " has negative length " + std::to_string(length),
                               at);
    auto text = bytes(static_cast<std::size_t>(length), what);
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

std::string ByteReader::sstr(std::string_view what) {
    const std::uint8_t length = u8(what);
    auto text = bytes(length, what);
    return {reinterpret_cast<const char*>(text.data()), text.size()};
}

std::int32_t ByteReader::count(std::string_view what, std::size_t min_item_size) {
    const std::size_t at = offset();
    const std::int32_t value = i32(what);
    if (value < 0)
        throw ESkinFormatError(std::string(what) + " is negative (" + std::to_string(value) + ")",
                               at);
    if (min_item_size > 0 && static_cast<std::size_t>(value) > remaining() / min_item_size)
        throw ESkinReadError(std::string(what) + " of " + std::to_string(value), at,
                             static_cast<std::size_t>(value) * min_item_size, remaining());
    return value;
}

void ByteWriter::u16(std::uint16_t value) {
    out_.push_back(value & 0xFF);
    out_.push_back(value >> 8);
}

void ByteWriter::u32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out_.push_back((value >> (8 * i)) & 0xFF);
}

void ByteWriter::i64(std::int64_t value) {
    const auto bits = static_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) out_.push_back((bits >> (8 * i)) & 0xFF);
}

void ByteWriter::text(std::string_view text) {
    bytes(as_bytes(text));
}

void ByteWriter::lstr(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        throw std::length_error("String is too long to store");
    i32(static_cast<std::int32_t>(text.size()));
    this->text(text);
}

void ByteWriter::sstr(std::string_view text) {
    if (text.size() > 255) throw std::length_error("Short string is longer than 255 characters");
    u8(static_cast<std::uint8_t>(text.size()));
    this->text(text);
}

void ByteWriter::patch_u32(std::size_t at, std::uint32_t value) {
    if (at + 4 > out_.size()) throw std::out_of_range("patch_u32 past the end");
    for (int i = 0; i < 4; ++i) out_[at + i] = (value >> (8 * i)) & 0xFF;
}

}  // namespace tolsy
