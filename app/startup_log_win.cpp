#include "app/startup_log_win.h"

#include <cstdio>

#include "base/startup_marks.h"

namespace tolsy {

namespace {
std::int64_t read_counter() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t.QuadPart;
}
}  // namespace

std::wstring begin_startup_log() {
    wchar_t file[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(kStartupMarksVariable, file, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    startup_marks::enable(&read_counter);
    startup_marks::mark("entry");
    return std::wstring(file, length);
}

void finish_startup_log(const std::wstring& file) {
    if (file.empty() || !startup_marks::enabled()) return;
    startup_marks::disable();
    std::FILE* out = _wfopen(file.c_str(), L"w");
    if (out == nullptr) return;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::fprintf(out, "frequency %lld\n", static_cast<long long>(frequency.QuadPart));
    for (const startup_marks::Mark& m : startup_marks::marks())
        std::fprintf(out, "%lld %s\n", static_cast<long long>(m.at), m.label);
    std::fclose(out);
}

}  // namespace tolsy
