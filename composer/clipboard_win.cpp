#include "composer/clipboard_win.h"

#include <cstring>
#include <stdexcept>

#include "composer/clipboard.h"

namespace tolsy {

namespace {
// Opened clipboard, closed on every way out.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner)
        : open_(open_with_retries(
              [owner] { return OpenClipboard(owner) != FALSE; },
              [](int milliseconds) { Sleep(static_cast<DWORD>(milliseconds)); })) {}
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    ~OpenClipboardScope() {
        if (open_) CloseClipboard();
    }
    bool open() const { return open_; }

  private:
    bool open_;
};
// Global memory freed unless handed over to the clipboard.
class GlobalMemory {
  public:
    explicit GlobalMemory(std::size_t size) : memory_(GlobalAlloc(GMEM_MOVEABLE, size)) {}
    GlobalMemory(const GlobalMemory&) = delete;
    GlobalMemory& operator=(const GlobalMemory&) = delete;
    ~GlobalMemory() {
        if (memory_) GlobalFree(memory_);
    }
    HGLOBAL get() const { return memory_; }
    void release() { memory_ = nullptr; }

  private:
    HGLOBAL memory_;
};

}  // namespace

void write_clipboard_text(HWND owner, std::string_view bytes) {
    // The new text is made ready first: the clipboard is emptied only when it can be stored.
    const std::string payload = clipboard_text_payload(bytes);
    GlobalMemory memory(payload.size());
    if (!memory.get()) throw ClipboardError();
    void* target = GlobalLock(memory.get());
    if (!target) throw ClipboardError();
    std::memcpy(target, payload.data(), payload.size());
    GlobalUnlock(memory.get());

    OpenClipboardScope clipboard(owner);
    if (!clipboard.open() || !EmptyClipboard()) throw ClipboardError();
    // On success the clipboard owns the memory.
    if (!SetClipboardData(CF_TEXT, memory.get())) throw ClipboardError();
    memory.release();
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

std::wstring read_clipboard_unicode(HWND owner) {
    OpenClipboardScope clipboard(owner);
    if (!clipboard.open()) throw ClipboardError();
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    if (!data) return {};
    const auto* text = static_cast<const wchar_t*>(GlobalLock(data));
    if (!text) return {};
    const std::size_t capacity = GlobalSize(data) / sizeof(wchar_t);
    std::wstring result(text, wcsnlen(text, capacity));
    GlobalUnlock(data);
    return result;
}

}  // namespace tolsy
