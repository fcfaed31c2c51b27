#include "composer/clipboard.h"

#include <gtest/gtest.h>

namespace tolsy {
namespace {

// A clipboard another program holds for a moment is asked again, a bounded number of times.
TEST(ClipboardOpen, RetriesAHeldClipboardBrieflyThenGivesUp) {
    struct Case {
        int opens_at;  // the attempt that succeeds; 0: none does
        bool opened;
        int waits;
    } const cases[] = {
        {1, true, 0},
        {3, true, 2},
        {kClipboardOpenAttempts, true, kClipboardOpenAttempts - 1},
        {0, false, kClipboardOpenAttempts - 1},
    };
    for (const Case& c : cases) {
        int attempts = 0;
        int waited = 0;
        const bool opened = open_with_retries([&] { return ++attempts == c.opens_at; },
                                              [&](int milliseconds) { waited += milliseconds; });
        EXPECT_EQ(opened, c.opened) << c.opens_at;
        EXPECT_EQ(waited, c.waits * kClipboardRetryMilliseconds) << c.opens_at;
    }
}

}  // namespace
}  // namespace tolsy
