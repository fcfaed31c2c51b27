#pragma once
// How skin objects paint themselves onto a canvas: by class and state, with nine-piece images,
// transparency and text, and the shape an object gives a window.
#include <cstdint>

#include "picture/canvas.h"
#include "picture/text_renderer.h"
#include "skin/model/shape.h"
#include "skin/model/skin_object.h"
#include "toolkit/components/font.h"

namespace tolsy {

// Grey of disabled texts and text shadows.
inline constexpr std::uint32_t kGreyTextPixel = 0xFF808080;

// Sets the state on the object and all its descendants.
void set_state(TSeSkinObject& object, VisualState state);

// A colour value as an opaque pixel; system colours are resolved to their current value.
std::uint32_t color_pixel(Color color);

// Paints the object at its bounds (canvas coordinates), then its children, skipping what does
// not meet a non-empty clip rectangle.
void paint_object(TSeSkinObject& object, Canvas& canvas, TextRenderer& text, const Rect& clip = {});

// The object's main text (or separator) and second text, in the font of its class and state.
void draw_object_text(const TSeSkinObject& object, Canvas& canvas, TextRenderer& text);

// The window shape: a rounded rectangle for skRoundMask, the non-key pixels of a masked bitmap
// object, else the bounds.
Shape object_region(TSeSkinObject& object, TextRenderer& text);

}  // namespace tolsy
