#pragma once
// The pictures of the main window's three push buttons: each 32 x 16, the normal glyph on the
// left and its disabled form on the right, key-coloured where transparent.
#include <string_view>

#include "picture/image.h"

namespace tolsy {

// Builds a button image from a 16-row picture, 16 characters a row: '.' is transparent, and
// the letters pick colours (k black, w white, g grey, d dark grey, r red, b blue, y yellow).
// Throws std::invalid_argument for a picture of the wrong size or with an unknown letter.
Image button_glyph_from_picture(std::string_view picture);

Image clear_button_glyph();      // an eraser
Image clipboard_button_glyph();  // a clipboard with a sheet
Image close_button_glyph();      // a red cross

}  // namespace tolsy
