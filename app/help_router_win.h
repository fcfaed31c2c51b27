#pragma once
// The help router's platform side: the HTML help viewer loaded by name, the old help system,
// and the application object's help hook, files and windows.
#include <windows.h>

#include <future>
#include <memory>
#include <string>

#include "app/help_router.h"
#include "toolkit/controls/window_win.h"

namespace tolsy {

class Win32HelpPlatform : public HelpPlatform {
  public:
    std::uintptr_t load_library(std::string_view name) override;
    // Loads on a thread of its own: the viewer library and the libraries it needs take
    // several milliseconds, which the caller spends on its own work meanwhile. The load starts
    // at once, or with `set_load_at_first_idle`, when the application's message loop first
    // goes idle.
    bool begin_loading_library(std::string_view name) override;
    // Start-up sets this: a load beside the main window's making slowed that by about as long
    // as the load itself (the two share the cores, the window system's server and the loader),
    // where after the first paint it is done before anyone can ask for help.
    void set_load_at_first_idle(bool at_first_idle) { load_at_first_idle_ = at_first_idle; }
    // Whether a load begun beside the caller is under way or waits to be collected.
    bool loading() const { return loading_.valid(); }
    std::uintptr_t find_entry(std::uintptr_t library, std::string_view name) override;
    void free_library(std::uintptr_t library) override;
    NativeWindow html_help(std::uintptr_t entry, NativeWindow owner,
                           const std::optional<std::string>& path, unsigned command,
                           HelpData data) override;
    NativeWindow html_help_popup(std::uintptr_t entry, NativeWindow owner,
                                 const std::optional<std::string>& path,
                                 const HelpPopupRecord& popup) override;
    bool win_help(NativeWindow owner, const std::string& file, unsigned command,
                  HelpData data) override;
    HelpPoint cursor_pos() override;

  private:
    bool start_loading();

    bool load_at_first_idle_ = false;
    std::string loading_name_;      // begun and not yet collected
    std::future<HMODULE> loading_;  // waited for by its destructor, if never collected
};

// The application object as help sees it. Our forms carry no help file of their own, so the
// active form never replaces the router's file; the main window stands in for the
// application's own window as the viewer's owner.
class Win32HelpApplication : public HelpApplication {
  public:
    THelpEvent help_hook() const override;
    void set_help_hook(THelpEvent hook) override;
    std::string help_file() const override { return {}; }
    NativeWindow window() const override;
    std::optional<HelpFormInfo> active_form() const override;
};

// The process's help platform and application adapters.
Win32HelpPlatform& win32_help_platform();
Win32HelpApplication& win32_help_application();

// Creates the process's router as the main window carries it ("tolsy.chm", HTML help). The
// viewer library begins loading here (see `Win32HelpPlatform::begin_loading_library`). `owner_form`
// (not owned, may be null) is the form used when no form is active.
std::unique_ptr<THelpRouter> create_help_router(const Window* owner_form);

}  // namespace tolsy
