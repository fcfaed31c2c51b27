// Loading the built-in theme (decode, read, rebuild the look) against zlib's inflate alone on
// the same compressed bytes: the reading and rebuilding should cost little beside inflating.
#include <benchmark/benchmark.h>

#include <zlib.h>

#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/themes/skin_file.h"

namespace {

const std::string& stored_theme() {
    static const std::string bytes = [] {
        std::ifstream in(std::string(TOLSY_BINARY_DIR) + "/theme/tolsy_metal.mskn",
                         std::ios::binary);
        std::string b{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (b.size() < 16) throw std::runtime_error("the built-in theme has not been built");
        return b;
    }();
    return bytes;
}

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
void BM_InflateAlone(benchmark::State& state) {
    const std::string& bytes = stored_theme();
    const std::size_t body_size = inflated_size(bytes);
    for (auto _ : state) {
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
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

BENCHMARK(BM_ThemeLoad)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InflateAlone)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
