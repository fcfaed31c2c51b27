// Fuzz target: the binary component stream reader. Whatever it accepts must write back to a
// stream that reads as the same tree, and any text it can be written as must read again.
#include <cstdint>
#include <cstdlib>

#include "fuzz/fuzz_budget.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/stream_errors.h"
#include "toolkit/components/text_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BudgetCheck check(size);
    tolsy::ObjectNode tree;
    try {
        tree = tolsy::parse_binary_stream({data, size});
    } catch (const tolsy::StreamError&) {
        return 0;
    }
    const std::vector<std::uint8_t> again = tolsy::write_binary_stream(tree);
    if (!(tolsy::parse_binary_stream(again) == tree)) std::abort();
    std::string text;
    try {
        text = tolsy::write_text_stream(tree);
    } catch (const tolsy::StreamWriteError&) {
        return 0;  // some binary trees have no textual form
    }
    tolsy::parse_text_stream(text);  // must not throw
    return 0;
}
