#pragma once
// Declaring a persistent class and its published properties, once per class:
//
//   const ClassInfo& TeButton::static_class_info() {
//       static const ClassInfo info = declare_class<TeButton, Control>("TTeButton", [](auto& c) {
//           c.integer("TabOrder", &TeButton::tab_order, -1);
//           c.wide_string("Caption", getset(&TeButton::caption, &TeButton::set_caption));
//           c.enumeration("Kind", &TeButton::kind, kButtonKinds, 0);
//           c.object("Font", &TeButton::font);               // Font.Height, Font.Name ...
//           c.reference("ThemeList", &TeButton::theme_list); // resolved after reading
//           c.event("OnClick", &TeButton::on_click);         // bound to a registered handler
//           c.binary("Objects", read_objects, write_objects);
//       });
//       return info;
//   }
//
// A property is given a field (`&T::x`) or a getter/setter pair (`getset(&T::x, &T::set_x)`)
// and a default; only values that differ from the default are written (always_stored() after
// a declaration writes it regardless). Declaring a name the parent class has replaces it.
#include <any>
#include <cmath>
#include <functional>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "toolkit/components/class_info.h"
#include "toolkit/components/collection.h"
#include "toolkit/components/colors.h"
#include "toolkit/components/component.h"
#include "toolkit/components/event.h"
#include "toolkit/components/property_codecs.h"

namespace tolsy {

template <class G, class S>
struct GetSet {
    G get;
    S set;
};
template <class G, class S>
GetSet<G, S> getset(G get, S set) {
    return {get, set};
}

namespace detail {

template <class T, class A>
struct Access;

template <class T, class F, class C>
struct Access<T, F C::*> {
    static_assert(std::is_base_of_v<C, T>, "the field must belong to the declared class");
    using value_type = F;
    static F get(const T& obj, F C::*m) { return obj.*m; }
    static void set(T& obj, F C::*m, F v) { obj.*m = std::move(v); }
};

template <class T, class G, class S>
struct Access<T, GetSet<G, S>> {
    using value_type = std::decay_t<std::invoke_result_t<G, const T&>>;
    static value_type get(const T& obj, const GetSet<G, S>& a) { return std::invoke(a.get, obj); }
    static void set(T& obj, const GetSet<G, S>& a, value_type v) {
        std::invoke(a.set, obj, std::move(v));
    }
};

}  // namespace detail

template <class T, class A>
using AccessorValue = typename detail::Access<T, A>::value_type;

// Reading and writing helpers shared by every class.
// Applies one (possibly dotted) property; unknown names throw UnknownPropertyError.
void apply_property(Persistent& target, const Property& property, ReadContext& ctx);

// One part of a dotted property name: the property it names in a class (null when there is
// none) and where the dot after it is (npos for the last part).
struct PropertyStep {
    const PropertyInfo* info = nullptr;
    std::size_t dot = std::string_view::npos;
};
[[noreturn]] void throw_unknown_property(const Persistent& obj, const Property& property);
// As apply_property, with each part of the name found by `find(class, rest of the name)`: a
// reader with a faster way to find names (hints, keys already read) passes its own.
template <class Find>
void apply_property_by(Persistent& target, const Property& property, ReadContext& ctx,
                       Find&& find) {
    Persistent* obj = &target;
    std::string_view rest = property.name;
    for (;;) {
        const PropertyStep step = find(obj->class_info(), rest);
        const bool last = step.dot == std::string_view::npos;
        if (!step.info || (!last && step.info->kind != PropertyKind::kObject))
            throw_unknown_property(*obj, property);
        if (last) {
            ctx.property = property.name;
            ctx.offset = property.offset;
            ctx.data_offset = property.offset;
            step.info->read(*obj, property.value, ctx);
            return;
        }
        obj = step.info->nested(*obj);
        rest = rest.substr(step.dot + 1);
    }
}
// Appends the properties of `obj` that differ from their defaults, names prefixed by `prefix`.
void write_properties(const Persistent& obj, const std::string& prefix, std::vector<Property>& out,
                      WriteContext& ctx);
// Clears every reference property (also in nested objects and collection items) to `dead`.
void clear_references(Persistent& obj, const Component& dead);
// Finds the component a reference names: a component of the root, the root itself, or
// "Owner.Name" for a component of another root's component.
Component* resolve_reference(Component& root, std::string_view name);
// The name a reference is written with.
std::string reference_name(const Component& target, const Component* root);

// Reads a collection value into a collection (clearing it first) and writes one.
void read_collection(Collection& collection, const Value& v, ReadContext& ctx);
Value write_collection(const Collection& collection, WriteContext& ctx);
// Records a reference to resolve after the whole description is read; `assign` returns false
// when the named component has the wrong class.
void defer_reference(ReadContext& ctx, std::string name, std::function<bool(Component*)> assign);

template <class T>
class ClassBuilder {
  public:
    explicit ClassBuilder(ClassInfo& info) : info_(info) {}

