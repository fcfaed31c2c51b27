#include "base/byte_io.h"

#include <limits>

namespace tolsy {

std::string describe(const ShortRead& read) {
    return read.field + " at offset " + std::to_string(read.offset) + " needs " +
           std::to_string(read.needed) + " bytes, " + std::to_string(read.left) + " left";
}

ShortReadError::ShortReadError(ShortRead read)
    : std::runtime_error("Data ends early: " + describe(read)), read_(std::move(read)) {}

FieldValueError::FieldValueError(const std::string& detail, std::size_t offset)
    : std::runtime_error("Invalid field: " + detail + " at offset " + std::to_string(offset)),
      detail_(detail),
      offset_(offset) {}

void ByteReadErrors::short_read(ShortRead read) {
    throw ShortReadError(std::move(read));
}

void ByteReadErrors::bad_field(std::string detail, std::size_t offset) {
    throw FieldValueError(detail, offset);
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
