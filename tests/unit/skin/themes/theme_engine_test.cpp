#include "skin/themes/theme_engine.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "skin/test_skins.h"
#include "skin/themes/skin_file.h"
#include "skin/themes/theme_components.h"
#include "skin/themes/theme_files.h"
#include "toolkit/components/component_stream.h"
#include "toolkit/components/text_stream.h"
#include "toolkit/components/window_description.h"

namespace tolsy {
namespace {

Bytes stored_skin(const std::string& name) {
    TSeSkinSource s;
    test::fill_sample(s);
    s.skin_name = name;
    return s.write(max_compression_filter());
}

struct CodeLog : ThemeClient {
    void theme_notify(ThemeCode code, int param) override { entries.emplace_back(code, param); }
    std::vector<std::pair<ThemeCode, int>> entries;
    int count(ThemeCode code) const {
        int n = 0;
        for (auto& e : entries) n += e.first == code;
        return n;
    }
};

class Engine : public ::testing::Test {
  protected:
    Engine() {
        manager.register_kind(std::make_unique<DefaultThemeKind>());
        manager.register_kind(std::make_unique<SkinFileKind>());
        manager.register_client(&log);
    }
    ~Engine() override { manager.unregister_client(&log); }

    TTeThemeList& list_with(std::initializer_list<std::string> names) {
        auto* list = new TTeThemeList(&form);
        for (const std::string& n : names)
            list->themes.add().store(n, n.empty() ? Bytes{} : stored_skin(n));
        return *list;
    }

