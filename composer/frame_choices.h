#pragma once
// A frame's choices by name, as a drafter says them ("position", "mmc", datum "B" at MMC), the
// frame text they make through the one `write_preview`, and the way back: which choices make a
// given frame text.
#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "composer/composer_error.h"
#include "composer/frame_state.h"

namespace tolsy {

// One item of the Symbol list or of the modifier lists: its glyph and the names it goes by.
struct NamedGlyph {
    unsigned char glyph;
    std::string_view name;     // the name written back ("position", "mmc")
    std::string_view meaning;  // the palette's tool-tip ("Position")
    std::string_view alias;    // a second accepted name, or empty
};

// The 14 characteristic symbols in the order of the Symbol list.
extern const std::array<NamedGlyph, 14> kCharacteristics;
// The 6 modifiers in the order of the four modifier lists.
extern const std::array<NamedGlyph, 6> kModifiers;

// The entry a name stands for: case, spaces and underscores do not matter ("Total Runout",
// "total_runout" and "total-runout" are one name). Null for an unknown name.
const NamedGlyph* find_characteristic(std::string_view name);
const NamedGlyph* find_modifier(std::string_view name);
// The entry of a glyph code, or null.
const NamedGlyph* characteristic_of(unsigned char glyph);
const NamedGlyph* modifier_of(unsigned char glyph);

// One datum slot: the letter list's letter ('A'..'Z') or none, and its modifier list's glyph.
struct DatumChoice {
    std::optional<char> letter;
    std::optional<unsigned char> modifier;
    bool operator==(const DatumChoice&) const = default;
};

// Everything the Tolerance page lets a user choose. The tolerance is the text as typed (before
// the digit conversion); an empty text or a single space means no tolerance, as in the window.
struct FrameChoices {
    std::optional<unsigned char> symbol;
    bool diameter = false;
    std::string tolerance;
    std::optional<unsigned char> modifier;
    std::array<DatumChoice, 3> datums;
    bool operator==(const FrameChoices&) const = default;
};

// The composer's state for these choices, as the window's handlers would leave it.
FrameState frame_state_of(const FrameChoices& choices);
// The frame text the window shows (and puts on the clipboard) for these choices.
std::string compose_frame(const FrameChoices& choices);

// Bytes that no choice on the Tolerance page makes. `offset` is the byte the reading stopped at.
class NotAFrameError : public ComposerError {
  public:
    NotAFrameError(std::size_t offset, const std::string& why);
    std::size_t offset() const { return offset_; }

  private:
    std::size_t offset_;
};

// The choices that make this frame text: compose_frame of the result gives `frame` back. A
// tolerance is read back as the text a user types for it (digits and point as typed
// characters); only bytes that cannot be taken for another part of the frame may stand in it
// besides the digit and point glyphs (is_readable_tolerance_byte). Datum slots that the window does
// not count (a letter after an empty slot, a modifier without a letter) never come back. Throws
// NotAFrameError.
FrameChoices explain_frame(std::string_view frame);

// Whether a typed tolerance byte (Windows-1252) reads back without doubt: a digit, the point,
// or a byte the digit conversion keeps that is not a control, not a glyph with a place of its
// own in a frame (boxes, diameter sign, symbols, modifiers, datum letters) nor a digit glyph.
// So "±" (0xB1), "°" and letters are fine, "À" (0xC0, datum letter A) is not.
bool is_readable_tolerance_byte(unsigned char typed);

// The typed text that the digit conversion turns into these glyphs, or null when a byte is
// neither a digit or point glyph nor a typed character the conversion leaves alone.
std::optional<std::string> typed_tolerance(std::string_view glyphs);

// Whether the window counts this slot: its letter is chosen and so are those of the slots before.
bool datum_counts(const FrameChoices& choices, std::size_t slot);

// The frame in standard Unicode characters (UTF-8): the GD&T symbols and circled modifiers at
// their code points, the diameter sign U+2300, digits, point and datum letters as plain
// characters, plus minus, degrees and minus signs, typed ASCII as it is, and "|" for the
// frame's box lines. Null when a byte has no such character.
std::optional<std::string> frame_as_unicode(std::string_view frame);

}  // namespace tolsy
