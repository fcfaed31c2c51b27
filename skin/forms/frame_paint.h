#pragma once
// Painting a skinned window's frame into a picture: the frame and caption background, the
// caption text cut to its place, then each present caption button in its state (close, window
// icon, minimise or restore, maximise or restore, help, roll up or down, tray). The window icon's
// picture itself is the platform's and is drawn over it afterwards.
#include <string_view>

#include "picture/image.h"
#include "skin/forms/frame_rules.h"
#include "skin/themes/theme.h"

namespace tolsy {

// Paints the whole frame into `picture`, which has the window's size (info.window).
void paint_frame_picture(TteTheme& theme, int frame_kind, std::string_view object,
                         const FrameWindowInfo& info, const CaptionMouse& mouse, Image& picture);

// The picture a paint in a given performance mode draws into: a fresh one for no buffer and the
// double buffer, one shared by all forms, or the form's own kept from paint to paint.
Image& frame_buffer(TTeFormPerformance mode, Image& fresh, Image& persistent);

}  // namespace tolsy
