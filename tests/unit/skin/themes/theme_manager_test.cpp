#include "skin/themes/theme_manager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace tolsy {
namespace {

// A kind whose data is "FAKE" followed by the theme name; "FAIL" is recognised but fails to load.
class FakeKind : public ThemeKind {
  public:
    explicit FakeKind(std::string tag, bool loads_files = false)
        : tag(std::move(tag)), loads_files(loads_files) {}
    std::string_view kind_name() const override { return tag; }
    TteThemeConfig config() const override {
        TteThemeConfig c;
        c.loads_files = loads_files;
        c.can_save = true;
        c.file_filter = "Fake (*.FAKE)|*.FAKE";
        return c;
    }
    bool recognises(ByteReader& s) const override {
        if (s.remaining() < 4) return false;
        auto head = s.bytes(4, "tag");
        return std::string(head.begin(), head.end()) == tag ||
               std::string(head.begin(), head.end()) == "FAIL";
    }
    std::unique_ptr<TteTheme> create() const override;

    std::string tag;
    bool loads_files;
};

class FakeTheme : public TteTheme {
  public:
    using TteTheme::TteTheme;
    bool load_from_stream(ByteReader& s) override {
        auto head = s.bytes(4, "tag");
        if (std::string(head.begin(), head.end()) == "FAIL") return false;
        auto rest = s.bytes(s.remaining(), "name");
        set_theme_name(std::string(rest.begin(), rest.end()));
        return true;
    }
    bool load_from_file(const std::string& name) override {
        set_file_name(name);
        set_theme_name("from file");
        return true;
    }
    void save_to_stream(ByteWriter& out) const override { out.text("FAKE" + theme_name()); }
};

std::unique_ptr<TteTheme> FakeKind::create() const {
    return std::make_unique<FakeTheme>(*this);
}

struct Recorder : ThemeClient {
    explicit Recorder(TteThemeManager& m) : manager(m) {}
    void theme_notify(ThemeCode code, int param) override {
        codes.push_back(code);
        params.push_back(param);
        current_names.push_back(manager.current() ? manager.current()->theme_name() : "-");
    }
    bool wants_color_changes() const override { return visible; }
    TteThemeManager& manager;
    std::vector<ThemeCode> codes;
    std::vector<int> params;
    std::vector<std::string> current_names;
    bool visible = true;
};

std::unique_ptr<TteTheme> fake_theme(const ThemeKind& kind, const std::string& name) {
    Bytes data(name.begin(), name.end());
    data.insert(data.begin(), {'F', 'A', 'K', 'E'});
    ByteReader in(data);
    auto theme = kind.create();
    EXPECT_TRUE(theme->load_from_stream(in));
    return theme;
}

TEST(ThemeManager, NotifiesInOrderAndSwapsBetweenThem) {
    TteThemeManager m;
    FakeKind kind("FAKE");
    Recorder r(m);
    m.register_client(&r);
    EXPECT_TRUE(r.codes.empty()) << "nothing current, nothing sent on registration";
    m.set_current(fake_theme(kind, "one"));
    m.set_current(fake_theme(kind, "two"));
    m.unload_current();
    using C = ThemeCode;
    EXPECT_EQ(r.codes, (std::vector<C>{C::BeforeChange, C::ThemeLoaded, C::AfterChange,
                                       C::BeforeChange, C::ThemeReplaced, C::AfterChange,
                                       C::BeforeChange, C::ThemeUnloaded, C::AfterChange}));
    // The old theme is still current while clients hear BeforeChange; the new one when told.
    EXPECT_EQ(r.current_names,
              (std::vector<std::string>{"-", "one", "one", "one", "two", "two", "two", "-", "-"}));
    EXPECT_EQ(m.current(), nullptr);
}

TEST(ThemeManager, ClientRegisteringWhileThemeIsCurrentHearsThemeLoaded) {
    TteThemeManager m;
    FakeKind kind("FAKE");
    m.set_current(fake_theme(kind, "one"));
    Recorder late(m);
    m.register_client(&late);
    EXPECT_EQ(late.codes, std::vector<ThemeCode>{ThemeCode::ThemeLoaded});
    m.register_client(&late);
    EXPECT_EQ(late.codes.size(), 1u) << "registering twice is one registration";
    m.unregister_client(&late);
    m.unload_current();
    EXPECT_EQ(late.codes.size(), 1u);
}

TEST(ThemeManager, ColorsChangedSkipsHiddenControlsOnly) {
    TteThemeManager m;
    FakeKind kind("FAKE");
    Recorder shown(m), hidden(m);
    hidden.visible = false;
    m.register_client(&shown);
    m.register_client(&hidden);
    m.notify(ThemeCode::ColorsChanged, kColorsFromDeltas);
    m.platform_colors_changed();
    m.set_current(fake_theme(kind, "x"));
    EXPECT_EQ(shown.codes.size(), 5u);
    EXPECT_EQ(shown.params[0], 1);
    EXPECT_EQ(shown.params[1], 0);
    EXPECT_EQ(hidden.codes.size(), 3u) << "hidden controls still hear theme changes";
}

TEST(ThemeManager, ClientLeavingDuringANotificationIsNotCalledAgain) {
    TteThemeManager m;
    struct Leaver : ThemeClient {
        TteThemeManager* m = nullptr;
        ThemeClient* other = nullptr;
        int calls = 0;
        void theme_notify(ThemeCode, int) override {
            ++calls;
            m->unregister_client(other);
        }
    };
    Leaver first, second;
    first.m = second.m = &m;
    first.other = &second;
    second.other = &second;
    m.register_client(&first);
    m.register_client(&second);
    m.notify(ThemeCode::ColorsChanged, 0);
    EXPECT_EQ(first.calls, 1);
    EXPECT_EQ(second.calls, 0);
}

TEST(ThemeManager, LoadAsksKindsInOrderAndRestoresThePosition) {
    TteThemeManager m;
    m.register_kind(std::make_unique<DefaultThemeKind>());
    m.register_kind(std::make_unique<FakeKind>("FAKE"));
    m.register_kind(std::make_unique<FakeKind>("OTHR"));
    EXPECT_EQ(m.kind_count(), 3);
    EXPECT_EQ(m.kind(0)->kind_name(), "Default");
    EXPECT_EQ(m.kind(3), nullptr);
    EXPECT_EQ(m.kind(-1), nullptr);

    const std::string text = "xxOTHRmetal";
    ByteReader in(as_bytes(text));
    in.seek(2);
    auto theme = m.load_theme(in);
    ASSERT_NE(theme, nullptr);
    EXPECT_EQ(theme->kind().kind_name(), "OTHR");
    EXPECT_EQ(theme->theme_name(), "metal");

    const std::string failing = "FAILxx", unknown = "NONE";
    ByteReader f(as_bytes(failing)), u(as_bytes(unknown));
    EXPECT_EQ(m.load_theme(f), nullptr);
    EXPECT_EQ(m.load_theme(u), nullptr);
    EXPECT_EQ(u.position(), 0u);
}

TEST(ThemeManager, SaveOnlyThroughKindsThatCanSave) {
    TteThemeManager m;
    FakeKind kind("FAKE");
    DefaultThemeKind base;
    ByteWriter out;
    m.save_theme(*fake_theme(kind, "abc"), out);
    EXPECT_EQ(std::string(out.bytes().begin(), out.bytes().end()), "FAKEabc");
    ByteWriter none;
    m.save_theme(*base.create(), none);
    EXPECT_EQ(none.size(), 0u);
    EXPECT_EQ(base.create()->theme_name(), "Default theme");
}

class ThemeFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::path(TOLSY_BINARY_DIR) / "test-theme-files";
        std::filesystem::create_directories(dir / "prog");
    }
    void write(const std::filesystem::path& p, const std::string& text) {
        std::ofstream(p, std::ios::binary) << text;
    }
    std::filesystem::path dir;
};

