#include "toolkit/components/component_stream.h"

#include "toolkit/components/binary_stream.h"
#include "toolkit/components/class_builder.h"
#include "toolkit/components/stream_errors.h"

namespace tolsy {
namespace {

const ClassInfo& class_for(const ObjectNode& node) {
    const ClassInfo* info = find_class(node.class_name);
    if (!info)
        throw ClassNotFoundError(at_offset("Class " + node.class_name + " not found", node.offset));
    if (!info->is_component()) {
        throw ClassNotFoundError(
            at_offset("Class " + node.class_name + " is not a component", node.offset));
    }
    return *info;
}

class ComponentReader {
  public:
    explicit ComponentReader(Component& root) { ctx_.root = &root; }

    void read_root(const ObjectNode& node) {
        Component& root = *ctx_.root;
        if (!same_text(node.class_name, root.class_info().name())) {
            throw ClassNotFoundError(at_offset(
                "Class " + root.class_info().name() + " expected, found " + node.class_name,
                node.offset));
        }
        root.set_loading(true);
        ctx_.created.push_back(&root);
        root.set_name(node.name);
        read_object(root, node);
        finish();
    }

  private:
    void read_object(Component& c, const ObjectNode& node) {
        for (const Property& p : node.properties) {
            ctx_.component = &c;
            apply_property(c, p, ctx_);
        }
        for (const ObjectNode& child : node.children) read_child(c, child);
    }

    void read_child(Component& parent, const ObjectNode& node) {
        Component& root = *ctx_.root;
        Component* c = nullptr;
        if (node.flags & kFilerInherited) {
            // An inherited object updates the component of that name the root already has.
            c = root.find_component(node.name);
            if (!c)
                throw ClassNotFoundError(
                    at_offset("Inherited component " + node.name + " not found", node.offset));
        } else {
            const ClassInfo& info = class_for(node);
            c = info.create_component(&root);
            if (!c)
                throw ClassNotFoundError(
                    at_offset("Class " + node.class_name + " cannot be created", node.offset));
            try {
                c->set_name(node.name);
            } catch (const ComponentNameError& e) {
                delete c;
                throw ComponentNameError(at_offset(e.what(), node.offset));
            }
            bind_field(node, c);
            c->set_parent_component(&parent);
        }
        c->set_loading(true);
        ctx_.created.push_back(c);
        read_object(*c, node);
    }

    void bind_field(const ObjectNode& node, Component* c) {
        if (node.name.empty()) return;
        const FieldInfo* field = ctx_.root->class_info().find_field(node.name);
        if (field && !field->assign(*ctx_.root, c)) {
            throw PropertyValueError(
                at_offset("Field " + node.name + " has a different class than " + node.class_name,
                          node.offset));
        }
    }

    void finish() {
        for (auto& fixup : ctx_.fixups) fixup();
        for (Component* c : ctx_.created) c->set_loading(false);
        for (Component* c : ctx_.created) c->loaded();
    }

    ReadContext ctx_;
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
        throw ClassNotFoundError(
            at_offset("Class " + node.class_name + " cannot be created", node.offset));
    read_into(*root, node);
    return root;
}

Component& read_component(const ObjectNode& node, Component& owner) {
    Component* root = class_for(node).create_component(&owner);
    if (!root)
        throw ClassNotFoundError(
            at_offset("Class " + node.class_name + " cannot be created", node.offset));
    try {
        read_into(*root, node);
    } catch (...) {
        delete root;
        throw;
    }
    return *root;
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
