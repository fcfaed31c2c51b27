#pragma once
// The `framewright` program without its process: arguments in, text and files out, the exit
// status returned, so that the whole program runs in a test.
#include <iosfwd>
#include <string>
#include <vector>

namespace tolsy {

// Runs one command line (the arguments after the program name). `program_dir` is where the
// program file lies, for the Tolsy font beside it. Standard input is read only by "explain -".
// Never throws: every failure is one line on `err` and a status of 1 or 2.
int run_framewright(const std::vector<std::string>& args, const std::string& program_dir,
                    std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tolsy
