#include "skin/effects/transition.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__GNUC__) && (defined(__x86_64__) || defined(__i386__))
#include <immintrin.h>
#define TOLSY_BLEND_AVX2 1
#endif

namespace tolsy {

std::uint32_t blend_pixel(std::uint32_t under, std::uint32_t over, unsigned a) {
    // Red and blue in one word, green in another; x / 255 rounded is (t + (t >> 8)) >> 8 with
    // t = x + 128, for every x up to 255 * 255.
    const unsigned na = 255 - a;
    std::uint32_t rb = (over & 0xFF00FF) * a + (under & 0xFF00FF) * na + 0x800080;
    rb = ((rb + ((rb >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
    std::uint32_t g = (over & 0x00FF00) * a + (under & 0x00FF00) * na + 0x008000;
    g = ((g + ((g >> 8) & 0x00FF00)) >> 8) & 0x00FF00;
    return (under & 0xFF000000) | rb | g;
}

void rotate_mask(const std::uint8_t* mask, int width, int height, TteRotation rotation,
                 std::uint8_t* out) {
    const auto at = [&](int x, int y) { return mask[static_cast<std::size_t>(y) * width + x]; };
    switch (rotation) {
        case TteRotation::krNone:
            std::memcpy(out, mask, static_cast<std::size_t>(width) * height);
            return;
        case TteRotation::krRotate90:  // clockwise: out is height x width
            for (int y = 0; y < width; ++y)
                for (int x = 0; x < height; ++x)
                    out[static_cast<std::size_t>(y) * height + x] = at(y, height - 1 - x);
            return;
        case TteRotation::krRotate180:
            for (int y = 0; y < height; ++y)
                for (int x = 0; x < width; ++x)
                    out[static_cast<std::size_t>(y) * width + x] =
                        at(width - 1 - x, height - 1 - y);
            return;
        case TteRotation::krRotate270:
            for (int y = 0; y < width; ++y)
                for (int x = 0; x < height; ++x)
                    out[static_cast<std::size_t>(y) * height + x] = at(width - 1 - y, x);
            return;
    }
}

namespace {

#if defined(__SSE2__)
// Four pixels: u + (o - u) * a / 255 per byte, rounded; a holds the opacity of each of the
// sixteen bytes (none for the fourth byte of a pixel, which keeps under's); key-coloured pixels
// of over keep under. All sums are taken modulo 2^16, and the result always fits.
inline __m128i blend4(__m128i u, __m128i o, __m128i a_lo, __m128i a_hi) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i half = _mm_set1_epi16(128);
    const auto mix = [&](__m128i u16, __m128i o16, __m128i a16) {
        __m128i t = _mm_sub_epi16(_mm_slli_epi16(u16, 8), u16);  // u * 255
        t = _mm_add_epi16(t, _mm_mullo_epi16(_mm_sub_epi16(o16, u16), a16));
        t = _mm_add_epi16(t, half);
        return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
    };
    const __m128i lo = mix(_mm_unpacklo_epi8(u, zero), _mm_unpacklo_epi8(o, zero), a_lo);
    const __m128i hi = mix(_mm_unpackhi_epi8(u, zero), _mm_unpackhi_epi8(o, zero), a_hi);
    const __m128i mixed = _mm_packus_epi16(lo, hi);
    const __m128i keyed = _mm_cmpeq_epi32(_mm_and_si128(o, _mm_set1_epi32(0xFFFFFF)),
                                          _mm_set1_epi32(static_cast<int>(kKeyColorRgb)));
    return _mm_or_si128(_mm_and_si128(keyed, u), _mm_andnot_si128(keyed, mixed));
}
#endif

#if defined(TOLSY_BLEND_AVX2)
// The same as blend4 for eight pixels, where the processor has AVX2 (checked once at run time).
__attribute__((target("avx2"))) inline __m256i blend8(__m256i u, __m256i o, __m256i a_lo,
                                                      __m256i a_hi) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i half = _mm256_set1_epi16(128);
    const auto mix = [&](__m256i u16, __m256i o16, __m256i a16) __attribute__((target("avx2"))) {
        __m256i t = _mm256_sub_epi16(_mm256_slli_epi16(u16, 8), u16);
        t = _mm256_add_epi16(t, _mm256_mullo_epi16(_mm256_sub_epi16(o16, u16), a16));
        t = _mm256_add_epi16(t, half);
        return _mm256_srli_epi16(_mm256_add_epi16(t, _mm256_srli_epi16(t, 8)), 8);
    };
    const __m256i lo = mix(_mm256_unpacklo_epi8(u, zero), _mm256_unpacklo_epi8(o, zero), a_lo);
    const __m256i hi = mix(_mm256_unpackhi_epi8(u, zero), _mm256_unpackhi_epi8(o, zero), a_hi);
    const __m256i mixed = _mm256_packus_epi16(lo, hi);
    const __m256i keyed = _mm256_cmpeq_epi32(_mm256_and_si256(o, _mm256_set1_epi32(0xFFFFFF)),
                                             _mm256_set1_epi32(static_cast<int>(kKeyColorRgb)));
    return _mm256_or_si256(_mm256_and_si256(keyed, u), _mm256_andnot_si256(keyed, mixed));
}

// Blends the first multiple of eight pixels and returns how many it did.
__attribute__((target("avx2"))) int blend_row_avx2(const std::uint32_t* under,
                                                   const std::uint32_t* over,
                                                   const std::uint8_t* alpha, unsigned uniform,
                                                   std::uint32_t* out, int n) {
    const __m256i zero = _mm256_setzero_si256();
    const auto a = static_cast<short>(uniform);
    const __m256i a16 = _mm256_set_epi16(0, a, a, a, 0, a, a, a, 0, a, a, a, 0, a, a, a);
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        const __m256i u = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(under + i));
        const __m256i o = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(over + i));
        __m256i r;
        if (alpha) {
            __m256i p =
                _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(alpha + i)));
            p = _mm256_or_si256(_mm256_or_si256(p, _mm256_slli_epi32(p, 8)),
                                _mm256_slli_epi32(p, 16));
            r = blend8(u, o, _mm256_unpacklo_epi8(p, zero), _mm256_unpackhi_epi8(p, zero));
        } else {
            r = blend8(u, o, a16, a16);
        }
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), r);
    }
    return i;
}

