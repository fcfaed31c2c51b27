#pragma once
// Skin object records: a class name, then the object as a toolkit component stream, in binary
// form (size and bytes) or text form (one lstr); children travel in the binary "Objects"
// property as a count word and further records.
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/bytes/skin_bytes.h"
#include "toolkit/components/class_info.h"

namespace tolsy {

class TSeSkinObject;

enum class RecordForm { kBinary, kText };

// Children nested deeper than this are refused rather than followed down the stack.
inline constexpr int kMaxObjectDepth = 64;
// Bits 16 to 19 of a children count word: the children are binary records.
inline constexpr std::uint32_t kBinaryChildrenFlag = 0x000F0000;

// The seventeen skin object classes in registration order; registering them with the toolkit
// lets the generic component reader create them by name too.
const std::vector<const ClassInfo*>& skin_object_classes();
void register_skin_object_classes();
// A stored class name: exact (ignoring case), then with characters two and three replaced by
// "Se", then by "Tw"; none when nothing matches.
const ClassInfo* resolve_skin_class(std::string_view stored_name);

// Reads one record at the reader's position: a root (owned by the caller) or a child owned by
// its parent. Throws SkinClassNotFoundError, SkinFormatError or SkinReadError.
std::unique_ptr<TSeSkinObject> read_root_record(ByteReader& in, RecordForm form);
TSeSkinObject& read_child_record(ByteReader& in, RecordForm form, TSeSkinObject& parent);
void write_object_record(ByteWriter& out, const TSeSkinObject& object, RecordForm form);

// The "Objects" property: count word and child records. base_offset places the data in the
// enclosing skin body for messages.
void read_children(TSeSkinObject& parent, std::span<const std::uint8_t> data,
                   std::size_t base_offset);
Bytes write_children(const TSeSkinObject& parent);

// The property's handlers for the toolkit's generic component reading and writing.
void read_objects_property(TSeSkinObject& parent, std::span<const std::uint8_t> data,
                           ReadContext& ctx);
std::optional<std::string> write_objects_property(const TSeSkinObject& parent);

}  // namespace tolsy
