// One tick's frame of a transition, at the Close button's size (77 x 25, resolution 10 as the
// program sets it) and at the main window's client size (389 x 241, resolution 1), for Fade and
// three other effects, against memcpy of as many pixels.
#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "skin/effects/transition.h"

namespace {

using namespace tolsy;

const char* const kEffects[] = {"[ FADE ] - Fade", "[ FADE ] - SmoothDiagonal", "[ FADE ] - Plasma",
                                "[ MANUAL ] - Push"};

void BM_TransitionTick(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    TransitionEngine engine;
    TteAnimationRec settings;
    settings.set_effect(kEffects[state.range(2)]);
    settings.set_resolution(width < 100 ? 10 : 1);
    Image before(width, height, 0xFF404040), after(width, height, 0xFFC0D0E0);
    const int slot = engine.start(nullptr, 0, 0, -1, settings, after, before);
    state.SetLabel(kEffects[state.range(2)]);
    int progress = 0;
    for (auto _ : state) {
        progress = progress % 99 + 1;
        benchmark::DoNotOptimize(engine.compose_at(slot, progress).data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * width * height);
}

void BM_MemcpySamePixels(benchmark::State& state) {
    const std::size_t n = static_cast<std::size_t>(state.range(0) * state.range(1));
    std::vector<std::uint32_t> from(n, 0xFF808080u);
    std::vector<std::uint32_t> to(n);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), n * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(n));
}

BENCHMARK(BM_TransitionTick)->ArgsProduct({{77}, {25}, {0, 1, 2, 3}});
BENCHMARK(BM_TransitionTick)->ArgsProduct({{389}, {241}, {0, 1, 2, 3}});
BENCHMARK(BM_MemcpySamePixels)->Args({77, 25})->Args({389, 241});

}  // namespace

BENCHMARK_MAIN();
