#include "app/help_router.h"

#include <cstdio>

namespace tolsy {
namespace {

// Process-wide state of the help unit: one viewer library, one router, one latest target.
struct ViewerLibrary {
    HelpPlatform* platform = nullptr;  // not owned: the one that loaded the library
    HelpPlatform* loading = nullptr;   // not owned: the one loading it in the background
    std::uintptr_t library = 0;
    std::uintptr_t entry = 0;
};
ViewerLibrary g_viewer;
THelpRouter* g_router = nullptr;
HelpTarget g_target;
HelpPopupRecord g_popup;

constexpr std::string_view kChmExtension = ".chm";
constexpr std::string_view kHlpExtension = ".hlp";
constexpr std::string_view kHtmExtension = ".htm";
constexpr std::string_view kTopicSeparator = "::/";
constexpr std::string_view kDefaultPopupTopics = "CSHelp.txt";
// The old help system's macro buffer holds at most this many characters.
constexpr std::size_t kMacroLimit = 255;

bool is_ext_delimiter(char c) {
    return c == '.' || c == '\\' || c == '/' || c == ':';
}

std::size_t ext_start(std::string_view path) {
    for (std::size_t i = path.size(); i > 0; --i) {
        char c = path[i - 1];
        if (is_ext_delimiter(c)) return c == '.' ? i - 1 : std::string_view::npos;
    }
    return std::string_view::npos;
}

char ascii_lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::int16_t low_word(HelpData data) {
    return static_cast<std::int16_t>(data & 0xFFFF);
}
std::int16_t high_word(HelpData data) {
    return static_cast<std::int16_t>((data >> 16) & 0xFFFF);
}

}  // namespace

std::string change_file_ext(std::string_view path, std::string_view ext) {
    std::size_t dot = ext_start(path);
    std::string result(path.substr(0, dot == std::string_view::npos ? path.size() : dot));
    result += ext;
    return result;
}

std::string extract_file_ext(std::string_view path) {
    std::size_t dot = ext_start(path);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string MakeTopicName(std::string_view topic) {
    std::string out;
    out.reserve(topic.size());
    for (char ch : topic) {
        switch (static_cast<unsigned char>(ch)) {
            case ' ':
            case '%':
            case '.':
                out += '_';
                break;
            case '"':
            case ',':
            case '/':
            case ':':
            case '?':
            case '\\':
            case '|':
            case 191:
                break;
            case '&':
            case '*':
                out += '+';
                break;
            case '<':
            case '>':
                out += '~';
                break;
            case '[':
                out += '(';
                break;
            case ']':
                out += ')';
                break;
            case 196:
            case 228:
                out += 'a';
                break;
            case 214:
            case 246:
                out += 'o';
                break;
            case 220:
            case 252:
                out += 'u';
                break;
            case 223:
                out += 's';
                break;
            default:
                out += ch;
        }
    }
    return out;
}

bool help_viewer_available(HelpPlatform& platform) {
    if (g_viewer.library == 0) {
        // A load begun in the background is collected from the platform that began it.
        HelpPlatform& from = g_viewer.loading ? *g_viewer.loading : platform;
        g_viewer.loading = nullptr;
        try {
            g_viewer.library = from.load_library(kHelpViewerLibrary);
        } catch (...) {
            g_viewer.library = 0;
        }
        if (g_viewer.library != 0) {
            g_viewer.platform = &from;
            try {
                g_viewer.entry = from.find_entry(g_viewer.library, kHelpViewerEntry);
            } catch (...) {
                g_viewer.entry = 0;
            }
        }
    }
    return g_viewer.entry != 0;
}

void begin_help_viewer(HelpPlatform& platform) {
    if (g_viewer.library != 0 || g_viewer.loading) return;
    bool begun = false;
    try {
        begun = platform.begin_loading_library(kHelpViewerLibrary);
    } catch (...) {
        begun = false;
    }
    if (begun)
        g_viewer.loading = &platform;
    else
        help_viewer_available(platform);
}

void release_help_viewer() {
    // A load still under way is finished first, so that its library is freed like any other.
    if (g_viewer.loading) help_viewer_available(*g_viewer.loading);
    if (g_viewer.library != 0 && g_viewer.platform) {
        // Every help window runs the viewer's code: they are all closed before it goes.
        if (g_viewer.entry != 0) {
            try {
                g_viewer.platform->html_help(g_viewer.entry, 0, std::nullopt,
                                             html_help_command::kCloseAll, 0);
            } catch (...) {
                // Closing is best effort; the library is freed all the same.
            }
        }
        g_viewer.platform->free_library(g_viewer.library);
    }
    g_viewer = ViewerLibrary{};
}

const HelpTarget& last_help_target() {
    return g_target;
}

void open_help_contents() {
    if (THelpRouter* router = THelpRouter::instance()) router->OpenHelpTopic({}, {});
}

THelpRouter::THelpRouter(HelpApplication& application, HelpPlatform& platform)
    : application_(application), platform_(platform) {
    if (g_router) throw HelpRouterInstanceError();
    saved_hook_ = application_.help_hook();
    application_.set_help_hook([this](std::uint16_t command, HelpData data, bool& call_help) {
        return RouteHelpRequest(command, data, call_help);
    });
    g_router = this;
    show_type_ = TShowType::stDefault;
    chm_popup_topics_ = kDefaultPopupTopics;
}

THelpRouter::~THelpRouter() {
    application_.set_help_hook(saved_hook_);
    g_router = nullptr;
}

THelpRouter* THelpRouter::instance() {
    return g_router;
}

void THelpRouter::set_help_type(THelpType value) {
    if (value == help_type_) return;
    help_type_ = value;
    // Load the viewer while the owning window is read, not at the first request.
    if (value != THelpType::htWinhelp) begin_help_viewer(platform_);
}

bool THelpRouter::HelpViewerAvailable() {
    return help_viewer_available(platform_);
}

std::optional<HelpFormInfo> THelpRouter::current_form() const {
    if (auto active = application_.active_form()) return active;
    if (owner_form_) return owner_form_();
    return std::nullopt;
}

HelpTarget THelpRouter::resolve_target() const {
    HelpTarget target{application_.help_file(), application_.window()};
    if (auto form = current_form(); form && form->window != 0 && !form->help_file.empty()) {
        target = {form->help_file, form->window};
    }
    if (!helpfile_.empty()) target = {helpfile_, application_.window()};
    g_target = target;
    return target;
}

bool THelpRouter::OpenHelpTopic(const std::string& file, const std::string& topic) {
    HelpTarget target = resolve_target();
    if (!file.empty()) target = {file, 0};
    g_target = target;
    if (help_type_ == THelpType::htWinhelp) return open_winhelp_topic(target, topic);

    if (!HelpViewerAvailable()) return false;
    std::string path = change_file_ext(target.file, kChmExtension);
    if (!topic.empty()) {
        std::string name = topic;
        std::string ext = extract_file_ext(topic);
        for (char& c : ext) c = ascii_lower(c);
        if (ext.substr(0, kHtmExtension.size()) != kHtmExtension) {
            if (validate_id_) name = MakeTopicName(name);
            name += kHtmExtension;
        }
        path += kTopicSeparator;
        path += name;
    }
    return platform_.html_help(g_viewer.entry, target.owner, path, html_help_command::kDisplayTopic,
                               0) != 0;
}

bool THelpRouter::open_winhelp_topic(const HelpTarget& target, const std::string& topic) {
    std::string file = change_file_ext(target.file, kHlpExtension);
    char macro[kMacroLimit + 1];
    std::snprintf(macro, sizeof macro, "JumpID(\"\",\"%s\")", topic.c_str());
    if (!platform_.win_help(target.owner, file, help_command::kContents, 0)) return false;
    return platform_.win_help(target.owner, file, help_command::kMacro,
                              reinterpret_cast<HelpData>(macro));
}

bool THelpRouter::RouteHelpRequest(std::uint16_t command, HelpData data, bool& call_help) {
    bool result = false;
    if (OnHelp) {
        result = OnHelp(command, data, call_help);
        if (!call_help) return result;
    }
    if (saved_hook_) {
        result = saved_hook_(command, data, call_help);
        if (!call_help) return result;
    }
    if (show_type_ == TShowType::stMain) {
        if (command == help_command::kContextPopup)
            command = help_command::kContext;
        else if (command == help_command::kSetPopupPos)
            command = 0;
    }
    HelpTarget target = resolve_target();
    bool popup_command =
        command == help_command::kContextPopup || command == help_command::kSetPopupPos;
    bool html = help_type_ == THelpType::htHTMLhelp ||
                (help_type_ == THelpType::htMixedMode && !popup_command);
    if (html) {
        if (!HelpViewerAvailable()) return result;
        call_help = false;
        return route_html_command(command, data, target);
    }
    call_help = false;
    if (command == 0) return true;
    return platform_.win_help(target.owner, change_file_ext(target.file, kHlpExtension), command,
                              data);
}

bool THelpRouter::route_html_command(std::uint16_t command, HelpData data,
                                     const HelpTarget& target) {
    using namespace html_help_command;
    std::string path = change_file_ext(target.file, kChmExtension);
    auto view = [&](std::optional<std::string> file, unsigned viewer_command, HelpData arg) {
        return platform_.html_help(g_viewer.entry, target.owner, file, viewer_command, arg) != 0;
    };
    switch (command) {
        case help_command::kContext:
            return view(path, kHelpContext, data);
        case help_command::kQuit:
            return view(std::nullopt, kCloseAll, 0);
        case help_command::kContents:
        case help_command::kFinder:
            return view(path, kDisplayToc, 0);
        case help_command::kContextPopup: {
            HelpPoint at =
                popup_position_ == HelpPoint{} ? platform_.cursor_pos() : popup_position_;
            ShowContextPopup(at.x, at.y, std::string(), static_cast<std::uint32_t>(data));
            popup_position_ = HelpPoint{};
            return true;
        }
        case help_command::kSetPopupPos:
            popup_position_ = {low_word(data), high_word(data)};
            return false;
        case help_command::kTab:
            return view(path, data != 0 ? kDisplayIndex : kDisplayToc, 0);
        case help_command::kKey:
        case help_command::kPartialKey:
            return view(path, kDisplayIndex, data);
        default:
            return false;
    }
}

bool THelpRouter::ShowContextPopup(int x, int y, const std::string& text, std::uint32_t context) {
    if (!HelpViewerAvailable()) return false;
    g_popup = HelpPopupRecord{};
    g_popup.string_id = text.empty() ? context : 0;
    g_popup.text = text;
    g_popup.position = {x, y};
    if (text.empty()) {
        if (chm_popup_topics_.empty()) chm_popup_topics_ = kDefaultPopupTopics;
        HelpTarget target = resolve_target();
        std::string path = change_file_ext(target.file, kChmExtension);
        path += kTopicSeparator;
        path += chm_popup_topics_;
        return platform_.html_help_popup(g_viewer.entry, target.owner, path, g_popup) != 0;
    }
    auto form = current_form();
    NativeWindow owner = form ? form->window : 0;
    return platform_.html_help_popup(g_viewer.entry, owner, std::nullopt, g_popup) != 0;
}

}  // namespace tolsy
