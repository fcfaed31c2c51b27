#include "skin/controls/skinned_pages_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include "base/windows1252_win.h"
#include "picture/put_picture_win.h"
#include "skin/controls/control_paint.h"
#include "skin/controls/skinned_hint_win.h"

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
    update_buttons();
    Image picture = Image::uninitialized(area.width(), area.height());
    Canvas canvas(picture);
    canvas.set_origin({-area.left, -area.top});
    // Under its controls the page shows nothing of its own; its group boxes lie over it.
    for (const Rect& band : own_bands(handle(), area)) {
        canvas.set_clip(band);
        if (!page_.paint(*theme, canvas, {client.left, client.top, client.right, client.bottom},
                         buttons_, control_text(), background_pixel(handle())) ||
            !paint_box_looks(*this, canvas)) {
            TabSheet::paint(dc, client);
            return;
        }
    }
    put_picture(dc, picture, area.left, area.top);
}

void SkinnedTabSheet::update_buttons() {
    const auto& buttons = speed_buttons();
    const bool fresh = buttons_.size() != buttons.size();
    if (fresh) {
        buttons_.assign(buttons.size(), {});
        captions_.assign(buttons.size(), {});
        fonts_.assign(buttons.size(), {});
    }
    const auto same_font = [](const FontSpec& a, const FontSpec& b) {
        return a.name == b.name && a.height == b.height && a.charset == b.charset &&
               a.bold == b.bold && a.italic == b.italic;
    };
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const SpeedButton& button = *buttons[i];
        PageButton& kept = buttons_[i];
        const RECT r = button.rect();
        kept.rect = {r.left, r.top, r.right, r.bottom};
        kept.look.state = button.visual_state();
        kept.look.flat = button.flat();
        // The label and font are made anew only when the button's own change.
        if (fresh || captions_[i] != button.caption()) {
            captions_[i] = button.caption();
            kept.look.label = wide_to_windows1252_lossy(captions_[i]);
        }
        if (fresh || !same_font(fonts_[i], button.font())) {
            fonts_[i] = button.font();
            kept.look.font = paint_font(fonts_[i]);
        }
    }
}

bool SkinnedTabSheet::paint_background(Canvas& canvas) {
    TTeSkinFile* theme = current_skin();
    if (theme == nullptr) return false;
    RECT client;
    GetClientRect(handle(), &client);
    const Rect page{client.left, client.top, client.right, client.bottom};
    return paint_page_frame(*theme, canvas, page_frame_around(*theme, page), control_text()) &&
           paint_box_looks(*this, canvas);
}

LRESULT SkinnedTabSheet::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == kPaintBackgroundMessage)
        return paint_background(*reinterpret_cast<Canvas*>(wparam)) ? 1 : 0;
    const LRESULT result = TabSheet::handle_message(message, wparam, lparam);
    // The tool-tips come with the sheet's first showing; the pointer reaches the sheet before
    // any of them shows.
    if (message == WM_SHOWWINDOW || message == WM_MOUSEMOVE) skin_tool_tip(tool_tip().handle());
    return result;
}

SkinnedTabStrip::SkinnedTabStrip()
    : watch_([this] {
          if (handle()) InvalidateRect(handle(), nullptr, FALSE);
      }) {}

Image SkinnedTabStrip::compose() {
    TTeSkinFile* theme = current_skin();
    if (theme == nullptr) return {};
    RECT client;
    GetClientRect(handle(), &client);
    Image picture(client.right, client.bottom, background_pixel(GetParent(handle())));
    Canvas canvas(picture);
    TextRenderer& text = control_text();
    RECT page = client;
    SendMessageW(handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&page));
    if (!paint_page_frame(*theme, canvas,
                          page_frame_around(*theme, {page.left, page.top, page.right, page.bottom}),
                          text))
        return {};
    const int count = static_cast<int>(SendMessageW(handle(), TCM_GETITEMCOUNT, 0, 0));
    const int selected = static_cast<int>(SendMessageW(handle(), TCM_GETCURSEL, 0, 0));
    const bool focused = GetFocus() == handle();
    // The selected tab last: it overlaps its neighbours.
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < count; ++i) {
            if ((i == selected) != (pass == 1)) continue;
            RECT r;
            SendMessageW(handle(), TCM_GETITEMRECT, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&r));
            wchar_t caption[64] = {};
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = caption;
            item.cchTextMax = 64;
            SendMessageW(handle(), TCM_GETITEMW, static_cast<WPARAM>(i),
                         reinterpret_cast<LPARAM>(&item));
            TabLook look;
            look.state = i == selected ? VisualState::kFocused
                         : i == hot_   ? VisualState::kHot
                                       : VisualState::kNormal;
            look.caption = wide_to_windows1252_lossy(caption);
            look.focus_cue = focused && i == selected;
            Rect rect{r.left, r.top, r.right, r.bottom};
            // The selected tab stands out over the frame's top line.
            if (i == selected) rect = {r.left - 2, r.top - 2, r.right + 2, r.bottom + 1};
            if (!paint_tab(*theme, canvas, rect, look, text)) return {};
        }
    }
    return picture;
}

void SkinnedTabStrip::set_hot(int index) {
    if (index == hot_) return;
    hot_ = index;
    InvalidateRect(handle(), nullptr, FALSE);
}

LRESULT SkinnedTabStrip::control_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND:
            if (current_skin() != nullptr) return 1;
            break;
        case WM_PAINT: {
            if (wparam != 0) break;
            const Image picture = compose();
            if (picture.empty()) break;
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(handle(), &ps);
            put_picture(dc, picture, 0, 0);
            EndPaint(handle(), &ps);
            return 0;
        }
        case kPaintIntoMessage: {
            const Image picture = compose();
            if (picture.empty()) break;
            const auto dc = reinterpret_cast<HDC>(wparam);
            clip_to_window_region(handle(), dc);  // the pages' area is cut out of the row
            put_picture(dc, picture, 0, 0);
            return kPaintedInto;
        }
        case WM_MOUSEMOVE: {
            TCHITTESTINFO hit{{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)}, 0};
            set_hot(static_cast<int>(
                SendMessageW(handle(), TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))));
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, handle(), 0};
            TrackMouseEvent(&track);
            break;
        }
        case WM_MOUSELEAVE:
            set_hot(-1);
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: {
            const LRESULT result = TabStrip::control_message(message, wparam, lparam);
            InvalidateRect(handle(), nullptr, FALSE);
            return result;
        }
        default:
            break;
    }
    return TabStrip::control_message(message, wparam, lparam);
}

}  // namespace tolsy