bool has_avx2() {
    static const bool has = __builtin_cpu_supports("avx2");
    return has;
}
#endif

// Blends n pixels of `over` onto `under` into out, pixel i with opacity alpha[i]; key-coloured
// pixels of `over` are left out.
void blend_row(const std::uint32_t* under, const std::uint32_t* over, const std::uint8_t* alpha,
               std::uint32_t* out, int n) {
    int i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    for (; i + 4 <= n; i += 4) {
        __m128i a = _mm_set_epi32(alpha[i + 3], alpha[i + 2], alpha[i + 1], alpha[i]);
        a = _mm_or_si128(_mm_or_si128(a, _mm_slli_epi32(a, 8)), _mm_slli_epi32(a, 16));
        const __m128i u = _mm_loadu_si128(reinterpret_cast<const __m128i*>(under + i));
        const __m128i o = _mm_loadu_si128(reinterpret_cast<const __m128i*>(over + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i),
                         blend4(u, o, _mm_unpacklo_epi8(a, zero), _mm_unpackhi_epi8(a, zero)));
    }
#endif
    for (; i < n; ++i) {
        const std::uint32_t o = over[i];
        out[i] = blend_pixel(under[i], o, (o & 0xFFFFFF) == kKeyColorRgb ? 0 : alpha[i]);
    }
}

// The same with one opacity for the whole row.
void blend_row_uniform(const std::uint32_t* under, const std::uint32_t* over, unsigned alpha,
                       std::uint32_t* out, int n) {
    int i = 0;
#if defined(TOLSY_BLEND_AVX2)
    if (has_avx2()) i = blend_row_avx2(under, over, nullptr, alpha, out, n);
#endif
#if defined(__SSE2__)
    const auto a = static_cast<short>(alpha);
    const __m128i a16 = _mm_set_epi16(0, a, a, a, 0, a, a, a);
    for (; i + 4 <= n; i += 4) {
        const __m128i u = _mm_loadu_si128(reinterpret_cast<const __m128i*>(under + i));
        const __m128i o = _mm_loadu_si128(reinterpret_cast<const __m128i*>(over + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), blend4(u, o, a16, a16));
    }
#endif
    for (; i < n; ++i) {
        const std::uint32_t o = over[i];
        out[i] = blend_pixel(under[i], o, (o & 0xFFFFFF) == kKeyColorRgb ? 0 : alpha);
    }
}

}  // namespace

