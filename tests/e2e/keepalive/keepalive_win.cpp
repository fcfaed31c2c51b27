// Keeps a Wine session alive during a test run: one hidden GUI window and a message loop.
// Without a living GUI process Wine empties the clipboard shortly after the last one exits.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = instance;
    wc.lpszClassName = "TolsyKeepAlive";
    RegisterClassA(&wc);
    CreateWindowA(wc.lpszClassName, "keep-alive", WS_OVERLAPPED, 0, 0, 1, 1, nullptr, nullptr,
                  instance, nullptr);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
