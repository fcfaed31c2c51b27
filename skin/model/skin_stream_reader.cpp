#include "skin/model/skin_stream_reader.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>

#include "skin/bytes/skin_bytes.h"
#include "skin/bytes/skin_error.h"
#include "skin/model/skin_object.h"
#include "skin/model/skin_object_io.h"
#include "toolkit/components/stream_errors.h"
#include "toolkit/components/stream_value.h"

namespace tolsy {
namespace {

constexpr std::string_view kSignature = "TPF0";
constexpr std::uint8_t kPrefixMask = 0xF0;
constexpr std::uint8_t kChildPosFlag = 2;
constexpr std::string_view kObjectsProperty = "Objects";

// Property names are short; an inline loop beats a library call per comparison.
bool same_bytes(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return false;
    return true;
}

std::size_t find_dot(std::string_view name) {
    for (std::size_t i = 0; i < name.size(); ++i)
        if (name[i] == '.') return i;
    return std::string_view::npos;
}

std::string without_offset(const std::string& message) {
    const std::size_t at = message.rfind(" at offset ");
    return at == std::string::npos ? message : message.substr(0, at);
}

// Streams list properties in declaration order, so the property wanted is nearly always the
// last one found (again, as in "Font.Color" after "Font.Charset") or one after it.
class PropertyFinder {
  public:
    const PropertyInfo* find(const ClassInfo& info, std::string_view name) {
        std::size_t& cursor = cursor_for(info);
        const auto props = info.properties();
        // Forward from the last one found (properties left at their defaults are skipped),
        // then the ones before it, then ignoring case.
        for (std::size_t i = cursor; i < props.size(); ++i)
            if (same_bytes(props[i].name, name)) return &props[cursor = i];
        for (std::size_t i = 0; i < cursor && i < props.size(); ++i)
            if (same_bytes(props[i].name, name)) return &props[cursor = i];
        for (std::size_t i = 0; i < props.size(); ++i)
            if (same_text(props[i].name, name)) return &props[cursor = i];
        return nullptr;
    }

  private:
    std::size_t& cursor_for(const ClassInfo& info) {
        for (auto& slot : slots_)
            if (slot.first == &info) return slot.second;
        // Few classes meet in one stream (the object's, the font's, the link's); reuse the
        // oldest slot when a fifth comes.
        auto& slot = slots_[next_++ % slots_.size()];
        slot = {&info, 0};
        return slot.second;
    }

    std::array<std::pair<const ClassInfo*, std::size_t>, 4> slots_{};
    std::size_t next_ = 0;
};

class StreamReader {
  public:
    StreamReader(std::span<const std::uint8_t> stream, StreamPlace place)
        : in_(stream, place.exact ? place.base : 0), place_(place) {}

    void read(TSeSkinObject& object) {
        object_class_ = &object.class_info();
        const auto signature = in_.bytes(kSignature.size(), "component stream signature");
        if (std::memcmp(signature.data(), kSignature.data(), kSignature.size()) != 0)
            fail("no TPF0 signature", in_.offset() - kSignature.size());
        header(object);
        ctx_.root = &object;
        ctx_.component = &object;
        while (peek("property or end of properties") != 0) property(object);
        in_.u8("end of properties");
        if (in_.u8("end of child objects") != 0)
            fail("the component stream of " + object.name() + " holds child objects",
                 in_.offset() - 1);
        if (!in_.at_end())
            fail(std::to_string(in_.remaining()) + " bytes after the object", in_.offset());
    }

  private:
    [[noreturn]] void fail(const std::string& what, std::size_t at) const {
        if (place_.exact) throw ESkinFormatError(what, at);
        throw ESkinFormatError(what + " (in the object's text)", place_.base);
    }

    std::uint8_t peek(std::string_view what) {
        in_.require(1, what);
        return in_.data()[in_.position()];
    }

    void header(TSeSkinObject& object) {
        const std::size_t at = in_.offset();
        if ((peek("object header") & kPrefixMask) == kPrefixMask) {
            const std::uint8_t flags = in_.u8("object prefix") & ~kPrefixMask;
            if (flags & kChildPosFlag) {
                value();
                if (!value_.is_integer()) fail("integer child position expected", at);
            }
        }
        // The record's class name decides the class; the stream's own is only checked present.
        if (in_.sstr("class name").empty()) fail("class name expected", at);
        try {
            object.set_name(in_.sstr("object name"));
        } catch (const StreamError& e) {
            fail(e.what(), at);
        }
    }

