#pragma once
// Enumerations of skin object properties. Their value names are stored in skins and must be
// matched letter for letter, misspellings included (skTranparent, skTranparentOnly).
#include <cstdint>

#include "toolkit/class_info.h"

namespace tolsy {

enum class TSeKind : std::uint8_t {
    skNone, skForm, skCaption, skTitle, skTop, skLeft, skRight, skBottom, skTopLeft, skTopRight,
    skBottomLeft, skBottomRight, skSysButton, skClient, skMenuBar, skMenuBarItem,
    skMenuBarItemText, skPopupMenu, skPopupMenuItem, skPopupMenuItemText, skItemText,
    skTranparentOnly, skTranparent, skRoundMask, skNoMask, skMaskOnly,
};

enum class TSeAlign : std::uint8_t {
    saNone, saLeft, saMostLeft, saTop, saMostTop, saRight, saMostRight, saBottom, saMostBottom,
    saClient, saTopLeft, saTopRight, saBottomLeft, saBottomRight, saCenter, saText,
    saTopRightAngle, saAll,
};

enum class TSeTextAlign : std::uint8_t {
    taTopLeft, taTopCenter, taTopRight, taLeft, taCenter, taRight, taBottomLeft, taBottomCenter,
    taBottomRight,
};

enum class TSeTextEffect : std::uint8_t { teNone, teShadow };

enum class TscTileStyle : std::uint8_t {
    tsTile, tsStretch, tsCenter, tsVertCenterStretch, tsVertCenterTile, tsHorzCenterStretch,
    tsHorzCenterTile,
};

enum class TSeAction : std::uint8_t {
    sbaNone, sbaClose, sbaHelp, sbaMinimize, sbaMaximize, sbaRestore, sbaRollUp, sbaRollDown,
    sbaTray, sbaSysMenu, sbaRollPanel, sbaCustom,
};

enum class TSeRollKind : std::uint8_t { rkLeft, rkTop, rkRight, rkBottom };

const EnumInfo& kind_names();
const EnumInfo& align_names();
const EnumInfo& text_align_names();
const EnumInfo& text_effect_names();
const EnumInfo& tile_style_names();
const EnumInfo& action_names();
const EnumInfo& roll_kind_names();

}  // namespace tolsy
