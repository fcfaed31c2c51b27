#pragma once
// A single-line edit field without length limit. Every change of its text, by the user or by
// the program, runs on_change; setting the text it already holds is no change.
#include <functional>
#include <string>

#include "toolkit/controls/control_win.h"

namespace tolsy {

class Edit : public NativeControl {
  public:
    void create(const Bounds& bounds, HWND parent);

    std::wstring text() const;
    void set_text(const std::wstring& text);
    // Selection start and end (0-based character indexes); the caret is at the start when
    // nothing is selected.
    int selection_start() const;
    int selection_end() const;
    void select(int start, int end);
    void select_all() { select(0, -1); }
    // The edit's own copy command.
    void copy_selection();
    // Replaces the selection (or inserts at the caret) as typing would, as one undoable change.
    void replace_selection(const std::wstring& text);

    std::function<void()> on_change;
    // Replaces the platform's copy command when set: receives the selected text.
    std::function<void(const std::wstring&)> on_copy;
    // Replaces the platform's cut command when set: receives the selected text and decides
    // whether to remove it (replace_selection). Not called with nothing selected.
    std::function<void(const std::wstring&)> on_cut;
    // Replaces the platform's paste command when set.
    std::function<void()> on_paste;

  protected:
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    bool notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
};

}  // namespace tolsy
