// Stored skins built byte by byte from the format's description, with nothing of our writer:
// one per filter and body, covering the image count word forms, text and binary object records
// and children, and all three table flags. Each is read, checked field by field, then written
// through every filter and read back unchanged.
#include <zlib.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "skin/model/skin_object_classes.h"
#include "skin/model/system_colours.h"
#include "skin/raw_skin.h"
#include "skin/stored/skin_source.h"
#include "skin/test_skins.h"

namespace tolsy {
namespace {

using namespace test::raw;

std::string hex(const Raw& data) {
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    for (std::uint8_t b : data) {
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    return s;
}

void binary_record(Out& o, const std::string& cls, const Raw& stream) {
    o.lstr(cls).u32(static_cast<std::uint32_t>(stream.size())).raw(stream);
}

void text_record(Out& o, const std::string& cls, const std::string& text) {
    o.lstr(cls).lstr(text);
}

void header(Out& o, const std::string& name) {
    o.lstr(name).lstr("2.5").lstr("A. Author").lstr("a@b.example").lstr("http://skins.example");
}

void colour_table(Out& o) {
    o.byte(21);
    for (int i = 0; i < 22; ++i) {
        char value[16];
        std::snprintf(value, sizeof value, "$00%02X0B0C", i);
        o.lstr("C" + std::to_string(i)).lstr(":").lstr(i == 4 ? "clBlack" : value);
    }
}

void sys_colour_table(Out& o) {
    o.u32(26);
    for (int i = 0; i < 26; ++i) o.lstr("S").lstr(":").lstr(i == 25 ? "clRed" : "$00112233");
}

void font_table(Out& o) {
    o.byte(65);
    for (int i = 0; i < 66; ++i)
        o.lstr("F").lstr(":").lstr(i == 7   ? "Arial,9,0,255,0,0,italic"
                                   : i == 8 ? "Courier New;12;1;0;128;255;bold;underline"
                                            : "Tahoma,8,1,8,0,0");
}

// Two rows of three pixels stored bottom row first (height -2); magenta, the near-magenta
// (250, 4, 251) and (249, 0, 255) as the standard body's key cases.
void image_rows(Out& o) {
    o.lstr("face.bmp").u32(3).u32(static_cast<std::uint32_t>(-2));
    for (std::uint32_t p : {bgra(10, 20, 30), bgra(40, 50, 60, 128), bgra(70, 80, 90)}) o.u32(p);
    for (std::uint32_t p : {bgra(255, 0, 255), bgra(250, 4, 251), bgra(249, 0, 255)}) o.u32(p);
}

// Standard body: images as plain records, roots in text form, a child list in text form
// inside the root's Objects (count word without flags).
Raw standard_body(std::uint32_t object_word_flags) {
    Out o;
    header(o, "Hand standard");
    o.u32(2);
    image_rows(o);
    o.lstr("empty").u32(0).u32(5);  // no pixels follow a zero width
    o.u32(2 | object_word_flags);
    Out children;
    children.u32(2);
    text_record(children, "TSeSystemButton",
                "object CloseButton: TSeSystemButton\r\n  Action = sbaClose\r\n"
                "  Bitmap.Name = 'face.bmp'\r\n  Bitmap.Right = 3\r\nend\r\n");
    text_record(children, "TSeTextObject",
                "object Title: TSeTextObject\r\n  Kind = skTitle\r\n  Color = $00E75900\r\n"
                "  FontFocused.Name = 'Verdana'\r\nend\r\n");
    text_record(o, "TSeSkinObject",
                "object Form: TSeSkinObject\r\n  Kind = skForm\r\n  Color = clWhite\r\n"
                "  TextShiftSysIton = True\r\n  Width = 300\r\n  Objects = {\r\n    " +
                    hex(children.b) + "}\r\nend\r\n");
    // "TxxBitmapObject" resolves by putting "Se" in place of the second and third characters.
    text_record(o, "TxxBitmapObject",
                "object Splitter: TSeBitmapObject\r\n  Kind = skTranparent\r\nend\r\n");
    if (object_word_flags == 0x00FF0000) {
        colour_table(o);
        sys_colour_table(o);
        font_table(o);
    } else if (object_word_flags == 0x000F0000) {
        colour_table(o);
        font_table(o);
    }
    return o.b;
}

// Maximum body: the image count word's form chosen by the caller, roots in binary form, the
// Form's children in binary form (count word with bits 16 to 19 set).
Raw maximum_body(std::uint32_t image_word, const Raw& images) {
    Out o;
    header(o, "Hand maximum");
    o.u32(image_word).raw(images);
    o.u32(0x00FF0002);
    Out children;
    children.u32(0x000F0001);
    binary_record(children, "TSeButtonObject",
                  Tpf0("TSeButtonObject", "Glyph")
                      .ident("TileStyle", "tsHorzCenterTile")
                      .text("BitmapHot.Name", "face.bmp")
                      .integer("BitmapHot.Left", -300)
                      .integer("BitmapHot.Bottom", 70000)
                      .flag("MaskedBorder", true)
                      .done());
    binary_record(o, "TSeSkinObject",
                  Tpf0("TSeSkinObject", "Form")
                      .ident("Kind", "skForm")
                      .integer("Color", 0x00D7E9EA)
                      .text("Font.Name", "Trebuchet MS")
                      .binary("Objects", children.b)
                      .done());
    binary_record(o, "TSeRollPanelObject",
                  Tpf0("TSeRollPanelObject", "Roll")
                      .ident("RollKind", "rkBottom")
                      .integer("RollValue", 129)
                      .done());
    colour_table(o);
    sys_colour_table(o);
    font_table(o);
    return o.b;
}

void expect_form_tree(const TSeSkinSource& s) {
    ASSERT_EQ(s.object_count(), 2);
    EXPECT_EQ(s.object(0)->name(), "Form");
    EXPECT_EQ(s.object(0)->kind, TSeKind::skForm);
}

// Images whose magenta the stored form left unkeyed only keep it in the maximum body: the
// standard body always keys.
enum class Through { kAllFilters, kMaximumOnly };

void expect_round_trips(const TSeSkinSource& first, Through through = Through::kAllFilters) {
    for (const TSeSkinFilter& filter : skin_filters()) {
        if (through == Through::kMaximumOnly && filter.body != SkinBody::kMaximum) continue;
        const Bytes again = first.write(filter);
        TSeSkinSource back;
        ByteReader in(again);
        back.read(in);
        EXPECT_EQ(back.skin_name, first.skin_name) << filter.class_name;
        EXPECT_EQ(back.author_url, first.author_url) << filter.class_name;
        ASSERT_EQ(back.bitmaps.size(), first.bitmaps.size()) << filter.class_name;
        for (std::size_t i = 0; i < back.bitmaps.size(); ++i) {
            EXPECT_EQ(back.bitmaps[i]->image, first.bitmaps[i]->image) << filter.class_name;
            EXPECT_EQ(back.bitmaps[i]->key_flag, first.bitmaps[i]->key_flag) << filter.class_name;
            EXPECT_EQ(back.bitmaps[i]->alpha_flag, first.bitmaps[i]->alpha_flag)
                << filter.class_name;
        }
        ASSERT_EQ(back.object_count(), first.object_count());
        for (int i = 0; i < back.object_count(); ++i)
            EXPECT_EQ(test::record_bytes(*back.object(i)), test::record_bytes(*first.object(i)))
                << filter.class_name;
        EXPECT_EQ(back.colors, first.colors) << filter.class_name;
        EXPECT_EQ(back.sys_colors, first.sys_colors) << filter.class_name;
        // Fonts as stored: a system colour travels as its index byte only.
        for (int i = 0; i < kThemeFontCount; ++i)
            EXPECT_EQ(font_to_text(back.fonts.fonts[i]), font_to_text(first.fonts.fonts[i]))
                << filter.class_name << " font " << i;
    }
}

struct StandardCase {
    const char* signature;
    int level;  // below -1: stored plain
    std::uint32_t flags;
    TableSource tables;
};

class HandStandard : public ::testing::TestWithParam<StandardCase> {};

TEST_P(HandStandard, ReadsEveryFieldAndConvertsBackAndForth) {
    const StandardCase c = GetParam();
    const Raw body = standard_body(c.flags);
    const Raw file = stored(c.signature, body, c.level);
    TSeSkinSource s;
    s.sys_colors.colors[0] = 0x00ABCDEF;
    ByteReader in(file);
    const SkinReadReport report = s.read(in);
    ASSERT_NE(report.filter, nullptr);
    EXPECT_EQ(std::string(report.filter->signature.substr(0, 4)), std::string(c.signature, 4));
    EXPECT_EQ(report.body_size, body.size());
    EXPECT_EQ(report.body_consumed, body.size());
    EXPECT_EQ(report.tables, c.tables);
    EXPECT_EQ(s.skin_name, "Hand standard");
    EXPECT_EQ(s.skin_version, "2.5");
    EXPECT_EQ(s.author, "A. Author");
    EXPECT_EQ(s.author_email, "a@b.example");
    EXPECT_EQ(s.author_url, "http://skins.example");

    ASSERT_EQ(s.bitmaps.size(), 2u);
    const TteBitmap& face = *s.bitmaps[0];
    EXPECT_EQ(face.name, "face.bmp");
    ASSERT_EQ(face.width(), 3);
    ASSERT_EQ(face.height(), 2);
    EXPECT_EQ(face.image.at(0, 0), kKeyPixel) << "the bottom row was stored first";
    EXPECT_EQ(face.image.at(1, 0), kKeyPixel);
    EXPECT_EQ(face.image.at(2, 0), bgra(249, 0, 255));
    EXPECT_EQ(face.image.at(1, 1), bgra(40, 50, 60, 128));
    EXPECT_TRUE(face.key_flag);
    EXPECT_TRUE(face.alpha_flag);
    EXPECT_TRUE(s.bitmaps[1]->image.empty());

    expect_form_tree(s);
    const TSeSkinObject& form = *s.object(0);
    EXPECT_EQ(form.color, clWhite);
    EXPECT_TRUE(form.text_shift_sys_icon);
    EXPECT_EQ(form.width(), 300);
    ASSERT_EQ(form.child_count(), 2u);
    auto* close = dynamic_cast<TSeSystemButton*>(form.child(0));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->action, TSeAction::sbaClose);
    EXPECT_EQ(close->bitmap.bitmap(close->images()), &face);
    EXPECT_EQ(s.find_object("form\\Title"), form.child(1));
    auto* splitter = dynamic_cast<TSeBitmapObject*>(s.object(1));
    ASSERT_NE(splitter, nullptr);
    EXPECT_EQ(splitter->kind, TSeKind::skTranparent);

    if (c.tables == TableSource::kDerived) {
        EXPECT_EQ(s.colors.colors[3], clWhite) << "the form's colour";
        EXPECT_EQ(s.colors.colors[0], 0x00E75900u) << "the title's colour";
        EXPECT_EQ(s.fonts.fonts[0].name, "Verdana") << "the title's focused font";
    } else {
        EXPECT_EQ(s.colors.colors[4], clBlack);
        EXPECT_EQ(s.colors.colors[5], 0x00050B0Cu);
        EXPECT_EQ(s.fonts.fonts[7].name, "Arial");
        EXPECT_EQ(s.fonts.fonts[7].size, 9);
        EXPECT_EQ(s.fonts.fonts[7].color, rgb_color(255, 0, 0));
        EXPECT_TRUE(s.fonts.fonts[7].italic);
        EXPECT_FALSE(s.fonts.fonts[7].bold);
        EXPECT_EQ(s.fonts.fonts[8].name, "Courier New");
        EXPECT_EQ(s.fonts.fonts[8].color, rgb_color(0, 128, 255));
        EXPECT_TRUE(s.fonts.fonts[8].bold && s.fonts.fonts[8].underline);
        if (c.tables == TableSource::kStored)
            EXPECT_EQ(s.sys_colors.colors[25], 0x0000FFu) << "clRed";
        else
            EXPECT_EQ(s.sys_colors.colors[0], 0x00ABCDEFu) << "no system colour table stored";
    }
    expect_round_trips(s);
}

INSTANTIATE_TEST_SUITE_P(
    Filters, HandStandard,
    ::testing::Values(StandardCase{"_UCT", -2, 0x00FF0000, TableSource::kStored},
                      StandardCase{"_DCT", 1, 0x000F0000, TableSource::kStoredWithoutSysColors},
                      StandardCase{"_TCT", Z_DEFAULT_COMPRESSION, 0, TableSource::kDerived}));

TEST(HandMaximum, FlaggedImagesKeepTheirStoredFlags) {
    Out images;
    image_rows(images);
    images.byte(0).byte(1);  // key flag 0 and alpha flag 1, as stored
    const Raw body = maximum_body(0x00FFF001, images.b);
    TSeSkinSource s;
    const Raw file = stored("_MCT", body, Z_DEFAULT_COMPRESSION);
    ByteReader in(file);
    const SkinReadReport report = s.read(in);
    EXPECT_EQ(report.filter, &max_compression_filter());
    EXPECT_EQ(report.body_consumed, body.size());
    EXPECT_EQ(report.image_word, 0x00FFF001u);
    const TteBitmap& face = *s.bitmaps.at(0);
    EXPECT_EQ(face.image.at(0, 0), bgra(255, 0, 255)) << "no key pass on flagged records";
    EXPECT_EQ(face.image.at(1, 1), bgra(40, 50, 60, 128));
    EXPECT_FALSE(face.key_flag);
    EXPECT_TRUE(face.alpha_flag);
    EXPECT_TRUE(face.flagged_form);

    expect_form_tree(s);
    EXPECT_EQ(s.object(0)->color, 0x00D7E9EAu);
    EXPECT_EQ(s.object(0)->font.name, "Trebuchet MS");
    auto* glyph = dynamic_cast<TSeButtonObject*>(s.find_object("Form\\Glyph"));
    ASSERT_NE(glyph, nullptr);
    EXPECT_EQ(glyph->tile_style, TscTileStyle::tsHorzCenterTile);
    EXPECT_EQ(glyph->bitmap_hot.left, -300);
    EXPECT_EQ(glyph->bitmap_hot.bottom, 70000);
    EXPECT_TRUE(glyph->masked_border);
    auto* roll = dynamic_cast<TSeRollPanelObject*>(s.object(1));
    ASSERT_NE(roll, nullptr);
    EXPECT_EQ(roll->roll_kind, TSeRollKind::rkBottom);
    EXPECT_EQ(roll->roll_value, 129);
    EXPECT_EQ(s.sys_colors.colors[25], 0x0000FFu) << "clRed";
    expect_round_trips(s, Through::kMaximumOnly);
}

TEST(HandMaximum, ComputedImageFormKeysBothShades) {
    Out images;
    image_rows(images);
    TSeSkinSource s;
    const Raw file = stored("_MCT", maximum_body(0x000F0001, images.b), Z_DEFAULT_COMPRESSION);
    ByteReader in(file);
    s.read(in);
    const TteBitmap& face = *s.bitmaps.at(0);
    EXPECT_EQ(face.image.at(0, 0), kKeyPixel);
    EXPECT_EQ(face.image.at(1, 0), kKeyPixel);
    EXPECT_EQ(face.image.at(2, 0), bgra(249, 0, 255));
    EXPECT_TRUE(face.key_flag);
    EXPECT_TRUE(face.alpha_flag);
    EXPECT_TRUE(face.flagged_form);
    expect_round_trips(s);
}

// A 4-bit palette bitmap file, 3 x 2, bottom-up: colour 1 is the key shade, colour 2 magenta.
Raw palette_bitmap_file() {
    Out dib;
    dib.u32(40).u32(3).u32(2).u16(1).u16(4).u32(0).u32(0).u32(0).u32(0).u32(3).u32(0);
    for (std::uint32_t rgbq : {0x00000000u, 0x007F007Fu, 0x00FF00FFu}) dib.u32(rgbq);
    dib.byte(0x12).byte(0x00).u16(0);  // bottom row: 1, 2, 0
    dib.byte(0x21).byte(0x20).u16(0);  // top row: 2, 1, 2
    Out file;
    file.raw("BM").u32(static_cast<std::uint32_t>(14 + dib.b.size())).u32(0).u32(14 + 40 + 12);
    return file.raw(dib.b).b;
}

TEST(HandMaximum, BitmapFileImagesAreDecodedAndKeyedByTheShadeOnly) {
    Out images;
    const Raw bmp = palette_bitmap_file();
    images.lstr("pal.bmp").u32(static_cast<std::uint32_t>(bmp.size())).raw(bmp);
    TSeSkinSource s;
    const Raw file = stored("_MCT", maximum_body(1, images.b), Z_DEFAULT_COMPRESSION);
    ByteReader in(file);
    s.read(in);
    const TteBitmap& pal = *s.bitmaps.at(0);
    EXPECT_EQ(pal.name, "pal.bmp");
    ASSERT_EQ(pal.width(), 3);
    ASSERT_EQ(pal.height(), 2);
    EXPECT_EQ(pal.image.at(0, 0), bgra(255, 0, 255)) << "magenta is not keyed in this form";
    EXPECT_EQ(pal.image.at(1, 0), kKeyPixel);
    EXPECT_EQ(pal.image.at(0, 1), kKeyPixel);
    EXPECT_EQ(pal.image.at(2, 1), bgra(0, 0, 0));
    EXPECT_TRUE(pal.key_flag);
    EXPECT_FALSE(pal.alpha_flag);
    EXPECT_FALSE(pal.flagged_form);
    expect_round_trips(s, Through::kMaximumOnly);
}

TEST(HandStandardNoSignature, MarkerAtTheFirstByteGoesToTheDefaultFilter) {
    const Raw body = standard_body(0x00FF0000);
    Out file;
    file.raw("NVLZ").raw(deflate_at(body, 1));
    ByteReader probe(file.b);
    EXPECT_TRUE(is_skin_data(probe));
    set_default_skin_filter(compressed_filter());
    TSeSkinSource s;
    ByteReader in(file.b);
    const SkinReadReport report = s.read(in);
    EXPECT_FALSE(report.by_signature);
    EXPECT_EQ(report.body_consumed, body.size());
    EXPECT_EQ(s.skin_name, "Hand standard");
    file.raw("xyz");
    ByteReader with_tail(file.b);
    EXPECT_EQ(s.read(with_tail).trailing_input, 3u) << "bytes after the zlib stream are counted";
    Out plain;
    plain.raw("_XCT").byte(0);
    ByteReader other(plain.b);
    EXPECT_FALSE(is_skin_data(other));
}

}  // namespace
}  // namespace tolsy
