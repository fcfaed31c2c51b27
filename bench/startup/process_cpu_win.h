// Another process's CPU time, as the start-up benchmarks and the idle check read it.
#pragma once

#include <windows.h>
#include <tlhelp32.h>

// The CPU time, user and kernel, that the process's living threads have used, in 100 ns units.
// Under Wine, GetProcessTimes on another process answers with the same small figure whatever
// that process does; GetThreadTimes on each of its threads reads what the system counted.
inline ULONGLONG process_cpu_time(DWORD process_id) {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    auto value = [](FILETIME t) { return (ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    ULONGLONG total = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID != process_id) continue;
        HANDLE thread = OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID);
        if (thread == nullptr) continue;
        FILETIME created, ended, kernel, user;
        if (GetThreadTimes(thread, &created, &ended, &kernel, &user))
            total += value(kernel) + value(user);
        CloseHandle(thread);
    }
    CloseHandle(snapshot);
    return total;
}
