#pragma once
// The decoded form of a component stream: a tree of objects, each with its properties (name and
// typed value) and child objects. The binary reader/writer and the text reader/writer convert
// between this tree and bytes; component reading and writing go through it as well.
//
// Every value keeps the exact wire type it was read with (an integer read as 32-bit stays 32-bit,
// a float keeps its raw bytes), so reading and writing a binary stream round-trips byte for byte.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
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

// A value as read, of any type. Most values are integers, identifiers, strings or floats, held
// in `integer` and `bytes`, or single wide characters, which fit inside `wide`; the rarer kinds
// (sets that are not empty, lists, collections) live in a block of their own made the first time
// one of them is written to, which keeps a value at 88 bytes instead of 152 and spares most
// values an allocation. Reading an aggregate of a value without the block gives an empty one, so
// a value with no block equals one whose aggregates are all empty.
struct Value {
    ValueType type = ValueType::kNull;
    std::int64_t integer = 0;  // Int8..Int64; Currency as its scaled 64-bit integer
    // String, LString, Ident and UTF8String bytes; Binary data; the raw little-endian bytes of
    // Extended (10), Single (4), Double and Date (8).
    std::string bytes;

    // Provided, not defaulted: a value made in place in a vector (`emplace_back()`) is then built
    // from the member initialisers alone instead of being zero-filled first.
    Value() noexcept {}
    Value(const Value& other);
    Value(Value&& other) noexcept = default;
    Value& operator=(const Value& other);
    Value& operator=(Value&& other) noexcept;
    ~Value();

    const std::u16string& wide() const;                    // WString
    std::u16string& wide();                                //
    const std::vector<std::string>& set_elements() const;  // Set
    std::vector<std::string>& set_elements();              //
    const std::vector<Value>& list() const;                // List
    std::vector<Value>& list();                            //
    const std::vector<ItemNode>& items() const;            // Collection
    std::vector<ItemNode>& items();                        //

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

  private:
    struct Aggregates;
    Aggregates& aggregates();
    static const Aggregates& no_aggregates();  // what a value without a block reads

    std::u16string wide_;
    std::unique_ptr<Aggregates> aggregates_;
};

struct Property {
    std::string name;  // dotted path for sub-properties ("Font.Height")
    Value value;
    std::size_t offset = 0;  // where the property began in its source, for error messages

    Property() noexcept {}  // not zero-filled first when made in place, as Value
    Property(std::string name, Value value, std::size_t offset = 0)
        : name(std::move(name)), value(std::move(value)), offset(offset) {}
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

    ObjectNode() noexcept {}  // not zero-filled first when made in place, as Value
};

struct Value::Aggregates {
    std::vector<std::string> set_elements;
    std::vector<Value> list;
    std::vector<ItemNode> items;
};

inline Value::~Value() = default;

inline Value& Value::operator=(Value&& other) noexcept = default;

inline Value::Aggregates& Value::aggregates() {
    if (!aggregates_) aggregates_ = std::make_unique<Aggregates>();
    return *aggregates_;
}

inline const std::u16string& Value::wide() const {
    return wide_;
}
inline std::u16string& Value::wide() {
    return wide_;
}
inline const std::vector<std::string>& Value::set_elements() const {
    return (aggregates_ ? *aggregates_ : no_aggregates()).set_elements;
}
inline std::vector<std::string>& Value::set_elements() {
    return aggregates().set_elements;
}
inline const std::vector<Value>& Value::list() const {
    return (aggregates_ ? *aggregates_ : no_aggregates()).list;
}
inline std::vector<Value>& Value::list() {
    return aggregates().list;
}
inline const std::vector<ItemNode>& Value::items() const {
    return (aggregates_ ? *aggregates_ : no_aggregates()).items;
}
inline std::vector<ItemNode>& Value::items() {
    return aggregates().items;
}

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
