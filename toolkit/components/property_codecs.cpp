#include "toolkit/components/property_codecs.h"

#include "base/utf8.h"
#include "base/windows1252.h"

namespace tolsy::codec {

std::int64_t to_integer(const Value& v, ReadContext& ctx, std::int64_t lo, std::int64_t hi) {
    if (!v.is_integer()) ctx.fail("integer expected");
    if (v.integer < lo || v.integer > hi)
        ctx.fail("integer " + std::to_string(v.integer) + " out of range");
    return v.integer;
}

std::uint64_t to_unsigned(const Value& v, ReadContext& ctx, std::uint64_t hi) {
    if (!v.is_integer()) ctx.fail("integer expected");
    std::uint64_t u = static_cast<std::uint64_t>(v.integer);
    if (v.integer < 0) {
        // Unsigned 32-bit values above INT32_MAX are written as negative 32-bit integers.
        if (v.integer < INT32_MIN || hi > UINT32_MAX) ctx.fail("integer out of range");
        u = static_cast<std::uint32_t>(v.integer);
    }
    if (u > hi) ctx.fail("integer " + std::to_string(v.integer) + " out of range");
    return u;
}

bool to_boolean(const Value& v, ReadContext& ctx) {
    if (v.type == ValueType::kTrue) return true;
    if (v.type == ValueType::kFalse) return false;
    ctx.fail("True or False expected");
}

int to_enum(const Value& v, const EnumInfo& info, ReadContext& ctx) {
    if (v.type != ValueType::kIdent) ctx.fail(std::string(info.type_name) + " identifier expected");
    const int ordinal = info.find(v.bytes);
    if (ordinal < 0) ctx.fail("'" + v.bytes + "' is not a value of " + std::string(info.type_name));
    return ordinal;
}

Value from_enum(int ordinal, const EnumInfo& info) {
    if (ordinal >= 0 && static_cast<std::size_t>(ordinal) < info.names.size()) {
        return Value::ident(std::string(info.names[static_cast<std::size_t>(ordinal)]));
    }
    return Value::integer_value(ordinal);
}

std::uint64_t to_set(const Value& v, const EnumInfo& info, ReadContext& ctx) {
    if (v.type != ValueType::kSet) ctx.fail("set expected");
    std::uint64_t bits = 0;
    for (const std::string& e : v.set_elements()) {
        const int ordinal = info.find(e);
        if (ordinal < 0 || ordinal >= 64)
            ctx.fail("'" + e + "' is not a value of " + std::string(info.type_name));
        bits |= std::uint64_t{1} << ordinal;
    }
    return bits;
}

Value from_set(std::uint64_t bits, const EnumInfo& info) {
    std::vector<std::string> elements;
    for (std::size_t i = 0; i < info.names.size() && i < 64; ++i) {
        if (bits & (std::uint64_t{1} << i)) elements.emplace_back(info.names[i]);
    }
    return Value::set(std::move(elements));
}

std::string to_ansi(const Value& v, ReadContext& ctx) {
    switch (v.type) {
        case ValueType::kString:
        case ValueType::kLString:
            return v.bytes;
        case ValueType::kWString: {
            auto s = utf16_to_windows1252(v.wide());
            if (!s) ctx.fail("text has characters outside Windows-1252");
            return *s;
        }
        case ValueType::kUtf8String: {
            auto w = utf8_to_utf16(v.bytes);
            if (!w) ctx.fail("malformed UTF-8 text");
            auto s = utf16_to_windows1252(*w);
            if (!s) ctx.fail("text has characters outside Windows-1252");
            return *s;
        }
        default:
            ctx.fail("string expected");
    }
}

Value from_ansi(const std::string& s) {
    return Value::string(s);
}

std::u16string to_wide(const Value& v, ReadContext& ctx) {
    switch (v.type) {
        case ValueType::kString:
        case ValueType::kLString:
            return windows1252_to_utf16(v.bytes);
        case ValueType::kWString:
            return v.wide();
        case ValueType::kUtf8String: {
            auto w = utf8_to_utf16(v.bytes);
            if (!w) ctx.fail("malformed UTF-8 text");
            return std::move(*w);
        }
        default:
            ctx.fail("string expected");
    }
}

Value from_wide(const std::u16string& s) {
    for (char16_t c : s) {
        if (c >= 0x80) return Value::wide_string(s);
    }
    return Value::string(std::string(s.begin(), s.end()));
}

Color to_color(const Value& v, ReadContext& ctx) {
    if (v.type == ValueType::kIdent) {
        auto c = color_from_name(v.bytes);
        if (!c) ctx.fail("unknown colour " + v.bytes);
        return *c;
    }
    if (!v.is_integer()) ctx.fail("colour expected");
    if (v.integer < INT32_MIN || v.integer > UINT32_MAX) ctx.fail("colour out of range");
    return static_cast<Color>(v.integer);
}

Value from_color(Color c) {
    if (auto name = color_name(c)) return Value::ident(std::string(*name));
    return Value::integer_value(static_cast<std::int32_t>(c));
}

std::uint8_t to_charset(const Value& v, ReadContext& ctx) {
    if (v.type == ValueType::kIdent) {
        auto c = charset_from_name(v.bytes);
        if (!c) ctx.fail("unknown character set " + v.bytes);
        return *c;
    }
    return static_cast<std::uint8_t>(to_integer(v, ctx, 0, 255));
}

Value from_charset(std::uint8_t c) {
    if (auto name = charset_name(c)) return Value::ident(std::string(*name));
    return Value::integer_value(c);
}

long double to_float(const Value& v, ReadContext& ctx) {
    if (!v.is_integer() && !v.is_float()) ctx.fail("number expected");
    return v.real();
}

std::string to_binary(const Value& v, ReadContext& ctx) {
    if (v.type != ValueType::kBinary) ctx.fail("binary data expected");
    return v.bytes;
}

}  // namespace tolsy::codec
