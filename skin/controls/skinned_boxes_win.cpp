#include "skin/controls/skinned_boxes_win.h"

#include "picture/put_picture_win.h"
#include "skin/controls/control_paint.h"

namespace tolsy {

namespace {
void repaint(HWND window) {
    if (window) InvalidateRect(window, nullptr, FALSE);
}

Rect rect_of(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}
}  // namespace

SkinnedGroupBox::SkinnedGroupBox() : watch_([this] { repaint(); }) {}

bool SkinnedGroupBox::paint_look(Canvas& canvas) const {
    TTeSkinFile* theme = current_skin();
    return theme != nullptr &&
           paint_group_box(*theme, canvas, rect_of(rect()), caption(), control_text());
}

SkinnedPanel::SkinnedPanel() : watch_([this] { repaint(); }) {}

bool SkinnedPanel::paint_look(Canvas& canvas) const {
    TTeSkinFile* theme = current_skin();
    return theme != nullptr && paint_panel(*theme, canvas, rect_of(rect()));
}

SkinnedCheckBox::SkinnedCheckBox() : watch_([this] { repaint(handle()); }) {}

void SkinnedCheckBox::draw(const DRAWITEMSTRUCT& item) {
    TTeSkinFile* theme = current_skin();
    const RECT& r = item.rcItem;
    if (theme == nullptr) {
        draw_platform_look(item);
        return;
    }
    CheckBoxLook look;
    look.state = (item.itemState & ODS_DISABLED)   ? VisualState::kDisabled
                 : (item.itemState & ODS_SELECTED) ? VisualState::kPressed
                 : hot_                            ? VisualState::kHot
                                                   : VisualState::kNormal;
    look.checked = checked();
    look.caption = caption();
    look.font = paint_font(font_spec());
    look.gap = caption_gap();
    look.focus_cue = (item.itemState & ODS_FOCUS) != 0;
    Image picture(r.right - r.left, r.bottom - r.top, background_pixel(GetParent(handle())));
    Canvas canvas(picture);
    canvas.set_origin({-r.left, -r.top});
    paint_parent_background(handle(), canvas);
    if (!paint_check_box(*theme, canvas, rect_of(r), look, control_text())) {
        draw_platform_look(item);
        return;
    }
    put_picture(item.hDC, picture, r.left, r.top);
}

LRESULT SkinnedCheckBox::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            if (!hot_) {
                hot_ = true;
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle(), 0};
                TrackMouseEvent(&track);
                repaint(handle());
            }
            break;
        case WM_MOUSELEAVE:
            hot_ = false;
            repaint(handle());
            break;
        default:
            break;
    }
    return CheckBox::control_message(message, wparam, lparam);
}

}  // namespace tolsy
