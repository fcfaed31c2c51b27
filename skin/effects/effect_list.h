#pragma once
// The process-wide list of named transition effects. An effect is a short name, a kind and a
// procedure; its full name is the short name behind the kind's prefix ("[ FADE ] - Fade").
//   kind 0: the procedure fills a mask, one opacity byte per cell, for a progress 0..100;
//   kind 1: the procedure fills, per cell, a source offset and an opacity (ShiftCell);
//   kind 2: the procedure draws the frame itself from the after picture onto the work picture.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "picture/image.h"
#include "skin/bytes/skin_error.h"

namespace tolsy {

// Adding an effect whose name or procedure is already in the list.
class EProcItemError : public SkinError {
  public:
    explicit EProcItemError(const std::string& name);
};

// One cell of a kind 1 mask (six bytes): where the cell's pixels are taken from in the after
// picture, as a signed fraction of the tile (kShiftUnit is one whole tile), and their opacity.
struct ShiftCell {
    std::int16_t dx = 0;
    std::int16_t dy = 0;
    std::uint8_t alpha = 0;
    std::uint8_t unused = 0;
};
static_assert(sizeof(ShiftCell) == 6);
inline constexpr int kShiftUnit = 8192;

using MaskProc = void (*)(std::uint8_t* mask, int width, int height, int progress);
using ShiftProc = void (*)(ShiftCell* cells, int width, int height, int progress);
// `work` holds the before picture when called; before and after have its size.
using DrawProc = void (*)(Image& work, const Image& before, const Image& after, int progress);
using EffectProc = std::variant<MaskProc, ShiftProc, DrawProc>;  // index = kind

struct Effect {
    std::string name;  // full name
    int kind = 0;
    EffectProc proc;
};

class EffectList {
  public:
    // Throws EProcItemError when the full name or the procedure is taken.
    void add(std::string_view short_name, EffectProc proc);
    // Exact full name ignoring case; else the name against each full name without its prefix
    // (up to and including the first "-" and the blank after it), ignoring case.
    const Effect* find(std::string_view name) const;
    const std::vector<Effect>& effects() const { return effects_; }

    static std::string full_name(std::string_view short_name, int kind);

  private:
    std::vector<Effect> effects_;
};

// The program's effects in their fixed order: 54 of kind 0, then 2 of kind 1 and 2 of kind 2.
const EffectList& standard_effects();

}  // namespace tolsy
