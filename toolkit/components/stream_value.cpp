#include "toolkit/components/stream_value.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace tolsy {
namespace {

template <class T>
std::string raw_bytes(T v) {
    std::string out(sizeof(T), '\0');
    std::memcpy(out.data(), &v, sizeof(T));  // the format is little-endian, like both targets
    return out;
}

template <class T>
T from_raw(const std::string& bytes) {
    T v{};
    if (bytes.size() == sizeof(T)) std::memcpy(&v, bytes.data(), sizeof(T));
    return v;
}

constexpr int kExtendedBias = 16383;
constexpr int kExtendedMaxExponent = 0x7FFF;

}  // namespace

Value Value::integer_value(std::int64_t v) {
    Value out;
    if (v >= INT8_MIN && v <= INT8_MAX) {
        out.type = ValueType::kInt8;
    } else if (v >= INT16_MIN && v <= INT16_MAX) {
        out.type = ValueType::kInt16;
    } else if (v >= INT32_MIN && v <= INT32_MAX) {
        out.type = ValueType::kInt32;
    } else {
        out.type = ValueType::kInt64;
    }
    out.integer = v;
    return out;
}

Value Value::boolean(bool v) {
    Value out;
    out.type = v ? ValueType::kTrue : ValueType::kFalse;
    return out;
}

Value Value::ident(std::string name) {
    Value out;
    out.type = ValueType::kIdent;
    out.bytes = std::move(name);
    return out;
}

Value Value::string(std::string bytes) {
    Value out;
    out.type = bytes.size() > 255 ? ValueType::kLString : ValueType::kString;
    out.bytes = std::move(bytes);
    return out;
}

Value Value::wide_string(std::u16string text) {
    Value out;
    out.type = ValueType::kWString;
    out.wide() = std::move(text);
    return out;
}

Value Value::utf8_string(std::string utf8) {
    Value out;
    out.type = ValueType::kUtf8String;
    out.bytes = std::move(utf8);
    return out;
}

Value Value::binary(std::string data) {
    Value out;
    out.type = ValueType::kBinary;
    out.bytes = std::move(data);
    return out;
}

Value Value::set(std::vector<std::string> elements) {
    Value out;
    out.type = ValueType::kSet;
    out.set_elements() = std::move(elements);
    return out;
}

Value Value::nil() {
    Value out;
    out.type = ValueType::kNil;
    return out;
}

Value Value::extended(long double v) {
    Value out;
    out.type = ValueType::kExtended;
    out.bytes = extended_to_bytes(v);
    return out;
}

Value Value::single(float v) {
    Value out;
    out.type = ValueType::kSingle;
    out.bytes = raw_bytes(v);
    return out;
}

Value Value::double_value(double v) {
    Value out;
    out.type = ValueType::kDouble;
    out.bytes = raw_bytes(v);
    return out;
}

Value Value::date(double v) {
    Value out = double_value(v);
    out.type = ValueType::kDate;
    return out;
}

Value Value::currency_scaled(std::int64_t scaled) {
    Value out;
    out.type = ValueType::kCurrency;
    out.integer = scaled;
    return out;
}

bool Value::is_integer() const {
    return type == ValueType::kInt8 || type == ValueType::kInt16 || type == ValueType::kInt32 ||
           type == ValueType::kInt64;
}

bool Value::is_float() const {
    return type == ValueType::kExtended || type == ValueType::kSingle ||
           type == ValueType::kDouble || type == ValueType::kDate || type == ValueType::kCurrency;
}

bool Value::is_string() const {
    return type == ValueType::kString || type == ValueType::kLString ||
           type == ValueType::kWString || type == ValueType::kUtf8String;
}

long double Value::real() const {
    switch (type) {
        case ValueType::kExtended:
            return extended_from_bytes(bytes);
        case ValueType::kSingle:
            return from_raw<float>(bytes);
        case ValueType::kDouble:
        case ValueType::kDate:
            return from_raw<double>(bytes);
        case ValueType::kCurrency:
            return static_cast<long double>(integer) / 10000;
        default:
            return static_cast<long double>(integer);
    }
}

