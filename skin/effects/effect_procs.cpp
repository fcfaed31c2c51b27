// The program's transition effects. Most kind 0 effects are one shape and one edge: the shape
// gives every mask cell a start order d in [0, 1] (0 opens first), the edge turns the order and
// the progress into an opacity: a slide is a hard edge, a smooth effect a narrow soft edge, a
// fade a wide one. Every effect shows the before picture at progress 0 and the after picture at
// progress 100.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "skin/effects/effect_list.h"

namespace tolsy {

namespace {

// Cell centre in 0..1 across the mask, and the same from the middle (-1..1).
struct CellPos {
    double u, v;    // 0..1
    double cx, cy;  // -1..1 from the middle
    int x, y;
};

// A small integer hash, so dissolves look random but repeat exactly from frame to frame.
double noise(std::uint32_t a, std::uint32_t b = 0) {
    std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return (h >> 8) / 16777216.0;
}

using Shape = double (*)(const CellPos&);

// From the top-left corner to the bottom-right one.
double diagonal(const CellPos& c) {
    return (c.u + c.v) / 2;
}
// From the top-left and bottom-right corners to the other diagonal.
double diagonal_in(const CellPos& c) {
    return 1 - std::fabs(c.u + c.v - 1);
}
// From the middle diagonal out to the two corners.
double diagonal_out(const CellPos& c) {
    return std::fabs(c.u + c.v - 1);
}
// From the top edge down.
double down(const CellPos& c) {
    return c.v;
}
// From the left and right edges in to the middle.
double in(const CellPos& c) {
    return 1 - std::fabs(c.cx);
}
// From the middle out to the left and right edges.
double out(const CellPos& c) {
    return std::fabs(c.cx);
}
// A cross through the middle that widens.
double cross_out(const CellPos& c) {
    return std::min(std::fabs(c.cx), std::fabs(c.cy));
}
// Four corners that close in onto a cross through the middle.
double cross_in(const CellPos& c) {
    return 1 - std::min(std::fabs(c.cx), std::fabs(c.cy));
}
// A frame that closes in from the border to the middle.
double rect_in(const CellPos& c) {
    return 1 - std::max(std::fabs(c.cx), std::fabs(c.cy));
}
// A rectangle that grows from the middle to the border.
double rect_out(const CellPos& c) {
    return std::max(std::fabs(c.cx), std::fabs(c.cy));
}
// A circle that grows from the middle.
double circle_out(const CellPos& c) {
    return std::hypot(c.cx, c.cy) / std::numbers::sqrt2;
}
// A ring that closes in to the middle.
double circle_in(const CellPos& c) {
    return 1 - circle_out(c);
}
// Circles growing from a 4 x 4 grid of centres.
double circles(const CellPos& c) {
    const double fx = c.u * 4 - std::floor(c.u * 4) - 0.5;
    const double fy = c.v * 4 - std::floor(c.v * 4) - 0.5;
    return std::min(1.0, std::hypot(fx, fy) / (0.5 * std::numbers::sqrt2));
}
// A diamond that closes in from the border.
double diamond_in(const CellPos& c) {
    return 1 - (std::fabs(c.cx) + std::fabs(c.cy)) / 2;
}
// A diamond that grows from the middle.
double diamond_out(const CellPos& c) {
    return (std::fabs(c.cx) + std::fabs(c.cy)) / 2;
}
// A clock hand sweeping once round from twelve o'clock.
double rotate(const CellPos& c) {
    const double a = std::atan2(c.cx, -c.cy);  // -pi..pi, 0 at the top
    return (a < 0 ? a + 2 * std::numbers::pi : a) / (2 * std::numbers::pi);
}
// Random cells.
double pixel(const CellPos& c) {
    return noise(c.x, c.y);
}
// Random whole lines.
double pixel_line(const CellPos& c) {
    return noise(c.y, 0x51ED27u);
}
// Columns running down, each at its own speed.
double stream(const CellPos& c) {
    return 0.6 * c.v + 0.4 * noise(c.x, 0xC0FFEEu);
}
// Interfering waves.
double plasma(const CellPos& c) {
    const double s = std::sin(c.u * 7.0) + std::sin(c.v * 9.0 + 1.0) +
                     std::sin((c.u + c.v) * 6.0 + 2.0) + std::sin(std::hypot(c.cx, c.cy) * 8.0);
    return std::clamp((s + 4.0) / 8.0, 0.0, 1.0);
}

// Edge widths in thousandths of the progress range: 0 is a hard edge.
constexpr int kSlide = 0;
constexpr int kSmooth = 200;
constexpr int kFade = 1000;
constexpr int kPixelFade = 400;
constexpr int kStream = 150;
constexpr int kPlasma = 300;

std::uint8_t edge_alpha(double d, int progress, int band_permille) {
    if (progress <= 0) return 0;
    if (progress >= 100) return 255;
    const double t = progress / 100.0;
    if (band_permille == 0) return d < t ? 255 : 0;
    const double band = band_permille / 1000.0;
    const double a = std::clamp((t * (1 + band) - d) / band, 0.0, 1.0);
    return static_cast<std::uint8_t>(std::lround(a * 255));
}

template <Shape S, int Band>
void shaped(std::uint8_t* mask, int width, int height, int progress) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            CellPos c;
            c.x = x;
            c.y = y;
            c.u = (x + 0.5) / width;
            c.v = (y + 0.5) / height;
            c.cx = c.u * 2 - 1;
            c.cy = c.v * 2 - 1;
            mask[static_cast<std::size_t>(y) * width + x] = edge_alpha(S(c), progress, Band);
        }
    }
}

