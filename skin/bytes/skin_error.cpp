#include "skin/bytes/skin_error.h"

namespace tolsy {

ESkinReadError::ESkinReadError(const std::string& what, std::size_t offset, std::size_t needed,
                               std::size_t left)
    : ESkinError("Stream read error: " + what + " at offset " + std::to_string(offset) + " needs " +
                 std::to_string(needed) + " bytes, " + std::to_string(left) + " left") {}

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

EImageAllocError::EImageAllocError() : ESkinError("Can't allocate the DIB handle") {}

}  // namespace tolsy
