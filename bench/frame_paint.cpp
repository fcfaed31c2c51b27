// Painting the main window's whole skinned frame once (caption, borders, caption text and
// buttons) in each performance mode, against memcpy of as many pixels in the same run.
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
#include "skin/forms/frame_paint.h"
#include "skin/model/layout.h"
#include "skin/themes/skin_file.h"

namespace {

using namespace tolsy;

// The main window: a 389 x 241 client area inside the theme's dialog frame.
constexpr int kWindowWidth = 399;
constexpr int kWindowHeight = 275;

void BM_PaintFrame(benchmark::State& state) {
    static BitmapFontRenderer text;
    set_layout_text_renderer(&text);
    const auto mode = static_cast<TTeFormPerformance>(state.range(0));
    FrameWindowInfo info;
    info.window = {0, 0, kWindowWidth, kWindowHeight};
    info.buttons = caption_button_bit(kCaptionIcon) | caption_button_bit(kCaptionClose) |
                   caption_button_bit(kCaptionMinimize);
    info.caption = "Framewright";
    Image persistent;
    for (auto _ : state) {
        Image fresh;
        Image& picture = frame_buffer(mode, fresh, persistent);
        paint_frame_picture(built_theme(), kFrameDialog, "default", info, {}, picture);
        benchmark::DoNotOptimize(picture.data());
    }
    state.SetItemsProcessed(state.iterations() * kWindowWidth * kWindowHeight);
    set_layout_text_renderer(nullptr);
}
BENCHMARK(BM_PaintFrame)->DenseRange(0, 3)->ArgName("performance");

// The baseline: copying a picture of the window's size once.
void BM_CopyWindowPixels(benchmark::State& state) {
    std::vector<std::uint32_t> from(static_cast<std::size_t>(kWindowWidth) * kWindowHeight, 1);
    std::vector<std::uint32_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof from[0]);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kWindowWidth * kWindowHeight);
}
BENCHMARK(BM_CopyWindowPixels);

}  // namespace

BENCHMARK_MAIN();
