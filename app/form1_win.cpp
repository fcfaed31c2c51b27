#include "app/form1_win.h"

#include "app/font_check_win.h"
#include "app/form1_controls_win.h"
#include "app/form1_description.h"
#include "app/form1_view_win.h"
#include "base/windows1252_win.h"
#include "composer/frame_composer.h"
#include "toolkit/controls/application_win.h"
#include "toolkit/controls/form_resource_win.h"

namespace tolsy {

namespace {
// SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE: position and size are passed but ignored.
constexpr UINT kTopmostFlags = 0x13;
static_assert(kTopmostFlags == (SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE));
}  // namespace

TForm1::TForm1() {
    set_caption("Framewright");
    set_client_size(389, 241);
    set_centered(true);
    set_form_style(FormStyle::kStayOnTop);
    on_create = [this] {
        auto themes = std::make_unique<ThemeComponents>();
        load_window_description(*themes, kForm1DescriptionName, {}, keep_theme_components);
        themes_ = std::move(themes);
        create_controls();
        FormCreate();
    };
    on_show = [this] { FormShow(); };
    on_activate = [this] { FormActivate(); };
}

void TForm1::FormCreate() {
    set_border_style(BorderStyle::kSingle);
    set_border_icons(BorderIcons{.system_menu = true, .minimize = true, .maximize = false});
    if (!font_installed(kSymbolFontFace)) {
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
    RECT r;
    GetWindowRect(handle(), &r);
    SetWindowPos(handle(), HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 kTopmostFlags);
}

void TForm1::CloseButtonClick() {
    close();
}
void TForm1::Close1Click() {
    close();
}

}  // namespace tolsy
