// Program entry: the start-up sequence of Framewright.
#include <windows.h>
#include <commctrl.h>

#include <memory>

#include "about/about_win.h"
#include "app/form1_win.h"
#include "app/help_router_win.h"
#include "app/startup_log_win.h"
#include "base/startup_marks.h"
#include "toolkit/controls/application_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const std::wstring startup_log = tolsy::begin_startup_log();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    tolsy::startup_marks::mark("common controls");

    tolsy::Application& app = tolsy::Application::instance();
    app.set_title("Tolsy");

    tolsy::TForm1 form1;
    // The help router comes with the main window and begins loading the help viewer as it is
    // created; the load itself runs beside the program once the main window has painted.
    tolsy::win32_help_platform().set_load_at_first_idle(true);
    std::unique_ptr<tolsy::THelpRouter> help_router;
    app.guarded([&] { help_router = tolsy::create_help_router(&form1); });
    tolsy::startup_marks::mark("help viewer library");
    bool created = false;
    app.guarded([&] {
        form1.create_window();
        created = true;
    });
    if (!app.terminated() && !form1.handle()) {
        // No main window, no program: a message loop without a window would never end. The
        // reason was shown already when creating threw.
        if (created) app.show_error_text("Cannot create the main window");
        help_router.reset();
        tolsy::release_help_viewer();
        return 1;
    }

    if (!app.terminated() && form1.handle()) form1.show();
    tolsy::startup_marks::mark("shown");
    app.at_first_idle([] { tolsy::startup_marks::mark("painted"); });

    // The About window exists from start-up to the end, hidden until asked for. It is made,
    // with its star field's worker, once the main window has painted, or before the first input
    // if that comes sooner: no one can tell, and the main window appears that much earlier.
    std::unique_ptr<tolsy::TAbout> about;
    app.at_first_idle(
        [&] {
            app.guarded([&] {
                about = std::make_unique<tolsy::TAbout>();
                form1.set_about(about.get());
                about->Create(form1.handle());
            });
            tolsy::startup_marks::mark("About window created");
        },
        50);
    if (!startup_log.empty())
        app.at_first_idle([&startup_log] { tolsy::finish_startup_log(startup_log); });
    const int exit_code = app.run();
    form1.set_about(nullptr);
    about.reset();
    help_router.reset();
    tolsy::release_help_viewer();
    return exit_code;
}
