#pragma once
// TEPInfoExe: reads the string values of a program file's version record into plain string
// properties. The record is reached through VersionInfoApi, the platform's three 8-bit
// version-record calls, so the query logic is portable.
#include <cstdint>
#include <string>
#include <vector>

namespace tolsy {

class VersionInfoApi {
  public:
    virtual ~VersionInfoApi() = default;
    // Size of the file's version record; 0 when it has none or cannot be read.
    virtual std::int64_t info_size(const std::string& file) = 0;
    // Copies the record into `buffer` (already sized and zero-filled); false on failure.
    virtual bool copy_info(const std::string& file, std::vector<std::uint8_t>& buffer) = 0;
    // Finds one value in the copied record; yields its offset within `buffer`.
    virtual bool query_value(const std::vector<std::uint8_t>& buffer, const std::string& path,
                             std::size_t& offset) = 0;
};

class TEPInfoExe {
  public:
    // `api` is not owned; null means a platform without version records (nothing is read).
    explicit TEPInfoExe(VersionInfoApi* api);

    const std::string& LangId() const { return lang_id_; }
    void set_lang_id(std::string value) { lang_id_ = std::move(value); }
    const std::string& ExeName() const { return exe_name_; }
    void set_exe_name(std::string value) { exe_name_ = std::move(value); }

    const std::string& CompanyName() const { return company_name_; }
    const std::string& FileDescription() const { return file_description_; }
    const std::string& FileVersion() const { return file_version_; }
    const std::string& InternalName() const { return internal_name_; }
    const std::string& LegalCopyright() const { return legal_copyright_; }
    const std::string& LegalTradeMarks() const { return legal_trade_marks_; }
    const std::string& OriginalFilename() const { return original_filename_; }
    const std::string& ProductName() const { return product_name_; }
    const std::string& ProductVersion() const { return product_version_; }
    const std::string& Comments() const { return comments_; }

    // Reads the record of ExeName; without a record the properties keep their values.
    void ReadInfo();

  private:
    std::string query(const std::vector<std::uint8_t>& buffer, const char* key) const;

    VersionInfoApi* api_;
    std::string lang_id_ = "0409";
    std::string exe_name_;
    std::string company_name_, file_description_, file_version_, internal_name_, legal_copyright_,
        legal_trade_marks_, original_filename_, product_name_, product_version_, comments_;
};

}  // namespace tolsy
