#include "picture/image.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace tolsy {

namespace {

std::size_t pixel_count(int width, int height) {
    if (width < 0 || height < 0) throw std::length_error("Image size is negative");
    const auto count =
        static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height);
    if (count > std::numeric_limits<std::size_t>::max() / sizeof(std::uint32_t))
        throw std::length_error("Image is too large");
    return static_cast<std::size_t>(count);
}

}  // namespace

Image::Image(int width, int height, std::uint32_t fill) {
    pixels_ = std::make_shared<Pixels>(pixel_count(width, height), fill);
    width_ = width;
    height_ = height;
    stride_ = width;
}

Image Image::uninitialized(int width, int height) {
    Image image;
    image.pixels_ = std::make_shared<Pixels>(pixel_count(width, height));
    image.width_ = width;
    image.height_ = height;
    image.stride_ = width;
    return image;
}

std::uint32_t* Image::shared_or_empty_data() {
    if (!pixels_) return nullptr;
    // One block copy: the pixel allocator leaves elements uninitialised, so no per-pixel work.
    auto own = std::make_shared<Pixels>(pixels_->size());
    if (!own->empty())
        std::memcpy(own->data(), pixels_->data(), own->size() * sizeof(std::uint32_t));
    pixels_ = std::move(own);
    return pixels_->data();
}

const std::uint32_t* Image::empty_data() {
    static const Pixels none;
    return none.data();
}

bool Image::operator==(const Image& other) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    for (int y = 0; y < height_; ++y) {
        if (!std::equal(row(y), row(y) + width_, other.row(y))) return false;
    }
    return true;
}

}  // namespace tolsy
