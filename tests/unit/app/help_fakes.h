#pragma once
// Fakes for the help router: a platform that records every call as one line of text, and an
// application object whose help file, window and active form the test sets.
#include <string>
#include <vector>

#include "app/help_router.h"

namespace tolsy::testing {

class FakeHelpPlatform : public HelpPlatform {
  public:
    std::vector<std::string> calls;
    std::uintptr_t library_result = 0x1000;
    std::uintptr_t entry_result = 0x2000;
    bool load_throws = false;
    bool loads_in_background = false;
    NativeWindow viewer_result = 0x77;
    bool win_help_result = true;
    std::vector<bool> win_help_results;  // consumed front first when not empty
    HelpPoint cursor{300, 400};
    HelpPopupRecord last_popup;

    std::uintptr_t load_library(std::string_view name) override {
        calls.push_back("load " + std::string(name));
        if (load_throws) throw std::runtime_error("load failed");
        return library_result;
    }
    bool begin_loading_library(std::string_view name) override {
        calls.push_back("begin " + std::string(name));
        return loads_in_background;
    }
    std::uintptr_t find_entry(std::uintptr_t library, std::string_view name) override {
        calls.push_back("entry " + std::to_string(library) + " " + std::string(name));
        return entry_result;
    }
    void free_library(std::uintptr_t library) override {
        calls.push_back("free " + std::to_string(library));
    }
    NativeWindow html_help(std::uintptr_t entry, NativeWindow owner,
                           const std::optional<std::string>& path, unsigned command,
                           HelpData data) override {
        calls.push_back("html " + std::to_string(entry) + " owner=" + std::to_string(owner) +
                        " path=" + (path ? *path : "<none>") + " cmd=" + std::to_string(command) +
                        " data=" + std::to_string(data));
        return viewer_result;
    }
    NativeWindow html_help_popup(std::uintptr_t entry, NativeWindow owner,
                                 const std::optional<std::string>& path,
                                 const HelpPopupRecord& popup) override {
        calls.push_back("popup " + std::to_string(entry) + " owner=" + std::to_string(owner) +
                        " path=" + (path ? *path : "<none>"));
        last_popup = popup;
        return viewer_result;
    }
    bool win_help(NativeWindow owner, const std::string& file, unsigned command,
                  HelpData data) override {
        std::string arg = command == help_command::kMacro
                              ? std::string(reinterpret_cast<const char*>(data))
                              : std::to_string(data);
        calls.push_back("winhelp owner=" + std::to_string(owner) + " file=" + file +
                        " cmd=" + std::to_string(command) + " data=" + arg);
        if (win_help_results.empty()) return win_help_result;
        bool result = win_help_results.front();
        win_help_results.erase(win_help_results.begin());
        return result;
    }
    HelpPoint cursor_pos() override {
        calls.push_back("cursor");
        return cursor;
    }
};

class FakeHelpApplication : public HelpApplication {
  public:
    THelpEvent hook;
    std::string file = "app.hlp";
    NativeWindow app_window = 11;
    std::optional<HelpFormInfo> active;

    THelpEvent help_hook() const override { return hook; }
    void set_help_hook(THelpEvent h) override { hook = std::move(h); }
    std::string help_file() const override { return file; }
    NativeWindow window() const override { return app_window; }
    std::optional<HelpFormInfo> active_form() const override { return active; }
};

}  // namespace tolsy::testing
