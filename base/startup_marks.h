#pragma once
// Start-up marks: the moments start-up passes its steps, for the start-up benchmark to break the
// time down. Off unless the program enables them (the Windows entry does when the environment
// asks, app/startup_log_win.h); while off, a mark costs one test of a flag. The clock is the
// platform's, so that another process can set the marks against its own readings.
//
//   startup_marks::enable(&read_counter);
//   startup_marks::mark("theme loaded");      // a label that lives as long as the program
//   for (const startup_marks::Mark& m : startup_marks::marks()) ...
#include <cstdint>
#include <span>

namespace tolsy::startup_marks {

using Clock = std::int64_t (*)();

struct Mark {
    const char* label;
    std::int64_t at;
};

// The marks kept; later ones are dropped.
inline constexpr std::size_t kCapacity = 64;

// Starts recording with `clock`, forgetting earlier marks.
void enable(Clock clock);
// Stops recording; the marks taken stay readable.
void disable();
bool enabled();
void mark(const char* label);
std::span<const Mark> marks();

}  // namespace tolsy::startup_marks
