#include "cli/glyph_drawing.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/windows1252.h"
#include "cli/command_line.h"

namespace tolsy {

struct TolsyFace::Library {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    ~Library() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
    }
    // The font's glyph for a frame byte: each code sits at its Windows-1252 character.
    FT_UInt glyph_of(unsigned char byte) const {
        return FT_Get_Char_Index(face, windows1252_to_unicode(byte));
    }
    // Ascender to descender, the height of the line the window draws, in font units.
    long line_units() const { return static_cast<long>(face->ascender) - face->descender; }
};

namespace {

// Pictures larger than this are refused before anything is allocated for them.
constexpr double kMaxPicturePixels = 64.0 * 1024 * 1024;

void check(FT_Error error, const std::string& what) {
    if (error) throw BadInputError(what + " (FreeType error " + std::to_string(error) + ")");
}

// Path data in SVG coordinates: x from the pen, y downwards from the line's top.
struct PathWriter {
    std::string d;
    long pen_x;
    long ascender;
    bool open = false;

    void point(const FT_Vector* v) {
        d += std::to_string(pen_x + v->x);
        d += ' ';
        d += std::to_string(ascender - v->y);
    }
    static PathWriter& of(void* user) { return *static_cast<PathWriter*>(user); }
    static int move_to(const FT_Vector* to, void* user) {
        PathWriter& w = of(user);
        if (w.open) w.d += "Z";
        w.d += "M";
        w.point(to);
        w.open = true;
        return 0;
    }
    static int line_to(const FT_Vector* to, void* user) {
        of(user).d += "L";
        of(user).point(to);
        return 0;
    }
    static int conic_to(const FT_Vector* control, const FT_Vector* to, void* user) {
        PathWriter& w = of(user);
        w.d += "Q";
        w.point(control);
        w.d += ' ';
        w.point(to);
        return 0;
    }
    static int cubic_to(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
        PathWriter& w = of(user);
        w.d += "C";
        w.point(c1);
        w.d += ' ';
        w.point(c2);
        w.d += ' ';
        w.point(to);
        return 0;
    }
};

void require_frame(std::string_view frame) {
    if (frame.empty()) throw BadInputError("nothing chosen: the empty frame has no picture");
}

}  // namespace

TolsyFace::TolsyFace(const std::string& path) : ft_(std::make_unique<Library>()) {
    check(FT_Init_FreeType(&ft_->library), "FreeType cannot start");
    check(FT_New_Face(ft_->library, path.c_str(), 0, &ft_->face), "cannot read the font " + path);
    check(FT_Select_Charmap(ft_->face, FT_ENCODING_UNICODE),
          "the font " + path + " has no Unicode character map");
    if (ft_->line_units() <= 0 || !FT_IS_SCALABLE(ft_->face)) {
        throw BadInputError("the font " + path + " has no outline glyphs to draw a frame with");
    }
}

TolsyFace::~TolsyFace() = default;

std::string TolsyFace::frame_svg(std::string_view frame, int height) const {
    require_frame(frame);
    const FT_Face face = ft_->face;
    static const FT_Outline_Funcs kFuncs = {&PathWriter::move_to,
                                            &PathWriter::line_to,
                                            &PathWriter::conic_to,
                                            &PathWriter::cubic_to,
                                            0,
                                            0};
    std::string paths;
    long pen = 0;
    for (char c : frame) {
        check(FT_Load_Glyph(face, ft_->glyph_of(static_cast<unsigned char>(c)), FT_LOAD_NO_SCALE),
              "cannot load a glyph");
        PathWriter writer{{}, pen, face->ascender};
        if (face->glyph->format == FT_GLYPH_FORMAT_OUTLINE) {
            check(FT_Outline_Decompose(&face->glyph->outline, &kFuncs, &writer),
                  "cannot read a glyph outline");
        }
        if (writer.open) writer.d += "Z";
        paths += "<path d=\"" + writer.d + "\"/>\n";
        pen += face->glyph->metrics.horiAdvance;
    }
    const long units = ft_->line_units();
    const long width_px = std::max(1L, std::lround(static_cast<double>(pen) * height / units));
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           std::to_string(width_px) + "\" height=\"" + std::to_string(height) +
           "\" viewBox=\"0 0 " + std::to_string(pen) + " " + std::to_string(units) +
           "\">\n<rect width=\"" + std::to_string(pen) + "\" height=\"" + std::to_string(units) +
           "\" fill=\"white\"/>\n<g fill=\"black\">\n" + paths + "</g>\n</svg>\n";
}

