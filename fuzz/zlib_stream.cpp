// libFuzzer target for compressed data fed as it comes, not re-compressed: the whole-stream
// inflater and the field-by-field reader over the same bytes. Any input either inflates or
// throws the skin's errors, and never makes more than the load's budget allows.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "base/load_budget.h"
#include "fuzz/fuzz_budget.h"
#include "skin/bytes/inflate_reader.h"
#include "skin/bytes/skin_error.h"
#include "skin/bytes/zlib_codec.h"

using namespace tolsy;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BudgetCheck check(size);
    const std::span<const std::uint8_t> input(data, size);
    try {
        const InflatedBytes whole = zlib_inflate(input);
        if (whole.size() > load_budget_for(size)) std::abort();
    } catch (const SkinError&) {
    }
    try {
        LoadBudgetScope budget(size);
        InflateReader in(input, 0);
        // A few fields as a skin body reads them, then the rest in one piece.
        (void)in.lstr("name");
        (void)in.count("count", 12);
        (void)in.bytes(in.u8("size"), "bytes");
        const InflatedBytes rest = in.rest();
        if (budget.budget().used() > budget.budget().limit()) std::abort();
    } catch (const SkinError&) {
    }
    return 0;
}
