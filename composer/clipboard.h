#pragma once
// The display line's text as it goes on the clipboard, and the error when it cannot.
#include <string>
#include <string_view>

#include "composer/composer_error.h"

namespace tolsy {

inline constexpr std::string_view kCannotOpenClipboard = "Cannot open clipboard";

// Another program holds the clipboard; the write is abandoned and the old contents stay.
class ClipboardError : public ComposerError {
  public:
    ClipboardError() : ComposerError(std::string(kCannotOpenClipboard)) {}
};

// The bytes stored as plain 8-bit text: the line's bytes and the terminating zero byte, so an
// empty line still replaces the clipboard with an empty text.
std::string clipboard_text_payload(std::string_view line);

}  // namespace tolsy
