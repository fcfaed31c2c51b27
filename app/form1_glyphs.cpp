#include "app/form1_glyphs.h"

#include <stdexcept>
#include <string>

namespace tolsy {

namespace {
constexpr int kGlyph = 16;
constexpr std::uint32_t kTransparent = Pixel::pack(
    (kKeyColorRgb >> 0) & 0xFF, (kKeyColorRgb >> 8) & 0xFF, (kKeyColorRgb >> 16) & 0xFF);
// The disabled glyph: the shape in the shadow colour over a white copy one pixel down-right.
constexpr std::uint32_t kDisabledShadow = Pixel::pack(128, 128, 128);
constexpr std::uint32_t kDisabledHighlight = Pixel::pack(255, 255, 255);

std::uint32_t colour_of(char c) {
    switch (c) {
        case 'k':
            return Pixel::pack(0, 0, 0);
        case 'w':
            return Pixel::pack(255, 255, 255);
        case 'g':
            return Pixel::pack(192, 192, 192);
        case 'd':
            return Pixel::pack(128, 128, 128);
        case 'r':
            return Pixel::pack(200, 0, 0);
        case 'b':
            return Pixel::pack(0, 0, 160);
        case 'y':
            return Pixel::pack(240, 220, 120);
        case '.':
            return kTransparent;
        default:
            throw std::invalid_argument(std::string("Unknown colour letter '") + c + "'");
    }
}

// Dark pixels of the shape make the disabled form; light ones vanish, as on a greyed button.
bool is_dark(std::uint32_t p) {
    return Pixel::red(p) + Pixel::green(p) + Pixel::blue(p) < 3 * 160;
}
}  // namespace

Image button_glyph_from_picture(std::string_view picture) {
    if (picture.size() != static_cast<std::size_t>(kGlyph * kGlyph)) {
        throw std::invalid_argument("A button picture has 16 rows of 16 pixels");
    }
    Image image(2 * kGlyph, kGlyph, kTransparent);
    for (int y = 0; y < kGlyph; ++y) {
        for (int x = 0; x < kGlyph; ++x) {
            image.at(x, y) = colour_of(picture[static_cast<std::size_t>(y * kGlyph + x)]);
        }
    }
    for (int y = 0; y < kGlyph; ++y) {
        for (int x = 0; x < kGlyph; ++x) {
            const std::uint32_t p = image.at(x, y);
            if (p == kTransparent || !is_dark(p)) continue;
            if (x + 1 < kGlyph && y + 1 < kGlyph)
                image.at(kGlyph + x + 1, y + 1) = kDisabledHighlight;
        }
    }
    for (int y = 0; y < kGlyph; ++y) {
        for (int x = 0; x < kGlyph; ++x) {
            const std::uint32_t p = image.at(x, y);
            if (p != kTransparent && is_dark(p)) image.at(kGlyph + x, y) = kDisabledShadow;
        }
    }
    return image;
}

Image clear_button_glyph() {
    return button_glyph_from_picture(
        "................"
        "................"
        "........kkkkk..."
        ".......kwwwwwk.."
        "......kwwwwwkk.."
        ".....kwwwwwkrk.."
        "....kkkkkkkrrk.."
        "...krrrrrrkrrk.."
        "..krrrrrrkrrk..."
        "..krrrrrrkrk...."
        "..krrrrrrkk....."
        "..kkkkkkkk......"
        "................"
        "..dddddddddddd.."
        "................"
        "................");
}

Image clipboard_button_glyph() {
    return button_glyph_from_picture(
        "................"
        "......kkkk......"
        "..kkkkkggkkkkk.."
        "..kyyykkkkyyyk.."
        "..kyywwwwwwyyk.."
        "..kyywkkkkwyyk.."
        "..kyywwwwwwyyk.."
        "..kyywkkkwwyyk.."
        "..kyywwwwwwyyk.."
        "..kyywkkkkwyyk.."
        "..kyywwwwwwyyk.."
        "..kyywkkwwwyyk.."
        "..kyywwwwwwyyk.."
        "..kyyyyyyyyyyk.."
        "..kkkkkkkkkkkk.."
        "................");
}

Image close_button_glyph() {
    return button_glyph_from_picture(
        "................"
        "................"
        "...rr......rr..."
        "...rrr....rrr..."
        "....rrr..rrr...."
        ".....rrrrrr....."
        "......rrrr......"
        "......rrrr......"
        ".....rrrrrr....."
        "....rrr..rrr...."
        "...rrr....rrr..."
        "...rr......rr..."
        "................"
        "................"
        "................"
        "................");
}

}  // namespace tolsy
