#pragma once
// Window hooking shared by the skinned components: one hook object per hooked window, kept in a
// process-wide list that owns a hidden utility window. The hook replaces the window's window
// procedure and keeps the previous one. For each message it offers the message to its clients,
// the most recently attached first, until one handles it (WM_QUIT skips them); when none did, or
// when the window is being destroyed, the previous procedure runs; then every client's
// after-handler runs. When the window is destroyed the hook puts the previous procedure back and
// posts itself kReinstallMessage, which hooks the client's window again once it is re-created;
// a hook whose last client detached is freed through kFreeMessage. No C++ exception leaves the
// hooked window procedure: it is shown by the application's error display.
#include <windows.h>

#include <vector>

#include "toolkit/components/component.h"

namespace tolsy {

inline constexpr UINT kReinstallMessage = 0xB0DE;
inline constexpr UINT kFreeMessage = 0xB0DF;

struct HookMessage {
    UINT message;
    WPARAM wparam;
    LPARAM lparam;
    LRESULT result = 0;
};

class WindowHook;

// A component that receives the messages of a hooked window.
class TTeHook : public Component {
  public:
    using Component::Component;
    ~TTeHook() override;

    // Attaches to the window (hooking it when no other client has); null detaches.
    void attach(HWND window);
    void detach() { attach(nullptr); }
    HWND hooked_window() const { return window_; }

    // True when the message was handled (its result set); the previous procedure then does
    // not run.
    virtual bool hook_message(HookMessage& message) = 0;
    // Runs after the message was handled, by a client or by the previous procedure.
    virtual void hook_after(HookMessage&) {}
    // The handle the client's window has now, for hooking it again after it was re-created;
    // null when it has none.
    virtual HWND current_window() const { return nullptr; }

  private:
    friend class WindowHook;
    friend class HookList;
    HWND window_ = nullptr;
};

class WindowHook {
  public:
    // The hook of that window, or null.
    static WindowHook* find(HWND window);
    static WindowHook& attach(HWND window, TTeHook& client);
    void detach(TTeHook& client);

    HWND window() const { return window_; }
    const std::vector<TTeHook*>& clients() const { return clients_; }
    // Sends the message through the previous procedure.
    LRESULT call_previous(UINT message, WPARAM wparam, LPARAM lparam) const;

  private:
    friend class HookList;
    explicit WindowHook(HWND window);
    void install(HWND window);
    void uninstall();
    LRESULT dispatch(UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

    HWND window_ = nullptr;
    WNDPROC previous_ = nullptr;
    std::vector<TTeHook*> clients_;  // newest first
};

// The number of live hooks, for tests.
std::size_t window_hook_count();

}  // namespace tolsy
