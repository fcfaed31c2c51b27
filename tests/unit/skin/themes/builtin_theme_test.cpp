// The built-in theme "Tolsy metal" as the build compiles it: its stored form, header, images,
// object tree, links and tables, and the container the main window carries.
#include <gtest/gtest.h>

#include <map>

#include "skin/model/object_images.h"
#include "skin/model/system_colours.h"
#include "skin/skin_fixture.h"
#include "skin/stored/skin_source.h"
#include "skin/themes/theme_container.h"
#include "skin/themes/theme_manager.h"

namespace tolsy {
namespace {

class BuiltinTheme : public ::testing::Test {
  protected:
    void SetUp() override {
        bytes = test::read_binary(test::built_theme_path());
        ASSERT_FALSE(bytes.empty()) << test::built_theme_path();
        ByteReader in(as_bytes(bytes));
        report = skin.read(in);
    }
    int object_total() const {
        int n = 0;
        for (const auto& r : skin.objects) r->for_each([&](TSeSkinObject&) { ++n; });
        return n;
    }

    std::string bytes;
    TSeSkinSource skin;
    SkinReadReport report;
};

TEST_F(BuiltinTheme, IsAMaximumCompressedSkinReadToItsLastByte) {
    EXPECT_EQ(bytes.substr(0, 5), std::string("_MCT\0", 5));
    EXPECT_EQ(report.filter, &max_compression_filter());
    EXPECT_TRUE(report.by_signature);
    EXPECT_EQ(report.body_consumed, report.body_size);
    EXPECT_EQ(report.image_word, 0x00FFF002u);
    EXPECT_EQ(report.object_word, 0x00FF001Cu);
    EXPECT_EQ(report.tables, TableSource::kStored);
}

TEST_F(BuiltinTheme, HoldsTwoImagesTwentyEightRootsAndTwoHundredFiveObjects) {
    EXPECT_EQ(skin.bitmaps.size(), 2u);
    EXPECT_EQ(skin.object_count(), 28);
    EXPECT_EQ(object_total(), 205);
}

TEST_F(BuiltinTheme, HeaderNamesTheThemeAndItsAuthor) {
    EXPECT_EQ(skin.skin_name, "Tolsy metal");
    EXPECT_EQ(skin.skin_version, "4.0");
    EXPECT_EQ(skin.author.size(), 12u);
    EXPECT_TRUE(skin.author_email.empty());
    EXPECT_TRUE(skin.author_url.empty());
}

TEST_F(BuiltinTheme, RootsComeInTheStoredOrderWithTheirDescendants) {
    const std::vector<std::pair<std::string, int>> expected{
        {"Form", 30},       {"MenuBar", 10},    {"PopupMenu", 4},  {"CheckBox", 4},
        {"RadioButton", 3}, {"ScrollBar", 14},  {"Button", 2},     {"SpeedButton", 7},
        {"GroupBox", 6},    {"ProgressBar", 3}, {"TrackBar", 7},   {"ListBox", 10},
        {"Edit", 9},        {"ComboBox", 9},    {"SpinButton", 1}, {"Panel", 6},
        {"Tabs", 8},        {"Grid", 8},        {"ControlBar", 3}, {"Toolbar", 1},
        {"Header", 1},      {"StatusBar", 4},   {"ScrollBox", 1},  {"ToolWindow", 14},
        {"Container", 1},   {"Splitter", 0},    {"Frame", 6},      {"Hint", 5}};
    ASSERT_EQ(skin.objects.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        int descendants = -1;
        skin.objects[i]->for_each([&](TSeSkinObject&) { ++descendants; });
        EXPECT_EQ(skin.objects[i]->name(), expected[i].first);
        EXPECT_EQ(descendants, expected[i].second) << expected[i].first;
    }
}

int depth_below(TSeSkinObject& o) {
    int deepest = 0;
    for (std::size_t i = 0; i < o.child_count(); ++i)
        deepest = std::max(deepest, 1 + depth_below(*o.child(i)));
    return deepest;
}

TEST_F(BuiltinTheme, ClassesAndNestingAreAsStated) {
    std::map<std::string, int> classes;
    int deepest = 0;
    for (const auto& r : skin.objects) {
        r->for_each([&](TSeSkinObject& o) { ++classes[std::string(o.class_info().name())]; });
        deepest = std::max(deepest, depth_below(*r));
        EXPECT_EQ(r->class_info().name(),
                  r->name() == "Splitter" ? "TSeBitmapObject" : "TSeSkinObject");
    }
    const std::map<std::string, int> expected{{"TSeSkinObject", 77},   {"TSeButtonObject", 61},
                                              {"TSeBitmapObject", 29}, {"TSeActiveBitmap", 18},
                                              {"TSeSystemButton", 10}, {"TSeTextObject", 6},
                                              {"TSeActiveObject", 3},  {"TSeColorButtonObject", 1}};
    EXPECT_EQ(classes, expected);
    EXPECT_EQ(deepest, 4);
}

TEST_F(BuiltinTheme, ImagesCarryTheirFlagsAndPixels) {
    const TteBitmap& atlas = *skin.bitmaps[0];
    EXPECT_EQ(atlas.name, "themeimage");
    EXPECT_EQ(atlas.width(), 350);
    EXPECT_EQ(atlas.height(), 300);
    EXPECT_TRUE(atlas.key_flag);
    EXPECT_FALSE(atlas.alpha_flag);
    int keyed = 0;
    for (int y = 0; y < atlas.height(); ++y) {
        for (int x = 0; x < atlas.width(); ++x) {
            const std::uint32_t p = atlas.image.at(x, y);
            if (p == kKeyPixel) {
                ++keyed;
            } else {
                ASSERT_EQ(Pixel::alpha(p), 255) << x << "," << y;
            }
        }
    }
    EXPECT_GT(keyed, 0);
    EXPECT_LT(keyed, 350 * 300);
    const TteBitmap& track = *skin.bitmaps[1];
    EXPECT_EQ(track.name, "track.bmp");
    EXPECT_EQ(track.width(), 5);
    EXPECT_EQ(track.height(), 5);
    EXPECT_FALSE(track.key_flag);
    EXPECT_TRUE(track.alpha_flag);
}

TEST_F(BuiltinTheme, LinksNameTheAtlasAndShowDrawnPixels) {
    int named = 0;
    for (const auto& r : skin.objects) {
        r->for_each([&](TSeSkinObject& o) {
            for_each_link(o, [&](TteBitmapLink& link) {
                if (link.empty()) return;
                ++named;
                const std::string where = r->name() + "\\" + o.name();
                if (where == "TrackBar\\Track") {
                    EXPECT_EQ(link.name, "track.bmp");
                } else if (where == "RadioButton\\Checked" &&
                           &link == &static_cast<TSeButtonObject&>(o).bitmap_focused) {
                    EXPECT_EQ(link.name, "RADIOBUTTON.BMP");
                    return;
                } else {
                    EXPECT_EQ(link.name, "themeimage") << where;
                }
                const TteBitmap* bitmap = link_bitmap(o, link);
                ASSERT_NE(bitmap, nullptr) << where;
                const Rect r2 =
                    link_rect(link).intersect({0, 0, bitmap->width(), bitmap->height()});
                EXPECT_EQ(r2, link_rect(link)) << where;
                bool drawn = false;
                for (int y = r2.top; y < r2.bottom && !drawn; ++y)
                    for (int x = r2.left; x < r2.right && !drawn; ++x)
                        drawn = bitmap->image.at(x, y) != kKeyPixel;
                EXPECT_TRUE(drawn) << where << " links to an empty part of the image";
            });
        });
    }
    EXPECT_GT(named, 100);
}

TEST_F(BuiltinTheme, ColourTableHoldsTheListedThemeColours) {
    const auto& c = skin.colors.colors;
    for (int i : {0, 1, 2}) EXPECT_EQ(c[i], 0x00E75900u);
    EXPECT_EQ(c[3], 0x00D7E9EAu);
    EXPECT_EQ(c[4], clBlack);
    EXPECT_EQ(c[5], clWhite);
    EXPECT_EQ(c[6], clWhite);
    for (int i = 7; i <= 11; ++i) EXPECT_EQ(c[i], 0x00EFF3F7u);
    for (int i = 12; i <= 15; ++i) EXPECT_EQ(c[i], clWhite);
    EXPECT_EQ(c[16], clHighlight);
    EXPECT_EQ(c[17], 0x00FEFBF5u);
    for (int i : {18, 19, 20}) EXPECT_EQ(c[i], clWhite);
    EXPECT_EQ(c[21], clBlack);
}

TEST_F(BuiltinTheme, SystemColourTableIsReadInItsOwnOrder) {
    const auto& c = skin.sys_colors.colors;
    EXPECT_EQ(c[0], 0x00E75900u);   // clActiveBorder
    EXPECT_EQ(c[4], 0x00EFF3F7u);   // clBtnFace
    EXPECT_EQ(c[9], clDefault);     // clDefault
    EXPECT_EQ(c[10], 0x00E75900u);  // clActiveCaption, a second time
    EXPECT_EQ(c[17], 0x00FEFBF5u);  // clInfoBk
    EXPECT_EQ(c[25], clBlack);      // clWindowFrame, the last
}

TEST_F(BuiltinTheme, FontTableFollowsTheListedFaces) {
    const auto& f = skin.fonts.fonts;
    for (int i : {0, 1}) {
        EXPECT_EQ(f[i].name, "Trebuchet MS");
        EXPECT_EQ(f[i].size, 10);
        EXPECT_TRUE(f[i].bold);
    }
    EXPECT_EQ(f[0].color, clBlack);
    EXPECT_EQ(f[1].color, rgb_color(128, 128, 128));
    for (int i = 10; i <= 13; ++i) {
        EXPECT_EQ(f[i].name, "Tolsy");
        EXPECT_EQ(f[i].size, 11);
    }
    EXPECT_EQ(f[14].name, "Tolsy");
    EXPECT_EQ(f[14].size, 10);
    EXPECT_EQ(f[14].color, rgb_color(128, 128, 128));
    for (int i = 57; i <= 60; ++i) EXPECT_EQ(f[i].name, "Tolsy");
    EXPECT_EQ(f[61].name, "MS Sans Serif");
    for (int i = 29; i <= 33; ++i) EXPECT_EQ(f[i].name, "MS Sans Serif");
    for (int i = 38; i <= 41; ++i) EXPECT_EQ(f[i].name, "MS Sans Serif");
    for (int i : {37, 65}) EXPECT_EQ(f[i].name, "MS Sans Serif");
    EXPECT_EQ(f[33].color, clWhite);
    EXPECT_EQ(f[59].color, clWhite);
    for (int i : {2, 4, 8, 15, 20, 25, 27, 42, 49, 51, 62}) {
        EXPECT_EQ(f[i].name, "Tahoma") << i;
        EXPECT_EQ(f[i].size, 8) << i;
    }
}

TEST_F(BuiltinTheme, FormObjectIsTheDescribedFrame) {
    TSeSkinObject& form = *skin.find_object("Form");
    EXPECT_EQ(form.width(), 375);
    EXPECT_EQ(form.height(), 247);
    EXPECT_EQ(form.kind, TSeKind::skForm);
    EXPECT_EQ(form.color, 0x00D7E9EAu);
    std::vector<std::string> names;
    for (std::size_t i = 0; i < form.child_count(); ++i) names.push_back(form.child(i)->name());
    EXPECT_EQ(names, (std::vector<std::string>{"Caption", "Left", "Right", "Bottom", "Client",
                                               "SysMenu"}));
    TSeSkinObject& container = *skin.find_object("Form\\ButtonContainer");
    EXPECT_EQ(container.align, TSeAlign::saTopRight);
    EXPECT_EQ(container.kind, TSeKind::skCaption);
    EXPECT_EQ(container.width(), 204);
    EXPECT_EQ(container.height(), 21);
    const std::vector<std::pair<std::string, TSeAction>> buttons{
        {"CloseButton", TSeAction::sbaClose},       {"RestoreButton", TSeAction::sbaRestore},
        {"MaxButton", TSeAction::sbaMaximize},      {"MinButton", TSeAction::sbaMinimize},
        {"RollDownButton", TSeAction::sbaRollDown}, {"RollUpButton", TSeAction::sbaRollUp},
        {"TrayButton", TSeAction::sbaTray},         {"HelpButton", TSeAction::sbaHelp}};
    ASSERT_EQ(container.child_count(), buttons.size());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto& b = dynamic_cast<TSeSystemButton&>(*container.child(i));
        EXPECT_EQ(b.name(), buttons[i].first);
        EXPECT_EQ(b.action, buttons[i].second);
        EXPECT_EQ(b.align, TSeAlign::saRight);
        ASSERT_EQ(b.child_count(), 1u);
        EXPECT_EQ(b.child(0)->name(), "Glyph");
        EXPECT_EQ(b.child(0)->align, TSeAlign::saCenter);
        EXPECT_NE(dynamic_cast<TSeButtonObject*>(b.child(0)), nullptr);
    }
    auto& menu = dynamic_cast<TSeSystemButton&>(*skin.find_object("Form\\SysMenu"));
    EXPECT_EQ(menu.action, TSeAction::sbaSysMenu);
    EXPECT_EQ(menu.align, TSeAlign::saTopLeft);
    EXPECT_EQ((Rect::from_size(menu.left(), menu.top(), menu.width(), menu.height())),
              (Rect{6, 6, 26, 26}));
    for_each_link(menu, [](TteBitmapLink& link) { EXPECT_TRUE(link.empty()); });
    TSeSkinObject& title = *skin.find_object("Form\\Title");
    EXPECT_EQ(title.kind, TSeKind::skTitle);
    EXPECT_EQ(title.align, TSeAlign::saClient);
    EXPECT_EQ(title.child(0)->name(), "CopyOfTopBorder");
    EXPECT_EQ(title.child(0)->height(), 4);
    EXPECT_EQ(skin.find_object("Form\\Client")->kind, TSeKind::skClient);
    EXPECT_FALSE(skin.find_object("Form\\Client")->masked);
}

TEST_F(BuiltinTheme, ContainerCarriesTheStoredThemeUnderItsName) {
    const std::string container =
        test::read_binary(std::string(TOLSY_BINARY_DIR) + "/theme/tolsy_metal.container");
    ByteReader in(as_bytes(container));
    ThemeStreamData item;
    read_theme_container(in, item, theme_manager());
    EXPECT_EQ(static_cast<unsigned char>(container[0]), 3u);
    EXPECT_EQ(item.theme_store, "Tolsy metal");
    EXPECT_EQ(std::string(item.buffer.begin(), item.buffer.end()), bytes);
    ByteReader stored(item.buffer);
    auto theme = theme_manager().load_theme(stored);
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(theme->theme_name(), "Tolsy metal");
}

}  // namespace
}  // namespace tolsy
