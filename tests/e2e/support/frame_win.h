#pragma once
// The skinned frame as the driver sees it: the program's own theme loaded in the driver, the
// frame it must show painted off-screen at a window's size, the screen's pixels of a window,
// and real mouse input with the buttons held or released separately.
#include <windows.h>

#include "picture/image.h"
#include "skin/themes/frame_info.h"

namespace e2e {

// The main window's frame: a dialog frame with the window icon, minimise and close.
inline constexpr int kMainFrameKind = tolsy::kFrameDialog;
inline constexpr std::uint16_t kMainButtons = tolsy::caption_button_bit(tolsy::kCaptionIcon) |
                                              tolsy::caption_button_bit(tolsy::kCaptionClose) |
                                              tolsy::caption_button_bit(tolsy::kCaptionMinimize);

// Loads the theme stored in the program's main window description and makes it current here.
void load_program_theme();
// The frame the program must show for a window of that size (the client area and the window
// icon are left black); the close button in the given state.
tolsy::Image expected_frame(int width, int height, bool active, const std::string& caption,
                            int close_state = tolsy::kCaptionButtonNormal);
// A caption button's rectangle in window coordinates.
RECT frame_button(int width, int height, int kind);
RECT frame_client(int width, int height);

// The screen's pixels of a window's rectangle.
tolsy::Image capture(HWND window);
// The number of pixels that differ between the two pictures outside the client rectangle and
// the `skip` rectangle, both in window coordinates.
int frame_differences(const tolsy::Image& a, const tolsy::Image& b, const RECT& client,
                      const RECT& skip);

// Real mouse input.
void mouse_to(POINT screen);
void mouse_down(POINT screen, bool right = false);
void mouse_up(POINT screen, bool right = false);
void double_click(POINT screen);
POINT screen_point(HWND window, int x, int y);

}  // namespace e2e
