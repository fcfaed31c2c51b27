#include "skin/image.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace tolsy {

namespace {

std::size_t pixel_count(int width, int height) {
    if (width < 0 || height < 0) throw std::length_error("Image size is negative");
    const auto count = static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height);
    if (count > std::numeric_limits<std::size_t>::max() / sizeof(std::uint32_t))
        throw std::length_error("Image is too large");
    return static_cast<std::size_t>(count);
}

}  // namespace

Image::Image(int width, int height, std::uint32_t fill) {
    pixels_.assign(pixel_count(width, height), fill);
    width_ = width;
    height_ = height;
    stride_ = width;
}

Image Image::uninitialized(int width, int height) {
    Image image;
    image.pixels_.resize(pixel_count(width, height));
    image.width_ = width;
    image.height_ = height;
    image.stride_ = width;
    return image;
}

Image::Image(const Image& other)
    : width_(other.width_), height_(other.height_), stride_(other.stride_) {
    pixels_.resize(other.pixels_.size());
    if (!pixels_.empty())
        std::memcpy(pixels_.data(), other.pixels_.data(), pixels_.size() * sizeof(std::uint32_t));
}

Image& Image::operator=(const Image& other) {
    if (this != &other) *this = Image(other);
    return *this;
}

bool Image::operator==(const Image& other) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    for (int y = 0; y < height_; ++y) {
        if (!std::equal(row(y), row(y) + width_, other.row(y))) return false;
    }
    return true;
}

}  // namespace tolsy
