// A long session of an impatient user, driven only by real input: composer changes through the
// lists, the diameter box and the display line, palette clicks on both palette pages, the window
// menu and the About window, minimise and restore, and the clipboard held by another program
// now for a moment, now long enough for the error box. The program's GDI and USER objects, its
// private memory, windows and threads must stay flat over the rounds, and it must still answer
// and end cleanly when closed.
//
// The short form runs in ctest; `make soak` runs the long one (DISABLED_Long, 200 rounds).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>

#include "support/composer_form_win.h"
#include "support/driver_win.h"
#include "support/frame_win.h"
#include "support/process_counts_win.h"

namespace e2e {
namespace {

using L = tolsy::ComposerList;

// What the rounds may leave behind beyond the first round's counts: caches that fill once
// (fonts, the About window's pictures) are full by then, so nothing that grows with the rounds.
constexpr long kGdiSlack = 4;
constexpr long kUserSlack = 0;
constexpr long kThreadSlack = 0;
constexpr SIZE_T kMemorySlack = SIZE_T{3} << 20;

// The lists changed from the keyboard in each round, and how far down each is walked.
constexpr L kWalkedLists[] = {L::kSymbol, L::kCondition, L::kDatum1, L::kDatumCond2};
constexpr int kWalkDepth = 3;
// Palette buttons clicked each round: the first page's, then the second's.
constexpr int kPaletteButtons[] = {1, 2, 5, 8, 64, 71, 80, 97};

HWND visible_menu() {
    HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu) ? menu : nullptr;
}

// One key, without the driver's usual pause: the caller waits for its effect instead.
void tap(WORD key) {
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = key;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof(INPUT));
}

std::string describe(const ProcessCounts& c) {
    char text[160];
    std::snprintf(text, sizeof text, "GDI %ld, USER %ld, threads %ld, private %.2f MiB", c.gdi,
                  c.user, c.threads, static_cast<double>(c.private_bytes) / (1 << 20));
    return text;
}

class Soak : public ComposerTest {
  protected:
    void SetUp() override {
        load_program_theme();
        ComposerTest::SetUp();
        const RECT r = window_rect(window);
        width_ = r.right - r.left;
        height_ = r.bottom - r.top;
    }

    ProcessCounts counts() const { return read_counts(program.process(), program.pid()); }

    void run(int rounds) {
        round();  // the first round fills what fills once
        if (HasFatalFailure()) return;
        settle(500);
        const ProcessCounts base = counts();
        std::printf("soak: after the first round: %s (%s)\n", describe(base).c_str(),
                    base.how.c_str());
        ProcessCounts peak = base;
        for (int i = 1; i < rounds && !HasFatalFailure(); ++i) {
            round();
            const ProcessCounts now = counts();
            peak.gdi = std::max(peak.gdi, now.gdi);
            peak.user = std::max(peak.user, now.user);
            peak.threads = std::max(peak.threads, now.threads);
            peak.private_bytes = std::max(peak.private_bytes, now.private_bytes);
            if (i % 10 == 0) std::printf("soak: round %d: %s\n", i + 1, describe(now).c_str());
        }
        if (HasFatalFailure()) return;
        settle(500);
        const ProcessCounts last = counts();
        std::printf(
            "soak: after %d rounds (%d changes, %d palette clicks, %d About, %d held): "
            "%s; peak %s\n",
            rounds, changes_, palette_clicks_, about_openings_, held_, describe(last).c_str(),
            describe(peak).c_str());
        ASSERT_GE(base.gdi, 0) << "the GDI count could not be read";
        EXPECT_LE(last.gdi, base.gdi + kGdiSlack) << "GDI objects grow";
        EXPECT_LE(last.user, base.user + kUserSlack) << "USER objects (windows) grow";
        EXPECT_LE(last.threads, base.threads + kThreadSlack) << "threads are left over";
        EXPECT_LE(last.private_bytes, base.private_bytes + kMemorySlack) << "private memory grows";
        still_answers();
    }

