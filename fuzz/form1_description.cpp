// Reading the main window's controls from arbitrary bytes: any input either reads or throws
// one of the reader's errors, never anything undefined.
#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>

#include "app/form1_description.h"
#include "fuzz/fuzz_budget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BudgetCheck check(size);
    try {
        tolsy::Form1Description description;
        tolsy::read_description(description, std::span(data, size), {}, tolsy::keep_form1_controls);
        for (tolsy::Control* control : description.top_controls()) {
            (void)control->child_controls();
            (void)control->effective_font(description.font);
        }
    } catch (const std::exception&) {
        // Rejected input is the expected outcome for most bytes.
    }
    return 0;
}
