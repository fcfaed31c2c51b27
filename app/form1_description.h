#pragma once
// The main window's controls read from its window description: the page control with its
// pages, lists and palette buttons, the panel with the display line, and the push buttons.
// The window's other components (skinned frame, theme, window menu, help) belong to the shell
// and are not read here.
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/components/control.h"
#include "toolkit/components/stream_errors.h"
#include "toolkit/components/window_description.h"

namespace tolsy {

class Form1Description : public Component {
    TOLSY_PERSISTENT(Form1Description)
    // Registers the control classes its description holds.
    Form1Description();
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

// The name of the main window's description resource.
inline constexpr char kForm1DescriptionName[] = "TFORM1";

// The part of the main window's description that Form1Description reads: the window's font and
// its controls (the Close button with its animation settings).
void keep_form1_controls(ObjectNode& description);

}  // namespace tolsy
