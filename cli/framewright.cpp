#include "cli/framewright.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <system_error>

#include "base/utf8.h"
#include "base/windows1252.h"
#include "cli/command_line.h"
#include "cli/glyph_drawing.h"
#include "composer/frame_choices.h"
#include "composer/glyph_codes.h"
#include "picture/png.h"

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

std::string font_path(const Request& request, const std::string& program_dir) {
    if (!request.font.empty()) return request.font;
    const std::string beside = (std::filesystem::path(program_dir) / "Tolsy.ttf").string();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(beside, ec)) {
        throw BadInputError("no Tolsy font beside the program (" + beside +
                            "); give one with --font FILE");
    }
    return beside;
}

// A file the user named, or standard output for "-".
void write_output(const std::string& file, std::string_view bytes, std::ostream& out) {
    if (file == "-") {
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return;
    }
    std::ofstream stream(file, std::ios::binary);
    stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    stream.close();
    if (!stream) throw BadInputError("cannot write " + file);
}

void compose(const Request& request, const std::string& program_dir, std::ostream& out,
             std::ostream& err) {
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
            if (const auto text = frame_as_unicode(frame)) {
                out << *text << '\n';
            } else {
                throw BadInputError(
                    "--as unicode: a character of the tolerance has no standard "
                    "character; --as hex or bytes give the frame");
            }
            break;
        case OutputForm::kSvg:
        case OutputForm::kPng: {
            const TolsyFace face(font_path(request, program_dir));
            if (c.form == OutputForm::kSvg) {
                write_output(c.file, face.frame_svg(frame, c.height), out);
            } else {
                const std::vector<std::uint8_t> png = encode_png(face.frame_image(frame, c.height));
                write_output(
                    c.file, std::string_view(reinterpret_cast<const char*>(png.data()), png.size()),
                    out);
            }
            break;
        }
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
    if (!choices.tolerance.empty()) {
        out << "tolerance: " << utf16_to_utf8(windows1252_to_utf16(choices.tolerance)) << '\n';
    }
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
    try {
        const Request request = parse_command_line(args);
        switch (request.kind) {
            case Request::Kind::kHelp:
                out << usage_text();
                break;
            case Request::Kind::kCompose:
                compose(request, program_dir, out, err);
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
