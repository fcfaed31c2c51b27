#pragma once
// Errors of component streaming. Every message says what was wrong and where: a byte offset for
// the binary stream, a line and column for the textual form. The place is kept as data beside
// the message, so that a reader of a stream inside other data can name the place in that data.
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>

#include "base/byte_io.h"

namespace tolsy {

// Base of all streaming errors, so callers can catch them together.
class StreamError : public std::runtime_error {
  public:
    explicit StreamError(const std::string& what);
    // "detail at offset N".
    StreamError(const std::string& detail, std::size_t offset);

    // What was wrong, without the place.
    const std::string& detail() const { return detail_; }
    // The byte offset the message names, when it names one.
    bool has_offset() const { return offset_.has_value(); }
    std::size_t offset() const { return offset_.value_or(0); }

  protected:
    StreamError(const std::string& message, const std::string& detail);

  private:
    std::string detail_;
    std::optional<std::size_t> offset_;
};

// A binary component stream that breaks the format (bad type byte, truncated data ...).
class StreamFormatError : public StreamError {
  public:
    StreamFormatError(const std::string& what, std::size_t offset);
};

// The stream ends before a field: "Stream ends early: <field> expected".
class StreamEndsEarlyError : public StreamFormatError {
  public:
    explicit StreamEndsEarlyError(const ShortRead& read);
    const ShortRead& read() const { return read_; }

  private:
    ShortRead read_;
};

// How the byte reader under the binary stream reports bad data.
struct StreamReadErrors {
    [[noreturn]] static void short_read(ShortRead read);
    [[noreturn]] static void bad_field(std::string detail, std::size_t offset);
};

// A textual component description that breaks the grammar.
class TextSyntaxError : public StreamError {
  public:
    TextSyntaxError(const std::string& what, int line, int column);
    int line() const { return line_; }
    int column() const { return column_; }

  private:
    int line_;
    int column_;
};

// A tree that cannot be written in the requested form (a name longer than 255 bytes ...).
class StreamWriteError : public StreamError {
  public:
    using StreamError::StreamError;
};

// A class name that no registered class carries: "Class X not found".
class ClassNotFoundError : public StreamError {
  public:
    using StreamError::StreamError;
};

// A property name the object's class does not publish: "Property X does not exist".
class UnknownPropertyError : public StreamError {
  public:
    using StreamError::StreamError;
};

// A value of the wrong kind or out of range for its property: "Invalid property value".
class PropertyValueError : public StreamError {
  public:
    using StreamError::StreamError;
};

// An invalid or duplicate component name.
class ComponentNameError : public StreamError {
  public:
    using StreamError::StreamError;
};

}  // namespace tolsy
