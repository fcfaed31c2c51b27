#include "toolkit/controls/group_box_win.h"

#include "base/windows1252_win.h"

namespace tolsy {

namespace {
// The caption starts this far in from the frame's left edge, with this much room around it.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;
}  // namespace

void GroupBox::paint(HDC dc) const {
    SelectObjectScope font(
        dc, this->font() ? static_cast<HGDIOBJ>(this->font()) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    const RECT box = rect();
    RECT frame = box;
    // The frame's top line runs through the middle of the caption.
    frame.top += tm.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

    const std::wstring text = windows1252_to_wide(caption());
    if (text.empty()) return;
    SIZE size;
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    const int left = box.left + kCaptionIndent;
    RECT caption_area{left, box.top, left + size.cx + 2 * kCaptionPadding, box.top + tm.tmHeight};
    FillRect(dc, &caption_area, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutW(dc, left + kCaptionPadding, box.top, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace tolsy
