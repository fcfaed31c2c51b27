// The main window's controls in place: pages, lists and their items, palettes with their
// tool-tips, default button, tab order, and the handlers wired to them.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/form1_controls_win.h"
#include "app/form1_view_win.h"
#include "app/form1_win.h"
#include "base/windows1252_win.h"
#include "composer/clipboard_win.h"

namespace tolsy {
namespace {

class MainWindowControls : public ::testing::Test {
  protected:
    void SetUp() override { form1.create_window(); }
    Form1Controls& c() { return form1.controls(); }
    TForm1 form1;
};

RECT rect_in(HWND window, HWND parent) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(MainWindowControls, ControlsSitWhereTheLayoutPutsThem) {
    const HWND form = form1.handle();
    const RECT clear = rect_in(c().ClearAllButton->handle(), form);
    EXPECT_EQ(clear.left, 22);
    EXPECT_EQ(clear.top, 208);
    EXPECT_EQ(clear.right - clear.left, 73);
    // The panel and the group boxes are painted by the window they lie on; their controls lie
    // on that window, at their places in the box.
    const RECT display = rect_in(c().DisplayEdit->handle(), c().TePanel1->host());
    const RECT panel = c().TePanel1->rect();
    EXPECT_EQ(c().TePanel1->host(), form);
    EXPECT_EQ(display.left - panel.left, 6);
    EXPECT_EQ(display.top - panel.top, 7);
    EXPECT_EQ(display.right - display.left, 366);
    EXPECT_EQ(display.bottom - display.top, 30);
    const RECT datum2 = rect_in(c().Datum2ComboBox->handle(), c().TeGroupBox3->host());
    const RECT group = c().TeGroupBox3->rect();
    EXPECT_EQ(c().TeGroupBox3->host(), c().TeTabSheet1->handle());
    EXPECT_EQ(datum2.left - group.left, 12);
    EXPECT_EQ(datum2.top - group.top, 45);
    EXPECT_EQ(datum2.right - datum2.left, 44);
}

TEST_F(MainWindowControls, FirstPageIsToleranceOfThree) {
    EXPECT_EQ(c().TePageControl1->page_count(), 3);
    EXPECT_EQ(c().TePageControl1->active_page_index(), 0);
    EXPECT_EQ(c().TeTabSheet1->caption(), "Tolerance");
    EXPECT_EQ(c().TeTabSheet2->caption(), "Symbols");
    EXPECT_EQ(c().TeTabSheet3->caption(), "Symbols2");
}

// The native controls carry the items, labels and tool-tips of the description they were
// built from.
std::wstring wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

TEST_F(MainWindowControls, ListsHoldTheirItemsBlankFirst) {
    const std::pair<ComposerList, const char*> lists[] = {
        {ComposerList::kSymbol, "SymbolComboBox"},
        {ComposerList::kCondition, "ConditionComboBox"},
        {ComposerList::kTolerance, "ToleranceComboBox"},
        {ComposerList::kDatum1, "Datum1ComboBox"},
        {ComposerList::kDatum2, "Datum2ComboBox"},
        {ComposerList::kDatum3, "Datum3ComboBox"},
        {ComposerList::kDatumCond1, "DatumCond1ComboBox"},
        {ComposerList::kDatumCond2, "DatumCond2ComboBox"},
        {ComposerList::kDatumCond3, "DatumCond3ComboBox"},
    };
    for (const auto& [which, name] : lists) {
        SCOPED_TRACE(name);
        const ComboBox& box = c().list(which);
        const auto& items = c().description->control<TeComboBox>(name).items.lines;
        ASSERT_EQ(box.item_count(), static_cast<int>(items.size()));
        ASSERT_GT(box.item_count(), 1);
        EXPECT_EQ(box.item(0), L" ");
        for (int i = 0; i < box.item_count(); ++i) {
            EXPECT_EQ(box.item(i), wide(items[static_cast<std::size_t>(i)])) << i;
        }
        EXPECT_EQ(box.item_index(), -1);
    }
    // Glyph items arrive as their 8-bit codes: the sixth symbol is flatness.
    EXPECT_EQ(wide_to_windows1252_lossy(c().SymbolComboBox->item(6)), "\xE4");
    EXPECT_EQ(wide_to_windows1252_lossy(c().ConditionComboBox->item(4)), "\x85");
}

TEST_F(MainWindowControls, PalettesCarryEveryButtonWithItsToolTip) {
    int total = 0;
    int with_tips = 0;
    for (TabSheet* sheet : {c().TeTabSheet2, c().TeTabSheet3}) {
        // A sheet's tool-tips come with its first showing.
        c().TePageControl1->set_active_page_index(sheet == c().TeTabSheet2 ? 1 : 2);
        const auto& buttons = sheet->speed_buttons();
        total += static_cast<int>(buttons.size());
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            const TeSpeedButton& read = c().description->control<TeSpeedButton>(buttons[i]->name());
            EXPECT_EQ(buttons[i]->caption(), wide(read.caption)) << buttons[i]->name();
            const std::wstring tip =
                sheet->tool_tip().tool_text(sheet->handle(), static_cast<UINT>(i));
            if (read.effective_show_hint()) {
                ++with_tips;
                EXPECT_EQ(tip, wide(read.hint)) << buttons[i]->name();
                EXPECT_NE(tip, L"") << buttons[i]->name();
                // The hints are 8-bit text like the labels.
                if (buttons[i]->name() == "TeSpeedButton46") {
                    EXPECT_EQ(wide_to_windows1252_lossy(tip), "Left Box");
                }
            } else {
                EXPECT_EQ(tip, L"") << buttons[i]->name();
            }
        }
    }
    EXPECT_EQ(total, 103);
    EXPECT_EQ(with_tips, 48);
    EXPECT_EQ(c().TeTabSheet2->speed_buttons().size(), 71u);
}

TEST_F(MainWindowControls, ToClipboardIsTheDefaultButton) {
    const LRESULT def = SendMessageW(form1.handle(), DM_GETDEFID, 0, 0);
    EXPECT_EQ(HIWORD(def), DC_HASDEFID);
    EXPECT_EQ(LOWORD(def), c().TeButton1->id());
}

TEST_F(MainWindowControls, TabOrderWithinTheGroups) {
    const HWND form = form1.handle();
    ShowWindow(form, SW_SHOW);
    std::vector<HWND> order;
    HWND at = GetNextDlgTabItem(form, nullptr, FALSE);
    for (int i = 0; i < 20 && at && (order.empty() || at != order.front()); ++i) {
        order.push_back(at);
        at = GetNextDlgTabItem(form, at, FALSE);
    }
    const std::vector<HWND> expected = {c().TePageControl1->tabs().handle(),
                                        c().SymbolComboBox->handle(),
                                        c().DiaCheckBox->handle(),
                                        c().ConditionComboBox->handle(),
                                        c().ToleranceComboBox->edit_handle(),
                                        c().DatumCond1ComboBox->handle(),
                                        c().DatumCond2ComboBox->handle(),
                                        c().DatumCond3ComboBox->handle(),
                                        c().Datum1ComboBox->handle(),
                                        c().Datum2ComboBox->handle(),
                                        c().Datum3ComboBox->handle(),
                                        c().DisplayEdit->handle(),
                                        c().ClearAllButton->handle(),
                                        c().TeEffectButton1->handle(),
                                        c().TeButton1->handle()};
    ASSERT_EQ(order.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const bool same = order[i] == expected[i] || IsChild(expected[i], order[i]) ||
                          IsChild(order[i], expected[i]);
        EXPECT_TRUE(same) << "position " << i;
    }
}

TEST_F(MainWindowControls, HandlersReachTheDisplayLineAndTheClipboard) {
    SendMessageW(c().SymbolComboBox->handle(), CB_SETCURSEL, 6, 0);
    form1.SymbolComboBoxChange();
    EXPECT_EQ(wide_to_windows1252_lossy(c().DisplayEdit->text()), "\xEB\xE4\xED");
    EXPECT_EQ(read_clipboard_text(form1.handle()), "\xEB\xE4\xED");
    form1.ClearAllButtonClick();
    EXPECT_EQ(c().DisplayEdit->text(), L"");
    EXPECT_EQ(c().SymbolComboBox->item_index(), -1);
    bool present = false;
    EXPECT_EQ(read_clipboard_text(form1.handle(), &present), "");
    EXPECT_TRUE(present);
}

}  // namespace
}  // namespace tolsy
