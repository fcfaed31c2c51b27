#include "skin/forms/window_hook_win.h"

#include <algorithm>
#include <memory>

#include "toolkit/controls/application_win.h"

namespace tolsy {

namespace {
constexpr wchar_t kUtilityClass[] = L"TolsyHookUtility";
}  // namespace

// The process-wide list of hooks and its utility window, which receives the posted re-install
// and free requests.
class HookList {
  public:
    // Never freed: hooked windows may still deliver messages while the process ends.
    static HookList& instance() {
        static HookList* list = new HookList;
        return *list;
    }
    WindowHook& add(HWND window) {
        hooks_.push_back(std::unique_ptr<WindowHook>(new WindowHook(window)));
        return *hooks_.back();
    }
    bool contains(const WindowHook* hook) const {
        return std::any_of(hooks_.begin(), hooks_.end(),
                           [&](const auto& h) { return h.get() == hook; });
    }
    void free(WindowHook* hook) {
        if (!contains(hook)) return;
        hook->uninstall();
        std::erase_if(hooks_, [&](const auto& h) { return h.get() == hook; });
    }
    // The hook installed on a window, found in the list rather than kept as a window property:
    // the hooked procedure asks for every message, and under Wine reading a property is a
    // request to the window server.
    WindowHook* hooking(HWND window) const {
        for (const auto& h : hooks_)
            if (h->window_ == window) return h.get();
        return nullptr;
    }
    // The hook a client is attached to, also after its window is gone.
    WindowHook* holding(const TTeHook* client) const {
        for (const auto& h : hooks_)
            if (std::find(h->clients_.begin(), h->clients_.end(), client) != h->clients_.end())
                return h.get();
        return nullptr;
    }
    void post(UINT message, WindowHook* hook) {
        PostMessageW(utility(), message, 0, reinterpret_cast<LPARAM>(hook));
    }
    std::size_t size() const { return hooks_.size(); }

    // Made at the first request posted: most runs post none before the program ends.
    HWND utility() {
        if (!utility_) {
            static const ATOM atom = [] {
                WNDCLASSEXW wc{};
                wc.cbSize = sizeof wc;
                wc.lpfnWndProc = &HookList::utility_procedure;
                wc.hInstance = GetModuleHandleW(nullptr);
                wc.lpszClassName = kUtilityClass;
                return RegisterClassExW(&wc);
            }();
            (void)atom;
            utility_ = CreateWindowExW(0, kUtilityClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
        }
        return utility_;
    }

  private:
    static LRESULT CALLBACK utility_procedure(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
        HookList& list = instance();
        auto* hook = reinterpret_cast<WindowHook*>(lparam);
        if (message == kReinstallMessage && list.contains(hook)) {
            Application::instance().guarded([&] {
                HWND again = nullptr;
                for (TTeHook* client : hook->clients_)
                    if (!again) again = client->current_window();
                if (again && IsWindow(again)) {
                    hook->install(again);
                    for (TTeHook* client : hook->clients_) client->window_ = again;
                } else if (hook->clients_.empty()) {
                    list.free(hook);
                }
            });
            return 0;
        }
        if (message == kFreeMessage) {
            if (list.contains(hook) && hook->clients_.empty()) list.free(hook);
            return 0;
        }
        return DefWindowProcW(window, message, wparam, lparam);
    }

    std::vector<std::unique_ptr<WindowHook>> hooks_;
    HWND utility_ = nullptr;
};

TTeHook::~TTeHook() {
    detach();
}

void TTeHook::attach(HWND window) {
    if (window == window_) return;
    if (WindowHook* hook = HookList::instance().holding(this)) hook->detach(*this);
    window_ = nullptr;
    if (window) {
        WindowHook::attach(window, *this);
        window_ = window;
    }
}

WindowHook::WindowHook(HWND window) {
    install(window);
}

void WindowHook::install(HWND window) {
    window_ = window;
    previous_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
        window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WindowHook::procedure)));
}

void WindowHook::uninstall() {
    if (!window_) return;
    if (IsWindow(window_)) {
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC)) ==
            &WindowHook::procedure)
            SetWindowLongPtrW(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    }
    window_ = nullptr;
}

WindowHook* WindowHook::find(HWND window) {
    if (!window) return nullptr;
    return HookList::instance().hooking(window);
}

WindowHook& WindowHook::attach(HWND window, TTeHook& client) {
    WindowHook* hook = find(window);
    if (!hook) hook = &HookList::instance().add(window);
    hook->clients_.insert(hook->clients_.begin(), &client);
    return *hook;
}

void WindowHook::detach(TTeHook& client) {
    if (std::find(clients_.begin(), clients_.end(), &client) == clients_.end()) return;
    std::erase(clients_, &client);
    // Freed later: the client may detach from inside the hooked procedure.
    if (clients_.empty()) {
        uninstall();
        HookList::instance().post(kFreeMessage, this);
    }
}

LRESULT WindowHook::call_previous(UINT message, WPARAM wparam, LPARAM lparam) const {
    return CallWindowProcW(previous_, window_, message, wparam, lparam);
}

LRESULT WindowHook::dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
    HookMessage m{message, wparam, lparam};
    bool handled = false;
    const std::vector<TTeHook*> clients = clients_;
    Application& app = Application::instance();
    if (message != WM_QUIT) {
        for (TTeHook* client : clients) {
            app.guarded([&] { handled = client->hook_message(m); });
            if (handled) break;
        }
    }
    const WNDPROC previous = previous_;
    const HWND window = window_;
    if (message == WM_NCDESTROY) {
        // Put the previous procedure back; the window may be re-created and hooked again.
        uninstall();
        HookList::instance().post(kReinstallMessage, this);
    }
    if (!handled || message == WM_NCDESTROY)
        m.result = CallWindowProcW(previous, window, message, wparam, lparam);
    for (TTeHook* client : clients) {
        if (std::find(clients_.begin(), clients_.end(), client) == clients_.end()) continue;
        app.guarded([&] { client->hook_after(m); });
    }
    return m.result;
}

LRESULT CALLBACK WindowHook::procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    WindowHook* hook = find(window);
    if (!hook) return DefWindowProcW(window, message, wparam, lparam);
    return hook->dispatch(message, wparam, lparam);
}

std::size_t window_hook_count() {
    return HookList::instance().size();
}

}  // namespace tolsy
