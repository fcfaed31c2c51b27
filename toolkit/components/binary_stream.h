#pragma once
// Reader and writer of the binary component stream: "TPF0", then one object: optional filer
// prefix, class name, object name (each 1 length byte + bytes), properties until a zero byte,
// children until a zero byte. A property is its name (1 length byte + bytes) and a value (a type
// byte and its data). All integers are little-endian.
//
//   ObjectNode tree = parse_binary_stream(bytes);        // throws StreamFormatError
//   std::vector<std::uint8_t> out = write_binary_stream(tree);
//
// BinaryStreamReader is the one reader of the format: the tree is built with it, and readers
// that apply what they read at once (component_stream.h) walk the stream with it directly.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/byte_io.h"
#include "toolkit/components/stream_errors.h"
#include "toolkit/components/stream_value.h"

namespace tolsy {

inline constexpr char kStreamSignature[] = "TPF0";

// What precedes an object's properties. The names are views into the stream.
struct ObjectHeader {
    std::size_t offset = 0;  // where the object begins
    std::uint8_t flags = 0;
    ValueType position_type = ValueType::kNull;
    std::int64_t position = 0;
    std::string_view class_name;
    std::string_view name;
};

// Counts learnt before parsing, to size vectors once: of each object's properties and children
// and of each list's values, in the order a parser meets them. Only a hint: 0 once used up.
struct SizeHints {
    std::vector<std::uint32_t> sizes;
    std::size_t next = 0;

    std::size_t take() { return next < sizes.size() ? sizes[next++] : 0; }
};

// Walks a stream field by field. Errors are StreamFormatError (StreamEndsEarlyError when the
// data ends before a field) naming offsets counted from base_offset, which places the stream in
// the data that holds it.
class BinaryStreamReader {
  public:
    explicit BinaryStreamReader(std::span<const std::uint8_t> bytes, std::size_t base_offset = 0)
        : in_(bytes, base_offset) {}

    std::size_t offset() const { return in_.offset(); }
    bool at_end() const { return in_.at_end(); }
    std::size_t remaining() const { return in_.remaining(); }

    // "TPF0".
    void signature();
    // The filer prefix, class name and object name of the object that starts here; depth is the
    // object's nesting, refused past a limit.
    ObjectHeader object_header(int depth);
    // At the zero byte that ends a list (of properties, children ...): reads it and says true.
    bool end_of(std::string_view what) {
        if (in_.peek(what) != 0) return false;
        in_.u8(what);
        return true;
    }
    // A property's name: a view into the stream.
    std::string_view property_name() { return in_.short_text("property name"); }
    // The value after a property's name, into v: its type and the part of v that type uses
    // (the other parts keep what they held, so that a value reused for many keeps its buffers).
    void value(Value& v, int depth);
    // Name and value, with the offset where the property begins.
    Property property(int depth);
    // Whether the value that follows is binary data, which binary_data() then reads in place.
    bool binary_follows() { return in_.peek("value type") == kBinaryType; }
    // Type byte, length and data of a binary value; data_offset is where the data begins.
    std::span<const std::uint8_t> binary_data(std::size_t& data_offset);
    // Each list read takes its count from `hints` to reserve its values (none: no reserving).
    void use_size_hints(SizeHints* hints) { hints_ = hints; }

    [[noreturn]] void fail(const std::string& what, std::size_t at) const {
        throw StreamFormatError(what, at);
    }

  private:
    static constexpr std::uint8_t kBinaryType = static_cast<std::uint8_t>(ValueType::kBinary);

    void enter(int depth) const;
    std::size_t length32(std::size_t unit, const char* what);
    void wide(std::u16string& out);
    void set(Value& v);
    void list(std::vector<Value>& out, int depth);
    void collection(std::vector<ItemNode>& out, int depth);

    BasicByteReader<StreamReadErrors> in_;
    SizeHints* hints_ = nullptr;
};

// Reads one complete stream; trailing bytes after the object are an error.
ObjectNode parse_binary_stream(std::span<const std::uint8_t> bytes);
// As above, but stops after the object and stores in *consumed how many bytes it took.
ObjectNode parse_binary_stream_prefix(std::span<const std::uint8_t> bytes, std::size_t* consumed);

std::vector<std::uint8_t> write_binary_stream(const ObjectNode& root);
// Appends the stream to out.
void append_binary_stream(const ObjectNode& root, std::vector<std::uint8_t>& out);

}  // namespace tolsy
