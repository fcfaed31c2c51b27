// TTeSkinFile's lookups and drawing operations; loading and the rebuild of the look are in
// skin_file.cpp.
#include "skin/themes/skin_file_look.h"

#include "skin/bytes/text_util.h"
#include "skin/model/layout.h"
#include "skin/paint/paint.h"
#include "skin/paint/push_button.h"
#include "skin/themes/skin_file.h"

namespace tolsy {

TSeSkinObject* TTeSkinFile::theme_object(std::string_view name, int default_slot) const {
    if (same_text(name, kDefaultThemeObject)) return standard_.slot(default_slot);
    return working_.find_object(name);
}

TSeSkinObject* TTeSkinFile::theme_part(std::string_view name, int default_slot,
                                       std::string_view part) const {
    TSeSkinObject* object = theme_object(name, default_slot);
    return object == nullptr ? nullptr : object->find_part(part);
}

bool TTeSkinFile::draw_button(int kind, Canvas& canvas, std::string_view object, const Rect& rect,
                              VisualState state) {
    if (kind != kButtonKindPushFace) return false;
    TSeSkinObject* button = theme_object(object, kSlotButton);
    if (button == nullptr) return false;
    for (std::size_t i = 0; i < button->child_count(); ++i) {
        if (same_text(button->child(i)->name(), "Face")) {
            button = button->child(i);
            break;
        }
    }
    set_state(*button, push_face_state(state));
    const SkinBounds previous = button->bounds();
    place_object(*button, rect);
    paint_object(*button, canvas, layout_text_renderer());
    button->set_bounds(previous);
    return true;
}

}  // namespace tolsy
