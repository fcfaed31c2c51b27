// Painting at the main window's size: the built-in form object (frame and client) and a push
// button face stretched over the same area, against memcpy of as many pixels.
#include <benchmark/benchmark.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/built_theme.h"
#include "picture/bitmap_font.h"
#include "skin/model/layout.h"
#include "skin/paint/paint.h"
#include "skin/themes/skin_file.h"
#include "skin/themes/standard_objects.h"

namespace {

using namespace tolsy;

// The main window: a 389 x 241 client area inside the frame's borders and caption.
constexpr int kWindowWidth = 399;
constexpr int kWindowHeight = 275;

void BM_PaintForm(benchmark::State& state) {
    TTeSkinFile& t = built_theme();
    TSeSkinObject& form = *t.standard_objects().slot(kSlotForm);
    TSeSkinObject& client = *t.standard_objects().slot(kSlotClientCopy);
    form.for_each([](TSeSkinObject& o) { o.active = true; });
    place_object(form, {0, 0, kWindowWidth, kWindowHeight});
    place_object(client, object_rect(*t.standard_objects().slot(kSlotClientPlaceholder)));
    Image picture(kWindowWidth, kWindowHeight);
    Canvas canvas(picture);
    BitmapFontRenderer text;
    for (auto _ : state) {
        paint_object(client, canvas, text);
        paint_object(form, canvas, text);
        benchmark::DoNotOptimize(picture.data());
    }
    state.SetItemsProcessed(state.iterations() * kWindowWidth * kWindowHeight);
}

void BM_PaintButtonFace(benchmark::State& state) {
    TTeSkinFile& t = built_theme();
    Image picture(kWindowWidth, kWindowHeight);
    Canvas canvas(picture);
    for (auto _ : state) {
        t.draw_button(kButtonKindPushFace, canvas, "default", {0, 0, kWindowWidth, kWindowHeight},
                      static_cast<VisualState>(state.range(0)));
        benchmark::DoNotOptimize(picture.data());
    }
    state.SetItemsProcessed(state.iterations() * kWindowWidth * kWindowHeight);
}

void BM_MemcpySamePixels(benchmark::State& state) {
    std::vector<std::uint32_t> from(kWindowWidth * kWindowHeight, 0xFF808080u);
    std::vector<std::uint32_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWindowWidth * kWindowHeight);
}

BENCHMARK(BM_PaintForm)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintButtonFace)
    ->Arg(static_cast<int>(VisualState::kNormal))
    ->Arg(static_cast<int>(VisualState::kHot))
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MemcpySamePixels)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
