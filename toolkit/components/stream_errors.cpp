#include "toolkit/components/stream_errors.h"

namespace tolsy {

StreamError::StreamError(const std::string& what) : std::runtime_error(what), detail_(what) {}

StreamError::StreamError(const std::string& detail, std::size_t offset)
    : std::runtime_error(detail + " at offset " + std::to_string(offset)),
      detail_(detail),
      offset_(offset) {}

StreamError::StreamError(const std::string& message, const std::string& detail)
    : std::runtime_error(message), detail_(detail) {}

StreamFormatError::StreamFormatError(const std::string& what, std::size_t offset)
    : StreamError(what, offset) {}

StreamEndsEarlyError::StreamEndsEarlyError(const ShortRead& read)
    : StreamFormatError("Stream ends early: " + read.field + " expected", read.offset),
      read_(read) {}

void StreamReadErrors::short_read(ShortRead read) {
    throw StreamEndsEarlyError(read);
}

void StreamReadErrors::bad_field(std::string detail, std::size_t offset) {
    throw StreamFormatError(detail, offset);
}

TextSyntaxError::TextSyntaxError(const std::string& what, int line, int column)
    : StreamError(what + " at line " + std::to_string(line) + ", column " + std::to_string(column),
                  what),
      line_(line),
      column_(column) {}

}  // namespace tolsy
