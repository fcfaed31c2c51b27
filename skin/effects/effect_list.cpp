#include "skin/effects/effect_list.h"

#include "toolkit/components/class_info.h"

namespace tolsy {

EProcItemError::EProcItemError(const std::string& name)
    : SkinError("Effect procedute " + name + " already exists in list") {}

std::string EffectList::full_name(std::string_view short_name, int kind) {
    static constexpr std::string_view kPrefixes[] = {"[ FADE ] - ", "[ SLIDE ] - ",
                                                     "[ MANUAL ] - "};
    return std::string(kPrefixes[kind]) + std::string(short_name);
}

void EffectList::add(std::string_view short_name, EffectProc proc) {
    const int kind = static_cast<int>(proc.index());
    std::string name = full_name(short_name, kind);
    for (const Effect& e : effects_) {
        if (same_text(e.name, name) || e.proc == proc)
            throw EProcItemError(std::string(short_name));
    }
    effects_.push_back({std::move(name), kind, proc});
}

const Effect* EffectList::find(std::string_view name) const {
    for (const Effect& e : effects_) {
        if (same_text(e.name, name)) return &e;
    }
    for (const Effect& e : effects_) {
        std::string_view bare = e.name;
        const auto dash = bare.find('-');
        if (dash == std::string_view::npos) continue;
        bare.remove_prefix(dash + 1);
        if (!bare.empty() && bare.front() == ' ') bare.remove_prefix(1);
        if (same_text(bare, name)) return &e;
    }
    return nullptr;
}

}  // namespace tolsy
