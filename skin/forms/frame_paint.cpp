#include "skin/forms/frame_paint.h"

namespace tolsy {

void paint_frame_picture(TteTheme& theme, int kind, std::string_view object,
                         const FrameWindowInfo& info, const CaptionMouse& mouse, Image& picture) {
    // Every frame pixel is painted below and the client area is never copied from the picture,
    // so a new picture need not be cleared first.
    if (picture.width() != info.window.width() || picture.height() != info.window.height())
        picture = Image::uninitialized(info.window.width(), info.window.height());
    Canvas canvas(picture);
    theme.draw_window(kind, object, canvas, info);
    const Rect text = theme.caption_text_rect(kind, object, info);
    if (!text.empty()) theme.draw_caption_text(kind, object, canvas, text, info);
    static constexpr int kOrder[] = {kCaptionClose,    kCaptionIcon,
                                     kCaptionMinimize, kCaptionRestoreMinimized,
                                     kCaptionMaximize, kCaptionRestoreMaximized,
                                     kCaptionHelp,     kCaptionRollUp,
                                     kCaptionRollDown, kCaptionTray};
    CaptionMouse state = mouse;
    state.active = info.active;
    for (int button : kOrder) {
        if (!(info.buttons & caption_button_bit(button))) continue;
        const Rect r = theme.caption_button_rect(kind, object, info, button);
        if (!r.empty())
            theme.draw_caption_button(kind, object, canvas,
                                      {r, button, caption_button_state(button, state)});
    }
}

Image& frame_buffer(TTeFormPerformance mode, Image& fresh, Image& persistent) {
    static Image shared;
    switch (mode) {
        case TTeFormPerformance::ksfpSharedBuffer:
            return shared;
        case TTeFormPerformance::ksfpPersistentBuffer:
            return persistent;
        default:
            fresh = Image();
            return fresh;
    }
}

}  // namespace tolsy
