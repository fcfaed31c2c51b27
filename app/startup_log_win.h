#pragma once
// The start-up log: when the environment variable TOLSY_STARTUP_MARKS names a file, start-up's
// marks (base/startup_marks.h) are taken with the performance counter and written to that file
// once the main window has painted and the work put off until then is done, for the start-up
// benchmark. The file holds a line
// "frequency <counts per second>", then one line "<counter> <label>" per mark, in order.
// Without the variable nothing is recorded or written.
#include <windows.h>

#include <string>

namespace tolsy {

inline constexpr wchar_t kStartupMarksVariable[] = L"TOLSY_STARTUP_MARKS";

// Enables the marks when the variable is set and takes the first one; returns the file named.
std::wstring begin_startup_log();
// Stops recording and writes the file.
void finish_startup_log(const std::wstring& file);

}  // namespace tolsy
