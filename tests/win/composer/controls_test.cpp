// The Win32 controls on their own: what runs a handler and what does not, how they answer the
// platform, and the CF_TEXT writer with a free and a held clipboard.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "composer/clipboard.h"
#include "composer/clipboard_win.h"
#include "toolkit/controls/check_box_win.h"
#include "toolkit/controls/combo_box_win.h"
#include "toolkit/controls/edit_win.h"
#include "toolkit/controls/form_win.h"
#include "toolkit/controls/page_control_win.h"
#include "toolkit/controls/push_button_win.h"

namespace tolsy {
namespace {

class Controls : public ::testing::Test {
  protected:
    void SetUp() override {
        form.set_client_size(300, 200);
        form.create_window();
    }
    HWND parent() const { return form.handle(); }
    Form form;
};

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

TEST_F(Controls, PickOnlyListRunsItsHandlerOnlyForTheUser) {
    ComboBox box(ComboStyle::kPickOnly);
    box.set_item_height(16);
    box.create({10, 10, 45, 22}, parent());
    box.set_items({L" ", L"A", L"B", L"C"});
    int runs = 0;
    std::wstring seen;
    box.on_change = [&] {
        ++runs;
        seen = box.text();
    };
    box.set_item_index(2);
    EXPECT_EQ(runs, 0);
    EXPECT_EQ(box.text(), L"B");
    // Down arrow on the closed list is a user's pick of the next item.
    SendMessageW(box.handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(runs, 1);
    EXPECT_EQ(seen, L"C");
    box.set_item_index(-1);
    EXPECT_EQ(box.text(), L"");
    EXPECT_EQ(runs, 1);
}

TEST_F(Controls, PickOnlyListIgnoresTyping) {
    ComboBox box(ComboStyle::kPickOnly);
    box.create({10, 10, 45, 22}, parent());
    box.set_items({L" ", L"A", L"B", L"C"});
    int runs = 0;
    box.on_change = [&] { ++runs; };
    SendMessageW(box.handle(), WM_CHAR, L'C', 0);
    SendMessageW(box.handle(), WM_CHAR, L'b', 0);
    EXPECT_EQ(box.item_index(), -1);
    EXPECT_EQ(runs, 0);
}

// The pick-only list's own drop-down: opened by a press, closed by Escape or a press elsewhere
// without a choice, and by a release on an item with it; opened by Alt+Down, taken by Enter.
// Each close and each open notifies, and only a real change of the item runs the handler.
TEST_F(Controls, PickOnlyListOpensChoosesAndCloses) {
    ComboBox box(ComboStyle::kPickOnly);
    box.set_item_height(16);
    box.create({10, 10, 45, 22}, parent());
    std::vector<std::wstring> letters;
    for (wchar_t c = L'A'; c <= L'Z'; ++c) letters.push_back(std::wstring(1, c));
    box.set_items(letters);
    int runs = 0;
    box.on_change = [&] { ++runs; };
    const auto open = [&] { return SendMessageW(box.handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; };
    const auto drop_down = [&] {
        return FindWindowExW(nullptr, nullptr, L"TolsyDropList", nullptr);
    };
    SendMessageW(box.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ASSERT_TRUE(open());
    HWND list = drop_down();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(IsWindowVisible(list));
    EXPECT_EQ(GetCapture(), list);
    EXPECT_EQ(GetFocus(), box.handle());
    // Eight rows of 16 pixels, scrolled to show the rest.
    RECT client;
    GetClientRect(list, &client);
    EXPECT_EQ(client.bottom, 8 * 16);
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & WS_VSCROLL, WS_VSCROLL);
    // Releasing the opening click off the items keeps it open; Escape closes it unchanged.
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(5, -10));
    EXPECT_TRUE(open());
    SendMessageW(box.handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_FALSE(open());
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(runs, 0);
    // A press elsewhere closes it too; the list window is made once.
    SendMessageW(box.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(drop_down(), list);
    SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETTOPINDEX, 0, 0), 1);
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-300, -300));
    EXPECT_FALSE(open());
    EXPECT_EQ(runs, 0);
    // Released on the third row of a list scrolled by one: item D.
    SendMessageW(box.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(list, WM_VSCROLL, SB_LINEDOWN, 0);
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(5, 2 * 16 + 3));
    SendMessageW(list, WM_LBUTTONUP, 0, MAKELPARAM(5, 2 * 16 + 3));
    EXPECT_FALSE(open());
    EXPECT_EQ(box.text(), L"D");
    EXPECT_EQ(runs, 1);
    // Alt+Down opens, Down moves the choice at once, Enter closes and takes it.
    SendMessageW(box.handle(), WM_SYSKEYDOWN, VK_DOWN, 1 << 29);
    EXPECT_TRUE(open());
    SendMessageW(box.handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(box.text(), L"E");
    EXPECT_EQ(runs, 2);
    SendMessageW(box.handle(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(open());
    EXPECT_EQ(runs, 2);
    // The platform's messages read the same choice.
    EXPECT_EQ(SendMessageW(box.handle(), CB_GETCURSEL, 0, 0), 4);
    EXPECT_EQ(SendMessageW(box.handle(), CB_GETCOUNT, 0, 0), 26);
    wchar_t text[8] = {};
    EXPECT_EQ(GetWindowTextW(box.handle(), text, 8), 1);
    EXPECT_STREQ(text, L"E");
    // New items while it is open close it and clear the choice, running nothing.
    SendMessageW(box.handle(), WM_SYSKEYDOWN, VK_DOWN, 1 << 29);
    box.set_items({L"x"});
    EXPECT_FALSE(open());
    EXPECT_EQ(box.item_index(), -1);
    EXPECT_EQ(runs, 2);
}

// Sized as asked in either style, with a font of another height than the items'; the list
// answers with its font, and the editable list's edit field has it too.
TEST_F(Controls, ListsHaveTheirItemHeightAndClosedHeight) {
    for (const ComboStyle style : {ComboStyle::kPickOnly, ComboStyle::kEditable}) {
        SCOPED_TRACE(style == ComboStyle::kPickOnly ? "pick-only" : "editable");
        ComboBox box(style);
        box.set_item_height(16);
        box.set_font(FontSpec{"Arial", -20});
        box.create({10, 10, 45, 22}, parent());
        EXPECT_EQ(SendMessageW(box.handle(), CB_GETITEMHEIGHT, 0, 0), 16);
        RECT r;
        GetWindowRect(box.handle(), &r);
        EXPECT_EQ(r.bottom - r.top, 22);
        EXPECT_EQ(r.right - r.left, 45);
        EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(box.handle(), WM_GETFONT, 0, 0)),
                  box.font());
        if (style == ComboStyle::kEditable) {
            EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageW(box.edit_handle(), WM_GETFONT, 0, 0)),
                      box.font());
        }
    }
}

