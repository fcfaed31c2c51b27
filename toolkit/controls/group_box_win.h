#pragma once
// A group box: an etched frame with its caption in the top border, around other controls.
#include "toolkit/controls/control_win.h"

namespace tolsy {

class GroupBox : public Box {
  public:
    void paint(HDC dc) const override;
};

}  // namespace tolsy
