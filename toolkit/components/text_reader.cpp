// Reader of the textual component form (see text_stream.h for the rules it follows).
#include <charconv>
#include <cmath>
#include <limits>
#include <optional>

#include "base/load_budget.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/class_info.h"
#include "toolkit/components/stream_errors.h"
#include "toolkit/components/text_stream.h"

namespace tolsy {
namespace {

constexpr int kMaxNesting = 200;
constexpr std::size_t kMaxShortString = 255;

enum class TokenKind : std::uint8_t { kEnd, kSymbol, kString, kInteger, kFloat, kChar };

struct Token {
    TokenKind kind = TokenKind::kEnd;
    char ch = 0;
    std::size_t pos = 0;  // first byte of the token
    std::size_t end = 0;  // one past its last byte
    bool wide = false;
    std::u16string units;  // String: the code units (bytes as units when not wide)
    std::int64_t integer = 0;
    long double real = 0;
    char suffix = 0;  // Float: s, c, d or 0
};

bool is_letter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_ident_char(char c) {
    return is_letter(c) || is_digit(c);
}
int hex_digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Whether a value would round to infinity in F: from halfway past F's largest value on.
template <class F>
bool rounds_past_max(long double v) {
    constexpr int kBits = std::numeric_limits<F>::digits;
    const long double halfway =
        std::ldexp(2.0L - std::ldexp(1.0L, -kBits), std::numeric_limits<F>::max_exponent - 1);
    return std::fabs(v) >= halfway;
}

class Lexer {
  public:
    explicit Lexer(std::string_view text) : src_(text) {}

    const Token& token() const { return tok_; }
    std::size_t position() const { return pos_; }

    [[noreturn]] void fail_at(const std::string& what, std::size_t at) const {
        int line = 1;
        std::size_t line_start = 0;
        for (std::size_t i = 0; i < at && i < src_.size(); ++i) {
            if (src_[i] == '\n') {
                ++line;
                line_start = i + 1;
            }
        }
        throw TextSyntaxError(what, line, static_cast<int>(at - line_start) + 1);
    }
    [[noreturn]] void fail(const std::string& what) const { fail_at(what, tok_.pos); }

    void skip_blanks() {
        while (pos_ < src_.size() && static_cast<unsigned char>(src_[pos_]) <= ' ') {
            if (src_[pos_] == '\0') fail_at("Invalid character #0", pos_);
            ++pos_;
        }
    }

    const Token& next() {
        skip_blanks();
        tok_ = Token{};
        tok_.pos = pos_;
        if (pos_ >= src_.size()) {
            tok_.kind = TokenKind::kEnd;
        } else {
            const char c = src_[pos_];
            if (is_letter(c)) {
                while (pos_ < src_.size() && is_ident_char(src_[pos_])) ++pos_;
                tok_.kind = TokenKind::kSymbol;
            } else if (c == '#' || c == '\'') {
                lex_string();
            } else if (c == '$') {
                lex_hex();
            } else if (c == '-' || is_digit(c)) {
                lex_number();
            } else {
                tok_.kind = TokenKind::kChar;
                tok_.ch = c;
                ++pos_;
            }
        }
        tok_.end = pos_;
        return tok_;
    }

    std::string_view text() const { return src_.substr(tok_.pos, tok_.end - tok_.pos); }
    bool is_symbol(std::string_view word) const {
        return tok_.kind == TokenKind::kSymbol && same_text(text(), word);
    }
    bool is_char(char c) const { return tok_.kind == TokenKind::kChar && tok_.ch == c; }

    // A value identifier may continue with ".Name" parts written without blanks.
    std::string component_ident() {
        while (pos_ < src_.size() && src_[pos_] == '.') {
            ++pos_;
            if (pos_ >= src_.size() || !is_letter(src_[pos_])) fail_at("Identifier expected", pos_);
            while (pos_ < src_.size() && is_ident_char(src_[pos_])) ++pos_;
        }
        tok_.end = pos_;
        return std::string(text());
    }

    // Reads hexadecimal pairs up to the closing brace, which it consumes.
    std::string hex_to_binary() {
        std::string out;
        for (;;) {
            skip_blanks();
            if (pos_ >= src_.size()) fail_at("'}' expected", pos_);
            if (src_[pos_] == '}') {
                ++pos_;
                return out;
            }
            const int hi = hex_digit(src_[pos_]);
            const int lo = pos_ + 1 < src_.size() ? hex_digit(src_[pos_ + 1]) : -1;
            if (hi < 0 || lo < 0) fail_at("Invalid binary value", pos_);
            out.push_back(static_cast<char>(hi * 16 + lo));
            pos_ += 2;
        }
    }

