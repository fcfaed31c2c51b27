#include "skin/controls/skinned_push_button_win.h"

#include <algorithm>
#include <vector>

#include "picture/put_picture_win.h"
#include "skin/paint/push_button.h"

namespace tolsy {

namespace {
std::vector<SkinnedPushButton*>& live_buttons() {
    static std::vector<SkinnedPushButton*> buttons;
    return buttons;
}
}  // namespace

SkinnedPushButton::SkinnedPushButton() : watch_([this] { repaint(); }) {
    live_buttons().push_back(this);
}

SkinnedPushButton::~SkinnedPushButton() {
    auto& buttons = live_buttons();
    buttons.erase(std::remove(buttons.begin(), buttons.end(), this), buttons.end());
}

bool SkinnedPushButton::other_button_focused() const {
    HWND focus = GetFocus();
    if (focus == nullptr || focus == handle()) return false;
    if (GetAncestor(focus, GA_ROOT) != GetAncestor(handle(), GA_ROOT)) return false;
    const LRESULT code = SendMessageW(focus, WM_GETDLGCODE, 0, 0);
    return (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
}

VisualState SkinnedPushButton::visual_state() const {
    PushButtonStatus status;
    status.enabled = IsWindowEnabled(handle()) != FALSE;
    status.held_down = (SendMessageW(handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    status.pointer_over = hot_;
    status.has_focus = GetFocus() == handle();
    status.is_active_default = is_default() && !other_button_focused();
    return push_button_state(status);
}

SkinnedPushButton::Shown SkinnedPushButton::wanted(int width, int height) const {
    return Shown{visual_state(), GetFocus() == handle(), width, height};
}

void SkinnedPushButton::refresh() {
    if (!handle() || !shown_) return;
    if (wanted(shown_->width, shown_->height) == *shown_) return;
    InvalidateRect(handle(), nullptr, FALSE);
}

void SkinnedPushButton::refresh_all() {
    for (SkinnedPushButton* button : live_buttons()) button->refresh();
}

void SkinnedPushButton::repaint() {
    shown_.reset();
    if (handle()) InvalidateRect(handle(), nullptr, FALSE);
}

bool SkinnedPushButton::paint_face(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                                   const PushButtonLook& look) {
    return paint_push_face(theme, canvas, rect, look);
}

void SkinnedPushButton::draw(const DRAWITEMSTRUCT& item) {
    const RECT& r = item.rcItem;
    const Shown now = wanted(r.right - r.left, r.bottom - r.top);
    if (!shown_ || !(*shown_ == now)) {
        TTeSkinFile* theme = current_skin();
        PushButtonLook look;
        look.state = now.state;
        look.caption = caption();
        look.glyph = &glyph();
        look.focus_cue = now.focus_cue;
        Image picture(now.width, now.height, background_pixel(GetParent(handle())));
        Canvas canvas(picture);
        const Rect rect = Rect::from_size(0, 0, now.width, now.height);
        if (theme == nullptr || !paint_face(*theme, canvas, rect, look)) {
            shown_.reset();
            draw_platform_look(item);
            return;
        }
        paint_push_content(*theme, canvas, rect, look, control_text());
        picture_ = std::move(picture);
        shown_ = now;
    }
    put_picture(item.hDC, picture_, r.left, r.top);
}

LRESULT SkinnedPushButton::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the picture covers every pixel
        case WM_MOUSEMOVE:
            if (!hot_) {
                hot_ = true;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle(), 0};
                TrackMouseEvent(&track);
                refresh();
            }
            break;
        case WM_MOUSELEAVE:
            hot_ = false;
            refresh();
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE: {
            const LRESULT result = PushButton::control_message(message, wparam, lparam);
            refresh_all();
            return result;
        }
        default:
            break;
    }
    return PushButton::control_message(message, wparam, lparam);
}

}  // namespace tolsy
