#include "support/process_counts_win.h"

#include <psapi.h>
#include <tlhelp32.h>
#include <winternl.h>

#include <cstdint>
#include <vector>

namespace e2e {

namespace {

// One entry of the GDI handle table that the process environment block points at
// (GdiSharedHandleTable, 64-bit layout). A free entry has `unique` 0; stock objects carry the
// top bit of `type`.
struct GdiTableEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint8_t type;
    std::uint8_t generation;
    std::uint16_t unique;
    std::uint64_t user;
};
static_assert(sizeof(GdiTableEntry) == 24);
constexpr std::size_t kPebGdiTable = 0xF8;
constexpr std::size_t kGdiTableEntries = 65536;  // the most Windows and Wine hand out
constexpr std::uint8_t kStockFlag = 0x80;

using QueryProcess = NTSTATUS(NTAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

std::uint64_t gdi_table_address(HANDLE process) {
    const auto query = reinterpret_cast<QueryProcess>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0)
        return 0;
    std::uint64_t table = 0;
    SIZE_T read = 0;
    if (!ReadProcessMemory(process,
                           reinterpret_cast<const char*>(basic.PebBaseAddress) + kPebGdiTable,
                           &table, sizeof table, &read))
        return 0;
    return table;
}

BOOL CALLBACK count_window(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<std::pair<DWORD, long>*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->first) return TRUE;
    ++search->second;
    // Children belong to their top-level window's process, and EnumChildWindows walks them all.
    EnumChildWindows(
        window,
        [](HWND, LPARAM count) -> BOOL {
            ++*reinterpret_cast<long*>(count);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search->second));
    return TRUE;
}

long threads_of(DWORD pid) {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    long count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == pid) ++count;
    CloseHandle(snapshot);
    return count;
}

}  // namespace

long gdi_objects_in_table(HANDLE process) {
    const std::uint64_t table = gdi_table_address(process);
    if (table == 0) return -1;
    std::vector<GdiTableEntry> entries(kGdiTableEntries);
    SIZE_T read = 0;
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                           entries.size() * sizeof(GdiTableEntry), &read) &&
        read == 0)
        return -1;
    long count = 0;
    for (std::size_t i = 0; i < read / sizeof(GdiTableEntry); ++i)
        if (entries[i].unique != 0 && (entries[i].type & kStockFlag) == 0) ++count;
    return count;
}

long windows_of(DWORD pid) {
    std::pair<DWORD, long> search{pid, 0};
    EnumWindows(count_window, reinterpret_cast<LPARAM>(&search));
    for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(w, &owner);
        if (owner == pid) ++search.second;
    }
    return search.second;
}

ProcessCounts read_counts(HANDLE process, DWORD pid) {
    ProcessCounts counts;
    counts.gdi = static_cast<long>(GetGuiResources(process, GR_GDIOBJECTS));
    if (counts.gdi > 0) {
        counts.how = "GDI: GetGuiResources";
    } else {
        counts.gdi = gdi_objects_in_table(process);
        counts.how = "GDI: handle table in the process's memory";
    }
    counts.user = static_cast<long>(GetGuiResources(process, GR_USEROBJECTS));
    if (counts.user > 0) {
        counts.how += "; USER: GetGuiResources";
    } else {
        counts.user = windows_of(pid);
        counts.how += "; USER: its windows of every kind";
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                             sizeof memory)) {
        // Wine answers PrivateUsage 0; its PagefileUsage is the private memory in use.
        counts.private_bytes =
            memory.PrivateUsage != 0 ? memory.PrivateUsage : memory.PagefileUsage;
        counts.how +=
            memory.PrivateUsage != 0 ? "; memory: PrivateUsage" : "; memory: PagefileUsage";
    }
    counts.threads = threads_of(pid);
    return counts;
}

}  // namespace e2e
