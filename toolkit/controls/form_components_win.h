#pragma once
// The components of a window description that act on the window itself (its window menu, its
// frame), read into a root that knows the form they belong to. Such a component finds its form
// through its owner, and refuses an owner that is not one.
#include <stdexcept>

#include "toolkit/components/component.h"
#include "toolkit/controls/form_win.h"

namespace tolsy {

// The toolkit's error for a conversion to a class the object does not have.
class InvalidCastError : public std::runtime_error {
  public:
    InvalidCastError() : std::runtime_error("Invalid class typecast") {}
};

class FormComponents : public Component {
    TOLSY_PERSISTENT(FormComponents)
    explicit FormComponents(Form& form) : Component(nullptr), form_(&form) {}
    ~FormComponents() override { destroy_components(); }

    Form& form() const { return *form_; }

  private:
    Form* form_;
};

// The form that owns `component`, as a type-safe conversion: throws InvalidCastError when the
// owner is not a form's component root.
Form& owner_form(const Component& component);

}  // namespace tolsy
