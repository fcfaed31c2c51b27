#pragma once
// Layout of a skin object's children whenever the object is given new bounds: the nine passes
// that fit one stored object (a window frame, a control face) to rectangles of every size.
#include "picture/geometry.h"
#include "picture/text_renderer.h"

namespace tolsy {

class TSeSkinObject;

// Places every child of the object by its Align against the object's new bounds; the object's
// previous bounds are still available for the relative alignments.
void layout_skin_children(TSeSkinObject& object);

// Gives the object new bounds (which lays out its children) from a rectangle.
void place_object(TSeSkinObject& object, const Rect& rect);
Rect object_rect(const TSeSkinObject& object);

// The renderer whose measurements size saText children. Layout runs inside property setters,
// so it reaches the renderer through this process-wide setting rather than an argument.
TextRenderer& layout_text_renderer();
// Not owned; nullptr restores the built-in bitmap font.
void set_layout_text_renderer(TextRenderer* renderer);

}  // namespace tolsy
