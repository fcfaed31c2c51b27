#pragma once
// The main window: fixed size, always on top, holding the composer's pages, the display line
// and the three push buttons.
#include "toolkit/form_win.h"

namespace tolsy {

inline constexpr char kSymbolFontFace[] = "Tolsy";
inline constexpr char kMissingFontMessage[] =
    "Tolsy font is not installed.\r\nThis program requires the Tolsy font";

class TForm1 : public Form {
public:
    TForm1();

    void FormCreate();
    void FormShow();
    void FormActivate();
    void ApplicationRestore();
    void CloseButtonClick();
    void Close1Click();

    // Places the window in the top-most band without moving, sizing or activating it.
    void set_topmost();

private:
    void stay_on_top();
};

}  // namespace tolsy
