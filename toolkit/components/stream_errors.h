#pragma once
// Errors of component streaming. Every message says what was wrong and where: a byte offset for
// the binary stream, a line and column for the textual form.
#include <cstddef>
#include <stdexcept>
#include <string>

namespace tolsy {

// Base of all streaming errors, so callers can catch them together.
class StreamError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// A binary component stream that breaks the format (bad type byte, truncated data ...).
class StreamFormatError : public StreamError {
  public:
    StreamFormatError(const std::string& what, std::size_t offset);
    std::size_t offset() const { return offset_; }

  private:
    std::size_t offset_;
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

// Appends " at offset N" to a message about a binary stream position.
std::string at_offset(const std::string& what, std::size_t offset);

}  // namespace tolsy