  private:
    void lex_string() {
        tok_.kind = TokenKind::kString;
        for (;;) {
            if (pos_ < src_.size() && src_[pos_] == '#') {
                const std::size_t at = pos_++;
                std::uint32_t code = 0;
                const std::size_t digits = pos_;
                while (pos_ < src_.size() && is_digit(src_[pos_])) {
                    code = code * 10 + static_cast<std::uint32_t>(src_[pos_++] - '0');
                    if (code > 0xFFFF) fail_at("Character code out of range", at);
                }
                if (pos_ == digits) fail_at("Character code expected", at);
                if (code > 127) tok_.wide = true;
                tok_.units.push_back(static_cast<char16_t>(code));
            } else if (pos_ < src_.size() && src_[pos_] == '\'') {
                const std::size_t at = pos_++;
                for (;;) {
                    if (pos_ >= src_.size() || src_[pos_] == '\n' || src_[pos_] == '\r' ||
                        src_[pos_] == '\0') {
                        fail_at("Unterminated string", at);
                    }
                    if (src_[pos_] == '\'') {
                        if (pos_ + 1 < src_.size() && src_[pos_ + 1] == '\'') {
                            pos_ += 2;
                            tok_.units.push_back(u'\'');
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    tok_.units.push_back(static_cast<unsigned char>(src_[pos_++]));
                }
            } else {
                return;
            }
        }
    }

    void lex_hex() {
        tok_.kind = TokenKind::kInteger;
        ++pos_;
        std::uint64_t v = 0;
        int significant = 0;
        const std::size_t digits = pos_;
        while (pos_ < src_.size() && hex_digit(src_[pos_]) >= 0) {
            const int d = hex_digit(src_[pos_++]);
            if ((significant > 0 || d != 0) && ++significant > 16)
                fail_at("Integer out of range", tok_.pos);
            v = (v << 4) | static_cast<std::uint64_t>(d);
        }
        if (pos_ == digits) fail_at("Number expected", tok_.pos);
        tok_.integer = static_cast<std::int64_t>(v);  // 64-bit patterns wrap to negative
    }

    void lex_number() {
        ++pos_;
        while (pos_ < src_.size() && is_digit(src_[pos_])) ++pos_;
        tok_.kind = TokenKind::kInteger;
        while (pos_ < src_.size() &&
               (is_digit(src_[pos_]) || src_[pos_] == '.' || src_[pos_] == 'e' ||
                src_[pos_] == 'E' || src_[pos_] == '+' || src_[pos_] == '-')) {
            ++pos_;
            tok_.kind = TokenKind::kFloat;
        }
        const std::size_t digits_end = pos_;
        if (pos_ < src_.size() &&
            std::string_view("cCdDsS").find(src_[pos_]) != std::string_view::npos) {
            tok_.kind = TokenKind::kFloat;
            tok_.suffix = static_cast<char>(src_[pos_] | 0x20);
            ++pos_;
        }
        const std::string_view digits = src_.substr(tok_.pos, digits_end - tok_.pos);
        if (tok_.kind == TokenKind::kInteger) {
            const auto r =
                std::from_chars(digits.data(), digits.data() + digits.size(), tok_.integer);
            if (r.ec == std::errc::result_out_of_range) fail_at("Integer out of range", tok_.pos);
            if (r.ec != std::errc() || r.ptr != digits.data() + digits.size())
                fail_at("Number expected", tok_.pos);
        } else {
            parse_float(digits);
        }
    }

    // Accepts [-]digits[.digits][(e|E)[+|-]digits] with at least one mantissa digit.
    void parse_float(std::string_view s) {
        std::size_t i = (s[0] == '-') ? 1 : 0;
        std::size_t mantissa_digits = 0;
        while (i < s.size() && is_digit(s[i])) ++i, ++mantissa_digits;
        if (i < s.size() && s[i] == '.') {
            ++i;
            while (i < s.size() && is_digit(s[i])) ++i, ++mantissa_digits;
        }
        if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
            ++i;
            if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
            const std::size_t exp = i;
            while (i < s.size() && is_digit(s[i])) ++i;
            if (i == exp) mantissa_digits = 0;
        }
        if (mantissa_digits == 0 || i != s.size())
            fail_at("Invalid floating-point number", tok_.pos);
        if (!parse_decimal_float(s, tok_.real))
            fail_at("Floating-point number out of range", tok_.pos);
    }

    std::string_view src_;
    std::size_t pos_ = 0;
    Token tok_;
};

class TextParser {
  public:
    explicit TextParser(std::string_view text) : lex_(text) {}

