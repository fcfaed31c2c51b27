#include "skin/model/bitmap_link.h"

#include "toolkit/components/class_builder.h"

namespace tolsy {

const ClassInfo& TteBitmapLink::static_class_info() {
    static const ClassInfo info =
        declare_class<TteBitmapLink>("TteBitmapLink", nullptr, [](auto& c) {
            c.string("Name", &TteBitmapLink::name);
            c.integer("Left", &TteBitmapLink::left);
            c.integer("Top", &TteBitmapLink::top);
            c.integer("Right", &TteBitmapLink::right);
            c.integer("Bottom", &TteBitmapLink::bottom);
        });
    return info;
}

void TteBitmapLink::assign(const TteBitmapLink& other) {
    name = other.name;
    left = other.left;
    top = other.top;
    right = other.right;
    bottom = other.bottom;
    transparency = other.transparency;
    transparency_settled = other.transparency_settled;
}

bool TteBitmapLink::operator==(const TteBitmapLink& other) const {
    return name == other.name && left == other.left && top == other.top && right == other.right &&
           bottom == other.bottom;
}

const TteBitmap* TteBitmapLink::bitmap(const BitmapList* images) const {
    if (images == nullptr || name.empty()) return nullptr;
    return find_bitmap(*images, name);
}

}  // namespace tolsy
