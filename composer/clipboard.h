#pragma once
// The display line's text as it goes on the clipboard, and the error when it cannot.
#include <functional>
#include <string>
#include <string_view>

#include "composer/composer_error.h"

namespace tolsy {

inline constexpr std::string_view kCannotOpenClipboard = "Cannot open clipboard";

// Another program holds the clipboard, or the new text could not be prepared; the write is
// abandoned and the old contents stay.
class ClipboardError : public ComposerError {
  public:
    ClipboardError() : ComposerError(std::string(kCannotOpenClipboard)) {}
};

// The bytes stored as plain 8-bit text: the line's bytes and the terminating zero byte, so an
// empty line still replaces the clipboard with an empty text.
std::string clipboard_text_payload(std::string_view line);

// A clipboard another program holds for a moment (a clipboard monitor answering our own
// previous write) is asked again this many times, this far apart, before the error box.
inline constexpr int kClipboardOpenAttempts = 10;
inline constexpr int kClipboardRetryMilliseconds = 20;

// Calls try_open until it succeeds, at most kClipboardOpenAttempts times, with
// wait(kClipboardRetryMilliseconds) between tries; whether it succeeded.
bool open_with_retries(const std::function<bool()>& try_open,
                       const std::function<void(int milliseconds)>& wait);

}  // namespace tolsy
