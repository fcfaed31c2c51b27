#pragma once
// The window descriptions embedded in the program: RCDATA resources named after the window
// class ("TFORM1", "TABOUT"), each a binary component stream. Every window reads its own with
// load_window_description.
#include <cstdint>
#include <span>
#include <string_view>

#include "toolkit/components/window_description.h"

namespace tolsy {

// The bytes of the named description in the running program; empty when it is missing.
// Resource memory lives as long as the module, so the span stays valid.
std::span<const std::uint8_t> form_resource(const wchar_t* name);

// Reads the description embedded under `name` into `root`, as read_description does; throws
// std::runtime_error when the program carries no description of that name.
void load_window_description(Component& root, std::string_view name,
                             const DescriptionHandlers& handlers = {},
                             const DescriptionPart& part = {});

// Decodes the description embedded under `name`, for a window that reads it into more than one
// root (see description_part); throws as load_window_description does.
ObjectNode decode_window_description(std::string_view name);

}  // namespace tolsy
