#include "skin/stored/theme_tables.h"

#include <gtest/gtest.h>

#include "skin/bytes/skin_error.h"
#include "skin/model/system_colours.h"

namespace tolsy {
namespace {

TEST(FontText, ReadsFaceSizeColourAndOnlyTheStylesPresent) {
    const ThemeFont f = font_from_text("Arial,9,0,255,0,0,italic");
    EXPECT_EQ(f.name, "Arial");
    EXPECT_EQ(f.size, 9);
    EXPECT_EQ(f.color, rgb_color(255, 0, 0));
    EXPECT_TRUE(f.italic);
    EXPECT_FALSE(f.bold);
    EXPECT_FALSE(f.underline);
    EXPECT_FALSE(f.strikeout);
}

TEST(FontText, SemicolonsSeparateTooAndTheCharsetIsNotRead) {
    const ThemeFont f = font_from_text("Trebuchet MS;10;238;128;128;128;bold;strikeout");
    EXPECT_EQ(f.name, "Trebuchet MS");
    EXPECT_EQ(f.size, 10);
    EXPECT_EQ(f.color, rgb_color(128, 128, 128));
    EXPECT_EQ(f.charset, ThemeFont{}.charset);
    EXPECT_TRUE(f.bold);
    EXPECT_TRUE(f.strikeout);
    EXPECT_FALSE(f.italic);
}

TEST(FontText, WritesStylesInOrderAndTheColoursLowBytes) {
    ThemeFont f;
    f.name = "Tolsy";
    f.size = 11;
    f.charset = 2;
    f.color = clWindowText;  // a system colour is stored by its index byte
    f.underline = f.bold = true;
    EXPECT_EQ(font_to_text(f), "Tolsy,11,2,8,0,0,bold,underline");
    f.color = rgb_color(1, 2, 3);
    f.bold = f.underline = false;
    f.italic = true;
    EXPECT_EQ(font_from_text(font_to_text(f)).color, f.color);
}

TEST(FontText, MalformedTextsAreErrors) {
    EXPECT_THROW(font_from_text("Arial,9,0,255,0"), SkinFormatError);
    EXPECT_THROW(font_from_text("Arial,nine,0,255,0,0"), SkinFormatError);
    EXPECT_THROW(font_from_text("Arial,9,0,256,0,0"), SkinFormatError);
    EXPECT_THROW(font_from_text("Arial,9,0,-1,0,0"), SkinFormatError);
    EXPECT_THROW(font_from_text(""), SkinFormatError);
}

TEST(ColorText, NamesHexAndNumbers) {
    EXPECT_EQ(color_from_text("clBlack"), clBlack);
    EXPECT_EQ(color_from_text("clhighlight"), clHighlight);
    EXPECT_EQ(color_from_text("$00E75900"), 0x00E75900u);
    EXPECT_EQ(color_from_text("$FF00000F"), kSystemColorFlag | 15);
    EXPECT_EQ(color_to_text(0x00D7E9EA), "$00D7E9EA");
    EXPECT_EQ(color_to_text(clWhite), "clWhite");
    EXPECT_EQ(color_to_text(clNone), "clNone");
    EXPECT_THROW(color_from_text("clNoSuchColour"), SkinFormatError);
    EXPECT_THROW(color_from_text("$123456789"), SkinFormatError);
    EXPECT_THROW(color_from_text("$"), SkinFormatError);
}

TEST(Tables, NewTablesHoldZerosPlatformValuesAndTahoma) {
    TteThemeColors colors;
    for (Color c : colors.colors) EXPECT_EQ(c, 0u);
    TteThemeSysColors sys;
    EXPECT_EQ(sys.colors[12], system_colors().value(kColorHighlight));
    EXPECT_EQ(sys.colors[10], sys.colors[1]) << "clActiveCaption appears twice";
    TteThemeFonts fonts;
    for (const ThemeFont& f : fonts.fonts) EXPECT_EQ(f.name, "Tahoma");
    EXPECT_EQ(TteThemeFonts::names()[65], "PopupMenuItemTextDisabled");
    EXPECT_EQ(TteThemeColors::names()[21], "BarDock");
}

TEST(Tables, RoundTripAllThree) {
    TteThemeColors colors;
    for (int i = 0; i < kThemeColorCount; ++i) colors.colors[i] = static_cast<Color>(i * 0x010203);
    colors.colors[4] = clBlack;
    colors.colors[16] = clHighlight;
    TteThemeSysColors sys;
    sys.colors[3] = 0x00123456;
    TteThemeFonts fonts;
    fonts.fonts[0].name = "Trebuchet MS";
    fonts.fonts[0].bold = true;
    fonts.fonts[0].color = rgb_color(0, 0, 0);
    fonts.fonts[65].size = 11;
    for (auto& f : fonts.fonts) f.color = rgb_color(8, 0, 0);

    ByteWriter out;
    write_color_table(out, colors);
    write_sys_color_table(out, sys);
    write_font_table(out, fonts);
    EXPECT_EQ(out.bytes()[0], 21);

    ByteReader in(out.bytes());
    TteThemeColors colors2;
    TteThemeSysColors sys2;
    TteThemeFonts fonts2;
    read_color_table(in, colors2);
    read_sys_color_table(in, sys2);
    read_font_table(in, fonts2);
    EXPECT_TRUE(in.at_end());
    EXPECT_EQ(colors2, colors);
    EXPECT_EQ(sys2, sys);
    EXPECT_EQ(fonts2, fonts);
}

TEST(Tables, EntriesCountByPositionNotByName) {
    ByteWriter out;
    out.u8(1);  // two entries
    for (const char* value : {"clWhite", "$00000010"}) {
        out.lstr("AnyName");
        out.lstr("=");
        out.lstr(value);
    }
    ByteReader in(out.bytes());
    TteThemeColors colors;
    colors.colors[2] = 77;
    read_color_table(in, colors);
    EXPECT_EQ(colors.colors[0], clWhite);
    EXPECT_EQ(colors.colors[1], 0x10u);
    EXPECT_EQ(colors.colors[2], 77u) << "positions not stored keep their values";
}

TEST(Tables, BadCountsAndValuesSayWhere) {
    ByteWriter neg;
    neg.i32(-1);
    TteThemeSysColors sys;
    ByteReader in(neg.bytes());
    EXPECT_THROW(read_sys_color_table(in, sys), SkinFormatError);
    ByteWriter huge;
    huge.i32(1000000);
    ByteReader in2(huge.bytes());
    EXPECT_THROW(read_sys_color_table(in2, sys), SkinReadError);

    ByteWriter bad;
    bad.u8(0);
    bad.lstr("CaptionNormal");
    bad.lstr(":");
    bad.lstr("bogus");
    ByteReader in3(bad.bytes(), 1000);
    TteThemeColors colors;
    try {
        read_color_table(in3, colors);
        FAIL();
    } catch (const SkinFormatError& e) {
        EXPECT_NE(std::string(e.what()).find("bogus"), std::string::npos);
        EXPECT_NE(std::string(e.what()).find("offset 1001"), std::string::npos);
    }
}

}  // namespace
}  // namespace tolsy
