#include "toolkit/controls/panel_win.h"

namespace tolsy {

void Panel::paint(HDC dc, const RECT& client) {
    fill_background(dc, client);
    RECT bevel = client;
    DrawEdge(dc, &bevel, BDR_RAISEDINNER, BF_RECT);
}

}  // namespace tolsy
