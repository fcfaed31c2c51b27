// An idle program costs nothing: with the main window at rest and the mouse away from it, the
// process takes no more CPU time over ten seconds than a program whose one window does nothing
// at all (the minimal window of the start-up benchmark, measured over the same ten seconds), and
// its user-interface thread takes no timer messages. The CPU time is the sum over the process's
// threads (process_cpu_win.h): under Wine, GetProcessTimes does not report another process's.
#include <gtest/gtest.h>

#include <string>

#include "bench/startup/process_cpu_win.h"
#include "support/composer_form_win.h"
#include "support/driver_win.h"

namespace e2e {
namespace {

constexpr wchar_t kCaption[] = L"Framewright";
constexpr wchar_t kCounterName[] = L"Local\\TolsyTimerMessages";
constexpr DWORD kIdleMs = 10000;
// One tick of the clock that process times are counted in.
constexpr ULONGLONG kOneTick = 156250;  // 15.625 ms in 100 ns units

ULONGLONG cpu_time(const Program& program) {
    return process_cpu_time(GetProcessId(program.process()));
}

std::wstring beside_driver(const wchar_t* file) {
    const std::wstring path = program_path();
    return path.substr(0, path.find_last_of(L"\\/") + 1) + file;
}

// The hook library's counter of timer messages, shared with the program under test.
class TimerCounter {
  public:
    TimerCounter() {
        mapping_ = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                      sizeof(LONG), kCounterName);
        if (mapping_ != nullptr)
            count_ = static_cast<volatile LONG*>(
                MapViewOfFile(mapping_, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(LONG)));
    }
    ~TimerCounter() {
        if (hook_ != nullptr) UnhookWindowsHookEx(hook_);
        if (count_ != nullptr) UnmapViewOfFile(const_cast<LONG*>(count_));
        if (mapping_ != nullptr) CloseHandle(mapping_);
    }
    bool watch(DWORD thread) {
        HMODULE library = LoadLibraryW(beside_driver(L"tolsy_timer_hook.dll").c_str());
        if (library == nullptr || count_ == nullptr) return false;
        auto* proc = reinterpret_cast<HOOKPROC>(
            reinterpret_cast<void*>(GetProcAddress(library, "TimerMessageHook")));
        hook_ = SetWindowsHookExW(WH_GETMESSAGE, proc, library, thread);
        return hook_ != nullptr;
    }
    LONG count() const { return *count_; }

  private:
    HANDLE mapping_ = nullptr;
    volatile LONG* count_ = nullptr;
    HHOOK hook_ = nullptr;
};

TEST(Idle, AtRestTheProgramTakesNoCpuTimeAndNoTimerMessages) {
    Program minimal(beside_driver(L"bench_minimal_window.exe"));
    Program program;
    ASSERT_NE(minimal.wait_window(L"Minimal window"), nullptr);
    const HWND window = program.wait_window(kCaption);
    ASSERT_NE(window, nullptr) << "the main window did not appear";
    // Away from the window, in the screen's far corner; then let start-up finish its work.
    const RECT r = window_rect(window);
    mouse_move(POINT{r.left > 40 ? 5 : GetSystemMetrics(SM_CXSCREEN) - 5, 5});
    settle(1500);

    // First the CPU time alone, then the messages: the hook's library, loaded into the program
    // as it takes its next message, would count against it.
    const ULONGLONG program_before = cpu_time(program);
    const ULONGLONG minimal_before = cpu_time(minimal);
    settle(kIdleMs);
    const ULONGLONG used = cpu_time(program) - program_before;
    const ULONGLONG base = cpu_time(minimal) - minimal_before;
    EXPECT_LE(used, base + kOneTick) << "CPU time over 10 s: " << used / 10000
                                     << " ms, a window doing nothing: " << base / 10000 << " ms";

    TimerCounter timers;
    ASSERT_TRUE(timers.watch(GetWindowThreadProcessId(window, nullptr)))
        << "cannot watch the program's messages";
    settle(kIdleMs);
    EXPECT_EQ(timers.count(), 0) << "timer messages while idle";
}

}  // namespace
}  // namespace e2e
