#include "toolkit/components/class_builder.h"

#include "toolkit/components/stream_errors.h"

namespace tolsy {

void throw_unknown_property(const Persistent& obj, const Property& property) {
    throw UnknownPropertyError(
        "Property " + property.name + " does not exist in class " + obj.class_info().name(),
        property.offset);
}

void apply_property(Persistent& target, const Property& property, ReadContext& ctx) {
    apply_property_by(target, property, ctx, [](const ClassInfo& info, std::string_view rest) {
        const std::size_t dot = rest.find('.');
        return PropertyStep{info.find_property(rest.substr(0, dot)), dot};
    });
}

void write_properties(const Persistent& obj, const std::string& prefix, std::vector<Property>& out,
                      WriteContext& ctx) {
    for (const PropertyInfo& p : obj.class_info().properties()) {
        p.write(obj, p, prefix + p.name, out, ctx);
    }
}

void clear_references(Persistent& obj, const Component& dead) {
    for (const PropertyInfo& p : obj.class_info().properties()) {
        switch (p.kind) {
            case PropertyKind::kReference:
                p.clear_reference(obj, dead);
                break;
            case PropertyKind::kObject:
                clear_references(*p.nested(obj), dead);
                break;
            case PropertyKind::kCollection: {
                auto& col = static_cast<Collection&>(*p.nested(obj));
                for (std::size_t i = 0; i < col.size(); ++i) clear_references(col.at(i), dead);
                break;
            }
            default:
                break;
        }
    }
}

Component* resolve_reference(Component& root, std::string_view name) {
    const std::size_t dot = name.find('.');
    if (dot == std::string_view::npos) {
        if (Component* c = root.find_component(name)) return c;
        return same_text(root.name(), name) ? &root : nullptr;
    }
    Component* head = resolve_reference(root, name.substr(0, dot));
    return head ? resolve_reference(*head, name.substr(dot + 1)) : nullptr;
}

std::string reference_name(const Component& target, const Component* root) {
    if (&target == root || target.owner() == root || !target.owner()) return target.name();
    return reference_name(*target.owner(), root) + "." + target.name();
}

void read_collection(Collection& collection, const Value& v, ReadContext& ctx) {
    if (v.type != ValueType::kCollection) ctx.fail("collection expected");
    collection.clear();
    const std::string_view name = ctx.property;
    for (const ItemNode& node : v.items()) {
        CollectionItem& item = collection.add();
        for (const Property& p : node.properties) apply_property(item, p, ctx);
        ctx.property = name;
    }
}

Value write_collection(const Collection& collection, WriteContext& ctx) {
    Value v;
    v.type = ValueType::kCollection;
    for (std::size_t i = 0; i < collection.size(); ++i) {
        ItemNode& node = v.items().emplace_back();
        write_properties(collection.at(i), "", node.properties, ctx);
    }
    return v;
}

void defer_reference(ReadContext& ctx, std::string name, std::function<bool(Component*)> assign) {
    Component* holder = ctx.component;
    Component* root = ctx.root;
    const std::string property(ctx.property);
    const std::size_t offset = ctx.offset;
    ctx.fixups.push_back([=, name = std::move(name), assign = std::move(assign)] {
        Component* target = root ? resolve_reference(*root, name) : nullptr;
        auto fail = [&](const std::string& what) {
            throw PropertyValueError("Invalid property value for " + property + ": " + what,
                                     offset);
        };
        if (!target) fail("component " + name + " not found");
        if (!assign(target)) fail("component " + name + " has the wrong class");
        if (holder) holder->free_notification(*target);
    });
}

}  // namespace tolsy
