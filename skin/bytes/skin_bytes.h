#pragma once
// The byte reader of skin data: the program's one reader, raising the skin's own errors
// (SkinReadError when the data ends early, SkinFormatError for a negative length or count).
#include "base/byte_io.h"
#include "skin/bytes/skin_error.h"

namespace tolsy {

struct SkinReadErrors {
    [[noreturn]] static void short_read(ShortRead read);
    [[noreturn]] static void bad_field(std::string detail, std::size_t offset);
};

using ByteReader = BasicByteReader<SkinReadErrors>;

}  // namespace tolsy
