#include "composer/cp1252.h"

#include <array>

namespace tolsy {
namespace {

// 0x80 to 0x9F are the only bytes that differ from Latin-1.
constexpr std::array<char16_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98-9F
};

constexpr unsigned char kFirstRemapped = 0x80;
constexpr unsigned char kLastRemapped = 0x9F;

bool is_surrogate(char16_t ch) {
    return ch >= 0xD800 && ch <= 0xDFFF;
}
bool is_high_surrogate(char16_t ch) {
    return ch >= 0xD800 && ch <= 0xDBFF;
}
bool is_low_surrogate(char16_t ch) {
    return ch >= 0xDC00 && ch <= 0xDFFF;
}

}  // namespace

char16_t cp1252_to_unicode(unsigned char byte) {
    if (byte >= kFirstRemapped && byte <= kLastRemapped) {
        return kHighControlRange[byte - kFirstRemapped];
    }
    return byte;
}

unsigned char unicode_to_cp1252(char16_t ch) {
    if (ch < kFirstRemapped || (ch > kLastRemapped && ch <= 0xFF)) {
        return static_cast<unsigned char>(ch);
    }
    for (std::size_t i = 0; i < kHighControlRange.size(); ++i) {
        if (kHighControlRange[i] == ch) return static_cast<unsigned char>(kFirstRemapped + i);
    }
    return kCp1252Unmappable;
}

std::u16string cp1252_to_utf16(std::string_view bytes) {
    std::u16string text;
    text.reserve(bytes.size());
    for (char b : bytes) text.push_back(cp1252_to_unicode(static_cast<unsigned char>(b)));
    return text;
}

std::string utf16_to_cp1252(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t ch = text[i];
        if (is_surrogate(ch)) {
            if (is_high_surrogate(ch) && i + 1 < text.size() && is_low_surrogate(text[i + 1])) ++i;
            bytes.push_back(static_cast<char>(kCp1252Unmappable));
            continue;
        }
        bytes.push_back(static_cast<char>(unicode_to_cp1252(ch)));
    }
    return bytes;
}

}  // namespace tolsy
