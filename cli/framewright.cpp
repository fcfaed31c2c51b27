#include "cli/framewright.h"

#include <iostream>
#include <iterator>

#include "cli/command_line.h"
#include "composer/frame_choices.h"
#include "composer/glyph_codes.h"

namespace tolsy {
namespace {

std::string read_all(std::istream& in) {
    std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    // Clipboard text (CF_TEXT) carries one zero byte after the frame.
    if (!bytes.empty() && bytes.back() == '\0') bytes.pop_back();
    return bytes;
}

// Hex text piped in ("compose --as hex | explain -") rather than the frame's own bytes: a frame
// begins with 0xEB, so text of hex digits and separators cannot be one.
bool looks_like_hex(std::string_view text) {
    if (text.empty() || static_cast<unsigned char>(text[0]) == kLeftBoxGlyph) return false;
    return text.find_first_not_of("0123456789abcdefABCDEFxX ,:\t\r\n") == std::string_view::npos;
}

void compose(const Request& request, std::ostream& out, std::ostream& err) {
    const ComposeRequest& c = request.compose;
    for (const std::string& note : c.notes) err << "framewright: note: " << note << '\n';
    const std::string frame = compose_frame(c.choices);
    switch (c.form) {
        case OutputForm::kBytes:
            out << frame;
            break;
        case OutputForm::kHex:
            out << hex_of(frame) << '\n';
            break;
        case OutputForm::kUnicode:
            // The tolerance holds only typed ASCII, so every byte has its character.
            out << frame_as_unicode(frame).value_or("") << '\n';
            break;
        case OutputForm::kSvg:
        case OutputForm::kPng:
            throw BadInputError("--as svg and --as png are not in this build");
    }
}

void explain(const Request& request, std::istream& in, std::ostream& out) {
    std::string frame = request.explain.hex ? bytes_from_hex(*request.explain.hex) : read_all(in);
    if (!request.explain.hex && looks_like_hex(frame)) frame = bytes_from_hex(frame);
    FrameChoices choices;
    try {
        choices = explain_frame(frame);
    } catch (const NotAFrameError& e) {
        throw BadInputError(std::string("not a frame: ") + e.what());
    }
    if (frame.empty()) {
        out << "nothing chosen: the empty frame\n";
        return;
    }
    if (choices.symbol) out << "symbol:    " << characteristic_of(*choices.symbol)->name << '\n';
    if (choices.diameter) out << "diameter:  yes\n";
    if (!choices.tolerance.empty()) out << "tolerance: " << choices.tolerance << '\n';
    if (choices.modifier) out << "modifier:  " << modifier_of(*choices.modifier)->name << '\n';
    for (std::size_t slot = 0; slot < choices.datums.size() && datum_counts(choices, slot);
         ++slot) {
        const DatumChoice& d = choices.datums[slot];
        out << "datum " << slot + 1 << ":   " << *d.letter;
        if (d.modifier) out << ' ' << modifier_of(*d.modifier)->name;
        out << '\n';
    }
    std::vector<std::string> line{"framewright", "compose"};
    const std::vector<std::string> options = options_of(choices);
    line.insert(line.end(), options.begin(), options.end());
    out << "command:   " << shell_line(line) << '\n';
}

}  // namespace

int run_framewright(const std::vector<std::string>& args, const std::string& program_dir,
                    std::istream& in, std::ostream& out, std::ostream& err) {
    (void)program_dir;
    try {
        const Request request = parse_command_line(args);
        switch (request.kind) {
            case Request::Kind::kHelp:
                out << usage_text();
                break;
            case Request::Kind::kCompose:
                compose(request, out, err);
                break;
            case Request::Kind::kExplain:
                explain(request, in, out);
                break;
        }
        out.flush();
        if (!out) throw BadInputError("cannot write to standard output");
        return 0;
    } catch (const UsageError& e) {
        err << "framewright: " << e.what() << " (framewright --help says how)\n";
        return e.exit_status();
    } catch (const CliError& e) {
        err << "framewright: " << e.what() << '\n';
        return e.exit_status();
    } catch (const std::exception& e) {
        err << "framewright: " << e.what() << '\n';
        return kExitBadInput;
    }
}

}  // namespace tolsy
