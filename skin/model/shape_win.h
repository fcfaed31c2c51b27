#pragma once
// A portable shape as a platform region, for SetWindowRgn.
#include <windows.h>

#include "base/handles_win.h"
#include "skin/model/shape.h"

namespace tolsy {

// The region of the shape, offset by (dx, dy). Throws std::runtime_error when the platform
// cannot create it.
UniqueRegion make_region(const Shape& shape, int dx = 0, int dy = 0);

}  // namespace tolsy
