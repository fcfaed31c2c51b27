#pragma once
// The main window's description as the build makes it, read into its control components with
// every handler recording its calls, and decoded for the parts that are not controls.
#include <memory>
#include <string>
#include <vector>

#include "app/form1_description.h"
#include "base/windows1252.h"
#include "built_forms.h"
#include "toolkit/components/window_description.h"

namespace tolsy::test {

class BuiltForm1 {
  public:
    BuiltForm1() : bytes(built_form("TFORM1")), node(parse_binary_stream(bytes)) {
        DescriptionHandlers handlers;
        std::vector<std::string> names;
        collect_handler_names(node, names);
        for (const std::string& name : names) {
            handlers.emplace_back(name, [this, name](Component& sender) {
                calls.push_back(name + ":" + sender.name());
            });
        }
        form = std::make_unique<Form1Description>();
        read_description(*form, bytes, handlers, keep_form1_controls);
    }

    // The handler an event reached, with its sender; empty when none ran.
    std::string fire(NotifyEvent& event, Component& sender) {
        calls.clear();
        event(sender);
        return calls.empty() ? std::string() : calls.back();
    }

    const std::vector<std::uint8_t> bytes;
    const ObjectNode node;
    std::unique_ptr<Form1Description> form;
    std::vector<std::string> calls;
};

// A stored value as the description's text form writes it: identifiers and numbers as they
// are, strings unquoted, sets in brackets; empty when the property is not stored.
inline std::string stored(const ObjectNode& object, std::string_view property) {
    const Property* p = find_property(object, property);
    if (!p) return {};
    const Value& v = p->value;
    if (v.is_integer()) return std::to_string(v.integer);
    switch (v.type) {
        case ValueType::kFalse:
            return "False";
        case ValueType::kTrue:
            return "True";
        case ValueType::kWString:
            return utf16_to_windows1252(v.wide()).value_or("?");
        case ValueType::kSet: {
            std::string text = "[";
            for (const std::string& e : v.set_elements()) text += (text.size() > 1 ? ", " : "") + e;
            return text + "]";
        }
        default:
            return v.bytes;
    }
}

}  // namespace tolsy::test
