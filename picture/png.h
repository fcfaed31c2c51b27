#pragma once
// PNG encoding of our images, for screenshots, proof sheets and exported skin images.
#include "picture/image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tolsy {

// Encodes the image as an 8-bit RGBA PNG (alpha kept as it is).
std::vector<std::uint8_t> encode_png(const Image& image);
// Writes the PNG to a file; throws std::runtime_error naming the path when it cannot.
void write_png(const Image& image, const std::string& path);

}  // namespace tolsy
