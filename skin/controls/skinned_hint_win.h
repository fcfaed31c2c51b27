#pragma once
// Tool-tips painted from the theme's "Hint": the platform's tool-tip window keeps its timing,
// placement and text; its picture, border included, is composed off-screen by the portable
// code and copied once, and its font becomes the hint's so that it sizes itself to fit.
#include <windows.h>

namespace tolsy {

// Paints the tool-tip window from the current theme for as long as it lives; a window already
// skinned is left as it is. Where the theme has no "Hint", the platform paints it.
void skin_tool_tip(HWND tip);

}  // namespace tolsy
