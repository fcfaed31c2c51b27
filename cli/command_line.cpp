#include "cli/command_line.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

#include "base/utf8.h"
#include "base/windows1252.h"

namespace tolsy {
namespace {

constexpr std::string_view kUsage = R"(Usage:
  framewright compose [CHOICES] [--as FORM] [--height PX] [--font FILE]
  framewright explain HEX|-
  framewright --help

compose writes the feature control frame the Framewright window makes for the same choices.
CHOICES (each optional; no choice at all gives the empty frame):
  --symbol NAME      position, profile-of-a-line, parallelism, concentricity,
                     perpendicularity, flatness, cylindricity, profile-of-a-surface,
                     circular-runout, total-runout, angularity, straightness, symmetry,
                     roundness
  --diameter         the diameter sign before the tolerance
  --tolerance TEXT   typed as in the window: digits and "." become the font's glyphs,
                     other characters stay ("±.005", "-.002/.004")
  --modifier NAME    lmc, mmc, rfs, tangent-plane, free-state, projected
  --datum L[:MOD]    a datum letter A-Z with an optional modifier; up to three, in order.
                     "-" leaves a slot empty; as in the window a datum counts only while
                     the datums before it are chosen.
FORM:
  hex                the frame's bytes in hex, "EB FB ED" (the default)
  bytes              the exact 8-bit text the window puts on the clipboard
  unicode            the frame in standard GD&T characters (UTF-8), for fonts that carry them
  svg FILE           vector outlines of the Tolsy glyphs: no font needed to view it
  png FILE           a picture --height pixels high (default 48); FILE "-" is standard output
--font FILE          the Tolsy font (default: Tolsy.ttf beside this program)

explain reads a frame back into the choices that make it: from hex ("EB FB ED", given as one
argument or several) or, with "-", from standard input: the frame's raw bytes (as the clipboard
holds them, or as "compose --as bytes" writes them) or its hex.

Exit status: 0 done, 1 bad input (one line on standard error), 2 wrong use.
)";

bool is_hex_digit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return c - 'A' + 10;
}

std::string quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

template <std::size_t N>
std::string names_of(const std::array<NamedGlyph, N>& table) {
    std::string names;
    for (const NamedGlyph& entry : table) {
        if (!names.empty()) names += ", ";
        names += entry.name;
    }
    return names;
}

unsigned char modifier_named(std::string_view name, std::string_view option) {
    const NamedGlyph* m = find_modifier(name);
    if (!m) {
        throw BadInputError(std::string(option) + ": no modifier " + quoted(name) + " (one of " +
                            names_of(kModifiers) + ")");
    }
    return m->glyph;
}

// "A", "b:mmc", "-", "-:lmc".
DatumChoice datum_named(std::string_view text) {
    const std::size_t colon = text.find(':');
    const std::string_view letter = text.substr(0, colon);
    DatumChoice datum;
    if (letter != "-") {
        const char c = letter.size() == 1 ? letter[0] : '\0';
        const char upper = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        if (upper < 'A' || upper > 'Z') {
            throw BadInputError("--datum: " + quoted(letter) +
                                " is not a datum letter (one letter A to Z, or - for none)");
        }
        datum.letter = upper;
    }
    if (colon != std::string_view::npos) {
        datum.modifier = modifier_named(text.substr(colon + 1), "--datum");
    }
    return datum;
}

// The tolerance as the window's list holds it: each character as its Windows-1252 byte. Only
// bytes that read back without doubt may stand in it (not a box, symbol, modifier or datum
// letter of the font, which a typed "À" or "ì" would be).
std::string tolerance_typed(std::string_view utf8) {
    const std::optional<std::u16string> text = utf8_to_utf16(utf8);
    if (!text) throw BadInputError("--tolerance: " + quoted(utf8) + " is not UTF-8 text");
    for (std::size_t i = 0; i < text->size(); ++i) {
        const std::optional<unsigned char> b = unicode_to_windows1252((*text)[i]);
        if (!b || !is_readable_tolerance_byte(*b)) {
            throw BadInputError("--tolerance: character " + std::to_string(i + 1) + " of " +
                                quoted(utf8) +
                                (b ? " is a glyph of the frame itself (or a control character)"
                                   : " has no Windows-1252 code"));
        }
    }
    return *utf16_to_windows1252(*text);
}

