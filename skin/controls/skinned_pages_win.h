#pragma once
// The page control's pages painted from the theme: the page background from the "Frame" part
// of "Tabs", and the palette buttons on it from "SpeedButton" (flat face at rest, the face of
// the state when hot or pressed, the glyph labels in the buttons' own font).
#include <memory>
#include <string>
#include <vector>

#include "skin/controls/page_picture.h"
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
    // The palette buttons' looks as they are now.
    void update_buttons();

    // The page as last painted, kept to copy from, and its buttons' looks with the captions
    // and fonts they were made from.
    PagePicture page_;
    std::vector<PageButton> buttons_;
    std::vector<std::wstring> captions_;
    std::vector<FontSpec> fonts_;
    ThemeWatch watch_;
};

// The tab row: tabs from the "Tab" part of "Tabs" (selected, hot under the pointer, normal),
// the page frame around the pages; it stays the platform's tab control for keys and focus.
class SkinnedTabStrip : public TabStrip {
  public:
    SkinnedTabStrip();

  protected:
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    // The whole tab row and page frame; empty when the theme cannot paint it (the platform
    // paints then).
    Image compose();
    void set_hot(int index);

    int hot_ = -1;
    ThemeWatch watch_;
};

class SkinnedPageControl : public PageControl {
  protected:
    std::unique_ptr<TabSheet> make_page() override { return std::make_unique<SkinnedTabSheet>(); }
    std::unique_ptr<TabStrip> make_tabs() override { return std::make_unique<SkinnedTabStrip>(); }
};

}  // namespace tolsy
