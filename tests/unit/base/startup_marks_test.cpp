#include "base/startup_marks.h"

#include <gtest/gtest.h>

#include <string>

namespace tolsy {
namespace {

std::int64_t g_ticks = 0;
std::int64_t ticking_clock() {
    return g_ticks += 7;
}

TEST(StartupMarks, RecordsInOrderWithTheClockOnlyWhileEnabled) {
    startup_marks::enable(&ticking_clock);
    startup_marks::mark("left over");
    startup_marks::disable();
    startup_marks::mark("while off");
    EXPECT_FALSE(startup_marks::enabled());

    g_ticks = 100;
    startup_marks::enable(&ticking_clock);  // forgets the earlier marks
    startup_marks::mark("first");
    startup_marks::mark("second");
    startup_marks::disable();
    startup_marks::mark("after");

    const auto marks = startup_marks::marks();
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(std::string(marks[0].label), "first");
    EXPECT_EQ(marks[0].at, 107);
    EXPECT_EQ(std::string(marks[1].label), "second");
    EXPECT_EQ(marks[1].at, 114);
}

TEST(StartupMarks, DropsMarksBeyondItsCapacity) {
    startup_marks::enable(&ticking_clock);
    for (std::size_t i = 0; i < startup_marks::kCapacity; ++i) startup_marks::mark("kept");
    startup_marks::mark("dropped");
    startup_marks::disable();
    const auto marks = startup_marks::marks();
    ASSERT_EQ(marks.size(), startup_marks::kCapacity);
    EXPECT_EQ(std::string(marks.back().label), "kept");
}

}  // namespace
}  // namespace tolsy
