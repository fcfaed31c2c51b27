#include "app/help_router.h"

#include <gtest/gtest.h>

#include "app/help_fakes.h"

namespace tolsy {
namespace {

using testing::FakeHelpApplication;
using testing::FakeHelpPlatform;
using Calls = std::vector<std::string>;

const std::string kBegin = "begin HHCTRL.OCX";
const std::string kLoad = "load HHCTRL.OCX";
const std::string kEntry = "entry 4096 HtmlHelpA";

// A router as the main window carries it: HTML help, file "tolsy.chm".
class HelpRouterTest : public ::testing::Test {
  protected:
    void SetUp() override { release_help_viewer(); }
    void TearDown() override {
        router.reset();
        release_help_viewer();
    }
    THelpRouter& make_router(THelpType type = THelpType::htHTMLhelp,
                             std::string file = "tolsy.chm") {
        router = std::make_unique<THelpRouter>(app, platform);
        router->set_helpfile(std::move(file));
        router->set_help_type(type);
        platform.calls.clear();
        return *router;
    }
    bool route(std::uint16_t command, HelpData data, bool& call_help) {
        call_help = true;
        return app.hook(command, data, call_help);
    }

    FakeHelpApplication app;
    FakeHelpPlatform platform;
    std::unique_ptr<THelpRouter> router;
};

TEST_F(HelpRouterTest, OnlyOneRouterPerProcessAndTheHelpHookIsHandedBack) {
    bool saved_called = false;
    app.hook = [&](std::uint16_t, HelpData, bool&) { return saved_called = true; };
    make_router();
    EXPECT_EQ(THelpRouter::instance(), router.get());
    try {
        THelpRouter second(app, platform);
        FAIL() << "a second router was created";
    } catch (const HelpRouterInstanceError& e) {
        EXPECT_STREQ(e.what(), "Multiple instances of THelpRouter are not allowed");
    }
    // The failed second router must not have replaced the hook or unregistered the first.
    EXPECT_EQ(THelpRouter::instance(), router.get());
    bool call_help = true;
    route(help_command::kContents, 0, call_help);
    EXPECT_TRUE(saved_called) << "the saved hook is called from the router's own";

    router.reset();
    EXPECT_EQ(THelpRouter::instance(), nullptr);
    saved_called = false;
    app.hook(help_command::kContents, 0, call_help);
    EXPECT_TRUE(saved_called) << "destruction puts the saved hook back";
    EXPECT_NO_THROW(make_router()) << "a new router may follow a destroyed one";
}

TEST_F(HelpRouterTest, DestructionClearsTheHookWhenNoneWasSaved) {
    make_router();
    EXPECT_TRUE(static_cast<bool>(app.hook));
    router.reset();
    EXPECT_FALSE(static_cast<bool>(app.hook));
}

TEST_F(HelpRouterTest, CreationSetsTheDocumentedDefaults) {
    THelpRouter& r = make_router(THelpType::htWinhelp, "");
    EXPECT_EQ(r.ShowType(), TShowType::stDefault);
    EXPECT_EQ(r.CHMPopupTopics(), "CSHelp.txt");
    EXPECT_FALSE(r.ValidateID());
    EXPECT_EQ(r.HelpType(), THelpType::htWinhelp);
    EXPECT_EQ(r.Helpfile(), "");
}

TEST_F(HelpRouterTest, HtmlHelpTypeLoadsTheViewerAtOnce) {
    router = std::make_unique<THelpRouter>(app, platform);
    EXPECT_TRUE(platform.calls.empty());
    router->set_help_type(THelpType::htHTMLhelp);
    EXPECT_EQ(platform.calls, (Calls{kBegin, kLoad, kEntry}));
    router->set_help_type(THelpType::htMixedMode);
    EXPECT_EQ(platform.calls.size(), 3u) << "a loaded viewer is not loaded again";
}

TEST_F(HelpRouterTest, ABackgroundLoadIsCollectedAtTheFirstNeedOrAtTheRelease) {
    platform.loads_in_background = true;
    router = std::make_unique<THelpRouter>(app, platform);
    router->set_help_type(THelpType::htHTMLhelp);
    router->set_help_type(THelpType::htMixedMode);
    EXPECT_EQ(platform.calls, (Calls{kBegin})) << "begun once, and not waited for";
    EXPECT_TRUE(router->HelpViewerAvailable());
    EXPECT_EQ(platform.calls, (Calls{kBegin, kLoad, kEntry}));

    // Never asked for: the release waits for the load and frees what it loaded.
    router.reset();
    release_help_viewer();
    platform.calls.clear();
    router = std::make_unique<THelpRouter>(app, platform);
    router->set_help_type(THelpType::htHTMLhelp);
    release_help_viewer();
    EXPECT_EQ(platform.calls, (Calls{kBegin, kLoad, kEntry,
                                     "html 8192 owner=0 path=<none> cmd=18 data=0", "free 4096"}));
}

TEST_F(HelpRouterTest, WinhelpTypeLeavesTheViewerUnloaded) {
    router = std::make_unique<THelpRouter>(app, platform);
    router->set_help_type(THelpType::htWinhelp);
    router->set_help_type(THelpType::htMixedMode);
    router->set_help_type(THelpType::htWinhelp);
    EXPECT_EQ(platform.calls, (Calls{kBegin, kLoad, kEntry}));
}

TEST_F(HelpRouterTest, FailedLoadIsRetriedAtTheNextRequest) {
    platform.library_result = 0;
    make_router();
    EXPECT_FALSE(router->OpenHelpTopic("", ""));
    EXPECT_EQ(platform.calls, (Calls{kLoad})) << "nothing is shown when the viewer is missing";
    platform.library_result = 0x1000;
    EXPECT_TRUE(router->OpenHelpTopic("", ""));
    EXPECT_EQ(platform.calls[1], kLoad);
    EXPECT_EQ(platform.calls[2], kEntry);
}

TEST_F(HelpRouterTest, ThrowingLoadIsSwallowedAndRetried) {
    platform.load_throws = true;
    EXPECT_NO_THROW(make_router());
    EXPECT_FALSE(router->HelpViewerAvailable());
    EXPECT_EQ(platform.calls, (Calls{kLoad}));
    platform.load_throws = false;
    EXPECT_TRUE(router->HelpViewerAvailable());
}

TEST_F(HelpRouterTest, LibraryWithoutTheEntryStaysLoadedAndIsNotRetried) {
    platform.entry_result = 0;
    make_router();
    EXPECT_FALSE(router->HelpViewerAvailable());
    EXPECT_FALSE(router->OpenHelpTopic("", "Intro"));
    EXPECT_TRUE(platform.calls.empty());
    release_help_viewer();
    EXPECT_EQ(platform.calls, (Calls{"free 4096"}));
}

TEST_F(HelpRouterTest, TopicsBecomePathsInsideTheHelpFile) {
    make_router();
    router->OpenHelpTopic("", "Intro");
    router->OpenHelpTopic("", "Intro.HTML");
    router->OpenHelpTopic("", "Page.htm");
    router->OpenHelpTopic("", "notes.txt");
    router->OpenHelpTopic("", "Tab & Keys");
    router->set_validate_id(true);
    router->OpenHelpTopic("", "Tab & Keys");
    router->OpenHelpTopic("", "Intro.HTML");
    EXPECT_EQ(platform.calls, (Calls{
                                  "html 8192 owner=11 path=tolsy.chm::/Intro.htm cmd=0 data=0",
                                  "html 8192 owner=11 path=tolsy.chm::/Intro.HTML cmd=0 data=0",
                                  "html 8192 owner=11 path=tolsy.chm::/Page.htm cmd=0 data=0",
                                  "html 8192 owner=11 path=tolsy.chm::/notes.txt.htm cmd=0 data=0",
                                  "html 8192 owner=11 path=tolsy.chm::/Tab & Keys.htm cmd=0 data=0",
                                  "html 8192 owner=11 path=tolsy.chm::/Tab_+_Keys.htm cmd=0 data=0",
                                  "html 8192 owner=11 path=tolsy.chm::/Intro.HTML cmd=0 data=0",
                              }));
}

TEST_F(HelpRouterTest, NoTopicOpensTheDefaultTopicNeverOneNamedHtm) {
    make_router();
    open_help_contents();
    EXPECT_EQ(platform.calls, (Calls{"html 8192 owner=11 path=tolsy.chm cmd=0 data=0"}));
}

TEST_F(HelpRouterTest, FileArgumentIsOpenedAsChmWithoutOwner) {
    make_router(THelpType::htMixedMode);
    EXPECT_TRUE(router->OpenHelpTopic("C:\\docs.v2\\guide.hlp", ""));
    router->OpenHelpTopic("C:\\docs.v2\\guide", "");
    EXPECT_EQ(platform.calls,
              (Calls{"html 8192 owner=0 path=C:\\docs.v2\\guide.chm cmd=0 data=0",
                     "html 8192 owner=0 path=C:\\docs.v2\\guide.chm cmd=0 data=0"}));
    EXPECT_EQ(last_help_target().owner, 0u);
}

TEST_F(HelpRouterTest, ViewerWithoutWindowReportsFailure) {
    make_router();
    platform.viewer_result = 0;
    EXPECT_FALSE(router->OpenHelpTopic("", "Intro"));
}

TEST_F(HelpRouterTest, HelpFileAndOwnerFollowTheFormsAndTheRouter) {
    make_router(THelpType::htHTMLhelp, "");
    router->OpenHelpTopic("", "");  // the application's file and window
    app.active = HelpFormInfo{0, "form.chm"};
    router->OpenHelpTopic("", "");  // a form without a window does not count
    app.active = HelpFormInfo{42, ""};
    router->OpenHelpTopic("", "");  // nor one without a help file of its own
    app.active = HelpFormInfo{42, "form.chm"};
    router->OpenHelpTopic("", "");
    app.active.reset();
    router->set_owner_form([] { return HelpFormInfo{55, "owner.hlp"}; });
    router->OpenHelpTopic("", "");
    router->set_helpfile("tolsy.chm");
    router->OpenHelpTopic("", "");
    EXPECT_EQ(platform.calls, (Calls{"html 8192 owner=11 path=app.chm cmd=0 data=0",
                                     "html 8192 owner=11 path=app.chm cmd=0 data=0",
                                     "html 8192 owner=11 path=app.chm cmd=0 data=0",
                                     "html 8192 owner=42 path=form.chm cmd=0 data=0",
                                     "html 8192 owner=55 path=owner.chm cmd=0 data=0",
                                     "html 8192 owner=11 path=tolsy.chm cmd=0 data=0"}));
    EXPECT_EQ(last_help_target().file, "tolsy.chm") << "the bare name, no directory added";
}

TEST_F(HelpRouterTest, WinhelpOpensContentsThenJumpsToTheTopic) {
    make_router(THelpType::htWinhelp);
    EXPECT_TRUE(router->OpenHelpTopic("", "Intro"));
    EXPECT_EQ(platform.calls,
              (Calls{"winhelp owner=11 file=tolsy.hlp cmd=3 data=0",
                     "winhelp owner=11 file=tolsy.hlp cmd=258 data=JumpID(\"\",\"Intro\")"}));
    platform.calls.clear();
    platform.win_help_results = {false};
    EXPECT_FALSE(router->OpenHelpTopic("", "Intro"));
    EXPECT_EQ(platform.calls.size(), 1u) << "no macro after a failed contents call";
    platform.win_help_results = {true, false};
    EXPECT_FALSE(router->OpenHelpTopic("", "Intro")) << "the macro's failure is the result";
}

TEST_F(HelpRouterTest, WinhelpMacroIsCutAt255Characters) {
    make_router(THelpType::htWinhelp);
    router->OpenHelpTopic("", std::string(400, 'x'));
    const std::string& macro_call = platform.calls.at(1);
    std::string macro = macro_call.substr(macro_call.find("data=") + 5);
    EXPECT_EQ(macro.size(), 255u);
    EXPECT_EQ(macro.substr(0, 11), "JumpID(\"\",\"");
}

}  // namespace
}  // namespace tolsy
