#include "skin/effects/effect_button_win.h"

#include <cstring>

#include "base/windows1252.h"
#include "base/windows1252_win.h"
#include "picture/canvas.h"
#include "skin/paint/push_button.h"
#include "skin/themes/skin_file_look.h"
#include "skin/themes/theme.h"
#include "skin/themes/theme_manager.h"

namespace tolsy {

namespace {

constexpr int kGlyphSize = 16;
constexpr int kGlyphGap = 4;

std::uint32_t system_pixel(int index) {
    const COLORREF c = GetSysColor(index);
    return Pixel::pack(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Runs `draw` on a memory device context holding the picture, then takes the picture back.
template <class F>
void draw_with_gdi(Image& picture, F&& draw) {
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), picture.width(), -picture.height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    UniqueBitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!dib) return;
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const std::size_t row_bytes = static_cast<std::size_t>(picture.width()) * 4;
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(pixels + static_cast<std::size_t>(y) * picture.width(), picture.row(y),
                    row_bytes);
    {
        UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
        SelectObjectScope select(dc.get(), dib.get());
        draw(dc.get());
        GdiFlush();
    }
    // GDI leaves the fourth byte of what it draws at zero: the look is opaque throughout.
    for (int y = 0; y < picture.height(); ++y) {
        const std::uint32_t* from = pixels + static_cast<std::size_t>(y) * picture.width();
        std::uint32_t* to = picture.row(y);
        for (int x = 0; x < picture.width(); ++x) to[x] = from[x] | 0xFF000000;
    }
}

}  // namespace

EffectHover::EffectHover(EffectExtras& settings, int sound_event, TransitionEngine& engine)
    : settings_(settings), sound_event_(sound_event), animator_(engine) {
    if (&engine == &transition_engine()) start_transition_clock();
}

void EffectHover::track(UINT message) {
    if (message == WM_MOUSEMOVE) {
        if (!tracking_) {
            TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hover_window(), 0};
            tracking_ = TrackMouseEvent(&t) != FALSE;
        }
        if (!hot_) mouse_enter();
    } else if (message == WM_MOUSELEAVE) {
        tracking_ = false;
        if (hot_) mouse_leave();
    }
}

void EffectHover::change(bool hot) {
    HWND window = hover_window();
    const bool applies = settings_.animation_applies(IsWindowEnabled(window) != FALSE, false);
    if (!applies) {
        animator_.stop(false);
        hot_ = hot;
        InvalidateRect(window, nullptr, FALSE);
        return;
    }
    RECT client{};
    GetClientRect(window, &client);
    canvas_.set_window(window);
    const TTeAdvancedAnimation& a = settings_.animation;
    animator_.animate(
        a, hot ? a.EffectMouseEnter : a.EffectMouseLeave, client.right, client.bottom,
        [this](Image& picture) { picture = paint_look(hot_); }, [this, hot] { hot_ = hot; },
        &canvas_);
    // Without a transition the next repaint shows the new look.
    if (!animator_.running()) InvalidateRect(window, nullptr, FALSE);
}

// Sounds: the wave list of this family is never attached in the program and playing waves is
// left to whoever attaches one; the choice of wave is made as for a list that plays.
void EffectHover::mouse_enter() {
    (void)settings_.wave_for(sound_event_, settings_.WaveInIndex());
    change(true);
}

void EffectHover::mouse_leave() {
    (void)settings_.wave_for(sound_event_, settings_.WaveOutIndex());
    change(false);
}

void EffectHover::paint_now(HDC dc) {
    if (animator_.running() && !canvas_.last_frame().empty()) {
        draw_picture(dc, canvas_.last_frame(), 0, 0);
    } else {
        draw_picture(dc, paint_look(hot_), 0, 0);
    }
}

TTeEffectButton::TTeEffectButton(TeEffectButton& component, TransitionEngine& engine)
    : EffectHover(component, kButtonSoundEvent, engine), component_(component) {}

void TTeEffectButton::set_glyph(const Image& glyph) {
    glyph_ = glyph;
    PushButton::set_glyph(glyph);
}

void TTeEffectButton::create(const Bounds& bounds, HWND parent) {
    PushButton::create(bounds, parent);
    // Drawn here in every case, with or without a glyph.
    const LONG_PTR style = GetWindowLongPtrW(handle(), GWL_STYLE);
    SetWindowLongPtrW(handle(), GWL_STYLE, (style & ~LONG_PTR{BS_TYPEMASK}) | BS_OWNERDRAW);
}