    void round() {
        ASSERT_TRUE(activate(window));
        walk_lists();
        type_in_display();
        click_palettes();
        clipboard_held_for_a_moment();
        // The first round shows the error box too: its first showing makes what it keeps.
        if (rounds_++ % 3 == 0) clipboard_held_until_the_error_box();
        about_through_the_window_menu();
        minimise_and_restore();
    }

    // Each list dropped by a click and closed with Escape, then walked down and back up with
    // the arrow keys: every step is a change that the line and the clipboard follow.
    void walk_lists() {
        form().click_control(form().clear_button());
        for (const L which : kWalkedLists) {
            form().click_control(form().list(which));
            press_keys({VK_ESCAPE});
            // From no item: down to item kWalkDepth - 1, then back up to the first item.
            for (int step = 0; step < 2 * kWalkDepth - 1; ++step) {
                const int target = step < kWalkDepth ? step : 2 * kWalkDepth - 2 - step;
                tap(step < kWalkDepth ? VK_DOWN : VK_UP);
                if (!wait_until([&] { return form().chosen_item(which) == target; }, 3000))
                    save_screenshot("soak_list");
                ASSERT_EQ(form().chosen_item(which), target)
                    << "list " << static_cast<int>(which) << " did not follow the arrow keys to "
                    << target << ", it is at " << form().chosen_item(which);
                ++changes_;
            }
        }
        form().click_control(form().diameter_box());
        ++changes_;
        expect_clipboard_mirrors_the_line();
    }

    void type_in_display() {
        form().focus_display_end();
        const std::size_t before = form().display_text().size();
        type_text(L"12");
        press_keys({VK_BACK});
        ASSERT_TRUE(wait_until([&] { return form().display_text().size() == before + 1; }));
        changes_ += 3;
        expect_clipboard_mirrors_the_line();
    }

    void click_palettes() {
        for (const int number : kPaletteButtons) {
            const std::size_t before = form().display_text().size();
            form().click_palette(number);
            ASSERT_TRUE(wait_until([&] { return form().display_text().size() == before + 1; }))
                << "palette button " << number << " did not insert its glyph";
            ++palette_clicks_;
        }
        expect_clipboard_mirrors_the_line();
        form().show_page(0);
    }

    // A clipboard monitor answering the program's own write: the change waits for it.
    void clipboard_held_for_a_moment() {
        BriefClipboardHold hold(60);
        hold.holding(2000);
        form().focus_display_end();
        type_text(L"7");
        hold.finish();
        ++held_;
        ++changes_;
        expect_clipboard_mirrors_the_line();
    }

    // Held for good: the error box comes, Enter puts it away, the next change goes through.
    void clipboard_held_until_the_error_box() {
        OtherWindow holder;
        ASSERT_TRUE(OpenClipboard(holder.handle()));
        activate(window);
        form().focus_display_end();
        type_text(L"8");
        const HWND box = program.wait_window(L"Tolsy", 8000);
        CloseClipboard();
        ASSERT_NE(box, nullptr) << "no error box while the clipboard was held";
        ASSERT_TRUE(activate(box));
        press_keys({VK_RETURN});
        ASSERT_TRUE(wait_until([&] { return !IsWindow(box) || !IsWindowVisible(box); }));
        ASSERT_TRUE(activate(window));
        form().focus_display_end();
        press_keys({VK_BACK});
        ++held_;
        changes_ += 2;
        expect_clipboard_mirrors_the_line();
    }

    // The window menu from the keyboard; "About..." is third from its end; OK (the default
    // button) closes About.
    void about_through_the_window_menu() {
        ASSERT_TRUE(activate(window));
        press_keys({VK_MENU, VK_SPACE});
        ASSERT_TRUE(wait_until([] { return visible_menu() != nullptr; })) << "no window menu";
        press_keys({VK_END});
        press_keys({VK_UP});
        press_keys({VK_UP});
        press_keys({VK_RETURN});
        const HWND about = program.wait_window(L"About", 8000);
        ASSERT_NE(about, nullptr) << "About did not appear";
        ASSERT_TRUE(activate(about));
        settle(200);  // a few frames of the star field
        press_keys({VK_RETURN});
        ASSERT_TRUE(wait_until([&] { return IsWindowEnabled(window) != FALSE; }, 8000));
        ASSERT_TRUE(wait_until([&] { return !IsWindow(about) || !IsWindowVisible(about); }));
        ++about_openings_;
    }

