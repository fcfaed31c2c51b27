#pragma once
// The one image type of the program: 32-bit BGRA pixels, top-down rows, explicit stride.
// Pixel values are 0xAARRGGBB as a little-endian uint32 (bytes B, G, R, A in memory).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "base/uninitialized_allocator.h"

namespace tolsy {

// The skin's key colour (R=0x7F, G=0, B=0x7F as 0x00BBGGRR) marks transparent pixels.
inline constexpr std::uint32_t kKeyColorRgb = 0x7F007F;

struct Pixel {
    static constexpr std::uint32_t pack(std::uint8_t r, std::uint8_t g, std::uint8_t b,
                                        std::uint8_t a = 255) {
        return (std::uint32_t{a} << 24) | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) | b;
    }
    static constexpr std::uint8_t blue(std::uint32_t p) { return p & 0xFF; }
    static constexpr std::uint8_t green(std::uint32_t p) { return (p >> 8) & 0xFF; }
    static constexpr std::uint8_t red(std::uint32_t p) { return (p >> 16) & 0xFF; }
    static constexpr std::uint8_t alpha(std::uint32_t p) { return p >> 24; }
};

class Image {
  public:
    Image() = default;
    // Throws std::length_error when width * height does not fit the address space.
    Image(int width, int height, std::uint32_t fill = 0);
    // Pixels left unset, for readers that fill every pixel at once.
    static Image uninitialized(int width, int height);
    // Copies share their pixels until one of them is written to: a theme's working copy of
    // its images costs nothing until a colour shift changes them.
    Image(const Image&) = default;
    Image& operator=(const Image&) = default;
    Image(Image&&) noexcept = default;
    Image& operator=(Image&&) noexcept = default;

    int width() const { return width_; }
    int height() const { return height_; }
    // Pixels per row (>= width); rows are contiguous, top row first.
    int stride() const { return stride_; }
    bool empty() const { return width_ <= 0 || height_ <= 0; }

    // The writable accessors give this image pixels of its own first; pointers taken from them
    // stay this image's alone until it is copied again.
    std::uint32_t* row(int y) { return data() + static_cast<std::size_t>(y) * stride_; }
    const std::uint32_t* row(int y) const { return data() + static_cast<std::size_t>(y) * stride_; }
    std::uint32_t& at(int x, int y) { return row(y)[x]; }
    std::uint32_t at(int x, int y) const { return row(y)[x]; }

    std::uint32_t* data() {
        if (pixels_.use_count() == 1) return pixels_->data();
        return shared_or_empty_data();
    }
    const std::uint32_t* data() const { return pixels_ ? pixels_->data() : empty_data(); }

    bool operator==(const Image& other) const;

  private:
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    using Pixels = std::vector<std::uint32_t, UninitializedAllocator<std::uint32_t>>;
    // Detaches shared pixels; an image without pixels has the empty block's (null) data.
    std::uint32_t* shared_or_empty_data();
    static const std::uint32_t* empty_data();
    std::shared_ptr<Pixels> pixels_;
};

}  // namespace tolsy
