#pragma once
// What a running process holds, read from outside it: GDI objects, USER objects, private
// memory and threads. Each count comes from the platform's own answer where it gives one;
// under Wine, whose GetGuiResources answers 0 and whose PrivateUsage is 0, from what Wine does
// keep (see process_counts_win.cpp), and `how` says which source each count came from.
#include <windows.h>

#include <string>

namespace e2e {

struct ProcessCounts {
    long gdi = -1;   // GDI objects, stock objects left out
    long user = -1;  // USER objects (under Wine: the process's windows of every kind)
    long threads = -1;
    SIZE_T private_bytes = 0;
    std::string how;
};

ProcessCounts read_counts(HANDLE process, DWORD pid);

// The GDI objects of a process counted in the handle table the system keeps in its memory
// (the one Wine keeps there too); -1 when it cannot be read.
long gdi_objects_in_table(HANDLE process);
// Every window of the process: top-level ones, hidden or not, their children, and
// message-only windows.
long windows_of(DWORD pid);

}  // namespace e2e
