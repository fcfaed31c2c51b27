#include "skin/themes/theme_components.h"

#include <string_view>

#include "skin/themes/theme_engine.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/class_builder.h"
#include "toolkit/components/component_stream.h"

namespace tolsy {

namespace {

constexpr std::string_view kHolderClass = "TThemeComponents";

bool is_theme_component(const ObjectNode& node) {
    return node.class_name == TTeThemeList::static_class_info().name() ||
           node.class_name == TTeThemeEngine::static_class_info().name();
}

}  // namespace

const ClassInfo& ThemeComponents::static_class_info() {
    static const ClassInfo info =
        declare_class<ThemeComponents, Component>(std::string(kHolderClass), [](auto&) {});
    return info;
}

std::unique_ptr<ThemeComponents> read_theme_components(const ObjectNode& description) {
    register_theme_classes();
    ObjectNode holder;
    holder.class_name = std::string(kHolderClass);
    holder.name = description.name;
    for (const ObjectNode& child : description.children)
        if (is_theme_component(child)) holder.children.push_back(child);
    auto components = std::make_unique<ThemeComponents>();
    read_into(*components, holder);
    return components;
}

std::unique_ptr<ThemeComponents> read_theme_components(std::span<const std::uint8_t> description) {
    return read_theme_components(parse_binary_stream(description));
}

}  // namespace tolsy
