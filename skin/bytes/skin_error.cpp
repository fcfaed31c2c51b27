#include "skin/bytes/skin_error.h"

#include "skin/bytes/skin_bytes.h"

namespace tolsy {

ESkinReadError::ESkinReadError(const ShortRead& read)
    : ESkinError("Stream read error: " + describe(read)) {}

ESkinReadError::ESkinReadError(const std::string& what, std::size_t offset, std::size_t needed,
                               std::size_t left)
    : ESkinReadError(ShortRead{what, offset, needed, left}) {}

ESkinReadError::ESkinReadError(const std::string& what, std::size_t offset, std::size_t needed)
    : ESkinError("Stream read error: " + what + " at offset " + std::to_string(offset) + " needs " +
                 std::to_string(needed) + " bytes, more than the data holds") {}

ESkinFormatError::ESkinFormatError(const std::string& what, std::size_t offset)
    : ESkinError("Invalid skin data: " + what + " at offset " + std::to_string(offset)),
      detail_(what) {}

ESkinFormatError::ESkinFormatError(const std::string& what)
    : ESkinError("Invalid skin data: " + what), detail_(what) {}

ESkinClassNotFound::ESkinClassNotFound(const std::string& class_name, std::size_t offset)
    : ESkinError("Class " + class_name + " not found (object record at offset " +
                 std::to_string(offset) + ")") {}

void SkinReadErrors::short_read(ShortRead read) {
    throw ESkinReadError(read);
}

void SkinReadErrors::bad_field(std::string detail, std::size_t offset) {
    throw ESkinFormatError(detail, offset);
}

EImageAllocError::EImageAllocError() : ESkinError("Can't allocate the DIB handle") {}

}  // namespace tolsy
