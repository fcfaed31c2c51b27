#pragma once
// Stand-ins for the component classes the window descriptions name, until the real classes
// exist in this test program: each accepts exactly the published properties the descriptions
// use, with the toolkit's defaults, so a misspelt or misplaced property is still an error.
#include <string>

#include "toolkit/components/class_builder.h"
#include "toolkit/components/font.h"
#include "toolkit/components/string_list.h"

namespace tolsy::standin {

// Everything the controls of both windows publish.
class Control : public Component {
    TOLSY_PERSISTENT(Control)
    using Component::Component;

    int left = 0, top = 0, width = 0, height = 0;
    int tab_order = -1;
    bool tab_stop = false, parent_font = true, visible = true, transparent = false;
    bool show_hint = false, parent_show_hint = true, flat = false, is_default = false;
    std::u16string caption, hint;
    Font font;
    Color color = clBtnFace;
    int align = 0;
    NotifyEvent on_click, on_change, on_stop;
};

class Form : public Control {
    TOLSY_PERSISTENT(Form)
    Form() : Control(nullptr) {}
    ~Form() override { destroy_components(); }
    // Every handler name a description binds records which component raised it.
    void add_recording_handler(const std::string& name);

    std::uint64_t border_icons = 0;
    int border_style = 0, form_style = 0, position = 0;
    int client_width = 0, client_height = 0, pixels_per_inch = 96;
    NotifyEvent on_create, on_show, on_activate, on_close;
    std::string last_handler;
    Component* last_sender = nullptr;
};

class TForm1 : public Form {
    TOLSY_PERSISTENT(TForm1)
    TForm1();
};

class TAbout : public Form {
    TOLSY_PERSISTENT(TAbout)
    TAbout();
};

class PageControl : public Control {
    TOLSY_PERSISTENT(PageControl)
    using Control::Control;
    Control* active_page = nullptr;
};

class ComboBox : public Control {
    TOLSY_PERSISTENT(ComboBox)
    using Control::Control;
    int style = 0, item_height = 16;
    bool auto_complete = true, ctl3d = true;
    StringList items;
};

class CheckBox : public Control {
    TOLSY_PERSISTENT(CheckBox)
    using Control::Control;
    int spacing = 4;
};

class Button : public Control {
    TOLSY_PERSISTENT(Button)
    using Control::Control;
    int kind = 0, modal_result = 0;
};

class Animation : public Persistent {
    TOLSY_PERSISTENT(Animation)
    bool enabled = false;
    int resolution = 1, time = 400;
    std::string effect_mouse_enter, effect_mouse_leave;
};

class EffectButton : public Button {
    TOLSY_PERSISTENT(EffectButton)
    using Button::Button;
    Animation animation;
    std::uint64_t sound_options = 0;
    int wave_click_index = 0;
};

class ThemeStream : public CollectionItem {
    TOLSY_PERSISTENT(ThemeStream)
    std::string theme_store = "(empty)";
    int tag = 0;
    std::string container;
};

class ThemeList : public Component {
    TOLSY_PERSISTENT(ThemeList)
    using Component::Component;
    CollectionOf<ThemeStream> themes;
};

class ThemeEngine : public Component {
    TOLSY_PERSISTENT(ThemeEngine)
    using Component::Component;
    int delta_hue = 0, delta_brightness = 0, theme_index = -1;
    std::string theme_building = "No theme", version = "7.04";
    ThemeList* theme_list = nullptr;
};

class Dragging : public Persistent {
    TOLSY_PERSISTENT(Dragging)
    bool moveable = true, sizeable = true;
};

class Gravitation : public Persistent {
    TOLSY_PERSISTENT(Gravitation)
    bool owned_form = true;
};

class SkinForm : public Component {
    TOLSY_PERSISTENT(SkinForm)
    using Component::Component;
    std::uint64_t border_icons = 0;
    int border_style = 2, performance = 0;
    std::u16string caption;
    Dragging dragging;
    Gravitation gravitation;
    Component* system_menu_link = nullptr;
    bool merge = false, merge_at_first = false, stay_on_top = false;
    std::string theme_object = "default";
};

class MenuItem : public Control {
    TOLSY_PERSISTENT(MenuItem)
    using Control::Control;
};

class PopupMenu : public Component {
    TOLSY_PERSISTENT(PopupMenu)
    using Component::Component;
};

class HelpRouter : public Component {
    TOLSY_PERSISTENT(HelpRouter)
    using Component::Component;
    int help_type = 0, show_type = 0;
    std::string help_file, chm_popup_topics = "CSHelp.txt";
};

class Panel : public Control {
    TOLSY_PERSISTENT(Panel)
    using Control::Control;
    int bevel_outer = 2;
};

class BehaviorLabel : public Control {
    TOLSY_PERSISTENT(BehaviorLabel)
    using Control::Control;
    int alignment = 0;
    std::string behavior = "(none)";
};

class InfoExe : public Component {
    TOLSY_PERSISTENT(InfoExe)
    using Component::Component;
    std::string lang_id = "0409";
};

// A stand-in class published under a description's class name.
template <class Base, const char* Name>
class Named : public Base {
  public:
    using Base::Base;
    static const ClassInfo& static_class_info() {
        static const ClassInfo info =
            declare_class<Named>(Name, &Base::static_class_info(), [](auto&) {});
        return info;
    }
    const ClassInfo& class_info() const override { return static_class_info(); }
};

// Registers every stand-in under the class name the descriptions use.
void register_all();

}  // namespace tolsy::standin