    ObjectNode parse() {
        lex_.next();
        ObjectNode root = object(0);
        if (lex_.token().kind != TokenKind::kEnd) lex_.fail("End of text expected");
        return root;
    }

  private:
    void enter(int depth) const {
        if (depth > kMaxNesting) lex_.fail("Nesting too deep");
    }

    // What the tree being built takes is charged to the load as it grows: a short text can
    // describe many values, each far larger than the characters that wrote it.
    void charge(std::size_t amount) const {
        LoadBudget* budget = current_load_budget();
        if (budget != nullptr && !budget->charge(amount))
            lex_.fail("The text's values would pass the load limit of " +
                      std::to_string(budget->limit()) + " bytes");
    }

    void expect_char(char c) {
        if (!lex_.is_char(c)) lex_.fail(std::string("'") + c + "' expected");
    }

    std::string symbol(const char* what) {
        if (lex_.token().kind != TokenKind::kSymbol) lex_.fail(std::string(what) + " expected");
        std::string s(lex_.text());
        if (s.size() > kMaxShortString)
            lex_.fail(std::string(what) + " longer than 255 characters");
        lex_.next();
        return s;
    }

    bool at_object_keyword() const {
        return lex_.is_symbol("object") || lex_.is_symbol("inherited") || lex_.is_symbol("inline");
    }

    ObjectNode object(int depth) {
        enter(depth);
        charge(sizeof(ObjectNode));
        ObjectNode node;
        node.offset = lex_.token().pos;
        if (lex_.is_symbol("inherited")) {
            node.flags |= kFilerInherited;
        } else if (lex_.is_symbol("inline")) {
            node.flags |= kFilerInline;
        } else if (!lex_.is_symbol("object")) {
            lex_.fail("'object' expected");
        }
        lex_.next();
        header(node);
        while (!lex_.is_symbol("end") && !at_object_keyword())
            node.properties.push_back(property(depth));
        while (!lex_.is_symbol("end")) {
            if (!at_object_keyword()) lex_.fail("'end' expected");
            node.children.push_back(object(depth + 1));
        }
        lex_.next();
        return node;
    }

    void header(ObjectNode& node) {
        node.class_name = symbol("Class name");
        if (lex_.is_char(':')) {
            lex_.next();
            node.name = std::move(node.class_name);
            node.class_name = symbol("Class name");
        }
        // As the established tools do, a negative position is read but not kept.
        if (auto pos = order_modifier(); pos && pos->integer >= 0) {
            node.flags |= kFilerChildPos;
            node.position = pos->integer;
            node.position_type = pos->type;
        }
    }

    std::optional<Value> order_modifier() {
        if (!lex_.is_char('[')) return std::nullopt;
        lex_.next();
        if (lex_.token().kind != TokenKind::kInteger) lex_.fail("Integer expected");
        if (lex_.token().integer < INT32_MIN || lex_.token().integer > INT32_MAX)
            lex_.fail("Integer out of range");
        Value v = Value::integer_value(lex_.token().integer);
        lex_.next();
        expect_char(']');
        lex_.next();
        return v;
    }

    Property property(int depth) {
        charge(sizeof(Property));
        Property p;
        p.offset = lex_.token().pos;
        if (lex_.token().kind != TokenKind::kSymbol) lex_.fail("Property name expected");
        p.name = std::string(lex_.text());
        lex_.next();
        while (lex_.is_char('.')) {
            lex_.next();
            if (lex_.token().kind != TokenKind::kSymbol) lex_.fail("Identifier expected");
            p.name += '.';
            p.name += lex_.text();
            lex_.next();
        }
        if (p.name.size() > kMaxShortString)
            lex_.fail_at("Property name longer than 255 characters", p.offset);
        expect_char('=');
        lex_.next();
        p.value = value(depth + 1, false);
        return p;
    }

    Value value(int depth, bool in_list) {
        enter(depth);
        charge(sizeof(Value));
        const Token& t = lex_.token();
        switch (t.kind) {
            case TokenKind::kString:
                return string_value();
            case TokenKind::kSymbol:
                return ident_value(in_list);
            case TokenKind::kInteger: {
                Value v = Value::integer_value(t.integer);
                lex_.next();
                return v;
            }
            case TokenKind::kFloat:
                return float_value();
            case TokenKind::kChar:
                if (t.ch == '[') return set_value();
                if (t.ch == '(') return list_value(depth);
                if (t.ch == '{') return binary_value();
                if (t.ch == '<') return collection_value(depth);
                break;
            case TokenKind::kEnd:
                break;
        }
        lex_.fail("Invalid property value");
    }

