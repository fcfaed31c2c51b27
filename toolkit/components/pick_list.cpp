#include "toolkit/components/pick_list.h"

#include <algorithm>

namespace tolsy {

void PickList::set_count(int count) {
    count_ = std::max(0, count);
    chosen_ = -1;
    hot_ = -1;
    top_ = 0;
}

bool PickList::set_chosen(int index) {
    const int next = index >= 0 && index < count_ ? index : -1;
    const bool changed = next != chosen_;
    chosen_ = next;
    hot_ = next;
    keep_in_view(next);
    return changed;
}

void PickList::open(int rows) {
    rows_ = std::max(1, rows);
    open_ = true;
    hot_ = chosen_;
    top_ = 0;
    keep_in_view(chosen_);
}

int PickList::rows() const {
    return std::min(count_, rows_);
}

int PickList::page() const {
    return std::max(1, rows() - 1);
}

bool PickList::key(ListKey key) {
    if (count_ == 0) return false;
    // From no choice every key but End lands on the first item.
    const int from = chosen_;
    int to = from;
    switch (key) {
        case ListKey::kUp:
            to = from - 1;
            break;
        case ListKey::kDown:
            to = from + 1;
            break;
        case ListKey::kHome:
            to = 0;
            break;
        case ListKey::kEnd:
            to = count_ - 1;
            break;
        case ListKey::kPageUp:
            to = from - page();
            break;
        case ListKey::kPageDown:
            to = from + page();
            break;
    }
    if (from < 0 && key != ListKey::kEnd) to = 0;
    move_to(std::clamp(to, 0, count_ - 1));
    return chosen_ != from;
}

bool PickList::wheel(int notches) {
    if (notches == 0 || count_ == 0) return false;
    if (open_) {
        // Three rows a notch, as the platform's lists scroll, but never a whole list's worth.
        const int step = std::min(page(), 3);
        scroll_to(top_ - notches * step);
        return false;
    }
    const int from = chosen_;
    move_to(std::clamp(from < 0 ? 0 : from - notches, 0, count_ - 1));
    return chosen_ != from;
}

bool PickList::point_at_row(int row) {
    const int index = top_ + row;
    if (row < 0 || row >= rows() || index >= count_) return false;
    hot_ = index;
    return true;
}

void PickList::scroll_to(int top) {
    top_ = std::clamp(top, 0, std::max(0, count_ - rows()));
}

void PickList::move_to(int index) {
    chosen_ = index;
    hot_ = index;
    keep_in_view(index);
}

void PickList::keep_in_view(int index) {
    if (index < 0) return;
    if (index < top_) top_ = index;
    const int shown = std::max(1, rows());
    if (index >= top_ + shown) top_ = index - shown + 1;
}

}  // namespace tolsy