void TTeEffectButton::Click() {
    (void)wave_for_click();
    if (on_click) on_click();
}

int TTeEffectButton::wave_for_click() const {
    return component_.wave_for(kButtonSoundEvent, component_.WaveClickIndex());
}

LRESULT TTeEffectButton::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_MOUSEMOVE || message == WM_MOUSELEAVE) track(message);
    if (message == WM_GETDLGCODE) {
        const bool takes_enter = GetFocus() == handle();
        return DLGC_BUTTON | (takes_enter ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    }
    if (message == WM_LBUTTONDBLCLK) return default_control_message(WM_LBUTTONDOWN, wparam, lparam);
    return default_control_message(message, wparam, lparam);
}

bool TTeEffectButton::notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        Click();
        return true;
    }
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        pressed_ = (item.itemState & ODS_SELECTED) != 0;
        if (pressed_) end_transition();  // the pressed look shows at once
        paint_now(item.hDC);
        result = TRUE;
        return true;
    }
    return false;
}

Image TTeEffectButton::paint_look(bool hot) const {
    PushButtonStatus status;
    status.enabled = IsWindowEnabled(handle()) != FALSE;
    status.held_down = pressed_;
    status.pointer_over = hot;
    status.has_focus = focused();
    return paint_state(push_button_state(status));
}

Image TTeEffectButton::paint_state(VisualState state) const {
    RECT client{};
    GetClientRect(handle(), &client);
    Image picture(client.right, client.bottom, system_pixel(COLOR_BTNFACE));
    if (picture.empty()) return picture;
    Canvas canvas(picture);
    bool themed = false;
    if (TteTheme* theme = theme_manager().current()) {
        themed =
            theme->draw_button(kButtonKindPushFace, canvas, kDefaultThemeObject,
                               Rect::from_size(0, 0, picture.width(), picture.height()), state);
    }
    const bool pushed = state == VisualState::kPressed;
    const bool disabled = state == VisualState::kDisabled;
    const std::wstring text = windows1252_to_wide(caption());
    HFONT text_font = font() ? font() : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SIZE measured{};
    {
        UniqueMemoryDc probe(CreateCompatibleDC(nullptr));
        SelectObjectScope f(probe.get(), text_font);
        GetTextExtentPoint32W(probe.get(), text.c_str(), static_cast<int>(text.size()), &measured);
    }
    const int glyph_width = glyph_.empty() ? 0 : kGlyphSize + kGlyphGap;
    const int shift = pushed ? 1 : 0;
    const int x = (picture.width() - glyph_width - measured.cx) / 2 + shift;
    const int middle = picture.height() / 2 + shift;
    if (!glyph_.empty()) {
        const int source_x = disabled && glyph_.width() >= 2 * kGlyphSize ? kGlyphSize : 0;
        canvas.draw_image(glyph_, Rect::from_size(source_x, 0, kGlyphSize, kGlyphSize),
                          Rect::from_size(x, middle - kGlyphSize / 2, kGlyphSize, kGlyphSize),
                          DrawMode::kKeyCopy);
    }
    draw_with_gdi(picture, [&](HDC dc) {
        RECT face{0, 0, picture.width(), picture.height()};
        if (!themed)
            DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_FLAT : 0));
        SelectObjectScope f(dc, text_font);
        SetBkMode(dc, TRANSPARENT);
        const int tx = x + glyph_width;
        const int ty = middle - measured.cy / 2;
        if (disabled) {
            DrawStateW(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(text.c_str()),
                       static_cast<WPARAM>(text.size()), tx, ty, 0, 0,
                       DST_PREFIXTEXT | DSS_DISABLED);
        } else {
            SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
            RECT area{tx, ty, picture.width(), ty + measured.cy + 1};
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_SINGLELINE);
        }
        if (state == VisualState::kFocused || (focused() && !disabled)) {
            RECT focus = face;
            InflateRect(&focus, -3, -3);
            DrawFocusRect(dc, &focus);
        }
    });
    return picture;
}

}  // namespace tolsy

namespace tolsy {

namespace {

// A left press ends the running transition; the release is the click sound's moment.
template <class C>
void press_and_release(C& control, UINT message, const EffectExtras& settings) {
    if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) control.end_transition();
    if (message == WM_LBUTTONUP)
        (void)settings.wave_for(kCheckSoundEvent, settings.WaveClickIndex());
}

Image client_picture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return Image(client.right, client.bottom, system_pixel(COLOR_BTNFACE));
}

}  // namespace