int height_of(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < 1 || value > kMaxHeight) {
        throw BadInputError("--height: " + quoted(text) +
                            " is not a whole number of pixels from 1 to " +
                            std::to_string(kMaxHeight));
    }
    return value;
}

OutputForm form_named(std::string_view name) {
    if (name == "hex") return OutputForm::kHex;
    if (name == "bytes") return OutputForm::kBytes;
    if (name == "unicode") return OutputForm::kUnicode;
    if (name == "svg") return OutputForm::kSvg;
    if (name == "png") return OutputForm::kPng;
    throw UsageError("--as: no form " + quoted(name) +
                     " (hex, bytes, unicode, svg FILE, png FILE)");
}

// The notes for datum choices the window would not count.
std::vector<std::string> uncounted_datums(const FrameChoices& c) {
    std::vector<std::string> notes;
    for (std::size_t slot = 0; slot < c.datums.size(); ++slot) {
        const DatumChoice& d = c.datums[slot];
        if (!d.letter && !d.modifier) continue;
        const std::string which = "datum " + std::to_string(slot + 1);
        if (!d.letter) {
            notes.push_back(which + ": a modifier without a letter is left out, as in the window");
        } else if (!datum_counts(c, slot)) {
            notes.push_back(which + " (" + *d.letter +
                            ") is left out: the window counts it only while the datums before "
                            "it are chosen");
        }
    }
    return notes;
}

class ArgReader {
  public:
    explicit ArgReader(const std::vector<std::string>& args) : args_(args) {}
    bool done() const { return next_ >= args_.size(); }
    const std::string& take() { return args_[next_++]; }
    // The value of an option: "--x=VALUE" or the next argument.
    std::string value_of(std::string_view name, const std::optional<std::string>& inline_value) {
        if (inline_value) return *inline_value;
        if (done()) throw UsageError(std::string(name) + " needs a value");
        return take();
    }

  private:
    const std::vector<std::string>& args_;
    std::size_t next_ = 0;
};

void parse_compose(ArgReader& in, Request& request) {
    ComposeRequest& out = request.compose;
    std::size_t datums = 0;
    while (!in.done()) {
        const std::string arg = in.take();
        std::string name = arg;
        std::optional<std::string> inline_value;
        if (const std::size_t eq = arg.find('=');
            arg.starts_with("--") && eq != std::string::npos) {
            name = arg.substr(0, eq);
            inline_value = arg.substr(eq + 1);
        }
        if (name == "--diameter" && !inline_value) {
            out.choices.diameter = true;
        } else if (name == "--symbol") {
            const std::string value = in.value_of(name, inline_value);
            const NamedGlyph* c = find_characteristic(value);
            if (!c) {
                throw BadInputError("--symbol: no characteristic " + quoted(value) + " (one of " +
                                    names_of(kCharacteristics) + ")");
            }
            out.choices.symbol = c->glyph;
        } else if (name == "--tolerance") {
            out.choices.tolerance = tolerance_typed(in.value_of(name, inline_value));
        } else if (name == "--modifier") {
            out.choices.modifier = modifier_named(in.value_of(name, inline_value), name);
        } else if (name == "--datum") {
            const std::string value = in.value_of(name, inline_value);
            if (datums == out.choices.datums.size()) throw UsageError("--datum: at most three");
            out.choices.datums[datums++] = datum_named(value);
        } else if (name == "--as") {
            out.form = form_named(in.value_of(name, inline_value));
            if (out.form == OutputForm::kSvg || out.form == OutputForm::kPng) {
                if (in.done()) throw UsageError("--as svg and --as png need a FILE (or -)");
                out.file = in.take();
            }
        } else if (name == "--height") {
            out.height = height_of(in.value_of(name, inline_value));
        } else if (name == "--font") {
            request.font = in.value_of(name, inline_value);
        } else if (name == "--help" || name == "-h") {
            request.kind = Request::Kind::kHelp;
            return;
        } else {
            throw UsageError("compose: unknown argument " + quoted(arg));
        }
    }
    out.notes = uncounted_datums(out.choices);
}

