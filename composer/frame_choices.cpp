#include "composer/frame_choices.h"

#include <algorithm>
#include <cstdio>

#include "base/utf8.h"
#include "composer/frame_composer.h"
#include "composer/glyph_codes.h"

namespace tolsy {

const std::array<NamedGlyph, 14> kCharacteristics = {{
    {0xFB, "position", "Position", "true-position"},
    {0xFC, "profile-of-a-line", "Profile-Line", "profile-line"},
    {0xE1, "parallelism", "Parallelism", ""},
    {0xE2, "concentricity", "Concentricity", ""},
    {0xE3, "perpendicularity", "Purpendicularity", ""},
    {0xE4, "flatness", "Flatness", ""},
    {0xE5, "cylindricity", "Cylindricity", ""},
    {0xE6, "profile-of-a-surface", "Profile-Surface", "profile-surface"},
    {0xE7, "circular-runout", "Circular Runout", ""},
    {0xE8, "total-runout", "Total Runout", ""},
    {0xB2, "angularity", "Angularity", ""},
    {0xB3, "straightness", "Straightness", ""},
    {0xFF, "symmetry", "Symmetry", ""},
    {0xBA, "roundness", "Roundness", "circularity"},
}};

const std::array<NamedGlyph, 6> kModifiers = {{
    {0xDD, "lmc", "Least Material Condition", "l"},
    {0xDE, "mmc", "Maximum Material Condition", "m"},
    {0xDF, "rfs", "Regardless of Feature Size", "s"},
    {0x85, "tangent-plane", "Tangent Plane", "t"},
    {0x9F, "free-state", "Free State", "f"},
    {0x9E, "projected", "Projected Tolerance Zone", "p"},
}};

namespace {

constexpr unsigned char kFirstDatumGlyph = 'A' + kDatumLetterOffset;
constexpr unsigned char kLastDatumGlyph = 'Z' + kDatumLetterOffset;
constexpr unsigned char kLastDigitGlyph = kDigitZeroGlyph + 9;
constexpr std::size_t kDatumSlots = 3;

std::string normalized(std::string_view name) {
    std::string out;
    for (char c : name) {
        if (c == ' ' || c == '_') c = '-';
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        out += c;
    }
    return out;
}

template <std::size_t N>
const NamedGlyph* find_by_name(const std::array<NamedGlyph, N>& table, std::string_view name) {
    const std::string key = normalized(name);
    for (const NamedGlyph& entry : table) {
        if (entry.name == key || (!entry.alias.empty() && entry.alias == key)) return &entry;
    }
    return nullptr;
}

template <std::size_t N>
const NamedGlyph* find_by_glyph(const std::array<NamedGlyph, N>& table, unsigned char glyph) {
    for (const NamedGlyph& entry : table) {
        if (entry.glyph == glyph) return &entry;
    }
    return nullptr;
}

bool is_datum_glyph(unsigned char b) {
    return b >= kFirstDatumGlyph && b <= kLastDatumGlyph;
}

bool is_digit_or_point_glyph(unsigned char b) {
    return (b >= kDigitZeroGlyph && b <= kLastDigitGlyph) || b == kDecimalPointGlyph;
}

// A byte that has a place of its own in a frame: boxes, diameter sign, characteristic symbols,
// modifiers and datum letters. In a tolerance it would make the frame read two ways.
bool is_frame_part(unsigned char b) {
    return b == kLeftBoxGlyph || b == kMiddleBoxGlyph || b == kRightBoxGlyph ||
           b == kDiameterGlyph || characteristic_of(b) || modifier_of(b) || is_datum_glyph(b);
}

// A tolerance byte the digit conversion leaves as it is and that no other part of a frame
// uses: printable ASCII other than digits and the point, and the font's other glyphs.
bool is_other_tolerance_byte(unsigned char b) {
    if (b < 0x20 || b == 0x7F) return false;
    if (b < 0x80) return tolerance_byte_to_glyph(b) == b;
    return !is_digit_or_point_glyph(b) && !is_frame_part(b);
}

bool is_tolerance_glyph(unsigned char b) {
    return is_digit_or_point_glyph(b) || is_other_tolerance_byte(b);
}

// Standard characters of the tolerance glyphs that have one besides the digits and the point.
char16_t tolerance_glyph_unicode(unsigned char b) {
    switch (b) {
        case 0xB1:
            return u'\u00B1';  // plus minus
        case 0xB0:
        case 0x95:
            return u'\u00B0';  // degrees
        case 0xFA:
            return u'\u2212';  // minus
        case 0xA1:
            return u'\u2300';  // diameter (unframed)
        default:
            return 0;
    }
}

std::string hex_byte(unsigned char b) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", b);
    return text;
}

// What a byte is in a frame, for the reason a reading stops.
std::string describe(unsigned char b) {
    const std::string hex = hex_byte(b);
    if (b == kLeftBoxGlyph) return hex + " (left box)";
    if (b == kMiddleBoxGlyph) return hex + " (middle box)";
    if (b == kRightBoxGlyph) return hex + " (right box)";
    if (b == kDiameterGlyph) return hex + " (diameter sign)";
    if (const NamedGlyph* c = characteristic_of(b)) return hex + " (" + std::string(c->name) + ")";
    if (const NamedGlyph* m = modifier_of(b))
        return hex + " (modifier " + std::string(m->name) + ")";
    if (is_datum_glyph(b)) {
        return hex + " (datum letter " + static_cast<char>(b - kDatumLetterOffset) + ")";
    }
    if (b >= '0' && b <= '9') return hex + " (a typed digit; the window turns digits into glyphs)";
    if (b == '.') return hex + " (a typed point; the window turns it into its glyph)";
    return hex;
}

NotAFrameError stray(std::string_view frame, std::size_t at, const std::string& where) {
    return NotAFrameError(
        at, describe(static_cast<unsigned char>(frame[at])) + " cannot stand " + where);
}

struct Compartment {
    std::size_t begin;  // offset of its first byte in the frame
    std::string_view bytes;
};

// The tolerance compartment: diameter sign, tolerance glyphs, modifier, each optional.
void read_tolerance_compartment(std::string_view frame, const Compartment& c, FrameChoices& out) {
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(c.bytes[k]); };
    if (i < c.bytes.size() && at(i) == kDiameterGlyph) {
        out.diameter = true;
        ++i;
    }
    const std::size_t tolerance_begin = i;
    while (i < c.bytes.size() && is_tolerance_glyph(at(i))) ++i;
    const std::string_view glyphs = c.bytes.substr(tolerance_begin, i - tolerance_begin);
    if (glyphs == kNothingChosenItem) {
        throw NotAFrameError(c.begin + tolerance_begin,
                             "a tolerance of one space is the blank item: no tolerance");
    }
    out.tolerance = *typed_tolerance(glyphs);
    if (i < c.bytes.size() && modifier_of(at(i))) {
        out.modifier = at(i);
        ++i;
    }
    if (i < c.bytes.size()) {
        throw stray(frame, c.begin + i,
                    "in the tolerance compartment (diameter sign, tolerance, modifier)");
    }
}

