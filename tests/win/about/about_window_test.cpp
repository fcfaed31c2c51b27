// The About window shown modally: stars running, both labels followed to rest, closed
// mid-slide and shown again; screenshots of it at rest are saved under build/.
#include <windows.h>

#include <gtest/gtest.h>

#include "about/about_win.h"
#include "about/label_appear.h"
#include "about/win_support.h"

namespace tolsy {
namespace {

using namespace std::chrono_literals;

bool running(TBehaviorLabel& label) {
    return label.BehaviorOptions().Active();
}

// Both labels have slid in: label 2 got its text when label 1 stopped, and has come to rest.
bool both_at_rest(TAbout& about) {
    TBehaviorLabel& l2 = about.BehaviorLabel2();
    return !running(about.BehaviorLabel1()) && !running(l2) && l2.Visible() &&
           !l2.Caption().empty();
}

// Runs `step` every 20 ms inside the modal loop until it returns true, then closes the window.
// Returns false when the window had to be closed because the time ran out.
bool drive_modal(TAbout& about, std::function<bool()> step, std::chrono::milliseconds limit = 15s) {
    static std::function<void()> tick;
    bool done = false;
    const auto end = std::chrono::steady_clock::now() + limit;
    tick = [&] {
        if (done) return;
        if (step() || std::chrono::steady_clock::now() > end) {
            done = true;
            PostMessageW(about.handle(), WM_CLOSE, 0, 0);
        }
    };
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, [](HWND, UINT, UINT_PTR, DWORD) { tick(); });
    const auto started = std::chrono::steady_clock::now();
    about.show_modal();
    KillTimer(nullptr, timer);
    return std::chrono::steady_clock::now() - started < limit;
}

// The OK button is the skinned push button over the platform's own (drawn by its owner), at its
// place, in the window's font, and the one Enter presses.
void expect_skinned_ok_button(const TAbout& about) {
    HWND ok = about.TeButton1();
    EXPECT_EQ(GetWindowLongW(ok, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    RECT r;
    GetWindowRect(ok, &r);
    MapWindowPoints(nullptr, about.handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 99);
    EXPECT_EQ(r.top, 176);
    EXPECT_EQ(r.right - r.left, 75);
    EXPECT_EQ(r.bottom - r.top, 25);
    LOGFONTW button_font{}, window_font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(ok, WM_GETFONT, 0, 0)), sizeof button_font,
               &button_font);
    GetObjectW(about.font(), sizeof window_font, &window_font);
    EXPECT_STREQ(button_font.lfFaceName, window_font.lfFaceName);
    EXPECT_EQ(button_font.lfHeight, window_font.lfHeight);
    EXPECT_EQ(button_font.lfWeight, window_font.lfWeight);
    EXPECT_EQ(SendMessageW(about.handle(), DM_GETDEFID, 0, 0),
              MAKELRESULT(GetDlgCtrlID(ok), DC_HASDEFID));
}

class AboutWindowTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        owner = new Form();
        owner->set_caption("Framewright");
        owner->create_window();
        owner->show();
        about = new TAbout();
        about->Create(owner->handle());
    }
    static void TearDownTestSuite() {
        delete about;
        delete owner;
    }
    static Form* owner;
    static TAbout* about;
};
Form* AboutWindowTest::owner = nullptr;
TAbout* AboutWindowTest::about = nullptr;

TEST_F(AboutWindowTest, CreatedHiddenFromItsDescriptionWithTheTextsOfTheRecord) {
    EXPECT_FALSE(about->visible());
    wchar_t text[32];
    GetWindowTextW(about->handle(), text, 32);
    EXPECT_STREQ(text, L"About");
    GetWindowTextW(about->TeButton1(), text, 32);
    EXPECT_STREQ(text, L"OK");
    expect_skinned_ok_button(*about);
    const LONG_PTR style = GetWindowLongPtrW(about->handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0) << "a dialog border without boxes";
    EXPECT_EQ(about->design().BehaviorLabel1->Behavior, "Appearing");
    EXPECT_EQ(about->BehaviorLabel1().Behavior(), "Appearing");
    EXPECT_EQ(about->Starfield1().Stars(), 100);
    EXPECT_EQ(about->Starfield1().Width(), 269);
    EXPECT_EQ(about->Panel2().Left(), 91);
    RECT client;
    GetClientRect(about->handle(), &client);
    EXPECT_EQ(client.right, 269);
    EXPECT_EQ(client.bottom, 218);
    EXPECT_EQ(about->handlers().CompanyText(), "Quorvane Software");
    EXPECT_EQ(about->handlers().VersionText(), "1.0");
    EXPECT_FALSE(about->Starfield1().Active());
    EXPECT_FALSE(about->BehaviorLabel1().Visible());
    EXPECT_FALSE(about->BehaviorLabel2().Visible());
}