    // The frame's minimise button, then "Restore" from the minimised window's menu.
    void minimise_and_restore() {
        ASSERT_TRUE(activate(window));
        const RECT b = frame_button(width_, height_, tolsy::kCaptionMinimize);
        mouse_click(screen_point(window, (b.left + b.right) / 2, (b.top + b.bottom) / 2));
        ASSERT_TRUE(wait_until([&] { return IsIconic(window) != FALSE; })) << "not minimised";
        activate(window);
        press_keys({VK_MENU, VK_SPACE});
        if (wait_until([] { return visible_menu() != nullptr; }, 2000)) press_keys({'R'});
        ASSERT_TRUE(wait_until([&] { return !IsIconic(window); })) << "not restored";
        settle(200);
    }

    void expect_clipboard_mirrors_the_line() {
        EXPECT_TRUE(wait_until([&] { return clipboard_state().text == form().display_text(); }))
            << "clipboard " << hex(clipboard_state().text) << " against the line "
            << hex(form().display_text());
    }

    // Answers a message at once, and a change through the controls still reaches the clipboard.
    void still_answers() {
        DWORD_PTR result = 0;
        EXPECT_NE(SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result), 0)
            << "the program no longer answers";
        ASSERT_TRUE(activate(window));
        form().click_control(form().clear_button());
        form().click_control(form().list(L::kDatum1));
        press_keys({VK_ESCAPE});
        tap(VK_DOWN);
        tap(VK_DOWN);
        EXPECT_TRUE(wait_until([&] {
            return clipboard_state().text == bytes({0xEB, 0xC0, 0xED});
        })) << "the first datum letter did not reach the clipboard";
        EXPECT_TRUE(program.running());
        // And it still ends cleanly: "Close", the window menu's last entry.
        ASSERT_TRUE(activate(window));
        press_keys({VK_MENU, VK_SPACE});
        ASSERT_TRUE(wait_until([] { return visible_menu() != nullptr; })) << "no window menu";
        press_keys({VK_END});
        press_keys({VK_RETURN});
        EXPECT_TRUE(program.wait_exit()) << "the program did not end";
        EXPECT_EQ(program.exit_code(), 0u);
    }

    int width_ = 0, height_ = 0;
    int rounds_ = 0, changes_ = 0, palette_clicks_ = 0, about_openings_ = 0, held_ = 0;
};

// The counts are read from outside the program; they must see objects come and go, or a
// leak would pass unseen. The driver's own process is the one whose objects we control.
TEST(ProcessCountsSeeLeaks, ObjectsMadeAndFreedInAProcessAreCounted) {
    const HANDLE self = GetCurrentProcess();
    const DWORD pid = GetCurrentProcessId();
    // A first window makes what a thread makes once (its input context, cached DCs and fonts).
    const HWND first = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                       nullptr, nullptr);
    const ProcessCounts before = read_counts(self, pid);
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 25; ++i) brushes.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    std::vector<HWND> windows;
    for (int i = 0; i < 3; ++i)
        windows.push_back(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                          nullptr, nullptr, nullptr));
    // Large against what the process may free meanwhile (Wine's first font cache, say).
    std::vector<char> block(SIZE_T{64} << 20, 1);
    const ProcessCounts during = read_counts(self, pid);
    for (HBRUSH b : brushes) DeleteObject(b);
    for (HWND w : windows) DestroyWindow(w);
    const ProcessCounts after = read_counts(self, pid);
    EXPECT_EQ(during.gdi - before.gdi, 25) << before.how;
    EXPECT_EQ(during.user - before.user, 3) << before.how;
    EXPECT_GE(during.private_bytes, before.private_bytes + block.size() * 3 / 4) << before.how;
    EXPECT_EQ(after.gdi, before.gdi);
    EXPECT_EQ(after.user, before.user);
    DestroyWindow(first);
}

TEST_F(Soak, Short) {
    run(4);
}

TEST_F(Soak, DISABLED_Long) {
    run(200);
}

}  // namespace
}  // namespace e2e
