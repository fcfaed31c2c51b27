#pragma once
// The skin's three theme-wide tables: 22 theme colours, 26 system colours and 66 fonts, each
// stored as entries of three lstr (entry name, ":", value text) and taken by position.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "skin/bytes/skin_bytes.h"
#include "toolkit/components/colors.h"

namespace tolsy {

inline constexpr int kThemeColorCount = 22;
inline constexpr int kThemeSysColorCount = 26;
inline constexpr int kThemeFontCount = 66;

// A font as the font table holds it: face, size in points, colour and styles.
struct ThemeFont {
    std::string name = "Tahoma";
    int size = 8;
    Color color = clWindowText;
    std::uint8_t charset = kDefaultCharset;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeout = false;

    bool operator==(const ThemeFont&) const = default;
};

struct TteThemeColors {
    std::array<Color, kThemeColorCount> colors{};  // a new table holds zeros
    static const std::array<std::string_view, kThemeColorCount>& names();
    bool operator==(const TteThemeColors&) const = default;
};

struct TteThemeSysColors {
    // A new table holds the platform's current values of the system colours it names.
    TteThemeSysColors();
    std::array<Color, kThemeSysColorCount> colors{};
    // The entry names, which are also the system colours each position stands for.
    static const std::array<std::string_view, kThemeSysColorCount>& names();
    bool operator==(const TteThemeSysColors&) const = default;
};

struct TteThemeFonts {
    std::array<ThemeFont, kThemeFontCount> fonts{};  // a new table: face "Tahoma"
    static const std::array<std::string_view, kThemeFontCount>& names();
    bool operator==(const TteThemeFonts&) const = default;
};

// Colour text: a colour name of the toolkit, "$" and 8 hexadecimal digits, or a decimal number.
std::string color_to_text(Color color);
Color color_from_text(std::string_view text);  // throws SkinFormatError

// Font text: "face,size,charset,red,green,blue" and ",bold", ",italic", ",underline",
// ",strikeout" for each style; fields may also be separated by ";". The character set is
// written but not read; the colour is written as its low three bytes.
std::string font_to_text(const ThemeFont& font);
ThemeFont font_from_text(std::string_view text);  // throws SkinFormatError

// Each reader returns the number of entries the stored table held.
int read_color_table(ByteReader& in, TteThemeColors& table);
void write_color_table(ByteWriter& out, const TteThemeColors& table);
int read_sys_color_table(ByteReader& in, TteThemeSysColors& table);
void write_sys_color_table(ByteWriter& out, const TteThemeSysColors& table);
int read_font_table(ByteReader& in, TteThemeFonts& table);
void write_font_table(ByteWriter& out, const TteThemeFonts& table);

}  // namespace tolsy
