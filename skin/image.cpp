#include "skin/image.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace tolsy {

Image::Image(int width, int height, std::uint32_t fill) {
    if (width < 0 || height < 0) throw std::length_error("Image size is negative");
    const auto count = static_cast<unsigned long long>(width) * static_cast<unsigned long long>(height);
    if (count > std::numeric_limits<std::size_t>::max() / sizeof(std::uint32_t))
        throw std::length_error("Image is too large");
    width_ = width;
    height_ = height;
    stride_ = width;
    pixels_.assign(static_cast<std::size_t>(count), fill);
}

bool Image::operator==(const Image& other) const {
    if (width_ != other.width_ || height_ != other.height_) return false;
    for (int y = 0; y < height_; ++y) {
        if (!std::equal(row(y), row(y) + width_, other.row(y))) return false;
    }
    return true;
}

}  // namespace tolsy
