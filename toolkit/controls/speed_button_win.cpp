#include "toolkit/controls/speed_button_win.h"

namespace tolsy {

RECT SpeedButton::rect() const {
    return RECT{bounds_.left, bounds_.top, bounds_.left + bounds_.width,
                bounds_.top + bounds_.height};
}

void SpeedButton::set_font(const FontSpec& font) {
    font_spec_ = font;
    has_font_ = true;
    font_.reset();
}

VisualState SpeedButton::visual_state() const {
    if (down_ && hot_) return VisualState::kPressed;
    return hot_ ? VisualState::kHot : VisualState::kNormal;
}

void SpeedButton::paint(HDC dc) const {
    RECT r = rect();
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const VisualState state = visual_state();
    const bool pressed = state == VisualState::kPressed;
    if (pressed) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    } else if (state == VisualState::kHot || !flat_) {
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    if (has_font_ && !font_) font_.reset(create_font(font_spec_));
    SelectObjectScope font(
        dc, font_ ? static_cast<HGDIOBJ>(font_.get()) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    if (pressed) OffsetRect(&r, 1, 1);
    DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace tolsy
