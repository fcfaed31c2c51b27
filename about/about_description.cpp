#include "about/about_description.h"

#include "base/windows1252.h"
#include "toolkit/components/class_builder.h"

namespace tolsy {
namespace {

const EnumInfo kAlignmentNames{"TAlignment", {"taLeftJustify", "taRightJustify", "taCenter"}};
const EnumInfo kBorderStyleNames{
    "TFormBorderStyle",
    {"bsNone", "bsSingle", "bsSizeable", "bsDialog", "bsToolWindow", "bsSizeToolWin"}};
const EnumInfo kBorderIconNames{"TBorderIcons",
                                {"biSystemMenu", "biMinimize", "biMaximize", "biHelp"}};
const EnumInfo kPositionNames{
    "TPosition",
    {"poDesigned", "poDefault", "poDefaultPosOnly", "poDefaultSizeOnly", "poScreenCenter",
     "poDesktopCenter", "poMainFormCenter", "poOwnerFormCenter"}};

}  // namespace

std::string BehaviorLabelDesign::caption_text() const {
    // Characters outside Windows-1252 cannot be shown by the 8-bit label; they become "?".
    return utf16_to_windows1252_lossy(caption);
}

const ClassInfo& StarfieldDesign::static_class_info() {
    static const ClassInfo info =
        declare_class<StarfieldDesign, Control>("TStarfield", [](auto& c) {
            c.color("Color", &StarfieldDesign::color, clBlack);
            c.boolean("Active", &StarfieldDesign::Active, false);
            c.integer("Delay", &StarfieldDesign::Delay, 50u);
            c.integer("Stars", &StarfieldDesign::Stars, std::uint16_t{100});
            c.integer("MaxSpeed", &StarfieldDesign::MaxSpeed, std::uint8_t{10});
        });
    return info;
}

const ClassInfo& PanelDesign::static_class_info() {
    static const ClassInfo info = declare_class<PanelDesign, TePanel>("TPanel", [](auto&) {});
    return info;
}

const ClassInfo& BehaviorLabelDesign::static_class_info() {
    static const ClassInfo info =
        declare_class<BehaviorLabelDesign, Control>("TBehaviorLabel", [](auto& c) {
            c.enumeration("Alignment", &BehaviorLabelDesign::Alignment, kAlignmentNames,
                          TAlignment::taLeftJustify);
            c.string("Behavior", &BehaviorLabelDesign::Behavior, "(none)");
            c.event("OnStart", &BehaviorLabelDesign::OnStart);
            c.event("OnStop", &BehaviorLabelDesign::OnStop);
        });
    return info;
}

const ClassInfo& EPInfoExeDesign::static_class_info() {
    static const ClassInfo info =
        declare_class<EPInfoExeDesign, Component>("TEPInfoExe", [](auto& c) {
            c.string("LangId", &EPInfoExeDesign::LangId, "0409");
            c.string("ExeName", &EPInfoExeDesign::ExeName);
        });
    return info;
}

AboutDesign::AboutDesign() : Component(nullptr) {
    register_about_classes();
}

const ClassInfo& AboutDesign::static_class_info() {
    static const ClassInfo info = declare_class<AboutDesign, Component>("TAbout", [](auto& c) {
        c.set("BorderIcons", &AboutDesign::BorderIcons, kBorderIconNames,
              std::uint8_t{biSystemMenu | biMinimize | biMaximize});
        c.enumeration("BorderStyle", &AboutDesign::BorderStyle, kBorderStyleNames,
                      TFormBorderStyle::bsSizeable);
        c.string("Caption", &AboutDesign::Caption);
        c.integer("ClientHeight", &AboutDesign::ClientHeight);
        c.integer("ClientWidth", &AboutDesign::ClientWidth);
        c.color("Color", &AboutDesign::Color_, clBtnFace);
        c.object("Font", &AboutDesign::Font);
        c.enumeration("Position", &AboutDesign::Position, kPositionNames, TPosition::poDesigned);
        c.integer("PixelsPerInch", &AboutDesign::PixelsPerInch, 96);
        c.event("OnActivate", &AboutDesign::OnActivate);
        c.event("OnClose", &AboutDesign::OnClose);
        c.event("OnCreate", &AboutDesign::OnCreate);
        c.field("Starfield1", &AboutDesign::Starfield1);
        c.field("Panel1", &AboutDesign::Panel1);
        c.field("BehaviorLabel1", &AboutDesign::BehaviorLabel1);
        c.field("Panel2", &AboutDesign::Panel2);
        c.field("BehaviorLabel2", &AboutDesign::BehaviorLabel2);
        c.field("TeButton1", &AboutDesign::TeButton1);
        c.field("EPInfoExe1", &AboutDesign::EPInfoExe1);
    });
    return info;
}

void register_about_classes() {
    register_control_classes();
    register_class<StarfieldDesign>();
    register_class<PanelDesign>();
    register_class<BehaviorLabelDesign>();
    register_class<EPInfoExeDesign>();
    register_class<AboutDesign>();
}

void keep_about_design(ObjectNode& description) {
    std::erase_if(description.children, [](const ObjectNode& child) {
        return same_text(child.class_name, kAboutFrameClass);
    });
}

void keep_about_frame(ObjectNode& description) {
    description.properties.clear();
    std::erase_if(description.children, [](const ObjectNode& child) {
        return !same_text(child.class_name, kAboutFrameClass);
    });
}

}  // namespace tolsy
