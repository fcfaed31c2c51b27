#include "skin/effects/effect_button_win.h"

#include <cstring>

#include "base/windows1252.h"
#include "base/windows1252_win.h"
#include "picture/canvas.h"
#include "picture/put_picture_win.h"

namespace tolsy {

namespace {

// Runs `draw` on a memory device context holding the picture, then takes the picture back.
template <class F>
void draw_with_gdi(Image& picture, F&& draw) {
    std::uint32_t* pixels = nullptr;
    UniqueBitmap dib = create_dib_section(picture.width(), picture.height(), &pixels);
    if (!dib) return;
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

Image client_picture(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return Image(client.right, client.bottom, background_pixel(GetParent(window)));
}

}  // namespace

EffectHover::EffectHover(EffectExtras& settings, int sound_event, TransitionEngine& engine)
    : settings_(settings),
      sound_event_(sound_event),
      animator_(engine),
      program_clock_(&engine == &transition_engine()) {}

// Sounds: no wave list is attached in the program, and playing one is left to whoever attaches
// one; the wave is chosen as for a list that plays.
void EffectHover::hover_change(bool entering, const std::function<void()>& change,
                               TransitionCanvas& canvas) {
    (void)settings_.wave_for(sound_event_,
                             entering ? settings_.WaveInIndex() : settings_.WaveOutIndex());
    HWND window = hover_window();
    if (!settings_.animation_applies(IsWindowEnabled(window) != FALSE, false)) {
        animator_.stop(false);
        change();
        InvalidateRect(window, nullptr, FALSE);
        return;
    }
    // The program's clock (a window of its own) is made for the first transition, not with the
    // control: start-up makes no window it does not show.
    if (program_clock_) start_transition_clock();
    RECT client{};
    GetClientRect(window, &client);
    const TTeAdvancedAnimation& a = settings_.animation;
    animator_.animate(
        a, entering ? a.EffectMouseEnter : a.EffectMouseLeave, client.right, client.bottom,
        [this](Image& picture) { picture = paint_look(); }, change, &canvas);
    // Without a transition the next repaint shows the new look.
    if (!animator_.running()) InvalidateRect(window, nullptr, FALSE);
}

TTeEffectButton::TTeEffectButton(TeEffectButton& component, TransitionEngine& engine)
    : EffectHover(component, kButtonSoundEvent, engine), component_(component) {}

void TTeEffectButton::Click() {
    (void)component_.wave_for(kButtonSoundEvent, component_.WaveClickIndex());
    if (on_click) on_click();
}

LRESULT TTeEffectButton::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    const bool entering = message == WM_MOUSEMOVE && !hot();
    const bool leaving = message == WM_MOUSELEAVE && hot();
    if (!entering && !leaving) return SkinnedPushButton::control_message(message, wparam, lparam);
    LRESULT result = 0;
    hover_change(
        entering, [&] { result = SkinnedPushButton::control_message(message, wparam, lparam); },
        frames_);
    // Until the first frame the face stands where the transition starts.
    if (animating()) {
        face_ = transition_start();
        repaint();
    }
    return result;
}

bool TTeEffectButton::notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        Click();
        return true;
    }
    return SkinnedPushButton::notification(message, wparam, lparam, result);
}

bool TTeEffectButton::paint_face(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                                 const PushButtonLook& look) {
    if (look.state == VisualState::kPressed) end_transition();  // the pressed look at once
    if (animating() && face_.width() == rect.width() && face_.height() == rect.height()) {
        canvas.draw_image(face_, Rect::from_size(0, 0, face_.width(), face_.height()), rect,
                          DrawMode::kCopy);
        return true;
    }
    return SkinnedPushButton::paint_face(theme, canvas, rect, look);
}

Image TTeEffectButton::paint_look() const {
    TTeSkinFile* theme = current_skin();
    Image picture = client_picture(handle());
    if (theme == nullptr || picture.empty()) return Image();
    PushButtonLook look;
    look.state = visual_state();
    look.caption = caption();
    look.glyph = &glyph();
    look.focus_cue = GetFocus() == handle();
    Canvas canvas(picture);
    if (!paint_push_face(*theme, canvas, Rect::from_size(0, 0, picture.width(), picture.height()),
                         look))
        return Image();
    return picture;
}

void TTeEffectButton::Frames::draw(const Image& frame, int, int) {
    owner.face_ = frame;
    owner.repaint();
    if (owner.handle()) UpdateWindow(owner.handle());
}

void TrackedHover::track(UINT message) {
    if (message == WM_MOUSEMOVE) {
        if (!tracking_) {
            TRACKMOUSEEVENT t{sizeof t, TME_LEAVE, hover_window(), 0};
            tracking_ = TrackMouseEvent(&t) != FALSE;
        }
        if (!hot_) {
            canvas_.set_window(hover_window());
            hover_change(
                true, [this] { hot_ = true; }, canvas_);
        }
    } else if (message == WM_MOUSELEAVE) {
        tracking_ = false;
        if (hot_)
            hover_change(
                false, [this] { hot_ = false; }, canvas_);
    } else if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {
        end_transition();
    } else if (message == WM_LBUTTONUP) {
        (void)settings_.wave_for(kCheckSoundEvent, settings_.WaveClickIndex());
    }
}

void TrackedHover::paint_now(HDC dc) {
    if (animating() && !canvas_.last_frame().empty()) {
        put_picture(dc, canvas_.last_frame(), 0, 0);
    } else {
        put_picture(dc, paint_look(), 0, 0);
    }
}

TTeEffectCheckBox::TTeEffectCheckBox(TeEffectCheckBox& component, TransitionEngine& engine)
    : TrackedHover(component, kCheckSoundEvent, engine) {}

LRESULT TTeEffectCheckBox::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    track(message);
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

Image TTeEffectCheckBox::paint_look() const {
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
    : TrackedHover(component, kCheckSoundEvent, engine), component_(component) {
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
    track(message);
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

Image TTeEffectRadioButton::paint_look() const {
    Image picture = client_picture(handle());
    if (picture.empty()) return picture;
    draw_with_gdi(picture, [&](HDC dc) {
        draw(dc, RECT{0, 0, picture.width(), picture.height()});
    });
    return picture;
}

}  // namespace tolsy
