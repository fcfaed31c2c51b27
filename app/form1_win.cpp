#include "app/form1_win.h"

#include "about/about_win.h"
#include "app/font_check_win.h"
#include "app/form1_controls_win.h"
#include "app/form1_description.h"
#include "app/form1_view_win.h"
#include "app/help_router.h"
#include "base/startup_marks.h"
#include "base/windows1252_win.h"
#include "composer/frame_composer.h"
#include "skin/forms/te_form_win.h"
#include "toolkit/controls/application_win.h"
#include "toolkit/controls/form_resource_win.h"
#include "toolkit/controls/sys_popup_menu_win.h"

namespace tolsy {

namespace {
// SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE: position and size are passed but ignored.
constexpr UINT kTopmostFlags = 0x13;
static_assert(kTopmostFlags == (SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE));

// True when the window is top-most and no shown window lies above it, so that asking to put it
// on top would move nothing on the screen. Activation asks right after the window is first
// shown, when that is so; the request would still go to the window system (under Wine, to the
// X server as well).
bool on_top_already(HWND window) {
    if ((GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) == 0) return false;
    for (HWND above = GetWindow(window, GW_HWNDPREV); above != nullptr;
         above = GetWindow(above, GW_HWNDPREV)) {
        if (IsWindowVisible(above)) return false;
    }
    return true;
}

// The part of the description that acts on the window itself: its frame and window menu.
void keep_shell_components(ObjectNode& description) {
    description.properties.clear();
    std::erase_if(description.children, [](const ObjectNode& child) {
        return !same_text(child.class_name, TSysPopupMenu::static_class_info().name()) &&
               !same_text(child.class_name, TTeForm::static_class_info().name());
    });
}
}  // namespace

TForm1::TForm1() {
    set_caption("Framewright");
    set_client_size(389, 241);
    set_centered(true);
    set_form_style(FormStyle::kStayOnTop);
    on_create = [this] {
        startup_marks::mark("main window created");
        // Decoded once; the theme, the controls and the frame each take their part out of it.
        ObjectNode description = decode_window_description(kForm1DescriptionName);
        auto themes = std::make_unique<ThemeComponents>();
        read_decoded_description(*themes, description, {}, keep_theme_components);
        themes_ = std::move(themes);
        startup_marks::mark("theme loaded");
        create_controls(description);
        startup_marks::mark("controls created");
        register_sys_popup_menu_classes();
        register_frame_classes();
        shell_ = std::make_unique<FormComponents>(*this);
        read_decoded_description(*shell_, description,
                                 {{"CustomItem1Click", [this](Component&) { CustomItem1Click(); }},
                                  {"Help1Click", [this](Component&) { Help1Click(); }},
                                  {"Close1Click", [this](Component&) { Close1Click(); }}},
                                 keep_shell_components);
        startup_marks::mark("frame and window menu");
        FormCreate();
    };
    on_show = [this] { FormShow(); };
    on_activate = [this] { FormActivate(); };
}

void TForm1::FormCreate() {
    set_border(BorderStyle::kSingle,
               BorderIcons{.system_menu = true, .minimize = true, .maximize = false});
    const bool font_found = font_installed(kSymbolFontFace);
    startup_marks::mark("font check");
    if (!font_found) {
        Application& app = Application::instance();
        const std::wstring message = windows1252_to_wide(kMissingFontMessage);
        const std::wstring caption = windows1252_to_wide(app.title());
        MessageBoxW(nullptr, message.c_str(), caption.c_str(), MB_OK);
        app.terminate();
    }
    set_active_page(0);
    Application::instance().set_on_restore([this] { ApplicationRestore(); });
}

void TForm1::stay_on_top() {
    set_form_style(FormStyle::kStayOnTop);
    set_topmost();
}

void TForm1::FormShow() {
    stay_on_top();
}
void TForm1::FormActivate() {
    stay_on_top();
}
void TForm1::ApplicationRestore() {
    stay_on_top();
}

void TForm1::set_topmost() {
    if (on_top_already(handle())) return;
    RECT r;
    GetWindowRect(handle(), &r);
    SetWindowPos(handle(), HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 kTopmostFlags);
}

void TForm1::CloseButtonClick() {
    close();
}
void TForm1::CustomItem1Click() {
    if (about_ && about_->handle()) about_->show_modal();
}
void TForm1::Help1Click() {
    open_help_contents();
}
void TForm1::Close1Click() {
    close();
}

}  // namespace tolsy