TTeEffectCheckBox::TTeEffectCheckBox(TeEffectCheckBox& component, TransitionEngine& engine)
    : EffectHover(component, kCheckSoundEvent, engine), component_(component) {}

LRESULT TTeEffectCheckBox::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_MOUSEMOVE || message == WM_MOUSELEAVE) track(message);
    press_and_release(*this, message, component_);
    return CheckBox::control_message(message, wparam, lparam);
}

bool TTeEffectCheckBox::notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_DRAWITEM && !capturing_ && animating()) {
        paint_now(reinterpret_cast<const DRAWITEMSTRUCT*>(lparam)->hDC);
        result = TRUE;
        return true;
    }
    return CheckBox::notification(message, wparam, lparam, result);
}

Image TTeEffectCheckBox::paint_look(bool) const {
    // The toolkit's check box draws itself; it is asked to draw onto the picture.
    Image picture = client_picture(handle());
    if (picture.empty()) return picture;
    auto* self = const_cast<TTeEffectCheckBox*>(this);
    self->capturing_ = true;
    draw_with_gdi(picture, [&](HDC dc) {
        SendMessageW(handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    });
    self->capturing_ = false;
    return picture;
}

TTeEffectRadioButton::TTeEffectRadioButton(TeEffectRadioButton& component, TransitionEngine& engine)
    : EffectHover(component, kCheckSoundEvent, engine), component_(component) {
    checked_ = component.checked;
}

void TTeEffectRadioButton::create(const Bounds& bounds, HWND parent) {
    create_native(L"BUTTON", windows1252_to_wide(utf16_to_windows1252_lossy(component_.caption)),
                  WS_TABSTOP | BS_OWNERDRAW, 0, bounds, parent);
}

void TTeEffectRadioButton::set_checked(bool checked) {
    if (checked == checked_) return;
    checked_ = checked;
    component_.checked = checked;
    if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

LRESULT TTeEffectRadioButton::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_MOUSEMOVE || message == WM_MOUSELEAVE) track(message);
    press_and_release(*this, message, component_);
    switch (message) {
        case BM_GETCHECK:
            return checked_ ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            set_checked(wparam == BST_CHECKED);
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        default:
            return default_control_message(message, wparam, lparam);
    }
}

bool TTeEffectRadioButton::notification(UINT message, WPARAM wparam, LPARAM lparam,
                                        LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        // The others of the family on the same parent let go.
        for (HWND sibling = GetWindow(GetParent(handle()), GW_CHILD); sibling;
             sibling = GetWindow(sibling, GW_HWNDNEXT)) {
            auto* other = dynamic_cast<TTeEffectRadioButton*>(reflector_of(sibling));
            if (other && other != this) other->set_checked(false);
        }
        set_checked(true);
        if (on_click) on_click();
        return true;
    }
    if (message == WM_DRAWITEM) {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
        if (animating())
            paint_now(item.hDC);
        else
            draw(item.hDC, item.rcItem);
        result = TRUE;
        return true;
    }
    return false;
}

void TTeEffectRadioButton::draw(HDC dc, const RECT& area) const {
    constexpr int kMark = 13;
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    RECT mark{area.left, area.top + (area.bottom - area.top - kMark) / 2, area.left + kMark, 0};
    mark.bottom = mark.top + kMark;
    const bool enabled = IsWindowEnabled(handle()) != FALSE;
    DrawFrameControl(dc, &mark, DFC_BUTTON,
                     DFCS_BUTTONRADIO | (checked_ ? DFCS_CHECKED : 0) |
                         (enabled ? 0 : DFCS_INACTIVE) | (hot() ? DFCS_HOT : 0));
    const std::wstring text = windows1252_to_wide(utf16_to_windows1252_lossy(component_.caption));
    SelectObjectScope f(dc,
                        font() ? static_cast<HGDIOBJ>(font()) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    RECT text_area{mark.right + 5, area.top, area.right, area.bottom};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_area,
              DT_SINGLELINE | DT_VCENTER);
}

Image TTeEffectRadioButton::paint_look(bool) const {
    Image picture = client_picture(handle());
    if (picture.empty()) return picture;
    draw_with_gdi(picture, [&](HDC dc) {
        const RECT area{0, 0, picture.width(), picture.height()};
        draw(dc, area);
    });
    return picture;
}

}  // namespace tolsy
