#pragma once
// The lists and the display line painted from the theme: lists from "ComboBox" (frame, client,
// drop button with its glyph, the chosen item in the list's own font), the display line from
// "Edit" (frame, its text, the selection in the theme's colour). Both keep their own keys,
// focus, drop-down list and caret. The lists are our own windows and paint only the theme's
// picture; the display line is the platform's edit, whose own painting still runs, into a
// scratch surface, so that it keeps its bookkeeping, and the theme's picture is what reaches
// the screen, in one copy.
#include "skin/controls/skinned_controls_win.h"
#include "toolkit/controls/combo_box_win.h"
#include "toolkit/controls/edit_win.h"

namespace tolsy {

class SkinnedComboBox : public ComboBox {
  public:
    explicit SkinnedComboBox(ComboStyle style);

  protected:
    // The list itself repaints on every change of its state (focus, opening, choice, enabling);
    // only the pointer's hot look is the theme's own.
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    // The whole control as the theme paints it; empty when the theme cannot.
    Image compose(TTeSkinFile& theme);
    // Into the device context given (set up as for kPaintIntoMessage), or as the window's paint.
    bool paint(HDC into = nullptr);
    void fit_edit_field(TTeSkinFile& theme);

    bool hot_ = false;
    ThemeWatch watch_;
    UniqueBrush field_brush_;
    COLORREF field_colour_ = CLR_INVALID;
};

class SkinnedEdit : public Edit {
  public:
    SkinnedEdit();

  protected:
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    // The whole window, border included; empty when the theme cannot paint it.
    Image compose(TTeSkinFile& theme, POINT& client_at);
    bool paint_border();
    // Into the device context given (set up as for kPaintIntoMessage), or as the window's paint.
    bool paint_client(HDC into = nullptr);

    bool hot_ = false;
    ThemeWatch watch_;
};

}  // namespace tolsy
