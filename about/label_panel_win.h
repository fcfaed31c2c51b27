#pragma once
// A plain borderless panel that paints the behaviour labels lying on it, and the labels' view:
// text measured and drawn in the label's own font and colour, centred in its bounds.
#include <vector>

#include "about/about_form.h"
#include "about/behavior_label.h"
#include "toolkit/controls/form_win.h"
#include "toolkit/controls/window_win.h"

namespace tolsy {

class LabelPanel;

// The platform side of one label on a LabelPanel.
class Win32LabelView : public LabelView {
  public:
    Win32LabelView(TBehaviorLabel& label, const FontSpec& font, COLORREF color, UINT alignment);
    TextExtent measure_text(const std::string& text) override;
    void changed() override;
    void Paint(HDC dc) const;
    void set_panel(LabelPanel* panel) { panel_ = panel; }

  private:
    TBehaviorLabel& label_;
    UniqueFont font_;
    bool double_strike_;  // bold asked for, and the face draws it regular
    COLORREF color_;
    UINT alignment_;               // DT_LEFT, DT_CENTER or DT_RIGHT
    LabelPanel* panel_ = nullptr;  // not owned
};

class LabelPanel : public Window, public AboutPanel, public LabelParent {
  public:
    LabelPanel(int left, int top, int width, int height, COLORREF color);
    // Creates the native child window on `parent`.
    void create_window_on(HWND parent);

    // Places a label on this panel; neither is owned.
    void add_label(TBehaviorLabel& label, Win32LabelView& view);

    void set_left(int left) override;
    void set_width(int width) override;
    int client_width() const override { return width_; }
    int client_height() const override { return height_; }
    int Left() const { return left_; }
    int Width() const { return width_; }

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    void place();

    int left_, top_, width_, height_;
    COLORREF color_;
    std::vector<const Win32LabelView*> views_;
};

}  // namespace tolsy
