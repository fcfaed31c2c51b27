#include "toolkit/components/class_info.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "toolkit/components/stream_errors.h"

namespace tolsy {
namespace {

std::vector<const ClassInfo*>& registry() {
    static std::vector<const ClassInfo*> classes;
    return classes;
}

}  // namespace

int EnumInfo::find(std::string_view name) const {
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (same_text(names[i], name)) return static_cast<int>(i);
    }
    return -1;
}

void ReadContext::fail(const std::string& what) const {
    throw PropertyValueError("Invalid property value for " + std::string(property) + ": " + what,
                             offset);
}

ClassInfo::ClassInfo(std::string name, const ClassInfo* parent)
    : name_(std::move(name)), parent_(parent) {
    if (parent_) {
        properties_ = parent_->properties_;
        property_keys_ = parent_->property_keys_;
        fields_ = parent_->fields_;
    }
}

bool ClassInfo::inherits_from(const ClassInfo& other) const {
    for (const ClassInfo* c = this; c; c = c->parent_) {
        if (c == &other) return true;
    }
    return false;
}

const PropertyInfo* ClassInfo::find_property(std::string_view name) const {
    // The keys, side by side, rule out names of another length (most of them) without touching
    // the property records; a key equal to the name's is the same name for up to eight bytes.
    const NameKey key = NameKey::of(name);
    for (std::size_t i = 0; i < property_keys_.size(); ++i) {
        if (property_keys_[i].size != key.size) continue;
        if ((key.size <= 8 && property_keys_[i] == key) || same_text(properties_[i].name, name))
            return &properties_[i];
    }
    return nullptr;
}

const FieldInfo* ClassInfo::find_field(std::string_view name) const {
    for (const FieldInfo& f : fields_) {
        if (same_text(f.name, name)) return &f;
    }
    return nullptr;
}

Component* ClassInfo::create_component(Component* owner) const {
    return component_factory_ ? component_factory_(owner) : nullptr;
}

std::unique_ptr<Persistent> ClassInfo::create_persistent() const {
    return persistent_factory_ ? persistent_factory_() : nullptr;
}

ClassInfo::NameKey ClassInfo::NameKey::of(std::string_view name) {
    // Byte i of the name goes to bits 8i to 8i + 7, read in whole words and never past the
    // name's end: two overlapping words for four to seven bytes (the bytes they share agree).
    static_assert(std::endian::native == std::endian::little);
    const char* p = name.data();
    const std::size_t n = name.size();
    NameKey key;
    key.size = n;
    if (n >= 8) {
        std::memcpy(&key.head, p, 8);
    } else if (n >= 4) {
        std::uint32_t low = 0;
        std::uint32_t high = 0;
        std::memcpy(&low, p, 4);
        std::memcpy(&high, p + n - 4, 4);
        key.head = low | (std::uint64_t{high} << (8 * (n - 4)));
    } else {
        for (std::size_t i = 0; i < n; ++i)
            key.head |= std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
    }
    return key;
}

void ClassInfo::add_property(PropertyInfo p) {
    for (std::size_t i = 0; i < properties_.size(); ++i) {
        if (same_text(properties_[i].name, p.name)) {
            property_keys_[i] = NameKey::of(p.name);
            properties_[i] = std::move(p);
            return;
        }
    }
    property_keys_.push_back(NameKey::of(p.name));
    properties_.push_back(std::move(p));
}

void ClassInfo::add_field(FieldInfo f) {
    fields_.push_back(std::move(f));
}

void ClassInfo::set_factories(bool is_component, ComponentFactory c, PersistentFactory p) {
    is_component_ = is_component;
    component_factory_ = c;
    persistent_factory_ = p;
}

void register_class(const ClassInfo& info) {
    const ClassInfo* existing = find_class(info.name());
    if (existing == &info) return;
    if (existing) throw StreamError("Class " + info.name() + " is already registered");
    registry().push_back(&info);
}

const ClassInfo* find_class(std::string_view name) {
    for (const ClassInfo* c : registry()) {
        if (same_text(c->name(), name)) return c;
    }
    return nullptr;
}

void unregister_class(const ClassInfo& info) {
    std::erase(registry(), &info);
}

}  // namespace tolsy
