// The start-up benchmark's baseline: a program that opens one window with the main window's
// client size (389 x 241), centred, and paints it; nothing else. Like tolsy.exe, it writes the
// performance counter at its entry, once its window is made (with its controls, if any), once it
// is shown and after its first paint to the file the environment variable TOLSY_STARTUP_MARKS
// names, if any, for the benchmark to set beside tolsy.exe's steps.
//
// Built with TOLSY_STARTUP_FLOOR it is the floor window instead: the same window, plus what
// tolsy.exe cannot leave out of its start-up whatever it does with the rest, the common controls
// library (the real tab row needs it before the first paint), a tab control with the main
// window's three tabs and the help viewer library, loaded at start-up by design and, as
// tolsy.exe does, on a thread of its own once the window has painted. Set beside the minimal
// window, it says how near the minimal window tolsy.exe can come at best.
//
// Built with TOLSY_STARTUP_HELP it is the help window: the minimal window that also loads the
// help viewer library before making its window, and nothing else (no manifest, no common
// controls of its own): what that one load costs a fresh process when it stands before the
// first paint, with the libraries it brings in (the common controls and OLE among them).
#include <windows.h>
#ifdef TOLSY_STARTUP_FLOOR
#include <commctrl.h>
#endif

#include <cstdio>
#include <utility>

namespace {

#if defined(TOLSY_STARTUP_FLOOR)
constexpr const wchar_t* kCaption = L"Floor window";
#elif defined(TOLSY_STARTUP_HELP)
constexpr const wchar_t* kCaption = L"Help window";
#else
constexpr const wchar_t* kCaption = L"Minimal window";
#endif

LARGE_INTEGER g_entry;
LARGE_INTEGER g_created;
LARGE_INTEGER g_shown;
bool g_painted = false;

void write_marks() {
    wchar_t file[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"TOLSY_STARTUP_MARKS", file, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    LARGE_INTEGER painted;
    QueryPerformanceCounter(&painted);
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::FILE* out = _wfopen(file, L"w");
    if (out == nullptr) return;
    std::fprintf(out, "frequency %lld\n", static_cast<long long>(frequency.QuadPart));
    const std::pair<const char*, const LARGE_INTEGER*> steps[] = {{"entry", &g_entry},
                                                                  {"window created", &g_created},
                                                                  {"shown", &g_shown},
                                                                  {"painted", &painted}};
    for (const auto& [label, at] : steps)
        std::fprintf(out, "%lld %s\n", static_cast<long long>(at->QuadPart), label);
    std::fclose(out);
}

void load_help() {
    HMODULE help = LoadLibraryA("HHCTRL.OCX");
    if (help != nullptr && GetProcAddress(help, "HtmlHelpA") == nullptr) FreeLibrary(help);
}

void load_help_beside() {
    const HANDLE thread = CreateThread(
        nullptr, 0,
        [](void*) -> DWORD {
            load_help();
            return 0;
        },
        nullptr, 0, nullptr);
    if (thread != nullptr) CloseHandle(thread);
}

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            RECT r;
            GetClientRect(window, &r);
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            DrawTextW(dc, kCaption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            EndPaint(window, &ps);
            if (!g_painted) write_marks();
            g_painted = true;
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wparam, lparam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    QueryPerformanceCounter(&g_entry);
#ifdef TOLSY_STARTUP_FLOOR
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
#endif
#ifdef TOLSY_STARTUP_HELP
    load_help();
#endif
    WNDCLASSW wc{};
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"TolsyMinimalWindow";
    RegisterClassW(&wc);
    constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    RECT r{0, 0, 389, 241};
    AdjustWindowRectEx(&r, kStyle, FALSE, WS_EX_TOPMOST);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    HWND window = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, kCaption, kStyle,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                  nullptr, nullptr, instance, nullptr);
#ifdef TOLSY_STARTUP_FLOOR
    // The main window's page control, where it lies.
    HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 0,
                                381, 153, window, nullptr, instance, nullptr);
    const wchar_t* captions[] = {L"Tolerance", L"Symbols", L"Symbols2"};
    for (int i = 0; i < 3; ++i) {
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(captions[i]);
        SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&item));
    }
#endif
    QueryPerformanceCounter(&g_created);
    ShowWindow(window, show);
    QueryPerformanceCounter(&g_shown);
    MSG msg;
    // The floor window loads the help viewer library as tolsy.exe does: once the first paint is
    // done and nothing waits in the queue.
#ifdef TOLSY_STARTUP_FLOOR
    bool help_begun = false;
#else
    bool help_begun = true;
#endif
    for (;;) {
        if (!help_begun && g_painted && !PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            load_help_beside();
            help_begun = true;
        }
        if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