// A datum compartment: the letter, then its modifier if any.
DatumChoice read_datum_compartment(std::string_view frame, const Compartment& c) {
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(c.bytes[k]); };
    if (!is_datum_glyph(at(0))) {
        throw stray(frame, c.begin, "where a datum compartment begins with its letter");
    }
    DatumChoice datum{static_cast<char>(at(0) - kDatumLetterOffset), std::nullopt};
    if (c.bytes.size() > 1) {
        if (!modifier_of(at(1))) {
            throw stray(frame, c.begin + 1, "after a datum letter (only its modifier may)");
        }
        datum.modifier = at(1);
    }
    if (c.bytes.size() > 2) {
        throw stray(frame, c.begin + 2, "after a datum letter and its modifier");
    }
    return datum;
}

}  // namespace

const NamedGlyph* find_characteristic(std::string_view name) {
    return find_by_name(kCharacteristics, name);
}
const NamedGlyph* find_modifier(std::string_view name) {
    return find_by_name(kModifiers, name);
}
const NamedGlyph* characteristic_of(unsigned char glyph) {
    return find_by_glyph(kCharacteristics, glyph);
}
const NamedGlyph* modifier_of(unsigned char glyph) {
    return find_by_glyph(kModifiers, glyph);
}

FrameState frame_state_of(const FrameChoices& choices) {
    // Each choice goes through the lists' own rule, as if picked or typed in the window.
    const auto as_text = [](unsigned char glyph) {
        return std::string(1, static_cast<char>(glyph));
    };
    const auto set = [](bool& flag, std::string& glyphs, std::string value) {
        flag = !value.empty();
        if (flag) glyphs = std::move(value);
    };
    FrameState s;
    if (choices.symbol) set(s.symbol_set, s.symbol_glyph, as_text(*choices.symbol));
    if (choices.tolerance != kNothingChosenItem) {
        set(s.tolerance_set, s.tolerance_glyphs, tolerance_to_glyphs(choices.tolerance));
    }
    if (choices.modifier) set(s.condition_set, s.condition_glyph, as_text(*choices.modifier));

    struct Slot {
        bool* set;
        std::string* glyph;
        bool* cond_set;
        std::string* cond_glyph;
        ComposerList list;
    };
    const Slot slots[kDatumSlots] = {
        {&s.datum1_set, &s.datum1_glyph, &s.datum1_cond_set, &s.datum1_cond_glyph,
         ComposerList::kDatum1},
        {&s.datum2_set, &s.datum2_glyph, &s.datum2_cond_set, &s.datum2_cond_glyph,
         ComposerList::kDatum2},
        {&s.datum3_set, &s.datum3_glyph, &s.datum3_cond_set, &s.datum3_cond_glyph,
         ComposerList::kDatum3},
    };
    for (std::size_t k = 0; k < kDatumSlots; ++k) {
        const DatumChoice& d = choices.datums[k];
        if (d.letter) {
            set(*slots[k].set, *slots[k].glyph,
                pick_list_glyphs(slots[k].list, std::string(1, *d.letter)));
        }
        if (d.modifier) set(*slots[k].cond_set, *slots[k].cond_glyph, as_text(*d.modifier));
    }
    return s;
}

