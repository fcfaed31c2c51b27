// Writer of the textual component form (see text_stream.h for the layout it produces).
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "base/utf8.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/class_info.h"
#include "toolkit/components/component.h"
#include "toolkit/components/stream_errors.h"
#include "toolkit/components/text_stream.h"

namespace tolsy {
namespace {

constexpr std::size_t kLineLength = 64;
constexpr std::size_t kBytesPerLine = 32;
constexpr int kGeneralPrecision = 15;  // beyond this exponent floats are written as d.dddEn
constexpr int kSmallestFixedExponent = -4;
constexpr char kLineBreak[] = "\r\n";

bool is_dotted_identifier(std::string_view s) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t dot = s.find('.', start);
        if (!is_valid_identifier(s.substr(start, dot - start))) return false;
        if (dot == std::string_view::npos) return true;
        start = dot + 1;
    }
}

// Set elements may be integers as well as names; the reader keeps an integer's text as it
// stands, so any text it reads as one 64-bit integer token ("-1", "$1F", "007") writes back.
bool is_integer_token(std::string_view s) {
    if (!s.empty() && s[0] == '$') {
        const std::string_view digits = s.substr(1);
        const std::size_t first = digits.find_first_not_of('0');
        return !digits.empty() &&
               digits.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos &&
               (first == std::string_view::npos || digits.size() - first <= 16);
    }
    const std::string_view digits = s.substr(!s.empty() && s[0] == '-' ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return false;
    std::int64_t v = 0;
    return std::from_chars(s.data(), s.data() + s.size(), v).ec == std::errc();
}

// Words the reader takes as structure where a property name is expected: among an object's
// properties all four, among a collection item's only "end".
bool is_keyword(std::string_view name, bool in_item) {
    const std::string_view first = name.substr(0, name.find('.'));
    if (in_item) return same_text(first, "end");
    for (std::string_view k : {"end", "object", "inherited", "inline"}) {
        if (same_text(first, k)) return true;
    }
    return false;
}

template <class F>
long double parse_back(const std::string& s) {
    long double v = 0;
    // Beyond F's range the conversion is not defined; such digits never read back anyway.
    if (!parse_decimal_float(s, v) || std::fabs(v) > std::numeric_limits<F>::max()) {
        return std::numeric_limits<F>::quiet_NaN();
    }
    return static_cast<F>(v);
}

// Shortest decimal digits (no trailing zeros) and exponent of |v| that read back to v when
// parsed as a long double and rounded to F, as the reader does.
template <class F>
void shortest_digits(F v, std::string& digits, int& exponent) {
    char buf[64];
    for (int precision = 1; precision <= 21; ++precision) {
        std::snprintf(buf, sizeof buf, "%.*Le", precision - 1,
                      static_cast<long double>(std::fabs(v)));
        if (parse_back<F>(buf) == std::fabs(v) || precision == 21) break;
    }
    const std::string s(buf);
    const std::size_t e = s.find('e');
    digits.clear();
    for (std::size_t i = 0; i < e; ++i) {
        if (s[i] != '.') digits.push_back(s[i]);
    }
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    exponent = std::stoi(s.substr(e + 1));
}

// Laid out like the ecosystem's general float format: fixed for exponents -4 to 14, else
// d.dddEn; a value that would look like an integer gets ".0" so it reads back as a float.
template <class F>
std::string general_float(F v, bool mark_float) {
    if (!std::isfinite(v))
        throw StreamWriteError("Infinite or NaN float cannot be written as text");
    std::string digits;
    int x = 0;
    shortest_digits(v, digits, x);
    std::string out = std::signbit(v) ? "-" : "";
    if (digits == "0") {
        out += "0";
    } else if (x >= kSmallestFixedExponent && x < kGeneralPrecision) {
        if (x < 0) {
            out += "0.";
            out.append(static_cast<std::size_t>(-x - 1), '0');
            out += digits;
        } else {
            const auto int_len = static_cast<std::size_t>(x) + 1;
            if (digits.size() <= int_len) {
                out += digits + std::string(int_len - digits.size(), '0');
            } else {
                out.append(digits, 0, int_len);
                out += '.';
                out.append(digits, int_len);
            }
        }
    } else {
        out += digits[0];
        if (digits.size() > 1) {
            out += '.';
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(x);
    }
    if (mark_float && out.find_first_of(".E") == std::string::npos) out += ".0";
    return out;
}

class TextWriter {
  public:
    std::string take() { return std::move(out_); }

    void object(const ObjectNode& n) {
        if (!is_valid_identifier(n.class_name)) fail("Class name", n.class_name);
        if (!n.name.empty() && !is_valid_identifier(n.name)) fail("Object name", n.name);
        if ((n.flags & kFilerInherited) && (n.flags & kFilerInline)) {
            throw StreamWriteError("An object cannot be both inherited and inline in text");
        }
        indent();
        out_ += (n.flags & kFilerInherited) ? "inherited "
                : (n.flags & kFilerInline)  ? "inline "
                                            : "object ";
        if (!n.name.empty()) out_ += n.name + ": ";
        out_ += n.class_name;
        if (n.flags & kFilerChildPos) out_ += " [" + std::to_string(n.position) + "]";
        out_ += kLineBreak;
        ++nesting_;
        for (const Property& p : n.properties) property(p);
        for (const ObjectNode& child : n.children) object(child);
        --nesting_;
        indent();
        out_ += "end";
        out_ += kLineBreak;
    }

  private:
    [[noreturn]] static void fail(const char* what, const std::string& name) {
        throw StreamWriteError(std::string(what) + " '" + name + "' cannot be written as text");
    }

    void indent() { out_.append(static_cast<std::size_t>(nesting_) * 2, ' '); }
    void new_line() {
        out_ += kLineBreak;
        indent();
    }

    void property(const Property& p, bool in_item = false) {
        if (!is_dotted_identifier(p.name) || is_keyword(p.name, in_item))
            fail("Property name", p.name);
        indent();
        out_ += p.name;
        out_ += " = ";
        value(p.value);
        out_ += kLineBreak;
    }

    void value(const Value& v) {
        switch (v.type) {
            case ValueType::kNull:
                out_ += "Null";
                break;
            case ValueType::kFalse:
                out_ += "False";
                break;
            case ValueType::kTrue:
                out_ += "True";
                break;
            case ValueType::kNil:
                out_ += "nil";
                break;
            case ValueType::kInt8:
            case ValueType::kInt16:
            case ValueType::kInt32:
            case ValueType::kInt64:
                out_ += std::to_string(v.integer);
                break;
            case ValueType::kExtended:
            case ValueType::kSingle:
            case ValueType::kDouble:
            case ValueType::kDate:
            case ValueType::kCurrency:
                out_ += format_float_value(v);
                break;
            case ValueType::kString:
            case ValueType::kLString:
                string8(v.bytes);
                break;
            case ValueType::kWString:
                wide(v.wide());
                break;
            case ValueType::kUtf8String:
                utf8(v.bytes);
                break;
            case ValueType::kIdent:
                if (!is_dotted_identifier(v.bytes)) fail("Identifier", v.bytes);
                out_ += v.bytes;
                break;
            case ValueType::kBinary:
                binary(v.bytes);
                break;
            case ValueType::kSet:
                set(v.set_elements());
                break;
            case ValueType::kList:
                list(v.list());
                break;
            case ValueType::kCollection:
                collection(v.items());
                break;
        }
    }

    // Strings are written in pieces of at most 64 characters; printable runs are quoted and
    // other characters (and the quote itself) are written as #code. `quotable` says which
    // units may stand inside quotes.
    template <class Unit, class Quotable>
    void pieces(std::basic_string_view<Unit> s, Quotable quotable) {
        if (s.empty()) {
            out_ += "''";
            return;
        }
        ++nesting_;
        if (s.size() > kLineLength) new_line();
        std::size_t i = 0;
        std::size_t line_start = 0;
        while (i < s.size()) {
            bool line_break = false;
            if (quotable(s[i])) {
                const std::size_t j = i;
                do {
                    ++i;
                } while (i < s.size() && quotable(s[i]) && i - line_start < kLineLength);
                line_break = i - line_start >= kLineLength;
                out_ += '\'';
                for (std::size_t k = j; k < i; ++k) out_ += static_cast<char>(s[k]);
                out_ += '\'';
            } else {
                out_ += '#';
                out_ += std::to_string(
                    static_cast<unsigned>(static_cast<std::make_unsigned_t<Unit>>(s[i])));
                ++i;
                line_break = i - line_start >= kLineLength;
            }
            if (line_break && i < s.size()) {
                out_ += " +";
                new_line();
                line_start = i;
            }
        }
        --nesting_;
    }

    void string8(const std::string& s) {
        pieces<char>(s, [](char c) { return static_cast<unsigned char>(c) >= ' ' && c != '\''; });
    }

    void wide(const std::u16string& s) {
        pieces<char16_t>(s, [](char16_t c) { return c >= u' ' && c != u'\'' && c <= 127; });
    }

    // UTF-8 text is written like a wide string, as its UTF-16 code units.
    void utf8(const std::string& s) {
        auto units = utf8_to_utf16(s);
        if (!units) throw StreamWriteError("Malformed UTF-8 string cannot be written as text");
        wide(*units);
    }

    void binary(const std::string& data) {
        static constexpr char kHex[] = "0123456789ABCDEF";
        out_ += '{';
        ++nesting_;
        const bool multi_line = data.size() >= kBytesPerLine;
        for (std::size_t i = 0; i < data.size(); i += kBytesPerLine) {
            if (multi_line) new_line();
            const std::size_t end = std::min(data.size(), i + kBytesPerLine);
            for (std::size_t k = i; k < end; ++k) {
                const auto b = static_cast<unsigned char>(data[k]);
                out_ += kHex[b >> 4];
                out_ += kHex[b & 15];
            }
        }
        --nesting_;
        out_ += '}';
    }

    void set(const std::vector<std::string>& elements) {
        out_ += '[';
        for (std::size_t i = 0; i < elements.size(); ++i) {
            if (!is_valid_identifier(elements[i]) && !is_integer_token(elements[i]))
                fail("Set element", elements[i]);
            if (i > 0) out_ += ", ";
            out_ += elements[i];
        }
        out_ += ']';
    }

    void list(const std::vector<Value>& values) {
        out_ += '(';
        ++nesting_;
        for (const Value& v : values) {
            // The reader takes Null as the end-of-list marker's name and refuses it in lists.
            if (v.type == ValueType::kIdent && same_text(v.bytes, "Null"))
                fail("Identifier", v.bytes);
            new_line();
            value(v);
        }
        --nesting_;
        out_ += ')';
    }

    void collection(const std::vector<ItemNode>& items) {
        out_ += '<';
        ++nesting_;
        for (const ItemNode& item : items) {
            new_line();
            out_ += "item";
            if (item.order_type != ValueType::kNull)
                out_ += " [" + std::to_string(item.order) + "]";
            out_ += kLineBreak;
            ++nesting_;
            for (const Property& p : item.properties) property(p, true);
            --nesting_;
            indent();
            out_ += "end";
        }
        --nesting_;
        out_ += '>';
    }

    std::string out_;
    int nesting_ = 0;
};

}  // namespace

std::string format_float_value(const Value& v) {
    switch (v.type) {
        case ValueType::kExtended:
            return general_float<long double>(v.real(), true);
        case ValueType::kDouble:
            return general_float<double>(static_cast<double>(v.real()), true);
        case ValueType::kSingle:
            return general_float<float>(static_cast<float>(v.real()), false) + "s";
        case ValueType::kDate:
            return general_float<double>(static_cast<double>(v.real()), false) + "d";
        case ValueType::kCurrency:
            return std::to_string(v.integer) + "c";
        default:
            throw StreamWriteError("Not a float value");
    }
}

std::string write_text_stream(const ObjectNode& root) {
    TextWriter w;
    w.object(root);
    return w.take();
}

std::string object_binary_to_text(std::span<const std::uint8_t> bytes) {
    return write_text_stream(parse_binary_stream(bytes));
}

}  // namespace tolsy
