#include "toolkit/components/window_description.h"

#include "base/startup_marks.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/component_stream.h"

namespace tolsy {

void read_description(Component& root, std::span<const std::uint8_t> bytes,
                      const DescriptionHandlers& handlers, const DescriptionPart& part) {
    ObjectNode description = parse_binary_stream(bytes);
    startup_marks::mark("description decoded");
    if (part) {
        part(description);
        description.class_name = root.class_info().name();
    }
    for (const auto& [name, function] : handlers) root.add_handler(name, function);
    read_into(root, description);
}

}  // namespace tolsy
