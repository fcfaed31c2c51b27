// framewright: feature control frames from the command line, in text, SVG and PNG, and frames
// read back into their choices.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

#include "cli/framewright.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

// The folder of the running program, where the build puts Tolsy.ttf beside it.
std::string program_dir(const char* argv0) {
    std::error_code ec;
#ifdef _WIN32
    // The C runtime's full path of the program file; argv[0] is only what was typed.
    char* full = nullptr;
    if (_get_pgmptr(&full) == 0 && full && *full) argv0 = full;
    std::filesystem::path self;
    ec = std::make_error_code(std::errc::not_supported);
#else
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", ec);
#endif
    if (ec || self.empty()) self = std::filesystem::absolute(argv0 ? argv0 : "", ec);
    return self.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Frame bytes and pictures pass through unchanged: no newline translation.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    return tolsy::run_framewright(args, program_dir(argc > 0 ? argv[0] : nullptr), std::cin,
                                  std::cout, std::cerr);
}
