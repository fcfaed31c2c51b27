#include "toolkit/components/component.h"

#include <algorithm>

#include "toolkit/components/class_builder.h"
#include "toolkit/components/stream_errors.h"

namespace tolsy {

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
    if (parent_) std::erase(parent_->children_, this);
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
    name_ = std::move(name);
}

Component* Component::find_component(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (Component* c : components_) {
        if (same_text(c->name_, name)) return c;
    }
    return nullptr;
}

void Component::set_parent_component(Component* parent) {
    if (parent == parent_) return;
    if (parent_) std::erase(parent_->children_, this);
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
    if (!handlers_) handlers_ = std::make_unique<std::vector<std::pair<std::string, std::any>>>();
    for (auto& [n, f] : *handlers_) {
        if (same_text(n, name)) {
            f = std::move(function);
            return;
        }
    }
    handlers_->emplace_back(std::move(name), std::move(function));
}

const std::any* Component::find_handler(std::string_view name) const {
    if (!handlers_) return nullptr;
    for (const auto& [n, f] : *handlers_) {
        if (same_text(n, name)) return &f;
    }
    return nullptr;
}

void Component::destroy_components() {
    while (!components_.empty()) delete components_.back();
}

void Component::insert_component(Component* c) {
    components_.push_back(c);
    c->owner_ = this;
    notification(*c, Operation::kInsert);
}

void Component::remove_component(Component* c) {
    std::erase(components_, c);
    c->owner_ = nullptr;
    if (!destroying_) notification(*c, Operation::kRemove);
}

}  // namespace tolsy
