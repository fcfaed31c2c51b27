#include "app/form1_description.h"

#include "skin/effects/effect_controls.h"

namespace tolsy {

namespace {
constexpr char kReadingRootClass[] = "TForm1Controls";
bool is_control_class(std::string_view name) {
    for (std::string_view known :
         {"TTePageControl", "TTeTabSheet", "TTeGroupBox", "TTePanel", "TTeEdit", "TTeComboBox",
          "TTeCheckBox", "TTeButton", "TTeSpeedButton", "TTeEffectButton"}) {
        if (same_text(name, known)) return true;
    }
    return false;
}

// Keeps the properties a class publishes.
void keep_published(ObjectNode& node, const ClassInfo& info) {
    std::erase_if(node.properties, [&](const Property& p) {
        const std::string_view head = std::string_view(p.name).substr(0, p.name.find('.'));
        return info.find_property(head) == nullptr;
    });
}

// The controls of a node, recursively; other components are left out.
void keep_controls(ObjectNode& node) {
    std::erase_if(node.children,
                  [](const ObjectNode& child) { return !is_control_class(child.class_name); });
    for (ObjectNode& child : node.children) keep_controls(child);
}

}  // namespace

Form1Description::Form1Description() : Component(nullptr) {
    register_effect_classes();
}

const ClassInfo& Form1Description::static_class_info() {
    static const ClassInfo info = declare_class<Form1Description, Component>(
        kReadingRootClass, [](auto& c) { c.object("Font", &Form1Description::font); });
    return info;
}

std::vector<Control*> Form1Description::top_controls() const {
    return child_controls_of(*this);
}

void keep_form1_controls(ObjectNode& description) {
    keep_published(description, Form1Description::static_class_info());
    keep_controls(description);
}

}  // namespace tolsy