TEST_F(ThemeFiles, ByExtensionByContentAndBesideTheProgram) {
    TteThemeManager m;
    m.register_kind(std::make_unique<DefaultThemeKind>());
    m.register_kind(std::make_unique<FakeKind>("FAKE", true));
    write(dir / "a.fake", "whatever");
    write(dir / "b.dat", "FAKEbee");
    write(dir / "prog" / "c-only-here.dat", "FAKEsee");

    auto by_ext = m.load_theme_file((dir / "a.fake").string());
    ASSERT_NE(by_ext, nullptr);
    EXPECT_EQ(by_ext->theme_name(), "from file");
    EXPECT_EQ(by_ext->file_name(), (dir / "a.fake").string());

    auto by_content = m.load_theme_file((dir / "b.dat").string());
    ASSERT_NE(by_content, nullptr);
    EXPECT_EQ(by_content->theme_name(), "bee");

    EXPECT_EQ(m.load_theme_file(""), nullptr);
    EXPECT_EQ(m.load_theme_file("c-only-here.dat"), nullptr);
    set_theme_program_folder((dir / "prog").string());
    auto retried = m.load_theme_file("c-only-here.dat");
    ASSERT_NE(retried, nullptr);
    EXPECT_EQ(retried->theme_name(), "see");
    EXPECT_EQ(m.load_theme_file("C:c-only-here.dat"), nullptr) << "a drive name is not retried";
    EXPECT_EQ(m.load_theme_file((dir / "missing.fake").string()), nullptr);
    set_theme_program_folder("");
}

}  // namespace
}  // namespace tolsy
