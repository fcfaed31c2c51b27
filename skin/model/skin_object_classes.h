#pragma once
// The sixteen skin object classes derived from TSeSkinObject, each adding its published
// properties: further colours, state fonts and image links.
#include <string>

#include "skin/model/bitmap_link.h"
#include "skin/model/skin_object.h"

namespace tolsy {

class TSeActiveObject : public TSeSkinObject {
    TOLSY_PERSISTENT(TSeActiveObject)
    using TSeSkinObject::TSeSkinObject;

    Color active_color = clNone;
    Font active_font;
    Font disabled_font;

    void for_each_color(const std::function<void(Color&)>& visit) override;
    void for_each_font(const std::function<void(Font&)>& visit) override;
    const Font& state_font(VisualState state) const override;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeBitmapObject : public TSeSkinObject {
    TOLSY_PERSISTENT(TSeBitmapObject)
    using TSeSkinObject::TSeSkinObject;

    TteBitmapLink bitmap;
    TscTileStyle border_tile_style = TscTileStyle::tsTile;
    bool masked_border = false;
    bool masked_angles = false;
    TscTileStyle tile_style = TscTileStyle::tsTile;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeActiveBitmap : public TSeBitmapObject {
    TOLSY_PERSISTENT(TSeActiveBitmap)
    using TSeBitmapObject::TSeBitmapObject;

    TteBitmapLink active_bitmap;
    Font active_font;

    void for_each_font(const std::function<void(Font&)>& visit) override;
    const Font& state_font(VisualState state) const override;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeSystemButton : public TSeActiveBitmap {
    TOLSY_PERSISTENT(TSeSystemButton)
    using TSeActiveBitmap::TSeActiveBitmap;

    TSeAction action = TSeAction::sbaNone;
    TteBitmapLink bitmap_hot;
    TteBitmapLink bitmap_pressed;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeButtonObject : public TSeBitmapObject {
    TOLSY_PERSISTENT(TSeButtonObject)
    using TSeBitmapObject::TSeBitmapObject;

    TteBitmapLink bitmap_hot;
    TteBitmapLink bitmap_focused;
    TteBitmapLink bitmap_pressed;
    TteBitmapLink bitmap_disabled;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeTextObject : public TSeSkinObject {
    TOLSY_PERSISTENT(TSeTextObject)
    using TSeSkinObject::TSeSkinObject;

    Font font_hot;
    Font font_focused;
    Font font_pressed;
    Font font_disabled;

    void for_each_font(const std::function<void(Font&)>& visit) override;
    const Font& state_font(VisualState state) const override;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeLinkSkinObject : public TSeSkinObject {
    TOLSY_PERSISTENT(TSeLinkSkinObject)
    using TSeSkinObject::TSeSkinObject;

    std::string link_control;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeBitmapSkinObject : public TSeSkinObject {
    TOLSY_PERSISTENT(TSeBitmapSkinObject)
    using TSeSkinObject::TSeSkinObject;

    TteBitmapLink bitmap;
    TscTileStyle tile_style = TscTileStyle::tsTile;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeFormBitmapSkinObject : public TSeBitmapSkinObject {
    TOLSY_PERSISTENT(TSeFormBitmapSkinObject)
    using TSeBitmapSkinObject::TSeBitmapSkinObject;

    TteBitmapLink inactive_bitmap;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeSysButtonSkinObject : public TSeBitmapSkinObject {
    TOLSY_PERSISTENT(TSeSysButtonSkinObject)
    using TSeBitmapSkinObject::TSeBitmapSkinObject;

    TSeAction action = TSeAction::sbaNone;
    TteBitmapLink bitmap_hover;
    TteBitmapLink bitmap_down;
    std::string roll_panel;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeActiveSkinObject : public TSeSkinObject {
    TOLSY_PERSISTENT(TSeActiveSkinObject)
    using TSeSkinObject::TSeSkinObject;

    Color active_color = clNone;
    Font active_font;

    void for_each_color(const std::function<void(Color&)>& visit) override;
    void for_each_font(const std::function<void(Font&)>& visit) override;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeColorButtonObject : public TSeSkinObject {
    TOLSY_PERSISTENT(TSeColorButtonObject)
    using TSeSkinObject::TSeSkinObject;

    Color hot_color = clNone;
    Font hot_font;
    Color pressed_color = clNone;
    Font pressed_font;
    Color focused_color = clNone;
    Font focused_font;
    Color disabled_color = clNone;
    Font disabled_font;

    void for_each_color(const std::function<void(Color&)>& visit) override;
    void for_each_font(const std::function<void(Font&)>& visit) override;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeBitmapBoxObject : public TSeBitmapSkinObject {
    TOLSY_PERSISTENT(TSeBitmapBoxObject)
    using TSeBitmapSkinObject::TSeBitmapSkinObject;

    TscTileStyle border_tile_style = TscTileStyle::tsTile;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeActiveBitmapBoxObject : public TSeBitmapBoxObject {
    TOLSY_PERSISTENT(TSeActiveBitmapBoxObject)
    using TSeBitmapBoxObject::TSeBitmapBoxObject;

    TteBitmapLink focused_bitmap;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeButtonBitmapBoxObject : public TSeBitmapBoxObject {
    TOLSY_PERSISTENT(TSeButtonBitmapBoxObject)
    using TSeBitmapBoxObject::TSeBitmapBoxObject;

    TteBitmapLink hot_bitmap;
    TteBitmapLink focused_bitmap;
    TteBitmapLink pressed_bitmap;
    TteBitmapLink disabled_bitmap;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

class TSeRollPanelObject : public TSeSkinObject {
    TOLSY_PERSISTENT(TSeRollPanelObject)
    using TSeSkinObject::TSeSkinObject;

    TSeRollKind roll_kind = TSeRollKind::rkLeft;
    int roll_value = 0;

  protected:
    void assign_from(const TSeSkinObject& other) override;
};

// The system button of either kind with this action, first in depth-first order, or none.
TSeSkinObject* find_system_button(TSeSkinObject& root, TSeAction action);

}  // namespace tolsy
