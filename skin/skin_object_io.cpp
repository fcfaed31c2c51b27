#include "skin/skin_object_io.h"

#include "skin/skin_error.h"
#include "skin/skin_object_classes.h"
#include "toolkit/binary_stream.h"
#include "toolkit/class_builder.h"
#include "toolkit/stream_errors.h"
#include "toolkit/text_stream.h"

namespace tolsy {
namespace {

// Class name lstr and size (binary) or text lstr: at least 8 bytes per record.
constexpr std::size_t kMinRecordSize = 8;
constexpr std::string_view kObjectsProperty = "Objects";

thread_local int t_depth = 0;

class DepthGuard {
public:
    explicit DepthGuard(std::size_t offset) {
        if (++t_depth > kMaxObjectDepth) {
            --t_depth;
            throw ESkinFormatError("objects nested deeper than " + std::to_string(kMaxObjectDepth) +
                                       " levels",
                                   offset);
        }
    }
    ~DepthGuard() { --t_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

// The toolkit's messages end in " at offset N" relative to their own stream; we give our own.
std::string without_offset(const std::string& message) {
    const std::size_t at = message.rfind(" at offset ");
    return at == std::string::npos ? message : message.substr(0, at);
}

struct ParsedRecord {
    const ClassInfo* info = nullptr;
    ObjectNode node;
    std::size_t base = 0;  // where the component stream (or text) starts in the body
    RecordForm form = RecordForm::Binary;
};

ParsedRecord parse_record(ByteReader& in, RecordForm form) {
    ParsedRecord r;
    r.form = form;
    const std::size_t record_at = in.offset();
    const std::string class_name = in.lstr("object class name");
    r.info = resolve_skin_class(class_name);
    if (r.info == nullptr) throw ESkinClassNotFound(class_name, record_at);
    if (form == RecordForm::Binary) {
        const std::size_t size_at = in.offset();
        const std::int32_t size = in.i32("object stream size");
        if (size < 0)
            throw ESkinFormatError("object stream size " + std::to_string(size) + " is negative",
                                   size_at);
        r.base = in.offset();
        auto stream = in.bytes(static_cast<std::size_t>(size), "object stream of " + class_name);
        try {
            r.node = parse_binary_stream(stream);
        } catch (const StreamFormatError& e) {
            throw ESkinFormatError(class_name + " object stream: " + without_offset(e.what()),
                                   r.base + e.offset());
        }
    } else {
        r.base = in.offset();
        const std::string text = in.lstr("object text of " + class_name);
        try {
            r.node = parse_text_stream(text);
        } catch (const StreamError& e) {
            throw ESkinFormatError(class_name + " object text: " + e.what(), r.base);
        }
    }
    return r;
}

void apply_properties(TSeSkinObject& object, const ParsedRecord& r) {
    const bool binary = r.form == RecordForm::Binary;
    try {
        object.set_name(r.node.name);
    } catch (const StreamError& e) {
        throw ESkinFormatError(e.what(), r.base);
    }
    ReadContext ctx;
    ctx.root = &object;
    ctx.component = &object;
    for (const Property& p : r.node.properties) {
        const std::size_t at = binary ? r.base + p.offset : r.base;
        if (same_text(p.name, kObjectsProperty)) {
            if (p.value.type != ValueType::Binary)
                throw ESkinFormatError("Objects of " + object.name() + " is not binary data", at);
            // Name length byte, name, type byte and 32-bit length precede the data.
            const std::size_t data_at = binary ? at + p.name.size() + 6 : r.base;
            read_children(object, as_bytes(p.value.bytes), data_at);
            continue;
        }
        try {
            apply_property(object, p, ctx);
        } catch (const StreamError& e) {
            throw ESkinFormatError(without_offset(e.what()), at);
        }
    }
    if (!r.node.children.empty())
        throw ESkinFormatError("the component stream of " + object.name() + " holds child objects",
                               binary ? r.base + r.node.children.front().offset : r.base);
}

ObjectNode object_node(const TSeSkinObject& object) {
    ObjectNode node;
    node.class_name = object.class_info().name();
    node.name = object.name();
    WriteContext ctx;
    ctx.root = &object;
    write_properties(object, "", node.properties, ctx);
    return node;
}

}  // namespace

const std::vector<const ClassInfo*>& skin_object_classes() {
    static const std::vector<const ClassInfo*> classes = {
        &TSeSkinObject::static_class_info(),          &TSeActiveObject::static_class_info(),
        &TSeBitmapObject::static_class_info(),        &TSeActiveBitmap::static_class_info(),
        &TSeSystemButton::static_class_info(),        &TSeButtonObject::static_class_info(),
        &TSeTextObject::static_class_info(),          &TSeLinkSkinObject::static_class_info(),
        &TSeBitmapSkinObject::static_class_info(),    &TSeFormBitmapSkinObject::static_class_info(),
        &TSeSysButtonSkinObject::static_class_info(), &TSeActiveSkinObject::static_class_info(),
        &TSeColorButtonObject::static_class_info(),   &TSeBitmapBoxObject::static_class_info(),
        &TSeActiveBitmapBoxObject::static_class_info(),
        &TSeButtonBitmapBoxObject::static_class_info(), &TSeRollPanelObject::static_class_info(),
    };
    return classes;
}

void register_skin_object_classes() {
    for (const ClassInfo* info : skin_object_classes()) register_class(*info);
}

const ClassInfo* resolve_skin_class(std::string_view stored_name) {
    auto match = [](std::string_view name) -> const ClassInfo* {
        for (const ClassInfo* info : skin_object_classes())
            if (same_text(info->name(), name)) return info;
        return nullptr;
    };
    if (const ClassInfo* exact = match(stored_name)) return exact;
    if (stored_name.size() <= 3) return nullptr;
    std::string renamed(stored_name);
    for (const char* infix : {"Se", "Tw"}) {
        renamed[1] = infix[0];
        renamed[2] = infix[1];
        if (const ClassInfo* found = match(renamed)) return found;
    }
    return nullptr;
}

std::unique_ptr<TSeSkinObject> read_root_record(ByteReader& in, RecordForm form) {
    const ParsedRecord r = parse_record(in, form);
    std::unique_ptr<TSeSkinObject> object(
        static_cast<TSeSkinObject*>(r.info->create_component(nullptr)));
    apply_properties(*object, r);
    return object;
}

TSeSkinObject& read_child_record(ByteReader& in, RecordForm form, TSeSkinObject& parent) {
    const ParsedRecord r = parse_record(in, form);
    auto* object = static_cast<TSeSkinObject*>(r.info->create_component(&parent));
    try {
        apply_properties(*object, r);
    } catch (...) {
        delete object;
        throw;
    }
    return *object;
}

void write_object_record(ByteWriter& out, const TSeSkinObject& object, RecordForm form) {
    out.lstr(object.class_info().name());
    const ObjectNode node = object_node(object);
    if (form == RecordForm::Binary) {
        const std::vector<std::uint8_t> stream = write_binary_stream(node);
        out.i32(static_cast<std::int32_t>(stream.size()));
        out.bytes(stream);
    } else {
        out.lstr(write_text_stream(node));
    }
}

void read_children(TSeSkinObject& parent, std::span<const std::uint8_t> data,
                   std::size_t base_offset) {
    DepthGuard depth(base_offset);
    ByteReader in(data, base_offset);
    const std::size_t word_at = in.offset();
    const std::uint32_t word = in.u32("children count word");
    const bool binary = (word & kBinaryChildrenFlag) == kBinaryChildrenFlag;
    const std::uint32_t count = binary ? word & ~kBinaryChildrenFlag : word;
    if (count > in.remaining() / kMinRecordSize)
        throw ESkinReadError(std::to_string(count) + " children of " + parent.name(), word_at,
                             std::size_t{count} * kMinRecordSize, in.remaining());
    for (std::uint32_t i = 0; i < count; ++i)
        read_child_record(in, binary ? RecordForm::Binary : RecordForm::Text, parent);
    if (!in.at_end())
        throw ESkinFormatError(std::to_string(in.remaining()) + " bytes after the children of " +
                                   parent.name(),
                               in.offset());
}

Bytes write_children(const TSeSkinObject& parent) {
    ByteWriter out;
    out.u32(static_cast<std::uint32_t>(parent.child_count()) | kBinaryChildrenFlag);
    for (std::size_t i = 0; i < parent.child_count(); ++i)
        write_object_record(out, *parent.child(i), RecordForm::Binary);
    return out.take();
}

void read_objects_property(TSeSkinObject& parent, std::span<const std::uint8_t> data,
                           ReadContext&) {
    read_children(parent, data, 0);
}

std::optional<std::string> write_objects_property(const TSeSkinObject& parent) {
    if (parent.child_count() == 0) return std::nullopt;
    const Bytes data = write_children(parent);
    return std::string(data.begin(), data.end());
}

}  // namespace tolsy
