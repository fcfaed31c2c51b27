#include "skin/controls/skinned_fields_win.h"

#include <algorithm>
#include <functional>

#include "base/windows1252_win.h"
#include "picture/put_picture_win.h"
#include "skin/controls/control_paint.h"
#include "skin/paint/paint.h"

namespace tolsy {

namespace {

Rect rect_of(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// Lets the platform paint the control into a scratch surface of its client size, so that it
// does whatever it does while painting (its notifications, its flags) without touching the
// screen. The surface is made like the paint's device context `like`, which saves asking the
// window system for another one.
void platform_paint_aside(HWND window, HDC like, const std::function<void(HDC)>& paint) {
    RECT client;
    GetClientRect(window, &client);
    UniqueMemoryDc scratch(CreateCompatibleDC(like));
    UniqueBitmap surface(CreateCompatibleBitmap(like, std::max<LONG>(1, client.right),
                                                std::max<LONG>(1, client.bottom)));
    if (!scratch || !surface) return;
    SelectObjectScope selected(scratch.get(), surface.get());
    paint(scratch.get());
}

// Starts or ends the hot look under the pointer; true when it changed.
bool track_hot(HWND window, bool& hot, UINT message) {
    if (message == WM_MOUSEMOVE && !hot) {
        hot = true;
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
        TrackMouseEvent(&track);
        return true;
    }
    if (message == WM_MOUSELEAVE && hot) {
        hot = false;
        return true;
    }
    return false;
}

bool has_focus_within(HWND window) {
    HWND focus = GetFocus();
    return focus != nullptr && (focus == window || IsChild(window, focus));
}

}  // namespace

SkinnedComboBox::SkinnedComboBox(ComboStyle style)
    : ComboBox(style), watch_([this] {
          if (handle()) InvalidateRect(handle(), nullptr, FALSE);
          if (HWND field = handle() ? edit_handle() : nullptr) InvalidateRect(field, nullptr, TRUE);
      }) {}

Image SkinnedComboBox::compose(TTeSkinFile& theme) {
    RECT client;
    GetClientRect(handle(), &client);
    const bool focused = has_focus_within(handle());
    ComboBoxLook look;
    look.state = !IsWindowEnabled(handle()) ? VisualState::kDisabled
                 : hot_                     ? VisualState::kHot
                 : focused                  ? VisualState::kFocused
                                            : VisualState::kNormal;
    look.dropped = SendMessageW(handle(), CB_GETDROPPEDSTATE, 0, 0) != FALSE;
    look.show_text = style() == ComboStyle::kPickOnly;
    if (look.show_text) look.text = wide_to_windows1252_lossy(text());
    look.font = paint_font(font_spec());
    look.flat = flat();
    look.focus_cue = look.show_text && focused;
    return combo_box_picture(theme, {client.right, client.bottom}, look, control_text(),
                             background_pixel(GetParent(handle())));
}

void SkinnedComboBox::fit_edit_field(TTeSkinFile& theme) {
    HWND field = edit_handle();
    if (field == nullptr) return;
    RECT client;
    GetClientRect(handle(), &client);
    const Rect button = combo_button_rect(theme, rect_of(client), flat());
    RECT r;
    GetWindowRect(field, &r);
    MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&r), 2);
    // The field must not cover the theme's drop button.
    if (!button.empty() && r.right > button.left)
        MoveWindow(field, r.left, r.top, std::max<LONG>(0, button.left - r.left), r.bottom - r.top,
                   TRUE);
}

bool SkinnedComboBox::paint(HDC into) {
    TTeSkinFile* theme = current_skin();
    if (theme == nullptr) return false;
    const Image picture = compose(*theme);
    if (picture.empty()) return false;
    fit_edit_field(*theme);
    PAINTSTRUCT ps;
    HDC dc = into != nullptr ? into : BeginPaint(handle(), &ps);
    if (HWND field = edit_handle()) {
        // The edit field paints itself; the picture goes around it.
        RECT r;
        GetWindowRect(field, &r);
        MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    put_picture(dc, picture, 0, 0);
    if (into == nullptr) EndPaint(handle(), &ps);
    return true;
}

LRESULT SkinnedComboBox::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT:
            if (wparam == 0 && paint()) return 0;
            break;
        case kPaintIntoMessage:
            if (paint(reinterpret_cast<HDC>(wparam))) return kPaintedInto;
            break;
        case WM_ERASEBKGND:
            if (current_skin() != nullptr) return 1;
            break;
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            if (track_hot(handle(), hot_, message)) InvalidateRect(handle(), nullptr, FALSE);
            break;
        case WM_CTLCOLOREDIT: {
            // The editable list's field, in the colours of the theme's list.
            TTeSkinFile* theme = current_skin();
            const TSeSkinObject* client =
                theme != nullptr ? theme->theme_part(kDefaultThemeObject, kSlotComboBox, "Client")
                                 : nullptr;
            if (client == nullptr || client->color == clNone) break;
            const std::uint32_t back = color_pixel(client->color);
            const COLORREF colour = RGB(Pixel::red(back), Pixel::green(back), Pixel::blue(back));
            if (!field_brush_ || colour != field_colour_) {
                field_brush_.reset(CreateSolidBrush(colour));
                field_colour_ = colour;
            }
            const TSeSkinObject* label =
                theme->theme_part(kDefaultThemeObject, kSlotComboBox, "Text");
            const std::uint32_t ink = label != nullptr ? color_pixel(label->font.color) : 0;
            HDC dc = reinterpret_cast<HDC>(wparam);
            SetTextColor(dc, RGB(Pixel::red(ink), Pixel::green(ink), Pixel::blue(ink)));
            SetBkColor(dc, colour);
            return reinterpret_cast<LRESULT>(field_brush_.get());
        }
        default:
            break;
    }
    return ComboBox::control_message(message, wparam, lparam);
}

