#pragma once
// The command line of `framewright`: what the user asked for, read from the arguments, and
// the two kinds of mistake it can hold (wrong use, bad input), each with its exit status.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "composer/frame_choices.h"

namespace tolsy {

inline constexpr int kExitBadInput = 1;
inline constexpr int kExitWrongUse = 2;

class CliError : public std::runtime_error {
  public:
    CliError(int exit_status, const std::string& message)
        : std::runtime_error(message), exit_status_(exit_status) {}
    int exit_status() const { return exit_status_; }

  private:
    int exit_status_;
};

// An option or command that does not exist, a missing value, a value where none belongs.
class UsageError : public CliError {
  public:
    explicit UsageError(const std::string& message) : CliError(kExitWrongUse, message) {}
};

// A well-formed request with a value that cannot be used: an unknown symbol, a bad letter,
// bytes that are not a frame, a font that cannot be read, a file that cannot be written.
class BadInputError : public CliError {
  public:
    explicit BadInputError(const std::string& message) : CliError(kExitBadInput, message) {}
};

enum class OutputForm { kBytes, kHex, kUnicode, kSvg, kPng };

inline constexpr int kDefaultHeight = 48;
inline constexpr int kMaxHeight = 4096;

struct ComposeRequest {
    FrameChoices choices;
    OutputForm form = OutputForm::kHex;
    std::string file;  // for SVG and PNG; "-" is standard output
    int height = kDefaultHeight;
    // Choices given that the window does not count (a datum after an empty slot ...), said
    // on standard error so that nothing is dropped silently.
    std::vector<std::string> notes;
};

struct ExplainRequest {
    std::optional<std::string> hex;  // none: read the frame's bytes from standard input
};

struct Request {
    enum class Kind { kHelp, kCompose, kExplain } kind = Kind::kHelp;
    ComposeRequest compose;
    ExplainRequest explain;
    std::string font;  // --font FILE, or empty for Tolsy.ttf beside the program
};

// Reads the arguments after the program name. Throws UsageError or BadInputError.
Request parse_command_line(const std::vector<std::string>& args);

// Frame bytes from hex text: pairs of hex digits, spaces, commas, colons and a "0x" before a
// pair allowed between them. Throws BadInputError naming the character that is not.
std::string bytes_from_hex(std::string_view text);
// "EB FB ED": upper-case pairs separated by single spaces.
std::string hex_of(std::string_view bytes);

// The compose options that give these choices, one argument each ("--datum", "B:mmc" ...),
// leaving out what the window would not count.
std::vector<std::string> options_of(const FrameChoices& choices);
// One line a shell reads back into the same arguments.
std::string shell_line(const std::vector<std::string>& args);

// The text of --help.
std::string_view usage_text();

}  // namespace tolsy
