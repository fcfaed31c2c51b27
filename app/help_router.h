#pragma once
// THelpRouter: the one component that owns help. It loads the HTML help viewer, resolves the
// help file and the window that owns the viewer, opens topics and serves every help request
// the application raises. The platform (viewer library, old help system) and the application
// object are reached through the two narrow interfaces below so the routing is portable.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/app_error.h"

namespace tolsy {

using NativeWindow = std::uintptr_t;  // 0 means no window
using HelpData = std::uintptr_t;      // a help command's data: a number or a text's address

enum class THelpType { htWinhelp, htHTMLhelp, htMixedMode };
enum class TShowType { stDefault, stMain, stPopup };

// The application's help hook: (command, data, in/out call-help flag) -> result.
using THelpEvent = std::function<bool(std::uint16_t command, HelpData data, bool& call_help)>;

struct HelpPoint {
    int x = 0;
    int y = 0;
    bool operator==(const HelpPoint&) const = default;
};

// Commands of the old help system, as the application raises them.
namespace help_command {
inline constexpr std::uint16_t kContext = 1, kQuit = 2, kContents = 3, kContextPopup = 8,
                               kFinder = 11, kSetPopupPos = 13, kTab = 15, kKey = 0x0101,
                               kMacro = 0x0102, kPartialKey = 0x0105;
}  // namespace help_command

// Commands of the HTML help viewer's entry point.
namespace html_help_command {
inline constexpr unsigned kDisplayTopic = 0, kDisplayToc = 1, kDisplayIndex = 2,
                          kDisplayTextPopup = 14, kHelpContext = 15, kCloseAll = 18;
}  // namespace html_help_command

inline constexpr std::string_view kHelpViewerLibrary = "HHCTRL.OCX";
inline constexpr std::string_view kHelpViewerEntry = "HtmlHelpA";

// The text pop-up description handed to the viewer (its HH_POPUP record, field by field).
struct HelpPopupRecord {
    // Size of the record in the 32-bit layout; the platform side writes its native size.
    static constexpr std::int32_t kRecordSize = 52;
    std::int32_t struct_size = kRecordSize;
    std::uintptr_t instance = 0;
    std::uint32_t string_id = 0;
    std::string text;
    HelpPoint position;
    std::int32_t foreground = -1;  // -1: the viewer's default colour
    std::int32_t background = -1;
    std::int32_t margins[4] = {-1, -1, -1, -1};
    std::string font = "MS Sans Serif, 8";
};

// The platform's help systems. Library and entry are opaque values, 0 when absent.
class HelpPlatform {
  public:
    virtual ~HelpPlatform() = default;
    virtual std::uintptr_t load_library(std::string_view name) = 0;  // may throw
    // Starts loading a library without waiting for it; the next load_library of that name then
    // hands over the result. False when this platform loads a library only when asked.
    virtual bool begin_loading_library(std::string_view /*name*/) { return false; }
    virtual std::uintptr_t find_entry(std::uintptr_t library, std::string_view name) = 0;
    virtual void free_library(std::uintptr_t library) = 0;
    // The viewer's entry point; no path means "no file". Returns the viewer's window.
    virtual NativeWindow html_help(std::uintptr_t entry, NativeWindow owner,
                                   const std::optional<std::string>& path, unsigned command,
                                   HelpData data) = 0;
    virtual NativeWindow html_help_popup(std::uintptr_t entry, NativeWindow owner,
                                         const std::optional<std::string>& path,
                                         const HelpPopupRecord& popup) = 0;
    virtual bool win_help(NativeWindow owner, const std::string& file, unsigned command,
                          HelpData data) = 0;
    virtual HelpPoint cursor_pos() = 0;
};

// A form as help sees it: its window (0 when it has none yet) and its own help file.
struct HelpFormInfo {
    NativeWindow window = 0;
    std::string help_file;
};

// What help needs of the application object.
class HelpApplication {
  public:
    virtual ~HelpApplication() = default;
    virtual THelpEvent help_hook() const = 0;
    virtual void set_help_hook(THelpEvent hook) = 0;
    virtual std::string help_file() const = 0;
    virtual NativeWindow window() const = 0;  // the application's own hidden window
    virtual std::optional<HelpFormInfo> active_form() const = 0;
};

// Raised when a second router is created.
class HelpRouterInstanceError : public AppError {
  public:
    HelpRouterInstanceError() : AppError("Multiple instances of THelpRouter are not allowed") {}
};

// The viewer library, loaded once per process and released at program end (or by
// release_help_viewer, which closes every viewer window first). A failed load is retried; a
// library without the entry is not.
bool help_viewer_available(HelpPlatform& platform);
// Starts loading the viewer library where the platform can load it beside the caller's work;
// elsewhere it is loaded at once. The first help_viewer_available (or the release) waits for it.
void begin_help_viewer(HelpPlatform& platform);
void release_help_viewer();

// The file and owner of the latest request (process-wide, rewritten by each request).
struct HelpTarget {
    std::string file;
    NativeWindow owner = 0;
};
const HelpTarget& last_help_target();

// Turns a topic into a safe file name (spaces and dots to "_", separators dropped ...).
std::string MakeTopicName(std::string_view topic);

// The file-name helpers of the router: extension from the last "." after the last separator.
std::string change_file_ext(std::string_view path, std::string_view ext);
std::string extract_file_ext(std::string_view path);

class THelpRouter;

// What the window menu's "Help..." command (TForm1::Help1Click) does: the process's router opens
// the help file at its default topic. The result is ignored; without a router nothing happens.
void open_help_contents();

class THelpRouter {
  public:
    // Throws HelpRouterInstanceError when a router already exists in the process.
    THelpRouter(HelpApplication& application, HelpPlatform& platform);
    ~THelpRouter();
    THelpRouter(const THelpRouter&) = delete;
    THelpRouter& operator=(const THelpRouter&) = delete;

