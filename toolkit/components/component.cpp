#include "toolkit/components/component.h"

#include <algorithm>

#include "toolkit/components/class_builder.h"
#include "toolkit/components/stream_errors.h"

namespace tolsy {
namespace {

// Below this many owned components a scan is as quick as an index.
constexpr std::size_t kNameIndexThreshold = 32;

std::string name_key(std::string_view name) {
    std::string key(name);
    for (char& ch : key)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return key;
}

// Removes one pointer, looking from the end: freeing removes the last one.
void erase_from_end(std::vector<Component*>& list, Component* c) {
    const auto it = std::find(list.rbegin(), list.rend(), c);
    if (it != list.rend()) list.erase(std::next(it).base());
}

}  // namespace

const ClassInfo& Component::static_class_info() {
    static const ClassInfo info = declare_class<Component>("TComponent", nullptr, [](auto&) {});
    return info;
}

bool is_valid_identifier(std::string_view name) {
    if (name.empty()) return false;
    auto letter = [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
    };
    if (!letter(name[0])) return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [&](char c) { return letter(c) || (c >= '0' && c <= '9'); });
}

Component::Component(Component* owner) {
    if (owner) owner->insert_component(this);
}

Component::~Component() {
    destroying_ = true;
    destroy_components();
    for (Component* other : std::vector<Component*>(free_notifies_)) {
        std::erase(other->free_notifies_, this);
        if (!other->destroying_) other->notification(*this, Operation::kRemove);
    }
    free_notifies_.clear();
    for (Component* child : children_) child->parent_ = nullptr;
    if (parent_) erase_from_end(parent_->children_, this);
    if (owner_) owner_->remove_component(this);
}

void Component::set_name(std::string name) {
    if (name == name_) return;
    if (!name.empty() && !is_valid_identifier(name)) {
        throw ComponentNameError("Component name \"" + name + "\" is not a valid identifier");
    }
    if (!name.empty() && owner_) {
        const Component* other = owner_->find_component(name);
        if (other && other != this) {
            throw ComponentNameError("A component named " + name + " already exists");
        }
    }
    if (owner_) owner_->unindex_name(this);
    name_ = std::move(name);
    if (owner_) owner_->index_name(this);
}

Component* Component::find_component(std::string_view name) const {
    if (name.empty()) return nullptr;
    if (name_index_) {
        const auto it = name_index_->find(name_key(name));
        return it == name_index_->end() ? nullptr : it->second;
    }
    for (Component* c : components_) {
        if (same_text(c->name_, name)) return c;
    }
    return nullptr;
}

void Component::set_parent_component(Component* parent) {
    if (parent == parent_) return;
    if (parent_) erase_from_end(parent_->children_, this);
    parent_ = parent;
    if (parent_) parent_->children_.push_back(this);
}

void Component::notification(Component& component, Operation operation) {
    if (operation == Operation::kRemove) clear_references(*this, component);
}

void Component::free_notification(Component& other) {
    if (&other == this) return;
    if (std::find(free_notifies_.begin(), free_notifies_.end(), &other) == free_notifies_.end()) {
        free_notifies_.push_back(&other);
        other.free_notifies_.push_back(this);
    }
}

void Component::remove_free_notification(Component& other) {
    std::erase(free_notifies_, &other);
    std::erase(other.free_notifies_, this);
}

void Component::add_handler(std::string name, std::any function) {
    if (!handlers_) handlers_ = std::make_unique<std::vector<Handler>>();
    for (Handler& h : *handlers_) {
        if (same_text(*h.name, name)) {
            h.function = std::move(function);
            return;
        }
    }
    handlers_->push_back(
        {std::make_shared<const std::string>(std::move(name)), std::move(function)});
}

const Component::Handler* Component::find_handler_entry(std::string_view name) const {
    if (!handlers_) return nullptr;
    for (const Handler& h : *handlers_) {
        if (same_text(*h.name, name)) return &h;
    }
    return nullptr;
}

const std::any* Component::find_handler(std::string_view name) const {
    const Handler* h = find_handler_entry(name);
    return h ? &h->function : nullptr;
}

void Component::destroy_components() {
    while (!components_.empty()) delete components_.back();
}

void Component::insert_component(Component* c) {
    components_.push_back(c);
    c->owner_ = this;
    if (!name_index_ && components_.size() >= kNameIndexThreshold) {
        name_index_ = std::make_unique<NameIndex>();
        for (Component* owned : components_) index_name(owned);
    } else {
        index_name(c);
    }
    notification(*c, Operation::kInsert);
}

void Component::remove_component(Component* c) {
    unindex_name(c);
    erase_from_end(components_, c);
    c->owner_ = nullptr;
    if (!destroying_) notification(*c, Operation::kRemove);
}

void Component::index_name(Component* c) {
    // The first of two equal names wins, as the scan finds it; equal names arrive only from
    // components named before they had this owner.
    if (name_index_ && !c->name_.empty() && !name_index_->try_emplace(name_key(c->name_), c).second)
        ++shadowed_names_;
}

void Component::unindex_name(Component* c) {
    if (!name_index_ || c->name_.empty()) return;
    const auto it = name_index_->find(name_key(c->name_));
    if (it == name_index_->end() || it->second != c) return;
    name_index_->erase(it);
    if (shadowed_names_ == 0) return;
    // Another component of the same name (named before it came here) takes its place.
    for (Component* other : components_)
        if (other != c && same_text(other->name_, c->name_)) {
            name_index_->emplace(name_key(other->name_), other);
            --shadowed_names_;
            break;
        }
}

}  // namespace tolsy
