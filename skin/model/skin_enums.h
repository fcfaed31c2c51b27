#pragma once
// Enumerations of skin object properties. Their value names are stored in skins and must be
// matched letter for letter, misspellings included (skTranparent, skTranparentOnly).
#include <cstdint>

#include <string>
#include <string_view>

#include "toolkit/components/class_info.h"
#include "toolkit/components/stream_value.h"

namespace tolsy {

enum class TSeKind : std::uint8_t {
    skNone,
    skForm,
    skCaption,
    skTitle,
    skTop,
    skLeft,
    skRight,
    skBottom,
    skTopLeft,
    skTopRight,
    skBottomLeft,
    skBottomRight,
    skSysButton,
    skClient,
    skMenuBar,
    skMenuBarItem,
    skMenuBarItemText,
    skPopupMenu,
    skPopupMenuItem,
    skPopupMenuItemText,
    skItemText,
    skTranparentOnly,
    skTranparent,
    skRoundMask,
    skNoMask,
    skMaskOnly,
};

enum class TSeAlign : std::uint8_t {
    saNone,
    saLeft,
    saMostLeft,
    saTop,
    saMostTop,
    saRight,
    saMostRight,
    saBottom,
    saMostBottom,
    saClient,
    saTopLeft,
    saTopRight,
    saBottomLeft,
    saBottomRight,
    saCenter,
    saText,
    saTopRightAngle,
    saAll,
};

enum class TSeTextAlign : std::uint8_t {
    taTopLeft,
    taTopCenter,
    taTopRight,
    taLeft,
    taCenter,
    taRight,
    taBottomLeft,
    taBottomCenter,
    taBottomRight,
};

enum class TSeTextEffect : std::uint8_t { teNone, teShadow };

enum class TscTileStyle : std::uint8_t {
    tsTile,
    tsStretch,
    tsCenter,
    tsVertCenterStretch,
    tsVertCenterTile,
    tsHorzCenterStretch,
    tsHorzCenterTile,
};

enum class TSeAction : std::uint8_t {
    sbaNone,
    sbaClose,
    sbaHelp,
    sbaMinimize,
    sbaMaximize,
    sbaRestore,
    sbaRollUp,
    sbaRollDown,
    sbaTray,
    sbaSysMenu,
    sbaRollPanel,
    sbaCustom,
};

enum class TSeRollKind : std::uint8_t { rkLeft, rkTop, rkRight, rkBottom };

const EnumInfo& kind_names();
const EnumInfo& align_names();
const EnumInfo& text_align_names();
const EnumInfo& text_effect_names();
const EnumInfo& tile_style_names();
const EnumInfo& action_names();
const EnumInfo& roll_kind_names();

// The ordinal of a stored enumeration name: exact spelling first (what skins hold), then
// ignoring case as the toolkit does; -1 when it names no value.
int find_enum_name(const EnumInfo& names, std::string_view name);

// Skins are full of enumeration values; this gives an enumeration property already declared on
// `info` a reader that goes straight to the field with find_enum_name, keeping its name, place,
// kind and writer.
template <class T, class E>
void fast_enumeration(ClassInfo& info, std::string_view name, E T::*member) {
    const PropertyInfo* declared = info.find_property(name);
    PropertyInfo p = *declared;
    const EnumInfo* names = p.enum_info;
    p.read = [member, names](Persistent& object, const Value& v, ReadContext& ctx) {
        if (v.type != ValueType::kIdent)
            ctx.fail(std::string(names->type_name) + " identifier expected");
        const int ordinal = find_enum_name(*names, v.bytes);
        if (ordinal < 0)
            ctx.fail("'" + v.bytes + "' is not a value of " + std::string(names->type_name));
        static_cast<T&>(object).*member = static_cast<E>(ordinal);
    };
    info.add_property(std::move(p));
}

}  // namespace tolsy
