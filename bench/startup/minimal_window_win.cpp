// The start-up benchmark's baseline: a program that opens one window with the main window's
// client size (389 x 241), centred, and paints it; nothing else.
#include <windows.h>

namespace {

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            RECT r;
            GetClientRect(window, &r);
            FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
            DrawTextW(dc, L"Minimal window", -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
            EndPaint(window, &ps);
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
    HWND window = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, L"Minimal window", kStyle,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height,
                                  nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
