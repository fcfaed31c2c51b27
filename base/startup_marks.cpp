#include "base/startup_marks.h"

#include <array>

namespace tolsy::startup_marks {

namespace {
// Start-up runs on one thread, and marks are only taken there.
Clock g_clock = nullptr;
std::array<Mark, kCapacity> g_marks{};
std::size_t g_count = 0;
}  // namespace

void enable(Clock clock) {
    g_clock = clock;
    g_count = 0;
}

void disable() {
    g_clock = nullptr;
}

bool enabled() {
    return g_clock != nullptr;
}

void mark(const char* label) {
    if (g_clock == nullptr || g_count == g_marks.size()) return;
    g_marks[g_count++] = {label, g_clock()};
}

std::span<const Mark> marks() {
    return {g_marks.data(), g_count};
}

}  // namespace tolsy::startup_marks
