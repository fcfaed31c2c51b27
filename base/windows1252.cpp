#include "base/windows1252.h"

#include <array>

namespace tolsy {
namespace {

// 0x80 to 0x9F are the only bytes whose characters differ from their Latin-1 values.
constexpr unsigned char kFirstRemapped = 0x80;
constexpr unsigned char kLastRemapped = 0x9F;
constexpr std::array<char16_t, kLastRemapped - kFirstRemapped + 1> kRemapped = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

bool is_high_surrogate(char16_t c) {
    return c >= 0xD800 && c <= 0xDBFF;
}
bool is_low_surrogate(char16_t c) {
    return c >= 0xDC00 && c <= 0xDFFF;
}

}  // namespace

char16_t windows1252_to_unicode(unsigned char byte) {
    if (byte >= kFirstRemapped && byte <= kLastRemapped) return kRemapped[byte - kFirstRemapped];
    return byte;
}

std::u16string windows1252_to_utf16(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char b : bytes) text.push_back(windows1252_to_unicode(static_cast<unsigned char>(b)));
    return text;
}

std::optional<unsigned char> unicode_to_windows1252(char16_t c) {
    if (c < kFirstRemapped || (c > kLastRemapped && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < kRemapped.size(); ++i) {
        if (kRemapped[i] == c) return static_cast<unsigned char>(kFirstRemapped + i);
    }
    return std::nullopt;
}

std::optional<std::string> utf16_to_windows1252(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (char16_t c : text) {
        const auto b = unicode_to_windows1252(c);
        if (!b) return std::nullopt;
        bytes.push_back(static_cast<char>(*b));
    }
    return bytes;
}

unsigned char unicode_to_windows1252_lossy(char16_t c) {
    return unicode_to_windows1252(c).value_or(kWindows1252Unmappable);
}

std::string utf16_to_windows1252_lossy(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (is_high_surrogate(text[i]) && i + 1 < text.size() && is_low_surrogate(text[i + 1])) ++i;
        bytes.push_back(static_cast<char>(unicode_to_windows1252_lossy(text[i])));
    }
    return bytes;
}

}  // namespace tolsy
