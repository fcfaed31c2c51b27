#include "about/version_info_win.h"

#include <windows.h>

namespace tolsy {

std::int64_t Win32VersionInfoApi::info_size(const std::string& file) {
    DWORD handle = 0;
    return GetFileVersionInfoSizeA(file.c_str(), &handle);
}

bool Win32VersionInfoApi::copy_info(const std::string& file, std::vector<std::uint8_t>& buffer) {
    return GetFileVersionInfoA(file.c_str(), 0, static_cast<DWORD>(buffer.size()), buffer.data()) !=
           FALSE;
}

bool Win32VersionInfoApi::query_value(const std::vector<std::uint8_t>& buffer,
                                      const std::string& path, std::size_t& offset) {
    void* value = nullptr;
    UINT length = 0;
    // The platform's lookup reads the block it is given; a zeroed block has no entries.
    if (!VerQueryValueA(buffer.data(), path.c_str(), &value, &length) || !value) return false;
    const auto* at = static_cast<const std::uint8_t*>(value);
    // The value must lie inside the copied record; anything else counts as not found.
    if (at < buffer.data() || at >= buffer.data() + buffer.size()) return false;
    offset = static_cast<std::size_t>(at - buffer.data());
    return true;
}

Win32VersionInfoApi& win32_version_info_api() {
    static Win32VersionInfoApi api;
    return api;
}

std::string running_program_file() {
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace tolsy