    std::string_view short_name(std::string_view what) {
        const std::uint8_t length = in_.u8(what);
        const auto text = in_.bytes(length, what);
        return {reinterpret_cast<const char*>(text.data()), text.size()};
    }

    void property(TSeSkinObject& object) {
        const std::size_t at = in_.offset();
        const std::string_view name = short_name("property name");
        if (name.size() == kObjectsProperty.size() && same_text(name, kObjectsProperty)) {
            children(object, at);
            return;
        }
        value();
        Persistent* target = &object;
        const ClassInfo* target_class = object_class_;
        std::string_view rest = name;
        for (;;) {
            const std::size_t dot = find_dot(rest);
            const PropertyInfo* info = finder_.find(*target_class, rest.substr(0, dot));
            if (info == nullptr ||
                (dot != std::string_view::npos && info->kind != PropertyKind::Object))
                fail("property " + std::string(name) + " does not exist in " +
                         object.class_info().name(),
                     at);
            if (dot == std::string_view::npos) {
                apply(*info, *target, name, at);
                return;
            }
            target = info->nested(*target);
            target_class =
                info->target_class != nullptr ? info->target_class : &target->class_info();
            rest = rest.substr(dot + 1);
        }
    }

    void apply(const PropertyInfo& info, Persistent& target, std::string_view name,
               std::size_t at) {
        // Messages are made here, with the property's name and place; the context needs neither.
        try {
            info.read(target, value_, ctx_);
        } catch (const StreamError& e) {
            fail(std::string(name) + ": " + without_offset(e.what()), at);
        }
    }

    // The children travel as binary data; they are read where they lie.
    void children(TSeSkinObject& object, std::size_t at) {
        if (in_.u8("value type") != static_cast<std::uint8_t>(ValueType::Binary))
            fail("Objects of " + object.name() + " is not binary data", at);
        const std::size_t length_at = in_.offset();
        const std::int32_t length = in_.i32("length of Objects");
        if (length < 0) fail("length of Objects is negative", length_at);
        const std::size_t data_at = in_.offset();
        const auto data = in_.bytes(static_cast<std::size_t>(length), "Objects");
        read_children(object, data, place_.exact ? data_at : place_.base);
    }

    void value() {
        const std::size_t at = in_.offset();
        const std::uint8_t type = in_.u8("value type");
        value_.type = static_cast<ValueType>(type);
        switch (value_.type) {
            case ValueType::False:
            case ValueType::True:
            case ValueType::Nil:
                break;
            case ValueType::Int8:
                value_.integer = static_cast<std::int8_t>(in_.u8("integer"));
                break;
            case ValueType::Int16:
                value_.integer = in_.i16("integer");
                break;
            case ValueType::Int32:
                value_.integer = in_.i32("integer");
                break;
            case ValueType::Int64:
                value_.integer = in_.i64("integer");
                break;
            case ValueType::String:
            case ValueType::Ident:
                value_.bytes.assign(short_name("string"));
                break;
            case ValueType::LString:
            case ValueType::UTF8String:
            case ValueType::Binary: {
                const std::int32_t length = in_.count("string", 1);
                const auto data = in_.bytes(static_cast<std::size_t>(length), "string");
                value_.bytes.assign(reinterpret_cast<const char*>(data.data()), data.size());
                break;
            }
            case ValueType::WString: {
                const std::int32_t length = in_.count("wide string", 2);
                value_.wide.resize(static_cast<std::size_t>(length));
                for (auto& c : value_.wide) c = static_cast<char16_t>(in_.u16("wide character"));
                break;
            }
            case ValueType::Set:
                value_.set_elements.clear();
                for (;;) {
                    const std::string_view element = short_name("set element");
                    if (element.empty()) break;
                    value_.set_elements.emplace_back(element);
                }
                break;
            default:
                fail("value type " + std::to_string(type) + " is not used by skin objects", at);
        }
    }

    ByteReader in_;
    StreamPlace place_;
    const ClassInfo* object_class_ = nullptr;
    Value value_;
    ReadContext ctx_;
    PropertyFinder finder_;
};

}  // namespace

void read_skin_object_stream(TSeSkinObject& object, std::span<const std::uint8_t> stream,
                             StreamPlace place) {
    StreamReader(stream, place).read(object);
}

}  // namespace tolsy
