// libFuzzer target for help requests: topic names, file names and every help command, routed
// through the router to a platform that only records. Requests whose data is text get the
// input's text; the others get it as a number.
#include <cstdint>
#include <cstring>
#include <string>

#include "app/help_router.h"
#include "fuzz/fuzz_budget.h"

using namespace tolsy;

namespace {

class QuietPlatform : public HelpPlatform {
  public:
    std::uintptr_t load_library(std::string_view) override { return 1; }
    std::uintptr_t find_entry(std::uintptr_t, std::string_view) override { return 2; }
    void free_library(std::uintptr_t) override {}
    NativeWindow html_help(std::uintptr_t, NativeWindow, const std::optional<std::string>& path,
                           unsigned, HelpData) override {
        return path && path->size() % 2 ? 0 : 5;
    }
    NativeWindow html_help_popup(std::uintptr_t, NativeWindow, const std::optional<std::string>&,
                                 const HelpPopupRecord& popup) override {
        return popup.text.empty() ? 0 : 6;
    }
    bool win_help(NativeWindow, const std::string& file, unsigned, HelpData) override {
        return !file.empty();
    }
    HelpPoint cursor_pos() override { return {3, 4}; }
};

class QuietApplication : public HelpApplication {
  public:
    THelpEvent hook;
    THelpEvent help_hook() const override { return hook; }
    void set_help_hook(THelpEvent h) override { hook = std::move(h); }
    std::string help_file() const override { return "app.hlp"; }
    NativeWindow window() const override { return 9; }
    std::optional<HelpFormInfo> active_form() const override { return std::nullopt; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BudgetCheck check(size);
    if (size < 3) return 0;
    const std::uint16_t command = static_cast<std::uint16_t>(data[0] | (data[1] << 8));
    const bool html = data[2] & 1;
    const std::string text(reinterpret_cast<const char*>(data + 3), size - 3);
    const std::size_t split = text.find('\n');
    const std::string file = split == std::string::npos ? std::string() : text.substr(0, split);
    const std::string topic = split == std::string::npos ? text : text.substr(split + 1);

    static QuietPlatform platform;
    QuietApplication application;
    THelpRouter router(application, platform);
    router.set_help_type(html ? THelpType::htHTMLhelp : THelpType::htWinhelp);
    router.set_helpfile(file.empty() ? "tolsy.chm" : file);
    router.set_chm_popup_topics(topic);
    (void)MakeTopicName(topic);
    (void)change_file_ext(file, ".chm");
    (void)extract_file_ext(topic);
    (void)router.OpenHelpTopic(file, topic);
    bool call_help = true;
    // Text requests read their data as a zero-terminated string.
    const std::string zero_terminated = topic + '\0';
    (void)router.RouteHelpRequest(command, reinterpret_cast<HelpData>(zero_terminated.c_str()),
                                  call_help);
    (void)router.RouteHelpRequest(command, static_cast<HelpData>(size), call_help);
    (void)router.ShowContextPopup(1, 2, topic, static_cast<std::uint32_t>(size));
    return 0;
}