Image TolsyFace::frame_image(std::string_view frame, int height) const {
    require_frame(frame);
    const FT_Face face = ft_->face;
    const double scale = static_cast<double>(height) / ft_->line_units();  // pixels per unit
    // The em size that makes the line exactly `height` pixels, in 26.6 points at 72 dpi.
    const auto em_26_6 = static_cast<FT_F26Dot6>(std::lround(scale * face->units_per_EM * 64));
    check(FT_Set_Char_Size(face, 0, em_26_6, 72, 72), "cannot size the font");

    // The pen runs in font units and is scaled once per glyph, so rounding does not add up
    // along the frame and the glyphs meet where their outlines do.
    std::vector<long> pens;
    long pen = 0;
    for (char c : frame) {
        check(FT_Load_Glyph(face, ft_->glyph_of(static_cast<unsigned char>(c)), FT_LOAD_NO_SCALE),
              "cannot load a glyph");
        pens.push_back(pen);
        pen += face->glyph->metrics.horiAdvance;
    }
    const double exact_width = std::ceil(pen * scale);
    if (exact_width * height > kMaxPicturePixels) {
        throw BadInputError("the picture would be " + std::to_string(std::lround(exact_width)) +
                            " x " + std::to_string(height) +
                            " pixels, more than a frame needs; ask for a smaller --height");
    }
    const int width = std::max(1, static_cast<int>(exact_width));
    const double baseline = face->ascender * scale;
    const long baseline_row = std::lround(std::floor(baseline));
    const auto baseline_shift = static_cast<FT_Pos>(std::lround((baseline - baseline_row) * 64));

    // Coverage adds up where two glyphs share an edge pixel, as one outline's would.
    std::vector<int> coverage(static_cast<std::size_t>(width) * height, 0);
    for (std::size_t i = 0; i < frame.size(); ++i) {
        check(FT_Load_Glyph(face, ft_->glyph_of(static_cast<unsigned char>(frame[i])),
                            FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP),
              "cannot load a glyph");
        const auto pen_26_6 = static_cast<FT_Pos>(std::lround(pens[i] * scale * 64));
        FT_GlyphSlot slot = face->glyph;
        if (slot->format != FT_GLYPH_FORMAT_OUTLINE) continue;
        FT_Outline_Translate(&slot->outline, pen_26_6 & 63, -baseline_shift);
        check(FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL), "cannot render a glyph");
        const FT_Bitmap& bitmap = slot->bitmap;
        const long left = (pen_26_6 >> 6) + slot->bitmap_left;
        const long top = baseline_row - slot->bitmap_top;
        for (unsigned row = 0; row < bitmap.rows; ++row) {
            const long y = top + row;
            if (y < 0 || y >= height) continue;
            const unsigned char* src = bitmap.buffer + static_cast<long>(row) * bitmap.pitch;
            for (unsigned col = 0; col < bitmap.width; ++col) {
                const long x = left + col;
                if (x < 0 || x >= width) continue;
                coverage[static_cast<std::size_t>(y) * width + x] += src[col];
            }
        }
    }
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int ink = std::min(255, coverage[static_cast<std::size_t>(y) * width + x]);
            const auto level = static_cast<std::uint8_t>(255 - ink);
            image.at(x, y) = Pixel::pack(level, level, level);
        }
    }
    return image;
}

}  // namespace tolsy
