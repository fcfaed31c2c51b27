#include "skin/bytes/skin_bytes.h"

#include <gtest/gtest.h>

namespace tolsy {
namespace {

TEST(SkinByteReader, RaisesTheSkinsOwnErrors) {
    ByteWriter w;
    w.i32(-2);
    ByteReader negative(w.bytes(), 10);
    try {
        negative.lstr("image name");
        FAIL() << "no error";
    } catch (const SkinFormatError& e) {
        EXPECT_STREQ(e.what(), "Invalid skin data: image name has negative length -2 at offset 10");
    }
    ByteReader short_data(w.bytes(), 10);
    short_data.u8("first");
    try {
        short_data.u32("image width");
        FAIL() << "no error";
    } catch (const SkinReadError& e) {
        EXPECT_STREQ(e.what(), "Stream read error: image width at offset 11 needs 4 bytes, 3 left");
    }
}

}  // namespace
}  // namespace tolsy
