#pragma once
// The main window's composer controls seen from the driver: found by their place among the
// window's children, driven as a user would, and read back as 8-bit glyph text.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "composer/frame_composer.h"
#include "support/driver_win.h"

namespace e2e {

inline constexpr tolsy::ComposerList kAllLists[] = {
    tolsy::ComposerList::kSymbol,     tolsy::ComposerList::kCondition,
    tolsy::ComposerList::kTolerance,  tolsy::ComposerList::kDatum1,
    tolsy::ComposerList::kDatum2,     tolsy::ComposerList::kDatum3,
    tolsy::ComposerList::kDatumCond1, tolsy::ComposerList::kDatumCond2,
    tolsy::ComposerList::kDatumCond3,
};

class ComposerWindow {
  public:
    // Finds the controls below the main window; throws when one is missing.
    explicit ComposerWindow(HWND main_window);

    HWND main() const { return main_; }
    HWND list(tolsy::ComposerList which) const;
    HWND diameter_box() const { return diameter_; }
    HWND display() const { return display_; }
    HWND clear_button() const { return clear_; }
    HWND clipboard_button() const { return to_clipboard_; }
    HWND close_button() const { return close_; }
    HWND tab_strip() const { return tabs_; }
    // The three pages: 0 "Tolerance", 1 "Symbols", 2 "Symbols2". A page has its window from its
    // first showing on; null before.
    HWND page(int index) const;
    int visible_page() const;

    // Picks an item with the mouse: the list dropped by a click, scrolled by its scroll bar if
    // need be, the item clicked; returns once the list shows the item chosen and is closed.
    void pick(tolsy::ComposerList which, int item) const;
    void pick_letter(tolsy::ComposerList which, char letter) const {
        pick(which, letter - 'A' + 1);
    }
    // The same clicks, without waiting for the pick to be taken: its handler may open a modal
    // box, which the caller then waits for.
    void post_pick(tolsy::ComposerList which, int item) const;
    int chosen_item(tolsy::ComposerList which) const;
    bool diameter_ticked() const;
    // A click on the diameter check box; returns once its tick has changed.
    void click_diameter() const;

    std::string display_text() const;
    std::string tolerance_text() const;
    // Selection (or caret) of the display line and of the tolerance list's edit field.
    std::pair<int, int> display_selection() const;
    std::pair<int, int> tolerance_selection() const;

    // Real input: clicks a page's tab, a palette button (placed as the program's own window
    // description places it), a control's centre.
    void show_page(int index) const;
    void click_palette(int number) const;
    POINT palette_button_centre(int number) const;
    void click_control(HWND control) const;
    // Clicks into the tolerance list's edit field and types there (caret at the end).
    void type_tolerance(const std::wstring& text) const;
    void focus_display_end() const;

  private:
    HWND main_;
    HWND diameter_ = nullptr;
    HWND display_ = nullptr;
    HWND clear_ = nullptr;
    HWND to_clipboard_ = nullptr;
    HWND close_ = nullptr;
    HWND tabs_ = nullptr;
    std::vector<HWND> lists_;  // in the order of kAllLists
};

// The 8-bit text of a window's Unicode text, through Windows-1252.
std::string glyph_text(const std::wstring& text);
std::string bytes(std::initializer_list<unsigned char> list);
// Hexadecimal bytes, for failure messages.
std::string hex(const std::string& bytes);

// Real mouse input at a point of the screen.
void mouse_click(POINT screen);
void mouse_move(POINT screen);

// The whole clipboard as this process sees it: CF_TEXT present or not, and its bytes.
struct ClipboardState {
    bool has_text = false;
    std::string text;
    std::vector<UINT> formats;
};
ClipboardState clipboard_state();
// Puts a text there as another program would (CF_TEXT from this process).
void put_clipboard_text(HWND owner, const std::string& text);
// As another program writing Unicode text puts it there: CF_UNICODETEXT only.
void put_clipboard_unicode(HWND owner, const std::wstring& text);

// Another program holding the clipboard for a moment, as a clipboard monitor answering the
// program's own write does: a thread opens it and closes it `ms` later.
class BriefClipboardHold {
  public:
    explicit BriefClipboardHold(DWORD ms);
    ~BriefClipboardHold() { finish(); }
    BriefClipboardHold(const BriefClipboardHold&) = delete;
    BriefClipboardHold& operator=(const BriefClipboardHold&) = delete;
    // Waits until the clipboard is held; false if it never was.
    bool holding(DWORD timeout_ms = 5000) const;
    // Waits until it has been let go.
    void finish();

  private:
    std::atomic<bool> held_{false};
    std::thread thread_;
};

// A fresh program per test, its main window found and its controls located.
class ComposerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = program.wait_window(L"Framewright");
        ASSERT_NE(window, nullptr) << "the main window did not appear";
        settle(300);
        composer = std::make_unique<ComposerWindow>(window);
    }
    const ComposerWindow& form() const { return *composer; }

    Program program;
    HWND window = nullptr;
    std::unique_ptr<ComposerWindow> composer;
};

}  // namespace e2e
