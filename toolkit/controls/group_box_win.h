#pragma once
// A group box: an etched frame with its caption in the top border, holding other controls.
#include "toolkit/controls/control_win.h"

namespace tolsy {

class GroupBox : public Container {
  protected:
    void paint(HDC dc, const RECT& client) override;
};

}  // namespace tolsy
