#pragma once
// The end-to-end driver's tools: start the real program, find its windows, send input, read
// the clipboard from this (another) process, and save screenshots for people to look at.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// tolsy.exe beside the running driver.
std::wstring program_path();

// The program under test, started fresh; ended (by force if need be) when this goes.
class Program {
  public:
    explicit Program(const std::wstring& exe = program_path());
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    DWORD pid() const { return info_.dwProcessId; }
    HANDLE process() const { return info_.hProcess; }
    // Waits for a visible top-level window of the program with this caption; null on time-out.
    HWND wait_window(const std::wstring& caption, DWORD timeout_ms = 15000) const;
    // Visible top-level windows of the program.
    std::vector<HWND> windows() const;
    bool wait_exit(DWORD timeout_ms = 10000) const;
    bool running() const;
    DWORD exit_code() const;

  private:
    PROCESS_INFORMATION info_{};
};

// Polls until the condition holds or the time is up; returns the condition's last value.
bool wait_until(const std::function<bool()>& condition, DWORD timeout_ms = 5000);
// Lets pending sent and posted messages be handled by the program.
void settle(DWORD ms = 150);

std::wstring window_text(HWND window);  // through WM_GETTEXT, which works across processes
std::wstring class_name(HWND window);
RECT window_rect(HWND window);
RECT client_rect(HWND window);
bool is_topmost(HWND window);

// One absolute mouse event at a point of the screen (moving there first), for SendInput.
INPUT mouse_input(DWORD flags, POINT screen);
// Real keyboard input to the foreground window: e.g. press_keys({VK_MENU, VK_F4}) holds each
// key down in turn and releases them in reverse order.
void press_keys(const std::vector<WORD>& keys);
void type_text(const std::wstring& text);
// Brings a window to the foreground, as a click on it would.
bool activate(HWND window);

// CF_TEXT bytes on the clipboard (without the terminating zero); nullopt-like: ok=false when
// there is no text or the clipboard cannot be opened.
struct ClipboardText {
    bool ok = false;
    std::string bytes;
};
ClipboardText read_clipboard_text();

// A window of the driver's own, to take activation away from the program.
class OtherWindow {
  public:
    OtherWindow();
    ~OtherWindow();
    HWND handle() const { return window_; }

  private:
    HWND window_ = nullptr;
};

// Saves the whole screen (or one window's rectangle) as build/screenshots/<name>.png.
std::string save_screenshot(const std::string& name, HWND window = nullptr);

}  // namespace e2e
