#pragma once
// The choosing rules of a list, apart from any window: which item is chosen, which one the open
// list highlights, which rows it shows, and what a key, the wheel or the pointer does. The Win32
// list keeps one of these and only paints and reports what it says.

namespace tolsy {

enum class ListKey { kUp, kDown, kHome, kEnd, kPageUp, kPageDown };

class PickList {
  public:
    // A new set of items: nothing chosen, the open list at its first row.
    void set_count(int count);
    int count() const { return count_; }

    // -1 when nothing is chosen.
    int chosen() const { return chosen_; }
    // The program's choice; out of range chooses nothing. True when it changed.
    bool set_chosen(int index);

    // Opening shows up to `rows` items (the list's drop-down count) from the first, scrolled
    // just enough to show the chosen one highlighted; closing keeps the choice as it is.
    void open(int rows);
    void close() { open_ = false; }
    bool is_open() const { return open_; }
    // Rows the open list shows, and whether it needs a scroll bar for the rest.
    int rows() const;
    bool scrolls() const { return count_ > rows(); }
    int top() const { return top_; }
    // A page of the open list: its rows less one, so that one row stays in view.
    int page() const;
    // The highlighted item of the open list, -1 for none.
    int hot() const { return hot_; }

    // A key, open or closed: moves the choice (a page is the open list's rows less one), and
    // the open list's highlight and rows follow it. True when the choice changed.
    bool key(ListKey key);
    // The wheel on a closed list moves the choice by one item per notch (up is back); on an
    // open one it scrolls. True when the choice changed.
    bool wheel(int notches);
    // The pointer over the open list's row `row` (0 is its top row) highlights that item.
    // False when the row shows no item.
    bool point_at_row(int row);
    // The open list's first row; kept within the items.
    void scroll_to(int top);

  private:
    void move_to(int index);
    void keep_in_view(int index);

    int count_ = 0;
    int chosen_ = -1;
    int hot_ = -1;
    int top_ = 0;
    int rows_ = 8;
    bool open_ = false;
};

}  // namespace tolsy
