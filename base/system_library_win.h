#pragma once
// Functions of system libraries that only some commands need (the tray, the version record),
// loaded on first use instead of being imported: every imported library is loaded and started
// before the program's entry, which lengthens every start-up.
//
//   using NotifyIcon = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);
//   static const auto notify = system_function<NotifyIcon>(L"shell32.dll", "Shell_NotifyIconW");
//   if (notify && notify(NIM_ADD, &data)) ...
#include <windows.h>

namespace tolsy {

// The library named, loaded from the system directory on first call and kept loaded for the
// rest of the run; nullptr when it cannot be loaded.
HMODULE system_library(const wchar_t* file);

// The address of `name` in the system library `file`; nullptr when the library or the function
// is missing.
FARPROC system_function_address(const wchar_t* file, const char* name);

template <class Function>
Function system_function(const wchar_t* file, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(system_function_address(file, name)));
}

}  // namespace tolsy
