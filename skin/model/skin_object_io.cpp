#include "skin/model/skin_object_io.h"

#include <stdexcept>

#include "base/load_budget.h"
#include "skin/bytes/skin_error.h"
#include "skin/model/skin_object_classes.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/class_builder.h"
#include "toolkit/components/component_stream.h"
#include "toolkit/components/stream_errors.h"
#include "toolkit/components/text_stream.h"

namespace tolsy {
namespace {

// Class name lstr and size (binary) or text lstr: at least 8 bytes per record.
constexpr std::size_t kMinRecordSize = 8;

thread_local int t_depth = 0;

class DepthGuard {
  public:
    explicit DepthGuard(std::size_t offset) {
        if (++t_depth > kMaxObjectDepth) {
            --t_depth;
            throw SkinFormatError(
                "objects nested deeper than " + std::to_string(kMaxObjectDepth) + " levels",
                offset);
        }
    }
    ~DepthGuard() { --t_depth; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
};

// Where an object's component stream lies in the body: its positions count from base when
// exact; a stream converted from a record's text is placed as a whole at the text.
struct StreamPlace {
    std::size_t base = 0;
    bool exact = true;
};

// A record's class and the object's binary component stream (converted from text when the
// record holds the textual form).
struct ParsedRecord {
    const ClassInfo* info = nullptr;
    std::span<const std::uint8_t> stream;
    std::vector<std::uint8_t> converted;
    StreamPlace place;
};

ParsedRecord parse_record(ByteReader& in, RecordForm form) {
    ParsedRecord r;
    const std::size_t record_at = in.offset();
    // Every object is charged to the load, so a short record cannot make a great many.
    charge_load(kObjectCharge, "object record", record_at);
    const std::string class_name = in.lstr("object class name");
    r.info = resolve_skin_class(class_name);
    // A class that resolves to nothing fails the whole read rather than skipping the record:
    // a skipped subtree would leave lookups, layout and derived tables quietly wrong.
    if (r.info == nullptr) throw SkinClassNotFoundError(class_name, record_at);
    if (form == RecordForm::kBinary) {
        const std::size_t size_at = in.offset();
        const std::int32_t size = in.i32("object stream size");
        if (size < 0)
            throw SkinFormatError("object stream size " + std::to_string(size) + " is negative",
                                  size_at);
        r.place = {in.offset(), true};
        // The field's name is made only for the message about a stream cut short.
        if (static_cast<std::size_t>(size) > in.remaining())
            in.require(static_cast<std::size_t>(size), "object stream of " + class_name);
        r.stream = in.bytes(static_cast<std::size_t>(size), "object stream");
        return r;
    }
    const std::size_t text_at = in.offset();
    const std::string text = in.lstr("object text of " + class_name);
    try {
        r.converted = object_text_to_binary(text);
    } catch (const StreamError& e) {
        throw SkinFormatError(class_name + " object text: " + e.what(), text_at);
    }
    r.stream = r.converted;
    r.place = {text_at, false};
    return r;
}

// The toolkit's reader reads the object; its errors, which name places in the body already,
// become the skin's own here.
void read_object(TSeSkinObject& object, const ParsedRecord& r) {
    constexpr std::string_view kInText = " (in the object's text)";
    try {
        read_object_stream(object, r.stream, r.place.base);
    } catch (const StreamEndsEarlyError& e) {
        if (r.place.exact) throw SkinReadError(e.read());
        const ShortRead& read = e.read();
        throw SkinReadError(read.field + std::string(kInText), r.place.base, read.needed,
                            read.left);
    } catch (const StreamError& e) {
        if (!r.place.exact) throw SkinFormatError(e.detail() + std::string(kInText), r.place.base);
        throw SkinFormatError(e.detail(), e.has_offset() ? e.offset() : r.place.base);
    }
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
        &TSeSkinObject::static_class_info(),
        &TSeActiveObject::static_class_info(),
        &TSeBitmapObject::static_class_info(),
        &TSeActiveBitmap::static_class_info(),
        &TSeSystemButton::static_class_info(),
        &TSeButtonObject::static_class_info(),
        &TSeTextObject::static_class_info(),
        &TSeLinkSkinObject::static_class_info(),
        &TSeBitmapSkinObject::static_class_info(),
        &TSeFormBitmapSkinObject::static_class_info(),
        &TSeSysButtonSkinObject::static_class_info(),
        &TSeActiveSkinObject::static_class_info(),
        &TSeColorButtonObject::static_class_info(),
        &TSeBitmapBoxObject::static_class_info(),
        &TSeActiveBitmapBoxObject::static_class_info(),
        &TSeButtonBitmapBoxObject::static_class_info(),
        &TSeRollPanelObject::static_class_info(),
    };
    return classes;
}

void register_skin_object_classes() {
    for (const ClassInfo* info : skin_object_classes()) register_class(*info);
}

const ClassInfo* resolve_skin_class(std::string_view stored_name) {
    auto match = [](std::string_view name) -> const ClassInfo* {
        // Stored names nearly always match exactly; the case-blind pass is the exception.
        for (const ClassInfo* info : skin_object_classes())
            if (info->name() == name) return info;
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
    read_object(*object, r);
    return object;
}

TSeSkinObject& read_child_record(ByteReader& in, RecordForm form, TSeSkinObject& parent) {
    const ParsedRecord r = parse_record(in, form);
    auto* object = static_cast<TSeSkinObject*>(r.info->create_component(&parent));
    try {
        read_object(*object, r);
    } catch (...) {
        delete object;
        throw;
    }
    return *object;
}

void write_object_record(ByteWriter& out, const TSeSkinObject& object, RecordForm form) {
    out.lstr(object.class_info().name());
    const ObjectNode node = object_node(object);
    if (form == RecordForm::kBinary) {
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
        throw SkinReadError(std::to_string(count) + " children of " + parent.name(), word_at,
                            std::size_t{count} * kMinRecordSize, in.remaining());
    for (std::uint32_t i = 0; i < count; ++i)
        read_child_record(in, binary ? RecordForm::kBinary : RecordForm::kText, parent);
    if (!in.at_end())
        throw SkinFormatError(
            std::to_string(in.remaining()) + " bytes after the children of " + parent.name(),
            in.offset());
}

Bytes write_children(const TSeSkinObject& parent) {
    // The count shares its word with the binary-form flag bits.
    constexpr std::size_t kMaxChildren = 0xFFFF;
    if (parent.child_count() > kMaxChildren)
        throw std::length_error("Too many children of " + parent.name() + " to store");
    ByteWriter out;
    out.u32(static_cast<std::uint32_t>(parent.child_count()) | kBinaryChildrenFlag);
    for (std::size_t i = 0; i < parent.child_count(); ++i)
        write_object_record(out, *parent.child(i), RecordForm::kBinary);
    return out.take();
}

void read_objects_property(TSeSkinObject& parent, std::span<const std::uint8_t> data,
                           ReadContext& ctx) {
    read_children(parent, data, ctx.data_offset);
}

std::optional<std::string> write_objects_property(const TSeSkinObject& parent) {
    if (parent.child_count() == 0) return std::nullopt;
    const Bytes data = write_children(parent);
    return std::string(data.begin(), data.end());
}

}  // namespace tolsy
