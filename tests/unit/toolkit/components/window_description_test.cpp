// Reading a window description into a root: the whole of it or a part, with the window's
// handlers bound by name.
#include "toolkit/components/window_description.h"

#include <gtest/gtest.h>

#include "toolkit/components/class_builder.h"
#include "toolkit/components/control.h"
#include "toolkit/components/stream_errors.h"
#include "toolkit/components/text_stream.h"

namespace tolsy {
namespace {

// A root that reads the buttons of a "TMainWindow" description.
class ButtonsRoot : public Component {
    TOLSY_PERSISTENT(ButtonsRoot)
    ButtonsRoot() : Component(nullptr) { register_control_classes(); }
    ~ButtonsRoot() override { destroy_components(); }
};

const ClassInfo& ButtonsRoot::static_class_info() {
    static const ClassInfo info = declare_class<ButtonsRoot, Component>("TButtons", [](auto&) {});
    return info;
}

const std::vector<std::uint8_t>& description() {
    static const std::vector<std::uint8_t> bytes = object_text_to_binary(
        "object Main: TMainWindow\n"
        "  Caption = 'Main'\n"
        "  object OkButton: TTeButton\n"
        "    OnClick = OkButtonClick\n"
        "  end\n"
        "  object NameEdit: TTeEdit\n"
        "    OnChange = NameEditChange\n"
        "  end\n"
        "end\n");
    return bytes;
}

void keep_buttons(ObjectNode& node) {
    node.properties.clear();
    std::erase_if(node.children, [](const ObjectNode& c) { return c.class_name != "TTeButton"; });
}

TEST(ReadDescription, APartIsReadUnderTheRootsClassWithItsHandlersBound) {
    std::vector<std::string> calls;
    const DescriptionHandlers handlers = {
        {"OkButtonClick", [&](Component& sender) { calls.push_back(sender.name()); }},
    };
    ButtonsRoot root;
    read_description(root, description(), handlers, keep_buttons);
    EXPECT_EQ(root.name(), "Main");
    ASSERT_EQ(root.components().size(), 1u);
    auto* button = dynamic_cast<TeButton*>(root.find_component("OkButton"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->owner(), &root);
    button->on_click(*button);
    EXPECT_EQ(calls, std::vector<std::string>{"OkButton"});
}

TEST(ReadDescription, TheWholeDescriptionMustBeOfTheRootsClassAndBindEveryEvent) {
    ButtonsRoot other_class;
    EXPECT_THROW(read_description(other_class, description()), ClassNotFoundError);
    // A handler the window does not give is an error of the description.
    ButtonsRoot unbound;
    EXPECT_THROW(read_description(unbound, description(), {}, keep_buttons), PropertyValueError);
}

}  // namespace
}  // namespace tolsy
