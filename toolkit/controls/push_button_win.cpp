#include "toolkit/controls/push_button_win.h"

#include <cstring>

#include "base/windows1252_win.h"

namespace tolsy {

namespace {
constexpr int kGlyphSize = 16;
constexpr int kGlyphGap = 4;
constexpr COLORREF kKeyColor = RGB(0x7F, 0x00, 0x7F);

HBITMAP bitmap_of(const Image& image) {
    std::uint32_t* out = nullptr;
    UniqueBitmap bitmap = create_dib_section(image.width(), image.height(), &out);
    if (!bitmap) return nullptr;
    for (int y = 0; y < image.height(); ++y) {
        std::memcpy(out + static_cast<std::size_t>(y) * image.width(), image.row(y),
                    static_cast<std::size_t>(image.width()) * sizeof(std::uint32_t));
    }
    return bitmap.release();
}
}  // namespace

void PushButton::set_glyph(const Image& glyph) {
    glyph_ = glyph;
    glyph_bitmap_.reset(glyph_.empty() ? nullptr : bitmap_of(glyph_));
}

void PushButton::create(const Bounds& bounds, HWND parent) {
    owner_drawn_ = draws_itself();
    const DWORD kind = owner_drawn_ ? BS_OWNERDRAW : default_ ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    create_native(L"BUTTON", windows1252_to_wide(caption_), WS_TABSTOP | kind, 0, bounds, parent);
}

void PushButton::click() {
    SendMessageW(handle(), BM_CLICK, 0, 0);
}

LRESULT PushButton::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    // The platform's own button keeps its own default frame and clicks.
    if (!owner_drawn_) return default_control_message(message, wparam, lparam);
    if (message == WM_GETDLGCODE) {
        // A focused push button takes Enter for itself; otherwise the default button does.
        const bool takes_enter = GetFocus() == handle();
        return DLGC_BUTTON | (takes_enter ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    }
    if (message == WM_LBUTTONDBLCLK) return default_control_message(WM_LBUTTONDOWN, wparam, lparam);
    if (message == kPaintIntoMessage) return paint_owner_drawn_into(reinterpret_cast<HDC>(wparam));
    if (message == BM_SETSTYLE) {
        // Dialog navigation marks the default button by setting the push button styles, which
        // would end the owner drawing: the button stays owner-drawn.
        const WPARAM style = (wparam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
        return default_control_message(message, style, lparam);
    }
    return default_control_message(message, wparam, lparam);
}

bool PushButton::notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        if (on_click) on_click();
        return true;
    }
    if (message == WM_DRAWITEM) {
        draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
        result = TRUE;
        return true;
    }
    return false;
}

void PushButton::draw_glyph(HDC dc, int x, int y, bool disabled) const {
    if (!glyph_bitmap_) return;
    UniqueMemoryDc memory(CreateCompatibleDC(dc));
    SelectObjectScope select(memory.get(), glyph_bitmap_.get());
    const int source_x = disabled && glyph_.width() >= 2 * kGlyphSize ? kGlyphSize : 0;
    TransparentBlt(dc, x, y, kGlyphSize, kGlyphSize, memory.get(), source_x, 0, kGlyphSize,
                   kGlyphSize, kKeyColor);
}

void PushButton::draw(const DRAWITEMSTRUCT& di) {
    draw_platform_look(di);
}

void PushButton::draw_platform_look(const DRAWITEMSTRUCT& di) {
    HDC dc = di.hDC;
    RECT face = di.rcItem;
    const bool pushed = (di.itemState & ODS_SELECTED) != 0;
    const bool disabled = (di.itemState & ODS_DISABLED) != 0;
    const bool focused = (di.itemState & ODS_FOCUS) != 0;
    if (focused || default_) {
        FrameRect(dc, &face, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&face, -1, -1);
    }
    DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_FLAT : 0));
    if (pushed) FrameRect(dc, &face, GetSysColorBrush(COLOR_BTNSHADOW));

    const std::wstring text = windows1252_to_wide(caption_);
    SelectObjectScope font(
        dc, this->font() ? static_cast<HGDIOBJ>(this->font()) : GetStockObject(DEFAULT_GUI_FONT));
    RECT measured{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &measured,
              DT_SINGLELINE | DT_CALCRECT);
    const int glyph_width = glyph_bitmap_ ? kGlyphSize + kGlyphGap : 0;
    const int content = glyph_width + (measured.right - measured.left);
    const int shift = pushed ? 1 : 0;
    int x = face.left + (face.right - face.left - content) / 2 + shift;
    const int middle = (face.top + face.bottom) / 2 + shift;
    draw_glyph(dc, x, middle - kGlyphSize / 2, disabled);
    x += glyph_width;

    RECT text_area{x, middle - (measured.bottom - measured.top) / 2, face.right,
                   middle + (measured.bottom - measured.top) / 2 + 1};
    SetBkMode(dc, TRANSPARENT);
    if (disabled) {
        DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text.c_str()),
                   static_cast<WPARAM>(text.size()), text_area.left, text_area.top, 0, 0,
                   DST_PREFIXTEXT | DSS_DISABLED);
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_area, DT_SINGLELINE);
    }
    if (focused) {
        RECT focus = face;
        InflateRect(&focus, -3, -3);
        DrawFocusRect(dc, &focus);
    }
}

}  // namespace tolsy
