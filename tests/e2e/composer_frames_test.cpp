// The composer's worked examples and edge cases, through the real lists of the Tolerance page:
// what the display line shows and what lands on the clipboard as CF_TEXT.
#include <gtest/gtest.h>

#include "support/composer_form_win.h"
#include "support/frame_win.h"

namespace e2e {
namespace {

using L = tolsy::ComposerList;
constexpr int kPosition = 1;
constexpr int kFlatness = 6;
constexpr int kLmc = 1;
constexpr int kMmc = 2;
constexpr int kPreset002 = 2;
constexpr int kPreset005 = 4;

class Frames : public ComposerTest {
  protected:
    // The line shows the frame, and the clipboard holds exactly its bytes as plain text.
    void expect_frame(const std::string& expected) const {
        EXPECT_EQ(hex(form().display_text()), hex(expected));
        const ClipboardState clip = clipboard_state();
        EXPECT_TRUE(clip.has_text);
        EXPECT_EQ(hex(clip.text), hex(expected));
    }
};

TEST_F(Frames, NothingChosenLeavesTheLineEmptyAndTheClipboardAlone) {
    put_clipboard_text(nullptr, "before");
    EXPECT_EQ(form().display_text(), "");
    EXPECT_EQ(clipboard_state().text, "before");
}

TEST_F(Frames, FlatnessOnly) {
    form().pick(L::kSymbol, kFlatness);
    expect_frame(bytes({0xEB, 0xE4, 0xED}));
}

TEST_F(Frames, FlatnessWithPreset002) {
    form().pick(L::kSymbol, kFlatness);
    form().pick(L::kTolerance, kPreset002);
    expect_frame(bytes({0xEB, 0xE4, 0xEC, 0xF9, 0xEE, 0xEE, 0xF0, 0xED}));
    // The preset passes through the conversion unchanged.
    EXPECT_EQ(hex(form().tolerance_text()), hex(bytes({0xF9, 0xEE, 0xEE, 0xF0})));
}

TEST_F(Frames, FullPositionFrame) {
    form().pick(L::kSymbol, kPosition);
    form().click_diameter();
    form().pick(L::kTolerance, kPreset005);
    form().pick(L::kCondition, kMmc);
    form().pick_letter(L::kDatum1, 'A');
    form().pick_letter(L::kDatum2, 'B');
    form().pick(L::kDatumCond2, kMmc);
    form().pick_letter(L::kDatum3, 'C');
    expect_frame(bytes({0xEB, 0xFB, 0xEC, 0xE0, 0xF9, 0xEE, 0xEE, 0xF3, 0xDE, 0xEC, 0xC0, 0xEC,
                        0xC1, 0xDE, 0xEC, 0xC2, 0xED}));
}

TEST_F(Frames, ToleranceTypedAsZeroPointOne) {
    form().type_tolerance(L"0.1");
    expect_frame(bytes({0xEB, 0xEE, 0xF9, 0xEF, 0xED}));
}

TEST_F(Frames, PositionWithLmcAndNoTolerance) {
    form().pick(L::kSymbol, kPosition);
    form().pick(L::kCondition, kLmc);
    expect_frame(bytes({0xEB, 0xFB, 0xEC, 0xDD, 0xED}));
}

TEST_F(Frames, DiameterOnly) {
    form().click_diameter();
    EXPECT_TRUE(form().diameter_ticked());
    expect_frame(bytes({0xEB, 0xE0, 0xED}));
}

TEST_F(Frames, DatumAOnly) {
    form().pick_letter(L::kDatum1, 'A');
    expect_frame(bytes({0xEB, 0xC0, 0xED}));
}

TEST_F(Frames, DatumThreeWithoutDatumTwoIsLeftOut) {
    form().pick(L::kSymbol, kPosition);
    form().pick_letter(L::kDatum1, 'A');
    form().pick_letter(L::kDatum3, 'C');
    expect_frame(bytes({0xEB, 0xFB, 0xEC, 0xC0, 0xED}));
}

TEST_F(Frames, DatumBWithoutDatumOneGivesNothing) {
    put_clipboard_text(nullptr, "before");
    form().pick_letter(L::kDatum2, 'B');
    EXPECT_EQ(form().display_text(), "");
    EXPECT_EQ(clipboard_state().text, "before");
}

TEST_F(Frames, DatumModifierWithoutLetterIsLeftOut) {
    form().pick(L::kSymbol, kPosition);
    form().pick(L::kDatumCond1, kMmc);
    expect_frame(bytes({0xEB, 0xFB, 0xED}));
}

TEST_F(Frames, BlankItemClearsItsChoice) {
    form().pick(L::kSymbol, kPosition);
    form().pick(L::kCondition, kMmc);
    form().pick(L::kCondition, 0);
    expect_frame(bytes({0xEB, 0xFB, 0xED}));
    form().pick(L::kSymbol, 0);
    expect_frame("");
}

TEST_F(Frames, DatumOneClearedAndChosenAgain) {
    form().pick_letter(L::kDatum1, 'A');
    form().pick_letter(L::kDatum2, 'B');
    form().pick(L::kDatumCond2, kLmc);
    form().pick_letter(L::kDatum3, 'Z');
    const std::string full = bytes({0xEB, 0xC0, 0xEC, 0xC1, 0xDD, 0xEC, 0xD9, 0xED});
    expect_frame(full);
    form().pick(L::kDatum1, 0);
    expect_frame("");
    form().pick_letter(L::kDatum1, 'A');
    expect_frame(full);
    // The later lists were not touched.
    EXPECT_EQ(form().chosen_item(L::kDatum2), 2);
    EXPECT_EQ(form().chosen_item(L::kDatumCond2), kLmc);
}

TEST_F(Frames, TypingFiveAfterPointZeroZero) {
    form().type_tolerance(L".00");
    form().type_tolerance(L"5");
    EXPECT_EQ(hex(form().tolerance_text()), hex(bytes({0xF9, 0xEE, 0xEE, 0xF3})));
    EXPECT_EQ(form().tolerance_selection(), std::make_pair(4, 4));
    expect_frame(bytes({0xEB, 0xF9, 0xEE, 0xEE, 0xF3, 0xED}));
}

TEST_F(Frames, DigitTypedInTheMiddleMovesTheCaretPastTheNextGlyph) {
    form().type_tolerance(L".005");
    // Caret after the point, then a 7: the caret ends one further right than after the 7.
    press_keys({VK_HOME});
    press_keys({VK_RIGHT});
    type_text(L"7");
    EXPECT_EQ(hex(form().tolerance_text()), hex(bytes({0xF9, 0xF5, 0xEE, 0xEE, 0xF3})));
    EXPECT_EQ(form().tolerance_selection(), std::make_pair(3, 3));
}

TEST_F(Frames, ErasingTheToleranceClearsIt) {
    form().pick(L::kSymbol, kFlatness);
    form().type_tolerance(L"1");
    expect_frame(bytes({0xEB, 0xE4, 0xEC, 0xEF, 0xED}));
    press_keys({VK_BACK});
    expect_frame(bytes({0xEB, 0xE4, 0xED}));
    type_text(L" ");
    expect_frame(bytes({0xEB, 0xE4, 0xED}));
}

TEST_F(Frames, PickingWithTheKeyboardRunsTheHandler) {
    form().click_control(form().list(L::kSymbol));  // drops the list down
    // From no item, the first Down reaches the blank item and the second the first symbol.
    press_keys({VK_DOWN});
    press_keys({VK_DOWN});
    press_keys({VK_RETURN});
    settle();
    EXPECT_EQ(form().chosen_item(L::kSymbol), kPosition);
    expect_frame(bytes({0xEB, 0xFB, 0xED}));
    // The open list took the Enter key: To Clipboard, which selects the whole line, did not run.
    EXPECT_NE(form().display_selection(), std::make_pair(0, 3));
}

// The mouse as a user holds it: pressed on the closed list, dragged down the list it opened and
// released on an item, which is picked; a press beside the open list closes it and picks nothing,
// nor does it reach what lies under it.
TEST_F(Frames, DraggingDownTheOpenListPicksWhereTheButtonComesUp) {
    const HWND box = form().list(L::kSymbol);
    const RECT field = window_rect(box);
    const POINT on_field{(field.left + field.right) / 2, (field.top + field.bottom) / 2};
    const auto open_list = [] {
        const HWND list = FindWindowW(L"TolsyDropList", nullptr);
        return list && IsWindowVisible(list) ? list : nullptr;
    };
    mouse_to(on_field);
    mouse_down(on_field);
    HWND list = nullptr;
    ASSERT_TRUE(wait_until([&] { return (list = open_list()) != nullptr; }));
    const int height = static_cast<int>(SendMessageW(box, CB_GETITEMHEIGHT, 0, 0));
    // Nothing is chosen yet, so the list shows its items from the first; 1 is its border.
    const POINT on_item = screen_point(list, 10, 1 + kFlatness * height + height / 2);
    mouse_to(POINT{on_item.x, on_item.y - height});
    mouse_to(on_item);
    mouse_up(on_item);
    ASSERT_TRUE(wait_until([&] { return form().chosen_item(L::kSymbol) == kFlatness; }));
    EXPECT_TRUE(wait_until([&] { return open_list() == nullptr; }));
    settle();
    expect_frame(bytes({0xEB, 0xE4, 0xED}));

    mouse_click(on_field);
    ASSERT_TRUE(wait_until([&] { return open_list() != nullptr; }));
    // On the Clear button: the press only closes the list.
    const RECT clear = window_rect(form().clear_button());
    mouse_click(POINT{(clear.left + clear.right) / 2, (clear.top + clear.bottom) / 2});
    EXPECT_TRUE(wait_until([&] { return open_list() == nullptr; }));
    settle();
    EXPECT_EQ(form().chosen_item(L::kSymbol), kFlatness);
    expect_frame(bytes({0xEB, 0xE4, 0xED}));
}

TEST_F(Frames, TypingDoesNotSearchAPickOnlyList) {
    form().click_control(form().list(L::kDatum1));
    press_keys({VK_ESCAPE});
    type_text(L"C");
    EXPECT_EQ(form().chosen_item(L::kDatum1), -1);
    EXPECT_EQ(form().display_text(), "");
}

TEST_F(Frames, ClearEmptiesEverythingAndFocusesTheLine) {
    form().pick(L::kSymbol, kPosition);
    form().click_diameter();
    form().type_tolerance(L".5");
    form().pick(L::kCondition, kMmc);
    form().pick_letter(L::kDatum1, 'A');
    form().pick(L::kDatumCond1, kLmc);
    form().click_control(form().clear_button());
    settle();
    expect_frame("");
    EXPECT_FALSE(form().diameter_ticked());
    EXPECT_EQ(form().tolerance_text(), "");
    for (L which : kAllLists) EXPECT_EQ(form().chosen_item(which), -1);
    // The display line has the keyboard focus: typing goes there.
    type_text(L"x");
    EXPECT_EQ(form().display_text(), "x");
    // The next choice starts a fresh frame.
    form().pick_letter(L::kDatum1, 'B');
    expect_frame(bytes({0xEB, 0xC1, 0xED}));
}

}  // namespace
}  // namespace e2e
