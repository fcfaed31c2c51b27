#include "toolkit/components/binary_stream.h"

#include <cstring>

#include "toolkit/components/stream_errors.h"

namespace tolsy {
namespace {

// Deep nesting is legal but never needed; the limit keeps bad input from exhausting the stack.
constexpr int kMaxNesting = 200;
constexpr std::uint8_t kPrefixMask = 0xF0;
constexpr std::uint8_t kKnownFlags = kFilerInherited | kFilerChildPos | kFilerInline;

class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t offset() const { return pos_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }

    [[noreturn]] void fail(const std::string& what) const { throw StreamFormatError(what, pos_); }
    [[noreturn]] void fail_at(const std::string& what, std::size_t at) const {
        throw StreamFormatError(what, at);
    }

    void need(std::size_t n, const char* what) const {
        if (n > remaining()) fail(std::string("Stream ends early: ") + what + " expected");
    }
    std::uint8_t peek(const char* what) const {
        need(1, what);
        return bytes_[pos_];
    }
    std::uint8_t byte(const char* what) {
        need(1, what);
        return bytes_[pos_++];
    }
    std::uint64_t little_endian(int width, const char* what) {
        need(static_cast<std::size_t>(width), what);
        std::uint64_t v = 0;
        for (int i = width - 1; i >= 0; --i) v = (v << 8) | bytes_[pos_ + i];
        pos_ += static_cast<std::size_t>(width);
        return v;
    }
    std::string take(std::size_t n, const char* what) {
        need(n, what);
        std::string out(reinterpret_cast<const char*>(bytes_.data() + pos_), n);
        pos_ += n;
        return out;
    }
    std::string short_string(const char* what) {
        const std::uint8_t n = byte(what);
        return take(n, what);
    }
    // A 32-bit signed length that must not be negative nor exceed what is left.
    std::size_t length32(std::size_t unit, const char* what) {
        const std::size_t at = pos_;
        const auto n = static_cast<std::int32_t>(little_endian(4, what));
        if (n < 0) fail_at(std::string("Negative length of ") + what, at);
        if (static_cast<std::size_t>(n) > remaining() / unit) {
            fail_at(std::string("Length of ") + what + " exceeds the stream", at);
        }
        return static_cast<std::size_t>(n);
    }

  private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

class BinaryParser {
  public:
    explicit BinaryParser(std::span<const std::uint8_t> bytes) : in_(bytes) {}

    ObjectNode parse(std::size_t* consumed) {
        const std::string signature = in_.take(4, "signature");
        if (signature != kStreamSignature)
            in_.fail_at("Invalid stream format: no TPF0 signature", 0);
        ObjectNode root = object(0);
        if (consumed) {
            *consumed = in_.offset();
        } else if (in_.remaining() != 0) {
            in_.fail("Unexpected bytes after the object");
        }
        return root;
    }

  private:
    void enter(int depth) const {
        if (depth > kMaxNesting) in_.fail("Nesting too deep");
    }

    ObjectNode object(int depth) {
        enter(depth);
        ObjectNode node;
        node.offset = in_.offset();
        if ((in_.peek("object header") & kPrefixMask) == kPrefixMask) {
            node.flags = in_.byte("object prefix") & ~kPrefixMask;
            if ((node.flags & ~kKnownFlags) != 0) in_.fail_at("Invalid filer flags", node.offset);
            if (node.flags & kFilerChildPos) {
                // As a collection item's order, the position is at most a 32-bit integer.
                Value pos = value(depth + 1);
                if (!pos.is_integer() || pos.type == ValueType::Int64)
                    in_.fail_at("Integer child position of 8, 16 or 32 bits expected", node.offset);
                node.position_type = pos.type;
                node.position = pos.integer;
            }
        }
        node.class_name = in_.short_string("class name");
        if (node.class_name.empty()) in_.fail_at("Class name expected", node.offset);
        node.name = in_.short_string("object name");
        while (in_.peek("property or end of properties") != 0) {
            node.properties.push_back(property(depth));
        }
        in_.byte("end of properties");
        while (in_.peek("child object or end of children") != 0) {
            node.children.push_back(object(depth + 1));
        }
        in_.byte("end of children");
        return node;
    }

    Property property(int depth) {
        Property p;
        p.offset = in_.offset();
        p.name = in_.short_string("property name");
        p.value = value(depth + 1);
        return p;
    }

