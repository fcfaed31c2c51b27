#include "toolkit/components/string_list.h"

#include "toolkit/components/class_builder.h"

namespace tolsy {

const ClassInfo& StringList::static_class_info() {
    static const ClassInfo info = declare_class<StringList>("TStrings", nullptr, [](auto& c) {
        c.custom(
            "Strings",
            [](StringList& self, const Value& v, ReadContext& ctx) {
                if (v.type != ValueType::kList) ctx.fail("list of strings expected");
                self.lines.clear();
                for (const Value& line : v.list()) self.lines.push_back(codec::to_wide(line, ctx));
            },
            [](const StringList& self) -> std::optional<Value> {
                if (self.lines.empty()) return std::nullopt;
                Value v;
                v.type = ValueType::kList;
                for (const std::u16string& line : self.lines)
                    v.list().push_back(codec::from_wide(line));
                return v;
            });
    });
    return info;
}

}  // namespace tolsy
