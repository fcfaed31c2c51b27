#pragma once
// Components: named persistent objects with an owner that owns and frees them. Reading a
// description makes the root (the window) the owner of every component in it, and each object's
// enclosing object its parent component; children are kept in creation order. After the whole
// description is read, references are resolved and every component's loaded() runs.
//
// A component that holds a reference to another (ThemeList, SystemMenuLink) is told when that
// one is destroyed: notification(other, Operation::Remove) clears declared reference properties.
//
// Destruction frees owned components last-created first. A class whose owned components refer
// back to its own members calls destroy_components() at the start of its destructor.
//
// Freeing, copying and reading trees stay linear in the number of components: a component
// leaving its owner (or parent) is looked for from the end of the list, where freeing finds it
// at once, and an owner of many components keeps an index of their names for the uniqueness
// check and find_component.
#include <any>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/components/class_info.h"
#include "toolkit/components/event.h"

namespace tolsy {

enum class Operation { kInsert, kRemove };

class Component : public Persistent {
    TOLSY_PERSISTENT(Component)

    explicit Component(Component* owner = nullptr);
    ~Component() override;

    const std::string& name() const { return name_; }
    // Throws ComponentNameError for a name that is not an identifier or is taken in the owner.
    void set_name(std::string name);

    Component* owner() const { return owner_; }
    const std::vector<Component*>& components() const { return components_; }
    Component* find_component(std::string_view name) const;  // case-insensitive, owned only

    // The enclosing object in a description (a control's parent); written as its child.
    Component* parent_component() const { return parent_; }
    virtual void set_parent_component(Component* parent);
    const std::vector<Component*>& child_components() const { return children_; }
    // Room for this many more owned or child components, made before reading a description.
    void reserve_components(std::size_t more) { components_.reserve(components_.size() + more); }
    void reserve_child_components(std::size_t more) { children_.reserve(children_.size() + more); }

    bool loading() const { return loading_; }
    void set_loading(bool loading) { loading_ = loading; }
    bool destroying() const { return destroying_; }

    // Called once after the whole description holding this component is read.
    virtual void loaded() {}
    // Owned components report Insert/Remove; free-notification partners report Remove.
    virtual void notification(Component& component, Operation operation);
    // Asks to be told (notification Remove) when `other` is destroyed, and vice versa.
    void free_notification(Component& other);
    void remove_free_notification(Component& other);

    // Handlers that events in this component's description bind to by name.
    template <class C, class... Args>
    void register_handler(std::string name, void (C::*method)(Args...)) {
        C* self = static_cast<C*>(this);
        add_handler(std::move(name), std::function<void(Args...)>([self, method](Args... args) {
                        (self->*method)(std::forward<Args>(args)...);
                    }));
    }
    void add_handler(std::string name, std::any function);
    const std::any* find_handler(std::string_view name) const;  // case-insensitive
    // A handler as registered: its name, which events bound to it share, and its function.
    struct Handler {
        std::shared_ptr<const std::string> name;
        std::any function;
    };
    const Handler* find_handler_entry(std::string_view name) const;  // case-insensitive

    // Frees all owned components now, last created first.
    void destroy_components();

  private:
    void insert_component(Component* c);
    void remove_component(Component* c);
    void index_name(Component* c);
    void unindex_name(Component* c);

    // The owned components by name, ignoring case, built once an owner holds many of them.
    class NameIndex;

    std::string name_;
    Component* owner_ = nullptr;
    Component* parent_ = nullptr;
    std::vector<Component*> components_;
    std::vector<Component*> children_;
    std::vector<Component*> free_notifies_;
    std::unique_ptr<NameIndex> name_index_;
    std::size_t shadowed_names_ = 0;  // owned components whose name another one holds
    std::unique_ptr<std::vector<Handler>> handlers_;
    bool loading_ = false;
    bool destroying_ = false;
};

bool is_valid_identifier(std::string_view name);

}  // namespace tolsy
