#include "toolkit/controls/group_box_win.h"

#include "base/windows1252_win.h"

namespace tolsy {

namespace {
// The caption starts this far in from the frame's left edge, with this much room around it.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 2;
}  // namespace

void GroupBox::paint(HDC dc, const RECT& client) {
    fill_background(dc, client);
    SelectObjectScope font(
        dc, this->font() ? static_cast<HGDIOBJ>(this->font()) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW tm;
    GetTextMetricsW(dc, &tm);
    RECT frame = client;
    // The frame's top line runs through the middle of the caption.
    frame.top += tm.tmHeight / 2;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);

    const std::wstring text = windows1252_to_wide(caption());
    if (text.empty()) return;
    SIZE size;
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    RECT caption_area{kCaptionIndent, 0, kCaptionIndent + size.cx + 2 * kCaptionPadding,
                      tm.tmHeight};
    fill_background(dc, caption_area);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    TextOutW(dc, kCaptionIndent + kCaptionPadding, 0, text.c_str(), static_cast<int>(text.size()));
}

}  // namespace tolsy