TEST_F(AboutWindowTest, BothLabelsSlideToRestWithTheStarsRunning) {
    TBehaviorLabel& l1 = about->BehaviorLabel1();
    TBehaviorLabel& l2 = about->BehaviorLabel2();
    bool stars_ran = false;
    std::string shot;
    int settled = 0;
    ASSERT_TRUE(drive_modal(*about, [&] {
        stars_ran |= about->Starfield1().Active();
        if (!both_at_rest(*about) || !wintest::settle_on_top(about->handle(), settled))
            return false;
        shot = wintest::save_screenshot(about->handle(), "about-at-rest");
        return true;
    })) << "the labels did not come to rest";
    EXPECT_TRUE(stars_ran);
    EXPECT_FALSE(about->visible());
    EXPECT_FALSE(about->Starfield1().Active()) << "paused on close";
    // At rest: label 1 at Left 4 inside the panel, the panel w + 5 wide and centred.
    const int w = l1.Width();
    EXPECT_EQ(l1.Left(), 4);
    EXPECT_EQ(l1.Top(), 0);
    EXPECT_EQ(about->Panel1().Width(), w + 5);
    EXPECT_EQ(about->Panel1().Left(), 269 / 2 - w / 2);
    EXPECT_EQ(l2.Left(), 8);
    EXPECT_EQ(l2.Caption().substr(0, 8), "Ver. 1.0");
    EXPECT_NE(l1.Caption().find("By Quorvane Software"), std::string::npos);
    // Every line whole: the first block inside the window, the second inside its fixed panel
    // (97 x 52), both within the panels' heights.
    EXPECT_GE(about->Panel1().Left(), 0);
    EXPECT_LE(about->Panel1().Left() + l1.Left() + l1.Width(), 269);
    EXPECT_LE(l1.Height(), 61);
    EXPECT_LE(l2.Left() + l2.Width(), about->Panel2().Width());
    EXPECT_LE(l2.Height(), 52);
    RecordProperty("screenshot", shot);
}

TEST_F(AboutWindowTest, ClosedMidSlideThenShownAgain) {
    TBehaviorLabel& l1 = about->BehaviorLabel1();
    TBehaviorLabel& l2 = about->BehaviorLabel2();
    // Close while the first label is still sliding.
    drive_modal(*about, [&] { return running(l1) && l1.Visible() && l1.Left() < 150; });
    EXPECT_FALSE(l1.Visible());
    // The unseen slide goes on and label 2 follows it on the hidden window.
    EXPECT_TRUE(wintest::pump_until([&] { return !running(l1) && !running(l2); }));
    std::string shot;
    int settled = 0;
    ASSERT_TRUE(drive_modal(*about, [&] {
        if (!both_at_rest(*about) || !wintest::settle_on_top(about->handle(), settled))
            return false;
        shot = wintest::save_screenshot(about->handle(), "about-shown-again");
        return true;
    }));
    EXPECT_EQ(l1.Left(), 4);
    EXPECT_EQ(l2.Left(), 8);
}

TEST_F(AboutWindowTest, EnterPressesOk) {
    bool sent = false;
    EXPECT_TRUE(drive_modal(
        *about,
        [&] {
            if (!sent) {
                sent = true;
                SetFocus(about->TeButton1());
                keybd_event(VK_RETURN, 0, 0, 0);
                keybd_event(VK_RETURN, 0, KEYEVENTF_KEYUP, 0);
            }
            return false;
        },
        5s))
        << "Enter did not close the window";
}

}  // namespace
}  // namespace tolsy
