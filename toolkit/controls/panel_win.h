#pragma once
// A panel: a raised bevel around a plain area that holds other controls.
#include "toolkit/controls/control_win.h"

namespace tolsy {

class Panel : public Container {
  protected:
    void paint(HDC dc, const RECT& client) override;
};

}  // namespace tolsy
