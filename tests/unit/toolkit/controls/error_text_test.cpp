#include "toolkit/controls/error_text.h"

#include <gtest/gtest.h>

namespace tolsy {
namespace {

TEST(ErrorDisplayText, AddsFullStopOnlyWhenMissing) {
    EXPECT_EQ(error_display_text("Cannot open clipboard"), "Cannot open clipboard.");
    EXPECT_EQ(error_display_text("Cannot open clipboard."), "Cannot open clipboard.");
    EXPECT_EQ(error_display_text("Ends with a question?"), "Ends with a question?.");
    EXPECT_EQ(error_display_text(""), ".");
    // Only the very last character counts, a full stop earlier in the text does not.
    EXPECT_EQ(error_display_text("a.b"), "a.b.");
}

}  // namespace
}  // namespace tolsy
