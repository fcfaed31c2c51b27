#pragma once
// A panel: a raised bevel in the button face, beneath the controls on it.
#include "toolkit/controls/control_win.h"

namespace tolsy {

class Panel : public Box {
  public:
    void paint(HDC dc) const override;
};

}  // namespace tolsy