SkinnedEdit::SkinnedEdit()
    : watch_([this] {
          if (handle())
              RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE);
      }) {}

Image SkinnedEdit::compose(TTeSkinFile& theme, POINT& client_at) {
    RECT window;
    GetWindowRect(handle(), &window);
    client_at = POINT{0, 0};
    MapWindowPoints(handle(), nullptr, &client_at, 1);
    client_at.x -= window.left;
    client_at.y -= window.top;
    const bool focused = GetFocus() == handle();
    EditLook look;
    look.state = !IsWindowEnabled(handle()) ? VisualState::kDisabled
                 : hot_                     ? VisualState::kHot
                 : focused                  ? VisualState::kFocused
                                            : VisualState::kNormal;
    look.text = wide_to_windows1252_lossy(text());
    look.font = paint_font(font_spec());
    if (!look.text.empty()) {
        // Where the platform puts the first character: the field's margin, less its scrolling.
        const LRESULT at = SendMessageW(handle(), EM_POSFROMCHAR, 0, 0);
        look.text_origin = {client_at.x + static_cast<short>(LOWORD(at)),
                            client_at.y + static_cast<short>(HIWORD(at))};
    }
    // The selection shows only while the line has the focus, as the platform's does.
    if (focused) {
        look.selection_start = selection_start();
        look.selection_end = selection_end();
    }
    return edit_picture(theme, {window.right - window.left, window.bottom - window.top}, look,
                        control_text(), background_pixel(GetParent(handle())));
}

bool SkinnedEdit::paint_border() {
    TTeSkinFile* theme = current_skin();
    if (theme == nullptr) return false;
    POINT client_at;
    const Image picture = compose(*theme, client_at);
    if (picture.empty()) return false;
    RECT client;
    GetClientRect(handle(), &client);
    HDC dc = GetWindowDC(handle());
    if (dc == nullptr) return false;
    ExcludeClipRect(dc, client_at.x, client_at.y, client_at.x + client.right,
                    client_at.y + client.bottom);
    put_picture(dc, picture, 0, 0);
    ReleaseDC(handle(), dc);
    return true;
}

bool SkinnedEdit::paint_client(HDC into) {
    TTeSkinFile* theme = current_skin();
    if (theme == nullptr) return false;
    POINT client_at;
    const Image picture = compose(*theme, client_at);
    if (picture.empty()) return false;
    PAINTSTRUCT ps;
    HDC dc = into != nullptr ? into : BeginPaint(handle(), &ps);
    platform_paint_aside(handle(), dc, [this](HDC scratch) {
        default_control_message(WM_PAINT, reinterpret_cast<WPARAM>(scratch), 0);
    });
    put_picture(dc, picture, -client_at.x, -client_at.y);
    if (into == nullptr) EndPaint(handle(), &ps);
    return true;
}

LRESULT SkinnedEdit::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_NCPAINT:
            if (paint_border()) return 0;
            break;
        case WM_PAINT:
            if (wparam == 0 && paint_client()) return 0;
            break;
        case kPaintIntoMessage:
            if (paint_client(reinterpret_cast<HDC>(wparam))) return kPaintedInto;
            break;
        case WM_ERASEBKGND:
            if (current_skin() != nullptr) return 1;
            break;
        case WM_MOUSEMOVE:
        case WM_MOUSELEAVE:
            if (track_hot(handle(), hot_, message))
                RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE);
            break;
        case WM_ENABLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            const LRESULT result = Edit::control_message(message, wparam, lparam);
            RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_NOERASE);
            return result;
        }
        default:
            break;
    }
    return Edit::control_message(message, wparam, lparam);
}

}  // namespace tolsy
