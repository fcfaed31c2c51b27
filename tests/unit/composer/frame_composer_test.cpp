#include "composer/frame_composer.h"

#include <gtest/gtest.h>

#include "composer/glyph_codes.h"
#include "fake_form.h"
#include "main_window_parts.h"

namespace tolsy {
namespace {

using testing::FakeForm;
using testing::items_of;
using testing::kAllLists;
using testing::list_name;
using L = ComposerList;

std::string bytes(std::initializer_list<unsigned char> list) {
    return std::string(list.begin(), list.end());
}

// Item numbers in the lists (0 is the blank item).
constexpr int kPosition = 1;
constexpr int kFlatness = 6;
constexpr int kLmc = 1;
constexpr int kMmc = 2;
constexpr int kPreset002 = 2;
constexpr int kPreset005 = 4;

TEST(WorkedExamples, NothingChosenGivesAnEmptyLine) {
    FrameState state;
    EXPECT_EQ(write_preview(state, false), "");
}

TEST(WorkedExamples, FlatnessOnly) {
    FakeForm f;
    f.pick(L::kSymbol, kFlatness);
    EXPECT_EQ(f.display, bytes({0xEB, 0xE4, 0xED}));
}

TEST(WorkedExamples, FlatnessWithTolerance002) {
    FakeForm f;
    f.pick(L::kSymbol, kFlatness);
    f.pick(L::kTolerance, kPreset002);
    EXPECT_EQ(f.display, bytes({0xEB, 0xE4, 0xEC, 0xF9, 0xEE, 0xEE, 0xF0, 0xED}));
}

TEST(WorkedExamples, FullPositionFrame) {
    FakeForm f;
    f.pick(L::kSymbol, kPosition);
    f.click_diameter();
    f.pick(L::kTolerance, kPreset005);
    f.pick(L::kCondition, kMmc);
    f.pick_letter(L::kDatum1, 'A');
    f.pick_letter(L::kDatum2, 'B');
    f.pick(L::kDatumCond2, kMmc);
    f.pick_letter(L::kDatum3, 'C');
    EXPECT_EQ(f.display, bytes({0xEB, 0xFB, 0xEC, 0xE0, 0xF9, 0xEE, 0xEE, 0xF3, 0xDE, 0xEC, 0xC0,
                                0xEC, 0xC1, 0xDE, 0xEC, 0xC2, 0xED}));
}

TEST(WorkedExamples, ToleranceTypedAlone) {
    FakeForm f;
    f.type_tolerance("0", 1);
    f.type_tolerance(f.tolerance_edit + ".", 2);
    f.type_tolerance(f.tolerance_edit + "1", 3);
    EXPECT_EQ(f.display, bytes({0xEB, 0xEE, 0xF9, 0xEF, 0xED}));
}

TEST(WorkedExamples, ModifierCountsWithoutTolerance) {
    FakeForm f;
    f.pick(L::kSymbol, kPosition);
    f.pick(L::kCondition, kLmc);
    EXPECT_EQ(f.display, bytes({0xEB, 0xFB, 0xEC, 0xDD, 0xED}));
}

TEST(WorkedExamples, DiameterOnly) {
    FakeForm f;
    f.click_diameter();
    EXPECT_EQ(f.display, bytes({0xEB, 0xE0, 0xED}));
}

TEST(WorkedExamples, DatumAOnlyHasNoDivider) {
    FakeForm f;
    f.pick_letter(L::kDatum1, 'A');
    EXPECT_EQ(f.display, bytes({0xEB, 0xC0, 0xED}));
}

TEST(WorkedExamples, DatumThreeNeedsDatumTwo) {
    FakeForm f;
    f.pick(L::kSymbol, kPosition);
    f.pick_letter(L::kDatum1, 'A');
    f.pick_letter(L::kDatum3, 'C');
    EXPECT_EQ(f.display, bytes({0xEB, 0xFB, 0xEC, 0xC0, 0xED}));
}

TEST(WorkedExamples, DatumTwoAloneGivesNothing) {
    FakeForm f;
    f.pick_letter(L::kDatum2, 'B');
    EXPECT_EQ(f.display, "");
    EXPECT_TRUE(f.clipboard.empty());
}

TEST(WorkedExamples, DatumModifierNeedsItsLetter) {
    FakeForm f;
    f.pick(L::kSymbol, kPosition);
    f.pick(L::kDatumCond1, kMmc);
    EXPECT_EQ(f.display, bytes({0xEB, 0xFB, 0xED}));
}

TEST(PickLists, BlankItemClearsTheChoice) {
    FakeForm f;
    f.pick(L::kSymbol, kPosition);
    f.pick(L::kCondition, kMmc);
    f.pick(L::kCondition, 0);
    EXPECT_EQ(f.display, bytes({0xEB, 0xFB, 0xED}));
    EXPECT_FALSE(f.state.condition_set);
    // The stored glyph outlives the cleared flag.
    EXPECT_EQ(f.state.condition_glyph, bytes({0xDE}));
    f.pick(L::kSymbol, 0);
    EXPECT_EQ(f.display, "");
}

TEST(PickLists, DatumOneClearedAndChosenAgainRestoresTheLaterDatums) {
    FakeForm f;
    f.pick_letter(L::kDatum1, 'A');
    f.pick_letter(L::kDatum2, 'B');
    f.pick(L::kDatumCond2, kLmc);
    f.pick_letter(L::kDatum3, 'Z');
    const std::string full = bytes({0xEB, 0xC0, 0xEC, 0xC1, 0xDD, 0xEC, 0xD9, 0xED});
    EXPECT_EQ(f.display, full);
    f.pick(L::kDatum1, 0);
    EXPECT_EQ(f.display, "");
    f.pick_letter(L::kDatum1, 'A');
    EXPECT_EQ(f.display, full);
}

TEST(PickLists, EveryItemOfEveryListMakesItsGlyph) {
    for (ComposerList list : kAllLists) {
        const auto items = items_of(list);
        for (std::size_t i = 1; i < items.size(); ++i) {
            const std::string glyphs = pick_list_glyphs(list, items[i]);
            if (list == L::kDatum1 || list == L::kDatum2 || list == L::kDatum3) {
                EXPECT_EQ(glyphs, std::string(1, static_cast<char>(0xC0 + i - 1)));
            } else {
                EXPECT_EQ(glyphs, items[i]);
            }
        }
        EXPECT_EQ(pick_list_glyphs(list, items[0]), "") << list_name(list);
        EXPECT_EQ(pick_list_glyphs(list, ""), "") << list_name(list);
    }
}

TEST(PickLists, ItemCountsMatchTheLists) {
    EXPECT_EQ(items_of(L::kSymbol).size(), 15u);
    EXPECT_EQ(items_of(L::kTolerance).size(), 8u);
    EXPECT_EQ(items_of(L::kDatum3).size(), 27u);
    for (ComposerList list : {L::kCondition, L::kDatumCond1, L::kDatumCond2, L::kDatumCond3}) {
        EXPECT_EQ(items_of(list).size(), 7u);
    }
}

TEST(CaretRule, MovesOneOnAndStopsAtTheEnd) {
    EXPECT_EQ(convert_tolerance_edit("\xF9\xEE\xEE"
                                     "5",
                                     4)
                  .caret,
              4u);
    EXPECT_EQ(convert_tolerance_edit("\xF9\xEE\xEE"
                                     "5",
                                     4)
                  .text,
              bytes({0xF9, 0xEE, 0xEE, 0xF3}));
    EXPECT_EQ(convert_tolerance_edit("abc", 0).caret, 1u);
    EXPECT_EQ(convert_tolerance_edit("abc", 2).caret, 3u);
    EXPECT_EQ(convert_tolerance_edit("abc", 3).caret, 3u);
    EXPECT_EQ(convert_tolerance_edit("abc", 99).caret, 3u);
}

TEST(ToleranceList, TypingFiveAfterPointZeroZero) {
    FakeForm f;
    f.type_tolerance(".", 1);
    f.type_tolerance(f.tolerance_edit + "0", 2);
    f.type_tolerance(f.tolerance_edit + "0", 3);
    f.type_tolerance(f.tolerance_edit + "5", 4);
    EXPECT_EQ(f.tolerance_edit, bytes({0xF9, 0xEE, 0xEE, 0xF3}));
    EXPECT_EQ(f.tolerance_caret_pos, 4u);
    EXPECT_EQ(f.display, bytes({0xEB, 0xF9, 0xEE, 0xEE, 0xF3, 0xED}));
}

TEST(ToleranceList, DigitTypedInTheMiddleLeavesCaretAfterTheNextGlyph) {
    FakeForm f;
    f.pick(L::kTolerance, kPreset005);  // F9 EE EE F3
    std::string text = f.tolerance_edit;
    text.insert(1, "7");  // caret after the typed digit: 2
    f.type_tolerance(text, 2);
    EXPECT_EQ(f.tolerance_edit, bytes({0xF9, 0xF5, 0xEE, 0xEE, 0xF3}));
    EXPECT_EQ(f.tolerance_caret_pos, 3u);
}

TEST(ToleranceList, PresetPassesUnchanged) {
    for (int item = 1; item <= 7; ++item) {
        FakeForm f;
        f.pick(L::kTolerance, item);
        const std::string& preset = items_of(L::kTolerance).at(static_cast<std::size_t>(item));
        EXPECT_EQ(f.state.tolerance_glyphs, preset);
        EXPECT_EQ(f.tolerance_edit, preset);
    }
}

TEST(ToleranceList, EmptyOrOneSpaceClearsButTwoSpacesCount) {
    FakeForm f;
    f.pick(L::kSymbol, kFlatness);
    f.type_tolerance("1", 1);
    EXPECT_EQ(f.display, bytes({0xEB, 0xE4, 0xEC, 0xEF, 0xED}));
    f.type_tolerance("", 0);
    EXPECT_EQ(f.display, bytes({0xEB, 0xE4, 0xED}));
    f.type_tolerance(" ", 1);
    EXPECT_FALSE(f.state.tolerance_set);
    f.type_tolerance("  ", 2);
    EXPECT_EQ(f.display, bytes({0xEB, 0xE4, 0xEC, 0x20, 0x20, 0xED}));
}

TEST(ToleranceList, OtherBytesPassThroughUnconverted) {
    FakeForm f;
    f.type_tolerance("-1,5", 4);
    EXPECT_EQ(f.display, bytes({0xEB, '-', 0xEF, ',', 0xF3, 0xED}));
}

TEST(ClearAll, EmptiesEverythingAndFocusesTheLine) {
    FakeForm f;
    f.pick(L::kSymbol, kPosition);
    f.click_diameter();
    f.type_tolerance("1", 1);
    f.pick(L::kCondition, kMmc);
    f.pick_letter(L::kDatum1, 'A');
    f.pick(L::kDatumCond1, kLmc);
    f.composer.clear_all();
    EXPECT_EQ(f.display, "");
    EXPECT_FALSE(f.ticked);
    EXPECT_EQ(f.tolerance_edit, "");
    for (ComposerList list : kAllLists) {
        EXPECT_EQ(f.list_text(list), "") << list_name(list);
    }
    EXPECT_TRUE(f.display_focused);
    EXPECT_EQ(f.clipboard.back(), std::string(1, '\0'));
    // The next choice starts a fresh frame.
    f.pick_letter(L::kDatum1, 'B');
    EXPECT_EQ(f.display, bytes({0xEB, 0xC1, 0xED}));
}

TEST(ClearAll, TickedBoxRebuildsAnEmptyFrameThroughItsHandler) {
    FakeForm f;
    f.pick(L::kSymbol, kPosition);
    f.click_diameter();
    const std::size_t before = f.clipboard.size();
    f.composer.clear_all();
    // Unticking ran write_preview with all flags clear: one change to empty, then no more.
    ASSERT_EQ(f.clipboard.size(), before + 1);
    EXPECT_EQ(f.clipboard.back(), std::string(1, '\0'));
}

TEST(ClearAll, LeavesAnEmptyLineAloneAndDropsTypedText) {
    FakeForm f;
    f.composer.clear_all();
    EXPECT_TRUE(f.clipboard.empty());
    f.type_in_display("xy");
    f.composer.clear_all();
    EXPECT_EQ(f.display, "");
    EXPECT_EQ(f.clipboard.back(), std::string(1, '\0'));
}

TEST(DisplayLine, PaletteTextIsLostAtTheNextComposerChange) {
    FakeForm f;
    f.pick(L::kSymbol, kFlatness);
    f.caret = 1;
    f.composer.palette_clicked(u"\u00E0");
    EXPECT_EQ(f.display, bytes({0xEB, 0xE0, 0xE4, 0xED}));
    f.pick(L::kCondition, kMmc);
    EXPECT_EQ(f.display, bytes({0xEB, 0xE4, 0xEC, 0xDE, 0xED}));
}

TEST(DisplayLine, PaletteClickInsertsAtCaretAndMirrorsTheLine) {
    FakeForm f;
    f.composer.palette_clicked(u"\u00EB");
    EXPECT_EQ(f.display, bytes({0xEB}));
    EXPECT_EQ(f.caret, 1u);
    EXPECT_TRUE(f.display_focused);
    EXPECT_EQ(f.clipboard.back(), bytes({0xEB, 0x00}));
    f.composer.palette_clicked(u"  \u00A4");
    EXPECT_EQ(f.display, bytes({0xEB, 0xA4}));
    EXPECT_EQ(f.caret, 2u);
    f.caret = 0;
    f.composer.palette_clicked(u"\u2026");
    EXPECT_EQ(f.display, bytes({0x85, 0xEB, 0xA4}));
    EXPECT_EQ(f.caret, 1u);
}

TEST(DisplayLine, SameFrameAgainIsNotMirroredAgain) {
    FakeForm f;
    f.pick(L::kSymbol, kPosition);
    const std::size_t writes = f.clipboard.size();
    f.pick_letter(L::kDatum2, 'B');
    EXPECT_EQ(f.clipboard.size(), writes);
}

TEST(DisplayLine, TypedTextIsNotConverted) {
    FakeForm f;
    f.type_in_display("0.5");
    EXPECT_EQ(f.clipboard.back(), std::string("0.5\0", 4));
}

}  // namespace
}  // namespace tolsy
