#pragma once
// Group boxes, the panel and the check box painted from the theme: group boxes from "GroupBox"
// (frame and caption, transparent over the page), the panel from the "Panel" part of
// "Container", the check box from "CheckBox". The boxes are drawn by the window they lie on, into
// the picture it composes; the check box composes off-screen over what lies behind it, which its
// parent paints on request, and copies once.
#include "skin/controls/skinned_controls_win.h"
#include "toolkit/controls/check_box_win.h"
#include "toolkit/controls/group_box_win.h"
#include "toolkit/controls/panel_win.h"

namespace tolsy {

class SkinnedGroupBox : public GroupBox {
  public:
    SkinnedGroupBox();
    bool paint_look(Canvas& canvas) const override;

  private:
    ThemeWatch watch_;
};

class SkinnedPanel : public Panel {
  public:
    SkinnedPanel();
    bool paint_look(Canvas& canvas) const override;

  private:
    ThemeWatch watch_;
};

class SkinnedCheckBox : public CheckBox {
  public:
    SkinnedCheckBox();

  protected:
    void draw(const DRAWITEMSTRUCT& item) override;
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    bool hot_ = false;
    ThemeWatch watch_;
};

}  // namespace tolsy
