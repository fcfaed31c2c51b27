#pragma once
// Writes plain 8-bit text to the system clipboard as CF_TEXT, and nothing else.
#include <windows.h>

#include <string>
#include <string_view>

namespace tolsy {

// Replaces the clipboard's contents with the bytes and a terminating zero. Throws ClipboardError
// when another program holds the clipboard; the old contents then stay.
void write_clipboard_text(HWND owner, std::string_view bytes);

// The clipboard's CF_TEXT bytes up to the terminating zero; `present` tells an empty text from
// none at all. Throws ClipboardError when the clipboard cannot be opened.
std::string read_clipboard_text(HWND owner, bool* present = nullptr);

// The clipboard's text as Unicode (CF_UNICODETEXT, which the system also makes from 8-bit
// text) up to its terminating zero; empty when there is none. Throws ClipboardError when the
// clipboard cannot be opened.
std::wstring read_clipboard_unicode(HWND owner);

}  // namespace tolsy
