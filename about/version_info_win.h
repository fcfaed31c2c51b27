#pragma once
// The version record reader's platform side: the 8-bit version-record calls.
#include "about/version_info.h"

namespace tolsy {

class Win32VersionInfoApi : public VersionInfoApi {
  public:
    std::int64_t info_size(const std::string& file) override;
    bool copy_info(const std::string& file, std::vector<std::uint8_t>& buffer) override;
    bool query_value(const std::vector<std::uint8_t>& buffer, const std::string& path,
                     std::size_t& offset) override;
};

Win32VersionInfoApi& win32_version_info_api();

// Full path of the running program file, in the system's 8-bit code page.
std::string running_program_file();

}  // namespace tolsy
