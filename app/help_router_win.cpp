#include "app/help_router_win.h"

#include <memory>
#include <system_error>

#include "toolkit/controls/application_win.h"
#include "toolkit/controls/form_win.h"

namespace tolsy {
namespace {

using HtmlHelpAProc = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// HH_POPUP with 8-bit texts, for the 8-bit entry point.
struct HhPopupA {
    int cbStruct;
    HINSTANCE hinst;
    UINT idString;
    LPCSTR pszText;
    POINT pt;
    COLORREF clrForeground;
    COLORREF clrBackground;
    RECT rcMargins;
    LPCSTR pszFont;
};
#ifndef _WIN64
static_assert(sizeof(HhPopupA) == HelpPopupRecord::kRecordSize);
#endif

HWND to_hwnd(NativeWindow window) {
    return reinterpret_cast<HWND>(window);
}
NativeWindow from_hwnd(HWND window) {
    return reinterpret_cast<NativeWindow>(window);
}

// A file in the program's own folder, whatever the current folder is.
std::string beside_program(const std::string& file) {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return file;
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    const std::size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? file : path.substr(0, slash + 1) + file;
}

// From the system folder only: a library of that name beside the program or in the current
// folder is never the one meant.
HMODULE load_system_library(const std::string& name) {
    char folder[MAX_PATH];
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::string path = std::string(folder, length) + "\\" + name;
    return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

HtmlHelpAProc entry_of(std::uintptr_t entry) {
    return reinterpret_cast<HtmlHelpAProc>(entry);
}

}  // namespace

std::uintptr_t Win32HelpPlatform::load_library(std::string_view name) {
    if (!loading_name_.empty() && name == loading_name_) {
        // Collected: a start still waiting for the first idle does nothing now.
        loading_name_.clear();
        if (loading_.valid()) return reinterpret_cast<std::uintptr_t>(loading_.get());
    }
    return reinterpret_cast<std::uintptr_t>(load_system_library(std::string(name)));
}

bool Win32HelpPlatform::begin_loading_library(std::string_view name) {
    if (!loading_name_.empty()) return name == loading_name_;
    loading_name_ = name;
    if (!load_at_first_idle_) return start_loading();
    Application::instance().at_first_idle([this] { start_loading(); });
    return true;
}

bool Win32HelpPlatform::start_loading() {
    if (loading_name_.empty() || loading_.valid()) return true;  // collected, or under way
    try {
        loading_ = std::async(std::launch::async,
                              [file = loading_name_] { return load_system_library(file); });
    } catch (const std::system_error&) {
        // No thread to spare: the first request loads it at once.
        loading_name_.clear();
        return false;
    }
    return true;
}

std::uintptr_t Win32HelpPlatform::find_entry(std::uintptr_t library, std::string_view name) {
    return reinterpret_cast<std::uintptr_t>(
        GetProcAddress(reinterpret_cast<HMODULE>(library), std::string(name).c_str()));
}

void Win32HelpPlatform::free_library(std::uintptr_t library) {
    FreeLibrary(reinterpret_cast<HMODULE>(library));
}

NativeWindow Win32HelpPlatform::html_help(std::uintptr_t entry, NativeWindow owner,
                                          const std::optional<std::string>& path, unsigned command,
                                          HelpData data) {
    return from_hwnd(entry_of(entry)(to_hwnd(owner), path ? path->c_str() : nullptr, command,
                                     static_cast<DWORD_PTR>(data)));
}

NativeWindow Win32HelpPlatform::html_help_popup(std::uintptr_t entry, NativeWindow owner,
                                                const std::optional<std::string>& path,
                                                const HelpPopupRecord& popup) {
    // The viewer reads the record as its own platform lays it out, so the size is native.
    HhPopupA record{};
    record.cbStruct = sizeof record;
    record.hinst = reinterpret_cast<HINSTANCE>(popup.instance);
    record.idString = popup.string_id;
    record.pszText = popup.text.c_str();
    record.pt = {popup.position.x, popup.position.y};
    record.clrForeground = static_cast<COLORREF>(popup.foreground);
    record.clrBackground = static_cast<COLORREF>(popup.background);
    record.rcMargins = {popup.margins[0], popup.margins[1], popup.margins[2], popup.margins[3]};
    record.pszFont = popup.font.c_str();
    return html_help(entry, owner, path, html_help_command::kDisplayTextPopup,
                     reinterpret_cast<HelpData>(&record));
}

bool Win32HelpPlatform::win_help(NativeWindow owner, const std::string& file, unsigned command,
                                 HelpData data) {
    return WinHelpA(to_hwnd(owner), file.c_str(), command, static_cast<ULONG_PTR>(data)) != FALSE;
}

HelpPoint Win32HelpPlatform::cursor_pos() {
    POINT p{};
    GetCursorPos(&p);
    return {p.x, p.y};
}

THelpEvent Win32HelpApplication::help_hook() const {
    Application::HelpHook hook = Application::instance().help_hook();
    if (!hook) return {};
    return [hook](std::uint16_t command, HelpData data, bool& call_help) {
        const bool handled = hook(command, static_cast<ULONG_PTR>(data));
        call_help = !handled;
        return handled;
    };
}

void Win32HelpApplication::set_help_hook(THelpEvent hook) {
    if (!hook) {
        Application::instance().set_help_hook({});
        return;
    }
    Application::instance().set_help_hook([hook](UINT command, ULONG_PTR data) {
        bool call_help = true;
        hook(static_cast<std::uint16_t>(command), static_cast<HelpData>(data), call_help);
        return !call_help;
    });
}

NativeWindow Win32HelpApplication::window() const {
    return from_hwnd(Application::instance().main_window());
}

std::optional<HelpFormInfo> Win32HelpApplication::active_form() const {
    HWND active = GetActiveWindow();
    if (!active || !dynamic_cast<Form*>(Window::from_handle(active))) return std::nullopt;
    return HelpFormInfo{from_hwnd(active), {}};
}

Win32HelpPlatform& win32_help_platform() {
    static Win32HelpPlatform platform;
    return platform;
}

Win32HelpApplication& win32_help_application() {
    static Win32HelpApplication application;
    return application;
}

std::unique_ptr<THelpRouter> create_help_router(const Window* owner_form) {
    auto router = std::make_unique<THelpRouter>(win32_help_application(), win32_help_platform());
    router->set_owner_form([owner_form] {
        return std::optional<HelpFormInfo>(
            HelpFormInfo{from_hwnd(owner_form ? owner_form->handle() : nullptr), {}});
    });
    router->set_helpfile(beside_program("tolsy.chm"));
    router->set_help_type(THelpType::htHTMLhelp);
    return router;
}

}  // namespace tolsy
