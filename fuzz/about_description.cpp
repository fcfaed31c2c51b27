// Reading the About window's description from arbitrary bytes: any input either reads or
// throws one of the reader's errors, never anything undefined.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>

#include "about/about_description.h"
#include "fuzz/fuzz_budget.h"
#include "toolkit/components/window_description.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BudgetCheck check(size);
    try {
        tolsy::register_about_classes();
        tolsy::AboutDesign about;
        tolsy::read_description(about, std::span(data, size), {});
        for (tolsy::Component* c : about.components()) (void)c->name();
    } catch (const std::exception&) {
        // Rejected input is the expected outcome for most bytes.
    }
    return 0;
}
