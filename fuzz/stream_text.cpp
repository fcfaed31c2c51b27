// Fuzz target: the textual component form reader. Whatever it accepts converts to binary,
// and the text written from that binary converts back to the very same bytes.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "fuzz/fuzz_budget.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/stream_errors.h"
#include "toolkit/components/text_stream.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BudgetCheck check(size);
    std::vector<std::uint8_t> binary;
    try {
        binary = tolsy::object_text_to_binary({reinterpret_cast<const char*>(data), size});
    } catch (const tolsy::StreamError&) {
        return 0;
    }
    const std::string text = tolsy::object_binary_to_text(binary);
    if (tolsy::object_text_to_binary(text) != binary) std::abort();
    return 0;
}
