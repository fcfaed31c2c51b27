#pragma once
// Events: a notification callback bound by handler name. The description stores the name
// (`OnChange = SymbolComboBoxChange`); reading binds it to the member function the root window
// registered under that name (Component::register_handler).
#include <functional>
#include <string>
#include <utility>

namespace tolsy {

class Component;

template <class... Args>
class Event {
  public:
    using Function = std::function<void(Args...)>;

    const std::string& handler_name() const { return name_; }
    explicit operator bool() const { return static_cast<bool>(fn_); }

    void bind(std::string handler_name, Function fn) {
        name_ = std::move(handler_name);
        fn_ = std::move(fn);
    }
    void clear() {
        name_.clear();
        fn_ = nullptr;
    }
    // Calls the handler when one is bound.
    void operator()(Args... args) const {
        if (fn_) fn_(std::forward<Args>(args)...);
    }

  private:
    std::string name_;
    Function fn_;
};

// The common event: the sender is passed.
using NotifyEvent = Event<Component&>;

}  // namespace tolsy
