// libFuzzer target for a loaded skin put to work: every root laid out at a size the input
// chooses, then every object painted in every state onto a small canvas, and its region made.
// Stored numbers of any size must neither overflow nor make work beyond the canvas.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "base/load_budget.h"
#include "fuzz/fuzz_budget.h"
#include "picture/bitmap_font.h"
#include "skin/bytes/skin_error.h"
#include "skin/model/layout.h"
#include "skin/paint/paint.h"
#include "skin/stored/skin_source.h"
#include "toolkit/components/stream_errors.h"

using namespace tolsy;

namespace {

constexpr VisualState kStates[] = {VisualState::kNormal, VisualState::kHot, VisualState::kPressed,
                                   VisualState::kFocused, VisualState::kDisabled};

std::size_t image_bytes(const TSeSkinSource& source) {
    std::size_t total = 0;
    for (const auto& b : source.bitmaps)
        total += std::size_t{4} * static_cast<std::size_t>(b->width()) *
                 static_cast<std::size_t>(b->height());
    return total;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BudgetCheck check(size);
    if (size < 2) return 0;
    // The first two bytes: the size the roots are laid out at.
    const int width = data[0] * 3 - 64;
    const int height = data[1] * 3 - 64;
    TSeSkinSource source;
    try {
        ByteReader in(std::span(data + 2, size - 2));
        source.read(in);
    } catch (const SkinError&) {
        return 0;
    } catch (const StreamError&) {
        return 0;
    }
    // What was made stays within what the load could spend.
    if (image_bytes(source) > load_budget_for(size - 2)) std::abort();
    BitmapFontRenderer text;
    Image target(48, 32, 0);
    Canvas canvas(target);
    for (const auto& root : source.objects) {
        place_object(*root, {-5, -7, width, height});
        root->for_each([&](TSeSkinObject& object) {
            for (const VisualState state : kStates) {
                set_state(object, state);
                object.text = "Ab";
                object.active = state == VisualState::kHot;
                paint_object(object, canvas, text);
                paint_object(object, canvas, text, {2, 2, 20, 20});
            }
            (void)object_region(object, text);
        });
    }
    return 0;
}
