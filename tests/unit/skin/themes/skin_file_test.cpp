#include "skin/themes/skin_file.h"

#include <gtest/gtest.h>

#include "skin/bytes/skin_error.h"
#include "skin/model/colour_shift.h"
#include "skin/test_skins.h"

namespace tolsy {
namespace {

std::unique_ptr<TTeSkinFile> loaded_sample(const TSeSkinFilter& filter = max_compression_filter()) {
    static const SkinFileKind kind;
    TSeSkinSource sample;
    test::fill_sample(sample);
    const Bytes stored = sample.write(filter);
    auto theme = std::make_unique<TTeSkinFile>(kind);
    ByteReader in(stored);
    EXPECT_TRUE(theme->load_from_stream(in));
    return theme;
}

// Every colour a theme shows: image pixels, object colours and fonts, theme tables.
struct Look {
    std::vector<Image> images;
    std::vector<Bytes> objects;
    TteThemeColors colors;
    TteThemeFonts fonts;
    bool operator==(const Look&) const = default;
};

Look look_of(const TTeSkinFile& t) {
    Look look;
    for (const auto& b : t.working_source().bitmaps) look.images.push_back(b->image);
    for (const auto& o : t.working_source().objects) look.objects.push_back(test::record_bytes(*o));
    look.colors = t.colors();
    look.fonts = t.fonts();
    return look;
}

TEST(SkinFileKind, ConfigurationAndFormatTest) {
    SkinFileKind kind;
    const TteThemeConfig c = kind.config();
    EXPECT_FALSE(c.built_in);
    EXPECT_TRUE(c.can_save);
    EXPECT_TRUE(c.loads_files);
    EXPECT_EQ(c.default_extension, "mskn");
    EXPECT_EQ(c.file_filter,
              "Uncompressed Skin (*.uskn)|*.uskn|Compressed Skin (*.cskn)|*.cskn|"
              "Ultra Compressed Skin (*.xskn)|*.xskn|Maximum Compressed (*.mskn)|*.mskn");
    for (const char* head : {"_UCT", "_DCT", "_TCT", "_MCT"}) {
        const Bytes data = {static_cast<std::uint8_t>(head[0]), static_cast<std::uint8_t>(head[1]),
                            static_cast<std::uint8_t>(head[2]), static_cast<std::uint8_t>(head[3]),
                            0};
        ByteReader in(data);
        EXPECT_TRUE(kind.recognises(in)) << head;
    }
    const Bytes marker = {'N', 'V', 'L', 'Z'}, other = {'_', 'M', 'C', 'T', 1};
    ByteReader m(marker), o(other);
    EXPECT_TRUE(kind.recognises(m));
    EXPECT_FALSE(kind.recognises(o));
}

TEST(SkinFile, LoadsNamesItselfAndKeepsAWorkingCopy) {
    auto theme = loaded_sample();
    EXPECT_EQ(theme->theme_name(), "Sample metal");
    EXPECT_EQ(theme->working_source().object_count(), theme->loaded_source().object_count());
    EXPECT_NE(theme->working_source().object(0), theme->loaded_source().object(0));
    EXPECT_EQ(theme->colors(), theme->loaded_source().colors);
    EXPECT_EQ(&default_skin_filter(), &uncompressed_filter())
        << "rebuilding the look makes it default";
}

// The look's first copy takes the objects the load read; the skin as loaded reads them again
// from the bytes it kept, through the filter that read them first, when it is asked for.
TEST(SkinFile, TheSkinAsLoadedIsReadAgainAfterTheLookTookItsObjects) {
    TSeSkinSource sample;
    test::fill_sample(sample);
    for (const TSeSkinFilter& filter : skin_filters()) {
        SCOPED_TRACE(filter.extension);
        auto theme = loaded_sample(filter);
        const Look look = look_of(*theme);
        const TSeSkinSource& loaded = theme->loaded_source();
        ASSERT_EQ(loaded.object_count(), sample.object_count());
        for (int i = 0; i < sample.object_count(); ++i)
            EXPECT_EQ(test::record_bytes(*loaded.object(i)), test::record_bytes(*sample.object(i)));
        EXPECT_EQ(loaded.object(0)->images(), &loaded.bitmaps);
        EXPECT_EQ(look_of(*theme), look) << "reading the loaded skin again leaves the look alone";
    }
}

TEST(SkinFile, AFailedLoadLeavesNoEarlierSkinToReadAgain) {
    auto theme = loaded_sample();
    const Bytes junk = {'_', 'M', 'C', 'T', 0, 'N', 'V', 'L', 'Z', 1, 2, 3};
    ByteReader in(junk);
    EXPECT_THROW(theme->load_from_stream(in), SkinError);
    EXPECT_EQ(theme->loaded_source().object_count(), 0);
}

TEST(SkinFile, SkinWithoutRootsIsNotATheme) {
    SkinFileKind kind;
    TSeSkinSource empty;
    const Bytes stored = empty.write(compressed_filter());
    TTeSkinFile theme(kind);
    ByteReader in(stored);
    EXPECT_FALSE(theme.load_from_stream(in));
}

TEST(SkinFile, SaveWritesTheMaximumFormThatLoadsBack) {
    auto theme = loaded_sample(uncompressed_filter());
    ByteWriter out;
    theme->save_to_stream(out);
    EXPECT_EQ(std::string(out.bytes().begin(), out.bytes().begin() + 9),
              std::string("_MCT\0NVLZ", 9));
    SkinFileKind kind;
    TTeSkinFile again(kind);
    ByteReader in(out.bytes());
    ASSERT_TRUE(again.load_from_stream(in));
    EXPECT_EQ(look_of(again), look_of(*theme));
}

TEST(SkinFile, SavingAShiftedThemeStoresTheSkinAsLoaded) {
    auto theme = loaded_sample();
    const Look unshifted = look_of(*theme);
    theme->set_deltas(40, 15);
    ByteWriter out;
    theme->save_to_stream(out);
    SkinFileKind kind;
    TTeSkinFile again(kind);
    ByteReader in(out.bytes());
    ASSERT_TRUE(again.load_from_stream(in));
    EXPECT_EQ(look_of(again), unshifted) << "images, objects and tables alike";
}

TEST(SkinFile, HueThenBackToZeroRestoresEveryColourExactly) {
    for (int brightness : {0, 20, -35}) {
        auto theme = loaded_sample();
        theme->set_deltas(0, brightness);
        const Look before = look_of(*theme);
        theme->set_deltas(30, brightness);
        EXPECT_NE(look_of(*theme), before);
        theme->set_deltas(0, brightness);
        EXPECT_EQ(look_of(*theme), before) << "brightness " << brightness;
    }
}

TEST(SkinFile, DeltasShiftImagesObjectsTablesButNotSystemColours) {
    auto theme = loaded_sample();
    const auto& loaded = theme->loaded_source();
    theme->set_deltas(85, 0);
    const auto& work = theme->working_source();
    EXPECT_EQ(work.find_object("Form")->color, shift_color_hue(0x00D7E9EA, 85));
    EXPECT_EQ(loaded.find_object("Form")->color, 0x00D7E9EAu) << "the loaded skin stays as loaded";
    EXPECT_EQ(theme->colors().colors[3], shift_color_hue(loaded.colors.colors[3], 85));
    EXPECT_EQ(theme->fonts().fonts[7].color, shift_color_hue(loaded.fonts.fonts[7].color, 85));
    EXPECT_EQ(theme->sys_colors(), loaded.sys_colors);
    const Image& shifted = work.bitmaps[0]->image;
    const Image& original = loaded.bitmaps[0]->image;
    EXPECT_EQ(shifted.at(1, 1), kKeyPixel) << "transparent pixels are left";
    const std::uint32_t p = original.at(0, 0);
    const Rgb moved = shift_hue({Pixel::red(p), Pixel::green(p), Pixel::blue(p)}, 85);
    EXPECT_EQ(shifted.at(0, 0), Pixel::pack(moved.r, moved.g, moved.b, Pixel::alpha(p)));
    // Brightness after hue, on top of the same loaded skin.
    theme->set_deltas(85, 10);
    EXPECT_EQ(theme->working_source().find_object("Form")->color,
              shift_color_brightness(shift_color_hue(0x00D7E9EA, 85), 10));
}

}  // namespace
}  // namespace tolsy