void blend_by_mask(const std::uint8_t* mask, int mask_width, int mask_height, int resolution,
                   int tile_count, const Image& before, const Image& after, Image& work) {
    const int width = work.width();
    const int height = work.height();
    const int tile_w = mask_width * resolution;
    const int tile_h = mask_height * resolution;
    const std::uint32_t step_x = (static_cast<std::uint32_t>(mask_width) << 16) / tile_w;
    const std::uint32_t step_y = (static_cast<std::uint32_t>(mask_height) << 16) / tile_h;
    // A uniform mask (a cross-fade) needs no stretching at all.
    const std::size_t cells = static_cast<std::size_t>(mask_width) * mask_height;
    if (std::all_of(mask, mask + cells, [&](std::uint8_t v) { return v == mask[0]; })) {
        for (int y = 0; y < height; ++y)
            blend_row_uniform(before.row(y), after.row(y), mask[0], work.row(y), width);
        return;
    }
    // One row of opacities across every tile, made again only when the mask row changes.
    thread_local std::vector<std::uint8_t> alpha_row;
    alpha_row.resize(static_cast<std::size_t>(width));
    std::uint8_t* const alpha = alpha_row.data();
    const std::uint8_t* made_from = nullptr;
    for (int ty = 0; ty < tile_count; ++ty) {
        const int y0 = ty * tile_h;
        const int y1 = std::min(height, y0 + tile_h);
        std::uint32_t fy = step_y / 2;  // sample each cell at the pixel's centre
        for (int y = y0; y < y1; ++y, fy += step_y) {
            const std::uint8_t* mask_row = mask + static_cast<std::size_t>(fy >> 16) * mask_width;
            if (mask_row != made_from) {
                for (int tx = 0; tx < tile_count; ++tx) {
                    const int x0 = tx * tile_w;
                    const int x1 = std::min(width, x0 + tile_w);
                    std::uint32_t fx = step_x / 2;
                    for (int x = x0; x < x1; ++x, fx += step_x) alpha[x] = mask_row[fx >> 16];
                }
                made_from = mask_row;
            }
            blend_row(before.row(y), after.row(y), alpha, work.row(y), width);
        }
    }
}

void bitmap_mask(const std::uint8_t* map, std::size_t size, int progress, std::uint8_t* mask) {
    const int lift = 510 * std::clamp(progress, 0, 100) / 100 - 255;
    for (std::size_t i = 0; i < size; ++i) {
        mask[i] = static_cast<std::uint8_t>(std::clamp(map[i] + lift, 0, 255));
    }
}

namespace {

bool turned(TteRotation r) {
    return r == TteRotation::krRotate90 || r == TteRotation::krRotate270;
}

// Kind 1: each cell's pixels come from the after picture moved by the cell's offset, within
// the cell's tile, blended onto the work picture with the cell's opacity.
void blend_shifted(const ShiftCell* cells, int mask_width, int mask_height, int resolution,
                   const Image& after, Image& work) {
    const int width = work.width();
    const int height = work.height();
    const int tile_w = mask_width * resolution;
    const int tile_h = mask_height * resolution;
    for (int y = 0; y < height; ++y) {
        const int ty0 = y / tile_h * tile_h;
        const int ty1 = std::min(height, ty0 + tile_h);
        const int cy = (y - ty0) / resolution;
        std::uint32_t* w = work.row(y);
        for (int x = 0; x < width; ++x) {
            const int tx0 = x / tile_w * tile_w;
            const int tx1 = std::min(width, tx0 + tile_w);
            const ShiftCell& c =
                cells[static_cast<std::size_t>(cy) * mask_width + (x - tx0) / resolution];
            if (c.alpha == 0) continue;
            const int sx = x + static_cast<int>(std::lround(double(c.dx) * tile_w / kShiftUnit));
            const int sy = y + static_cast<int>(std::lround(double(c.dy) * tile_h / kShiftUnit));
            if (sx < tx0 || sx >= tx1 || sy < ty0 || sy >= ty1) continue;
            const std::uint32_t over = after.at(sx, sy);
            if ((over & 0xFFFFFF) == kKeyColorRgb) continue;
            w[x] = blend_pixel(w[x], over, c.alpha);
        }
    }
}

// The bitmap's first colour byte (blue) of each pixel, stretched to width x height.
void fill_map(const Image& bitmap, int width, int height, std::uint8_t* out) {
    for (int y = 0; y < height; ++y) {
        const int sy = static_cast<int>(static_cast<long long>(y) * bitmap.height() / height);
        for (int x = 0; x < width; ++x) {
            const int sx = static_cast<int>(static_cast<long long>(x) * bitmap.width() / width);
            out[static_cast<std::size_t>(y) * width + x] = Pixel::blue(bitmap.at(sx, sy));
        }
    }
}

}  // namespace

