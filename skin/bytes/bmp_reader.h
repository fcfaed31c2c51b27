#pragma once
// Our own reader of Windows device-independent bitmap files (the "BM" file form), used for the
// oldest image form of stored skins. Every header field is checked before it is trusted.
#include <cstddef>
#include <cstdint>
#include <span>

#include "picture/image.h"

namespace tolsy {

// Decodes 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed, with bit fields, or run-length
// encoded (RLE8, RLE4), into a 32-bit top-down image. Pixels of formats without alpha are
// opaque; a 32-bit file whose fourth bytes are all zero is taken as opaque too, as the platform's
// reader does. base_offset places the file in the enclosing buffer for error messages.
// Throws SkinFormatError / SkinReadError for bad files, ImageAllocError for sizes the data
// could never fill.
Image decode_bmp(std::span<const std::uint8_t> file, std::size_t base_offset = 0);

}  // namespace tolsy
