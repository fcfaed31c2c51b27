#pragma once
// The main window's controls read from its window description: the page control with its
// pages, lists and palette buttons, the panel with the display line, and the push buttons.
// The window's other components (skinned frame, theme, window menu, help) belong to the shell
// and are not read here.
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "toolkit/components/control.h"
#include "toolkit/components/stream_errors.h"

namespace tolsy {

class Form1Description : public Component {
    TOLSY_PERSISTENT(Form1Description)
    Form1Description() : Component(nullptr) {}
    ~Form1Description() override { destroy_components(); }

    Font font;  // the window's font, which controls with ParentFont show

    // The control of that name; throws ComponentNameError when it is missing or of
    // another kind.
    template <class T>
    T& control(std::string_view name) const {
        T* found = dynamic_cast<T*>(find_component(name));
        if (!found) throw ComponentNameError("Control " + std::string(name) + " not found");
        return *found;
    }
    // The window's direct child controls in tab order.
    std::vector<Control*> top_controls() const;
};

using Form1Handlers = std::vector<std::pair<std::string, NotifyEvent::Function>>;

// Reads the controls from the description's binary component stream; events bind to the
// handlers of the same name. Stream and property errors propagate as the reader throws them.
std::unique_ptr<Form1Description> read_form1_description(std::span<const std::uint8_t> bytes,
                                                         const Form1Handlers& handlers);

}  // namespace tolsy
