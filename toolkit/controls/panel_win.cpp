#include "toolkit/controls/panel_win.h"

namespace tolsy {

void Panel::paint(HDC dc) const {
    RECT bevel = rect();
    FillRect(dc, &bevel, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &bevel, BDR_RAISEDINNER, BF_RECT);
}

}  // namespace tolsy
