// Program entry: the start-up sequence of Framewright.
#include <windows.h>
#include <commctrl.h>

#include "app/form1_win.h"
#include "toolkit/application_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    tolsy::Application& app = tolsy::Application::instance();
    app.set_title("Tolsy");

    tolsy::TForm1 form1;
    app.guarded([&] { form1.create_window(); });

    // The About window exists from start-up to the end, hidden until asked for.
    tolsy::Form about;
    about.set_caption("About");
    app.guarded([&] { about.create_window(form1.handle()); });

    if (!app.terminated() && form1.handle()) form1.show();
    return app.run();
}
