// The version record reader on real program files.
#include <windows.h>

#include <gtest/gtest.h>

#include "about/version_info_win.h"
#include "about/win_support.h"

namespace tolsy {
namespace {

std::string beside_me(const std::string& name) {
    return wintest::program_folder() + "\\" + name;
}

TEST(VersionRecord, ReadsTheProgramFilesOwnTexts) {
    TEPInfoExe info(&win32_version_info_api());
    info.set_exe_name(beside_me("tolsy.exe"));
    info.ReadInfo();
    EXPECT_EQ(info.CompanyName(), "Quorvane Software");
    EXPECT_EQ(info.FileVersion(), "1.0");
    EXPECT_EQ(info.ProductName(), "Framewright");
    EXPECT_EQ(info.InternalName(), "tolsy");
    EXPECT_FALSE(info.FileDescription().empty());
    EXPECT_FALSE(info.Comments().empty());
    EXPECT_EQ(info.LegalTradeMarks(), "Framewright is a trademark")
        << "the record's LegalTrademarks key is found by the LegalTradeMarks query";
    EXPECT_EQ(info.LegalCopyright().substr(0, 9), "Copyright");
    EXPECT_EQ(info.OriginalFilename(), "");
    EXPECT_EQ(info.ProductVersion(), "");
}

TEST(VersionRecord, RunningProgramIsFoundByItsFullPath) {
    const std::string self = running_program_file();
    EXPECT_EQ(self, beside_me("win_about.exe"));
    TEPInfoExe info(&win32_version_info_api());
    info.set_exe_name(self);
    info.ReadInfo();
    EXPECT_EQ(info.CompanyName(), "Quorvane Software") << "the tests carry the program's record";
}

TEST(VersionRecord, OtherLanguageFindsNothing) {
    TEPInfoExe info(&win32_version_info_api());
    info.set_exe_name(beside_me("tolsy.exe"));
    info.set_lang_id("0407");
    info.ReadInfo();
    EXPECT_EQ(info.CompanyName(), "");
    EXPECT_EQ(info.FileVersion(), "");
}

TEST(VersionRecord, FileWithoutRecordLeavesThePropertiesAsTheyWere) {
    TEPInfoExe info(&win32_version_info_api());
    info.set_exe_name(beside_me("tolsy.chm"));
    info.ReadInfo();
    EXPECT_EQ(info.CompanyName(), "");
    info.set_exe_name(beside_me("tolsy.exe"));
    info.ReadInfo();
    for (const char* file : {"tolsy.chm", "no-such-file.exe", ""}) {
        info.set_exe_name(file[0] ? beside_me(file) : std::string());
        info.ReadInfo();
        EXPECT_EQ(info.CompanyName(), "Quorvane Software") << file;
    }
}

}  // namespace
}  // namespace tolsy
