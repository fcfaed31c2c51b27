#include "toolkit/controls/form_components_win.h"

#include "toolkit/components/class_builder.h"

namespace tolsy {

const ClassInfo& FormComponents::static_class_info() {
    static const ClassInfo info =
        declare_class<FormComponents, Component>("TFormComponents", [](auto&) {});
    return info;
}

Form& owner_form(const Component& component) {
    auto* root = dynamic_cast<FormComponents*>(component.owner());
    if (!root) throw InvalidCastError();
    return root->form();
}

}  // namespace tolsy
