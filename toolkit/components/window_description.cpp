#include "toolkit/components/window_description.h"

#include "base/startup_marks.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/component_stream.h"

namespace tolsy {

namespace {
void read_part(Component& root, ObjectNode description, const DescriptionHandlers& handlers,
               bool is_part) {
    if (is_part) description.class_name = root.class_info().name();
    for (const auto& [name, function] : handlers) root.add_handler(name, function);
    read_into(root, description);
}
}  // namespace

ObjectNode decode_description(std::span<const std::uint8_t> bytes) {
    ObjectNode description = parse_binary_stream(bytes);
    startup_marks::mark("description decoded");
    return description;
}

ObjectNode description_part(ObjectNode& whole, const DescriptionPart& part) {
    if (!part) return std::move(whole);
    // Which children the part keeps, learnt on an outline: each child's class and name, with its
    // place among the whole's children.
    ObjectNode outline;
    outline.flags = whole.flags;
    outline.class_name = whole.class_name;
    outline.name = whole.name;
    outline.children.reserve(whole.children.size());
    for (std::size_t i = 0; i < whole.children.size(); ++i) {
        ObjectNode& child = outline.children.emplace_back();
        child.flags = whole.children[i].flags;
        child.class_name = whole.children[i].class_name;
        child.name = whole.children[i].name;
        child.offset = i;
    }
    part(outline);
    // The root's own properties are copied, since every part reads them; the children kept are
    // moved out of the whole, and the whole closes up behind them.
    ObjectNode kept;
    kept.flags = whole.flags;
    kept.position_type = whole.position_type;
    kept.position = whole.position;
    kept.class_name = whole.class_name;
    kept.name = whole.name;
    kept.properties = whole.properties;
    kept.offset = whole.offset;
    kept.children.reserve(outline.children.size());
    std::vector<bool> taken(whole.children.size());
    for (const ObjectNode& child : outline.children) {
        if (taken.at(child.offset)) continue;  // a part that names a child twice keeps it once
        taken[child.offset] = true;
        kept.children.push_back(std::move(whole.children[child.offset]));
    }
    std::size_t left = 0;
    for (std::size_t i = 0; i < whole.children.size(); ++i)
        if (!taken[i]) {
            if (left != i) whole.children[left] = std::move(whole.children[i]);
            ++left;
        }
    whole.children.resize(left);
    part(kept);
    return kept;
}

void read_description(Component& root, std::span<const std::uint8_t> bytes,
                      const DescriptionHandlers& handlers, const DescriptionPart& part) {
    ObjectNode description = decode_description(bytes);
    if (part) part(description);
    read_part(root, std::move(description), handlers, static_cast<bool>(part));
}

void read_decoded_description(Component& root, ObjectNode& decoded,
                              const DescriptionHandlers& handlers, const DescriptionPart& part) {
    read_part(root, description_part(decoded, part), handlers, static_cast<bool>(part));
}

}  // namespace tolsy
