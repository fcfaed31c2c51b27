#pragma once
// Run-time class information of persistent objects: the class name, the parent class, the
// published properties (declared once per class, inherited ones first) and a factory, plus the
// process-wide class registry that creates components by class name.
//
//   register_class<TeButton>();                  // once at start-up (idempotent)
//   const ClassInfo* info = find_class("TTeButton");
//   Component* c = info->create_component(owner); // owned by owner
//
// Classes are declared with declare_class (toolkit/class_builder.h).
#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/components/stream_value.h"

namespace tolsy {

class ClassInfo;
class Collection;
class Component;

// Base of every object with published properties (components, fonts, collection items ...).
class Persistent {
  public:
    Persistent() = default;
    Persistent(const Persistent&) = delete;
    Persistent& operator=(const Persistent&) = delete;
    virtual ~Persistent() = default;

    virtual const ClassInfo& class_info() const = 0;
};

// Declares static_class_info() and overrides class_info() inside a persistent class.
#define TOLSY_PERSISTENT(Self)                              \
  public:                                                   \
    static const ::tolsy::ClassInfo& static_class_info();   \
    const ::tolsy::ClassInfo& class_info() const override { \
        return static_class_info();                         \
    }

// Names of an enumeration's values in ordinal order (also the elements of a set type).
struct EnumInfo {
    std::string_view type_name;
    std::vector<std::string_view> names;

    int find(std::string_view name) const;  // case-insensitive; -1 when absent
};

enum class PropertyKind : std::uint8_t {
    kInteger,
    kBoolean,
    kEnumeration,
    kSet,
    kString,
    kWideString,
    kColor,
    kCharset,
    kFloat,
    kObject,
    kCollection,
    kReference,
    kEvent,
    kCustom,
};

// State shared while one description is read into components.
class ReadContext {
  public:
    Component* root = nullptr;       // owner of the read components, handlers and names
    Component* component = nullptr;  // component whose properties are being read
    // Full name of the property being read: a view into the stream or tree being read; a reader
    // that keeps it copies it (as a deferred reference does).
    std::string_view property;
    std::size_t offset = 0;  // where it began in the stream
    // Where a binary value's data begins, for messages about what it holds (read from a tree:
    // where its property began).
    std::size_t data_offset = 0;
    std::vector<std::function<void()>> fixups;  // reference resolution after the whole read
    std::vector<Component*> created;            // in creation order, for Loaded

    // Throws PropertyValueError naming the property and offset.
    [[noreturn]] void fail(const std::string& what) const;
};

class WriteContext {
  public:
    const Component* root = nullptr;
};

struct PropertyInfo {
    std::string name;
    PropertyKind kind = PropertyKind::kInteger;
    const EnumInfo* enum_info = nullptr;      // Enumeration and Set
    const ClassInfo* target_class = nullptr;  // Reference target, Object/Collection item class
    bool always_stored = false;               // written even when equal to its default

    // Applies a stream value to the object (the object is of the declaring class).
    std::function<void(Persistent&, const Value&, ReadContext&)> read;
    // Binary kind: reads the data where it lies in the stream, without a copy.
    std::function<void(Persistent&, std::span<const std::uint8_t>, ReadContext&)> read_binary;
    // Appends the property under `path` when it differs from its default.
    std::function<void(const Persistent&, const PropertyInfo&, const std::string& path,
                       std::vector<Property>&, WriteContext&)>
        write;
    // Object kind: the nested persistent; Collection kind: the collection.
    std::function<Persistent*(Persistent&)> nested;
    // Reference kind: clears the reference when it points to `dead`.
    std::function<void(Persistent&, const Component& dead)> clear_reference;
};

// A published field of a window class that is set to the component of that name when the
// window's description is read ("SymbolComboBox" -> TForm1::SymbolComboBox).
struct FieldInfo {
    std::string name;
    std::function<bool(Persistent& root, Component* component)> assign;  // false: wrong class
};

class ClassInfo {
  public:
    using ComponentFactory = Component* (*)(Component* owner);
    using PersistentFactory = std::unique_ptr<Persistent> (*)();

    ClassInfo(std::string name, const ClassInfo* parent);

    const std::string& name() const { return name_; }
    const ClassInfo* parent() const { return parent_; }
    bool inherits_from(const ClassInfo& other) const;

    std::span<const PropertyInfo> properties() const { return properties_; }
    // A property name's length and first bytes, index for index with properties(), side by
    // side in memory: most names are told apart without touching the larger property records.
    struct NameKey {
        std::uint64_t head = 0;  // the first eight bytes, zero-padded
        std::size_t size = 0;
        static NameKey of(std::string_view name);
        bool operator==(const NameKey&) const = default;
    };
    std::span<const NameKey> property_keys() const { return property_keys_; }
    const PropertyInfo* find_property(std::string_view name) const;  // case-insensitive
    const FieldInfo* find_field(std::string_view name) const;

    bool is_component() const { return is_component_; }
    // Null when the class cannot be created by name (abstract or without a suitable constructor).
    Component* create_component(Component* owner) const;
    std::unique_ptr<Persistent> create_persistent() const;

    // Used while the class is declared.
    void add_property(PropertyInfo p);  // replaces an inherited property of the same name
    void add_field(FieldInfo f);
    PropertyInfo& last_property() { return properties_.back(); }
    void set_factories(bool is_component, ComponentFactory c, PersistentFactory p);

  private:
    std::string name_;
    const ClassInfo* parent_;
    std::vector<PropertyInfo> properties_;
    std::vector<NameKey> property_keys_;
    std::vector<FieldInfo> fields_;
    bool is_component_ = false;
    ComponentFactory component_factory_ = nullptr;
    PersistentFactory persistent_factory_ = nullptr;
};

// Process-wide class registry. Registering the same class again does nothing; registering a
// different class under a taken name throws.
void register_class(const ClassInfo& info);
template <class T>
void register_class() {
    register_class(T::static_class_info());
}
const ClassInfo* find_class(std::string_view name);  // case-insensitive; null when unknown
void unregister_class(const ClassInfo& info);        // for tests with stand-in classes

// ASCII case-insensitive equality. Inline: most calls compare names of different lengths, or
// names that differ in their first byte.
inline bool same_text(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]);
        const unsigned char y = static_cast<unsigned char>(b[i]);
        // Equal, or a letter and the same letter in the other case.
        if (x != y && ((x ^ y) != 0x20 || static_cast<unsigned char>((x | 0x20) - 'a') > 'z' - 'a'))
            return false;
    }
    return true;
}

}  // namespace tolsy
