#include "skin/controls/skinned_controls_win.h"

#include <cstdlib>

#include "picture/text_renderer_win.h"
#include "skin/controls/control_paint.h"
#include "skin/controls/skinned_boxes_win.h"
#include "skin/controls/skinned_fields_win.h"
#include "skin/controls/skinned_pages_win.h"
#include "skin/controls/skinned_push_button_win.h"
#include "skin/paint/paint.h"

namespace tolsy {

TTeSkinFile* current_skin() {
    return dynamic_cast<TTeSkinFile*>(theme_manager().current());
}

TextRenderer& control_text() {
    static GdiTextRenderer renderer;
    return renderer;
}

std::uint32_t background_pixel(HWND parent) {
    const auto* form = dynamic_cast<const Form*>(Window::from_handle(parent));
    const COLORREF c = resolve_color(form != nullptr ? form->color() : 0xFF00000F);
    return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}

PaintFont paint_font(const FontSpec& font) {
    PaintFont out;
    out.face = font.name;
    // Points from the pixel height at 96 pixels per inch, rounded, so that the renderer's
    // pixel height comes out as the one asked for.
    out.size = (std::abs(font.height) * 72 + 48) / 96;
    out.charset = static_cast<std::uint8_t>(font.charset);
    out.bold = font.bold;
    out.italic = font.italic;
    return out;
}

std::vector<Rect> own_bands(HWND window, const Rect& area) {
    if ((GetWindowLongW(window, GWL_STYLE) & WS_CLIPCHILDREN) == 0) return {area};
    std::vector<Rect> children;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        // Its own flag: the parent painting is shown.
        if ((GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) == 0) continue;
        RECT r;
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        children.push_back({r.left, r.top, r.right, r.bottom});
    }
    return own_bands(area, children);
}

bool paint_parent_background(HWND child, Canvas& canvas) {
    HWND parent = GetParent(child);
    if (parent == nullptr) return false;
    POINT at{0, 0};
    MapWindowPoints(child, parent, &at, 1);
    const Point origin = canvas.origin();
    const Rect clip = canvas.clip();
    canvas.set_origin({origin.x - at.x, origin.y - at.y});
    if (!clip.empty()) canvas.set_clip(clip.offset(at.x, at.y));
    const bool painted =
        SendMessageW(parent, kPaintBackgroundMessage, reinterpret_cast<WPARAM>(&canvas), 0) == 1;
    canvas.set_origin(origin);
    canvas.set_clip(clip);
    return painted;
}

ThemeWatch::ThemeWatch(std::function<void()> changed) : changed_(std::move(changed)) {
    theme_manager().register_client(this);
}

ThemeWatch::~ThemeWatch() {
    theme_manager().unregister_client(this);
}

void ThemeWatch::theme_notify(ThemeCode, int) {
    if (changed_) changed_();
}

namespace {
class SkinnedControlFactory : public ControlFactory {
  public:
    std::unique_ptr<PushButton> push_button() override {
        return std::make_unique<SkinnedPushButton>();
    }
    std::unique_ptr<PageControl> page_control() override {
        return std::make_unique<SkinnedPageControl>();
    }
    std::unique_ptr<CheckBox> check_box() override { return std::make_unique<SkinnedCheckBox>(); }
    std::unique_ptr<Box> group_box() override { return std::make_unique<SkinnedGroupBox>(); }
    std::unique_ptr<Box> panel() override { return std::make_unique<SkinnedPanel>(); }
    std::unique_ptr<ComboBox> combo_box(ComboStyle style) override {
        return std::make_unique<SkinnedComboBox>(style);
    }
    std::unique_ptr<Edit> edit() override { return std::make_unique<SkinnedEdit>(); }
};
}  // namespace

ControlFactory& skinned_controls() {
    static SkinnedControlFactory factory;
    return factory;
}

}  // namespace tolsy
