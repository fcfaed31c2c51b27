#include "about/version_info.h"

#include <algorithm>

namespace tolsy {
namespace {
constexpr char kStringTableRoot[] = "StringFileInfo\\";
// A version record's own length field is 16 bits; what the platform asks room for is a small
// multiple of that. A larger claim comes from a damaged file and is not allocated.
constexpr std::int64_t kMaxVersionRecord = std::int64_t{1} << 20;
}  // namespace

TEPInfoExe::TEPInfoExe(VersionInfoApi* api) : api_(api) {}

std::string TEPInfoExe::query(const std::vector<std::uint8_t>& buffer, const char* key) const {
    // The code page half of the table name is fixed; only the language follows LangId.
    const std::string path = kStringTableRoot + lang_id_ + key;
    std::size_t offset = 0;
    if (!api_->query_value(buffer, path, offset) || offset >= buffer.size()) return {};
    // The value runs to its terminating zero, never past the record.
    auto begin = buffer.begin() + static_cast<std::ptrdiff_t>(offset);
    auto end = std::find(begin, buffer.end(), std::uint8_t{0});
    return std::string(begin, end);
}

void TEPInfoExe::ReadInfo() {
    if (!api_) return;
    const std::int64_t size = api_->info_size(exe_name_);
    if (size <= 0 || size > kMaxVersionRecord) return;
    std::vector<std::uint8_t> buffer(static_cast<std::size_t>(size), 0);
    // A failed copy leaves the buffer zeroed, so every lookup below finds nothing.
    (void)api_->copy_info(exe_name_, buffer);
    company_name_ = query(buffer, "04E4\\CompanyName");
    file_description_ = query(buffer, "04E4\\FileDescription");
    file_version_ = query(buffer, "04E4\\FileVersion");
    internal_name_ = query(buffer, "04E4\\InternalName");
    legal_copyright_ = query(buffer, "04E4\\LegalCopyright");
    legal_trade_marks_ = query(buffer, "04E4\\LegalTradeMarks");
    product_name_ = query(buffer, "04E4\\ProductName");
    comments_ = query(buffer, "04E4\\Comments");
}

}  // namespace tolsy
