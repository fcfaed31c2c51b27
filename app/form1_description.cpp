#include "app/form1_description.h"

#include <algorithm>

#include "toolkit/components/binary_stream.h"
#include "toolkit/components/component_stream.h"

namespace tolsy {

namespace {
constexpr char kReadingRootClass[] = "TForm1Controls";
// The Close button fades on hover (an effect of the skin); here it is read as a push button.
constexpr std::string_view kEffectButtonClass = "TTeEffectButton";
constexpr std::string_view kButtonClass = "TTeButton";

bool is_control_class(std::string_view name) {
    for (std::string_view known :
         {"TTePageControl", "TTeTabSheet", "TTeGroupBox", "TTePanel", "TTeEdit", "TTeComboBox",
          "TTeCheckBox", "TTeButton", "TTeSpeedButton"}) {
        if (same_text(name, known)) return true;
    }
    return false;
}

// Keeps the properties a class publishes (the effect button's animation settings go).
void keep_published(ObjectNode& node, const ClassInfo& info) {
    std::erase_if(node.properties, [&](const Property& p) {
        const std::string_view head = std::string_view(p.name).substr(0, p.name.find('.'));
        return info.find_property(head) == nullptr;
    });
}

// The controls of a node, recursively; other components are left out.
void keep_controls(ObjectNode& node) {
    std::erase_if(node.children, [](const ObjectNode& child) {
        return !is_control_class(child.class_name) &&
               !same_text(child.class_name, kEffectButtonClass);
    });
    for (ObjectNode& child : node.children) {
        if (same_text(child.class_name, kEffectButtonClass)) {
            child.class_name = std::string(kButtonClass);
            keep_published(child, TeButton::static_class_info());
        }
        keep_controls(child);
    }
}

}  // namespace

const ClassInfo& Form1Description::static_class_info() {
    static const ClassInfo info = declare_class<Form1Description, Component>(
        kReadingRootClass, [](auto& c) { c.object("Font", &Form1Description::font); });
    return info;
}

std::vector<Control*> Form1Description::top_controls() const {
    std::vector<Control*> controls;
    for (Component* child : child_components()) {
        if (auto* control = dynamic_cast<Control*>(child)) controls.push_back(control);
    }
    std::stable_sort(controls.begin(), controls.end(), [](const Control* a, const Control* b) {
        return static_cast<unsigned>(a->tab_order) < static_cast<unsigned>(b->tab_order);
    });
    return controls;
}

std::unique_ptr<Form1Description> read_form1_description(std::span<const std::uint8_t> bytes,
                                                         const Form1Handlers& handlers) {
    register_control_classes();
    ObjectNode node = parse_binary_stream(bytes);
    node.class_name = kReadingRootClass;
    keep_published(node, Form1Description::static_class_info());
    keep_controls(node);

    auto description = std::make_unique<Form1Description>();
    for (const auto& [name, function] : handlers) description->add_handler(name, function);
    read_into(*description, node);
    return description;
}

}  // namespace tolsy
