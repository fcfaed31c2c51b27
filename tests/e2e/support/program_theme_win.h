#pragma once
// The theme of the program under test, read in the driver from the program file's own window
// description, so that the driver paints a control off-screen exactly as the program must;
// and the screen's pixels, to compare with.
#include <windows.h>

#include <memory>
#include <string>

#include "app/form1_description.h"
#include "picture/image.h"
#include "picture/text_renderer.h"
#include "skin/themes/skin_file.h"
#include "skin/themes/theme_components.h"

namespace e2e {

class ProgramTheme {
  public:
    // Reads the main window's description from tolsy.exe; throws when it cannot.
    ProgramTheme();
    ~ProgramTheme();
    tolsy::TTeSkinFile& theme() const;
    const tolsy::Form1Description& form() const { return *form_; }
    tolsy::TextRenderer& text() const { return *text_; }
    // The background behind the controls, as the program paints it.
    static std::uint32_t background();

  private:
    std::unique_ptr<tolsy::ThemeComponents> themes_;
    std::unique_ptr<tolsy::Form1Description> form_;
    std::unique_ptr<tolsy::TextRenderer> text_;
};

// The screen's pixels in a rectangle of screen coordinates, opaque.
tolsy::Image screen_pixels(const RECT& area);

// The number of pixels whose colour differs (alpha is not looked at), and the first of them.
struct Difference {
    int count = 0;
    POINT first{-1, -1};
};
Difference compare_pixels(const tolsy::Image& seen, const tolsy::Image& expected);
std::string describe(const Difference& d);

}  // namespace e2e
