// An idle program costs nothing: with the main window at rest and the mouse away from it, the
// process takes no CPU time worth measuring over ten seconds and its user-interface thread
// takes no timer messages.
#include <gtest/gtest.h>

#include <string>

#include "support/composer_form_win.h"
#include "support/driver_win.h"

namespace e2e {
namespace {

constexpr wchar_t kCaption[] = L"Framewright";
constexpr wchar_t kCounterName[] = L"Local\\TolsyTimerMessages";
constexpr DWORD kIdleMs = 10000;
// One tick of the system clock that process times are counted in.
constexpr ULONGLONG kOneTick = 156250;  // 15.625 ms in 100 ns units

ULONGLONG cpu_time(HANDLE process) {
    FILETIME created, ended, kernel, user;
    if (!GetProcessTimes(process, &created, &ended, &kernel, &user)) return 0;
    auto value = [](FILETIME t) { return (ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime; };
    return value(kernel) + value(user);
}

std::wstring beside_driver(const wchar_t* file) {
    std::wstring path = program_path();
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
    Program program;
    const HWND window = program.wait_window(kCaption);
    ASSERT_NE(window, nullptr) << "the main window did not appear";
    // Away from the window, in the screen's far corner; then let start-up finish its work.
    const RECT r = window_rect(window);
    mouse_move(POINT{r.left > 40 ? 5 : GetSystemMetrics(SM_CXSCREEN) - 5, 5});
    // The hook library is loaded into the program on its next message: that load is the
    // watch's cost, not the program's, so it happens before the measured span.
    TimerCounter timers;
    ASSERT_TRUE(timers.watch(GetWindowThreadProcessId(window, nullptr)))
        << "cannot watch the program's messages";
    settle(1500);
    const LONG before_timers = timers.count();

    const ULONGLONG before = cpu_time(program.process());
    settle(kIdleMs);
    const ULONGLONG used = cpu_time(program.process()) - before;

    EXPECT_LE(used, kOneTick) << "CPU time over 10 s: " << used / 10000 << " ms";
    EXPECT_EQ(timers.count() - before_timers, 0) << "timer messages while idle";
}

}  // namespace
}  // namespace e2e
