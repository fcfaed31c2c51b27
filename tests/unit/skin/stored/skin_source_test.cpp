#include "skin/stored/skin_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "skin/bytes/skin_error.h"
#include "skin/bytes/zlib_codec.h"
#include "skin/model/object_images.h"
#include "skin/model/system_colours.h"
#include "skin/test_skins.h"

namespace tolsy {
namespace {

using test::fill_sample;
using test::record_bytes;

void expect_same_skin(const TSeSkinSource& a, const TSeSkinSource& b) {
    EXPECT_EQ(a.skin_name, b.skin_name);
    EXPECT_EQ(a.skin_version, b.skin_version);
    EXPECT_EQ(a.author, b.author);
    EXPECT_EQ(a.author_email, b.author_email);
    EXPECT_EQ(a.author_url, b.author_url);
    ASSERT_EQ(a.bitmaps.size(), b.bitmaps.size());
    for (std::size_t i = 0; i < a.bitmaps.size(); ++i) {
        EXPECT_EQ(a.bitmaps[i]->name, b.bitmaps[i]->name);
        EXPECT_EQ(a.bitmaps[i]->image, b.bitmaps[i]->image) << a.bitmaps[i]->name;
        EXPECT_EQ(a.bitmaps[i]->key_flag, b.bitmaps[i]->key_flag) << a.bitmaps[i]->name;
        EXPECT_EQ(a.bitmaps[i]->alpha_flag, b.bitmaps[i]->alpha_flag) << a.bitmaps[i]->name;
    }
    ASSERT_EQ(a.object_count(), b.object_count());
    for (int i = 0; i < a.object_count(); ++i)
        EXPECT_EQ(record_bytes(*a.object(i)), record_bytes(*b.object(i))) << a.object(i)->name();
    EXPECT_EQ(a.colors, b.colors);
    EXPECT_EQ(a.sys_colors, b.sys_colors);
    EXPECT_EQ(a.fonts, b.fonts);
}

TEST(SkinSource, NewSourceHoldsPlaceholdersAndDefaultTables) {
    TSeSkinSource s;
    EXPECT_EQ(s.skin_version, "6.0");
    EXPECT_TRUE(s.bitmaps.empty());
    EXPECT_EQ(s.object_count(), 0);
    EXPECT_EQ(s.object(0), nullptr);
    EXPECT_EQ(s.colors, TteThemeColors{});
    EXPECT_EQ(s.fonts.fonts[30].name, "Tahoma");
}

class AllFilters : public ::testing::TestWithParam<int> {};

TEST_P(AllFilters, WriteThenReadGivesTheSameSkin) {
    const TSeSkinFilter& filter = skin_filters()[static_cast<std::size_t>(GetParam())];
    TSeSkinSource original;
    fill_sample(original);
    const Bytes stored = original.write(filter);
    EXPECT_EQ(std::string(stored.begin(), stored.begin() + 5), std::string(filter.signature));
    TSeSkinSource back;
    ByteReader in(stored);
    const SkinReadReport report = back.read(in);
    EXPECT_EQ(report.filter, &filter);
    EXPECT_TRUE(report.by_signature);
    EXPECT_EQ(report.body_consumed, report.body_size) << "the body is read to its last byte";
    EXPECT_EQ(report.tables, TableSource::kStored);
    expect_same_skin(original, back);
    // Objects find their images through the source they were read into.
    auto* title = dynamic_cast<TSeActiveBitmap*>(back.find_object("Form\\Title"));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->bitmap.bitmap(title->images()), back.bitmaps[0].get());
    EXPECT_TRUE(title->prepared());
}

INSTANTIATE_TEST_SUITE_P(Filters, AllFilters, ::testing::Values(0, 1, 2, 3));

TEST(SkinSource, FiltersCompressAsTheyShould) {
    TSeSkinSource s;
    fill_sample(s);
    const Bytes plain = s.write(uncompressed_filter());
    EXPECT_EQ(Bytes(plain.begin() + 5, plain.end()), s.write_body(SkinBody::kStandard))
        << "the standard body follows the signature directly";
    for (std::size_t i : {1u, 2u, 3u}) {
        const Bytes packed = s.write(skin_filters()[i]);
        EXPECT_EQ(std::string(packed.begin() + 5, packed.begin() + 9), "NVLZ");
        const Bytes body = zlib_decompress(std::span(packed).subspan(9));
        EXPECT_EQ(body, s.write_body(skin_filters()[i].body));
        EXPECT_EQ(packed[10] >> 6, i == 1 ? 0 : 2) << "level 1 for _DCT, the default otherwise";
    }
}

// A standard body written by hand from the format's description.
Bytes hand_standard_body() {
    ByteWriter w;
    for (const char* h : {"Hand", "1.0", "Me", "", ""}) w.lstr(h);
    w.i32(1);
    w.lstr("img");
    w.i32(4);
    w.i32(1);
    for (std::uint32_t p : {Pixel::pack(255, 0, 255), Pixel::pack(250, 4, 251),
                            Pixel::pack(249, 0, 255), Pixel::pack(10, 20, 30, 128)})
        w.u32(p);
    w.u32(2);  // two roots, no table flags: tables are derived
    w.lstr("TSeSkinObject");
    w.lstr("object Form: TSeSkinObject\r\n  Color = clWhite\r\nend\r\n");
    w.lstr("TteSkinObject");  // resolves through "Se"
    w.lstr("object Hint: TSeSkinObject\r\n  Color = $00FEFBF5\r\nend\r\n");
    return w.take();
}

TEST(SkinSource, HandWrittenStandardBodyKeysMagentaAndDerivesTables) {
    ByteWriter file;
    file.text(std::string_view("_UCT\0", 5));
    file.bytes(hand_standard_body());
    TSeSkinSource s;
    ByteReader in(file.bytes());
    const SkinReadReport report = s.read(in);
    EXPECT_EQ(report.tables, TableSource::kDerived);
    EXPECT_EQ(s.skin_name, "Hand");
    ASSERT_EQ(s.bitmaps.size(), 1u);
    const TteBitmap& img = *s.bitmaps[0];
    EXPECT_EQ(img.image.at(0, 0), kKeyPixel);
    EXPECT_EQ(img.image.at(1, 0), kKeyPixel);
    EXPECT_EQ(img.image.at(2, 0), Pixel::pack(249, 0, 255));
    EXPECT_TRUE(img.key_flag);
    EXPECT_TRUE(img.alpha_flag);
    EXPECT_FALSE(img.flagged_form);
    ASSERT_EQ(s.object_count(), 2);
    EXPECT_EQ(s.object(1)->name(), "Hint");
    EXPECT_EQ(s.colors.colors[3], clWhite);
    EXPECT_EQ(s.colors.colors[17], 0x00FEFBF5u);
    EXPECT_EQ(s.colors.colors[4], clBlack);
    EXPECT_EQ(s.colors.colors[16], resolve_color(clHighlight));
    EXPECT_EQ(s.fonts.fonts[27].name, "Tahoma");
    EXPECT_EQ(s.fonts.fonts[27].color, clBlack);
}

TEST(SkinSource, WithoutSignatureTheCompressedFilterReadsFromTheFirstByte) {
    ByteWriter file;
    file.text("NVLZ");
    file.bytes(zlib_compress(hand_standard_body(), ZlibLevel::kFastest));
    ByteReader test(file.bytes());
    EXPECT_TRUE(is_skin_data(test));
    set_default_skin_filter(compressed_filter());
    TSeSkinSource s;
    ByteReader in(file.bytes());
    const SkinReadReport report = s.read(in);
    EXPECT_FALSE(report.by_signature);
    EXPECT_EQ(report.filter, &compressed_filter());
    EXPECT_EQ(s.skin_name, "Hand");
    const std::string not_skin = "NVL";
    EXPECT_FALSE(is_skin_data(ByteReader(as_bytes(not_skin))));
}

Bytes tpf0(const std::string& cls, const std::string& name,
           const std::function<void(ByteWriter&)>& properties) {
    ByteWriter w;
    w.text("TPF0");
    w.sstr(cls);
    w.sstr(name);
    properties(w);
    w.u8(0);
    w.u8(0);
    return w.take();
}

// A maximum body written by hand: a flagged image with negative height, a form with one
// binary child, and all three tables.
Bytes hand_maximum_body() {
    ByteWriter w;
    for (const char* h : {"Max", "4.0", "Someone", "", "http://x"}) w.lstr(h);
    w.u32(0x00FFF001);
    w.lstr("themeimage");
    w.i32(1);
    w.i32(-2);
    w.u32(Pixel::pack(1, 2, 3));  // stored bottom row first
    w.u32(Pixel::pack(200, 100, 7, 128));
    w.u8(1);  // key flag, taken as stored
    w.u8(0);  // alpha flag, taken as stored although a pixel has partial alpha
    w.u32(0x00FF0001);
    const Bytes child = tpf0("TSeSystemButton", "CloseButton", [](ByteWriter& p) {
        p.sstr("Action");
        p.u8(7);
        p.sstr("sbaClose");
    });
    ByteWriter children;
    children.u32(0x000F0001);
    children.lstr("TSeSystemButton");
    children.i32(static_cast<std::int32_t>(child.size()));
    children.bytes(child);
    const Bytes form = tpf0("TSeSkinObject", "Form", [&](ByteWriter& p) {
        p.sstr("Color");
        p.u8(4);
        p.u32(0x00D7E9EA);
        p.sstr("Kind");
        p.u8(7);
        p.sstr("skForm");
        p.sstr("Font.Name");
        p.u8(6);
        p.sstr("Arial");
        p.sstr("Objects");
        p.u8(10);
        p.i32(static_cast<std::int32_t>(children.size()));
        p.bytes(children.bytes());
    });
    w.lstr("TSeSkinObject");
    w.i32(static_cast<std::int32_t>(form.size()));
    w.bytes(form);
    w.u8(21);
    for (int i = 0; i < 22; ++i) {
        w.lstr("Entry");
        w.lstr(":");
        w.lstr(i == 0 ? "$00E75900" : "clWhite");
    }
    w.i32(26);
    for (int i = 0; i < 26; ++i) {
        w.lstr("clX");
        w.lstr(":");
        w.lstr("$00010203");
    }
    w.u8(65);
    for (int i = 0; i < 66; ++i) {
        w.lstr("F");
        w.lstr(":");
        w.lstr(i == 5 ? "Arial,9,0,255,0,0,italic" : "Tahoma,8,1,8,0,0");
    }
    return w.take();
}

TEST(SkinSource, HandWrittenMaximumBodyTakesFlagsAsStored) {
    ByteWriter file;
    file.text(std::string_view("_MCT\0", 5));
    file.text("NVLZ");
    const Bytes body = hand_maximum_body();
    file.bytes(zlib_compress(body, ZlibLevel::kDefault));
    TSeSkinSource s;
    ByteReader in(file.bytes());
    const SkinReadReport report = s.read(in);
    EXPECT_EQ(report.body_consumed, body.size());
    EXPECT_EQ(s.author_url, "http://x");
    const TteBitmap& img = *s.bitmaps.at(0);
    EXPECT_TRUE(img.key_flag);
    EXPECT_FALSE(img.alpha_flag);
    EXPECT_TRUE(img.flagged_form);
    EXPECT_EQ(img.image.at(0, 0), Pixel::pack(200, 100, 7, 128)) << "height -2 swaps the rows";
    EXPECT_EQ(img.image.at(0, 1), Pixel::pack(1, 2, 3));
    TSeSkinObject* form = s.find_object("form");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->kind, TSeKind::skForm);
    EXPECT_EQ(form->font.name, "Arial");
    EXPECT_EQ(form->font.charset, kDefaultCharset);
    auto* close = dynamic_cast<TSeSystemButton*>(s.find_object("Form\\CloseButton"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->action, TSeAction::sbaClose);
    EXPECT_EQ(s.colors.colors[0], 0x00E75900u);
    EXPECT_EQ(s.sys_colors.colors[25], 0x00010203u);
    const ThemeFont& f = s.fonts.fonts[5];
    EXPECT_EQ(f.name, "Arial");
    EXPECT_EQ(f.size, 9);
    EXPECT_EQ(f.color, rgb_color(255, 0, 0));
    EXPECT_TRUE(f.italic);
    EXPECT_FALSE(f.bold);
}

TEST(SkinSource, ErrorsInCompressedBodiesGiveBodyOffsets) {
    Bytes body = hand_maximum_body();
    // Rename the root's class: the record's class name starts right after the image records.
    const std::string wanted = "TSeSkinObject";
    const auto at = std::search(body.begin(), body.end(), wanted.begin(), wanted.end());
    ASSERT_NE(at, body.end());
    (*(at + 3)) = 'Q';
    const std::size_t record_at = static_cast<std::size_t>(at - body.begin()) - 4;
    auto expect_place = [&](const std::function<void(TSeSkinSource&)>& read, std::size_t expected) {
        TSeSkinSource s;
        try {
            read(s);
            FAIL();
        } catch (const SkinClassNotFoundError& e) {
            EXPECT_NE(std::string(e.what()).find("TSeQkinObject"), std::string::npos);
            EXPECT_NE(std::string(e.what()).find("offset " + std::to_string(expected) + ")"),
                      std::string::npos)
                << e.what();
        }
        EXPECT_EQ(s.object_count(), 0);
        EXPECT_TRUE(s.bitmaps.empty()) << "a failed read leaves nothing behind";
    };
    // A plain body counts from where it lies; an inflated one from the body's start.
    expect_place([&](TSeSkinSource& s) { s.read_body(body, 100, SkinBody::kMaximum); },
                 record_at + 100);
    ByteWriter file;
    file.text(max_compression_filter().signature);
    file.text("NVLZ");
    file.bytes(zlib_compress(body, ZlibLevel::kDefault));
    expect_place(
        [&](TSeSkinSource& s) {
            ByteReader in(file.bytes());
            s.read(in);
        },
        record_at);
}

TEST(SkinSource, ComputedAndBitmapFileImageForms) {
    ByteWriter computed;
    for (int i = 0; i < 5; ++i) computed.lstr("");
    computed.u32(0x000F0001);
    computed.lstr("a");
    computed.i32(2);
    computed.i32(1);
    computed.u32(Pixel::pack(255, 0, 255));
    computed.u32(Pixel::pack(5, 5, 5, 77));
    computed.u32(0);
    TSeSkinSource s;
    s.read_body(computed.bytes(), 0, SkinBody::kMaximum);
    EXPECT_EQ(s.bitmaps[0]->image.at(0, 0), kKeyPixel);
    EXPECT_TRUE(s.bitmaps[0]->key_flag);
    EXPECT_TRUE(s.bitmaps[0]->alpha_flag);
    EXPECT_TRUE(s.bitmaps[0]->flagged_form);

    // A 24-bit bitmap file, 2 x 1: magenta stays (only the key shade pass runs), the shade is
    // keyed.
    ByteWriter bmp;
    bmp.text("BM");
    bmp.u32(62);
    bmp.u32(0);
    bmp.u32(54);
    bmp.u32(40);
    bmp.i32(2);
    bmp.i32(1);
    bmp.u16(1);
    bmp.u16(24);
    for (int i = 0; i < 6; ++i) bmp.u32(0);
    bmp.bytes(std::vector<std::uint8_t>{255, 0, 255, 127, 0, 127, 0, 0});
    ByteWriter files;
    for (int i = 0; i < 5; ++i) files.lstr("");
    files.u32(1);
    files.lstr("pic.bmp");
    files.i32(static_cast<std::int32_t>(bmp.size()));
    files.bytes(bmp.bytes());
    files.u32(0);
    s.read_body(files.bytes(), 0, SkinBody::kMaximum);
    const TteBitmap& pic = *s.bitmaps.at(0);
    EXPECT_EQ(pic.name, "pic.bmp");
    EXPECT_EQ(pic.image.at(0, 0), Pixel::pack(255, 0, 255));
    EXPECT_EQ(pic.image.at(1, 0), kKeyPixel);
    EXPECT_TRUE(pic.key_flag);
    EXPECT_FALSE(pic.flagged_form);
}

TEST(SkinSource, TwoTablesFlagReadsColoursAndFontsOnly) {
    TSeSkinSource original;
    fill_sample(original);
    Bytes body = original.write_body(SkinBody::kMaximum);
    // Rebuild the tail: object word with bits 16-19 only, then colour and font tables.
    ByteWriter tail;
    write_color_table(tail, original.colors);
    write_font_table(tail, original.fonts);
    ByteWriter sys;
    write_sys_color_table(sys, original.sys_colors);
    ByteWriter fonts;
    write_font_table(fonts, original.fonts);
    const std::size_t tables_at = body.size() - (tail.size() + sys.size());
    body.resize(tables_at);
    body.insert(body.end(), tail.bytes().begin(), tail.bytes().end());
    // Find the object count word: right after the images, count 0x00FF00nn.
    const std::uint32_t word = static_cast<std::uint32_t>(original.object_count()) | 0x00FF0000;
    for (std::size_t i = 0; i + 4 <= body.size(); ++i) {
        if (body[i] == (word & 0xFF) && body[i + 1] == 0 && body[i + 2] == 0xFF &&
            body[i + 3] == 0) {
            body[i + 2] = 0x0F;
            break;
        }
    }
    TSeSkinSource back;
    back.sys_colors.colors[0] = 0x00ABCDEF;
    const SkinReadReport report = back.read_body(body, 0, SkinBody::kMaximum);
    EXPECT_EQ(report.tables, TableSource::kStoredWithoutSysColors);
    EXPECT_EQ(back.colors, original.colors);
    EXPECT_EQ(back.fonts, original.fonts);
    EXPECT_EQ(back.sys_colors.colors[0], 0x00ABCDEFu) << "no system colour table was stored";
}

TEST(SkinSource, FindByNameAndOneLevelPath) {
    TSeSkinSource s;
    fill_sample(s);
    EXPECT_EQ(s.find_object("form"), s.object(0));
    EXPECT_EQ(s.find_object("Form\\CloseButton")->name(), "CloseButton");
    EXPECT_EQ(s.find_object("Form\\Caption\\Title")->name(), "Caption");
    EXPECT_EQ(s.find_object("Form\\Form"), s.object(0)) << "the root itself is searched first";
    EXPECT_EQ(s.find_object("Button\\Title"), nullptr);
    EXPECT_EQ(s.find_object("Nothing"), nullptr);
    EXPECT_EQ(s.find_object("default"), nullptr);
}

TEST(SkinSource, ClientPartOfEveryRootIsNotMasked) {
    TSeSkinSource s;
    fill_sample(s);
    s.find_object("Form\\Client")->masked = true;
    const Bytes stored = s.write(max_compression_filter());
    TSeSkinSource back;
    ByteReader in(stored);
    back.read(in);
    EXPECT_FALSE(back.find_object("Form\\Client")->masked);
}

TEST(SkinSource, DerivedFontsFromNamedParts) {
    TSeSkinSource s;
    fill_sample(s);
    Bytes body = s.write_body(SkinBody::kStandard);
    TSeSkinSource withless;
    // Cut the tables and clear the flags by writing a source without roots' tables.
    auto& title = static_cast<TSeActiveBitmap&>(*s.find_object("Form\\Title"));
    title.font.height = font_height_for_points(10);
    ByteWriter w;
    for (const std::string* h :
         {&s.skin_name, &s.skin_version, &s.author, &s.author_email, &s.author_url})
        w.lstr(*h);
    w.i32(0);
    w.u32(static_cast<std::uint32_t>(s.object_count()));
    for (const auto& root : s.objects) write_object_record(w, *root, RecordForm::kText);
    withless.read_body(w.bytes(), 0, SkinBody::kStandard);
    const auto& fonts = withless.fonts.fonts;
    EXPECT_EQ(fonts[0].name, "Trebuchet MS");  // focused = the active font
    EXPECT_EQ(fonts[0].color, 0x00020202u);
    EXPECT_EQ(fonts[1].size, 10);
    EXPECT_TRUE(fonts[1].bold);
    EXPECT_EQ(fonts[10].name, "Tolsy");
    EXPECT_EQ(fonts[11].name, "PressedFace");
    EXPECT_EQ(fonts[12].name, "HotFace");
    EXPECT_EQ(fonts[13].name, "FocusedFace");
    EXPECT_EQ(fonts[14].name, "DisabledFace");
    EXPECT_EQ(fonts[15].name, "Tahoma") << "no check box: the position keeps its value";
    EXPECT_EQ(withless.colors.colors[0], 0x00E75900u);
    EXPECT_EQ(withless.colors.colors[2], 0x00112233u);
    EXPECT_EQ(withless.colors.colors[7], 0x00EFF3F7u);
    EXPECT_EQ(withless.colors.colors[12], 0u) << "no edit: the position keeps its value";
}

TEST(SkinSource, CopyIsDeepAndAttachedToItsOwnImages) {
    TSeSkinSource s;
    fill_sample(s);
    TSeSkinSource copy;
    copy.objects.push_back(std::make_unique<TSeSkinObject>());
    copy.assign(s);
    expect_same_skin(s, copy);
    auto* title = static_cast<TSeActiveBitmap*>(copy.find_object("Form\\Title"));
    EXPECT_EQ(title->images(), &copy.bitmaps);
    copy.bitmaps[0]->image.at(0, 0) = 0;
    copy.shift_hue(40);
    EXPECT_NE(s.bitmaps[0]->image.at(0, 0), 0u);
    EXPECT_EQ(s.find_object("Form")->color, 0x00D7E9EAu);
    EXPECT_NE(copy.find_object("Form")->color, 0x00D7E9EAu);
}

// A darkening that turns an opaque pixel into the key colour changes no link's drawing: the
// links of a shifted copy, first drawn after the shift, settle from the images as read.
TEST(SkinSource, LinksOfAShiftedCopySettleFromTheImagesAsRead) {
    TSeSkinSource loaded;
    auto bitmap = std::make_unique<TteBitmap>();
    bitmap->name = "face";
    bitmap->image = Image(3, 1, Pixel::pack(137, 5, 137));
    loaded.bitmaps.push_back(std::move(bitmap));
    auto face = std::make_unique<TSeBitmapObject>();
    face->bitmap.name = "face";
    face->bitmap.right = 3;
    face->bitmap.bottom = 1;
    face->attach_images(&loaded.bitmaps);
    loaded.objects.push_back(std::move(face));
    TSeSkinSource working;
    working.assign(loaded);
    working.shift_brightness(-10);
    ASSERT_TRUE(is_key_pixel(working.bitmaps[0]->image.at(1, 0)));
    const auto& shifted = static_cast<const TSeBitmapObject&>(*working.object(0));
    EXPECT_EQ(piece_source(shifted, shifted.bitmap).transparency, LinkTransparency{});
    EXPECT_TRUE(shifted.bitmap.transparency_settled);
    EXPECT_EQ(loaded.bitmaps[0]->image.at(1, 0), Pixel::pack(137, 5, 137));
}

TEST(SkinSource, FilesByExtension) {
    const auto dir = std::filesystem::path(TOLSY_BINARY_DIR) / "test-skin-files";
    std::filesystem::create_directories(dir);
    TSeSkinSource s;
    fill_sample(s);
    for (const char* ext : {".uskn", ".cskn", ".xskn", ".MSKN"}) {
        const std::string name = (dir / (std::string("sample") + ext)).string();
        s.write_file(name);
        std::ifstream in(name, std::ios::binary);
        char sig[5];
        in.read(sig, 5);
        EXPECT_EQ(std::string(sig, 5), std::string(filter_by_extension(name)->signature));
        TSeSkinSource back;
        SkinReadReport report;
        ASSERT_TRUE(back.read_file(name, &report));
        expect_same_skin(s, back);
    }
    const std::string other = (dir / "sample.skin").string();
    set_default_skin_filter(uncompressed_filter());
    s.write_file(other);
    TSeSkinSource back;
    EXPECT_FALSE(back.read_file(other)) << "an extension of no filter is not read";
    set_default_skin_filter(compressed_filter());
    EXPECT_THROW(back.read_file((dir / "missing.mskn").string()), SkinFileError);
}

TEST(SkinSourceErrors, TruncatedBodiesAndStreamsAlwaysFailCleanly) {
    TSeSkinSource s;
    fill_sample(s);
    for (SkinBody kind : {SkinBody::kStandard, SkinBody::kMaximum}) {
        const Bytes body = s.write_body(kind);
        // Every cut in the header, images and first records; then a stride through the rest.
        for (std::size_t cut = 0; cut < body.size(); cut += cut < 1500 ? 1 : 211) {
            TSeSkinSource back;
            EXPECT_THROW(back.read_body(std::span(body).first(cut), 0, kind), SkinError) << cut;
            EXPECT_EQ(back.object_count(), 0) << "a failed read leaves the source cleared";
        }
    }
    const Bytes packed = s.write(max_compression_filter());
    for (std::size_t cut = 0; cut < packed.size(); cut += 13) {
        TSeSkinSource back;
        ByteReader in(std::span<const std::uint8_t>(packed).first(cut));
        EXPECT_THROW(back.read(in), SkinError) << cut;
    }
}

TEST(SkinSourceErrors, CountsTheWordsCannotHoldAreRefusedWhenWriting) {
    TSeSkinSource s;
    for (int i = 0; i < 0x1000; ++i) s.bitmaps.push_back(std::make_unique<TteBitmap>());
    EXPECT_THROW(s.write_body(SkinBody::kMaximum), std::length_error)
        << "4096 images would run into the flag bits of the image count word";
    EXPECT_NO_THROW(s.write_body(SkinBody::kStandard));
    s.bitmaps.pop_back();
    EXPECT_NO_THROW(s.write_body(SkinBody::kMaximum));

    auto& root = test::add_root<TSeSkinObject>(s, "Crowded");
    for (int i = 0; i < 0x10000; ++i) new TSeSkinObject(&root);
    EXPECT_THROW(s.write_body(SkinBody::kMaximum), std::length_error);
}

TEST(SkinSourceErrors, CorruptZlibAndAbsurdCounts) {
    TSeSkinSource s;
    fill_sample(s);
    Bytes packed = s.write(compressed_filter());
    packed[packed.size() / 2] ^= 0x55;
    TSeSkinSource back;
    ByteReader in(packed);
    EXPECT_THROW(back.read(in), SkinError);

    ByteWriter huge;
    for (int i = 0; i < 5; ++i) huge.lstr("");
    huge.i32(0x7FFFFFFF);
    EXPECT_THROW(back.read_body(huge.bytes(), 0, SkinBody::kStandard), SkinReadError);
    ByteWriter negative;
    for (int i = 0; i < 5; ++i) negative.lstr("");
    negative.i32(-3);
    EXPECT_THROW(back.read_body(negative.bytes(), 0, SkinBody::kStandard), SkinFormatError);
    ByteWriter flagged;
    for (int i = 0; i < 5; ++i) flagged.lstr("");
    flagged.u32(0xFFFFFFFF);
    EXPECT_THROW(back.read_body(flagged.bytes(), 0, SkinBody::kMaximum), SkinReadError);
    ByteWriter bad_name;
    bad_name.i32(-1);
    EXPECT_THROW(back.read_body(bad_name.bytes(), 0, SkinBody::kMaximum), SkinFormatError);
}

}  // namespace
}  // namespace tolsy
