#include "support/driver_win.h"

#include "picture/image.h"
#include "picture/png.h"

#include <stdexcept>

namespace e2e {

std::wstring program_path() {
    wchar_t path[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L"\\/") + 1) + L"tolsy.exe";
}

Program::Program(const std::wstring& exe) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + exe + L"\"";
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info_))
        throw std::runtime_error("cannot start the program under test");
    WaitForInputIdle(info_.hProcess, 10000);
}

Program::~Program() {
    if (running()) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

std::vector<HWND> Program::windows() const {
    struct Search {
        DWORD pid;
        std::vector<HWND> found;
    } search{pid(), {}};
    EnumWindows(
        [](HWND window, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            DWORD owner_pid = 0;
            GetWindowThreadProcessId(window, &owner_pid);
            if (owner_pid == s->pid && IsWindowVisible(window)) s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND Program::wait_window(const std::wstring& caption, DWORD timeout_ms) const {
    HWND result = nullptr;
    wait_until(
        [&] {
            for (HWND w : windows())
                if (window_text(w) == caption) {
                    result = w;
                    return true;
                }
            return false;
        },
        timeout_ms);
    return result;
}

bool Program::wait_exit(DWORD timeout_ms) const {
    return WaitForSingleObject(info_.hProcess, timeout_ms) == WAIT_OBJECT_0;
}

bool Program::running() const {
    return WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD Program::exit_code() const {
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

bool wait_until(const std::function<bool()>& condition, DWORD timeout_ms) {
    const ULONGLONG end = GetTickCount64() + timeout_ms;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= end) return condition();
        // Keep our own windows responsive while we wait.
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        Sleep(20);
    }
}

void settle(DWORD ms) {
    wait_until([] { return false; }, ms);
}

std::wstring window_text(HWND window) {
    wchar_t buffer[1024];
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer),
                             SMTO_ABORTIFHUNG, 5000, &length))
        return {};
    return std::wstring(buffer, length);
}

std::wstring class_name(HWND window) {
    wchar_t buffer[256];
    const int n = GetClassNameW(window, buffer, 256);
    return std::wstring(buffer, n > 0 ? n : 0);
}

RECT window_rect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

RECT client_rect(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return r;
}

bool is_topmost(HWND window) {
    return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

namespace {
INPUT key_input(WORD key, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = key;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return in;
}
}  // namespace

INPUT mouse_input(DWORD flags, POINT screen) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = static_cast<LONG>((screen.x * 65536LL + width / 2) / width);
    in.mi.dy = static_cast<LONG>((screen.y * 65536LL + height / 2) / height);
    in.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    return in;
}

void press_keys(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs;
    for (WORD k : keys) inputs.push_back(key_input(k, false));
    for (auto it = keys.rbegin(); it != keys.rend(); ++it) inputs.push_back(key_input(*it, true));
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    settle();
}

void type_text(const std::wstring& text) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text) {
        INPUT in{};
        in.type = INPUT_KEYBOARD;
        in.ki.wScan = c;
        in.ki.dwFlags = KEYEVENTF_UNICODE;
        inputs.push_back(in);
        in.ki.dwFlags |= KEYEVENTF_KEYUP;
        inputs.push_back(in);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    settle();
}

bool activate(HWND window) {
    SetForegroundWindow(window);
    return wait_until([&] { return GetForegroundWindow() == window; }, 3000);
}

ClipboardText read_clipboard_text() {
    ClipboardText result;
    if (!OpenClipboard(nullptr)) return result;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* text = static_cast<const char*>(GlobalLock(data))) {
            const SIZE_T capacity = GlobalSize(data);
            SIZE_T n = 0;
            while (n < capacity && text[n] != '\0') ++n;
            result.bytes.assign(text, n);
            result.ok = true;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return result;
}

OtherWindow::OtherWindow() {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = L"E2eOtherWindow";
        return RegisterClassW(&wc);
    }();
    (void)atom;
    window_ =
        CreateWindowExW(0, L"E2eOtherWindow", L"Another program", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        20, 20, 300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    settle();
}

OtherWindow::~OtherWindow() {
    if (window_) DestroyWindow(window_);
}

namespace {
std::wstring screenshot_folder() {
    wchar_t buffer[MAX_PATH];
    const DWORD n = GetEnvironmentVariableW(L"TOLSY_SCREENSHOTS", buffer, MAX_PATH);
    std::wstring folder = n > 0 && n < MAX_PATH ? std::wstring(buffer, n) : L"screenshots";
    // A Unix path from the harness reaches us through Wine's Z: drive.
    if (!folder.empty() && folder[0] == L'/') folder = L"Z:" + folder;
    for (wchar_t& c : folder)
        if (c == L'/') c = L'\\';
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}
}  // namespace

std::string save_screenshot(const std::string& name, HWND window) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (window) area = window_rect(window);
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return {};

    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();

    tolsy::Image image(width, height);
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.at(x, y) = pixels[static_cast<size_t>(y) * width + x] | 0xFF000000u;
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);

    const std::wstring folder = screenshot_folder();
    std::string path(folder.begin(), folder.end());
    path += "\\" + name + ".png";
    tolsy::write_png(image, path);
    return path;
}

}  // namespace e2e