    // The process's router, or null.
    static THelpRouter* instance();

    THelpType HelpType() const { return help_type_; }
    void set_help_type(THelpType value);
    TShowType ShowType() const { return show_type_; }
    void set_show_type(TShowType value) { show_type_ = value; }
    const std::string& Helpfile() const { return helpfile_; }
    void set_helpfile(std::string value) { helpfile_ = std::move(value); }
    const std::string& CHMPopupTopics() const { return chm_popup_topics_; }
    void set_chm_popup_topics(std::string value) { chm_popup_topics_ = std::move(value); }
    bool ValidateID() const { return validate_id_; }
    void set_validate_id(bool value) { validate_id_ = value; }
    THelpEvent OnHelp;

    // The form that owns the router, used when no form is active.
    void set_owner_form(std::function<std::optional<HelpFormInfo>()> owner_form) {
        owner_form_ = std::move(owner_form);
    }

    bool OpenHelpTopic(const std::string& file, const std::string& topic);
    bool RouteHelpRequest(std::uint16_t command, HelpData data, bool& call_help);
    bool ShowContextPopup(int x, int y, const std::string& text, std::uint32_t context);
    bool HelpViewerAvailable();

  private:
    HelpTarget resolve_target() const;
    std::optional<HelpFormInfo> current_form() const;
    bool open_winhelp_topic(const HelpTarget& target, const std::string& topic);
    bool route_html_command(std::uint16_t command, HelpData data, const HelpTarget& target);

    HelpApplication& application_;
    HelpPlatform& platform_;
    THelpEvent saved_hook_;
    std::function<std::optional<HelpFormInfo>()> owner_form_;
    THelpType help_type_ = THelpType::htWinhelp;
    TShowType show_type_ = TShowType::stDefault;
    std::string helpfile_;
    std::string chm_popup_topics_;
    bool validate_id_ = false;
    HelpPoint popup_position_;
};

}  // namespace tolsy
