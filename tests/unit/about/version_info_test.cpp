// The version record reader's queries against a fake record.
#include "about/version_info.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>

namespace tolsy {
namespace {

std::string lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

// A record of (path, value) pairs laid out as zero-terminated texts; keys match without case.
class FakeVersionRecord : public VersionInfoApi {
  public:
    std::map<std::string, std::string> values;  // path without case -> value
    std::optional<std::int64_t> size_override;
    bool copy_fails = false;
    bool unterminated_last = false;
    std::vector<std::string> queries;
    std::vector<std::string> files;

    std::int64_t info_size(const std::string& file) override {
        files.push_back(file);
        if (size_override) return *size_override;
        std::int64_t size = 0;
        for (auto& [path, value] : values) size += static_cast<std::int64_t>(value.size()) + 1;
        return size - (unterminated_last ? 1 : 0);
    }
    bool copy_info(const std::string&, std::vector<std::uint8_t>& buffer) override {
        if (copy_fails) return false;
        std::size_t at = 0;
        offsets_.clear();
        for (auto& [path, value] : values) {
            offsets_[path] = at;
            for (char c : value) {
                if (at < buffer.size()) buffer[at] = static_cast<std::uint8_t>(c);
                ++at;
            }
            ++at;
        }
        return true;
    }
    bool query_value(const std::vector<std::uint8_t>& buffer, const std::string& path,
                     std::size_t& offset) override {
        queries.push_back(path);
        auto it = offsets_.find(lower(path));
        if (it == offsets_.end() || buffer.empty() || buffer[0] == 0) return false;
        offset = it->second;
        return true;
    }

  private:
    std::map<std::string, std::size_t> offsets_;
};

const char* const kKeys[] = {"CompanyName",      "FileDescription", "FileVersion", "InternalName",
                             "LegalCopyright",   "LegalTrademarks", "ProductName", "Comments",
                             "OriginalFilename", "ProductVersion"};

FakeVersionRecord program_record(const std::string& table = "040904e4") {
    FakeVersionRecord record;
    for (const char* key : kKeys)
        record.values[lower("StringFileInfo\\" + table + "\\" + key)] = std::string(key) + " text";
    return record;
}

TEST(VersionInfo, NewComponentHasOnlyTheLanguage) {
    TEPInfoExe info(nullptr);
    EXPECT_EQ(info.LangId(), "0409");
    EXPECT_EQ(info.ExeName(), "");
    EXPECT_EQ(info.CompanyName(), "");
    EXPECT_EQ(info.Comments(), "");
    info.ReadInfo();  // no platform record support: nothing happens
    EXPECT_EQ(info.FileVersion(), "");
}

TEST(VersionInfo, ReadsTheEightKeysWithTheExactPaths) {
    FakeVersionRecord record = program_record();
    TEPInfoExe info(&record);
    info.set_exe_name("C:\\Program\\tolsy.exe");
    info.ReadInfo();
    EXPECT_EQ(record.files, (std::vector<std::string>{"C:\\Program\\tolsy.exe"}));
    EXPECT_EQ(
        record.queries,
        (std::vector<std::string>{
            "StringFileInfo\\040904E4\\CompanyName", "StringFileInfo\\040904E4\\FileDescription",
            "StringFileInfo\\040904E4\\FileVersion", "StringFileInfo\\040904E4\\InternalName",
            "StringFileInfo\\040904E4\\LegalCopyright", "StringFileInfo\\040904E4\\LegalTradeMarks",
            "StringFileInfo\\040904E4\\ProductName", "StringFileInfo\\040904E4\\Comments"}));
    EXPECT_EQ(info.CompanyName(), "CompanyName text");
    EXPECT_EQ(info.FileDescription(), "FileDescription text");
    EXPECT_EQ(info.FileVersion(), "FileVersion text");
    EXPECT_EQ(info.InternalName(), "InternalName text");
    EXPECT_EQ(info.LegalCopyright(), "LegalCopyright text");
    EXPECT_EQ(info.LegalTradeMarks(), "LegalTrademarks text") << "found whatever its case";
    EXPECT_EQ(info.ProductName(), "ProductName text");
    EXPECT_EQ(info.Comments(), "Comments text");
    EXPECT_EQ(info.OriginalFilename(), "") << "never filled";
    EXPECT_EQ(info.ProductVersion(), "") << "never filled";
}

TEST(VersionInfo, OnlyTheLanguageHalfFollowsLangId) {
    FakeVersionRecord german = program_record("040704e4");
    TEPInfoExe info(&german);
    info.ReadInfo();
    EXPECT_EQ(info.CompanyName(), "") << "table 040704E4 is not read with the default language";
    info.set_lang_id("0407");
    info.ReadInfo();
    EXPECT_EQ(info.CompanyName(), "CompanyName text");

    FakeVersionRecord unicode_page = program_record("040904b0");
    TEPInfoExe other(&unicode_page);
    other.ReadInfo();
    EXPECT_EQ(other.FileVersion(), "") << "the code page half stays 04E4";
}

TEST(VersionInfo, MissingKeysBecomeEmptyOnEveryRead) {
    FakeVersionRecord record = program_record();
    TEPInfoExe info(&record);
    info.ReadInfo();
    record.values.erase(lower("StringFileInfo\\040904E4\\Comments"));
    info.ReadInfo();
    EXPECT_EQ(info.Comments(), "");
    EXPECT_EQ(info.CompanyName(), "CompanyName text");
}

// Also a damaged file claiming a record no version record can be: nothing is allocated.
TEST(VersionInfo, MissingRecordLeavesThePropertiesAsTheyWere) {
    FakeVersionRecord record = program_record();
    TEPInfoExe info(&record);
    info.ReadInfo();
    for (std::int64_t size : {std::int64_t{0}, std::int64_t{-1}, std::int64_t{1} << 40}) {
        record.size_override = size;
        record.queries.clear();
        info.ReadInfo();
        EXPECT_EQ(info.FileVersion(), "FileVersion text");
        EXPECT_TRUE(record.queries.empty());
    }
}

TEST(VersionInfo, FailedCopyFindsNothing) {
    FakeVersionRecord record = program_record();
    TEPInfoExe info(&record);
    info.ReadInfo();
    record.copy_fails = true;
    info.ReadInfo();
    EXPECT_EQ(info.FileVersion(), "");
    EXPECT_EQ(record.queries.size(), 16u) << "the queries still run on the zeroed buffer";
}

TEST(VersionInfo, ValueEndsAtItsZeroOrAtTheEndOfTheRecord) {
    FakeVersionRecord record;
    record.values[lower("StringFileInfo\\040904E4\\FileVersion")] = "1.0";
    record.values[lower("StringFileInfo\\040904E4\\ProductName")] = "Framewright";
    record.unterminated_last = true;  // the last value runs into the end of the record
    TEPInfoExe info(&record);
    info.ReadInfo();
    EXPECT_EQ(info.FileVersion(), "1.0");
    EXPECT_EQ(info.ProductName(), "Framewright");
}

}  // namespace
}  // namespace tolsy
