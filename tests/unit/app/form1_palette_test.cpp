// The two palettes of the main window's description, read into the speed button components:
// every button on its page at its place, labelled with its glyph, and the glyphs with a quoted
// meaning showing it as their tool-tip.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

#include "built_form1.h"

namespace tolsy {
namespace {

struct Palette {
    const char* sheet;
    std::vector<const char*> rows;  // "top: number(left)code ..."
};

const Palette kPalettes[] = {
    {"TeTabSheet2",
     {"0: 1(0)C0 2(24)C1 3(48)C2 4(72)C3 5(96)C4 6(120)C5 7(144)C6 8(168)C7 9(192)C8 10(216)C9 "
      "11(240)CA "
      "12(264)CB 13(288)CC 14(312)CD 15(336)CE",
      "21: 16(0)CF 17(24)D0 18(48)D1 19(72)D2 20(96)D3 21(120)D4 22(144)D5 23(168)D6 24(192)D7 "
      "25(216)D8 26(240)D9",
      "22: 61(299)A1 62(322)B1 63(345)B0",
      "44: 31(0)FB 28(23)E8 29(46)E7 30(69)E1 32(92)E2 33(115)E3 34(138)E5 35(161)E4 36(185)E6 "
      "37(210)FC "
      "38(233)B2 39(256)B3 60(279)FF 99(302)96 100(322)BA",
      "68: 46(0)EB 47(23)EC 48(46)ED 49(95)EE 50(118)EF 51(141)F0 52(164)F1 53(187)F2 54(210)F3 "
      "55(233)F4 "
      "56(256)F5 57(280)F6 58(303)F7 59(326)F9 70(349)FA",
      "96: 65(3)E9 66(26)EA 67(49)B9 68(72)B6 27(169)E0 98(193)95",
      "100: 40(227)DF 41(250)DE 42(273)DD 43(296)85 44(319)9E 45(342)9F"}},
    {"TeTabSheet3",
     {"0: 71(0)FE 72(23)A4 73(46)BF 74(70)AC 75(95)DB 76(119)DA 77(143)B4 78(167)BB 79(191)AB",
      "32: 80(8)82 81(32)86 82(56)87 83(80)88 84(103)89 85(127)8A 86(151)8B 87(175)8C 88(198)83 "
      "64(222)A2 69(246)FD",
      "64: 89(4)91 90(28)92 91(52)93 92(76)94 93(100)84 94(124)A8 95(175)B8 96(199)9C 97(223)AE "
      "101(248)98 "
      "102(272)9A 103(296)AF"}},
};

const std::map<int, const char*> kMeanings = {{0xEB, "Left Box"},
                                              {0xEC, "Middle Box"},
                                              {0xED, "Right Box"},
                                              {0xE0, "Diameter"},
                                              {0xA1, "Diameter"},
                                              {0xF9, "Decimal Point"},
                                              {0xFA, "Minus"},
                                              {0xB1, "Plus Minus"},
                                              {0xB0, "Degrees"},
                                              {0x95, "Degrees"},
                                              {0xFB, "Position"},
                                              {0xFC, "Profile-Line"},
                                              {0xE1, "Parallelism"},
                                              {0xE2, "Concentricity"},
                                              {0xE3, "Purpendicularity"},
                                              {0xE4, "Flatness"},
                                              {0xE5, "Cylindricity"},
                                              {0xE6, "Profile-Surface"},
                                              {0xE7, "Circular Runout"},
                                              {0xE8, "Total Runout"},
                                              {0xB2, "Angularity"},
                                              {0xB3, "Straightness"},
                                              {0xFF, "Symmetry"},
                                              {0xBA, "Roundness"},
                                              {0xDD, "Least Material Condition"},
                                              {0xDE, "Maximum Material Condition"},
                                              {0xDF, "Regardless of Feature Size"},
                                              {0x85, "Tangent Plane"},
                                              {0x9F, "Free State"},
                                              {0x9E, "Projected Tolerance Zone"},
                                              {0x82, "Micro Inches"},
                                              {0x86, "Micro Millimeters"},
                                              {0x87, "Countersink"},
                                              {0x83, "Counter Bore"},
                                              {0x88, "Stock Removal"},
                                              {0x89, "All Around"},
                                              {0x8A, "Profile of Line"},
                                              {0x8B, "Conical Taper"},
                                              {0x8C, "Datum Target"},
                                              {0x91, "Dimension Origin"},
                                              {0x92, "Slope"},
                                              {0x93, "Symetrical"},
                                              {0x94, "Square"},
                                              {0x84, "Statistical Tolerance"},
                                              {0xA2, "Centerline"},
                                              {0xFD, "Marking"},
                                              {0xBF, "Material Removal"},
                                              {0xAC, "As Produced"}};

// The Label column of the code map for codes 0x80..0x9F.
const std::map<int, char16_t> kHighLabels = {
    {0x82, u'\u201A'}, {0x83, u'\u0192'}, {0x84, u'\u201E'}, {0x85, u'\u2026'}, {0x86, u'\u2020'},
    {0x87, u'\u2021'}, {0x88, u'\u02C6'}, {0x89, u'\u2030'}, {0x8A, u'\u0160'}, {0x8B, u'\u2039'},
    {0x8C, u'\u0152'}, {0x91, u'\u2018'}, {0x92, u'\u2019'}, {0x93, u'\u201C'}, {0x94, u'\u201D'},
    {0x95, u'\u2022'}, {0x96, u'\u2013'}, {0x98, u'\u02DC'}, {0x9A, u'\u0161'}, {0x9C, u'\u0153'},
    {0x9E, u'\u017E'}, {0x9F, u'\u0178'}};

// One button of the grid: "number(left)code" in a row of one top coordinate.
struct GridButton {
    int number, left, top, code;
    const char* sheet;
};

std::vector<GridButton> grid() {
    std::vector<GridButton> buttons;
    for (const Palette& palette : kPalettes) {
        for (const char* row : palette.rows) {
            std::istringstream in(row);
            int top = 0;
            char colon = 0;
            in >> top >> colon;
            std::string entry;
            while (in >> entry) {
                GridButton b{0, 0, top, 0, palette.sheet};
                char open = 0, close = 0;
                std::istringstream e(entry);
                e >> b.number >> open >> b.left >> close >> std::hex >> b.code;
                buttons.push_back(b);
            }
        }
    }
    return buttons;
}

class Form1Palettes : public ::testing::Test {
  protected:
    TeSpeedButton& button(int number) {
        return built.form->control<TeSpeedButton>("TeSpeedButton" + std::to_string(number));
    }
    test::BuiltForm1 built;
};

TEST_F(Form1Palettes, ButtonsMatchTheGrid) {
    std::set<int> numbers, codes;
    std::map<std::string, std::size_t> on_sheet;
    for (const GridButton& g : grid()) {
        SCOPED_TRACE("TeSpeedButton" + std::to_string(g.number));
        TeSpeedButton& b = button(g.number);
        ASSERT_NE(b.parent_component(), nullptr);
        EXPECT_EQ(b.parent_component()->name(), g.sheet);
        EXPECT_EQ(b.left, g.left);
        EXPECT_EQ(b.top, g.top);
        EXPECT_EQ(b.width, g.number == 36 ? 25 : 23);
        EXPECT_EQ(b.height, 22);
        EXPECT_TRUE(b.flat);
        const std::u16string label =
            g.number == 72 ? std::u16string(u"  ") + char16_t(0xA4)
                           : std::u16string(1, kHighLabels.count(g.code) ? kHighLabels.at(g.code)
                                                                         : char16_t(g.code));
        EXPECT_EQ(b.caption, label);
        EXPECT_EQ(utf16_to_windows1252(b.caption).value_or("").back(), static_cast<char>(g.code));
        EXPECT_EQ(b.font.name, "Tolsy");
        EXPECT_EQ(b.font.height, g.number == 1 ? -15 : g.number == 80 ? -21 : -13);
        EXPECT_EQ(b.font.charset, kAnsiCharset);
        EXPECT_EQ(built.fire(b.on_click, b), "TeSpeedButton1Click:" + b.name());
        numbers.insert(g.number);
        codes.insert(g.code);
        ++on_sheet[g.sheet];
    }
    for (const auto& [sheet, count] : on_sheet)
        EXPECT_EQ(built.form->control<TeTabSheet>(sheet).child_components().size(), count);
    EXPECT_EQ(numbers.size(), 103u);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 103);
    EXPECT_EQ(codes.size(), 103u);
    EXPECT_EQ(on_sheet["TeTabSheet2"], 71u);
    EXPECT_EQ(on_sheet["TeTabSheet3"], 32u);
}

TEST_F(Form1Palettes, HintsAreTheQuotedMeanings) {
    int tips = 0;
    for (const GridButton& g : grid()) {
        SCOPED_TRACE("TeSpeedButton" + std::to_string(g.number));
        const TeSpeedButton& b = button(g.number);
        const auto meaning = kMeanings.find(g.code);
        const bool has_meaning = meaning != kMeanings.end();
        EXPECT_EQ(b.hint, has_meaning ? windows1252_to_utf16(meaning->second) : u"");
        EXPECT_EQ(b.show_hint, has_meaning);
        EXPECT_EQ(b.effective_show_hint(), has_meaning);
        if (has_meaning) ++tips;
    }
    EXPECT_EQ(tips, 48);
    EXPECT_EQ(kMeanings.size(), 48u);
}

}  // namespace
}  // namespace tolsy
