// A pick-only list's rules: keys from no choice and at the ends, pages of the open list's rows,
// the wheel open and closed, the pointer over rows, and the open list's rows following the
// choice.
#include "toolkit/components/pick_list.h"

#include <gtest/gtest.h>

namespace tolsy {
namespace {

TEST(PickList, KeysMoveTheChoiceWithinTheItems) {
    struct Case {
        int from;
        ListKey key;
        int to;
        bool changed;
    };
    // 27 items shown 8 rows at a time: a page is 7 items.
    const Case cases[] = {
        {-1, ListKey::kDown, 0, true},     {-1, ListKey::kUp, 0, true},
        {-1, ListKey::kPageDown, 0, true}, {-1, ListKey::kEnd, 26, true},
        {0, ListKey::kUp, 0, false},       {26, ListKey::kDown, 26, false},
        {5, ListKey::kDown, 6, true},      {5, ListKey::kUp, 4, true},
        {3, ListKey::kPageDown, 10, true}, {24, ListKey::kPageDown, 26, true},
        {3, ListKey::kPageUp, 0, true},    {12, ListKey::kHome, 0, true},
        {26, ListKey::kEnd, 26, false},
    };
    for (const Case& c : cases) {
        for (const bool open : {false, true}) {
            SCOPED_TRACE(testing::Message() << "from " << c.from << " key "
                                            << static_cast<int>(c.key) << (open ? " open" : ""));
            PickList list;
            list.set_count(27);
            list.set_chosen(c.from);
            if (open) list.open(8);
            EXPECT_EQ(list.key(c.key), c.changed);
            EXPECT_EQ(list.chosen(), c.to);
            EXPECT_EQ(list.hot(), c.to);
            // The choice is always among the rows shown.
            EXPECT_LE(list.top(), c.to);
            EXPECT_LT(c.to, list.top() + list.rows());
        }
    }
}

TEST(PickList, ShortListsAndEmptyOnes) {
    PickList list;
    EXPECT_FALSE(list.key(ListKey::kDown));
    EXPECT_FALSE(list.wheel(-1));
    EXPECT_FALSE(list.set_chosen(0));
    EXPECT_EQ(list.chosen(), -1);
    list.set_count(7);
    list.open(8);
    EXPECT_EQ(list.rows(), 7);
    EXPECT_FALSE(list.scrolls());
    // One notch less than a page: a page of a 7-row list is 6 items.
    list.set_chosen(0);
    EXPECT_TRUE(list.key(ListKey::kPageDown));
    EXPECT_EQ(list.chosen(), 6);
    // Out-of-range choices from the program choose nothing.
    EXPECT_TRUE(list.set_chosen(7));
    EXPECT_EQ(list.chosen(), -1);
    EXPECT_FALSE(list.set_chosen(-5));
}

TEST(PickList, OpenListShowsTheChoiceAndScrollsWithinTheItems) {
    PickList list;
    list.set_count(27);
    list.set_chosen(20);
    list.open(8);
    EXPECT_TRUE(list.scrolls());
    EXPECT_EQ(list.hot(), 20);
    EXPECT_EQ(list.top(), 13);
    list.scroll_to(100);
    EXPECT_EQ(list.top(), 19);
    list.scroll_to(-3);
    EXPECT_EQ(list.top(), 0);
    // The wheel scrolls the open list three rows a notch and leaves the choice.
    EXPECT_FALSE(list.wheel(-2));
    EXPECT_EQ(list.top(), 6);
    EXPECT_EQ(list.chosen(), 20);
    // New items: nothing chosen, back at the first row.
    list.set_count(5);
    EXPECT_EQ(list.chosen(), -1);
    EXPECT_EQ(list.top(), 0);
}

TEST(PickList, PointerHighlightsOnlyRowsThatShowAnItem) {
    PickList list;
    list.set_count(10);
    list.set_chosen(2);
    list.open(8);
    list.scroll_to(2);
    EXPECT_TRUE(list.point_at_row(3));
    EXPECT_EQ(list.hot(), 5);
    EXPECT_EQ(list.chosen(), 2);
    EXPECT_FALSE(list.point_at_row(8));
    EXPECT_FALSE(list.point_at_row(-1));
    EXPECT_EQ(list.hot(), 5);
}

TEST(PickList, WheelOnAClosedListMovesTheChoice) {
    PickList list;
    list.set_count(7);
    EXPECT_TRUE(list.wheel(-1));  // towards the user: the next item, from none the first
    EXPECT_EQ(list.chosen(), 0);
    EXPECT_TRUE(list.wheel(-3));
    EXPECT_EQ(list.chosen(), 3);
    EXPECT_TRUE(list.wheel(10));
    EXPECT_EQ(list.chosen(), 0);
    EXPECT_FALSE(list.wheel(1));
}

}  // namespace
}  // namespace tolsy
