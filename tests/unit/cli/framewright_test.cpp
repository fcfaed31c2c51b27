#include "cli/framewright.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/command_line.h"

namespace tolsy {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome run(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = run_framewright(args, TOLSY_BINARY_DIR "/bin", in, out, err);
    return {status, out.str(), err.str()};
}

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> result;
    for (std::string w; in >> w;) result.push_back(w);
    return result;
}

TEST(Framewright, WrongUseAndBadInputEndWithOneLineAndTheirStatus) {
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{}, kExitWrongUse},
        {{"draw"}, kExitWrongUse},
        {{"compose", "--colour", "red"}, kExitWrongUse},
        {{"compose", "--symbol"}, kExitWrongUse},
        {{"compose", "--as", "svg"}, kExitWrongUse},
        {{"compose", "--as", "pdf"}, kExitWrongUse},
        {{"compose", "--datum", "A", "--datum", "B", "--datum", "C", "--datum", "D"},
         kExitWrongUse},
        {{"explain"}, kExitWrongUse},
        {{"compose", "--symbol", "round"}, kExitBadInput},
        {{"compose", "--modifier", "max"}, kExitBadInput},
        {{"compose", "--datum", "AB"}, kExitBadInput},
        {{"compose", "--datum", "A:xx"}, kExitBadInput},
        {{"compose", "--tolerance", "\xC3\x80"}, kExitBadInput},      // "À" is datum glyph A
        {{"compose", "--tolerance", "\xE2\x8C\x98"}, kExitBadInput},  // no Windows-1252 code
        {{"compose", "--tolerance", "\xFF"}, kExitBadInput},          // not UTF-8
        {{"compose", "--height", "0", "--as", "png", "-"}, kExitBadInput},
        {{"explain", "EB F"}, kExitBadInput},
        {{"explain", "EB FB"}, kExitBadInput},
        {{"explain", "41"}, kExitBadInput},
        {{"compose", "--as", "svg", "-"}, kExitBadInput},  // the empty frame has no picture
        {{"compose", "--diameter", "--as", "png", "-", "--font", "/no/such/Tolsy.ttf"},
         kExitBadInput},
        {{"compose", "--diameter", "--as", "svg", "/no/such/folder/f.svg"}, kExitBadInput},
        {{"compose", "--tolerance", std::string(300, 'x'), "--as", "png", "-", "--height", "4096"},
         kExitBadInput},  // a picture too large to be a frame
    };
    for (const auto& c : cases) {
        const Outcome r = run(c.args);
        SCOPED_TRACE(r.err);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
        EXPECT_TRUE(r.err.ends_with("\n"));
    }
}

// explain prints the compose command that makes the frame; running that command gives the
// frame back, and explaining the raw bytes (as the clipboard holds them) says the same.
TEST(Framewright, ExplainedCommandComposesTheFrameAgain) {
    const char* frames[] = {
        "EB E4 ED",
        "EB FB EC E0 F9 EE EE F3 DE EC C0 EC C1 DE EC C2 ED",
        "EB EE F9 EF ED",
        "EB FB EC DD ED",
        "EB E0 ED",
        "EB C0 9F EC D9 85 ED",
        "EB BA EC 2D F9 EE F3 2F F9 EF ED",
        "EB E4 EC B1 F9 EE EE F3 ED",
    };
    for (const char* hex : frames) {
        SCOPED_TRACE(hex);
        const Outcome explained = run({"explain", hex});
        ASSERT_EQ(explained.status, 0) << explained.err;
        const std::size_t at = explained.out.find("command:");
        ASSERT_NE(at, std::string::npos);
        std::vector<std::string> args = words(explained.out.substr(at + 8));
        ASSERT_GE(args.size(), 2u);
        args.erase(args.begin());  // the program's name
        args.insert(args.end(), {"--as", "hex"});
        EXPECT_EQ(run(args).out, std::string(hex) + "\n");

        args.back() = "bytes";
        const std::string bytes = run(args).out;
        EXPECT_EQ(run({"explain", "-"}, bytes + '\0').out, explained.out);
        EXPECT_EQ(run({"explain", "-"}, std::string(hex) + "\n").out, explained.out);
    }
}

}  // namespace
}  // namespace tolsy
