#include "picture/text_renderer_win.h"

#include <algorithm>
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

}  // namespace

GdiTextRenderer::GdiTextRenderer() : dc_(CreateCompatibleDC(nullptr)) {
    if (!dc_) throw std::runtime_error("Can't create compatible DC");
    // A memory device context has the screen's resolution: no screen context to ask for.
    pixels_per_inch_ = GetDeviceCaps(dc_.get(), LOGPIXELSY);
}

GdiTextRenderer::~GdiTextRenderer() {
    if (first_bitmap_ != nullptr) SelectObject(dc_.get(), first_bitmap_);
}

std::uint32_t* GdiTextRenderer::scratch_for(int width, int height) {
    if (width <= scratch_width_ && height <= scratch_height_) return scratch_bits_;
    const int new_width = std::max(width, scratch_width_);
    const int new_height = std::max(height, scratch_height_);
    std::uint32_t* bits = nullptr;
    // A top-down 32-bit DIB section, its pixels laid out like our images.
    UniqueBitmap bitmap = create_dib_section(new_width, new_height, &bits);
    if (!bitmap) throw std::runtime_error("Can't allocate the DIB handle");
    HGDIOBJ previous = SelectObject(dc_.get(), bitmap.get());
    if (first_bitmap_ == nullptr) first_bitmap_ = previous;
    scratch_ = std::move(bitmap);
    scratch_bits_ = bits;
    scratch_width_ = new_width;
    scratch_height_ = new_height;
    return bits;
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
    std::uint32_t* const bits = scratch_for(width, height);
    const std::size_t stride = static_cast<std::size_t>(scratch_width_);
    Image& image = canvas.image();
    const std::size_t row_bytes = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y)
        std::memcpy(bits + y * stride, image.row(target.top + y) + target.left, row_bytes);
    {
        // GDI writes into the scratch's top-left width x height pixels, which go back; what
        // it writes beyond them, a text running past the target, stays there unread.
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
    for (int y = 0; y < height; ++y) {
        std::uint32_t* out = image.row(target.top + y) + target.left;
        const std::uint32_t* in = bits + y * stride;
        for (int x = 0; x < width; ++x) {
            if (in[x] != out[x]) out[x] = in[x] | 0xFF000000u;
        }
    }
}

}  // namespace tolsy
