#include "toolkit/controls/form_win.h"

#include "base/windows1252_win.h"
#include "toolkit/components/colors.h"
#include "toolkit/controls/application_win.h"
#include "toolkit/controls/control_win.h"

#include <stdexcept>
#include <utility>

namespace tolsy {

COLORREF resolve_color(COLORREF color) {
    if ((color & kSystemColorFlag) == kSystemColorFlag)
        return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFF;
}

namespace {
int CALLBACK note_font_found(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool face_exists(HDC screen, const std::wstring& face) {
    bool found = false;
    EnumFontsW(screen, face.c_str(), &note_font_found, reinterpret_cast<LPARAM>(&found));
    return found;
}

// "MS Sans Serif" is a bitmap font that newer systems may lack; its outline successor, then
// Tahoma, take its place with the same metrics at height -11. Which one is looked up once: every
// control in the window's font asks, and each look-up enumerates the system's fonts.
std::wstring available_face(const std::wstring& face) {
    if (_wcsicmp(face.c_str(), L"MS Sans Serif") != 0) return face;
    // Empty: the face itself is there, or nothing that could stand in for it.
    static const std::wstring substitute = [&face]() -> std::wstring {
        WindowDc screen(nullptr);
        if (face_exists(screen.get(), face)) return {};
        for (const wchar_t* other : {L"Microsoft Sans Serif", L"Tahoma"})
            if (face_exists(screen.get(), other)) return other;
        return {};
    }();
    return substitute.empty() ? face : substitute;
}
}  // namespace

HFONT create_font(const FontSpec& font) {
    LOGFONTW lf{};
    lf.lfHeight = font.height;
    lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfCharSet = static_cast<BYTE>(font.charset);
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    const std::wstring face = available_face(windows1252_to_wide(font.name));
    lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

namespace {
// The dark pixels of a sample word drawn black on white in the font.
int ink_of(const FontSpec& asked) {
    UniqueFont font(create_font(asked));
    WindowDc screen(nullptr);
    UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    constexpr int kWidth = 240;
    constexpr int kHeight = 48;
    std::uint32_t* pixels = nullptr;
    UniqueBitmap bitmap = create_dib_section(kWidth, kHeight, &pixels);
    if (!bitmap) return 0;
    SelectObjectScope keep_bitmap(dc.get(), bitmap.get());
    SelectObjectScope keep_font(dc.get(), font.get());
    RECT all{0, 0, kWidth, kHeight};
    FillRect(dc.get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc.get(), RGB(0, 0, 0));
    SetBkMode(dc.get(), TRANSPARENT);
    TextOutW(dc.get(), 2, 2, L"Framewright", 11);
    GdiFlush();
    // Counted in the section's own memory: no call per pixel.
    int ink = 0;
    for (int i = 0; i < kWidth * kHeight; ++i) ink += ((pixels[i] >> 16) & 0xFF) < 128;
    return ink;
}
}  // namespace

bool draws_bold(const FontSpec& font) {
    if (!font.bold) return true;
    FontSpec regular = font;
    regular.bold = false;
    // Bold strokes are about twice as wide: clearly more ink than the regular style.
    return ink_of(font) * 4 > ink_of(regular) * 5;
}

int draw_text(HDC dc, const std::wstring& text, RECT& rect, UINT format, bool double_strike) {
    const int length = static_cast<int>(text.size());
    const int height = DrawTextW(dc, text.c_str(), length, &rect, format);
    if (!double_strike) return height;
    if (format & DT_CALCRECT) {
        rect.right += 1;
        return height;
    }
    RECT shifted = rect;
    OffsetRect(&shifted, 1, 0);
    return DrawTextW(dc, text.c_str(), length, &shifted, format);
}

Form::Form() {
    font_.reset(create_font(FontSpec{}));
}

Form::~Form() {
    if (handle() && Application::instance().main_window() == handle())
        Application::instance().set_main_window(nullptr);
}

void Form::set_caption(const std::string& caption) {
    caption_ = caption;
    if (handle()) SetWindowTextW(handle(), windows1252_to_wide(caption).c_str());
}

void Form::set_client_size(int width, int height) {
    client_width_ = width;
    client_height_ = height;
    if (!handle()) return;
    const SIZE size = window_size_for_client();
    SetWindowPos(handle(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE Form::window_size_for_client() const {
    if (frame_adjuster_) return frame_adjuster_(client_width_, client_height_);
    RECT r{0, 0, client_width_, client_height_};
    AdjustWindowRectEx(&r, window_style(), FALSE, window_ex_style());
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void Form::set_border_style(BorderStyle style) {
    set_border(style, border_icons_);
}

void Form::set_border_icons(BorderIcons icons) {
    set_border(border_style_, icons);
}

void Form::set_border(BorderStyle style, BorderIcons icons) {
    border_style_ = style;
    border_icons_ = icons;
    apply_styles();
}

void Form::set_form_style(FormStyle style) {
    if (form_style_ == style) return;
    form_style_ = style;
    if (handle())
        SetWindowPos(handle(), style == FormStyle::kStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0,
                     0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::set_color(COLORREF color) {
    color_ = color;
    if (handle()) InvalidateRect(handle(), nullptr, TRUE);
}

void Form::set_font(const FontSpec& font) {
    font_.reset(create_font(font));
    if (handle()) SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

DWORD Form::window_style() const {
    DWORD style = WS_CLIPCHILDREN;
    switch (border_style_) {
        case BorderStyle::kNone:
            style |= WS_POPUP;
            break;
        case BorderStyle::kSingle:
            style |= WS_CAPTION | WS_BORDER;
            break;
        case BorderStyle::kSizeable:
            style |= WS_CAPTION | WS_THICKFRAME;
            break;
        case BorderStyle::kDialog:
            style |= WS_CAPTION | WS_DLGFRAME;
            break;
    }
    if (border_style_ != BorderStyle::kNone) {
        if (border_icons_.system_menu) style |= WS_SYSMENU;
        if (border_icons_.minimize) style |= WS_MINIMIZEBOX;
        if (border_icons_.maximize) style |= WS_MAXIMIZEBOX;
    }
    return style;
}

DWORD Form::window_ex_style() const {
    DWORD ex = WS_EX_CONTROLPARENT | extra_ex_style_;
    if (form_style_ == FormStyle::kStayOnTop) ex |= WS_EX_TOPMOST;
    if (border_style_ == BorderStyle::kDialog) ex |= WS_EX_DLGMODALFRAME;
    if (border_icons_.help && !border_icons_.minimize && !border_icons_.maximize)
        ex |= WS_EX_CONTEXTHELP;
    return ex;
}

void Form::apply_styles() {
    if (!handle()) return;
    const LONG_PTR visible = GetWindowLongPtrW(handle(), GWL_STYLE) & WS_VISIBLE;
    SetWindowLongPtrW(handle(), GWL_STYLE, static_cast<LONG_PTR>(window_style()) | visible);
    const LONG_PTR topmost = GetWindowLongPtrW(handle(), GWL_EXSTYLE) & WS_EX_TOPMOST;
    SetWindowLongPtrW(handle(), GWL_EXSTYLE,
                      (static_cast<LONG_PTR>(window_ex_style()) & ~WS_EX_TOPMOST) | topmost);
    // A hidden window's frame is worked out again when it is next fitted or shown, once for any
    // number of changes before: each time is several requests to the window system.
    refit_frame_when_seen();
}

void Form::refit_frame() {
    if (!handle()) return;
    frame_stale_ = false;
    const SIZE size = window_size_for_client();
    SetWindowPos(handle(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

bool Form::refit_frame_when_seen() {
    if (handle() && !IsWindowVisible(handle())) {
        frame_stale_ = true;
        return false;
    }
    refit_frame();
    return true;
}

void Form::create_window(HWND owner, DWORD extra_ex_style) {
    extra_ex_style_ = extra_ex_style;
    const SIZE size = window_size_for_client();
    create(window_ex_style(), windows1252_to_wide(caption_).c_str(), window_style(), CW_USEDEFAULT,
           CW_USEDEFAULT, size.cx, size.cy, owner, nullptr);
    if (!handle()) throw std::runtime_error("Cannot create window");
    Application& app = Application::instance();
    if (!app.main_window()) app.set_main_window(handle());
    SendMessageW(handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    if (on_create) on_create();
}

void Form::center_on_screen() {
    // A frame left to work out is worked out in the same move, at its new size.
    const bool refit = std::exchange(frame_stale_, false);
    SIZE size;
    if (refit) {
        size = window_size_for_client();
    } else {
        RECT r;
        GetWindowRect(handle(), &r);
        size = {r.right - r.left, r.bottom - r.top};
    }
    const int x = (GetSystemMetrics(SM_CXSCREEN) - size.cx) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - size.cy) / 2;
    SetWindowPos(handle(), nullptr, x, y, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | (refit ? SWP_FRAMECHANGED : SWP_NOSIZE));
}

void Form::show() {
    if (!shown_once_) {
        shown_once_ = true;
        if (centered_) center_on_screen();
    }
    ShowWindow(handle(), SW_SHOW);
    SetForegroundWindow(handle());
}

void Form::hide() {
    ShowWindow(handle(), SW_HIDE);
}

bool Form::visible() const {
    return handle() && IsWindowVisible(handle());
}

void Form::show_modal() {
    HWND owner = GetWindow(handle(), GW_OWNER);
    const bool owner_was_enabled = owner && IsWindowEnabled(owner);
    if (owner_was_enabled) EnableWindow(owner, FALSE);
    modal_ = true;
    modal_done_ = false;
    show();
    MSG msg;
    bool quit = false;
    while (!modal_done_ && IsWindow(handle())) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            quit = true;
            break;
        }
        if (IsDialogMessageW(handle(), &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    // The owner must be enabled again before this form hides, so activation returns to it.
    if (owner_was_enabled) EnableWindow(owner, TRUE);
    if (handle()) hide();
    modal_ = false;
    if (quit) PostQuitMessage(static_cast<int>(msg.wParam));
}

void Form::close() {
    if (handle()) PostMessageW(handle(), WM_CLOSE, 0, 0);
}

void Form::paint_controls_if_just_shown() {
    // The erase of a window not on the screen yet (its frame worked out before the show) is not
    // the one that comes before its controls' paint.
    if (!just_shown_ || !IsWindowVisible(handle())) return;
    just_shown_ = false;
    // A device context over the controls, where the erase's leaves them out.
    HDC dc = GetDCEx(handle(), nullptr, DCX_CACHE);
    if (dc == nullptr) return;
    paint_children_at_once(handle(), dc);
    ReleaseDC(handle(), dc);
}

void Form::paint_background(HDC dc) {
    RECT r;
    GetClientRect(handle(), &r);
    UniqueBrush brush(CreateSolidBrush(resolve_color(color_)));
    FillRect(dc, &r, brush.get());
    paint_boxes(*this, dc);
}

LRESULT Form::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    Application& app = Application::instance();
    switch (message) {
        case WM_ERASEBKGND:
            paint_background(reinterpret_cast<HDC>(wparam));
            paint_controls_if_just_shown();
            return 1;
        case WM_SYSCOMMAND: {
            // The platform maximises or sizes on request whatever the frame shows; a fixed
            // window refuses both.
            const WPARAM command = wparam & 0xFFF0;
            if (command == SC_MAXIMIZE && !border_icons_.maximize) return 0;
            if (command == SC_SIZE && border_style_ != BorderStyle::kSizeable) return 0;
            break;
        }
        case DM_GETDEFID:
            if (default_button_id_) return MAKELRESULT(default_button_id_, DC_HASDEFID);
            return 0;
        case WM_SHOWWINDOW:
            // However it is shown, a frame left to work out is worked out before it is seen.
            if (wparam && frame_stale_) refit_frame();
            if (wparam && on_show) on_show();
            just_shown_ = wparam != FALSE;
            break;
        case WM_ACTIVATE:
            if (LOWORD(wparam) != WA_INACTIVE && on_activate) on_activate();
            break;
        case WM_SIZE:
            if (app.main_window() == handle()) {
                if (wparam == SIZE_MINIMIZED && !minimized_) {
                    minimized_ = true;
                    app.notify_minimize();
                } else if (wparam == SIZE_RESTORED && minimized_) {
                    minimized_ = false;
                    app.notify_restore();
                }
            }
            break;
        case WM_CLOSE:
            if (on_close) on_close();
            if (modal_) {
                modal_done_ = true;
            } else if (app.main_window() == handle()) {
                hide();
                app.terminate();
            } else {
                hide();
            }
            return 0;
        default:
            break;
    }
    return Window::handle_message(message, wparam, lparam);
}

}  // namespace tolsy