TransitionEngine::TransitionEngine(const EffectList& effects) : effects_(effects) {}

void TransitionEngine::set_clock(TransitionClock* clock) {
    clock_ = clock;
    clock_running_ = false;
    if (clock_ && any_active()) {
        clock_->set_running(true);
        clock_running_ = true;
    }
}

bool TransitionEngine::any_active() const {
    return std::any_of(slots_.begin(), slots_.end(), [](const auto& s) { return s.active; });
}

int TransitionEngine::reserve() {
    for (int i = 0; i < kSlotCount; ++i) {
        AnimationSlot& s = slots_[i];
        if (!s.active && !s.reserved) {
            s.reserved = true;
            return i;
        }
    }
    return -1;
}

void TransitionEngine::release(int slot) {
    if (slot >= 0 && slot < kSlotCount) slots_[slot].reserved = false;
}

int TransitionEngine::start(TransitionCanvas* canvas, int x, int y, int slot,
                            const TteAnimationRec& settings, const Image& after,
                            const Image& before) {
    if (slot < -1 || slot >= kSlotCount) return -1;
    if (slot == -1) {
        for (int i = 0; i < kSlotCount && slot == -1; ++i) {
            if (!slots_[i].active && !slots_[i].reserved) slot = i;
        }
        if (slot == -1) return -1;
    }
    if (after.empty() || before.empty()) return slot;

    const Effect* effect = nullptr;
    const bool random = same_text(settings.Effect(), kRandomEffectName);
    const bool bitmap = !random && same_text(settings.Effect(), kBitmapEffectName);
    if (random && !effects_.effects().empty()) {
        const std::size_t n = effects_.effects().size();
        const std::size_t i =
            pick_ ? pick_(n) : std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
        effect = &effects_.effects()[std::min(i, n - 1)];
    } else if (!bitmap) {
        effect = effects_.find(settings.Effect());
    }
    if (!bitmap && !effect) return slot;
    if (bitmap && settings.bitmap.image.empty()) return slot;

    AnimationSlot& s = slots_[slot];
    end(s);
    s.settings.assign(settings);
    s.after = after;
    s.before = before;
    s.effect = effect;
    s.work = Image::uninitialized(before.width(), before.height());
    const int cell = settings.Resolution() * settings.TileCount();
    s.mask_width = before.width() / cell + 1;
    s.mask_height = before.height() / cell + 1;
    const std::size_t cells = static_cast<std::size_t>(s.mask_width) * s.mask_height;
    const bool rotated = settings.Rotation() != TteRotation::krNone;
    if (bitmap) {
        s.mask_size = cells;
        s.mask.assign(cells, 0);
        s.mask2.assign(cells, 0);
        if (turned(settings.Rotation()))
            fill_map(settings.bitmap.image, s.mask_height, s.mask_width, s.mask2.data());
        else
            fill_map(settings.bitmap.image, s.mask_width, s.mask_height, s.mask2.data());
    } else if (effect->kind == 1) {
        s.mask_size = cells * sizeof(ShiftCell);
        s.mask.assign(s.mask_size, 0);
        s.mask2.clear();
    } else {
        s.mask_size = cells;
        s.mask.assign(cells, 0);
        if (rotated)
            s.mask2.assign(cells, 0);
        else
            s.mask2.clear();
    }
    s.elapsed = 0.01f;
    s.active = true;
    s.busy = false;
    s.canvas = canvas;
    s.x = x;
    s.y = y;
    if (clock_ && !clock_running_) {
        clock_running_ = true;
        clock_->set_running(true);
    }
    return slot;
}

