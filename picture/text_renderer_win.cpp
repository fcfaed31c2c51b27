#include "picture/text_renderer_win.h"

#include <cstring>
#include <stdexcept>
#include <string>

#include "base/windows1252_win.h"

namespace tolsy {

namespace {

UINT format_of(TextPlacement placement) {
    UINT format = DT_SINGLELINE | DT_NOPREFIX;
    switch (placement.horizontal) {
        case HAlign::kLeft:
            format |= DT_LEFT;
            break;
        case HAlign::kCenter:
            format |= DT_CENTER;
            break;
        case HAlign::kRight:
            format |= DT_RIGHT;
            break;
    }
    switch (placement.vertical) {
        case VAlign::kTop:
            format |= DT_TOP;
            break;
        case VAlign::kCenter:
            format |= DT_VCENTER;
            break;
        case VAlign::kBottom:
            format |= DT_BOTTOM;
            break;
    }
    return format;
}

// A top-down 32-bit DIB section whose pixels are laid out like our images.
UniqueBitmap make_dib(int width, int height, std::uint32_t** bits) {
    UniqueBitmap bitmap = create_dib_section(width, height, bits);
    if (!bitmap) throw std::runtime_error("Can't allocate the DIB handle");
    return bitmap;
}

}  // namespace

GdiTextRenderer::GdiTextRenderer() : dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_) throw std::runtime_error("Can't create compatible DC");
    WindowDc screen(nullptr);
    if (screen.get() != nullptr) pixels_per_inch_ = GetDeviceCaps(screen.get(), LOGPIXELSY);
}

HFONT GdiTextRenderer::font_for(const PaintFont& font) {
    for (const auto& [wanted, handle] : fonts_) {
        if (wanted == font) return handle.get();
    }
    const std::wstring face = windows1252_to_wide(font.face);
    UniqueFont handle(CreateFontW(
        -MulDiv(font.size, pixels_per_inch_, 72), 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
        font.italic, font.underline, font.strikeout, font.charset, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str()));
    if (!handle) throw std::runtime_error("Can't create the font " + font.face);
    fonts_.emplace_back(font, std::move(handle));
    return fonts_.back().second.get();
}

Size GdiTextRenderer::measure(std::string_view text, const PaintFont& font) {
    const std::wstring w = windows1252_to_wide(text);
    SelectObjectScope selected(dc_.get(), font_for(font));
    SIZE size{};
    GetTextExtentPoint32W(dc_.get(), w.c_str(), static_cast<int>(w.size()), &size);
    if (w.empty()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc_.get(), &metrics);
        size.cy = metrics.tmHeight;
    }
    return {size.cx, size.cy};
}

void GdiTextRenderer::draw(Canvas& canvas, std::string_view text, const PaintFont& font,
                           std::uint32_t colour, const Rect& rect, TextPlacement placement) {
    const Rect target = canvas.to_device(rect).intersect(canvas.device_clip());
    // Inside the image, so both sizes are small and positive.
    const int width = target.width();
    const int height = target.height();
    if (width <= 0 || height <= 0 || text.empty()) return;
    std::uint32_t* bits = nullptr;
    UniqueBitmap dib = make_dib(width, height, &bits);
    Image& image = canvas.image();
    const std::size_t row_bytes = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
        std::memcpy(bits + static_cast<std::size_t>(y) * static_cast<std::size_t>(width),
                    image.row(target.top + y) + target.left, row_bytes);
    }
    {
        SelectObjectScope bitmap(dc_.get(), dib.get());
        SelectObjectScope selected_font(dc_.get(), font_for(font));
        SetBkMode(dc_.get(), TRANSPARENT);
        SetTextColor(dc_.get(), RGB(Pixel::red(colour), Pixel::green(colour), Pixel::blue(colour)));
        const Rect full = canvas.to_device(rect).offset(-target.left, -target.top);
        RECT box{full.left, full.top, full.right, full.bottom};
        const std::wstring w = windows1252_to_wide(text);
        DrawTextW(dc_.get(), w.c_str(), static_cast<int>(w.size()), &box, format_of(placement));
        GdiFlush();
    }
    // GDI clears the alpha byte of the pixels it writes: those come back opaque.
    for (int y = 0; y < target.height(); ++y) {
        std::uint32_t* out = image.row(target.top + y) + target.left;
        const std::uint32_t* in = bits + static_cast<std::size_t>(y) * target.width();
        for (int x = 0; x < target.width(); ++x) {
            if (in[x] != out[x]) out[x] = in[x] | 0xFF000000u;
        }
    }
}

}  // namespace tolsy
