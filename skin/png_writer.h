#pragma once
// A small PNG encoder for exporting skin images: 8-bit RGBA, non-interlaced.
#include "skin/byte_io.h"
#include "skin/image.h"

namespace tolsy {

// Alpha is written as stored, so key-colour pixels (alpha 0) come out transparent.
Bytes encode_png(const Image& image);

}  // namespace tolsy
