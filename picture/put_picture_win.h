#pragma once
// Putting a picture on a device context straight from its pixels, in one copy: no bitmap and no
// memory device context is made for it (making and freeing a bitmap the size of a window costs
// more than the copy itself).
#include <windows.h>

#include "picture/geometry.h"
#include "picture/image.h"

namespace tolsy {

// Puts the whole picture with its top-left pixel at (x, y).
void put_picture(HDC dc, const Image& picture, int x, int y);
// Puts the part `part` of the picture (in the picture's coordinates, cut to the picture) at
// (x + part.left, y + part.top).
void put_picture_part(HDC dc, const Image& picture, const Rect& part, int x = 0, int y = 0);

}  // namespace tolsy
