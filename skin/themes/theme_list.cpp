#include "skin/themes/theme_list.h"

#include "skin/themes/theme_manager.h"
#include "toolkit/components/class_builder.h"

namespace tolsy {

const ClassInfo& TTeThemeStream::static_class_info() {
    using T = TTeThemeStream;
    static const ClassInfo info = declare_class<T, CollectionItem>("TTeThemeStream", [](auto& c) {
        c.string("ThemeStore", getset(&T::theme_store, &T::set_theme_store),
                 std::string(kEmptyThemeStore));
        c.integer("Tag", &T::tag);
        c.binary(
            "ThemeStream",
            [](T& item, std::span<const std::uint8_t> bytes, ReadContext&) {
                item.read_container(bytes);
            },
            [](const T& item) -> std::optional<std::string> {
                const Bytes bytes = item.write_container();
                return std::string(bytes.begin(), bytes.end());
            });
    });
    return info;
}

void TTeThemeStream::store(std::string name, Bytes theme) {
    data_.theme_store = std::move(name);
    data_.buffer = std::move(theme);
}

void TTeThemeStream::read_container(std::span<const std::uint8_t> bytes) {
    ByteReader in(bytes);
    read_theme_container(in, data_, theme_manager());
}

Bytes TTeThemeStream::write_container() const {
    ByteWriter out;
    write_theme_container(out, data_);
    return out.take();
}

const ClassInfo& TTeThemeCollection::static_class_info() {
    static const ClassInfo info =
        declare_class<TTeThemeCollection, Collection>("TTeThemeCollection", [](auto&) {});
    return info;
}

const ClassInfo& TTeThemeList::static_class_info() {
    using T = TTeThemeList;
    static const ClassInfo info = declare_class<T, Component>("TTeThemeList", [](auto& c) {
        c.collection("Themes", &T::themes);
        // Read-only and never stored; a description that carries it is read without effect.
        c.custom(
            "Version", [](T&, const Value&, ReadContext&) {},
            [](const T&) -> std::optional<Value> { return std::nullopt; });
    });
    return info;
}

void TTeThemeList::loaded() {
    for (std::size_t i = 0; i < themes.size(); ++i) themes.at(i).release_decoded_theme();
}

}  // namespace tolsy