// A uniform cross-fade: every cell the same opacity.
void fade(std::uint8_t* mask, int width, int height, int progress) {
    if (progress <= 0) return;
    const int p = std::min(progress, 100);
    const auto a = static_cast<std::uint8_t>(std::lround(p / 100.0 * 255));
    std::fill(mask, mask + static_cast<std::size_t>(width) * height, a);
}

std::int16_t remaining_shift(int progress, int sign) {
    const int p = std::clamp(progress, 0, 100);
    return static_cast<std::int16_t>(sign * (kShiftUnit * (100 - p) / 100));
}

// Alternate rows of cells slide in, even rows from the left, odd rows from the right.
void interlace(ShiftCell* cells, int width, int height, int progress) {
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ShiftCell& c = cells[static_cast<std::size_t>(y) * width + x];
            c.dx = remaining_shift(progress, y % 2 == 0 ? 1 : -1);
            c.dy = 0;
            c.alpha = 255;
        }
    }
}

// The after picture slides in from the top-left corner.
void corner(ShiftCell* cells, int width, int height, int progress) {
    for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i) {
        cells[i].dx = remaining_shift(progress, 1);
        cells[i].dy = remaining_shift(progress, 1);
        cells[i].alpha = 255;
    }
}

int shown_columns(const Image& work, int progress) {
    return work.width() * std::clamp(progress, 0, 100) / 100;
}

// The after picture slides in from the left over the before picture, which stays.
void slide(Image& work, const Image&, const Image& after, int progress) {
    const int s = shown_columns(work, progress);
    const int from = work.width() - s;
    for (int y = 0; y < work.height(); ++y) {
        std::copy_n(after.row(y) + from, s, work.row(y));
    }
}

// The after picture comes in from the left and pushes the before picture out to the right.
void push(Image& work, const Image& before, const Image& after, int progress) {
    const int s = shown_columns(work, progress);
    const int w = work.width();
    for (int y = 0; y < work.height(); ++y) {
        std::copy_n(after.row(y) + (w - s), s, work.row(y));
        std::copy_n(before.row(y), w - s, work.row(y) + s);
    }
}

