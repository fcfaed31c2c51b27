#pragma once
// Events: a notification callback bound by handler name. The description stores the name
// (`OnChange = SymbolComboBoxChange`); reading binds it to the member function the root window
// registered under that name (Component::register_handler).
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace tolsy {

class Component;

template <class... Args>
class Event {
  public:
    using Function = std::function<void(Args...)>;

    const std::string& handler_name() const { return name_ ? *name_ : no_name(); }
    explicit operator bool() const { return static_cast<bool>(fn_); }

    void bind(std::string handler_name, Function fn) {
        bind(std::make_shared<const std::string>(std::move(handler_name)), std::move(fn));
    }
    // Binds under a name shared with other events: the events bound to one registered handler
    // (a hundred buttons with the same OnClick) share its name instead of each copying it.
    void bind(std::shared_ptr<const std::string> handler_name, Function fn) {
        name_ = std::move(handler_name);
        fn_ = std::move(fn);
    }
    void clear() {
        name_.reset();
        fn_ = nullptr;
    }
    // Calls the handler when one is bound.
    void operator()(Args... args) const {
        if (fn_) fn_(std::forward<Args>(args)...);
    }

  private:
    static const std::string& no_name() {
        static const std::string empty;
        return empty;
    }

    std::shared_ptr<const std::string> name_;
    Function fn_;
};

// The common event: the sender is passed.
using NotifyEvent = Event<Component&>;

}  // namespace tolsy
