#pragma once
// The Windows-1252 conversions for the platform's wide strings: where the program's 8-bit text
// meets a Unicode window, a message box or a font name.
#include <string>
#include <string_view>

#include "base/windows1252.h"

namespace tolsy {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the platform's wide strings are UTF-16");

inline std::wstring windows1252_to_wide(std::string_view bytes) {
    std::wstring text;
    text.reserve(bytes.size());
    for (char b : bytes)
        text.push_back(static_cast<wchar_t>(windows1252_to_unicode(static_cast<unsigned char>(b))));
    return text;
}

// Characters outside the code page become '?', as utf16_to_windows1252_lossy makes them.
inline std::string wide_to_windows1252_lossy(std::wstring_view text) {
    return utf16_to_windows1252_lossy(std::u16string(text.begin(), text.end()));
}

}  // namespace tolsy
