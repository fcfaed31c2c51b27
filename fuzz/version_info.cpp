// libFuzzer target for version-record queries: a record of any size and content, and answers
// to each lookup anywhere in it (or past it), as a damaged program file could give them.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "about/version_info.h"
#include "fuzz/fuzz_budget.h"

using namespace tolsy;

namespace {

class RecordFromInput : public VersionInfoApi {
  public:
    RecordFromInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    std::int64_t info_size(const std::string&) override {
        // The first four bytes claim the record's size, whatever the record holds.
        if (size_ < 4) return static_cast<std::int64_t>(size_);
        std::uint32_t claim = 0;
        std::memcpy(&claim, data_, 4);
        return static_cast<std::int64_t>(claim);
    }
    bool copy_info(const std::string&, std::vector<std::uint8_t>& buffer) override {
        std::copy_n(data_, std::min(size_, buffer.size()), buffer.begin());
        return size_ % 3 != 0;
    }
    bool query_value(const std::vector<std::uint8_t>&, const std::string& path,
                     std::size_t& offset) override {
        // Each lookup's answer: an offset taken from the input by the path's length.
        const std::size_t at = path.size() % (size_ ? size_ : 1);
        offset = size_ ? data_[at] * 37u + at : 0;
        return at % 5 != 0;
    }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzz::BudgetCheck check(size);
    RecordFromInput api(data, size);
    TEPInfoExe info(&api);
    info.set_lang_id(size > 4 ? std::string(reinterpret_cast<const char*>(data + 4),
                                            std::min<std::size_t>(size - 4, 8))
                              : "0409");
    info.set_exe_name("tolsy.exe");
    info.ReadInfo();
    (void)info.CompanyName();
    return 0;
}
