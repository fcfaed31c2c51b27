#pragma once
// The window descriptions as the build makes them (generated/forms/<NAME>.bin in the build
// folder, the stored theme put in), and helpers to look into their decoded objects or read one
// of them on its own into its component class.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/components/binary_stream.h"
#include "toolkit/components/component_stream.h"
#include "toolkit/components/event.h"
#include "toolkit/components/stream_value.h"

namespace tolsy::test {

// The bytes of the built description ("TFORM1", "TABOUT"); throws when the build has none.
inline std::vector<std::uint8_t> built_form(std::string_view name) {
    const std::string path =
        std::string(TOLSY_BINARY_DIR) + "/generated/forms/" + std::string(name) + ".bin";
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("no built description " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The object of that name below `node` (depth first), or null.
inline const ObjectNode* find_object(const ObjectNode& node, std::string_view name) {
    for (const ObjectNode& child : node.children) {
        if (child.name == name) return &child;
        if (const ObjectNode* found = find_object(child, name)) return found;
    }
    return nullptr;
}

// The property of that name (dotted for sub-properties), or null when it is not stored.
inline const Property* find_property(const ObjectNode& node, std::string_view name) {
    for (const Property& p : node.properties)
        if (p.name == name) return &p;
    return nullptr;
}

// The handler names the events of an object and of all objects below it give.
inline void collect_handler_names(const ObjectNode& node, std::vector<std::string>& names) {
    for (const Property& p : node.properties) {
        if (p.name.starts_with("On") && p.value.type == ValueType::kIdent)
            names.push_back(p.value.bytes);
    }
    for (const ObjectNode& child : node.children) collect_handler_names(child, names);
}

// One object of a description read on its own into a component of its class T; its events
// bind to handlers that do nothing. The object must have no children.
template <class T>
std::unique_ptr<T> read_alone(const ObjectNode& node) {
    auto component = std::make_unique<T>(nullptr);
    std::vector<std::string> handlers;
    collect_handler_names(node, handlers);
    for (const std::string& name : handlers)
        component->add_handler(name, NotifyEvent::Function([](Component&) {}));
    read_into(*component, node);
    return component;
}

}  // namespace tolsy::test
