// Component streaming speed on the main window's description: decoding the binary stream,
// reading it into components, and converting between text and binary, each in MB/s beside a
// plain memcpy of the same bytes. Each also reports the heap allocations one run of it makes
// (`allocs`), counted by the program's own operator new.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <new>

#include "app/form1_description.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/component_stream.h"
#include "toolkit/components/text_stream.h"
#include "toolkit/components/window_description.h"

namespace {

std::atomic<std::uint64_t> allocations{0};

}  // namespace

void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
// The replacement pair is malloc and free; GCC sees only the free beside a new expression.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
#pragma GCC diagnostic pop

namespace {

// Reports the allocations per iteration made since `from`, as the counter `allocs`.
void report_allocations(benchmark::State& state, std::uint64_t from) {
    const std::uint64_t made = allocations.load(std::memory_order_relaxed) - from;
    state.counters["allocs"] =
        state.iterations() == 0
            ? 0.0
            : static_cast<double>(made) / static_cast<double>(state.iterations());
}

const std::string& form_text() {
    static const std::string text = [] {
        std::ifstream in(TOLSY_SOURCE_DIR "/resources/forms/tform1.txt", std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }();
    return text;
}

const std::vector<std::uint8_t>& form_binary() {
    static const std::vector<std::uint8_t> binary = tolsy::object_text_to_binary(form_text());
    return binary;
}

void copy_bytes(benchmark::State& state, std::size_t size) {
    std::vector<char> from(size, 'x'), to(size);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), size);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * size));
}

void BM_MemcpyBinarySize(benchmark::State& state) {
    copy_bytes(state, form_binary().size());
}
BENCHMARK(BM_MemcpyBinarySize);

void BM_DecodeMainWindowBinary(benchmark::State& state) {
    const auto& binary = form_binary();
    const std::uint64_t from = allocations.load();
    for (auto _ : state) benchmark::DoNotOptimize(tolsy::parse_binary_stream(binary));
    report_allocations(state, from);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * binary.size()));
}
BENCHMARK(BM_DecodeMainWindowBinary);

// A handler that does nothing for each name the description's events bind, once per name, as
// a program registers its handlers (the 103 palette buttons all bind one).
void add_handlers(const tolsy::ObjectNode& node, tolsy::DescriptionHandlers& handlers) {
    for (const tolsy::Property& p : node.properties) {
        if (!p.name.starts_with("On") || p.value.type != tolsy::ValueType::kIdent) continue;
        const auto named = [&](const auto& h) { return h.first == p.value.bytes; };
        if (std::none_of(handlers.begin(), handlers.end(), named))
            handlers.emplace_back(p.value.bytes, [](tolsy::Component&) {});
    }
    for (const tolsy::ObjectNode& child : node.children) add_handlers(child, handlers);
}

void BM_ReadMainWindowIntoComponents(benchmark::State& state) {
    const auto& binary = form_binary();
    tolsy::DescriptionHandlers handlers;
    add_handlers(tolsy::parse_binary_stream(binary), handlers);
    const std::uint64_t from = allocations.load();
    for (auto _ : state) {
        tolsy::Form1Description form;
        tolsy::read_description(form, binary, handlers, tolsy::keep_form1_controls);
        benchmark::DoNotOptimize(form.components().size());
    }
    report_allocations(state, from);
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * binary.size()));
}
BENCHMARK(BM_ReadMainWindowIntoComponents);

void BM_MemcpyTextSize(benchmark::State& state) {
    copy_bytes(state, form_text().size());
}
BENCHMARK(BM_MemcpyTextSize);

void BM_MainWindowTextToBinary(benchmark::State& state) {
    const auto& text = form_text();
    for (auto _ : state) benchmark::DoNotOptimize(tolsy::object_text_to_binary(text));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(BM_MainWindowTextToBinary);

void BM_MainWindowBinaryToText(benchmark::State& state) {
    const auto& binary = form_binary();
    for (auto _ : state) benchmark::DoNotOptimize(tolsy::object_binary_to_text(binary));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * binary.size()));
}
BENCHMARK(BM_MainWindowBinaryToText);

}  // namespace

BENCHMARK_MAIN();
