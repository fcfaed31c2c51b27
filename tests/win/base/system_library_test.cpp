// Functions of system libraries looked up on first use.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "base/system_library_win.h"

namespace tolsy {
namespace {

struct Lookup {
    const wchar_t* file;
    const char* name;
    bool found;
};

TEST(SystemLibrary, FindsOnlyFunctionsOfLibrariesInTheSystemFolder) {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring beside(self, length);
    beside.resize(beside.rfind(L'\\') + 1);
    ASSERT_NE(GetFileAttributesW((beside + L"tolsy_timer_hook.dll").c_str()),
              INVALID_FILE_ATTRIBUTES)
        << "the hook library is built beside the tests";
    const Lookup cases[] = {
        {L"shell32.dll", "Shell_NotifyIconW", true},
        {L"version.dll", "VerQueryValueA", true},
        {L"shell32.dll", "NoSuchFunction", false},
        {L"no_such_library.dll", "Shell_NotifyIconW", false},
        // Built beside the test program, not in the system folder: a library of that name in
        // the program's or the working folder is never taken for a system one.
        {L"tolsy_timer_hook.dll", "TimerMessageHook", false},
    };
    for (const Lookup& c : cases) {
        EXPECT_EQ(system_function_address(c.file, c.name) != nullptr, c.found) << c.name;
    }
}

}  // namespace
}  // namespace tolsy
