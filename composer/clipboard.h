#pragma once
// The display line's text as it goes on the clipboard, and the error when it cannot.
#include <stdexcept>
#include <string>
#include <string_view>

namespace tolsy {

inline constexpr std::string_view kCannotOpenClipboard = "Cannot open clipboard";

// Another program holds the clipboard; the write is abandoned and the old contents stay.
class ClipboardError : public std::runtime_error {
  public:
    ClipboardError() : std::runtime_error(std::string(kCannotOpenClipboard)) {}
};

// The bytes stored as plain 8-bit text: the line's bytes and the terminating zero byte, so an
// empty line still replaces the clipboard with an empty text.
std::string clipboard_text_payload(std::string_view line);

}  // namespace tolsy
