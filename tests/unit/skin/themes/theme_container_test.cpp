#include "skin/themes/theme_container.h"

#include <gtest/gtest.h>

#include "skin/bytes/skin_error.h"
#include "skin/test_skins.h"
#include "skin/themes/skin_file.h"
#include "skin/themes/theme_list.h"
#include "skin/themes/theme_manager.h"

namespace tolsy {
namespace {

TEST(ThemeContainer, KindThreeRoundTrip) {
    TteThemeManager manager;
    ThemeStreamData item;
    item.theme_store = "Tolsy metal";
    item.buffer = {'_', 'M', 'C', 'T', 0, 1, 2, 3};
    ByteWriter out;
    write_theme_container(out, item);
    const Bytes& b = out.bytes();
    ASSERT_EQ(b.size(), 1u + 4 + 11 + 4 + 8);
    EXPECT_EQ(b[0], 3);
    EXPECT_EQ(b[1], 11);
    EXPECT_EQ(std::string(b.begin() + 5, b.begin() + 16), "Tolsy metal");
    EXPECT_EQ(b[16], 8);
    ThemeStreamData back;
    ByteReader in(b);
    read_theme_container(in, back, manager);
    EXPECT_EQ(back.theme_store, "Tolsy metal");
    EXPECT_EQ(back.buffer, item.buffer);
    EXPECT_EQ(back.decoded, nullptr);
}

TEST(ThemeContainer, EmptyItemIsTheSingleByteZero) {
    TteThemeManager manager;
    ThemeStreamData item;
    item.theme_store = "ignored";
    ByteWriter out;
    write_theme_container(out, item);
    EXPECT_EQ(out.bytes(), Bytes{0});
    ThemeStreamData back;
    back.buffer = {9, 9};
    ByteReader in(out.bytes());
    read_theme_container(in, back, manager);
    EXPECT_TRUE(back.buffer.empty());
    EXPECT_EQ(back.theme_store, kEmptyThemeStore);
}

TEST(ThemeContainer, KindTwoTakesTheLow32BitsOfItsSize) {
    TteThemeManager manager;
    ByteWriter w;
    w.u8(2);
    w.lstr("Old");
    w.i64(0x0000000500000003);  // high bits are ignored
    w.text("abc");
    ThemeStreamData item;
    ByteReader in(w.bytes());
    read_theme_container(in, item, manager);
    EXPECT_EQ(item.theme_store, "Old");
    EXPECT_EQ(item.buffer, (Bytes{'a', 'b', 'c'}));
}

TEST(ThemeContainer, KindOneDecodesAndRestoresWithTheMaximumFilter) {
    TteThemeManager manager;
    manager.register_kind(std::make_unique<DefaultThemeKind>());
    manager.register_kind(std::make_unique<SkinFileKind>());
    TSeSkinSource sample;
    test::fill_sample(sample);
    ByteWriter w;
    w.u8(1);
    w.bytes(sample.write(uncompressed_filter()));
    ThemeStreamData item;
    ByteReader in(w.bytes());
    read_theme_container(in, item, manager);
    ASSERT_NE(item.decoded, nullptr);
    EXPECT_EQ(item.theme_store, "Sample metal");
    ASSERT_GT(item.buffer.size(), 5u);
    EXPECT_EQ(std::string(item.buffer.begin(), item.buffer.begin() + 5), std::string("_MCT\0", 5));

    // Data no kind recognises leaves the item empty.
    ByteWriter junk;
    junk.u8(1);
    junk.text("JUNK");
    ThemeStreamData none;
    ByteReader in2(junk.bytes());
    read_theme_container(in2, none, manager);
    EXPECT_EQ(none.decoded, nullptr);
    EXPECT_TRUE(none.buffer.empty());
}

TEST(ThemeContainer, MalformedContainersAreErrors) {
    TteThemeManager manager;
    auto read = [&](const Bytes& bytes) {
        ThemeStreamData item;
        ByteReader in(bytes);
        read_theme_container(in, item, manager);
    };
    EXPECT_THROW(read({}), SkinReadError);
    EXPECT_THROW(read({4}), SkinFormatError);
    EXPECT_THROW(read({0, 0}), SkinFormatError) << "bytes after the container";
    EXPECT_THROW(read({3, 0xFF, 0xFF, 0xFF, 0xFF}), SkinFormatError) << "negative name length";
    EXPECT_THROW(read({3, 0, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF}), SkinFormatError);
    EXPECT_THROW(read({3, 0, 0, 0, 0, 0x10, 0, 0, 0, 1, 2}), SkinReadError);
    EXPECT_THROW(read({2, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F, 0, 0, 0, 0}), SkinReadError);
    const Bytes full = {3, 1, 0, 0, 0, 'x', 2, 0, 0, 0, 7, 8};
    for (std::size_t cut = 0; cut < full.size(); ++cut)
        EXPECT_THROW(read(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut))),
                     SkinError);
    EXPECT_NO_THROW(read(full));
}

TEST(ThemeListItem, StoreNameOnlyChangesThroughThemeData) {
    TTeThemeStream item;
    EXPECT_EQ(item.theme_store(), "(empty)");
    item.set_theme_store("Renamed");
    EXPECT_EQ(item.theme_store(), "(empty)");
    item.store("Tolsy metal", {1, 2, 3});
    TTeThemeStream copy;
    copy.read_container(item.write_container());
    EXPECT_EQ(copy.theme_store(), "Tolsy metal");
    EXPECT_EQ(copy.buffer(), (Bytes{1, 2, 3}));
}

}  // namespace
}  // namespace tolsy
