#pragma once
// The main window's controls as the composer sees them: 8-bit glyph text in and out, converted
// with Windows-1252 at the controls' edge.
#include "app/form1_controls_win.h"
#include "composer/frame_composer.h"

namespace tolsy {

class Form1View : public ComposerView {
  public:
    explicit Form1View(Form1Controls& controls) : c_(controls) {}

    std::string list_text(ComposerList list) const override;
    void clear_list(ComposerList list) override;
    std::size_t tolerance_caret() const override;
    void set_tolerance_text(std::string_view text, std::size_t caret) override;
    bool diameter_ticked() const override;
    void set_diameter_ticked(bool ticked) override;
    std::string display_text() const override;
    std::size_t display_caret() const override;
    void set_display_text(std::string_view text) override;
    void set_display_caret(std::size_t caret) override;
    void focus_display() override;

  private:
    Form1Controls& c_;
};

}  // namespace tolsy
