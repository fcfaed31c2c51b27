#include "picture/put_picture_win.h"

namespace tolsy {

void put_picture(HDC dc, const Image& picture, int x, int y) {
    put_picture_part(dc, picture, Rect{0, 0, picture.width(), picture.height()}, x, y);
}

void put_picture_part(HDC dc, const Image& picture, const Rect& part, int x, int y) {
    const Rect cut = part.intersect(Rect{0, 0, picture.width(), picture.height()});
    if (cut.empty()) return;
    // The rows of the part, top-down, one stride apart; the copy starts at the part's column.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = picture.stride();
    info.bmiHeader.biHeight = -cut.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(dc, x + cut.left, y + cut.top, static_cast<DWORD>(cut.width()),
                      static_cast<DWORD>(cut.height()), cut.left, 0, 0,
                      static_cast<UINT>(cut.height()), picture.row(cut.top), &info, DIB_RGB_COLORS);
}

}  // namespace tolsy
