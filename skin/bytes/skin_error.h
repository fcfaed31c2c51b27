#pragma once
// Errors of the skin engine's readers and writers. Each kind of failure has its own class so
// callers (and tests) can tell a truncated stream from a malformed one or a zlib failure.
#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

#include "base/byte_io.h"

namespace tolsy {

// Base of every skin data error: the message already says what went wrong and where.
class SkinError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// The data ends before a field that must follow: "Stream read error" plus what and where.
class SkinReadError : public SkinError {
  public:
    explicit SkinReadError(const ShortRead& read);
    SkinReadError(const std::string& what, std::size_t offset, std::size_t needed,
                  std::size_t left);
    // For compressed data, where what is left is not known until it is inflated.
    SkinReadError(const std::string& what, std::size_t offset, std::size_t needed);
};

// A field holds a value the format does not allow (negative length, absurd size, bad text).
class SkinFormatError : public SkinError {
  public:
    SkinFormatError(const std::string& what, std::size_t offset);
    // For text fields (colour and font texts) where a byte offset says little.
    explicit SkinFormatError(const std::string& what);
    // What was wrong, without the place: for re-raising with a better place.
    const std::string& detail() const { return detail_; }

  private:
    std::string detail_;
};

// An object record names a class that no registered skin object class resolves to. The read
// stops there and the source is left cleared: no skin is loaded with parts missing.
class SkinClassNotFoundError : public SkinError {
  public:
    SkinClassNotFoundError(const std::string& class_name, std::size_t offset);
};

// zlib reported corrupt or truncated compressed data.
class DecompressionError : public SkinError {
  public:
    using SkinError::SkinError;
};

// An image whose pixels cannot be held in memory.
class ImageAllocError : public SkinError {
  public:
    ImageAllocError();
};

// Reading would spend more memory or work than the load's budget allows (base/load_budget.h):
// the message names what was being read, where, and the limit.
class SkinLimitError : public SkinError {
  public:
    using SkinError::SkinError;
};

// Charges amount to the budget of the load in progress, if any; SkinLimitError naming what and
// offset when the budget would be passed.
void charge_load(std::size_t amount, std::string_view what, std::size_t offset);

// A file could not be opened, read or written.
class SkinFileError : public SkinError {
  public:
    using SkinError::SkinError;
};

}  // namespace tolsy