    template <class A>
    ClassBuilder& integer(std::string_view name, A access, AccessorValue<T, A> def = {}) {
        using F = AccessorValue<T, A>;
        static_assert(std::is_integral_v<F>, "integer properties need an integral type");
        return scalar<A>(
            name, PropertyKind::kInteger, access, def, nullptr,
            [](const Value& v, ReadContext& ctx) -> F {
                if constexpr (std::is_signed_v<F>) {
                    return static_cast<F>(codec::to_integer(v, ctx, std::numeric_limits<F>::min(),
                                                            std::numeric_limits<F>::max()));
                } else {
                    return static_cast<F>(
                        codec::to_unsigned(v, ctx, std::numeric_limits<F>::max()));
                }
            },
            [](const F& v) {
                if constexpr (std::is_signed_v<F> || sizeof(F) < 4) {
                    return Value::integer_value(static_cast<std::int64_t>(v));
                } else if constexpr (sizeof(F) == 4) {
                    return Value::integer_value(static_cast<std::int32_t>(v));
                } else {
                    return Value::integer_value(static_cast<std::int64_t>(v));
                }
            });
    }

    template <class A>
    ClassBuilder& boolean(std::string_view name, A access, bool def = false) {
        return scalar<A>(
            name, PropertyKind::kBoolean, access, def, nullptr,
            [](const Value& v, ReadContext& ctx) { return codec::to_boolean(v, ctx); },
            [](const bool& v) { return Value::boolean(v); });
    }

    template <class A>
    ClassBuilder& enumeration(std::string_view name, A access, const EnumInfo& values,
                              AccessorValue<T, A> def = {}) {
        using F = AccessorValue<T, A>;
        const EnumInfo* info = &values;
        return scalar<A>(
            name, PropertyKind::kEnumeration, access, def, info,
            [info](const Value& v, ReadContext& ctx) {
                return static_cast<F>(codec::to_enum(v, *info, ctx));
            },
            [info](const F& v) { return codec::from_enum(static_cast<int>(v), *info); });
    }

    template <class A>
    ClassBuilder& set(std::string_view name, A access, const EnumInfo& elements,
                      AccessorValue<T, A> def = {}) {
        using F = AccessorValue<T, A>;
        const EnumInfo* info = &elements;
        return scalar<A>(
            name, PropertyKind::kSet, access, def, info,
            [info](const Value& v, ReadContext& ctx) {
                return static_cast<F>(codec::to_set(v, *info, ctx));
            },
            [info](const F& v) { return codec::from_set(static_cast<std::uint64_t>(v), *info); });
    }

    template <class A>
    ClassBuilder& string(std::string_view name, A access, std::string def = {}) {
        return scalar<A>(
            name, PropertyKind::kString, access, std::move(def), nullptr,
            [](const Value& v, ReadContext& ctx) { return codec::to_ansi(v, ctx); },
            [](const std::string& v) { return codec::from_ansi(v); });
    }

