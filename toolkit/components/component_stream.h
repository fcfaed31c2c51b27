#pragma once
// Reading components from a binary component stream and writing them to one.
//
//   auto tree = read_component(bytes);          // new root (class by name), owns the rest
//   Component& c = read_component(bytes, owner); // new root owned by `owner`
//   read_into(form, bytes);                      // fill an existing root (a window): its class
//                                                // name must match; handlers it registered bind
//   std::vector<std::uint8_t> out = write_component(form);
//
// Every object below the root is created by class name with the root as owner and its
// enclosing object as parent component; the root's published fields of the same name are set.
// Then references are resolved and loaded() runs on every read component in creation order.
// Unknown classes (ClassNotFoundError) and properties (UnknownPropertyError) are errors.
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "toolkit/components/component.h"
#include "toolkit/components/stream_value.h"

namespace tolsy {

std::unique_ptr<Component> read_component(std::span<const std::uint8_t> bytes);
Component& read_component(std::span<const std::uint8_t> bytes, Component& owner);
void read_into(Component& root, std::span<const std::uint8_t> bytes);

// The same from an already decoded tree.
std::unique_ptr<Component> read_component(const ObjectNode& node);
Component& read_component(const ObjectNode& node, Component& owner);
void read_into(Component& root, const ObjectNode& node);

// Reads one object's stream straight into `object`, without building a tree: its name and its
// properties; references among them resolve against the object. The caller chose the class, so
// the stream's class name need only be present; child objects and bytes after the object are
// errors. The object is not marked as loading and loaded() does not run: this is for objects
// read on their own (skin objects), which keep their children in a binary property. base_offset
// places the stream in the data that holds it: offsets in errors and in the context count from
// there.
void read_object_stream(Component& object, std::span<const std::uint8_t> bytes,
                        std::size_t base_offset = 0);

std::vector<std::uint8_t> write_component(const Component& root);
ObjectNode component_to_node(const Component& root);

}  // namespace tolsy
