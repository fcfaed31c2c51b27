#pragma once
// The window descriptions embedded in the program: RCDATA resources named after the window
// class ("TFORM1", "TABOUT"), each a binary component stream for read_into().
#include <cstdint>
#include <span>

namespace tolsy {

// The bytes of the named description in the running program; empty when it is missing.
// Resource memory lives as long as the module, so the span stays valid.
std::span<const std::uint8_t> form_resource(const wchar_t* name);

}  // namespace tolsy