    template <class A>
    ClassBuilder& wide_string(std::string_view name, A access, std::u16string def = {}) {
        return scalar<A>(
            name, PropertyKind::kWideString, access, std::move(def), nullptr,
            [](const Value& v, ReadContext& ctx) { return codec::to_wide(v, ctx); },
            [](const std::u16string& v) { return codec::from_wide(v); });
    }

    template <class A>
    ClassBuilder& color(std::string_view name, A access, Color def) {
        return scalar<A>(
            name, PropertyKind::kColor, access, def, nullptr,
            [](const Value& v, ReadContext& ctx) { return codec::to_color(v, ctx); },
            [](const Color& v) { return codec::from_color(v); });
    }

    template <class A>
    ClassBuilder& charset(std::string_view name, A access, std::uint8_t def = kDefaultCharset) {
        return scalar<A>(
            name, PropertyKind::kCharset, access, def, nullptr,
            [](const Value& v, ReadContext& ctx) { return codec::to_charset(v, ctx); },
            [](const std::uint8_t& v) { return codec::from_charset(v); });
    }

    // float fields are written as Single, double and long double as Extended.
    template <class A>
    ClassBuilder& real(std::string_view name, A access, AccessorValue<T, A> def = {}) {
        using F = AccessorValue<T, A>;
        static_assert(std::is_floating_point_v<F>, "real properties need a floating-point type");
        return scalar<A>(
            name, PropertyKind::kFloat, access, def, nullptr,
            [](const Value& v, ReadContext& ctx) {
                const long double x = codec::to_float(v, ctx);
                if (std::isfinite(x) && std::fabs(x) > std::numeric_limits<F>::max()) {
                    ctx.fail("number out of range");
                }
                return static_cast<F>(x);
            },
            [](const F& v) {
                if constexpr (std::is_same_v<F, float>)
                    return Value::single(v);
                else
                    return Value::extended(static_cast<long double>(v));
            });
    }

    // A nested persistent member (by value): its properties are written as "Name.Sub".
    template <class F, class C>
    ClassBuilder& object(std::string_view name, F C::*member) {
        static_assert(std::is_base_of_v<Persistent, F>, "object properties hold a Persistent");
        PropertyInfo p = base(name, PropertyKind::kObject);
        p.target_class = &F::static_class_info();
        p.nested = [member](Persistent& obj) -> Persistent* {
            return &(static_cast<T&>(obj).*member);
        };
        p.write = [member](const Persistent& obj, const PropertyInfo&, const std::string& path,
                           std::vector<Property>& out, WriteContext& ctx) {
            write_properties(static_cast<const T&>(obj).*member, path + ".", out, ctx);
        };
        p.read = [](Persistent&, const Value&, ReadContext& ctx) {
            ctx.fail("a nested object takes no value");
        };
        return add(std::move(p));
    }

    // A collection member (by value, derived from Collection).
    template <class F, class C>
    ClassBuilder& collection(std::string_view name, F C::*member) {
        static_assert(std::is_base_of_v<Collection, F>, "collection properties hold a Collection");
        PropertyInfo p = base(name, PropertyKind::kCollection);
        p.nested = [member](Persistent& obj) -> Persistent* {
            return &(static_cast<T&>(obj).*member);
        };
        p.read = [member](Persistent& obj, const Value& v, ReadContext& ctx) {
            read_collection(static_cast<T&>(obj).*member, v, ctx);
        };
        p.write = [member](const Persistent& obj, const PropertyInfo& info, const std::string& path,
                           std::vector<Property>& out, WriteContext& ctx) {
            const Collection& col = static_cast<const T&>(obj).*member;
            if (!col.empty() || info.always_stored)
                out.push_back({path, write_collection(col, ctx)});
        };
        return add(std::move(p));
    }

