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

std::vector<std::uint8_t> write_component(const Component& root);
ObjectNode component_to_node(const Component& root);

}  // namespace tolsy
