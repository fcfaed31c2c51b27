#include "picture/canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace tolsy {

namespace {

// Exact rounding of x / 255 for 0 <= x <= 255 * 255.
inline std::uint32_t div255(std::uint32_t x) {
    x += 128;
    return (x + (x >> 8)) >> 8;
}

void copy_row(std::uint32_t* dst, const std::uint32_t* src, int count) {
    // Border pieces are a few pixels wide: a call into the C library costs more than they do.
    if (count <= 8) {
        for (int i = 0; i < count; ++i) dst[i] = src[i];
        return;
    }
    std::memcpy(dst, src, static_cast<std::size_t>(count) * sizeof(std::uint32_t));
}

void key_row(std::uint32_t* dst, const std::uint32_t* src, int count) {
    for (int i = 0; i < count; ++i) {
        if (!is_key_pixel(src[i])) dst[i] = src[i];
    }
}

void blend_row(std::uint32_t* dst, const std::uint32_t* src, int count) {
    for (int i = 0; i < count; ++i) dst[i] = blend_over(dst[i], src[i]);
}

// One destination row from sampled source columns (-1: none); the mode is fixed per loop so the
// inner loop carries no switch.
template <DrawMode Mode>
void sampled_row(std::uint32_t* dst, const std::uint32_t* src, const int* columns, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const int c = columns[i];
        if (c < 0) continue;
        if constexpr (Mode == DrawMode::kCopy) {
            dst[i] = src[c];
        } else if constexpr (Mode == DrawMode::kKeyCopy) {
            if (!is_key_pixel(src[c])) dst[i] = src[c];
        } else {
            dst[i] = blend_over(dst[i], src[c]);
        }
    }
}

void sampled_row(std::uint32_t* dst, const std::uint32_t* src, const std::vector<int>& columns,
                 DrawMode mode) {
    switch (mode) {
        case DrawMode::kCopy:
            sampled_row<DrawMode::kCopy>(dst, src, columns.data(), columns.size());
            break;
        case DrawMode::kKeyCopy:
            sampled_row<DrawMode::kKeyCopy>(dst, src, columns.data(), columns.size());
            break;
        case DrawMode::kBlend:
            sampled_row<DrawMode::kBlend>(dst, src, columns.data(), columns.size());
            break;
    }
}

// Nearest samples of destination steps i, i + 1, ... out of n over a source span of m, each
// centred in its step: (2i + 1) m / 2n, stepped without a division per sample.
class Sampler {
  public:
    Sampler(int first, int n, int m)
        : step_(2 * static_cast<std::int64_t>(m)), denominator_(2 * static_cast<std::int64_t>(n)) {
        const std::int64_t numerator = (2 * static_cast<std::int64_t>(first) + 1) * m;
        quotient_ = numerator / denominator_;
        remainder_ = numerator % denominator_;
    }
    int value() const { return static_cast<int>(quotient_); }
    void next() {
        remainder_ += step_;
        while (remainder_ >= denominator_) {
            remainder_ -= denominator_;
            ++quotient_;
        }
    }

  private:
    std::int64_t step_;
    std::int64_t denominator_;
    std::int64_t quotient_ = 0;
    std::int64_t remainder_ = 0;
};

}  // namespace

std::uint32_t blend_over(std::uint32_t dst, std::uint32_t src) {
    const std::uint32_t a = Pixel::alpha(src);
    if (a == 255) return src;
    if (a == 0) return dst;
    const std::uint32_t na = 255 - a;
    const std::uint32_t r = div255(Pixel::red(src) * a + Pixel::red(dst) * na);
    const std::uint32_t g = div255(Pixel::green(src) * a + Pixel::green(dst) * na);
    const std::uint32_t b = div255(Pixel::blue(src) * a + Pixel::blue(dst) * na);
    const std::uint32_t out_a = a + div255(Pixel::alpha(dst) * na);
    return Pixel::pack(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                       static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(out_a));
}

Canvas::Canvas(Image& target) : image_(&target) {
    reset_clip();
}

void Canvas::reset_clip() {
    clip_ = Rect{std::numeric_limits<int>::min() / 2, std::numeric_limits<int>::min() / 2,
                 std::numeric_limits<int>::max() / 2, std::numeric_limits<int>::max() / 2};
}

Rect Canvas::device_clip() const {
    const Rect bounds{0, 0, image_->width(), image_->height()};
    return to_device(clip_).intersect(bounds);
}

