#include "toolkit/components/component_stream.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string_view>
#include <utility>

#include "base/startup_marks.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/class_builder.h"
#include "toolkit/components/stream_errors.h"

namespace tolsy {
namespace {

const ClassInfo& class_for(const ObjectNode& node) {
    const ClassInfo* info = find_class(node.class_name);
    if (!info) throw ClassNotFoundError("Class " + node.class_name + " not found", node.offset);
    if (!info->is_component()) {
        throw ClassNotFoundError("Class " + node.class_name + " is not a component", node.offset);
    }
    return *info;
}

// Property names are short: they are compared and searched a machine word at a time, inline.
static_assert(std::endian::native == std::endian::little);
std::uint64_t word_at(const char* p) {
    std::uint64_t w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

// Names of equal size over eight bytes whose first eight bytes are known to be equal.
bool same_tail(std::string_view a, std::string_view b) {
    const std::size_t n = a.size();
    for (std::size_t i = 8; i + 8 < n; i += 8)
        if (word_at(a.data() + i) != word_at(b.data() + i)) return false;
    return word_at(a.data() + n - 8) == word_at(b.data() + n - 8);
}

// The bytes of a word that hold a dot, as the high bit of each: the lowest is the first dot.
std::uint64_t dots_in(std::uint64_t word) {
    constexpr std::uint64_t kOnes = 0x0101010101010101;
    constexpr std::uint64_t kHighs = 0x8080808080808080;
    const std::uint64_t x = word ^ (kOnes * '.');
    return (x - kOnes) & ~x & kHighs;
}

// The first dot of the name whose key is given (its first eight bytes, zero-padded), or npos.
std::size_t find_dot(std::string_view name, const ClassInfo::NameKey& key) {
    if (const std::uint64_t found = dots_in(key.head))
        return static_cast<std::size_t>(std::countr_zero(found)) / 8;
    for (std::size_t i = 8; i < name.size(); i += 8) {
        // The last word may overlap the one before, which held no dot.
        const std::size_t at = std::min(i, name.size() - 8);
        if (const std::uint64_t found = dots_in(word_at(name.data() + at)))
            return at + static_cast<std::size_t>(std::countr_zero(found)) / 8;
    }
    return std::string_view::npos;
}

// The key of the name's first `size` bytes, cut from the name's key.
ClassInfo::NameKey prefix_key(const ClassInfo::NameKey& key, std::size_t size) {
    ClassInfo::NameKey prefix;
    prefix.size = size;
    prefix.head = size >= 8 ? key.head : key.head & ((std::uint64_t{1} << (8 * size)) - 1);
    return prefix;
}

// Where each name was last found in its class, on this thread: the same few names come again
// in object after object. A hint only, taken when the class still has that name there, so that
// a class gone and another made in its place cannot mislead.
struct FoundBefore {
    const ClassInfo* info = nullptr;
    std::size_t index = 0;
};
constexpr std::size_t kFoundBeforeSlots = 256;
thread_local std::array<FoundBefore, kFoundBeforeSlots> t_found_before{};

FoundBefore& found_before(const ClassInfo& info, const ClassInfo::NameKey& key) {
    const std::uint64_t mixed =
        (key.head ^ key.size ^ reinterpret_cast<std::uintptr_t>(&info)) * 0x9E3779B97F4A7C15;
    return t_found_before[static_cast<std::size_t>(mixed >> 56) % kFoundBeforeSlots];
}

// Without a hint: streams list properties in declaration order, so the property wanted is nearly
// always the last one found (again, as in "Font.Color" after "Font.Charset") or one after it.
class PropertyFinder {
  public:
    // key: ClassInfo::NameKey::of(name).
    const PropertyInfo* find(const ClassInfo& info, std::string_view name,
                             const ClassInfo::NameKey& key) {
        const auto props = info.properties();
        const auto keys = info.property_keys();
        auto matches = [&](std::size_t i) {
            return keys[i] == key && (key.size <= 8 || same_tail(props[i].name, name));
        };
        FoundBefore& before = found_before(info, key);
        if (before.info == &info && before.index < keys.size() && matches(before.index))
            return &props[before.index];
        const PropertyInfo* found = search(info, name, matches);
        if (found != nullptr) before = {&info, static_cast<std::size_t>(found - props.data())};
        return found;
    }

  private:
    template <class Matches>
    const PropertyInfo* search(const ClassInfo& info, std::string_view name, Matches matches) {
        std::size_t& cursor = cursor_for(info);
        const auto props = info.properties();
        // Forward from the last one found (properties left at their defaults are skipped), then
        // the one before it (a stream may list two neighbours the other way round, as "Width"
        // before "Height"), then from the first (the next nested font or link starts again),
        // then ignoring case.
        for (std::size_t i = cursor; i < props.size(); ++i)
            if (matches(i)) return &props[cursor = i];
        if (cursor > 0 && cursor <= props.size() && matches(cursor - 1)) return &props[--cursor];
        for (std::size_t i = 0; i < cursor && i < props.size(); ++i)
            if (matches(i)) return &props[cursor = i];
        for (std::size_t i = 0; i < props.size(); ++i)
            if (same_text(props[i].name, name)) return &props[cursor = i];
        return nullptr;
    }

    std::size_t& cursor_for(const ClassInfo& info) {
        for (auto& slot : slots_)
            if (slot.first == &info) return slot.second;
        // Few classes meet in one stream (the object's, a font's, a link's); reuse the oldest
        // slot when a fifth comes.
        auto& slot = slots_[next_++ % slots_.size()];
        slot = {&info, 0};
        return slot.second;
    }

    std::array<std::pair<const ClassInfo*, std::size_t>, 4> slots_{};
    std::size_t next_ = 0;
};

class ComponentReader {
  public:
    explicit ComponentReader(Component& root) { ctx_.root = &root; }

    void read_root(const ObjectNode& node) {
        Component& root = *ctx_.root;
        if (!same_text(node.class_name, root.class_info().name())) {
            throw ClassNotFoundError(
                "Class " + root.class_info().name() + " expected, found " + node.class_name,
                node.offset);
        }
        root.set_loading(true);
        const std::size_t objects = count_objects(node);
        root.reserve_components(objects - 1);
        ctx_.created.reserve(objects);
        ctx_.created.push_back(&root);
        root.set_name(node.name);
        read_object(root, node);
        finish();
    }

  private:
    static std::size_t count_objects(const ObjectNode& node) {
        std::size_t n = 1;
        for (const ObjectNode& child : node.children) n += count_objects(child);
        return n;
    }

    void read_object(Component& c, const ObjectNode& node) {
        for (const Property& p : node.properties) {
            ctx_.component = &c;
            apply(c, p);
        }
        c.reserve_child_components(node.children.size());
        for (const ObjectNode& child : node.children) read_child(c, child);
    }

    void read_child(Component& parent, const ObjectNode& node) {
        Component& root = *ctx_.root;
        Component* c = nullptr;
        if (node.flags & kFilerInherited) {
            // An inherited object updates the component of that name the root already has.
            c = root.find_component(node.name);
            if (!c)
                throw ClassNotFoundError("Inherited component " + node.name + " not found",
                                         node.offset);
        } else {
            const ClassInfo& info = class_for(node);
            c = info.create_component(&root);
            if (!c)
                throw ClassNotFoundError("Class " + node.class_name + " cannot be created",
                                         node.offset);
            try {
                c->set_name(node.name);
            } catch (const ComponentNameError& e) {
                delete c;
                throw ComponentNameError(e.what(), node.offset);
            }
            bind_field(node, c);
            c->set_parent_component(&parent);
        }
        c->set_loading(true);
        ctx_.created.push_back(c);
        read_object(*c, node);
    }

    // Each name found through the finder's hints, the dots of a path found in its key.
    void apply(Persistent& object, const Property& p) {
        apply_property_by(object, p, ctx_, [this](const ClassInfo& info, std::string_view rest) {
            const ClassInfo::NameKey whole = ClassInfo::NameKey::of(rest);
            const std::size_t dot = find_dot(rest, whole);
            const ClassInfo::NameKey key =
                dot == std::string_view::npos ? whole : prefix_key(whole, dot);
            return PropertyStep{finder_.find(info, rest.substr(0, dot), key), dot};
        });
    }

    void bind_field(const ObjectNode& node, Component* c) {
        if (node.name.empty()) return;
        const FieldInfo* field = ctx_.root->class_info().find_field(node.name);
        if (field && !field->assign(*ctx_.root, c)) {
            throw PropertyValueError(
                "Field " + node.name + " has a different class than " + node.class_name,
                node.offset);
        }
    }

    void finish() {
        for (auto& fixup : ctx_.fixups) fixup();
        for (Component* c : ctx_.created) c->set_loading(false);
        startup_marks::mark("components read");
        for (Component* c : ctx_.created) c->loaded();
    }

    ReadContext ctx_;
    PropertyFinder finder_;
};

class ObjectStreamReader {
  public:
    ObjectStreamReader(std::span<const std::uint8_t> bytes, std::size_t base_offset)
        : in_(bytes, base_offset) {}

    void read(Component& object) {
        in_.signature();
        const ObjectHeader header = in_.object_header(0);
        try {
            object.set_name(std::string(header.name));
        } catch (const ComponentNameError& e) {
            throw ComponentNameError(e.detail(), header.offset);
        }
        ctx_.root = &object;
        ctx_.component = &object;
        object_class_ = &object.class_info();
        while (!in_.end_of("property or end of properties")) property(object);
        if (!in_.end_of("child object or end of children"))
            in_.fail("Object " + object.name() + " holds child objects", in_.offset());
        if (!in_.at_end()) in_.fail("Unexpected bytes after the object", in_.offset());
        for (auto& fixup : ctx_.fixups) fixup();
    }

  private:
    void property(Component& object) {
        const std::size_t at = in_.offset();
        const std::string_view name = in_.property_name();
        Persistent* target = &object;
        // Known without asking the object where the class declares it (a nested font, link).
        const ClassInfo* target_class = object_class_;
        std::string_view rest = name;
        for (;;) {
            const ClassInfo::NameKey whole = ClassInfo::NameKey::of(rest);
            const std::size_t dot = find_dot(rest, whole);
            const ClassInfo::NameKey key =
                dot == std::string_view::npos ? whole : prefix_key(whole, dot);
            const PropertyInfo* info = finder_.find(*target_class, rest.substr(0, dot), key);
            if (!info || (dot != std::string_view::npos && info->kind != PropertyKind::kObject)) {
                throw UnknownPropertyError("Property " + std::string(name) +
                                               " does not exist in class " + target_class->name(),
                                           at);
            }
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
        ctx_.property = name;
        ctx_.offset = at;
        if (info.read_binary) {
            if (in_.binary_follows()) {
                const auto data = in_.binary_data(ctx_.data_offset);
                info.read_binary(target, data, ctx_);
                return;
            }
            ctx_.data_offset = at;
        }
        in_.value(value_, 1);
        info.read(target, value_, ctx_);
    }

    BinaryStreamReader in_;
    const ClassInfo* object_class_ = nullptr;
    ReadContext ctx_;
    Value value_;  // reused, so that its buffers are allocated once per object
    PropertyFinder finder_;
};

void write_object(const Component& c, ObjectNode& node, WriteContext& ctx) {
    node.class_name = c.class_info().name();
    node.name = c.name();
    write_properties(c, "", node.properties, ctx);
    for (const Component* child : c.child_components()) {
        write_object(*child, node.children.emplace_back(), ctx);
    }
}

}  // namespace

void read_into(Component& root, const ObjectNode& node) {
    ComponentReader(root).read_root(node);
}

void read_into(Component& root, std::span<const std::uint8_t> bytes) {
    read_into(root, parse_binary_stream(bytes));
}

std::unique_ptr<Component> read_component(const ObjectNode& node) {
    std::unique_ptr<Component> root(class_for(node).create_component(nullptr));
    if (!root)
        throw ClassNotFoundError("Class " + node.class_name + " cannot be created", node.offset);
    read_into(*root, node);
    return root;
}

Component& read_component(const ObjectNode& node, Component& owner) {
    Component* root = class_for(node).create_component(&owner);
    if (!root)
        throw ClassNotFoundError("Class " + node.class_name + " cannot be created", node.offset);
    try {
        read_into(*root, node);
    } catch (...) {
        delete root;
        throw;
    }
    return *root;
}

void read_object_stream(Component& object, std::span<const std::uint8_t> bytes,
                        std::size_t base_offset) {
    ObjectStreamReader(bytes, base_offset).read(object);
}

std::unique_ptr<Component> read_component(std::span<const std::uint8_t> bytes) {
    return read_component(parse_binary_stream(bytes));
}

Component& read_component(std::span<const std::uint8_t> bytes, Component& owner) {
    return read_component(parse_binary_stream(bytes), owner);
}

ObjectNode component_to_node(const Component& root) {
    WriteContext ctx;
    ctx.root = &root;
    ObjectNode node;
    write_object(root, node, ctx);
    return node;
}

std::vector<std::uint8_t> write_component(const Component& root) {
    return write_binary_stream(component_to_node(root));
}

}  // namespace tolsy
