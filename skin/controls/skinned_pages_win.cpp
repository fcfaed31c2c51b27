#include "skin/controls/skinned_pages_win.h"

#include "base/windows1252_win.h"
#include "skin/controls/control_paint.h"

namespace tolsy {

SkinnedTabSheet::SkinnedTabSheet()
    : watch_([this] {
          if (handle()) InvalidateRect(handle(), nullptr, FALSE);
      }) {}

void SkinnedTabSheet::paint(HDC dc, const RECT& client) {
    TTeSkinFile* theme = current_skin();
    RECT box;
    if (theme == nullptr || GetClipBox(dc, &box) == ERROR) {
        TabSheet::paint(dc, client);
        return;
    }
    const Rect area{box.left, box.top, box.right, box.bottom};
    if (area.empty()) return;
    Image picture(area.width(), area.height(), background_pixel(handle()));
    Canvas canvas(picture);
    canvas.set_origin({-area.left, -area.top});
    TextRenderer& text = control_text();
    bool skinned = paint_background(canvas);
    for (const auto& button : speed_buttons()) {
        if (!skinned) break;
        const RECT r = button->rect();
        const Rect rect{r.left, r.top, r.right, r.bottom};
        if (!rect.meets(area)) continue;
        SpeedButtonLook look;
        look.state = button->visual_state();
        look.label = wide_to_windows1252_lossy(button->caption());
        look.font = paint_font(button->font());
        look.flat = button->flat();
        skinned = paint_speed_button(*theme, canvas, rect, look, text);
    }
    if (!skinned) {
        TabSheet::paint(dc, client);
        return;
    }
    put_picture(dc, picture, area.left, area.top);
}

bool SkinnedTabSheet::paint_background(Canvas& canvas) {
    TTeSkinFile* theme = current_skin();
    if (theme == nullptr) return false;
    RECT client;
    GetClientRect(handle(), &client);
    const Rect page{client.left, client.top, client.right, client.bottom};
    return paint_page_frame(*theme, canvas, page_frame_around(*theme, page), control_text());
}

LRESULT SkinnedTabSheet::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == kPaintBackgroundMessage)
        return paint_background(*reinterpret_cast<Canvas*>(wparam)) ? 1 : 0;
    return TabSheet::handle_message(message, wparam, lparam);
}

}  // namespace tolsy
