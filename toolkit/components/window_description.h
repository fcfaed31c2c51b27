#pragma once
// Reading a window description: the one way the windows, their tests and the tools turn a
// description's binary component stream into components. On Windows the description comes from
// the program's resources (load_window_description, toolkit/controls/form_resource_win.h).
//
//   AboutDesign design;
//   read_description(design, bytes, {{"FormCreate", [&](Component&) { ... }}});
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "toolkit/components/component.h"
#include "toolkit/components/event.h"
#include "toolkit/components/stream_value.h"

namespace tolsy {

// The window's handlers by name, for the events of the description to bind to.
using DescriptionHandlers = std::vector<std::pair<std::string, NotifyEvent::Function>>;

// The part of a description that one root reads, for a window that reads its description into
// more than one root (the main window: its theme components, then its controls). It is given the
// decoded description and removes what the root does not read.
using DescriptionPart = std::function<void(ObjectNode& description)>;

// Reads a window description into `root`: decodes the binary component stream ("TPF0"), adds
// `handlers` to the root's, reads every object into a component owned by the root with its
// events bound to those handlers by name, resolves references, then runs loaded() on every
// component read, in creation order. The classes of the objects must be registered. Without a
// part, the description's class must be the root's; a part is read under the root's class.
// Stream, class and property errors propagate as the reader throws them.
void read_description(Component& root, std::span<const std::uint8_t> bytes,
                      const DescriptionHandlers& handlers = {}, const DescriptionPart& part = {});

// Decodes a description's binary component stream, for a window that reads it into more than
// one root: decoded once, each root reads its part of the same tree.
ObjectNode decode_description(std::span<const std::uint8_t> bytes);

// The part of a decoded description that `part` keeps, as `part` leaves it when run on the
// whole, taken out of `whole`: the children the part keeps are moved into the result and removed
// from `whole`, the root's own properties are copied (every part reads them). The part must
// choose the root's children by their class and name alone (it is first run on an outline of
// them to learn which it keeps). Without a part, the result is the whole.
ObjectNode description_part(ObjectNode& whole, const DescriptionPart& part);

// Reads a decoded description into `root`, as read_description above does with its bytes,
// taking the part's children out of `decoded` (description_part): parts read one after another
// from one decoded tree do not copy it.
void read_decoded_description(Component& root, ObjectNode& decoded,
                              const DescriptionHandlers& handlers = {},
                              const DescriptionPart& part = {});

}  // namespace tolsy