    TteThemeManager manager;
    Component form;
    CodeLog log;
};

TEST_F(Engine, IndexPastTheEndSelectsTheLastItem) {
    TTeThemeEngine engine(&form, manager);
    TTeThemeList& list = list_with({"First", "Second"});
    engine.set_theme_list(&list);
    engine.set_theme_index(5);
    ASSERT_NE(manager.current(), nullptr);
    EXPECT_EQ(manager.current()->theme_name(), "Second");
    EXPECT_EQ(engine.theme_index(), 1);
    EXPECT_EQ(engine.theme_building(), "No theme");
    EXPECT_TRUE(engine.theme_file().empty());
}

TEST_F(Engine, NegativeIndexWithoutThemeFileUnloads) {
    TTeThemeEngine engine(&form, manager);
    engine.set_theme_list(&list_with({"Only"}));
    engine.set_theme_index(0);
    ASSERT_NE(manager.current(), nullptr);
    engine.set_theme_index(-1);
    EXPECT_EQ(manager.current(), nullptr);
    EXPECT_EQ(log.count(ThemeCode::ThemeUnloaded), 1);
    EXPECT_EQ(engine.theme_index(), -1);
}

TEST_F(Engine, AnEmptyItemLeavesTheCurrentThemeInPlace) {
    TTeThemeEngine engine(&form, manager);
    engine.set_theme_list(&list_with({"Real", ""}));
    engine.set_theme_index(0);
    TteTheme* current = manager.current();
    ASSERT_NE(current, nullptr);
    engine.set_theme_index(1);
    EXPECT_EQ(manager.current(), current);
}

TEST_F(Engine, DeltasReachTheThemeAndAreAnnounced) {
    TTeThemeEngine engine(&form, manager);
    engine.set_delta_hue(30);
    engine.set_delta_brightness(-5);
    EXPECT_TRUE(log.entries.empty()) << "no theme, nothing to tell";
    engine.set_theme_list(&list_with({"Only"}));
    engine.set_theme_index(0);
    EXPECT_EQ(manager.current()->delta_hue(), 30);
    EXPECT_EQ(manager.current()->delta_brightness(), -5);
    EXPECT_EQ(log.count(ThemeCode::ColorsChanged), 2) << "hue, then brightness";
    engine.set_delta_hue(30);
    EXPECT_EQ(log.count(ThemeCode::ColorsChanged), 2) << "an unchanged value does nothing";
    engine.set_delta_hue(0);
    EXPECT_EQ(manager.current()->delta_hue(), 0);
    EXPECT_EQ(log.entries.back(), std::make_pair(ThemeCode::ColorsChanged, 1));
}

TEST_F(Engine, HueThirtyThenZeroRestoresTheLookWhateverTheBrightness) {
    TTeThemeEngine engine(&form, manager);
    engine.set_delta_brightness(20);
    engine.set_theme_list(&list_with({"Only"}));
    engine.set_theme_index(0);
    auto* theme = static_cast<TTeSkinFile*>(manager.current());
    const Bytes form_before = test::record_bytes(*theme->working_source().object(0));
    const Image image_before = theme->working_source().bitmaps[0]->image;
    const TteThemeColors colors_before = theme->colors();
    engine.set_delta_hue(30);
    EXPECT_NE(theme->colors(), colors_before);
    engine.set_delta_hue(0);
    EXPECT_EQ(test::record_bytes(*theme->working_source().object(0)), form_before);
    EXPECT_EQ(theme->working_source().bitmaps[0]->image, image_before);
    EXPECT_EQ(theme->colors(), colors_before);
}

TEST_F(Engine, RemovingTheListUnloadsAndForgetsIt) {
    TTeThemeEngine engine(&form, manager);
    TTeThemeList* list = &list_with({"Only"});
    engine.set_theme_list(list);
    engine.set_theme_index(0);
    delete list;
    EXPECT_EQ(engine.theme_list(), nullptr);
    EXPECT_EQ(engine.theme_index(), -1);
    EXPECT_EQ(manager.current(), nullptr);
    TTeThemeList& other = list_with({"Other"});
    engine.set_theme_list(&other);
    engine.set_theme_index(0);
    engine.set_theme_list(nullptr);
    EXPECT_EQ(engine.theme_index(), -1);
    EXPECT_NE(manager.current(), nullptr) << "clearing the list alone keeps the theme";
}

TEST_F(Engine, FollowsThemesSetByOthers) {
    TTeThemeEngine engine(&form, manager);
    engine.set_theme_list(&list_with({"First", "Second"}));
    int changed = 0;
    engine.on_theme_changed.bind("Changed", [&](Component& sender) {
        EXPECT_EQ(&sender, &engine);
        ++changed;
    });
    const Bytes second = stored_skin("Second");
    ByteReader in(second);
    manager.set_current(manager.load_theme(in));
    EXPECT_EQ(engine.theme_index(), 1) << "found in the list by its name";
    EXPECT_EQ(changed, 1);
    manager.unload_current();
    EXPECT_EQ(engine.theme_index(), -1);
    EXPECT_EQ(engine.theme_building(), "No theme");
    EXPECT_EQ(changed, 2);
    manager.notify(ThemeCode::ColorsChanged, 0);
    EXPECT_EQ(changed, 2) << "other codes are ignored";
}

TEST_F(Engine, ThemeFilesAndBuiltInKinds) {
    const auto dir = std::filesystem::path(TOLSY_BINARY_DIR) / "test-engine-files";
    std::filesystem::create_directories(dir);
    TSeSkinSource s;
    test::fill_sample(s);
    s.skin_name = "From file";
    const std::string path = (dir / "look.mskn").string();
    s.write_file(path);

    TTeThemeEngine engine(&form, manager);
    engine.set_theme_file(path);
    ASSERT_NE(manager.current(), nullptr);
    EXPECT_EQ(manager.current()->theme_name(), "From file");
    EXPECT_EQ(manager.current()->file_name(), path);
    EXPECT_EQ(engine.theme_file(), path);
    EXPECT_EQ(engine.theme_index(), -1);

    // Another engine's file theme: the engine takes the file name over.
    engine.set_theme_file("");
    EXPECT_EQ(manager.current(), nullptr) << "no file and no item: unloaded";
    manager.set_current(manager.load_theme_file(path));
    EXPECT_EQ(engine.theme_file(), path);

    engine.set_theme_file((dir / "missing.mskn").string());
    EXPECT_EQ(manager.current(), nullptr);

    engine.set_theme_building("Default");
    EXPECT_EQ(engine.theme_building(), "No theme") << "the base kind is not built-in";
    engine.set_theme_building("Office XP");
    EXPECT_EQ(engine.theme_building(), "No theme");
}

// With a stand-in for the files, a ThemeFile name touches no real file: found, read and
// loaded (by its extension's kind, or by content) from the stand-in alone.
TEST_F(Engine, ThemeFileNamesGoThroughTheFilesInUse) {
    struct StandIn : ThemeFiles {
        bool exists(const std::string& path) const override {
            asked.push_back(path);
            return path.find("known") != std::string::npos;
        }
        bool read(const std::string&, Bytes& out) const override {
            out = skin;
            return true;
        }
        Bytes skin = stored_skin("From the stand-in");
        mutable std::vector<std::string> asked;
    } files;
    const ThemeFiles* before = set_theme_files(&files);
    TTeThemeEngine engine(&form, manager);
    for (const char* name : {"known.mskn", "known", "/nowhere/known.mskn"}) {
        engine.set_theme_file(name);
        ASSERT_NE(manager.current(), nullptr) << name;
        EXPECT_EQ(manager.current()->theme_name(), "From the stand-in") << name;
    }
    engine.set_theme_file(TOLSY_BINARY_DIR "/CMakeCache.txt");
    EXPECT_EQ(manager.current(), nullptr) << "a real file the stand-in does not know";
    EXPECT_EQ(files.asked.at(files.asked.size() - 1 - (theme_program_folder().empty() ? 0 : 1)),
              TOLSY_BINARY_DIR "/CMakeCache.txt");
    EXPECT_EQ(set_theme_files(before), &files);
}

std::string hex(const Bytes& bytes) {
    static const char* digits = "0123456789ABCDEF";
    std::string out;
    for (std::uint8_t b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

TEST(EngineInAForm, LoadedSelectsTheStoredThemeForTheWholeProcess) {
    register_theme_classes();
    TTeThemeStream item;
    item.store("Tolsy metal", stored_skin("Tolsy metal"));
    const std::string text =
        "object Form1: TForm1\r\n"
        "  object TeThemeEngine1: TTeThemeEngine\r\n"
        "    DeltaHue = 0\r\n    DeltaBrightness = 0\r\n    ThemeList = TeThemeList1\r\n"
        "    ThemeIndex = 0\r\n    ThemeBuilding = 'No theme'\r\n    Version = '7.04'\r\n"
        "  end\r\n"
        "  object TeThemeList1: TTeThemeList\r\n"
        "    Themes = <\r\n      item\r\n        ThemeStore = 'Tolsy metal'\r\n        Tag = 0\r\n"
        "        ThemeStream = {" +
        hex(item.write_container()) +
        "}\r\n      end>\r\n"
        "  end\r\n"
        "end\r\n";
    {
        auto form = std::make_unique<ThemeComponents>();
        read_description(*form, object_text_to_binary(text), {}, keep_theme_components);
        auto* engine = static_cast<TTeThemeEngine*>(form->find_component("TeThemeEngine1"));
        ASSERT_NE(engine, nullptr);
        ASSERT_NE(theme_manager().current(), nullptr);
        EXPECT_EQ(theme_manager().current()->theme_name(), "Tolsy metal");
        EXPECT_EQ(engine->theme_index(), 0);
        EXPECT_EQ(engine->theme_building(), "No theme");
        EXPECT_TRUE(engine->theme_file().empty());
        auto* list = static_cast<TTeThemeList*>(form->find_component("TeThemeList1"));
        EXPECT_EQ(list->themes.at(0).buffer(), item.buffer());
        EXPECT_EQ(list->version(), "7.04");
        // Written again, the item's container comes back as kind 3 with the same bytes.
        auto again = read_component(write_component(*list));
        auto* copy = static_cast<TTeThemeList*>(again.get());
        EXPECT_EQ(copy->themes.at(0).theme_store(), "Tolsy metal");
        EXPECT_EQ(copy->themes.at(0).buffer(), item.buffer());
    }
    EXPECT_EQ(theme_manager().current(), nullptr)
        << "the form's list went first and took the theme";
}

}  // namespace
}  // namespace tolsy