    // A reference to another component (F* field), written by name and resolved after reading.
    template <class F, class C>
    ClassBuilder& reference(std::string_view name, F* C::*member) {
        static_assert(std::is_base_of_v<Component, F>, "references point to components");
        PropertyInfo p = base(name, PropertyKind::kReference);
        p.read = [member](Persistent& obj, const Value& v, ReadContext& ctx) {
            T& self = static_cast<T&>(obj);
            if (v.type == ValueType::kNil) {
                self.*member = nullptr;
                return;
            }
            if (v.type != ValueType::kIdent) ctx.fail("component name expected");
            defer_reference(ctx, v.bytes, [&self, member](Component* c) -> bool {
                F* typed = dynamic_cast<F*>(c);
                if (!typed) return false;
                self.*member = typed;
                return true;
            });
        };
        p.write = [member](const Persistent& obj, const PropertyInfo&, const std::string& path,
                           std::vector<Property>& out, WriteContext& ctx) {
            const F* target = static_cast<const T&>(obj).*member;
            if (target) out.push_back({path, Value::ident(reference_name(*target, ctx.root))});
        };
        p.clear_reference = [member](Persistent& obj, const Component& dead) {
            F*& ref = static_cast<T&>(obj).*member;
            if (ref && static_cast<const Component*>(ref) == &dead) ref = nullptr;
        };
        return add(std::move(p));
    }

    // An event bound by handler name to a function the root registered (register_handler).
    template <class C, class... Args>
    ClassBuilder& event(std::string_view name, Event<Args...> C::*member) {
        PropertyInfo p = base(name, PropertyKind::kEvent);
        p.read = [member](Persistent& obj, const Value& v, ReadContext& ctx) {
            Event<Args...>& e = static_cast<T&>(obj).*member;
            if (v.type == ValueType::kNil) {
                e.clear();
                return;
            }
            if (v.type != ValueType::kIdent) ctx.fail("handler name expected");
            const Component::Handler* h =
                ctx.root ? ctx.root->find_handler_entry(v.bytes) : nullptr;
            if (!h) ctx.fail("handler " + v.bytes + " not found");
            auto* fn = std::any_cast<typename Event<Args...>::Function>(&h->function);
            if (!fn) ctx.fail("handler " + v.bytes + " has the wrong parameters");
            // The event keeps the name as the description spells it: the registered one, shared,
            // when they are the same.
            if (*h->name == v.bytes) {
                e.bind(h->name, *fn);
            } else {
                e.bind(v.bytes, *fn);
            }
        };
        p.write = [member](const Persistent& obj, const PropertyInfo&, const std::string& path,
                           std::vector<Property>& out, WriteContext&) {
            const Event<Args...>& e = static_cast<const T&>(obj).*member;
            if (!e.handler_name().empty()) out.push_back({path, Value::ident(e.handler_name())});
        };
        return add(std::move(p));
    }

    // A property the class reads and writes itself as binary data; write returns nullopt to
    // leave it out.
    ClassBuilder& binary(std::string_view name,
                         std::function<void(T&, std::span<const std::uint8_t>, ReadContext&)> read,
                         std::function<std::optional<std::string>(const T&)> write) {
        PropertyInfo p = base(name, PropertyKind::kCustom);
        p.read = [read](Persistent& obj, const Value& v, ReadContext& ctx) {
            const std::string data = codec::to_binary(v, ctx);
            read(static_cast<T&>(obj),
                 {reinterpret_cast<const std::uint8_t*>(data.data()), data.size()}, ctx);
        };
        p.read_binary = [read](Persistent& obj, std::span<const std::uint8_t> data,
                               ReadContext& ctx) { read(static_cast<T&>(obj), data, ctx); };
        p.write = [write](const Persistent& obj, const PropertyInfo&, const std::string& path,
                          std::vector<Property>& out, WriteContext&) {
            if (auto data = write(static_cast<const T&>(obj)))
                out.push_back({path, Value::binary(std::move(*data))});
        };
        return add(std::move(p));
    }

