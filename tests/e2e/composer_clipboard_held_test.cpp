// While another program holds the clipboard, a change of the display line is reported with the
// default error display and nothing is lost; once the clipboard is free, changes go through.
#include <gtest/gtest.h>

#include "support/composer_form_win.h"

namespace e2e {
namespace {

using L = tolsy::ComposerList;
constexpr int kFlatness = 6;

struct MessageBoxContents {
    std::wstring text;
    int buttons = 0;
    bool icon = false;
    HWND ok = nullptr;
};

MessageBoxContents read_message_box(HWND box) {
    MessageBoxContents contents;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const std::wstring kind = class_name(child);
        if (_wcsicmp(kind.c_str(), L"Button") == 0 && IsWindowVisible(child)) {
            ++contents.buttons;
            contents.ok = child;
        } else if (_wcsicmp(kind.c_str(), L"Static") == 0) {
            if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
                contents.icon = true;
            } else if (!window_text(child).empty()) {
                contents.text = window_text(child);
            }
        }
    }
    return contents;
}

class HeldClipboard : public ComposerTest {};

TEST_F(HeldClipboard, ErrorShownLineKeepsTextClipboardKeepsOldAndNextChangeGoesThrough) {
    OtherWindow holder;
    put_clipboard_text(holder.handle(), "old contents");
    ASSERT_TRUE(OpenClipboard(holder.handle()));

    form().post_pick(L::kSymbol, kFlatness);
    HWND box = program.wait_window(L"Tolsy");
    if (!box) CloseClipboard();
    ASSERT_NE(box, nullptr) << "no error display captioned Tolsy";
    const MessageBoxContents contents = read_message_box(box);
    EXPECT_EQ(contents.text, L"Cannot open clipboard.");
    EXPECT_EQ(contents.buttons, 1);
    EXPECT_TRUE(contents.icon);
    EXPECT_EQ(hex(form().display_text()), hex(bytes({0xEB, 0xE4, 0xED})));
    save_screenshot("composer_clipboard_held", box);

    CloseClipboard();
    EXPECT_EQ(clipboard_state().text, "old contents");
    ASSERT_NE(contents.ok, nullptr);
    const RECT ok = window_rect(contents.ok);
    mouse_click(POINT{(ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2});
    ASSERT_TRUE(wait_until([&] { return !IsWindow(box) || !IsWindowVisible(box); }));

    form().pick_letter(L::kDatum1, 'A');
    EXPECT_EQ(hex(clipboard_state().text), hex(bytes({0xEB, 0xE4, 0xEC, 0xC0, 0xED})));
    EXPECT_TRUE(program.running());
}

// A clipboard monitor answering our own write holds the clipboard for a moment: the change
// waits for it rather than showing the error.
TEST_F(HeldClipboard, HeldForAMomentTheChangeStillGoesThrough) {
    put_clipboard_text(nullptr, "old contents");
    BriefClipboardHold hold(60);
    ASSERT_TRUE(hold.holding());
    form().focus_display_end();
    type_text(L"7");
    hold.finish();
    ASSERT_TRUE(wait_until([&] { return clipboard_state().text == "7"; }));
    for (HWND w : program.windows()) EXPECT_NE(window_text(w), L"Tolsy") << "an error box";
}

}  // namespace
}  // namespace e2e