// The editable list: typing in its edit field and the arrow keys there run the handler, which
// sees the field's text; the program's own text and the caret keys run nothing. Its drop button,
// not the field, opens the list.
TEST_F(Controls, EditableListRunsItsHandlerForTypingAndPicking) {
    ComboBox box(ComboStyle::kEditable);
    box.create({10, 10, 77, 22}, parent());
    box.set_items({L" ", L"one", L"two"});
    std::vector<std::wstring> seen;
    box.on_change = [&] { seen.push_back(box.text()); };
    box.set_text(L"typed");
    HWND field = box.edit_handle();
    ASSERT_NE(field, nullptr);
    SendMessageW(field, WM_KEYDOWN, VK_END, 0);
    SendMessageW(field, WM_CHAR, L'x', 0);
    SendMessageW(field, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(field, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(field, WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(seen, (std::vector<std::wstring>{L"typedx", L" ", L"one", L" "}));
    const auto open = [&] { return SendMessageW(box.handle(), CB_GETDROPPEDSTATE, 0, 0) != 0; };
    RECT field_rect;
    GetWindowRect(field, &field_rect);
    MapWindowPoints(nullptr, box.handle(), reinterpret_cast<POINT*>(&field_rect), 2);
    SendMessageW(box.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(field_rect.left, 5));
    EXPECT_FALSE(open());
    EXPECT_EQ(GetFocus(), field);
    SendMessageW(box.handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(77 - 6, 11));
    EXPECT_TRUE(open());
    SendMessageW(field, WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(field, WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_FALSE(open());
    EXPECT_EQ(seen.back(), L"one");
    EXPECT_EQ(seen.size(), 5u);
}

TEST_F(Controls, EditableListCaretIsItsEditFieldsSelectionStart) {
    ComboBox box(ComboStyle::kEditable);
    box.create({10, 10, 77, 22}, parent());
    box.set_text(L"abcdef");
    box.set_caret(4);
    EXPECT_EQ(box.caret(), 4);
    SendMessageW(box.edit_handle(), EM_SETSEL, 2, 5);
    EXPECT_EQ(box.caret(), 2);
}

TEST_F(Controls, EditRunsItsHandlerForEveryRealChangeOnly) {
    Edit edit;
    edit.create({10, 10, 200, 30}, parent());
    int runs = 0;
    edit.on_change = [&] { ++runs; };
    edit.set_text(L"abc");
    EXPECT_EQ(runs, 1);
    edit.set_text(L"abc");
    EXPECT_EQ(runs, 1);
    edit.set_text(L"");
    EXPECT_EQ(runs, 2);
    SendMessageW(edit.handle(), WM_CHAR, L'x', 0);
    EXPECT_EQ(runs, 3);
    EXPECT_EQ(edit.text(), L"x");
}

TEST_F(Controls, EditHasNoLengthLimit) {
    Edit edit;
    edit.create({10, 10, 200, 30}, parent());
    const std::wstring long_text(70000, L'\u00E4');
    edit.set_text(long_text);
    EXPECT_EQ(edit.text().size(), long_text.size());
}

TEST_F(Controls, EditCopyCommandHandsOverTheSelection) {
    Edit edit;
    edit.create({10, 10, 200, 30}, parent());
    std::wstring copied;
    int copies = 0;
    edit.on_copy = [&](const std::wstring& s) {
        ++copies;
        copied = s;
    };
    edit.set_text(L"\u00EB\u00E4\u00ED");
    edit.select(1, 3);
    edit.copy_selection();
    EXPECT_EQ(copied, L"\u00E4\u00ED");
    edit.select_all();
    edit.copy_selection();
    EXPECT_EQ(copied, L"\u00EB\u00E4\u00ED");
    EXPECT_EQ(edit.selection_start(), 0);
    EXPECT_EQ(edit.selection_end(), 3);
    edit.select(2, 2);
    edit.copy_selection();  // nothing selected: nothing copied
    EXPECT_EQ(copies, 2);
}

TEST_F(Controls, CheckBoxTogglesOnClickAndRunsNothingWhenSetByTheProgram) {
    CheckBox box;
    box.set_caption("\xD8");
    box.create({10, 10, 29, 20}, parent());
    int clicks = 0;
    box.on_click = [&] { ++clicks; };
    SendMessageW(box.handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(box.checked());
    EXPECT_EQ(SendMessageW(box.handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(clicks, 1);
    box.set_checked(false);
    EXPECT_EQ(clicks, 1);
    SendMessageW(box.handle(), BM_CLICK, 0, 0);
    SendMessageW(box.handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(box.checked());
    EXPECT_EQ(clicks, 3);
}

TEST_F(Controls, PushButtonWithAGlyphClicksAndTakesEnterOnlyWhenFocused) {
    PushButton button;
    button.set_caption("To Clip&board");
    button.set_glyph(Image(32, 16));
    button.create({10, 10, 125, 25}, parent());
    EXPECT_EQ(GetWindowLongW(button.handle(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    int clicks = 0;
    button.on_click = [&] { ++clicks; };
    button.click();
    EXPECT_EQ(clicks, 1);
    SetFocus(nullptr);
    const LRESULT unfocused = SendMessageW(button.handle(), WM_GETDLGCODE, 0, 0);
    EXPECT_TRUE(unfocused & DLGC_UNDEFPUSHBUTTON);
    button.focus();
    if (GetFocus() == button.handle()) {
        EXPECT_TRUE(SendMessageW(button.handle(), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    }
}

TEST_F(Controls, PushButtonWithoutAGlyphIsThePlatformsOwn) {
    for (const bool is_default : {false, true}) {
        PushButton button;
        button.set_caption("OK");
        button.set_default(is_default);
        button.create({10, 40, 75, 25}, parent());
        EXPECT_EQ(GetWindowLongW(button.handle(), GWL_STYLE) & BS_TYPEMASK,
                  is_default ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        int clicks = 0;
        button.on_click = [&] { ++clicks; };
        button.click();
        EXPECT_EQ(clicks, 1) << is_default;
    }
}

TEST_F(Controls, SpeedButtonIsHotWhileHoveredAndNeverStaysDown) {
    PageControl pages;
    pages.create({0, 0, 300, 150}, parent());
    TabSheet& sheet = pages.add_page("Symbols");
    auto owned = std::make_unique<SpeedButton>();
    owned->set_bounds({10, 10, 23, 22});
    owned->set_caption(L"\u00EB");
    SpeedButton& button = sheet.add_speed_button(std::move(owned));
    int clicks = 0;
    button.on_click = [&](SpeedButton& sender) {
        EXPECT_EQ(&sender, &button);
        ++clicks;
    };
    HWND h = sheet.handle();
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    EXPECT_TRUE(button.hot());
    EXPECT_EQ(button.visual_state(), VisualState::kHot);
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_TRUE(button.down());
    EXPECT_EQ(button.visual_state(), VisualState::kPressed);
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
    EXPECT_FALSE(button.down());
    EXPECT_EQ(button.visual_state(), VisualState::kHot);
    EXPECT_EQ(clicks, 1);
    // Pressed, then released elsewhere: no click.
    SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(100, 100));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(button.down());
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
    EXPECT_FALSE(button.hot());
    SendMessageW(h, WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    SendMessageW(h, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(button.hot());
    EXPECT_EQ(button.visual_state(), VisualState::kNormal);
}

TEST_F(Controls, PageControlShowsOnePageMadeAtItsFirstShowingAndIgnoresBadIndexes) {
    PageControl pages;
    pages.create({0, 0, 300, 150}, parent());
    TabSheet& first = pages.add_page("One");
    TabSheet& second = pages.add_page("Two");
    TabSheet& third = pages.add_page("Three");
    pump();
    auto shown = [](const TabSheet& page) {
        return (GetWindowLongW(page.handle(), GWL_STYLE) & WS_VISIBLE) != 0;
    };
    EXPECT_EQ(pages.active_page_index(), 0);
    EXPECT_TRUE(shown(first));
    EXPECT_EQ(second.handle(), nullptr) << "a page not shown yet has no window";
    // A page given a control of its own has its window, hidden.
    const HWND made = pages.page_window(2);
    EXPECT_NE(made, nullptr);
    EXPECT_EQ(made, third.handle());
    EXPECT_FALSE(shown(third));
    pages.set_active_page_index(1);
    EXPECT_TRUE(shown(second));
    EXPECT_FALSE(shown(first));
    EXPECT_EQ(GetParent(second.handle()), parent()) << "the pages lie on the control's window";
    EXPECT_EQ(GetWindow(pages.tabs().handle(), GW_HWNDNEXT), second.handle());
    EXPECT_EQ(pages.active_page_index(), 1);
    pages.set_active_page_index(5);
    pages.set_active_page_index(-1);
    EXPECT_EQ(pages.active_page_index(), 1);
}

class Clipboard : public Controls {};

TEST_F(Clipboard, WritesTheBytesAndOneZeroAsPlainText) {
    const std::string frame("\xEB\xFB\xEC\x85\x9F\xED", 6);
    write_clipboard_text(parent(), frame);
    bool present = false;
    EXPECT_EQ(read_clipboard_text(parent(), &present), frame);
    EXPECT_TRUE(present);
    ASSERT_TRUE(OpenClipboard(parent()));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    EXPECT_GE(GlobalSize(data), frame.size() + 1);
    EXPECT_EQ(static_cast<const char*>(GlobalLock(data))[frame.size()], '\0');
    GlobalUnlock(data);
    CloseClipboard();
}

TEST_F(Clipboard, EmptyTextReplacesWhatWasThere) {
    write_clipboard_text(parent(), "something");
    write_clipboard_text(parent(), "");
    bool present = false;
    EXPECT_EQ(read_clipboard_text(parent(), &present), "");
    EXPECT_TRUE(present);
}

TEST_F(Clipboard, HeldClipboardFailsWithItsTextAndKeepsTheOldContents) {
    write_clipboard_text(parent(), "old");
    HANDLE opened = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread holder([&] {
        // A thread of its own holds the clipboard as another program would.
        OpenClipboard(nullptr);
        SetEvent(opened);
        WaitForSingleObject(release, 10000);
        CloseClipboard();
    });
    WaitForSingleObject(opened, 10000);
    try {
        write_clipboard_text(parent(), "new");
        ADD_FAILURE() << "the write did not fail";
    } catch (const ClipboardError& error) {
        EXPECT_STREQ(error.what(), "Cannot open clipboard");
    }
    SetEvent(release);
    holder.join();
    CloseHandle(opened);
    CloseHandle(release);
    EXPECT_EQ(read_clipboard_text(parent()), "old");
    write_clipboard_text(parent(), "new");
    EXPECT_EQ(read_clipboard_text(parent()), "new");
}

}  // namespace
}  // namespace tolsy
