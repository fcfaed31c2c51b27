#pragma once
// The page control's pages painted from the theme: the page background from the "Frame" part
// of "Tabs", and the palette buttons on it from "SpeedButton" (flat face at rest, the face of
// the state when hot or pressed, the glyph labels in the buttons' own font).
#include <memory>

#include "skin/controls/skinned_controls_win.h"
#include "toolkit/controls/page_control_win.h"

namespace tolsy {

class SkinnedTabSheet : public TabSheet {
  public:
    SkinnedTabSheet();

  protected:
    // Composes the part to be painted off-screen and copies it once.
    void paint(HDC dc, const RECT& client) override;
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    bool paint_background(Canvas& canvas);

    ThemeWatch watch_;
};

class SkinnedPageControl : public PageControl {
  protected:
    std::unique_ptr<TabSheet> make_page() override { return std::make_unique<SkinnedTabSheet>(); }
};

}  // namespace tolsy
