#pragma once
// The main window's composer handlers, written against the few things they touch on the
// window so that their order of steps runs and is tested without it.
#include <cstddef>
#include <string>
#include <string_view>

#include "composer/frame_state.h"

namespace tolsy {

// The lists of the Tolerance page. Their items come from the main window's description, the
// blank "nothing chosen" item first.
enum class ComposerList {
    kSymbol,
    kCondition,
    kTolerance,
    kDatum1,
    kDatum2,
    kDatum3,
    kDatumCond1,
    kDatumCond2,
    kDatumCond3,
};

// The Tolerance page and the display line as the handlers see them. Text is 8-bit glyph text.
// No setter here may run a change handler: the program setting a control is not a user change.
class ComposerView {
  public:
    virtual ~ComposerView() = default;
    // The list's text: the chosen item's, or what is typed in the tolerance list.
    virtual std::string list_text(ComposerList list) const = 0;
    // No item chosen and, for the tolerance list, an empty text.
    virtual void clear_list(ComposerList list) = 0;
    // Caret of the tolerance list's edit field (0-based; with a selection, its start).
    virtual std::size_t tolerance_caret() const = 0;
    virtual void set_tolerance_text(std::string_view text, std::size_t caret) = 0;
    virtual bool diameter_ticked() const = 0;
    virtual void set_diameter_ticked(bool ticked) = 0;
    virtual std::string display_text() const = 0;
    // Caret of the display line (0-based; with a selection, its start).
    virtual std::size_t display_caret() const = 0;
    // Replaces the whole line; the line itself mirrors a real change to the clipboard.
    virtual void set_display_text(std::string_view text) = 0;
    // Puts the caret there with nothing selected.
    virtual void set_display_caret(std::size_t caret) = 0;
    virtual void focus_display() = 0;
};

struct ToleranceEdit {
    std::string text;
    std::size_t caret;
};

// The tolerance list after a user edit: the digit conversion of the whole text, the caret one
// further right than it was and at most at the end.
ToleranceEdit convert_tolerance_edit(std::string_view text, std::size_t caret);

// The glyph string a pick-only list's text stands for, or the empty string for "nothing
// chosen" (an empty text or the blank item). Datum letter lists give the letter's glyph.
std::string pick_list_glyphs(ComposerList list, std::string_view text);

class FrameComposer {
  public:
    FrameComposer(FrameState& state, ComposerView& view) : state_(state), view_(view) {}
    FrameComposer(const FrameComposer&) = delete;
    FrameComposer& operator=(const FrameComposer&) = delete;

    // The eight pick-only lists' change handlers.
    void list_changed(ComposerList list);
    void tolerance_changed();
    void diameter_clicked() { write_preview(); }
    void clear_all();
    // A palette button's click, given the button's label.
    void palette_clicked(std::u16string_view label);
    void write_preview();

  private:
    FrameState& state_;
    ComposerView& view_;
};

}  // namespace tolsy