    Value string_value() {
        std::u16string units = lex_.token().units;
        bool wide = lex_.token().wide;
        charge(2 * units.size());
        while (lex_.next().kind == TokenKind::kChar && lex_.token().ch == '+') {
            if (lex_.next().kind != TokenKind::kString) lex_.fail("String expected");
            charge(2 * lex_.token().units.size());
            units += lex_.token().units;
            wide = wide || lex_.token().wide;
        }
        if (wide) return Value::wide_string(std::move(units));
        std::string bytes(units.size(), '\0');
        for (std::size_t i = 0; i < units.size(); ++i) bytes[i] = static_cast<char>(units[i]);
        return Value::string(std::move(bytes));
    }

    Value ident_value(bool in_list) {
        const std::size_t at = lex_.token().pos;
        std::string name = lex_.component_ident();
        lex_.next();
        if (same_text(name, "True")) return Value::boolean(true);
        if (same_text(name, "False")) return Value::boolean(false);
        if (same_text(name, "nil")) return Value::nil();
        if (same_text(name, "Null")) {
            // A Null byte inside a list would end the list.
            if (in_list) lex_.fail_at("Null is not allowed in a list", at);
            return Value{};
        }
        if (name.size() > kMaxShortString)
            lex_.fail_at("Identifier longer than 255 characters", at);
        return Value::ident(std::move(name));
    }

    Value float_value() {
        const Token& t = lex_.token();
        Value v;
        switch (t.suffix) {
            case 's':
                if (rounds_past_max<float>(t.real)) lex_.fail("Single value out of range");
                v = Value::single(static_cast<float>(t.real));
                break;
            case 'd':
                if (rounds_past_max<double>(t.real)) lex_.fail("Date value out of range");
                v = Value::date(static_cast<double>(t.real));
                break;
            case 'c': {
                // The text holds the currency's scaled integer; it is rounded to the nearest.
                const long double scaled = std::nearbyint(t.real);
                if (!(scaled >= -9223372036854775807.0L - 1 && scaled < 9223372036854775808.0L)) {
                    lex_.fail("Currency value out of range");
                }
                v = Value::currency_scaled(static_cast<std::int64_t>(scaled));
                break;
            }
            default:
                v = Value::extended(t.real);
                break;
        }
        lex_.next();
        return v;
    }

    Value set_value() {
        std::vector<std::string> elements;
        lex_.next();
        if (!lex_.is_char(']')) {
            for (;;) {
                const TokenKind k = lex_.token().kind;
                if (k != TokenKind::kSymbol && k != TokenKind::kInteger)
                    lex_.fail("Identifier expected");
                if (lex_.text().size() > kMaxShortString)
                    lex_.fail("Identifier longer than 255 characters");
                charge(sizeof(std::string) + lex_.text().size());
                elements.emplace_back(lex_.text());
                lex_.next();
                if (lex_.is_char(']')) break;
                expect_char(',');
                lex_.next();
            }
        }
        lex_.next();
        return Value::set(std::move(elements));
    }

    Value list_value(int depth) {
        Value v;
        v.type = ValueType::kList;
        lex_.next();
        while (!lex_.is_char(')')) v.list().push_back(value(depth + 1, true));
        lex_.next();
        return v;
    }

    Value binary_value() {
        Value v = Value::binary(lex_.hex_to_binary());
        lex_.next();
        return v;
    }

    Value collection_value(int depth) {
        Value v;
        v.type = ValueType::kCollection;
        lex_.next();
        while (!lex_.is_char('>')) {
            if (!lex_.is_symbol("item")) lex_.fail("'item' expected");
            lex_.next();
            charge(sizeof(ItemNode));
            ItemNode& item = v.items().emplace_back();
            // -1 is the established tools' "no order" mark.
            if (auto order = order_modifier(); order && order->integer != -1) {
                item.order_type = order->type;
                item.order = order->integer;
            }
            while (!lex_.is_symbol("end")) item.properties.push_back(property(depth + 1));
            lex_.next();
        }
        lex_.next();
        return v;
    }

    Lexer lex_;
};

}  // namespace

ObjectNode parse_text_stream(std::string_view text) {
    LoadBudgetScope budget(text.size());
    return TextParser(text).parse();
}

std::vector<std::uint8_t> object_text_to_binary(std::string_view text) {
    LoadBudgetScope budget(text.size());
    return write_binary_stream(parse_text_stream(text));
}

}  // namespace tolsy
