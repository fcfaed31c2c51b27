#pragma once
// Reads a skin object's binary component stream ("TPF0", class name, object name, properties,
// no child objects) straight into the object: no intermediate tree, and the children in its
// "Objects" property are read from the same bytes rather than from a copy. Loading a theme is
// mostly this and inflating.
#include <cstddef>
#include <cstdint>
#include <span>

namespace tolsy {

class TSeSkinObject;

// Where a stream lies, for messages: base is added to positions inside the stream when exact,
// otherwise (a stream converted from text) every message names base itself.
struct StreamPlace {
    std::size_t base = 0;
    bool exact = true;
};

// Throws ESkinFormatError, ESkinReadError or ESkinClassNotFound (from children).
void read_skin_object_stream(TSeSkinObject& object, std::span<const std::uint8_t> stream,
                             StreamPlace place);

}  // namespace tolsy