    Value value(int depth) {
        enter(depth);
        const std::size_t at = in_.offset();
        const std::uint8_t t = in_.byte("value type");
        if (t > kLastValueType) in_.fail_at("Invalid value type " + std::to_string(t), at);
        Value v;
        v.type = static_cast<ValueType>(t);
        switch (v.type) {
            case ValueType::Null:
            case ValueType::False:
            case ValueType::True:
            case ValueType::Nil:
                break;
            case ValueType::Int8:
                v.integer = static_cast<std::int8_t>(in_.little_endian(1, "int8"));
                break;
            case ValueType::Int16:
                v.integer = static_cast<std::int16_t>(in_.little_endian(2, "int16"));
                break;
            case ValueType::Int32:
                v.integer = static_cast<std::int32_t>(in_.little_endian(4, "int32"));
                break;
            case ValueType::Int64:
            case ValueType::Currency:
                v.integer = static_cast<std::int64_t>(in_.little_endian(8, "int64"));
                break;
            case ValueType::Extended:
                v.bytes = in_.take(10, "extended float");
                break;
            case ValueType::Single:
                v.bytes = in_.take(4, "single float");
                break;
            case ValueType::Double:
            case ValueType::Date:
                v.bytes = in_.take(8, "double float");
                break;
            case ValueType::String:
            case ValueType::Ident:
                v.bytes = in_.short_string("string");
                break;
            case ValueType::LString:
            case ValueType::UTF8String:
            case ValueType::Binary:
                v.bytes = in_.take(in_.length32(1, "string or binary"), "data");
                break;
            case ValueType::WString:
                v.wide = wide();
                break;
            case ValueType::Set:
                v.set_elements = set();
                break;
            case ValueType::List:
                v.list = list(depth);
                break;
            case ValueType::Collection:
                v.items = collection(depth);
                break;
        }
        return v;
    }

    std::u16string wide() {
        const std::size_t n = in_.length32(2, "wide string");
        std::u16string out(n, u'\0');
        for (std::size_t i = 0; i < n; ++i)
            out[i] = static_cast<char16_t>(in_.little_endian(2, "wide character"));
        return out;
    }

    std::vector<std::string> set() {
        std::vector<std::string> out;
        for (;;) {
            std::string element = in_.short_string("set element");
            if (element.empty()) return out;
            out.push_back(std::move(element));
        }
    }

    std::vector<Value> list(int depth) {
        std::vector<Value> out;
        while (in_.peek("list value or end of list") != 0) out.push_back(value(depth + 1));
        in_.byte("end of list");
        return out;
    }

    std::vector<ItemNode> collection(int depth) {
        std::vector<ItemNode> out;
        while (in_.peek("collection item or end of collection") != 0) {
            ItemNode item;
            const std::size_t at = in_.offset();
            const auto t = static_cast<ValueType>(in_.peek("collection item"));
            if (t == ValueType::Int8 || t == ValueType::Int16 || t == ValueType::Int32) {
                Value order = value(depth + 1);
                item.order_type = order.type;
                item.order = order.integer;
            }
            if (in_.byte("collection item") != static_cast<std::uint8_t>(ValueType::List)) {
                in_.fail_at("Collection item expected", at);
            }
            while (in_.peek("property or end of item") != 0)
                item.properties.push_back(property(depth + 1));
            in_.byte("end of item");
            out.push_back(std::move(item));
        }
        in_.byte("end of collection");
        return out;
    }

    ByteReader in_;
};

class BinaryWriter {
  public:
    explicit BinaryWriter(std::vector<std::uint8_t>& out) : out_(out) {}

    void object(const ObjectNode& node) {
        if (node.flags != 0) {
            if ((node.flags & ~kKnownFlags) != 0) throw StreamWriteError("Invalid filer flags");
            byte(kPrefixMask | node.flags);
            if (node.flags & kFilerChildPos) {
                Value pos;
                pos.type = node.position_type == ValueType::Null
                               ? Value::integer_value(node.position).type
                               : node.position_type;
                pos.integer = node.position;
                if (pos.type != ValueType::Int8 && pos.type != ValueType::Int16 &&
                    pos.type != ValueType::Int32) {
                    throw StreamWriteError("Child position must be an 8, 16 or 32-bit integer");
                }
                value(pos);
            }
        }
        // Without a prefix, a class name of 240 or more bytes would read back as one.
        if (node.class_name.empty() || (node.flags == 0 && node.class_name.size() >= kPrefixMask)) {
            throw StreamWriteError("Invalid class name length: " +
                                   std::to_string(node.class_name.size()));
        }
        short_string(node.class_name, "class name");
        short_string(node.name, "object name");
        for (const Property& p : node.properties) property(p);
        byte(0);
        for (const ObjectNode& child : node.children) object(child);
        byte(0);
    }

