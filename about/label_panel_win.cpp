#include "about/label_panel_win.h"

#include "base/handles_win.h"
#include "base/windows1252_win.h"

namespace tolsy {
namespace {
constexpr UINT kLabelText = DT_NOPREFIX;
}  // namespace

Win32LabelView::Win32LabelView(TBehaviorLabel& label, const FontSpec& font, COLORREF color,
                               UINT alignment)
    : label_(label),
      font_(create_font(font)),
      double_strike_(!draws_bold(font)),
      color_(color),
      alignment_(alignment) {}

TextExtent Win32LabelView::measure_text(const std::string& text) {
    if (text.empty()) return {0, 0};
    const std::wstring wide = windows1252_to_wide(text);
    WindowDc screen(nullptr);
    SelectObjectScope font(screen.get(), font_.get());
    RECT r{0, 0, 0, 0};
    draw_text(screen.get(), wide, r, kLabelText | DT_CALCRECT, double_strike_);
    return {r.right - r.left, r.bottom - r.top};
}

void Win32LabelView::changed() {
    if (panel_ && panel_->handle()) InvalidateRect(panel_->handle(), nullptr, FALSE);
}

void Win32LabelView::Paint(HDC dc) const {
    if (!label_.Visible() || label_.Width() <= 0 || label_.Height() <= 0) return;
    const std::wstring text = windows1252_to_wide(label_.display_text());
    RECT r{label_.Left(), label_.Top(), label_.Left() + label_.Width(),
           label_.Top() + label_.Height()};
    SelectObjectScope font(dc, font_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color_);
    // Without DT_NOCLIP the text is cut at the label's bounds, as a label cut short while
    // sliding in must be.
    draw_text(dc, text, r, kLabelText | alignment_, double_strike_);
}

LabelPanel::LabelPanel(int left, int top, int width, int height, COLORREF color)
    : left_(left), top_(top), width_(width), height_(height), color_(color) {}

void LabelPanel::create_window_on(HWND parent) {
    create(0, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, left_, top_, width_, height_, parent,
           nullptr);
}

void LabelPanel::add_label(TBehaviorLabel& label, Win32LabelView& view) {
    label.set_parent(this);
    label.set_view(&view);
    view.set_panel(this);
    views_.push_back(&view);
}

void LabelPanel::set_left(int left) {
    left_ = left;
    place();
}

void LabelPanel::set_width(int width) {
    width_ = width;
    place();
}

void LabelPanel::place() {
    if (handle()) MoveWindow(handle(), left_, top_, width_, height_, TRUE);
}

LRESULT LabelPanel::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            const PaintScope paint_scope(handle());
            HDC dc = paint_scope.dc();
            // Composed off screen so a sliding label does not flicker.
            RECT r{0, 0, width_, height_};
            UniqueMemoryDc memory(CreateCompatibleDC(dc));
            UniqueBitmap bitmap(CreateCompatibleBitmap(dc, width_ > 0 ? width_ : 1, height_));
            {
                SelectObjectScope select(memory.get(), bitmap.get());
                UniqueBrush brush(CreateSolidBrush(color_));
                FillRect(memory.get(), &r, brush.get());
                for (const Win32LabelView* view : views_) view->Paint(memory.get());
                BitBlt(dc, 0, 0, width_, height_, memory.get(), 0, 0, SRCCOPY);
            }
            return 0;
        }
        default:
            return Window::handle_message(message, wparam, lparam);
    }
}

}  // namespace tolsy
