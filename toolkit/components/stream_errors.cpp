#include "toolkit/components/stream_errors.h"

namespace tolsy {

std::string at_offset(const std::string& what, std::size_t offset) {
    return what + " at offset " + std::to_string(offset);
}

StreamFormatError::StreamFormatError(const std::string& what, std::size_t offset)
    : StreamError(at_offset(what, offset)), offset_(offset) {}

TextSyntaxError::TextSyntaxError(const std::string& what, int line, int column)
    : StreamError(what + " at line " + std::to_string(line) + ", column " + std::to_string(column)),
      line_(line),
      column_(column) {}

}  // namespace tolsy
