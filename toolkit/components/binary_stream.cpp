#include "toolkit/components/binary_stream.h"

#include <utility>

namespace tolsy {
namespace {

// Deep nesting is legal but never needed; the limit keeps bad input from exhausting the stack.
constexpr int kMaxNesting = 200;
constexpr std::uint8_t kPrefixMask = 0xF0;
constexpr std::uint8_t kKnownFlags = kFilerInherited | kFilerChildPos | kFilerInline;

std::string_view as_text(std::span<const std::uint8_t> bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

void BinaryStreamReader::enter(int depth) const {
    if (depth > kMaxNesting) fail("Nesting too deep", offset());
}

void BinaryStreamReader::signature() {
    const std::size_t at = offset();
    if (as_text(in_.bytes(4, "signature")) != kStreamSignature)
        fail("Invalid stream format: no TPF0 signature", at);
}

ObjectHeader BinaryStreamReader::object_header(int depth) {
    enter(depth);
    ObjectHeader header;
    header.offset = offset();
    if ((in_.peek("object header") & kPrefixMask) == kPrefixMask) {
        header.flags = in_.u8("object prefix") & ~kPrefixMask;
        if ((header.flags & ~kKnownFlags) != 0) fail("Invalid filer flags", header.offset);
        if (header.flags & kFilerChildPos) {
            // As a collection item's order, the position is at most a 32-bit integer.
            Value pos;
            value(pos, depth + 1);
            if (!pos.is_integer() || pos.type == ValueType::kInt64)
                fail("Integer child position of 8, 16 or 32 bits expected", header.offset);
            header.position_type = pos.type;
            header.position = pos.integer;
        }
    }
    header.class_name = in_.short_text("class name");
    if (header.class_name.empty()) fail("Class name expected", header.offset);
    header.name = in_.short_text("object name");
    return header;
}

Property BinaryStreamReader::property(int depth) {
    Property p;
    p.offset = offset();
    p.name = property_name();
    value(p.value, depth + 1);
    return p;
}

// A 32-bit signed length that must not be negative nor exceed what is left.
std::size_t BinaryStreamReader::length32(std::size_t unit, const char* what) {
    const std::size_t at = offset();
    const std::int32_t n = in_.i32(what);
    if (n < 0) fail(std::string("Negative length of ") + what, at);
    if (static_cast<std::size_t>(n) > in_.remaining() / unit)
        fail(std::string("Length of ") + what + " exceeds the stream", at);
    return static_cast<std::size_t>(n);
}

std::span<const std::uint8_t> BinaryStreamReader::binary_data(std::size_t& data_offset) {
    in_.u8("value type");
    const std::size_t length = length32(1, "string or binary");
    data_offset = offset();
    return in_.bytes(length, "data");
}

void BinaryStreamReader::value(Value& v, int depth) {
    enter(depth);
    const std::size_t at = offset();
    const std::uint8_t t = in_.u8("value type");
    if (t > kLastValueType) fail("Invalid value type " + std::to_string(t), at);
    v.type = static_cast<ValueType>(t);
    v.integer = 0;
    switch (v.type) {
        case ValueType::kNull:
        case ValueType::kFalse:
        case ValueType::kTrue:
        case ValueType::kNil:
            break;
        case ValueType::kInt8:
            v.integer = static_cast<std::int8_t>(in_.u8("int8"));
            break;
        case ValueType::kInt16:
            v.integer = in_.i16("int16");
            break;
        case ValueType::kInt32:
            v.integer = in_.i32("int32");
            break;
        case ValueType::kInt64:
        case ValueType::kCurrency:
            v.integer = in_.i64("int64");
            break;
        case ValueType::kExtended:
            v.bytes.assign(as_text(in_.bytes(10, "extended float")));
            break;
        case ValueType::kSingle:
            v.bytes.assign(as_text(in_.bytes(4, "single float")));
            break;
        case ValueType::kDouble:
        case ValueType::kDate:
            v.bytes.assign(as_text(in_.bytes(8, "double float")));
            break;
        case ValueType::kString:
        case ValueType::kIdent:
            v.bytes.assign(in_.short_text("string"));
            break;
        case ValueType::kLString:
        case ValueType::kUtf8String:
        case ValueType::kBinary:
            v.bytes.assign(as_text(in_.bytes(length32(1, "string or binary"), "data")));
            break;
        case ValueType::kWString:
            wide(v.wide());
            break;
        case ValueType::kSet:
            set(v);
            break;
        case ValueType::kList:
            v.list().clear();
            list(v.list(), depth);
            break;
        case ValueType::kCollection:
            v.items().clear();
            collection(v.items(), depth);
            break;
    }
}

void BinaryStreamReader::wide(std::u16string& out) {
    out.resize(length32(2, "wide string"));
    for (char16_t& c : out) c = static_cast<char16_t>(in_.u16("wide character"));
}

// An empty set, the usual one, leaves a value without its block of aggregates as it is.
void BinaryStreamReader::set(Value& v) {
    std::string_view element = in_.short_text("set element");
    if (element.empty() && std::as_const(v).set_elements().empty()) return;
    std::vector<std::string>& out = v.set_elements();
    out.clear();
    for (; !element.empty(); element = in_.short_text("set element")) out.emplace_back(element);
}

void BinaryStreamReader::list(std::vector<Value>& out, int depth) {
    if (hints_) out.reserve(hints_->take());
    while (!end_of("list value or end of list")) value(out.emplace_back(), depth + 1);
}

void BinaryStreamReader::collection(std::vector<ItemNode>& out, int depth) {
    while (!end_of("collection item or end of collection")) {
        ItemNode& item = out.emplace_back();
        const std::size_t at = offset();
        const auto t = static_cast<ValueType>(in_.peek("collection item"));
        if (t == ValueType::kInt8 || t == ValueType::kInt16 || t == ValueType::kInt32) {
            Value order;
            value(order, depth + 1);
            item.order_type = order.type;
            item.order = order.integer;
        }
        if (in_.u8("collection item") != static_cast<std::uint8_t>(ValueType::kList))
            fail("Collection item expected", at);
        while (!end_of("property or end of item")) item.properties.push_back(property(depth + 1));
    }
}

namespace {

// How many properties and children each object of a stream holds and how many values each list,
// in the order a parser meets them, learnt by a walk that allocates nothing but its result, so
// that the tree's vectors are sized once and no property, child or value is moved as they grow.
// Only a hint: on anything out of the ordinary the walk gives up and the parser, which reports
// every fault, goes without.
class SizeScan {
  public:
    // In pre-order: two counts per object, its properties then its children, and one per list,
    // where its property comes.
    static std::vector<std::uint32_t> sizes(std::span<const std::uint8_t> bytes) {
        SizeScan scan(bytes);
        std::vector<std::uint32_t> out;
        // A count for every 64 bytes is more than descriptions hold (some 20 in the main
        // window's); a stream denser than that grows it.
        out.reserve(bytes.size() / 64 + 8);
        if (!scan.skip(4) || !scan.object(0, out)) out.clear();
        return out;
    }

  private:
    explicit SizeScan(std::span<const std::uint8_t> bytes)
        : p_(bytes.data()), end_(bytes.data() + bytes.size()) {}

    bool skip(std::size_t n) {
        if (static_cast<std::size_t>(end_ - p_) < n) return false;
        p_ += n;
        return true;
    }
    bool byte(std::uint8_t& b) {
        if (p_ == end_) return false;
        b = *p_++;
        return true;
    }
    bool short_text() {
        std::uint8_t n = 0;
        return byte(n) && skip(n);
    }
    bool length32(std::size_t unit) {
        if (end_ - p_ < 4) return false;
        const std::uint32_t n = std::uint32_t{p_[0]} | (std::uint32_t{p_[1]} << 8) |
                                (std::uint32_t{p_[2]} << 16) | (std::uint32_t{p_[3]} << 24);
        p_ += 4;
        return n <= INT32_MAX && n <= static_cast<std::size_t>(end_ - p_) / unit && skip(n * unit);
    }
    // At a list's end byte: reads it and says true.
    bool at_end_of_list(bool& ok) {
        if (p_ == end_) return ok = false;
        if (*p_ != 0) return false;
        ++p_;
        return true;
    }

    bool value(int depth, std::vector<std::uint32_t>& out) {
        std::uint8_t t = 0;
        if (depth > kMaxNesting || !byte(t)) return false;
        bool ok = true;
        switch (static_cast<ValueType>(t)) {
            case ValueType::kNull:
            case ValueType::kFalse:
            case ValueType::kTrue:
            case ValueType::kNil:
                return true;
            case ValueType::kInt8:
                return skip(1);
            case ValueType::kInt16:
                return skip(2);
            case ValueType::kInt32:
            case ValueType::kSingle:
                return skip(4);
            case ValueType::kInt64:
            case ValueType::kCurrency:
            case ValueType::kDouble:
            case ValueType::kDate:
                return skip(8);
            case ValueType::kExtended:
                return skip(10);
            case ValueType::kString:
            case ValueType::kIdent:
                return short_text();
            case ValueType::kLString:
            case ValueType::kUtf8String:
            case ValueType::kBinary:
                return length32(1);
            case ValueType::kWString:
                return length32(2);
            case ValueType::kSet:
                for (std::uint8_t n = 1; n != 0;)
                    if (!byte(n) || !skip(n)) return false;
                return true;
            case ValueType::kList: {
                const std::size_t slot = out.size();
                out.push_back(0);
                std::uint32_t count = 0;
                for (; !at_end_of_list(ok); ++count)
                    if (!ok || !value(depth + 1, out)) return false;
                out[slot] = count;
                return ok;
            }
            case ValueType::kCollection:
                while (!at_end_of_list(ok)) {
                    if (!ok) return false;
                    if (*p_ == 2 || *p_ == 3 || *p_ == 4) {
                        if (!value(depth + 1, out)) return false;
                    }
                    std::uint8_t list = 0;
                    if (!byte(list) || list != static_cast<std::uint8_t>(ValueType::kList))
                        return false;
                    while (!at_end_of_list(ok))
                        if (!ok || !short_text() || !value(depth + 2, out)) return false;
                    if (!ok) return false;
                }
                return ok;
        }
        return false;
    }

    bool object(int depth, std::vector<std::uint32_t>& out) {
        if (depth > kMaxNesting || p_ == end_) return false;
        if ((*p_ & kPrefixMask) == kPrefixMask) {
            const std::uint8_t flags = *p_++ & ~kPrefixMask;
            if ((flags & kFilerChildPos) && !value(depth + 1, out)) return false;
        }
        if (!short_text() || !short_text()) return false;
        const std::size_t slot = out.size();
        out.resize(slot + 2);
        bool ok = true;
        std::uint32_t count = 0;
        for (; !at_end_of_list(ok); ++count)
            if (!ok || !short_text() || !value(depth + 1, out)) return false;
        if (!ok) return false;
        out[slot] = count;
        for (count = 0; !at_end_of_list(ok); ++count)
            if (!ok || !object(depth + 1, out)) return false;
        if (!ok) return false;
        out[slot + 1] = count;
        return true;
    }

    const std::uint8_t* p_;
    const std::uint8_t* end_;
};

class BinaryParser {
  public:
    explicit BinaryParser(std::span<const std::uint8_t> bytes)
        : in_(bytes), hints_{SizeScan::sizes(bytes)} {
        in_.use_size_hints(&hints_);
    }

    ObjectNode parse(std::size_t* consumed) {
        in_.signature();
        ObjectNode root;
        object(root, 0);
        if (consumed) {
            *consumed = in_.offset();
        } else if (!in_.at_end()) {
            in_.fail("Unexpected bytes after the object", in_.offset());
        }
        return root;
    }

  private:
    // Fills node in place: properties and children are built where they stay.
    void object(ObjectNode& node, int depth) {
        const ObjectHeader header = in_.object_header(depth);
        node.offset = header.offset;
        node.flags = header.flags;
        node.position_type = header.position_type;
        node.position = header.position;
        node.class_name = header.class_name;
        node.name = header.name;
        node.properties.reserve(hints_.take());
        const std::size_t children_slot = hints_.next++;
        while (!in_.end_of("property or end of properties")) {
            Property& p = node.properties.emplace_back();
            p.offset = in_.offset();
            p.name = in_.property_name();
            in_.value(p.value, depth + 1);
        }
        if (children_slot < hints_.sizes.size()) node.children.reserve(hints_.sizes[children_slot]);
        while (!in_.end_of("child object or end of children"))
            object(node.children.emplace_back(), depth + 1);
    }

    BinaryStreamReader in_;
    SizeHints hints_;
};

class BinaryWriter {
  public:
    explicit BinaryWriter(ByteWriter& out) : out_(out) {}

    void object(const ObjectNode& node) {
        if (node.flags != 0) {
            if ((node.flags & ~kKnownFlags) != 0) throw StreamWriteError("Invalid filer flags");
            byte(kPrefixMask | node.flags);
            if (node.flags & kFilerChildPos) {
                Value pos;
                pos.type = node.position_type == ValueType::kNull
                               ? Value::integer_value(node.position).type
                               : node.position_type;
                pos.integer = node.position;
                if (pos.type != ValueType::kInt8 && pos.type != ValueType::kInt16 &&
                    pos.type != ValueType::kInt32) {
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
    void byte(std::uint8_t b) { out_.u8(b); }
    void raw(const std::string& s) { out_.text(s); }
    void short_string(const std::string& s, const char* what) {
        if (s.size() > 255)
            throw StreamWriteError(std::string(what) +
                                   " longer than 255 bytes: " + s.substr(0, 40));
        out_.sstr(s);
    }
    void length32(std::size_t n) {
        if (n > INT32_MAX) throw StreamWriteError("Value longer than 2 GiB");
        out_.u32(static_cast<std::uint32_t>(n));
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
            case ValueType::kNull:
            case ValueType::kFalse:
            case ValueType::kTrue:
            case ValueType::kNil:
                break;
            case ValueType::kInt8:
                checked_integer(v.integer, INT8_MIN, INT8_MAX, 1);
                break;
            case ValueType::kInt16:
                checked_integer(v.integer, INT16_MIN, INT16_MAX, 2);
                break;
            case ValueType::kInt32:
                checked_integer(v.integer, INT32_MIN, INT32_MAX, 4);
                break;
            case ValueType::kInt64:
            case ValueType::kCurrency:
                out_.i64(v.integer);
                break;
            case ValueType::kExtended:
                fixed(v.bytes, 10);
                break;
            case ValueType::kSingle:
                fixed(v.bytes, 4);
                break;
            case ValueType::kDouble:
            case ValueType::kDate:
                fixed(v.bytes, 8);
                break;
            case ValueType::kString:
            case ValueType::kIdent:
                short_string(v.bytes, "string");
                break;
            case ValueType::kLString:
            case ValueType::kUtf8String:
            case ValueType::kBinary:
                length32(v.bytes.size());
                raw(v.bytes);
                break;
            case ValueType::kWString:
                length32(v.wide().size());
                for (char16_t c : v.wide()) out_.u16(c);
                break;
            case ValueType::kSet:
                for (const std::string& e : v.set_elements()) {
                    if (e.empty()) throw StreamWriteError("Empty set element");
                    short_string(e, "set element");
                }
                byte(0);
                break;
            case ValueType::kList:
                for (const Value& item : v.list()) {
                    // A Null byte would end the list early.
                    if (item.type == ValueType::kNull) throw StreamWriteError("Null inside a list");
                    value(item);
                }
                byte(0);
                break;
            case ValueType::kCollection:
                collection(v.items());
                break;
        }
    }

    void checked_integer(std::int64_t v, std::int64_t lo, std::int64_t hi, int width) {
        if (v < lo || v > hi)
            throw StreamWriteError("Integer " + std::to_string(v) + " does not fit its type");
        switch (width) {
            case 1:
                out_.u8(static_cast<std::uint8_t>(v));
                break;
            case 2:
                out_.u16(static_cast<std::uint16_t>(v));
                break;
            default:
                out_.i32(static_cast<std::int32_t>(v));
                break;
        }
    }

    void collection(const std::vector<ItemNode>& items) {
        for (const ItemNode& item : items) {
            if (item.order_type != ValueType::kNull) {
                if (item.order_type != ValueType::kInt8 && item.order_type != ValueType::kInt16 &&
                    item.order_type != ValueType::kInt32) {
                    throw StreamWriteError("Collection order must be an 8, 16 or 32-bit integer");
                }
                Value order;
                order.type = item.order_type;
                order.integer = item.order;
                value(order);
            }
            byte(static_cast<std::uint8_t>(ValueType::kList));
            for (const Property& p : item.properties) property(p);
            byte(0);
        }
        byte(0);
    }

    ByteWriter& out_;
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
    ByteWriter out;
    out.text(kStreamSignature);
    BinaryWriter(out).object(root);
    return out.take();
}

void append_binary_stream(const ObjectNode& root, std::vector<std::uint8_t>& out) {
    const std::vector<std::uint8_t> stream = write_binary_stream(root);
    out.insert(out.end(), stream.begin(), stream.end());
}

}  // namespace tolsy
