#include "toolkit/components/component.h"

#include <algorithm>

#include "toolkit/components/class_builder.h"
#include "toolkit/components/stream_errors.h"

namespace tolsy {
namespace {

// Below this many owned components a scan is as quick as an index.
constexpr std::size_t kNameIndexThreshold = 32;

// Removes one pointer, looking from the end: freeing removes the last one.
void erase_from_end(std::vector<Component*>& list, Component* c) {
    const auto it = std::find(list.rbegin(), list.rend(), c);
    if (it != list.rend()) list.erase(std::next(it).base());
}

}  // namespace

// Open addressing over the components themselves (linear probing, at most half full): indexing
// a component allocates nothing but the table's growth, where a map made a node for each.
class Component::NameIndex {
  public:
    Component* find(std::string_view name) const {
        for (std::size_t i = home(name); slots_[i] != nullptr; i = next(i))
            if (same_text(slots_[i]->name_, name)) return slots_[i];
        return nullptr;
    }

    // False, leaving the table as it is, when a component of the same name is there already.
    bool insert(Component* c) {
        if ((count_ + 1) * 2 > slots_.size()) grow();
        std::size_t i = home(c->name_);
        for (; slots_[i] != nullptr; i = next(i))
            if (same_text(slots_[i]->name_, c->name_)) return false;
        slots_[i] = c;
        ++count_;
        return true;
    }

    // Takes c out if it is the component indexed under its name; says whether it was.
    bool erase(const Component* c) {
        std::size_t hole = home(c->name_);
        for (; slots_[hole] != c; hole = next(hole))
            if (slots_[hole] == nullptr) return false;
        slots_[hole] = nullptr;
        --count_;
        // Entries further along the run move back into the hole when their home is not between
        // the hole and where they stand, so that every entry stays reachable from its home.
        for (std::size_t i = next(hole); slots_[i] != nullptr; i = next(i)) {
            const std::size_t from_home = (i - home(slots_[i]->name_)) & mask();
            if (from_home >= ((i - hole) & mask())) {
                slots_[hole] = slots_[i];
                slots_[i] = nullptr;
                hole = i;
            }
        }
        return true;
    }

  private:
    std::size_t mask() const { return slots_.size() - 1; }
    std::size_t next(std::size_t i) const { return (i + 1) & mask(); }
    // FNV-1a over the name with ASCII letters lower-cased, as same_text compares.
    std::size_t home(std::string_view name) const {
        std::uint64_t h = 0xCBF29CE484222325;
        for (char ch : name) {
            if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
            h = (h ^ static_cast<unsigned char>(ch)) * 0x100000001B3;
        }
        return static_cast<std::size_t>(h ^ (h >> 29)) & mask();
    }
    void grow() {
        std::vector<Component*> old(slots_.empty() ? 64 : slots_.size() * 2, nullptr);
        old.swap(slots_);
        count_ = 0;
        for (Component* c : old)
            if (c != nullptr) insert(c);
    }

    std::vector<Component*> slots_ = std::vector<Component*>(64, nullptr);
    std::size_t count_ = 0;
};

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
    if (name_index_) return name_index_->find(name);
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
    // Every name goes: dropping the index at once spares taking each out of it. Until the last
    // is freed, a search by name scans those left.
    name_index_.reset();
    shadowed_names_ = 0;
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
    if (name_index_ && !c->name_.empty() && !name_index_->insert(c)) ++shadowed_names_;
}

void Component::unindex_name(Component* c) {
    if (!name_index_ || c->name_.empty() || !name_index_->erase(c)) return;
    if (shadowed_names_ == 0) return;
    // Another component of the same name (named before it came here) takes its place.
    for (Component* other : components_)
        if (other != c && same_text(other->name_, c->name_)) {
            name_index_->insert(other);
            --shadowed_names_;
            break;
        }
}

}  // namespace tolsy
