#pragma once
// A canvas draws onto one of our 32-bit images through a logical origin and a clip rectangle.
// Skin painting composes whole pictures here in software; the platform only blits the result.
#include <cstdint>

#include "picture/geometry.h"
#include "picture/image.h"

namespace tolsy {

// How an image is put onto the canvas; painting picks one per piece (alpha, key, plain).
enum class DrawMode {
    kCopy,     // every source pixel replaces the canvas pixel
    kKeyCopy,  // as kCopy, but key-colour pixels are left out
    kBlend,    // each source pixel is blended over the canvas by its own (straight) alpha
};

class Canvas {
  public:
    // The image is borrowed, not owned, and must outlive the canvas.
    explicit Canvas(Image& target);

    Image& image() { return *image_; }
    const Image& image() const { return *image_; }

    // The image pixel that logical (0, 0) falls on.
    Point origin() const { return origin_; }
    void set_origin(Point origin) { origin_ = origin; }

    // Logical rectangle outside which nothing is drawn (the image's edges always clip too).
    Rect clip() const { return clip_; }
    void set_clip(const Rect& clip) { clip_ = clip; }
    void reset_clip();

    // A logical rectangle in image pixels, and the clip there (never beyond the image).
    Rect to_device(const Rect& logical) const { return logical.offset(origin_.x, origin_.y); }
    Rect device_clip() const;
    // The logical rectangle that can still be drawn on: the clip within the image.
    Rect visible_area() const {
        return device_clip().offset(saturate_int(-std::int64_t{origin_.x}),
                                    saturate_int(-std::int64_t{origin_.y}));
    }

    // Fills with an opaque pixel value (0xAARRGGBB; the alpha is taken as given).
    void fill_rect(const Rect& rect, std::uint32_t pixel);
    // Puts one pixel when it lies inside the clip.
    void plot(int x, int y, std::uint32_t pixel);
    // Blends one pixel with the given coverage 0..255 when it lies inside the clip.
    void plot_blended(int x, int y, std::uint32_t pixel, int coverage);

    // Draws src_rect of the image into dst_rect, stretching by nearest sample when the sizes
    // differ. Parts of src_rect outside the image are not drawn.
    void draw_image(const Image& source, const Rect& src_rect, const Rect& dst_rect, DrawMode mode);

  private:
    void draw_unscaled(const Image& source, const Rect& src_rect, const Rect& dst,
                       const Rect& visible, DrawMode mode);
    void draw_scaled(const Image& source, const Rect& src_rect, const Rect& dst,
                     const Rect& visible, DrawMode mode);

    Image* image_;  // not owned
    Point origin_;
    Rect clip_;
};

// Straight-alpha "source over" of one pixel onto another.
std::uint32_t blend_over(std::uint32_t dst, std::uint32_t src);
// Whether a pixel is the key colour (its red, green and blue; alpha is not looked at).
constexpr bool is_key_pixel(std::uint32_t pixel) {
    return (pixel & 0xFFFFFFu) == kKeyColorRgb;
}

}  // namespace tolsy