void TransitionEngine::compose(AnimationSlot& s, int progress) {
    const TteAnimationRec& set = s.settings;
    const int res = set.Resolution();
    const int tiles = set.TileCount();
    const bool bitmap = s.effect == nullptr;
    const int kind = bitmap ? 0 : s.effect->kind;
    if (kind == 1) {
        for (int y = 0; y < s.before.height(); ++y)
            std::copy_n(s.before.row(y), s.before.width(), s.work.row(y));
        auto* cells = reinterpret_cast<ShiftCell*>(s.mask.data());
        std::fill(cells, cells + s.mask_size / sizeof(ShiftCell), ShiftCell{});
        std::get<ShiftProc>(s.effect->proc)(cells, s.mask_width, s.mask_height, progress);
        blend_shifted(cells, s.mask_width, s.mask_height, res, s.after, s.work);
        return;
    }
    if (kind == 2) {
        s.work = s.before;
        std::get<DrawProc>(s.effect->proc)(s.work, s.before, s.after, progress);
        return;
    }
    // Kind 0 and the bitmap effect: the procedure works in the unrotated frame, so a quarter
    // turn asks it for the mask with width and height swapped.
    const bool swap = turned(set.Rotation());
    const int pw = swap ? s.mask_height : s.mask_width;
    const int ph = swap ? s.mask_width : s.mask_height;
    std::uint8_t* raw = s.mask.data();
    if (bitmap) {
        bitmap_mask(s.mask2.data(), s.mask_size, progress, raw);
    } else {
        std::fill(s.mask.begin(), s.mask.end(), 0);
        std::get<MaskProc>(s.effect->proc)(raw, pw, ph, progress);
    }
    const std::uint8_t* used = raw;
    if (set.Rotation() != TteRotation::krNone) {
        std::vector<std::uint8_t>& out = bitmap ? s.mask : s.mask2;
        if (bitmap) {
            std::vector<std::uint8_t> copy(s.mask);
            rotate_mask(copy.data(), pw, ph, set.Rotation(), out.data());
        } else {
            rotate_mask(raw, pw, ph, set.Rotation(), out.data());
        }
        used = out.data();
    }
    blend_by_mask(used, s.mask_width, s.mask_height, res, tiles, s.before, s.after, s.work);
}

const Image& TransitionEngine::compose_at(int slot, int progress) {
    AnimationSlot& s = slots_.at(static_cast<std::size_t>(slot));
    if (!s.active) throw std::logic_error("no transition runs in this slot");
    compose(s, std::clamp(progress, 0, 100));
    return s.work;
}

void TransitionEngine::end(AnimationSlot& s) {
    s.active = false;
    s.busy = false;
    s.mask.clear();
    s.mask.shrink_to_fit();
    s.mask2.clear();
    s.mask2.shrink_to_fit();
    s.work = Image();
    if (clock_ && clock_running_ && !any_active()) {
        clock_running_ = false;
        clock_->set_running(false);
    }
}

void TransitionEngine::stop(int slot, bool draw_final) {
    if (slot < 0 || slot >= kSlotCount) return;
    AnimationSlot& s = slots_[slot];
    if (!s.active) return;
    if (draw_final && s.canvas && !s.work.empty()) {
        compose(s, 100);
        s.canvas->draw(s.work, s.x, s.y);
    }
    end(s);
}

void TransitionEngine::run(TransitionCanvas* canvas, int x, int y, const TteAnimationRec& settings,
                           const Image& after, const Image& before,
                           const std::function<bool()>& pump) {
    const int slot = start(canvas, x, y, -1, settings, after, before);
    if (slot < 0) return;
    while (slots_[slot].active) {
        if (!pump()) {
            stop(slot, false);
            return;
        }
    }
}

void TransitionEngine::tick() {
    std::exception_ptr first_error;
    for (AnimationSlot& s : slots_) {
        if (!s.active || s.busy || s.before.empty() || s.after.empty() || s.work.empty()) continue;
        s.elapsed += kTickMs;
        s.busy = true;
        try {
            const double ratio = s.elapsed / s.settings.Time() * 100.0;
            const int progress = ratio >= 100 ? 100 : static_cast<int>(std::lround(ratio));
            compose(s, progress);
            if (s.canvas) s.canvas->draw(s.work, s.x, s.y);
            if (progress >= 100) end(s);
        } catch (...) {
            if (!first_error) first_error = std::current_exception();
            end(s);
        }
        s.busy = false;
    }
    if (first_error) std::rethrow_exception(first_error);
}

TransitionEngine& transition_engine() {
    static TransitionEngine engine;
    return engine;
}

}  // namespace tolsy
