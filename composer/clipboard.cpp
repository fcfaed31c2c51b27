#include "composer/clipboard.h"

namespace tolsy {

std::string clipboard_text_payload(std::string_view line) {
    std::string payload(line);
    payload.push_back('\0');
    return payload;
}

bool open_with_retries(const std::function<bool()>& try_open,
                       const std::function<void(int milliseconds)>& wait) {
    for (int attempt = 1;; ++attempt) {
        if (try_open()) return true;
        if (attempt == kClipboardOpenAttempts) return false;
        wait(kClipboardRetryMilliseconds);
    }
}

}  // namespace tolsy
