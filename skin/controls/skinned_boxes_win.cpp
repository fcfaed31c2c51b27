#include "skin/controls/skinned_boxes_win.h"

#include "skin/controls/control_paint.h"

namespace tolsy {

namespace {
void repaint(HWND window) {
    if (window) InvalidateRect(window, nullptr, FALSE);
}

Rect rect_of(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

// Composes the update area of a container off-screen: what lies behind it, then its own look;
// false (nothing copied) when the theme cannot paint it. An opaque container (the panel) paints
// only around its children; a transparent one (a group box) paints all of its area, its own
// look being mostly see-through and its children small.
template <class PaintLook>
bool compose(HWND window, HDC dc, bool around_children, PaintLook&& paint_look) {
    RECT box;
    if (current_skin() == nullptr || GetClipBox(dc, &box) == ERROR) return false;
    const Rect area = rect_of(box);
    if (area.empty()) return true;
    Image picture(area.width(), area.height(), background_pixel(GetParent(window)));
    Canvas canvas(picture);
    canvas.set_origin({-area.left, -area.top});
    // Under its children the window shows nothing of its own: painting there is lost work.
    for (const Rect& band : around_children ? own_bands(window, area) : std::vector<Rect>{area}) {
        canvas.set_clip(band);
        if (!paint_look(*current_skin(), canvas)) return false;
    }
    put_picture(dc, picture, area.left, area.top);
    return true;
}
}  // namespace

SkinnedGroupBox::SkinnedGroupBox() : watch_([this] { repaint(handle()); }) {}

void SkinnedGroupBox::paint(HDC dc, const RECT& client) {
    const bool skinned = compose(handle(), dc, false, [&](TTeSkinFile& theme, Canvas& canvas) {
        paint_parent_background(handle(), canvas);
        return paint_group_box(theme, canvas, rect_of(client), caption(), control_text());
    });
    if (!skinned) GroupBox::paint(dc, client);
}

LRESULT SkinnedGroupBox::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    // Transparent: behind its children lies what lies behind the group box.
    if (message == kPaintBackgroundMessage)
        return paint_parent_background(handle(), *reinterpret_cast<Canvas*>(wparam)) ? 1 : 0;
    return GroupBox::handle_message(message, wparam, lparam);
}

SkinnedPanel::SkinnedPanel() : watch_([this] { repaint(handle()); }) {}

void SkinnedPanel::paint(HDC dc, const RECT& client) {
    const bool skinned = compose(handle(), dc, true, [&](TTeSkinFile& theme, Canvas& canvas) {
        return paint_panel(theme, canvas, rect_of(client));
    });
    if (!skinned) Panel::paint(dc, client);
}

LRESULT SkinnedPanel::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == kPaintBackgroundMessage) {
        TTeSkinFile* theme = current_skin();
        RECT client;
        GetClientRect(handle(), &client);
        return theme != nullptr &&
                       paint_panel(*theme, *reinterpret_cast<Canvas*>(wparam), rect_of(client))
                   ? 1
                   : 0;
    }
    return Panel::handle_message(message, wparam, lparam);
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
