#include "base/system_library_win.h"

#include <string>

namespace tolsy {

HMODULE system_library(const wchar_t* file) {
    // Loaded by its full path in the system directory, so that a file of the same name beside
    // the program or in the working directory is never taken for it. A library already loaded
    // is only counted again: the handle stays valid for the rest of the run.
    wchar_t directory[MAX_PATH];
    const UINT length = GetSystemDirectoryW(directory, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    std::wstring path(directory, length);
    path += L'\\';
    path += file;
    return LoadLibraryW(path.c_str());
}

FARPROC system_function_address(const wchar_t* file, const char* name) {
    const HMODULE library = system_library(file);
    return library ? GetProcAddress(library, name) : nullptr;
}

}  // namespace tolsy
