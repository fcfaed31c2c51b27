#include "description_standins.h"

namespace tolsy::standin {
namespace {

const EnumInfo kAligns{
    "TAlign", {"alNone", "alTop", "alBottom", "alLeft", "alRight", "alClient", "alCustom"}};
const EnumInfo kBorderIcons{"TBorderIcon", {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const EnumInfo kBorderStyles{
    "TFormBorderStyle",
    {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const EnumInfo kFormStyles{"TFormStyle", {"fsNormal", "fsMDIChild", "fsMDIForm", "fsStayOnTop"}};
const EnumInfo kPositions{
    "TPosition",
    {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
     "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};
const EnumInfo kComboStyles{
    "TComboBoxStyle",
    {"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed", "csOwnerDrawVariable"}};
const EnumInfo kButtonKinds{"TBitBtnKind",
                            {"bkCustom", "bkOK", "bkCancel", "bkHelp", "bkYes", "bkNo", "bkClose",
                             "bkAbort", "bkRetry", "bkIgnore", "bkAll"}};
const EnumInfo kSoundOptions{"TTeExtraSoundOption", {"esoIgnoreGlobalOptions"}};
const EnumInfo kSkinBorderIcons{"TTeBorderIcon",
                                {"kbiClose", "kbiSystemMenu", "kbiMinimize", "kbiMaximize",
                                 "kbiHelp", "kbiRollup", "kbiTray", "kbiTop", "kbiCustom"}};
const EnumInfo kSkinBorderStyles{
    "TTeBorderStyle", {"kbsNone", "kbsBorder", "kbsStandard", "kbsDialog", "kbsToolWindow"}};
const EnumInfo kPerformance{
    "TTeFormPerformance",
    {"ksfpNoBuffer", "ksfpSharedBuffer", "ksfpPersistentBuffer", "ksfpDoubleBuffer"}};
const EnumInfo kHelpTypes{"THelpType", {"htWinhelp", "htHTMLhelp", "htMixedMode"}};
const EnumInfo kShowTypes{"TShowType", {"stDefault", "stMain", "stPopup"}};
const EnumInfo kBevels{"TPanelBevel", {"bvNone", "bvLowered", "bvRaised", "bvSpace"}};
const EnumInfo kAlignments{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};

constexpr char kPageControl[] = "TTePageControl";
constexpr char kTabSheet[] = "TTeTabSheet";
constexpr char kGroupBox[] = "TTeGroupBox";
constexpr char kComboBox[] = "TTeComboBox";
constexpr char kCheckBox[] = "TTeCheckBox";
constexpr char kSkinPanel[] = "TTePanel";
constexpr char kEdit[] = "TTeEdit";
constexpr char kButton[] = "TTeButton";
constexpr char kEffectButton[] = "TTeEffectButton";
constexpr char kSpeedButton[] = "TTeSpeedButton";
constexpr char kThemeEngine[] = "TTeThemeEngine";
constexpr char kThemeList[] = "TTeThemeList";
constexpr char kSkinForm[] = "TTeForm";
constexpr char kSysPopupMenu[] = "TSysPopupMenu";
constexpr char kMenuItem[] = "TMenuItem";
constexpr char kHelpRouter[] = "THelpRouter";
constexpr char kStarfield[] = "TStarfield";
constexpr char kPanel[] = "TPanel";
constexpr char kBehaviorLabel[] = "TBehaviorLabel";
constexpr char kInfoExe[] = "TEPInfoExe";

// The handlers the two windows register; each records its name and sender.
constexpr const char* kForm1Handlers[] = {"FormCreate",
                                          "FormShow",
                                          "FormActivate",
                                          "SymbolComboBoxChange",
                                          "DiaCheckBoxClick",
                                          "ConditionComboBoxChange",
                                          "ToleranceComboBoxChange",
                                          "DatumCond1ComboBoxChange",
                                          "DatumCond2ComboBoxChange",
                                          "DatumCond3ComboBoxChange",
                                          "Datum1ComboBoxChange",
                                          "Datum2ComboBoxChange",
                                          "Datum3ComboBoxChange",
                                          "TeSpeedButton1Click",
                                          "DisplayEditChange",
                                          "ClearAllButtonClick",
                                          "CloseButtonClick",
                                          "ClipboardButtonClick",
                                          "CustomItem1Click",
                                          "Help1Click",
                                          "Close1Click"};
constexpr const char* kAboutHandlers[] = {"FormCreate", "FormActivate", "FormClose",
                                          "BehaviorLabel1Stop", "TeButton1Click"};

}  // namespace

const ClassInfo& Control::static_class_info() {
    static const ClassInfo info = declare_class<Control, Component>("TStandInControl", [](auto& c) {
        c.integer("Left", &Control::left).always_stored();
        c.integer("Top", &Control::top).always_stored();
        c.integer("Width", &Control::width).always_stored();
        c.integer("Height", &Control::height).always_stored();
        c.enumeration("Align", &Control::align, kAligns);
        c.wide_string("Caption", &Control::caption);
        c.color("Color", &Control::color, clBtnFace);
        c.boolean("Flat", &Control::flat);
        c.object("Font", &Control::font);
        c.boolean("Default", &Control::is_default);
        c.wide_string("Hint", &Control::hint);
        c.boolean("ParentFont", &Control::parent_font, true);
        c.boolean("ParentShowHint", &Control::parent_show_hint, true);
        c.boolean("ShowHint", &Control::show_hint);
        c.integer("TabOrder", &Control::tab_order, -1);
        c.boolean("TabStop", &Control::tab_stop);
        c.boolean("Transparent", &Control::transparent);
        c.boolean("Visible", &Control::visible, true);
        c.event("OnChange", &Control::on_change);
        c.event("OnClick", &Control::on_click);
        c.event("OnStop", &Control::on_stop);
    });
    return info;
}

void Form::add_recording_handler(const std::string& name) {
    add_handler(name, NotifyEvent::Function([this, name](Component& sender) {
                    last_handler = name;
                    last_sender = &sender;
                }));
}

const ClassInfo& Form::static_class_info() {
    static const ClassInfo info = declare_class<Form, Control>("TStandInForm", [](auto& c) {
        c.set("BorderIcons", &Form::border_icons, kBorderIcons);
        c.enumeration("BorderStyle", &Form::border_style, kBorderStyles);
        c.integer("ClientHeight", &Form::client_height);
        c.integer("ClientWidth", &Form::client_width);
        c.enumeration("FormStyle", &Form::form_style, kFormStyles);
        c.enumeration("Position", &Form::position, kPositions);
        c.integer("PixelsPerInch", &Form::pixels_per_inch, 96);
        c.event("OnActivate", &Form::on_activate);
        c.event("OnClose", &Form::on_close);
        c.event("OnCreate", &Form::on_create);
        c.event("OnShow", &Form::on_show);
    });
    return info;
}

TForm1::TForm1() {
    for (const char* h : kForm1Handlers) add_recording_handler(h);
}

const ClassInfo& TForm1::static_class_info() {
    static const ClassInfo info = declare_class<TForm1, Form>("TForm1", [](auto&) {});
    return info;
}

TAbout::TAbout() {
    for (const char* h : kAboutHandlers) add_recording_handler(h);
}

const ClassInfo& TAbout::static_class_info() {
    static const ClassInfo info = declare_class<TAbout, Form>("TAbout", [](auto&) {});
    return info;
}

const ClassInfo& PageControl::static_class_info() {
    static const ClassInfo info = declare_class<PageControl, Control>(
        "TStandInPageControl",
        [](auto& c) { c.reference("ActivePage", &PageControl::active_page); });
    return info;
}

const ClassInfo& ComboBox::static_class_info() {
    static const ClassInfo info = declare_class<ComboBox, Control>("TStandInComboBox", [](auto& c) {
        c.enumeration("Style", &ComboBox::style, kComboStyles);
        c.boolean("AutoComplete", &ComboBox::auto_complete, true);
        c.boolean("Ctl3D", &ComboBox::ctl3d, true);
        c.integer("ItemHeight", &ComboBox::item_height, 16);
        c.object("Items", &ComboBox::items);
    });
    return info;
}

const ClassInfo& CheckBox::static_class_info() {
    static const ClassInfo info = declare_class<CheckBox, Control>(
        "TStandInCheckBox", [](auto& c) { c.integer("Spacing", &CheckBox::spacing, 4); });
    return info;
}

const ClassInfo& Button::static_class_info() {
    static const ClassInfo info = declare_class<Button, Control>("TStandInButton", [](auto& c) {
        c.enumeration("Kind", &Button::kind, kButtonKinds);
        c.integer("ModalResult", &Button::modal_result);
    });
    return info;
}

const ClassInfo& Animation::static_class_info() {
    static const ClassInfo info =
        declare_class<Animation>("TTeAdvancedAnimation", nullptr, [](auto& c) {
            c.boolean("Enabled", &Animation::enabled);
            c.integer("Resolution", &Animation::resolution, 1);
            c.integer("Time", &Animation::time, 400);
            c.string("EffectMouseEnter", &Animation::effect_mouse_enter);
            c.string("EffectMouseLeave", &Animation::effect_mouse_leave);
        });
    return info;
}

const ClassInfo& EffectButton::static_class_info() {
    static const ClassInfo info =
        declare_class<EffectButton, Button>("TStandInEffectButton", [](auto& c) {
            c.object("Animation", &EffectButton::animation);
            c.set("SoundOptions", &EffectButton::sound_options, kSoundOptions);
            c.integer("WaveClickIndex", &EffectButton::wave_click_index);
        });
    return info;
}

const ClassInfo& ThemeStream::static_class_info() {
    static const ClassInfo info =
        declare_class<ThemeStream, CollectionItem>("TTeThemeStream", [](auto& c) {
            c.string("ThemeStore", &ThemeStream::theme_store, "(empty)");
            c.integer("Tag", &ThemeStream::tag);
            c.binary(
                "ThemeStream",
                [](ThemeStream& s, std::span<const std::uint8_t> b, ReadContext&) {
                    s.container.assign(b.begin(), b.end());
                },
                [](const ThemeStream& s) -> std::optional<std::string> { return s.container; });
        });
    return info;
}

const ClassInfo& ThemeList::static_class_info() {
    static const ClassInfo info = declare_class<ThemeList, Component>(
        "TStandInThemeList", [](auto& c) { c.collection("Themes", &ThemeList::themes); });
    return info;
}

const ClassInfo& ThemeEngine::static_class_info() {
    static const ClassInfo info =
        declare_class<ThemeEngine, Component>("TStandInThemeEngine", [](auto& c) {
            c.integer("DeltaHue", &ThemeEngine::delta_hue);
            c.integer("DeltaBrightness", &ThemeEngine::delta_brightness);
            c.reference("ThemeList", &ThemeEngine::theme_list);
            c.integer("ThemeIndex", &ThemeEngine::theme_index, -1);
            c.string("ThemeBuilding", &ThemeEngine::theme_building, "No theme");
            c.string("Version", &ThemeEngine::version, "7.04");
        });
    return info;
}

const ClassInfo& Dragging::static_class_info() {
    static const ClassInfo info = declare_class<Dragging>("TTeDragging", nullptr, [](auto& c) {
        c.boolean("Moveable", &Dragging::moveable, true);
        c.boolean("Sizeable", &Dragging::sizeable, true);
    });
    return info;
}

const ClassInfo& Gravitation::static_class_info() {
    static const ClassInfo info = declare_class<Gravitation>(
        "TTeGravitation", nullptr,
        [](auto& c) { c.boolean("OwnedForm", &Gravitation::owned_form, true); });
    return info;
}

const ClassInfo& SkinForm::static_class_info() {
    static const ClassInfo info =
        declare_class<SkinForm, Component>("TStandInSkinForm", [](auto& c) {
            c.set("BorderIcons", &SkinForm::border_icons, kSkinBorderIcons);
            c.enumeration("BorderStyle", &SkinForm::border_style, kSkinBorderStyles, 2);
            c.wide_string("Caption", &SkinForm::caption);
            c.object("Dragging", &SkinForm::dragging);
            c.object("Gravitation", &SkinForm::gravitation);
            c.reference("SystemMenuLink", &SkinForm::system_menu_link);
            c.boolean("SystemMenuLinkMerge", &SkinForm::merge);
            c.boolean("SystemMenuLinkMergeAtFirst", &SkinForm::merge_at_first);
            c.enumeration("Performance", &SkinForm::performance, kPerformance);
            c.boolean("StayOnTop", &SkinForm::stay_on_top);
            c.string("ThemeObject", &SkinForm::theme_object, "default");
        });
    return info;
}

const ClassInfo& MenuItem::static_class_info() {
    static const ClassInfo info =
        declare_class<MenuItem, Control>("TStandInMenuItem", [](auto&) {});
    return info;
}

const ClassInfo& PopupMenu::static_class_info() {
    static const ClassInfo info =
        declare_class<PopupMenu, Component>("TStandInPopupMenu", [](auto&) {});
    return info;
}

const ClassInfo& HelpRouter::static_class_info() {
    static const ClassInfo info =
        declare_class<HelpRouter, Component>("TStandInHelpRouter", [](auto& c) {
            c.enumeration("HelpType", &HelpRouter::help_type, kHelpTypes);
            c.enumeration("ShowType", &HelpRouter::show_type, kShowTypes);
            c.string("Helpfile", &HelpRouter::help_file);
            c.string("CHMPopupTopics", &HelpRouter::chm_popup_topics, "CSHelp.txt");
        });
    return info;
}

const ClassInfo& Panel::static_class_info() {
    static const ClassInfo info = declare_class<Panel, Control>("TStandInPanel", [](auto& c) {
        c.enumeration("BevelOuter", &Panel::bevel_outer, kBevels, 2);
    });
    return info;
}

const ClassInfo& BehaviorLabel::static_class_info() {
    static const ClassInfo info =
        declare_class<BehaviorLabel, Control>("TStandInBehaviorLabel", [](auto& c) {
            c.enumeration("Alignment", &BehaviorLabel::alignment, kAlignments);
            c.string("Behavior", &BehaviorLabel::behavior, "(none)");
        });
    return info;
}

const ClassInfo& InfoExe::static_class_info() {
    static const ClassInfo info = declare_class<InfoExe, Component>(
        "TStandInInfoExe", [](auto& c) { c.string("LangId", &InfoExe::lang_id, "0409"); });
    return info;
}

void register_all() {
    register_class<Named<PageControl, kPageControl>>();
    register_class<Named<Control, kTabSheet>>();
    register_class<Named<Control, kGroupBox>>();
    register_class<Named<ComboBox, kComboBox>>();
    register_class<Named<CheckBox, kCheckBox>>();
    register_class<Named<Control, kSkinPanel>>();
    register_class<Named<Control, kEdit>>();
    register_class<Named<Button, kButton>>();
    register_class<Named<EffectButton, kEffectButton>>();
    register_class<Named<Control, kSpeedButton>>();
    register_class<Named<ThemeEngine, kThemeEngine>>();
    register_class<Named<ThemeList, kThemeList>>();
    register_class<Named<SkinForm, kSkinForm>>();
    register_class<Named<PopupMenu, kSysPopupMenu>>();
    register_class<Named<MenuItem, kMenuItem>>();
    register_class<Named<HelpRouter, kHelpRouter>>();
    register_class<Named<Control, kStarfield>>();
    register_class<Named<Panel, kPanel>>();
    register_class<Named<BehaviorLabel, kBehaviorLabel>>();
    register_class<Named<InfoExe, kInfoExe>>();
}

}  // namespace tolsy::standin
