#include "composer/palette.h"

#include <algorithm>
#include <array>

namespace tolsy {
namespace {

constexpr PalettePage S1 = PalettePage::kSymbols;
constexpr PalettePage S2 = PalettePage::kSymbols2;
constexpr int W = kPaletteButtonWidth;
constexpr int H = kPaletteButtonHeight;
constexpr int F = kPaletteFontHeight;

// Labels are the Windows-1252 characters of the codes (U+00xx for 0xA0..0xFF).
constexpr std::array<PaletteButton, kPaletteButtonCount> kButtons = {{
    // Symbols: datum letters A to O.
    {1, S1, 0, 0, W, H, -15, u"\u00C0"},
    {2, S1, 24, 0, W, H, F, u"\u00C1"},
    {3, S1, 48, 0, W, H, F, u"\u00C2"},
    {4, S1, 72, 0, W, H, F, u"\u00C3"},
    {5, S1, 96, 0, W, H, F, u"\u00C4"},
    {6, S1, 120, 0, W, H, F, u"\u00C5"},
    {7, S1, 144, 0, W, H, F, u"\u00C6"},
    {8, S1, 168, 0, W, H, F, u"\u00C7"},
    {9, S1, 192, 0, W, H, F, u"\u00C8"},
    {10, S1, 216, 0, W, H, F, u"\u00C9"},
    {11, S1, 240, 0, W, H, F, u"\u00CA"},
    {12, S1, 264, 0, W, H, F, u"\u00CB"},
    {13, S1, 288, 0, W, H, F, u"\u00CC"},
    {14, S1, 312, 0, W, H, F, u"\u00CD"},
    {15, S1, 336, 0, W, H, F, u"\u00CE"},
    // Datum letters P to Z.
    {16, S1, 0, 21, W, H, F, u"\u00CF"},
    {17, S1, 24, 21, W, H, F, u"\u00D0"},
    {18, S1, 48, 21, W, H, F, u"\u00D1"},
    {19, S1, 72, 21, W, H, F, u"\u00D2"},
    {20, S1, 96, 21, W, H, F, u"\u00D3"},
    {21, S1, 120, 21, W, H, F, u"\u00D4"},
    {22, S1, 144, 21, W, H, F, u"\u00D5"},
    {23, S1, 168, 21, W, H, F, u"\u00D6"},
    {24, S1, 192, 21, W, H, F, u"\u00D7"},
    {25, S1, 216, 21, W, H, F, u"\u00D8"},
    {26, S1, 240, 21, W, H, F, u"\u00D9"},
    {61, S1, 299, 22, W, H, F, u"\u00A1"},
    {62, S1, 322, 22, W, H, F, u"\u00B1"},
    {63, S1, 345, 22, W, H, F, u"\u00B0"},
    // Characteristic symbols.
    {31, S1, 0, 44, W, H, F, u"\u00FB"},
    {28, S1, 23, 44, W, H, F, u"\u00E8"},
    {29, S1, 46, 44, W, H, F, u"\u00E7"},
    {30, S1, 69, 44, W, H, F, u"\u00E1"},
    {32, S1, 92, 44, W, H, F, u"\u00E2"},
    {33, S1, 115, 44, W, H, F, u"\u00E3"},
    {34, S1, 138, 44, W, H, F, u"\u00E5"},
    {35, S1, 161, 44, W, H, F, u"\u00E4"},
    {36, S1, 185, 44, 25, H, F, u"\u00E6"},
    {37, S1, 210, 44, W, H, F, u"\u00FC"},
    {38, S1, 233, 44, W, H, F, u"\u00B2"},
    {39, S1, 256, 44, W, H, F, u"\u00B3"},
    {60, S1, 279, 44, W, H, F, u"\u00FF"},
    {99, S1, 302, 44, W, H, F, u"\u2013"},
    {100, S1, 322, 44, W, H, F, u"\u00BA"},
    // Boxes, digits, point and minus.
    {46, S1, 0, 68, W, H, F, u"\u00EB"},
    {47, S1, 23, 68, W, H, F, u"\u00EC"},
    {48, S1, 46, 68, W, H, F, u"\u00ED"},
    {49, S1, 95, 68, W, H, F, u"\u00EE"},
    {50, S1, 118, 68, W, H, F, u"\u00EF"},
    {51, S1, 141, 68, W, H, F, u"\u00F0"},
    {52, S1, 164, 68, W, H, F, u"\u00F1"},
    {53, S1, 187, 68, W, H, F, u"\u00F2"},
    {54, S1, 210, 68, W, H, F, u"\u00F3"},
    {55, S1, 233, 68, W, H, F, u"\u00F4"},
    {56, S1, 256, 68, W, H, F, u"\u00F5"},
    {57, S1, 280, 68, W, H, F, u"\u00F6"},
    {58, S1, 303, 68, W, H, F, u"\u00F7"},
    {59, S1, 326, 68, W, H, F, u"\u00F9"},
    {70, S1, 349, 68, W, H, F, u"\u00FA"},
    {65, S1, 3, 96, W, H, F, u"\u00E9"},
    {66, S1, 26, 96, W, H, F, u"\u00EA"},
    {67, S1, 49, 96, W, H, F, u"\u00B9"},
    {68, S1, 72, 96, W, H, F, u"\u00B6"},
    {27, S1, 169, 96, W, H, F, u"\u00E0"},
    {98, S1, 193, 96, W, H, F, u"\u2022"},
    // Modifiers.
    {40, S1, 227, 100, W, H, F, u"\u00DF"},
    {41, S1, 250, 100, W, H, F, u"\u00DE"},
    {42, S1, 273, 100, W, H, F, u"\u00DD"},
    {43, S1, 296, 100, W, H, F, u"\u2026"},
    {44, S1, 319, 100, W, H, F, u"\u017E"},
    {45, S1, 342, 100, W, H, F, u"\u0178"},
    // Symbols2.
    {71, S2, 0, 0, W, H, F, u"\u00FE"},
    {72, S2, 23, 0, W, H, F, u"  \u00A4"},
    {73, S2, 46, 0, W, H, F, u"\u00BF"},
    {74, S2, 70, 0, W, H, F, u"\u00AC"},
    {75, S2, 95, 0, W, H, F, u"\u00DB"},
    {76, S2, 119, 0, W, H, F, u"\u00DA"},
    {77, S2, 143, 0, W, H, F, u"\u00B4"},
    {78, S2, 167, 0, W, H, F, u"\u00BB"},
    {79, S2, 191, 0, W, H, F, u"\u00AB"},
    {80, S2, 8, 32, W, H, -21, u"\u201A"},
    {81, S2, 32, 32, W, H, F, u"\u2020"},
    {82, S2, 56, 32, W, H, F, u"\u2021"},
    {83, S2, 80, 32, W, H, F, u"\u02C6"},
    {84, S2, 103, 32, W, H, F, u"\u2030"},
    {85, S2, 127, 32, W, H, F, u"\u0160"},
    {86, S2, 151, 32, W, H, F, u"\u2039"},
    {87, S2, 175, 32, W, H, F, u"\u0152"},
    {88, S2, 198, 32, W, H, F, u"\u0192"},
    {64, S2, 222, 32, W, H, F, u"\u00A2"},
    {69, S2, 246, 32, W, H, F, u"\u00FD"},
    {89, S2, 4, 64, W, H, F, u"\u2018"},
    {90, S2, 28, 64, W, H, F, u"\u2019"},
    {91, S2, 52, 64, W, H, F, u"\u201C"},
    {92, S2, 76, 64, W, H, F, u"\u201D"},
    {93, S2, 100, 64, W, H, F, u"\u201E"},
    {94, S2, 124, 64, W, H, F, u"\u00A8"},
    {95, S2, 175, 64, W, H, F, u"\u00B8"},
    {96, S2, 199, 64, W, H, F, u"\u0153"},
    {97, S2, 223, 64, W, H, F, u"\u00AE"},
    {101, S2, 248, 64, W, H, F, u"\u02DC"},
    {102, S2, 272, 64, W, H, F, u"\u0161"},
    {103, S2, 296, 64, W, H, F, u"\u00AF"},
}};

constexpr unsigned char kLastTrimmedByte = 0x20;

bool is_trimmed(char c) {
    return static_cast<unsigned char>(c) <= kLastTrimmedByte;
}

}  // namespace

std::span<const PaletteButton> palette_buttons() {
    return kButtons;
}

int palette_label_glyph(std::string_view label_bytes) {
    const auto first = std::find_if_not(label_bytes.begin(), label_bytes.end(), is_trimmed);
    // Trimming the end cannot remove the first kept byte, so it alone decides.
    if (first == label_bytes.end()) return -1;
    return static_cast<unsigned char>(*first);
}

LineEdit insert_palette_glyph(std::string_view line, std::size_t caret,
                              std::string_view label_bytes) {
    const std::size_t at = std::min(caret, line.size());
    const int glyph = palette_label_glyph(label_bytes);
    if (glyph < 0) return {std::string(line), at};
    std::string text(line);
    text.insert(text.begin() + static_cast<std::ptrdiff_t>(at), static_cast<char>(glyph));
    return {std::move(text), at + 1};
}

}  // namespace tolsy
