#pragma once
// Helpers for the Win32 tests of the About box and the help launcher: pumping the message loop,
// waiting for a condition, working in the program's folder, saving screenshots under build/.
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>

#include "picture/image.h"
#include "picture/png.h"

namespace tolsy::wintest {

// Dispatches every waiting message once.
inline void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Pumps messages until `done` holds or `limit` has passed; returns whether it held.
inline bool pump_until(const std::function<bool()>& done,
                       std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (!done()) {
        if (std::chrono::steady_clock::now() > end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        pump();
    }
    return true;
}

// Pumps messages for a while.
inline void pump_for(std::chrono::milliseconds span) {
    pump_until([] { return false; }, span);
}

inline std::string program_folder() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, n);
    return folder.substr(0, folder.find_last_of("\\/"));
}

// Called on successive ticks before a screenshot: raises the window above any other on the
// first call, then lets a few ticks pass so the last paints reach the screen.
inline bool settle_on_top(HWND window, int& ticks) {
    if (ticks++ == 0) {
        SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    }
    return ticks > 5;
}

// Screen pixels of a window's rectangle, as the user sees them.
inline Image capture_window(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    Image image(w, h);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* src = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.at(x, y) = src[y * w + x] | 0xFF000000u;
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return image;
}

// Saves a screenshot for people to look at: $TOLSY_SCREENSHOTS, else build/screenshots.
inline std::string save_screenshot(HWND window, const std::string& name) {
    const char* folder = std::getenv("TOLSY_SCREENSHOTS");
    std::string dir =
        folder && *folder ? folder : std::string(TOLSY_BINARY_DIR) + "/../screenshots";
    CreateDirectoryA(dir.c_str(), nullptr);
    const std::string path = dir + "/" + name + ".png";
    write_png(capture_window(window), path);
    return path;
}

}  // namespace tolsy::wintest
