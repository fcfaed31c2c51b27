#include "toolkit/controls/form_resource_win.h"

#include <windows.h>

#include <stdexcept>
#include <string>

#include "base/windows1252_win.h"

namespace tolsy {

std::span<const std::uint8_t> form_resource(const wchar_t* name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC info = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!info) return {};
    HGLOBAL loaded = LoadResource(module, info);
    const DWORD size = SizeofResource(module, info);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {static_cast<const std::uint8_t*>(data), size};
}

namespace {
std::span<const std::uint8_t> description_bytes(std::string_view name) {
    const std::span<const std::uint8_t> bytes = form_resource(windows1252_to_wide(name).c_str());
    if (bytes.empty())
        throw std::runtime_error("Cannot find the window description " + std::string(name));
    return bytes;
}
}  // namespace

void load_window_description(Component& root, std::string_view name,
                             const DescriptionHandlers& handlers, const DescriptionPart& part) {
    read_description(root, description_bytes(name), handlers, part);
}

ObjectNode decode_window_description(std::string_view name) {
    return decode_description(description_bytes(name));
}

}  // namespace tolsy
