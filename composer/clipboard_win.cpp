#include "composer/clipboard_win.h"

#include <cstring>
#include <stdexcept>

#include "composer/clipboard.h"

namespace tolsy {

namespace {
// Opened clipboard, closed on every way out.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    bool open() const { return open_; }

  private:
    bool open_;
};
}  // namespace

void write_clipboard_text(HWND owner, std::string_view bytes) {
    const std::string payload = clipboard_text_payload(bytes);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, payload.size());
    if (!memory) throw std::bad_alloc();
    void* target = GlobalLock(memory);
    std::memcpy(target, payload.data(), payload.size());
    GlobalUnlock(memory);

    OpenClipboardScope clipboard(owner);
    if (!clipboard.open()) {
        GlobalFree(memory);
        throw ClipboardError();
    }
    EmptyClipboard();
    // On success the clipboard owns the memory.
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);
}

std::string read_clipboard_text(HWND owner, bool* present) {
    if (present) *present = false;
    OpenClipboardScope clipboard(owner);
    if (!clipboard.open()) throw ClipboardError();
    HANDLE data = GetClipboardData(CF_TEXT);
    if (!data) return {};
    const auto* text = static_cast<const char*>(GlobalLock(data));
    if (!text) return {};
    const std::size_t capacity = GlobalSize(data);
    std::string result(text, strnlen(text, capacity));
    GlobalUnlock(data);
    if (present) *present = true;
    return result;
}

}  // namespace tolsy
