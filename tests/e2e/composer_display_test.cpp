// The display line, the palettes and the clipboard, driven with the real mouse and keyboard.
#include <gtest/gtest.h>

#include "support/composer_form_win.h"

namespace e2e {
namespace {

using L = tolsy::ComposerList;
constexpr int kPosition = 1;
constexpr int kFlatness = 6;
constexpr int kMmc = 2;
constexpr int kLeftBoxButton = 46;
constexpr int kDiameterButton = 27;
constexpr int kCurrencyButton = 72;  // label: two spaces, then the glyph

class Display : public ComposerTest {
  protected:
    std::string clipboard() const { return clipboard_state().text; }
};

TEST_F(Display, LeftBoxIntoAnEmptyLine) {
    form().click_palette(kLeftBoxButton);
    EXPECT_EQ(hex(form().display_text()), hex(bytes({0xEB})));
    EXPECT_EQ(form().display_selection(), std::make_pair(1, 1));
    const ClipboardState clip = clipboard_state();
    EXPECT_TRUE(clip.has_text);
    EXPECT_EQ(hex(clip.text), hex(bytes({0xEB})));
    // The focus went back to the line: typing goes on at the caret.
    type_text(L"1");
    EXPECT_EQ(hex(form().display_text()), hex(bytes({0xEB, '1'})));
}

TEST_F(Display, LeadingSpacesOfALabelAreTrimmed) {
    form().click_palette(kCurrencyButton);
    EXPECT_EQ(hex(form().display_text()), hex(bytes({0xA4})));
    EXPECT_EQ(hex(clipboard()), hex(bytes({0xA4})));
}

TEST_F(Display, GlyphGoesInFrontOfASelectionWhichStays) {
    form().pick(L::kSymbol, kFlatness);  // EB E4 ED
    // The second and third glyphs selected with the keyboard.
    form().click_control(form().display());
    press_keys({VK_HOME});
    press_keys({VK_RIGHT});
    press_keys({VK_SHIFT, VK_RIGHT});
    press_keys({VK_SHIFT, VK_RIGHT});
    ASSERT_EQ(form().display_selection(), std::make_pair(1, 3));
    form().click_palette(kDiameterButton);
    EXPECT_EQ(hex(form().display_text()), hex(bytes({0xEB, 0xE0, 0xE4, 0xED})));
    EXPECT_EQ(form().display_selection(), std::make_pair(2, 2));
    EXPECT_EQ(hex(clipboard()), hex(bytes({0xEB, 0xE0, 0xE4, 0xED})));
}

TEST_F(Display, PaletteTextIsLostAtTheNextComposerChange) {
    form().pick(L::kSymbol, kFlatness);
    form().click_palette(kDiameterButton);
    form().pick(L::kCondition, kMmc);
    EXPECT_EQ(hex(form().display_text()), hex(bytes({0xEB, 0xE4, 0xEC, 0xDE, 0xED})));
}

TEST_F(Display, TypedTextReachesTheClipboardUnconverted) {
    form().focus_display_end();
    type_text(L"0.5");
    EXPECT_EQ(form().display_text(), "0.5");
    EXPECT_EQ(clipboard(), "0.5");
}

TEST_F(Display, EmptyingTheLineByHandPutsAnEmptyText) {
    form().focus_display_end();
    type_text(L"ab");
    EXPECT_EQ(clipboard(), "ab");
    press_keys({VK_BACK});
    press_keys({VK_BACK});
    const ClipboardState clip = clipboard_state();
    EXPECT_TRUE(clip.has_text);
    EXPECT_EQ(clip.text, "");
}

TEST_F(Display, SameFrameIsNotMirroredAgainButToClipboardCopiesIt) {
    form().pick(L::kSymbol, kPosition);
    put_clipboard_text(nullptr, "another program");
    form().pick_letter(L::kDatum2, 'B');  // no datum 1: the frame stays the same
    EXPECT_EQ(clipboard(), "another program");
    form().click_control(form().clipboard_button());
    EXPECT_EQ(hex(clipboard()), hex(bytes({0xEB, 0xFB, 0xED})));
    EXPECT_EQ(form().display_selection(), std::make_pair(0, 3));
}

TEST_F(Display, CtrlXLeavesTheCutTextOnTheClipboardAndTheNextChangeMirrorsAgain) {
    form().pick(L::kSymbol, kFlatness);  // EB E4 ED
    form().focus_display_end();
    press_keys({VK_SHIFT, VK_LEFT});
    press_keys({VK_SHIFT, VK_LEFT});
    press_keys({VK_CONTROL, 'X'});
    EXPECT_EQ(hex(form().display_text()), hex(bytes({0xEB})));
    EXPECT_EQ(hex(clipboard()), hex(bytes({0xE4, 0xED})));
    type_text(L"1");
    EXPECT_EQ(hex(clipboard()), hex(bytes({0xEB, '1'})));
}

TEST_F(Display, APastedUnicodeFrameBecomesTheFontsCodes) {
    put_clipboard_unicode(nullptr, L"\u2316\u2300.005\u24C2");
    form().focus_display_end();
    press_keys({VK_CONTROL, 'V'});
    const std::string frame = bytes({0xFB, 0xE0, '.', '0', '0', '5', 0xDE});
    EXPECT_EQ(hex(form().display_text()), hex(frame));
    EXPECT_EQ(hex(clipboard()), hex(frame));
    EXPECT_EQ(form().display_selection(), std::make_pair(7, 7));
}

TEST_F(Display, ACharacterOutsideTheCodePageAndTheFontIsRefused) {
    form().focus_display_end();
    type_text(L"ab");
    press_keys({VK_LEFT});
    type_text(L"\u4E2D");
    EXPECT_EQ(form().display_text(), "ab");
    EXPECT_EQ(clipboard(), "ab");
    EXPECT_EQ(form().display_selection(), std::make_pair(1, 1));
    type_text(L"\u2316");  // a GD&T character goes in as its code, at the caret
    EXPECT_EQ(hex(form().display_text()), hex(bytes({'a', 0xFB, 'b'})));
    EXPECT_EQ(form().display_selection(), std::make_pair(2, 2));
}

TEST_F(Display, EnterPressesToClipboard) {
    form().pick(L::kSymbol, kFlatness);
    form().focus_display_end();
    put_clipboard_text(nullptr, "another program");
    press_keys({VK_RETURN});
    EXPECT_EQ(hex(clipboard()), hex(bytes({0xEB, 0xE4, 0xED})));
}

TEST_F(Display, AltBPressesToClipboard) {
    form().pick(L::kSymbol, kFlatness);
    form().focus_display_end();
    put_clipboard_text(nullptr, "another program");
    press_keys({VK_MENU, 'B'});
    EXPECT_EQ(hex(clipboard()), hex(bytes({0xEB, 0xE4, 0xED})));
    EXPECT_EQ(form().display_selection(), std::make_pair(0, 3));
}

TEST_F(Display, EnterOnTheClearButtonPressesClear) {
    form().pick(L::kSymbol, kFlatness);
    form().focus_display_end();
    press_keys({VK_TAB});  // the Clear button follows the display line
    put_clipboard_text(nullptr, "another program");
    press_keys({VK_RETURN});
    EXPECT_EQ(form().display_text(), "");
    const ClipboardState clip = clipboard_state();
    EXPECT_TRUE(clip.has_text);
    EXPECT_EQ(clip.text, "");
}

TEST_F(Display, AltCCloses) {
    ASSERT_TRUE(activate(window));
    press_keys({VK_MENU, 'C'});
    EXPECT_TRUE(program.wait_exit());
}

TEST_F(Display, ToolTipsShowTheGlyphsMeaning) {
    form().show_page(1);
    mouse_move(form().palette_button_centre(kLeftBoxButton));
    HWND tip = nullptr;
    const bool shown = wait_until(
        [&] {
            for (HWND w : program.windows()) {
                if (_wcsicmp(class_name(w).c_str(), L"tooltips_class32") == 0) tip = w;
            }
            return tip != nullptr;
        },
        5000);
    ASSERT_TRUE(shown) << "no tool-tip appeared over the Left Box button";
    EXPECT_EQ(window_text(tip), L"Left Box");
    mouse_move(POINT{0, 0});
}

}  // namespace
}  // namespace e2e
