#pragma once
// Combo boxes: a pick-only list (choose an item; typing does not search it) or an editable list
// (type any text or pick an item). Items are drawn by the control in its own font at a fixed
// item height, so glyph lists show in the symbol font.
//
// Both are windows of our own ("TolsyList"), an editable list with the platform's edit field in
// it. The platform's combo box makes its drop-down list, a top-level window, when it is created,
// which costs more than the rest of the control; ours makes it the first time the list opens.
// The list answers the platform's combo box messages that read it (count, choice, item texts
// and heights, whether it is open) and tells its parent of changes, edits, opening, closing and
// focus with the same notifications.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/components/pick_list.h"
#include "toolkit/controls/control_win.h"

namespace tolsy {

enum class ComboStyle { kPickOnly, kEditable };

class DropDownList;

class ComboBox : public NativeControl {
  public:
    explicit ComboBox(ComboStyle style);
    ~ComboBox() override;

    // Settings read at creation.
    void set_item_height(int height) { item_height_ = height; }
    void set_flat(bool flat) { flat_ = flat; }
    bool flat() const { return flat_; }
    void set_drop_down_count(int count) { drop_down_count_ = count; }

    void create(const Bounds& bounds, HWND parent);
    ComboStyle style() const { return style_; }

    void set_items(const std::vector<std::wstring>& items);
    int item_count() const;
    std::wstring item(int index) const;
    // -1 when no item is chosen. Setting it from the program runs no handler.
    int item_index() const;
    void set_item_index(int index);
    // The chosen item's text, or what is typed in an editable list.
    std::wstring text() const;
    // Editable lists only: replaces the typed text without running the handler.
    void set_text(const std::wstring& text);
    // Caret of an editable list's edit field (its selection start) and placing it.
    int caret() const;
    void set_caret(int position);
    HWND edit_handle() const;

    // The user picked an item or edited the text.
    std::function<void()> on_change;

  protected:
    LRESULT control_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    bool notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    friend class DropDownList;
    class EditField;

    // One item (or none, -1) in the list's font, highlighted or not.
    void draw_item(HDC dc, const RECT& area, int index, bool highlighted) const;
    void changed();

    void paint(HDC dc) const;
    // Inside the closed list's frame, the drop button included; the drop button.
    RECT inside_frame() const;
    RECT button_rect() const;
    bool key_down(WPARAM key);
    // The list (its edit field, for an editable list) took or lost the focus.
    void focus_changed(bool gained);
    // Keys and focus of an editable list's edit field; true when answered.
    bool field_message(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
    void open_list();
    // Closes the open list; `take_highlight` chooses the highlighted item first.
    void close_list(bool take_highlight);
    // The user chose an item of the open list (or moved the choice with a key or the wheel).
    void user_chose(int index);
    void notify_parent(int code);
    void after_choice_moved(bool changed);

    ComboStyle style_;
    std::vector<std::wstring> items_;
    PickList pick_;
    std::unique_ptr<DropDownList> drop_down_;
    std::unique_ptr<EditField> field_;
    int wheel_delta_ = 0;
    int item_height_ = 16;
    int drop_down_count_ = 8;
    bool flat_ = false;
    // True while the program itself sets the control, whose echo is no user change.
    bool setting_ = false;
};

}  // namespace tolsy