void Canvas::fill_rect(const Rect& rect, std::uint32_t pixel) {
    const Rect v = to_device(rect).intersect(device_clip());
    if (v.empty()) return;
    // One row is filled; the others are copies of it, which the C library does fastest.
    const std::uint32_t* first = image_->row(v.top) + v.left;
    std::fill(image_->row(v.top) + v.left, image_->row(v.top) + v.right, pixel);
    for (int y = v.top + 1; y < v.bottom; ++y) copy_row(image_->row(y) + v.left, first, v.width());
}

void Canvas::plot(int x, int y, std::uint32_t pixel) {
    const int dx = sat_add(x, origin_.x);
    const int dy = sat_add(y, origin_.y);
    if (device_clip().contains(dx, dy)) image_->at(dx, dy) = pixel;
}

void Canvas::plot_blended(int x, int y, std::uint32_t pixel, int coverage) {
    if (coverage <= 0) return;
    if (coverage > 255) coverage = 255;
    const std::uint32_t a = div255(Pixel::alpha(pixel) * static_cast<std::uint32_t>(coverage));
    const std::uint32_t src = (pixel & 0xFFFFFFu) | (a << 24);
    const int dx = sat_add(x, origin_.x);
    const int dy = sat_add(y, origin_.y);
    if (device_clip().contains(dx, dy)) image_->at(dx, dy) = blend_over(image_->at(dx, dy), src);
}

void Canvas::draw_image(const Image& source, const Rect& src_rect, const Rect& dst_rect,
                        DrawMode mode) {
    if (source.empty() || src_rect.empty() || dst_rect.empty()) return;
    const Rect dst = to_device(dst_rect);
    // Rectangles from stored numbers may be absurd; none that large is ever drawn.
    if (!src_rect.drawable() || !dst.drawable()) return;
    const Rect visible = dst.intersect(device_clip());
    if (visible.empty()) return;
    if (src_rect.width() == dst.width() && src_rect.height() == dst.height()) {
        draw_unscaled(source, src_rect, dst, visible, mode);
    } else {
        draw_scaled(source, src_rect, dst, visible, mode);
    }
}

void Canvas::draw_unscaled(const Image& source, const Rect& src_rect, const Rect& dst,
                           const Rect& visible, DrawMode mode) {
    // Source pixel of device pixel (x, y) is (x + dx, y + dy).
    const int dx = src_rect.left - dst.left;
    const int dy = src_rect.top - dst.top;
    const Rect in_source = Rect{0, 0, source.width(), source.height()}.offset(-dx, -dy);
    const Rect v = visible.intersect(in_source);
    if (v.empty()) return;
    const int count = v.width();
    for (int y = v.top; y < v.bottom; ++y) {
        std::uint32_t* d = image_->row(y) + v.left;
        const std::uint32_t* s = source.row(y + dy) + v.left + dx;
        switch (mode) {
            case DrawMode::kCopy:
                copy_row(d, s, count);
                break;
            case DrawMode::kKeyCopy:
                key_row(d, s, count);
                break;
            case DrawMode::kBlend:
                blend_row(d, s, count);
                break;
        }
    }
}

void Canvas::draw_scaled(const Image& source, const Rect& src_rect, const Rect& dst,
                         const Rect& visible, DrawMode mode) {
    // Source column of each visible device column; -1 where it falls outside the image.
    std::vector<int> columns(static_cast<std::size_t>(visible.width()));
    Sampler across(visible.left - dst.left, dst.width(), src_rect.width());
    for (std::size_t i = 0; i < columns.size(); ++i, across.next()) {
        const int sx = src_rect.left + across.value();
        columns[i] = (sx >= 0 && sx < source.width()) ? sx : -1;
    }
    int last_sy = -1;
    int last_y = -1;
    Sampler down(visible.top - dst.top, dst.height(), src_rect.height());
    for (int y = visible.top; y < visible.bottom; ++y, down.next()) {
        const int sy = src_rect.top + down.value();
        if (sy < 0 || sy >= source.height()) continue;
        std::uint32_t* d = image_->row(y) + visible.left;
        // A plain copy of the same source row gives the same pixels: copy the row drawn last.
        if (mode == DrawMode::kCopy && sy == last_sy) {
            copy_row(d, image_->row(last_y) + visible.left, visible.width());
            continue;
        }
        sampled_row(d, source.row(sy), columns, mode);
        last_sy = sy;
        last_y = y;
    }
}

}  // namespace tolsy