EffectList make_standard_effects() {
    EffectList list;
    const auto mask = [&list](const char* name, MaskProc proc) { list.add(name, proc); };
    mask("SmoothDiagonal", shaped<diagonal, kSmooth>);
    mask("SmoothDiagonalIn", shaped<diagonal_in, kSmooth>);
    mask("SmoothDiagonalOut", shaped<diagonal_out, kSmooth>);
    mask("SmoothDown", shaped<down, kSmooth>);
    mask("SmoothIn", shaped<in, kSmooth>);
    mask("SmoothOut", shaped<out, kSmooth>);
    mask("SmoothCrossOut", shaped<cross_out, kSmooth>);
    mask("SmoothCrossIn", shaped<cross_in, kSmooth>);
    mask("SmoothRectIn", shaped<rect_in, kSmooth>);
    mask("SmoothRectOut", shaped<rect_out, kSmooth>);
    mask("SlideDiagonal", shaped<diagonal, kSlide>);
    mask("SlideDiagonalIn", shaped<diagonal_in, kSlide>);
    mask("SlideDiagonalOut", shaped<diagonal_out, kSlide>);
    mask("SlideDown", shaped<down, kSlide>);
    mask("SlideIn", shaped<in, kSlide>);
    mask("SlideOut", shaped<out, kSlide>);
    mask("SlideCrossOut", shaped<cross_out, kSlide>);
    mask("SlideCrossIn", shaped<cross_in, kSlide>);
    mask("SlideRectOut", shaped<rect_out, kSlide>);
    mask("SlideRectIn", shaped<rect_in, kSlide>);
    mask("Fade", fade);
    mask("FadeDiagonal", shaped<diagonal, kFade>);
    mask("FadeDiagonalIn", shaped<diagonal_in, kFade>);
    mask("FadeDiagonalOut", shaped<diagonal_out, kFade>);
    mask("FadeDown", shaped<down, kFade>);
    mask("FadeIn", shaped<in, kFade>);
    mask("FadeOut", shaped<out, kFade>);
    mask("FadeCrossOut", shaped<cross_out, kFade>);
    mask("FadeCrossIn", shaped<cross_in, kFade>);
    mask("FadeRectOut", shaped<rect_out, kFade>);
    mask("FadeRectIn", shaped<rect_in, kFade>);
    mask("Pixel", shaped<pixel, kSlide>);
    mask("Pixel fade", shaped<pixel, kPixelFade>);
    mask("Pixel line", shaped<pixel_line, kSlide>);
    mask("CircleSlideOut", shaped<circle_out, kSlide>);
    mask("CircleFadeOut", shaped<circle_out, kFade>);
    mask("CircleSmoothOut", shaped<circle_out, kSmooth>);
    mask("CircleSlideIn", shaped<circle_in, kSlide>);
    mask("CircleFadeIn", shaped<circle_in, kFade>);
    mask("CircleSmoothIn", shaped<circle_in, kSmooth>);
    mask("CircleSlide", shaped<circles, kSlide>);
    mask("CircleFade", shaped<circles, kFade>);
    mask("CircleSmooth", shaped<circles, kSmooth>);
    mask("DiamondSlideIn", shaped<diamond_in, kSlide>);
    mask("DiamondFadeIn", shaped<diamond_in, kFade>);
    mask("DiamondSmoothIn", shaped<diamond_in, kSmooth>);
    mask("DiamondSlideOut", shaped<diamond_out, kSlide>);
    mask("DiamondFadeOut", shaped<diamond_out, kFade>);
    mask("DiamondSmoothOut", shaped<diamond_out, kSmooth>);
    mask("RotateSlide", shaped<rotate, kSlide>);
    mask("RotateFade", shaped<rotate, kFade>);
    mask("RotateSmooth", shaped<rotate, kSmooth>);
    mask("Stream", shaped<stream, kStream>);
    mask("Plasma", shaped<plasma, kPlasma>);
    list.add("Interlace", ShiftProc{interlace});
    list.add("Corner", ShiftProc{corner});
    list.add("Slide", DrawProc{slide});
    list.add("Push", DrawProc{push});
    return list;
}

}  // namespace

const EffectList& standard_effects() {
    static const EffectList list = make_standard_effects();
    return list;
}

}  // namespace tolsy