long double extended_from_bytes(std::string_view b) {
    if (b.size() != 10) return 0;
    std::uint64_t mantissa = 0;
    for (int i = 7; i >= 0; --i) mantissa = (mantissa << 8) | static_cast<std::uint8_t>(b[i]);
    const unsigned top = static_cast<std::uint8_t>(b[8]) | (static_cast<std::uint8_t>(b[9]) << 8);
    const bool negative = (top & 0x8000) != 0;
    const int exponent = static_cast<int>(top & 0x7FFF);
    long double v;
    if (exponent == kExtendedMaxExponent) {
        const bool nan = (mantissa << 1) != 0;
        v = nan ? std::numeric_limits<long double>::quiet_NaN()
                : std::numeric_limits<long double>::infinity();
    } else {
        // Denormals use the minimum exponent; the explicit integer bit is part of the mantissa.
        const int e = (exponent == 0 ? 1 : exponent) - kExtendedBias - 63;
        v = std::ldexp(static_cast<long double>(mantissa), e);
    }
    return negative ? -v : v;
}

std::string extended_to_bytes(long double v) {
    std::uint64_t mantissa = 0;
    unsigned top = std::signbit(v) ? 0x8000 : 0;
    if (std::isnan(v)) {
        top |= kExtendedMaxExponent;
        mantissa = 0xC000000000000000ULL;
    } else if (std::isinf(v)) {
        top |= kExtendedMaxExponent;
        mantissa = 0x8000000000000000ULL;
    } else if (v != 0) {
        int e = 0;
        const long double m = std::frexp(std::fabs(v), &e);  // m in [0.5, 1)
        int biased = e - 1 + kExtendedBias;
        if (biased <= 0) {
            // Denormal: scale by the minimum exponent instead of the value's own.
            mantissa = static_cast<std::uint64_t>(std::ldexp(std::fabs(v), kExtendedBias - 1 + 63));
            biased = 0;
        } else {
            mantissa = static_cast<std::uint64_t>(std::ldexp(m, 64));
        }
        top |= static_cast<unsigned>(biased);
    }
    std::string out(10, '\0');
    for (int i = 0; i < 8; ++i) out[i] = static_cast<char>((mantissa >> (8 * i)) & 0xFF);
    out[8] = static_cast<char>(top & 0xFF);
    out[9] = static_cast<char>(top >> 8);
    return out;
}

bool parse_decimal_float(std::string_view text, long double& out) {
    const std::string s(text);  // strtold needs a terminated string
    char* end = nullptr;
    errno = 0;
    const long double v = std::strtold(s.c_str(), &end);
    if (end != s.c_str() + s.size() || s.empty()) return false;
    if (errno == ERANGE && std::isinf(v)) return false;
    out = v;
    return true;
}

const Value::Aggregates& Value::no_aggregates() {
    static const Value::Aggregates empty;
    return empty;
}

Value::Value(const Value& other)
    : type(other.type),
      integer(other.integer),
      bytes(other.bytes),
      wide_(other.wide_),
      aggregates_(other.aggregates_ ? std::make_unique<Aggregates>(*other.aggregates_) : nullptr) {}

Value& Value::operator=(const Value& other) {
    // Through a copy: `other` may lie inside this value's own list or items.
    if (this != &other) *this = Value(other);
    return *this;
}

bool operator==(const ItemNode& a, const ItemNode& b) {
    return a.order_type == b.order_type && a.order == b.order && a.properties == b.properties;
}

bool operator==(const Value& a, const Value& b) {
    return a.type == b.type && a.integer == b.integer && a.bytes == b.bytes &&
           a.wide() == b.wide() && a.set_elements() == b.set_elements() && a.list() == b.list() &&
           a.items() == b.items();
}

bool operator==(const Property& a, const Property& b) {
    return a.name == b.name && a.value == b.value;
}

bool operator==(const ObjectNode& a, const ObjectNode& b) {
    return a.flags == b.flags && a.position_type == b.position_type && a.position == b.position &&
           a.class_name == b.class_name && a.name == b.name && a.properties == b.properties &&
           a.children == b.children;
}

}  // namespace tolsy