std::string compose_frame(const FrameChoices& choices) {
    return write_preview(frame_state_of(choices), choices.diameter);
}

NotAFrameError::NotAFrameError(std::size_t offset, const std::string& why)
    : ComposerError("byte " + std::to_string(offset) + ": " + why), offset_(offset) {}

bool is_readable_tolerance_byte(unsigned char typed) {
    const bool digit_or_point = typed < 0x80 && tolerance_byte_to_glyph(typed) != typed;
    return digit_or_point || is_other_tolerance_byte(typed);
}

std::optional<std::string> typed_tolerance(std::string_view glyphs) {
    std::string typed;
    for (char c : glyphs) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= kDigitZeroGlyph && b <= kLastDigitGlyph) {
            typed += static_cast<char>('0' + (b - kDigitZeroGlyph));
        } else if (b == kDecimalPointGlyph) {
            typed += '.';
        } else if (is_other_tolerance_byte(b)) {
            typed += c;
        } else {
            return std::nullopt;
        }
    }
    return typed;
}

bool datum_counts(const FrameChoices& choices, std::size_t slot) {
    for (std::size_t k = 0; k <= slot && k < kDatumSlots; ++k) {
        if (!choices.datums[k].letter) return false;
    }
    return slot < kDatumSlots;
}

FrameChoices explain_frame(std::string_view frame) {
    FrameChoices out;
    if (frame.empty()) return out;  // the empty line: nothing chosen
    if (static_cast<unsigned char>(frame[0]) != kLeftBoxGlyph) {
        throw stray(frame, 0, "first: a frame begins with the left box 0xEB");
    }
    const std::size_t right = frame.find(static_cast<char>(kRightBoxGlyph), 1);
    if (right == std::string_view::npos) {
        throw NotAFrameError(frame.size(), "the frame ends without its right box 0xED");
    }
    if (right + 1 < frame.size()) throw stray(frame, right + 1, "after the right box");
    if (right == 1) throw NotAFrameError(1, "a frame holds at least one compartment");

    // The middle box never stands inside a compartment, so it splits them.
    std::vector<Compartment> parts;
    for (std::size_t begin = 1;;) {
        const std::size_t end =
            std::min(frame.find(static_cast<char>(kMiddleBoxGlyph), begin), right);
        if (end == begin) throw NotAFrameError(begin, "an empty compartment");
        parts.push_back({begin, frame.substr(begin, end - begin)});
        if (end == right) break;
        begin = end + 1;
    }

    std::size_t next = 0;
    const auto first_byte = [&](std::size_t k) {
        return static_cast<unsigned char>(parts[k].bytes[0]);
    };
    if (characteristic_of(first_byte(0))) {
        if (parts[0].bytes.size() > 1) {
            throw stray(frame, parts[0].begin + 1, "after a characteristic symbol");
        }
        out.symbol = first_byte(0);
        ++next;
    }
    if (next < parts.size() && !is_datum_glyph(first_byte(next))) {
        read_tolerance_compartment(frame, parts[next], out);
        ++next;
    }
    for (std::size_t slot = 0; next < parts.size(); ++slot, ++next) {
        if (slot == kDatumSlots) {
            throw NotAFrameError(parts[next].begin - 1,
                                 "a frame holds at most three datum compartments");
        }
        out.datums[slot] = read_datum_compartment(frame, parts[next]);
    }
    return out;
}

std::optional<std::string> frame_as_unicode(std::string_view frame) {
    std::u16string text;
    for (char c : frame) {
        const auto b = static_cast<unsigned char>(c);
        if (b == kLeftBoxGlyph || b == kMiddleBoxGlyph || b == kRightBoxGlyph) {
            text += u'|';
        } else if (is_datum_glyph(b)) {
            text += static_cast<char16_t>(b - kDatumLetterOffset);
        } else if (b < 0x80 && typed_tolerance(std::string_view(&c, 1))) {
            text += static_cast<char16_t>(b);
        } else if (is_digit_or_point_glyph(b)) {
            text += static_cast<char16_t>((*typed_tolerance(std::string_view(&c, 1)))[0]);
        } else if (const char32_t gdt = glyph_to_gdt_unicode(b)) {
            text += static_cast<char16_t>(gdt);
        } else if (const char16_t other = tolerance_glyph_unicode(b)) {
            text += other;
        } else {
            return std::nullopt;
        }
    }
    return utf16_to_utf8(text);
}

}  // namespace tolsy
