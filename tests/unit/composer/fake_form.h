#pragma once
// A stand-in for the main window's Tolerance page and display line: lists with their real
// items, user actions that run the handlers as the controls would, and the clipboard writes the
// display line makes.
#include <map>
#include <string>
#include <vector>

#include "composer/clipboard.h"
#include "composer/frame_composer.h"

namespace tolsy::testing {

class FakeForm : public ComposerView {
  public:
    FrameState state;
    FrameComposer composer{state, *this};
    std::map<ComposerList, int> chosen;  // item index, -1 for none
    std::string tolerance_edit;
    std::size_t tolerance_caret_pos = 0;
    bool ticked = false;
    std::string display;
    std::size_t caret = 0;
    bool display_focused = false;
    std::vector<std::string> clipboard;  // every payload stored, in order

    // What the user does.
    void pick(ComposerList list, int item);
    void pick_letter(ComposerList list, char letter) { pick(list, letter - 'A' + 1); }
    void type_tolerance(const std::string& text, std::size_t caret_after_edit);
    void click_diameter();
    void type_in_display(const std::string& text);

    // ComposerView
    std::string list_text(ComposerList list) const override;
    void clear_list(ComposerList list) override;
    std::size_t tolerance_caret() const override { return tolerance_caret_pos; }
    void set_tolerance_text(std::string_view text, std::size_t at) override;
    bool diameter_ticked() const override { return ticked; }
    void set_diameter_ticked(bool value) override { ticked = value; }
    std::string display_text() const override { return display; }
    std::size_t display_caret() const override { return caret; }
    void set_display_text(std::string_view text) override;
    void set_display_caret(std::size_t at) override { caret = at; }
    void focus_display() override { display_focused = true; }
};

}  // namespace tolsy::testing
