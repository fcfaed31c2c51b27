#include "skin/controls/skinned_hint_win.h"

#include <commctrl.h>

#include <string>

#include "base/handles_win.h"
#include "base/windows1252_win.h"
#include "picture/put_picture_win.h"
#include "skin/controls/control_paint.h"
#include "skin/controls/skinned_controls_win.h"

namespace tolsy {

namespace {

constexpr UINT_PTR kHintSubclassId = 0x48494E54;  // "HINT"
// Marks a tool-tip window already painted from the theme.
constexpr wchar_t kSkinnedMark[] = L"TolsySkinnedHint";

// The whole tool-tip as the theme paints it, and where its client area lies in it; empty when
// the theme cannot paint it.
Image compose(HWND tip, POINT& client_at) {
    TTeSkinFile* theme = current_skin();
    if (theme == nullptr) return {};
    RECT window;
    GetWindowRect(tip, &window);
    client_at = POINT{0, 0};
    MapWindowPoints(tip, nullptr, &client_at, 1);
    client_at.x -= window.left;
    client_at.y -= window.top;
    const int length = GetWindowTextLengthW(tip);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(tip, text.data(), length + 1)));
    Image picture(window.right - window.left, window.bottom - window.top);
    Canvas canvas(picture);
    if (!paint_hint(*theme, canvas, Rect::from_size(0, 0, picture.width(), picture.height()),
                    wide_to_windows1252_lossy(text), control_text()))
        return {};
    return picture;
}

bool paint_border(HWND tip) {
    POINT client_at;
    const Image picture = compose(tip, client_at);
    if (picture.empty()) return false;
    RECT client;
    GetClientRect(tip, &client);
    HDC dc = GetWindowDC(tip);
    if (dc == nullptr) return false;
    ExcludeClipRect(dc, client_at.x, client_at.y, client_at.x + client.right,
                    client_at.y + client.bottom);
    put_picture(dc, picture, 0, 0);
    ReleaseDC(tip, dc);
    return true;
}

bool paint_client(HWND tip) {
    POINT client_at;
    const Image picture = compose(tip, client_at);
    if (picture.empty()) return false;
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(tip, &ps);
    put_picture(dc, picture, -client_at.x, -client_at.y);
    EndPaint(tip, &ps);
    return true;
}

LRESULT CALLBACK hint_proc(HWND tip, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR,
                           DWORD_PTR) {
    // No exception may leave a window procedure: on one, the platform paints.
    try {
        switch (message) {
            case WM_NCPAINT:
                if (paint_border(tip)) return 0;
                break;
            case WM_PAINT:
                if (wparam == 0 && paint_client(tip)) return 0;
                break;
            case WM_ERASEBKGND:
                if (current_skin() != nullptr) return 1;
                break;
            case WM_NCDESTROY:
                RemovePropW(tip, kSkinnedMark);
                RemoveWindowSubclass(tip, &hint_proc, kHintSubclassId);
                break;
            default:
                break;
        }
    } catch (...) {
    }
    return DefSubclassProc(tip, message, wparam, lparam);
}

// The hint's font as a platform font, made once and kept for the run (tool-tips borrow it).
HFONT hint_font_handle(TTeSkinFile& theme) {
    static UniqueFont font;
    if (!font) {
        const PaintFont wanted = hint_font(theme);
        WindowDc screen(nullptr);
        const int per_inch = screen.get() != nullptr ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
        const std::wstring face = windows1252_to_wide(wanted.face);
        font.reset(CreateFontW(-MulDiv(wanted.size, per_inch, 72), 0, 0, 0,
                               wanted.bold ? FW_BOLD : FW_NORMAL, wanted.italic, wanted.underline,
                               wanted.strikeout, wanted.charset, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face.c_str()));
    }
    return font.get();
}

}  // namespace

void skin_tool_tip(HWND tip) {
    if (tip == nullptr || GetPropW(tip, kSkinnedMark) != nullptr) return;
    TTeSkinFile* theme = current_skin();
    if (theme == nullptr || theme->theme_object(kDefaultThemeObject, kSlotHint) == nullptr) return;
    if (!SetWindowSubclass(tip, &hint_proc, kHintSubclassId, 0)) return;
    SetPropW(tip, kSkinnedMark, reinterpret_cast<HANDLE>(1));
    // Sized for the hint's font and text margins, so that the text fits the picture.
    if (HFONT font = hint_font_handle(*theme))
        SendMessageW(tip, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    const HintMargins m = hint_margins(*theme);
    RECT margin{m.left, m.top, m.right, m.bottom};
    SendMessageW(tip, TTM_SETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
}

}  // namespace tolsy
