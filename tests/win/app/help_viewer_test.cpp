// The help router with the real HTML help viewer: the library loads from the system folder and
// the viewer window opens on tolsy.chm, which the build places beside the programs, wherever
// the current folder is.
#include <windows.h>

#include <gtest/gtest.h>

#include "about/win_support.h"
#include "app/help_router_win.h"
#include "toolkit/controls/application_win.h"

namespace tolsy {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kViewerTitle[] = L"Framewright Help";

HWND viewer_window() {
    return FindWindowW(nullptr, kViewerTitle);
}

class HelpViewerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Somewhere else than the program's folder: the help file is found beside the program.
        char temp[MAX_PATH];
        const DWORD length = GetTempPathA(MAX_PATH, temp);
        ASSERT_GT(length, 0u);
        SetCurrentDirectoryA(temp);
        router = create_help_router(nullptr);
    }
    void TearDown() override {
        bool call_help = true;
        if (router) router->RouteHelpRequest(help_command::kQuit, 0, call_help);
        wintest::pump_until([] { return viewer_window() == nullptr; }, 5s);
        router.reset();
    }
    std::unique_ptr<THelpRouter> router;
};

TEST_F(HelpViewerTest, ViewerLibraryIsLoadedWithTheRouter) {
    // It loads beside the caller's work, before any request asks for it.
    EXPECT_TRUE(wintest::pump_until([] { return GetModuleHandleA("HHCTRL.OCX") != nullptr; }));
    EXPECT_TRUE(router->HelpViewerAvailable());
    EXPECT_EQ(THelpRouter::instance(), router.get());
    EXPECT_THROW(create_help_router(nullptr), HelpRouterInstanceError);
}

TEST_F(HelpViewerTest, HelpCommandOpensTheViewerOnTheHelpFile) {
    open_help_contents();
    ASSERT_TRUE(wintest::pump_until([] {
        HWND w = viewer_window();
        return w && IsWindowVisible(w);
    }));
    wintest::pump_for(500ms);
    const std::string shot = wintest::save_screenshot(viewer_window(), "help-viewer");
    RecordProperty("screenshot", shot);
    EXPECT_EQ(last_help_target().file, wintest::program_folder() + "\\tolsy.chm");
}

TEST_F(HelpViewerTest, TopicOpensInsideTheFileAndQuitClosesIt) {
    EXPECT_TRUE(router->OpenHelpTopic("", "compose"));
    ASSERT_TRUE(wintest::pump_until([] { return viewer_window() != nullptr; }));
    bool call_help = true;
    router->RouteHelpRequest(help_command::kQuit, 0, call_help);
    EXPECT_FALSE(call_help);
    EXPECT_TRUE(wintest::pump_until([] { return viewer_window() == nullptr; }, 5s));
}

TEST_F(HelpViewerTest, MissingFileOpensNothing) {
    EXPECT_FALSE(router->OpenHelpTopic("no-such-help.chm", ""));
    wintest::pump_for(200ms);
    EXPECT_EQ(viewer_window(), nullptr);
}

TEST_F(HelpViewerTest, ApplicationHelpRequestsReachTheViewer) {
    const Application::HelpHook& hook = Application::instance().help_hook();
    ASSERT_TRUE(static_cast<bool>(hook));
    EXPECT_TRUE(hook(help_command::kContents, 0));
    EXPECT_TRUE(wintest::pump_until([] { return viewer_window() != nullptr; }));
}

// Start-up puts the load off until the message loop first goes idle; a request before then
// loads at once, and the start that follows finds nothing left to do.
TEST(HelpViewerLoadTest, ALoadPutOffStartsAtTheFirstIdleUnlessARequestCameFirst) {
    Win32HelpPlatform& platform = win32_help_platform();
    platform.set_load_at_first_idle(true);
    Application& app = Application::instance();
    for (const bool request_first : {false, true}) {
        SCOPED_TRACE(request_first ? "request first" : "idle first");
        release_help_viewer();
        const std::unique_ptr<THelpRouter> router = create_help_router(nullptr);
        EXPECT_FALSE(platform.loading());
        if (request_first) {
            EXPECT_TRUE(router->HelpViewerAvailable());
        }
        app.at_first_idle([] { PostQuitMessage(0); });
        app.run();
        EXPECT_EQ(platform.loading(), !request_first);
        EXPECT_TRUE(router->HelpViewerAvailable());
        EXPECT_FALSE(platform.loading());
    }
    platform.set_load_at_first_idle(false);
    release_help_viewer();
}

}  // namespace
}  // namespace tolsy
