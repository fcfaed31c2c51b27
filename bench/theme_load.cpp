// Loading the built-in theme (decode, read, rebuild the look) against zlib's inflate alone on
// the same compressed bytes: the reading and rebuilding should cost little beside inflating.
#include <benchmark/benchmark.h>

#include <zlib.h>

#include <algorithm>
#include <ctime>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/built_theme.h"
#include "bench/cpu_clock.h"
#include "skin/themes/skin_file.h"

namespace {

// The zlib stream starts after the five-byte signature and the four-byte marker.
constexpr std::size_t kZlibOffset = 9;

std::size_t inflated_size(const std::string& bytes) {
    std::vector<unsigned char> out(16 << 20);
    z_stream z{};
    inflateInit(&z);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data() + kZlibOffset));
    z.avail_in = static_cast<uInt>(bytes.size() - kZlibOffset);
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    const int result = inflate(&z, Z_FINISH);
    const std::size_t size = z.total_out;
    inflateEnd(&z);
    if (result != Z_STREAM_END) throw std::runtime_error("the built-in theme does not inflate");
    return size;
}

void BM_ThemeLoad(benchmark::State& state) {
    const std::string& bytes = stored_theme();
    tolsy::SkinFileKind kind;
    for (auto _ : state) {
        tolsy::TTeSkinFile theme(kind);
        tolsy::ByteReader in(tolsy::as_bytes(bytes));
        benchmark::DoNotOptimize(theme.load_from_stream(in));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

// Inflating needs somewhere to put the body, as the load does: a fresh buffer of the body's
// size each time, left uninitialised so that only inflate touches it.
void inflate_body(const std::string& bytes, std::size_t body_size) {
    std::unique_ptr<unsigned char[]> out(new unsigned char[body_size]);
    z_stream z{};
    inflateInit(&z);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.data() + kZlibOffset));
    z.avail_in = static_cast<uInt>(bytes.size() - kZlibOffset);
    z.next_out = out.get();
    z.avail_out = static_cast<uInt>(body_size);
    benchmark::DoNotOptimize(inflate(&z, Z_FINISH));
    inflateEnd(&z);
    benchmark::DoNotOptimize(out.get());
}

void BM_InflateAlone(benchmark::State& state) {
    const std::string& bytes = stored_theme();
    const std::size_t body_size = inflated_size(bytes);
    for (auto _ : state) {
        inflate_body(bytes, body_size);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK(BM_ThemeLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InflateAlone)->Unit(benchmark::kMicrosecond);

// The goal's figure: load and inflate alternated in one loop, each timed in this thread's CPU
// time, compared by their medians so that a busy machine skews neither side. The spread is the
// ratio of the quartiles of the loads to the median inflate.
void BM_ThemeLoadToInflateRatio(benchmark::State& state) {
    const std::string& bytes = stored_theme();
    const std::size_t body_size = inflated_size(bytes);
    const tolsy::SkinFileKind kind;
    std::vector<double> inflate_times, load_times;
    for (auto _ : state) {
        const double t0 = thread_seconds();
        inflate_body(bytes, body_size);
        const double t1 = thread_seconds();
        {
            tolsy::TTeSkinFile theme(kind);
            tolsy::ByteReader in(tolsy::as_bytes(bytes));
            benchmark::DoNotOptimize(theme.load_from_stream(in));
        }
        const double t2 = thread_seconds();
        inflate_times.push_back(t1 - t0);
        load_times.push_back(t2 - t1);
    }
    report_ratio(state, "inflate_us", inflate_times, "load_us", load_times);
}
BENCHMARK(BM_ThemeLoadToInflateRatio)->Unit(benchmark::kMicrosecond)->MinTime(3);

}  // namespace

BENCHMARK_MAIN();
