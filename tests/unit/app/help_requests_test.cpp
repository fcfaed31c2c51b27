// The application's help requests as the router serves them, and the text pop-ups.
#include <gtest/gtest.h>

#include "app/help_fakes.h"
#include "app/help_router.h"

namespace tolsy {
namespace {

using testing::FakeHelpApplication;
using testing::FakeHelpPlatform;
using Calls = std::vector<std::string>;
namespace hc = help_command;

class HelpRequestTest : public ::testing::Test {
  protected:
    void SetUp() override {
        release_help_viewer();
        router = std::make_unique<THelpRouter>(app, platform);
        router->set_helpfile("tolsy.hlp");
        router->set_help_type(THelpType::htHTMLhelp);
        platform.calls.clear();
    }
    void TearDown() override {
        router.reset();
        release_help_viewer();
    }
    // Raises one request the way the application does: call-help arrives true.
    bool request(std::uint16_t command, HelpData data = 0) {
        call_help = true;
        return app.hook(command, data, call_help);
    }

    FakeHelpApplication app;
    FakeHelpPlatform platform;
    std::unique_ptr<THelpRouter> router;
    bool call_help = true;
    bool own_keeps_going = true;
};

TEST_F(HelpRequestTest, HtmlCommandTable) {
    const char keyword[] = "datum";
    const HelpData keyword_data = reinterpret_cast<HelpData>(keyword);
    const std::string kw = std::to_string(keyword_data);
    struct Case {
        std::uint16_t command;
        HelpData data;
        std::string call;
    } cases[] = {
        {hc::kContext, 1234, "html 8192 owner=11 path=tolsy.chm cmd=15 data=1234"},
        {hc::kQuit, 99, "html 8192 owner=11 path=<none> cmd=18 data=0"},
        {hc::kContents, 99, "html 8192 owner=11 path=tolsy.chm cmd=1 data=0"},
        {hc::kFinder, 99, "html 8192 owner=11 path=tolsy.chm cmd=1 data=0"},
        {hc::kTab, 1, "html 8192 owner=11 path=tolsy.chm cmd=2 data=0"},
        {hc::kTab, 0, "html 8192 owner=11 path=tolsy.chm cmd=1 data=0"},
        {hc::kKey, keyword_data, "html 8192 owner=11 path=tolsy.chm cmd=2 data=" + kw},
        {hc::kPartialKey, keyword_data, "html 8192 owner=11 path=tolsy.chm cmd=2 data=" + kw},
    };
    for (const Case& c : cases) {
        platform.calls.clear();
        EXPECT_TRUE(request(c.command, c.data)) << c.command;
        EXPECT_FALSE(call_help) << c.command;
        EXPECT_EQ(platform.calls, Calls{c.call}) << c.command;
    }
    platform.viewer_result = 0;
    EXPECT_FALSE(request(hc::kContents)) << "no viewer window, no success";
}

TEST_F(HelpRequestTest, UnknownCommandDoesNothingButIsTaken) {
    EXPECT_FALSE(request(0x0104, 5));
    EXPECT_FALSE(call_help);
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(HelpRequestTest, ReleasingTheViewerClosesItsWindowsBeforeFreeingIt) {
    ASSERT_TRUE(request(hc::kContents));
    platform.calls.clear();
    release_help_viewer();
    EXPECT_EQ(platform.calls, (Calls{"html 8192 owner=0 path=<none> cmd=18 data=0", "free 4096"}));
}

TEST_F(HelpRequestTest, MissingViewerLeavesTheRequestToTheApplication) {
    release_help_viewer();
    platform.calls.clear();
    platform.library_result = 0;
    EXPECT_FALSE(request(hc::kContents));
    EXPECT_TRUE(call_help);
    EXPECT_EQ(platform.calls, (Calls{"load HHCTRL.OCX"}));
}

TEST_F(HelpRequestTest, OwnHandlerAndSavedHookComeFirst) {
    Calls order;
    router.reset();
    app.hook = [&](std::uint16_t, HelpData, bool&) {
        order.push_back("saved");
        return true;
    };
    router = std::make_unique<THelpRouter>(app, platform);
    router->set_help_type(THelpType::htHTMLhelp);
    router->set_helpfile("tolsy.chm");
    router->OnHelp = [&](std::uint16_t, HelpData, bool& ch) {
        order.push_back("own");
        ch = own_keeps_going;
        return false;
    };
    platform.calls.clear();
    own_keeps_going = false;
    EXPECT_FALSE(request(hc::kContents));
    EXPECT_EQ(order, (Calls{"own"}));
    EXPECT_TRUE(platform.calls.empty()) << "a handler that clears call-help ends the request";

    own_keeps_going = true;
    EXPECT_TRUE(request(hc::kContents));
    EXPECT_EQ(order, (Calls{"own", "own", "saved"}));
    EXPECT_EQ(platform.calls.size(), 1u);
}

TEST_F(HelpRequestTest, SavedHookThatTakesTheRequestStopsIt) {
    router.reset();
    app.hook = [&](std::uint16_t, HelpData, bool& ch) {
        ch = false;
        return true;
    };
    router = std::make_unique<THelpRouter>(app, platform);
    router->set_help_type(THelpType::htHTMLhelp);
    platform.calls.clear();
    EXPECT_TRUE(request(hc::kContents));
    EXPECT_FALSE(call_help);
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(HelpRequestTest, ContextPopupUsesTheStoredPositionOnceThenTheCursor) {
    // x in the low word, y in the high word, both signed.
    const HelpData position = (static_cast<HelpData>(0xFFF6) << 16) | 0xFFEC;  // (-20, -10)
    EXPECT_FALSE(request(hc::kSetPopupPos, position));
    EXPECT_FALSE(call_help);
    EXPECT_TRUE(platform.calls.empty());

    EXPECT_TRUE(request(hc::kContextPopup, 321));
    EXPECT_EQ(platform.calls, (Calls{"popup 8192 owner=11 path=tolsy.chm::/CSHelp.txt"}));
    EXPECT_EQ(platform.last_popup.position, (HelpPoint{-20, -10}));
    EXPECT_EQ(platform.last_popup.string_id, 321u);

    platform.calls.clear();
    platform.viewer_result = 0;
    EXPECT_TRUE(request(hc::kContextPopup, 5)) << "the pop-up request reports success anyway";
    EXPECT_EQ(platform.calls.front(), "cursor");
    EXPECT_EQ(platform.last_popup.position, (HelpPoint{300, 400}));
}

TEST_F(HelpRequestTest, MainShowTypeTurnsPopupsIntoContextRequests) {
    router->set_show_type(TShowType::stMain);
    EXPECT_TRUE(request(hc::kContextPopup, 77));
    EXPECT_EQ(platform.calls, (Calls{"html 8192 owner=11 path=tolsy.chm cmd=15 data=77"}));
    platform.calls.clear();
    // Set-position becomes command 0, which HTML help does not know.
    EXPECT_FALSE(request(hc::kSetPopupPos, 0x00050005));
    EXPECT_TRUE(platform.calls.empty());
}

TEST_F(HelpRequestTest, MixedModeSendsPopupRequestsToTheOldHelpSystem) {
    router->set_help_type(THelpType::htMixedMode);
    EXPECT_TRUE(request(hc::kContextPopup, 9));
    EXPECT_TRUE(request(hc::kContents));
    platform.win_help_result = false;
    EXPECT_FALSE(request(hc::kSetPopupPos, 0x00020001));
    EXPECT_FALSE(call_help);
    EXPECT_EQ(platform.calls, (Calls{"winhelp owner=11 file=tolsy.hlp cmd=8 data=9",
                                     "html 8192 owner=11 path=tolsy.chm cmd=1 data=0",
                                     "winhelp owner=11 file=tolsy.hlp cmd=13 data=131073"}));
}

TEST_F(HelpRequestTest, MixedModeWithMainShowTypeKeepsEverythingInHtmlHelp) {
    router->set_help_type(THelpType::htMixedMode);
    router->set_show_type(TShowType::stMain);
    EXPECT_TRUE(request(hc::kContextPopup, 9));
    EXPECT_EQ(platform.calls, (Calls{"html 8192 owner=11 path=tolsy.chm cmd=15 data=9"}));
}

TEST_F(HelpRequestTest, OldHelpSystemServesWinhelpType) {
    router->set_help_type(THelpType::htWinhelp);
    router->set_helpfile("tolsy.chm");
    EXPECT_TRUE(request(hc::kContext, 12));
    EXPECT_FALSE(call_help);
    router->set_show_type(TShowType::stMain);
    EXPECT_TRUE(request(hc::kSetPopupPos, 12)) << "command 0 succeeds without a call";
    EXPECT_EQ(platform.calls, (Calls{"winhelp owner=11 file=tolsy.hlp cmd=1 data=12"}));
}

TEST_F(HelpRequestTest, TextPopupGoesToTheActiveFormWithoutFile) {
    app.active = HelpFormInfo{42, ""};
    EXPECT_TRUE(router->ShowContextPopup(10, 20, "Datum letters", 99));
    EXPECT_EQ(platform.calls, (Calls{"popup 8192 owner=42 path=<none>"}));
    const HelpPopupRecord& r = platform.last_popup;
    EXPECT_EQ(r.struct_size, 52);
    EXPECT_EQ(r.instance, 0u);
    EXPECT_EQ(r.string_id, 0u) << "a text pop-up carries no string identifier";
    EXPECT_EQ(r.text, "Datum letters");
    EXPECT_EQ(r.position, (HelpPoint{10, 20}));
    EXPECT_EQ(r.foreground, -1);
    EXPECT_EQ(r.background, -1);
    for (int m : r.margins) EXPECT_EQ(m, -1);
    EXPECT_EQ(r.font, "MS Sans Serif, 8");
}

TEST_F(HelpRequestTest, ContextPopupRestoresAnEmptyTopicsFile) {
    router->set_chm_popup_topics("");
    EXPECT_TRUE(router->ShowContextPopup(1, 2, "", 7));
    EXPECT_EQ(router->CHMPopupTopics(), "CSHelp.txt");
    router->set_chm_popup_topics("popups.txt");
    router->ShowContextPopup(1, 2, "", 7);
    EXPECT_EQ(platform.calls, (Calls{"popup 8192 owner=11 path=tolsy.chm::/CSHelp.txt",
                                     "popup 8192 owner=11 path=tolsy.chm::/popups.txt"}));
    EXPECT_EQ(platform.last_popup.text, "");
}

TEST_F(HelpRequestTest, PopupWithoutViewerShowsNothing) {
    release_help_viewer();
    platform.calls.clear();
    platform.entry_result = 0;
    EXPECT_FALSE(router->ShowContextPopup(1, 2, "x", 0));
    EXPECT_EQ(platform.calls, (Calls{"load HHCTRL.OCX", "entry 4096 HtmlHelpA"}));
}

TEST(MakeTopicName, ReplacesRemovesAndKeeps) {
    EXPECT_EQ(MakeTopicName("Tab & Keys"), "Tab_+_Keys");
    EXPECT_EQ(MakeTopicName("a%b.c"), "a_b_c");
    EXPECT_EQ(MakeTopicName("\"x,/y:?\\|\xBFz\""), "xyz");
    EXPECT_EQ(MakeTopicName("1*2<3>4[5]"), "1+2~3~4(5)");
    EXPECT_EQ(MakeTopicName("\xC4\xE4\xD6\xF6\xDC\xFC\xDF"), "aaoouus");
    EXPECT_EQ(MakeTopicName("Datum-A_\xE9"), "Datum-A_\xE9") << "other characters stay";
    EXPECT_EQ(MakeTopicName(""), "");
}

TEST(HelpFileNames, ExtensionFollowsTheLastDotAfterTheLastSeparator) {
    EXPECT_EQ(change_file_ext("tolsy.hlp", ".chm"), "tolsy.chm");
    EXPECT_EQ(change_file_ext("tolsy", ".chm"), "tolsy.chm");
    EXPECT_EQ(change_file_ext("C:\\a.b\\tolsy", ".chm"), "C:\\a.b\\tolsy.chm");
    EXPECT_EQ(change_file_ext("", ".chm"), ".chm");
    EXPECT_EQ(extract_file_ext("x/Intro.HTML"), ".HTML");
    EXPECT_EQ(extract_file_ext("dir.v1/Intro"), "");
    EXPECT_EQ(extract_file_ext("name."), ".");
}

}  // namespace
}  // namespace tolsy