    // A property the class reads and writes itself as any stream value (`Items.Strings` list).
    ClassBuilder& custom(std::string_view name,
                         std::function<void(T&, const Value&, ReadContext&)> read,
                         std::function<std::optional<Value>(const T&)> write) {
        PropertyInfo p = base(name, PropertyKind::kCustom);
        p.read = [read](Persistent& obj, const Value& v, ReadContext& ctx) {
            read(static_cast<T&>(obj), v, ctx);
        };
        p.write = [write](const Persistent& obj, const PropertyInfo&, const std::string& path,
                          std::vector<Property>& out, WriteContext&) {
            if (auto v = write(static_cast<const T&>(obj))) out.push_back({path, std::move(*v)});
        };
        return add(std::move(p));
    }

    // A window's member set to the component of this name when its description is read.
    template <class F, class C>
    ClassBuilder& field(std::string_view name, F* C::*member) {
        static_assert(std::is_base_of_v<Component, F>, "fields point to components");
        info_.add_field({std::string(name), [member](Persistent& root, Component* c) {
                             F* typed = dynamic_cast<F*>(c);
                             if (!typed) return false;
                             static_cast<T&>(root).*member = typed;
                             return true;
                         }});
        return *this;
    }

    // The property declared last is written even when it equals its default.
    ClassBuilder& always_stored() {
        info_.last_property().always_stored = true;
        return *this;
    }

  private:
    PropertyInfo base(std::string_view name, PropertyKind kind) {
        PropertyInfo p;
        p.name = std::string(name);
        p.kind = kind;
        return p;
    }

    ClassBuilder& add(PropertyInfo p) {
        info_.add_property(std::move(p));
        return *this;
    }

    template <class A, class F, class Decode, class Encode>
    ClassBuilder& scalar(std::string_view name, PropertyKind kind, A access, F def,
                         const EnumInfo* info, Decode decode, Encode encode) {
        using Acc = detail::Access<T, A>;
        PropertyInfo p = base(name, kind);
        p.enum_info = info;
        p.read = [access, decode](Persistent& obj, const Value& v, ReadContext& ctx) {
            Acc::set(static_cast<T&>(obj), access, decode(v, ctx));
        };
        p.write = [access, encode, def](const Persistent& obj, const PropertyInfo& self,
                                        const std::string& path, std::vector<Property>& out,
                                        WriteContext&) {
            const F current = Acc::get(static_cast<const T&>(obj), access);
            if (self.always_stored || !(current == def)) out.push_back({path, encode(current)});
        };
        return add(std::move(p));
    }

    ClassInfo& info_;
};

// Builds the class information of T with parent class `parent` (null for a root class).
template <class T, class Declare>
ClassInfo declare_class(std::string name, const ClassInfo* parent, Declare declare) {
    ClassInfo info(std::move(name), parent);
    if constexpr (std::is_base_of_v<Component, T> && !std::is_abstract_v<T> &&
                  std::is_constructible_v<T, Component*>) {
        info.set_factories(
            true, [](Component* owner) -> Component* { return new T(owner); }, nullptr);
    } else if constexpr (std::is_base_of_v<Component, T>) {
        info.set_factories(true, nullptr, nullptr);
    } else if constexpr (!std::is_abstract_v<T> && std::is_default_constructible_v<T>) {
        info.set_factories(false, nullptr,
                           []() -> std::unique_ptr<Persistent> { return std::make_unique<T>(); });
    }
    ClassBuilder<T> builder(info);
    declare(builder);
    return info;
}

template <class T, class Base, class Declare>
ClassInfo declare_class(std::string name, Declare declare) {
    static_assert(std::is_base_of_v<Base, T>);
    return declare_class<T>(std::move(name), &Base::static_class_info(), declare);
}

}  // namespace tolsy
