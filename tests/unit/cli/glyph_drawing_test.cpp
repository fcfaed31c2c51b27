#include "cli/glyph_drawing.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/command_line.h"
#include "cli/framewright.h"

namespace tolsy {
namespace {

const std::string kFont = TOLSY_BINARY_DIR "/font/Tolsy.ttf";

bool inked(std::uint32_t pixel) {
    return Pixel::red(pixel) < 128;
}

// The frame's top and bottom lines run unbroken from the left box to the right box, so at any
// height every column has ink near the top and near the bottom: a gap would be a bad join.
// (Typed characters other than digits and the point are the font's plain letters, drawn
// without frame lines, in the window as here; these frames hold none.)
TEST(GlyphDrawing, FramePictureHasTheHeightAndUnbrokenFrameLines) {
    const TolsyFace face(kFont);
    const struct {
        const char* hex;
        int height;
    } cases[] = {
        {"EB E4 ED", 16},
        {"EB FB EC E0 F9 EE EE F3 DE EC C0 EC C1 DE EC C2 ED", 48},
        {"EB BA EC F9 EE F3 9F EC D9 85 EC C4 9E ED", 101},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hex);
        const Image image = face.frame_image(bytes_from_hex(c.hex), c.height);
        ASSERT_EQ(image.height(), c.height);
        const int band = std::max(1, c.height / 8);
        int blank_columns = 0;
        int inked_pixels = 0;
        // The last column may be a part of a pixel, so lightly inked.
        for (int x = 0; x + 1 < image.width(); ++x) {
            bool top = false;
            bool bottom = false;
            for (int y = 0; y < c.height; ++y) {
                const bool ink = inked(image.at(x, y));
                inked_pixels += ink;
                top |= ink && y < band;
                bottom |= ink && y >= c.height - band;
            }
            blank_columns += !(top && bottom);
        }
        EXPECT_EQ(blank_columns, 0);
        EXPECT_LT(inked_pixels, image.width() * c.height / 2);  // white inside the boxes
    }
}

TEST(GlyphDrawing, PngFromTheProgramHasTheAskedHeight) {
    for (int height : {9, 48, 200}) {
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(run_framewright({"compose", "--symbol", "flatness", "--tolerance", ".1", "--as",
                                   "png", "-", "--height", std::to_string(height), "--font", kFont},
                                  "", in, out, err),
                  0)
            << err.str();
        const std::string png = out.str();
        ASSERT_GE(png.size(), 24u);
        EXPECT_EQ(png.substr(1, 3), "PNG");
        const auto byte = [&](int i) { return static_cast<unsigned char>(png[i]); };
        EXPECT_EQ(byte(20) << 24 | byte(21) << 16 | byte(22) << 8 | byte(23), height);
    }
}

}  // namespace
}  // namespace tolsy
