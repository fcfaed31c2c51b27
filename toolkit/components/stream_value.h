#pragma once
// The decoded form of a component stream: a tree of objects, each with its properties (name and
// typed value) and child objects. The binary reader/writer and the text reader/writer convert
// between this tree and bytes; component reading and writing go through it as well.
//
// Every value keeps the exact wire type it was read with (an integer read as 32-bit stays 32-bit,
// a float keeps its raw bytes), so reading and writing a binary stream round-trips byte for byte.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tolsy {

// Type byte of a value in the binary component stream.
enum class ValueType : std::uint8_t {
    kNull = 0,  // ends lists; as a value: the identifier Null
    kList = 1,  // values until a Null byte
    kInt8 = 2,
    kInt16 = 3,
    kInt32 = 4,
    kExtended = 5,  // 80-bit float
    kString = 6,    // 1 length byte + bytes
    kIdent = 7,     // 1 length byte + bytes
    kFalse = 8,
    kTrue = 9,
    kBinary = 10,   // 32-bit length + bytes
    kSet = 11,      // identifiers until an empty one
    kLString = 12,  // 32-bit length + bytes
    kNil = 13,
    kCollection = 14,  // items (optional order integer, then a List of properties) until Null
    kSingle = 15,
    kCurrency = 16,  // 64-bit integer, value times 10000
    kDate = 17,      // 64-bit float
    kWString = 18,   // 32-bit count + UTF-16LE units
    kInt64 = 19,
    kUtf8String = 20,  // 32-bit length + UTF-8 bytes
    kDouble = 21,
};

// Highest type byte the format defines.
inline constexpr std::uint8_t kLastValueType = 21;

struct Value;
struct Property;

// One item of a collection value: an optional order integer and the item's properties.
struct ItemNode {
    ValueType order_type = ValueType::kNull;  // Null: no order given; else Int8/16/32
    std::int64_t order = 0;
    std::vector<Property> properties;
};

struct Value {
    ValueType type = ValueType::kNull;
    std::int64_t integer = 0;  // Int8..Int64; Currency as its scaled 64-bit integer
    // String, LString, Ident and UTF8String bytes; Binary data; the raw little-endian bytes of
    // Extended (10), Single (4), Double and Date (8).
    std::string bytes;
    std::u16string wide;                    // WString
    std::vector<std::string> set_elements;  // Set
    std::vector<Value> list;                // List
    std::vector<ItemNode> items;            // Collection

    // Constructors of values as a writer of this format produces them.
    static Value integer_value(std::int64_t v);  // the smallest of Int8/16/32, else Int64
    static Value boolean(bool v);
    static Value ident(std::string name);
    static Value string(std::string bytes);  // String, or LString beyond 255 bytes
    static Value wide_string(std::u16string text);
    static Value utf8_string(std::string utf8);
    static Value binary(std::string data);
    static Value set(std::vector<std::string> elements);
    static Value nil();
    static Value extended(long double v);
    static Value single(float v);
    static Value double_value(double v);
    static Value date(double v);
    static Value currency_scaled(std::int64_t scaled);

    bool is_integer() const;
    bool is_float() const;     // Extended, Single, Double, Date, Currency
    bool is_string() const;    // String, LString, WString, UTF8String
    long double real() const;  // numeric value of any integer or float type
};

struct Property {
    std::string name;  // dotted path for sub-properties ("Font.Height")
    Value value;
    std::size_t offset = 0;  // where the property began in its source, for error messages
};

// Filer flags of an object header (prefix byte 0xF0 | flags).
enum FilerFlag : std::uint8_t {
    kFilerInherited = 1,
    kFilerChildPos = 2,
    kFilerInline = 4,
};

struct ObjectNode {
    std::uint8_t flags = 0;
    ValueType position_type = ValueType::kNull;  // type of the child position when kFilerChildPos
    std::int64_t position = 0;
    std::string class_name;
    std::string name;
    std::vector<Property> properties;
    std::vector<ObjectNode> children;
    std::size_t offset = 0;  // where the object began in its source
};

// Exact conversions of the 80-bit extended float (10 little-endian bytes).
long double extended_from_bytes(std::string_view ten_bytes);
std::string extended_to_bytes(long double v);

// Reads a decimal float ("1.5", "-2E-7") in the C locale, which the program never changes.
// Underflow gives the nearest denormal or zero; returns false on overflow or bad syntax.
bool parse_decimal_float(std::string_view text, long double& out);

bool operator==(const ItemNode& a, const ItemNode& b);
bool operator==(const Value& a, const Value& b);
bool operator==(const Property& a, const Property& b);
bool operator==(const ObjectNode& a, const ObjectNode& b);

}  // namespace tolsy
