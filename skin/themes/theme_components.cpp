#include "skin/themes/theme_components.h"

#include <string_view>

#include "skin/themes/theme_engine.h"
#include "toolkit/components/class_builder.h"

namespace tolsy {

namespace {

constexpr std::string_view kHolderClass = "TThemeComponents";

bool is_theme_component(const ObjectNode& node) {
    return node.class_name == TTeThemeList::static_class_info().name() ||
           node.class_name == TTeThemeEngine::static_class_info().name();
}

}  // namespace

ThemeComponents::ThemeComponents() : Component(nullptr) {
    register_theme_classes();
}

const ClassInfo& ThemeComponents::static_class_info() {
    static const ClassInfo info =
        declare_class<ThemeComponents, Component>(std::string(kHolderClass), [](auto&) {});
    return info;
}

void keep_theme_components(ObjectNode& description) {
    description.properties.clear();
    std::erase_if(description.children,
                  [](const ObjectNode& child) { return !is_theme_component(child); });
}

}  // namespace tolsy