  private:
    void byte(std::uint8_t b) { out_.push_back(b); }
    void little_endian(std::uint64_t v, int width) {
        for (int i = 0; i < width; ++i) byte(static_cast<std::uint8_t>(v >> (8 * i)));
    }
    void raw(const std::string& s) { out_.insert(out_.end(), s.begin(), s.end()); }
    void short_string(const std::string& s, const char* what) {
        if (s.size() > 255)
            throw StreamWriteError(std::string(what) +
                                   " longer than 255 bytes: " + s.substr(0, 40));
        byte(static_cast<std::uint8_t>(s.size()));
        raw(s);
    }
    void length32(std::size_t n) {
        if (n > INT32_MAX) throw StreamWriteError("Value longer than 2 GiB");
        little_endian(n, 4);
    }
    void fixed(const std::string& s, std::size_t width) {
        if (s.size() != width) throw StreamWriteError("Float value of wrong size");
        raw(s);
    }
    void property(const Property& p) {
        if (p.name.empty()) throw StreamWriteError("Empty property name");
        short_string(p.name, "property name");
        value(p.value);
    }

    void value(const Value& v) {
        byte(static_cast<std::uint8_t>(v.type));
        switch (v.type) {
            case ValueType::Null:
            case ValueType::False:
            case ValueType::True:
            case ValueType::Nil:
                break;
            case ValueType::Int8:
                checked_integer(v.integer, INT8_MIN, INT8_MAX, 1);
                break;
            case ValueType::Int16:
                checked_integer(v.integer, INT16_MIN, INT16_MAX, 2);
                break;
            case ValueType::Int32:
                checked_integer(v.integer, INT32_MIN, INT32_MAX, 4);
                break;
            case ValueType::Int64:
            case ValueType::Currency:
                little_endian(static_cast<std::uint64_t>(v.integer), 8);
                break;
            case ValueType::Extended:
                fixed(v.bytes, 10);
                break;
            case ValueType::Single:
                fixed(v.bytes, 4);
                break;
            case ValueType::Double:
            case ValueType::Date:
                fixed(v.bytes, 8);
                break;
            case ValueType::String:
            case ValueType::Ident:
                short_string(v.bytes, "string");
                break;
            case ValueType::LString:
            case ValueType::UTF8String:
            case ValueType::Binary:
                length32(v.bytes.size());
                raw(v.bytes);
                break;
            case ValueType::WString:
                length32(v.wide.size());
                for (char16_t c : v.wide) little_endian(c, 2);
                break;
            case ValueType::Set:
                for (const std::string& e : v.set_elements) {
                    if (e.empty()) throw StreamWriteError("Empty set element");
                    short_string(e, "set element");
                }
                byte(0);
                break;
            case ValueType::List:
                for (const Value& item : v.list) {
                    // A Null byte would end the list early.
                    if (item.type == ValueType::Null) throw StreamWriteError("Null inside a list");
                    value(item);
                }
                byte(0);
                break;
            case ValueType::Collection:
                collection(v.items);
                break;
        }
    }

    void checked_integer(std::int64_t v, std::int64_t lo, std::int64_t hi, int width) {
        if (v < lo || v > hi)
            throw StreamWriteError("Integer " + std::to_string(v) + " does not fit its type");
        little_endian(static_cast<std::uint64_t>(v), width);
    }

    void collection(const std::vector<ItemNode>& items) {
        for (const ItemNode& item : items) {
            if (item.order_type != ValueType::Null) {
                if (item.order_type != ValueType::Int8 && item.order_type != ValueType::Int16 &&
                    item.order_type != ValueType::Int32) {
                    throw StreamWriteError("Collection order must be an 8, 16 or 32-bit integer");
                }
                Value order;
                order.type = item.order_type;
                order.integer = item.order;
                value(order);
            }
            byte(static_cast<std::uint8_t>(ValueType::List));
            for (const Property& p : item.properties) property(p);
            byte(0);
        }
        byte(0);
    }

    std::vector<std::uint8_t>& out_;
};

}  // namespace

ObjectNode parse_binary_stream(std::span<const std::uint8_t> bytes) {
    return BinaryParser(bytes).parse(nullptr);
}

ObjectNode parse_binary_stream_prefix(std::span<const std::uint8_t> bytes, std::size_t* consumed) {
    std::size_t dummy = 0;
    return BinaryParser(bytes).parse(consumed ? consumed : &dummy);
}

std::vector<std::uint8_t> write_binary_stream(const ObjectNode& root) {
    std::vector<std::uint8_t> out;
    append_binary_stream(root, out);
    return out;
}

void append_binary_stream(const ObjectNode& root, std::vector<std::uint8_t>& out) {
    out.insert(out.end(), kStreamSignature, kStreamSignature + 4);
    BinaryWriter(out).object(root);
}

}  // namespace tolsy
