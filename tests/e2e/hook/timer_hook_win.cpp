// A message hook the end-to-end driver places on the program's user-interface thread: it
// counts the timer messages that thread takes from its queue, in memory the driver reads by
// name. Windows loads this library into the program when the thread next gets a message.
#include <windows.h>

namespace {

constexpr wchar_t kCounterName[] = L"Local\\TolsyTimerMessages";

volatile LONG* counter() {
    static volatile LONG* shared = [] {
        HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                            sizeof(LONG), kCounterName);
        if (mapping == nullptr) return static_cast<volatile LONG*>(nullptr);
        // The view stays for the life of the process, the mapping with it.
        return static_cast<volatile LONG*>(
            MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(LONG)));
    }();
    return shared;
}

}  // namespace

extern "C" __declspec(dllexport) LRESULT CALLBACK
    TimerMessageHook(int code, WPARAM removed, LPARAM message) {
    const auto* msg = reinterpret_cast<const MSG*>(message);
    if (code == HC_ACTION && removed == PM_REMOVE && msg->message == WM_TIMER) {
        if (volatile LONG* count = counter()) InterlockedIncrement(count);
    }
    return CallNextHookEx(nullptr, code, removed, message);
}