void parse_explain(ArgReader& in, Request& request) {
    std::string hex;
    bool any = false;
    while (!in.done()) {
        const std::string arg = in.take();
        if (arg == "--help" || arg == "-h") {
            request.kind = Request::Kind::kHelp;
            return;
        }
        if (arg == "--font") {
            request.font = in.value_of(arg, std::nullopt);
            continue;
        }
        if (arg == "-") {
            if (any) throw UsageError("explain: \"-\" stands alone");
            request.explain.hex.reset();
            any = true;
            if (!in.done()) throw UsageError("explain: \"-\" stands alone");
            return;
        }
        if (arg.starts_with("--")) throw UsageError("explain: unknown option " + quoted(arg));
        if (!hex.empty()) hex += ' ';
        hex += arg;
        any = true;
    }
    if (!any) throw UsageError("explain needs the frame: HEX, or - to read its bytes");
    request.explain.hex = hex;
}

}  // namespace

Request parse_command_line(const std::vector<std::string>& args) {
    Request request;
    ArgReader in(args);
    if (in.done()) throw UsageError("no command (compose or explain)");
    const std::string command = in.take();
    if (command == "--help" || command == "-h" || command == "help") return request;
    if (command == "compose") {
        request.kind = Request::Kind::kCompose;
        parse_compose(in, request);
    } else if (command == "explain") {
        request.kind = Request::Kind::kExplain;
        parse_explain(in, request);
    } else {
        throw UsageError("unknown command " + quoted(command) + " (compose or explain)");
    }
    return request;
}

std::string bytes_from_hex(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        if (c == ' ' || c == ',' || c == ':' || c == '\t' || c == '\n' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X') &&
            i + 2 < text.size() && is_hex_digit(text[i + 2])) {
            i += 2;
            continue;
        }
        if (!is_hex_digit(c) || i + 1 >= text.size() || !is_hex_digit(text[i + 1])) {
            const std::size_t bad = is_hex_digit(c) ? i + 1 : i;
            throw BadInputError("hex: character " + std::to_string(bad + 1) +
                                (bad < text.size() ? " (" + quoted(text.substr(bad, 1)) + ")"
                                                   : std::string(" (the end)")) +
                                " does not complete a pair of hex digits");
        }
        bytes += static_cast<char>(hex_value(c) * 16 + hex_value(text[i + 1]));
        i += 2;
    }
    return bytes;
}

std::string hex_of(std::string_view bytes) {
    std::string hex;
    for (char c : bytes) {
        char pair[4];
        std::snprintf(pair, sizeof pair, "%02X", static_cast<unsigned char>(c));
        if (!hex.empty()) hex += ' ';
        hex += pair;
    }
    return hex;
}

std::vector<std::string> options_of(const FrameChoices& c) {
    std::vector<std::string> args;
    if (c.symbol) {
        args.insert(args.end(), {"--symbol", std::string(characteristic_of(*c.symbol)->name)});
    }
    if (c.diameter) args.push_back("--diameter");
    if (!c.tolerance.empty() && c.tolerance != " ") {
        args.insert(args.end(), {"--tolerance", utf16_to_utf8(windows1252_to_utf16(c.tolerance))});
    }
    if (c.modifier) {
        args.insert(args.end(), {"--modifier", std::string(modifier_of(*c.modifier)->name)});
    }
    for (std::size_t slot = 0; slot < c.datums.size() && datum_counts(c, slot); ++slot) {
        std::string datum(1, *c.datums[slot].letter);
        if (c.datums[slot].modifier) {
            datum += ":" + std::string(modifier_of(*c.datums[slot].modifier)->name);
        }
        args.insert(args.end(), {"--datum", datum});
    }
    return args;
}

std::string shell_line(const std::vector<std::string>& args) {
    std::string line;
    for (const std::string& arg : args) {
        if (!line.empty()) line += ' ';
        // Letters of other scripts (UTF-8 bytes from 0x80) mean nothing to a shell.
        const bool plain = !arg.empty() && std::all_of(arg.begin(), arg.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x80 ||
                   std::string_view(
                       "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                       "0123456789-_.:/=+,")
                           .find(c) != std::string_view::npos;
        });
        if (plain) {
            line += arg;
            continue;
        }
        line += '\'';
        for (char ch : arg) {
            if (ch == '\'') {
                line += "'\\''";
            } else {
                line += ch;
            }
        }
        line += '\'';
    }
    return line;
}

std::string_view usage_text() {
    return kUsage;
}

}  // namespace tolsy
