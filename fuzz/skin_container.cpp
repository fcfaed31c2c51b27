// libFuzzer target for the theme container of a theme list item: kinds 0 to 3, and kind 1's
// bare theme decoded through a manager with the base and skin kinds. A container that reads is
// written again and must read back to the same name and bytes.
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_budget.h"
#include "skin/bytes/skin_error.h"
#include "skin/themes/skin_file.h"
#include "skin/themes/theme_container.h"
#include "skin/themes/theme_manager.h"
#include "toolkit/components/stream_errors.h"

namespace {

using namespace tolsy;

const TteThemeManager& manager() {
    static TteThemeManager m;
    static const bool ready = [] {
        m.register_kind(std::make_unique<DefaultThemeKind>());
        m.register_kind(std::make_unique<SkinFileKind>());
        return true;
    }();
    (void)ready;
    return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BudgetCheck check(size);
    ThemeStreamData item;
    try {
        ByteReader in({data, size});
        read_theme_container(in, item, manager());
    } catch (const SkinError&) {
        return 0;
    } catch (const StreamError&) {
        return 0;
    }
    ByteWriter out;
    write_theme_container(out, item);
    ThemeStreamData again;
    ByteReader in(out.bytes());
    read_theme_container(in, again, manager());
    if (again.buffer != item.buffer ||
        (!item.buffer.empty() && again.theme_store != item.theme_store))
        std::abort();
    return 0;
}
