#pragma once
// The program's controls painted from the current theme. Each keeps the platform control (or
// the toolkit's window) it is built on, so keyboard, focus and accessibility stay the
// platform's; only the picture comes from the theme, composed off-screen by the portable code
// (skin/controls/control_paint.h) and put on the screen in one copy. Where there is no skin
// theme, or it has no object for a control, the control keeps the toolkit's own look.
#include <windows.h>

#include <functional>
#include <vector>

#include "picture/canvas.h"
#include "picture/image.h"
#include "picture/text_renderer.h"
#include "skin/themes/skin_file.h"
#include "skin/themes/theme_manager.h"
#include "toolkit/controls/control_builder_win.h"

namespace tolsy {

// The current theme when it is drawn from skin data; none otherwise.
TTeSkinFile* current_skin();
// The text renderer all skinned controls paint with.
TextRenderer& control_text();
// The opaque pixel of the background behind a control on `parent`: the colour of our window
// when the parent is one, else the button face.
std::uint32_t background_pixel(HWND parent);
// A platform font description as painting asks for it.
PaintFont paint_font(const FontSpec& font);

// The parts of `area` (client coordinates) a window paints itself: all of it, or, when the
// window clips its children, the bands around its visible children's rectangles.
std::vector<Rect> own_bands(HWND window, const Rect& area);

// Asked of a skinned container by a control on it: paint what lies behind your children into
// the canvas (wParam: Canvas*, in the container's client coordinates); answered with 1.
inline constexpr UINT kPaintBackgroundMessage = WM_USER + 0x0B80;
// Has the parent of `child` paint what lies behind the child into the canvas, whose logical
// coordinates are the child's client coordinates; false when the parent does not answer.
bool paint_parent_background(HWND child, Canvas& canvas);

// Calls back on every theme notification for as long as it lives.
class ThemeWatch : private ThemeClient {
  public:
    explicit ThemeWatch(std::function<void()> changed);
    ~ThemeWatch() override;
    ThemeWatch(const ThemeWatch&) = delete;
    ThemeWatch& operator=(const ThemeWatch&) = delete;

  private:
    void theme_notify(ThemeCode code, int param) override;
    std::function<void()> changed_;
};

// Makes the skinned kinds of the toolkit's controls; one for the whole program.
ControlFactory& skinned_controls();

}  // namespace tolsy
