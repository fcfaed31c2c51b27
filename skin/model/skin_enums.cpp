#include "skin/model/skin_enums.h"

namespace tolsy {

int find_enum_name(const EnumInfo& names, std::string_view name) {
    for (std::size_t i = 0; i < names.names.size(); ++i) {
        const std::string_view candidate = names.names[i];
        if (candidate.size() == name.size() && candidate == name) return static_cast<int>(i);
    }
    return names.find(name);
}

const EnumInfo& kind_names() {
    static const EnumInfo info{"TSeKind",
                               {"skNone",
                                "skForm",
                                "skCaption",
                                "skTitle",
                                "skTop",
                                "skLeft",
                                "skRight",
                                "skBottom",
                                "skTopLeft",
                                "skTopRight",
                                "skBottomLeft",
                                "skBottomRight",
                                "skSysButton",
                                "skClient",
                                "skMenuBar",
                                "skMenuBarItem",
                                "skMenuBarItemText",
                                "skPopupMenu",
                                "skPopupMenuItem",
                                "skPopupMenuItemText",
                                "skItemText",
                                "skTranparentOnly",
                                "skTranparent",
                                "skRoundMask",
                                "skNoMask",
                                "skMaskOnly"}};
    return info;
}

const EnumInfo& align_names() {
    static const EnumInfo info{
        "TSeAlign",
        {"saNone", "saLeft", "saMostLeft", "saTop", "saMostTop", "saRight", "saMostRight",
         "saBottom", "saMostBottom", "saClient", "saTopLeft", "saTopRight", "saBottomLeft",
         "saBottomRight", "saCenter", "saText", "saTopRightAngle", "saAll"}};
    return info;
}

const EnumInfo& text_align_names() {
    static const EnumInfo info{"TSeTextAlign",
                               {"taTopLeft", "taTopCenter", "taTopRight", "taLeft", "taCenter",
                                "taRight", "taBottomLeft", "taBottomCenter", "taBottomRight"}};
    return info;
}

const EnumInfo& text_effect_names() {
    static const EnumInfo info{"TSeTextEffect", {"teNone", "teShadow"}};
    return info;
}

const EnumInfo& tile_style_names() {
    static const EnumInfo info{"TscTileStyle",
                               {"tsTile", "tsStretch", "tsCenter", "tsVertCenterStretch",
                                "tsVertCenterTile", "tsHorzCenterStretch", "tsHorzCenterTile"}};
    return info;
}

const EnumInfo& action_names() {
    static const EnumInfo info{
        "TSeAction",
        {"sbaNone", "sbaClose", "sbaHelp", "sbaMinimize", "sbaMaximize", "sbaRestore", "sbaRollUp",
         "sbaRollDown", "sbaTray", "sbaSysMenu", "sbaRollPanel", "sbaCustom"}};
    return info;
}

const EnumInfo& roll_kind_names() {
    static const EnumInfo info{"TSeRollKind", {"rkLeft", "rkTop", "rkRight", "rkBottom"}};
    return info;
}

}  // namespace tolsy
