#pragma once
// A reference from a skin object into one of the skin's images: the image's name and a
// rectangle in it (right and bottom exclusive). Written as "Bitmap.Name", "Bitmap.Left" ...
#include <string>

#include "skin/model/nine_piece.h"
#include "skin/model/skin_bitmap.h"
#include "toolkit/components/class_info.h"

namespace tolsy {

class TteBitmapLink : public Persistent {
    TOLSY_PERSISTENT(TteBitmapLink)

    std::string name;  // empty: refers to no image
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    // Not stored: which pieces need transparent drawing, settled when the link is first drawn
    // (most links of a theme never are) and kept; copies of the link carry them along.
    mutable LinkTransparency transparency;
    mutable bool transparency_settled = false;

    void assign(const TteBitmapLink& other);
    bool operator==(const TteBitmapLink& other) const;
    bool empty() const { return name.empty(); }
    // The named image in the list, or none (also for an empty name or a name the skin lacks).
    const TteBitmap* bitmap(const BitmapList* images) const;
};

}  // namespace tolsy
