#pragma once
// The About window's description as components: the window and its members with the published
// properties their description sets. Reading the description (the TABOUT resource) fills these;
// the window then builds its native controls and its star field, labels and version reader
// from the values read, and binds the events by handler name.
#include <cstdint>
#include <string>

#include "toolkit/class_info.h"
#include "toolkit/colors.h"
#include "toolkit/component.h"
#include "toolkit/event.h"
#include "toolkit/font.h"

namespace tolsy {

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition {
    poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter,
    poDesktopCenter, poMainFormCenter, poOwnerFormCenter
};
enum class TBitBtnKind {
    bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll
};
// TBorderIcons bits.
enum : std::uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

// Bounds shared by the visual members.
class ControlDesign : public Component {
    TOLSY_PERSISTENT(ControlDesign)
    using Component::Component;
    int Left = 0, Top = 0, Width = 0, Height = 0;
};

class StarfieldDesign : public ControlDesign {
    TOLSY_PERSISTENT(StarfieldDesign)
    using ControlDesign::ControlDesign;
    TAlign Align = TAlign::alNone;
    bool Active = false;
    std::uint32_t Delay = 50;
    std::uint16_t Stars = 100;
    std::uint8_t MaxSpeed = 10;
    Color Color_ = clBlack;
};

class PanelDesign : public ControlDesign {
    TOLSY_PERSISTENT(PanelDesign)
    using ControlDesign::ControlDesign;
    TBevelCut BevelOuter = TBevelCut::bvRaised;
    Color Color_ = clBtnFace;
    int TabOrder = -1;
};

class BehaviorLabelDesign : public ControlDesign {
    TOLSY_PERSISTENT(BehaviorLabelDesign)
    using ControlDesign::ControlDesign;
    TAlignment Alignment = TAlignment::taLeftJustify;
    std::string Caption;
    tolsy::Font Font;
    bool ParentFont = true;
    bool Visible = true;
    std::string Behavior = "(none)";
    NotifyEvent OnStart;
    NotifyEvent OnStop;
};

class ButtonDesign : public ControlDesign {
    TOLSY_PERSISTENT(ButtonDesign)
    using ControlDesign::ControlDesign;
    TBitBtnKind Kind = TBitBtnKind::bkCustom;
    std::string Caption;
    bool Default = false;
    int ModalResult = 0;
    int TabOrder = -1;
    NotifyEvent OnClick;
};

class EPInfoExeDesign : public Component {
    TOLSY_PERSISTENT(EPInfoExeDesign)
    using Component::Component;
    std::string LangId = "0409";
    std::string ExeName;
};

// The window itself; its handlers are registered by the window that reads the description.
class AboutDesign : public Component {
    TOLSY_PERSISTENT(AboutDesign)
    AboutDesign() : Component(nullptr) {}
    ~AboutDesign() override { destroy_components(); }

    std::uint8_t BorderIcons = biSystemMenu | biMinimize | biMaximize;
    TFormBorderStyle BorderStyle = TFormBorderStyle::bsSizeable;
    std::string Caption;
    int ClientHeight = 0, ClientWidth = 0;
    Color Color_ = clBtnFace;
    tolsy::Font Font;
    TPosition Position = TPosition::poDesigned;
    int PixelsPerInch = 96;
    NotifyEvent OnActivate, OnClose, OnCreate;

    StarfieldDesign* Starfield1 = nullptr;
    PanelDesign* Panel1 = nullptr;
    BehaviorLabelDesign* BehaviorLabel1 = nullptr;
    PanelDesign* Panel2 = nullptr;
    BehaviorLabelDesign* BehaviorLabel2 = nullptr;
    ButtonDesign* TeButton1 = nullptr;
    EPInfoExeDesign* EPInfoExe1 = nullptr;
};

// Registers the description's classes (once; later calls do nothing).
void register_about_classes();

// The name of the About window's description resource.
inline constexpr char kAboutDescriptionName[] = "TABOUT";

}  // namespace tolsy
