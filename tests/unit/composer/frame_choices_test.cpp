#include "composer/frame_choices.h"

#include <gtest/gtest.h>

#include <random>

#include "fake_form.h"

namespace tolsy {
namespace {

using testing::FakeForm;
using L = ComposerList;

constexpr unsigned char kPosition = 0xFB;
constexpr unsigned char kFlatness = 0xE4;
constexpr unsigned char kLmc = 0xDD;
constexpr unsigned char kMmc = 0xDE;

std::string from_hex(std::string_view hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 3) {
        bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    }
    return bytes;
}

template <std::size_t N>
int item_of(const std::array<NamedGlyph, N>& table, unsigned char glyph) {
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i].glyph == glyph) return static_cast<int>(i) + 1;
    }
    return -1;
}

// The same choices made by hand in the window: its lists (with the description's items) and
// handlers, each choice picked or typed once.
std::string window_frame(const FrameChoices& c) {
    FakeForm f;
    if (c.symbol) f.pick(L::kSymbol, item_of(kCharacteristics, *c.symbol));
    if (c.diameter) f.click_diameter();
    for (std::size_t i = 0; i < c.tolerance.size(); ++i) {
        f.type_tolerance(f.tolerance_edit + c.tolerance[i], i + 1);
    }
    if (c.modifier) f.pick(L::kCondition, item_of(kModifiers, *c.modifier));
    const L letters[] = {L::kDatum1, L::kDatum2, L::kDatum3};
    const L conds[] = {L::kDatumCond1, L::kDatumCond2, L::kDatumCond3};
    for (std::size_t k = 0; k < 3; ++k) {
        if (c.datums[k].letter) f.pick_letter(letters[k], *c.datums[k].letter);
        if (c.datums[k].modifier) f.pick(conds[k], item_of(kModifiers, *c.datums[k].modifier));
    }
    return f.display;
}

// One check for every choice set: the window and compose_frame agree, the frame reads back
// into choices that make it again, and those choices are a fixed point of the round trip.
void expect_round_trip(const FrameChoices& choices, const std::string* expected) {
    const std::string frame = compose_frame(choices);
    EXPECT_EQ(frame, window_frame(choices));
    if (expected) {
        EXPECT_EQ(frame, *expected);
    }
    const FrameChoices back = explain_frame(frame);
    EXPECT_EQ(compose_frame(back), frame);
    EXPECT_EQ(explain_frame(compose_frame(back)), back);
    EXPECT_TRUE(frame_as_unicode(frame).has_value());
}

struct Example {
    const char* name;
    FrameChoices choices;
    const char* hex;
};

FrameChoices make(std::optional<unsigned char> symbol, bool diameter = false,
                  std::string tolerance = "", std::optional<unsigned char> modifier = {},
                  DatumChoice d1 = {}, DatumChoice d2 = {}, DatumChoice d3 = {}) {
    FrameChoices c;
    c.symbol = symbol;
    c.diameter = diameter;
    c.tolerance = std::move(tolerance);
    c.modifier = modifier;
    c.datums = {d1, d2, d3};
    return c;
}

DatumChoice datum(std::optional<char> letter, std::optional<unsigned char> modifier = {}) {
    return {letter, modifier};
}

TEST(FrameChoices, WorkedExamplesComposeAndReadBack) {
    const std::nullopt_t none = std::nullopt;
    const Example examples[] = {
        {"nothing", make(none), ""},
        {"flatness only", make(kFlatness), "EB E4 ED"},
        {"flatness .002", make(kFlatness, false, ".002"), "EB E4 EC F9 EE EE F0 ED"},
        {"full position frame",
         make(kPosition, true, ".005", kMmc, datum('A'), datum('B', kMmc), datum('C')),
         "EB FB EC E0 F9 EE EE F3 DE EC C0 EC C1 DE EC C2 ED"},
        {"tolerance 0.1", make(none, false, "0.1"), "EB EE F9 EF ED"},
        {"position lmc", make(kPosition, false, "", kLmc), "EB FB EC DD ED"},
        {"diameter only", make(none, true), "EB E0 ED"},
        {"datum A only", make(none, false, "", none, datum('A')), "EB C0 ED"},
        {"no datum 2", make(kPosition, false, "", none, datum('A'), datum(none), datum('C')),
         "EB FB EC C0 ED"},
        {"datum B only", make(none, false, "", none, datum(none), datum('B')), ""},
        {"datum 1 modifier only", make(kPosition, false, "", none, datum(none, kMmc)), "EB FB ED"},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(e.name);
        const std::string expected = from_hex(e.hex);
        expect_round_trip(e.choices, &expected);
    }
}

TEST(FrameChoices, RandomChoiceSetsComposeAndReadBack) {
    std::mt19937 random(18);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::string typed = "0123456789.-/ ,+x\xB1\xB0\xFA";  // with ± ° and the minus glyph
    for (int run = 0; run < 3000; ++run) {
        FrameChoices c;
        if (pick(3)) c.symbol = kCharacteristics[pick(14)].glyph;
        c.diameter = pick(2);
        for (int n = pick(5); n > 0; --n)
            c.tolerance += typed[pick(static_cast<int>(typed.size()))];
        if (pick(2)) c.modifier = kModifiers[pick(6)].glyph;
        for (DatumChoice& d : c.datums) {
            if (pick(4)) d.letter = static_cast<char>('A' + pick(26));
            if (pick(3) == 0) d.modifier = kModifiers[pick(6)].glyph;
        }
        SCOPED_TRACE(run);
        expect_round_trip(c, nullptr);
        if (HasFailure()) return;
    }
}

TEST(FrameChoices, DamagedFramesAreRefusedAtTheirByte) {
    const struct {
        const char* hex;
        std::size_t offset;
    } damaged[] = {
        {"FB ED", 0},                                             // no left box
        {"EB FB EC E0 F9 EE EE F3 DE EC C0 EC C1 DE EC C2", 16},  // right box cut off
        {"EB ED", 1},                                             // no compartment
        {"EB FB ED ED", 3},                                       // a byte after the frame
        {"EB FB EC EC C0 ED", 3},                                 // empty compartment
        {"EB FB EC 35 ED", 3},                                    // an unconverted digit
        {"EB FB EC 20 ED", 3},                                    // the blank tolerance item
        {"EB C0 EC C1 EC C2 EC C3 ED", 6},                        // a fourth datum
        {"EB C0 DE DE ED", 3},                                    // two datum modifiers
        {"EB E0 FB ED", 2},                                       // symbol after the diameter
        {"EB FB FC ED", 2},                                       // two symbols in one box
        {"EB FB EC C0 F9 ED", 4},                                 // tolerance after a datum
        {"EB FB EC F9 09 ED", 4},                                 // a control in the tolerance
    };
    for (const auto& d : damaged) {
        SCOPED_TRACE(d.hex);
        try {
            explain_frame(from_hex(d.hex));
            ADD_FAILURE() << "read as a frame";
        } catch (const NotAFrameError& e) {
            EXPECT_EQ(e.offset(), d.offset) << e.what();
        }
    }
}

}  // namespace
}  // namespace tolsy
