#pragma once
// The About window's description as components: the window and its members with the published
// properties their description sets. Reading the description (the TABOUT resource) fills these;
// the window then builds its native controls and its star field, labels and version reader
// from the values read, and binds the events by handler name.
#include <cstdint>
#include <string>

#include "toolkit/components/class_info.h"
#include "toolkit/components/colors.h"
#include "toolkit/components/component.h"
#include "toolkit/components/control.h"
#include "toolkit/components/event.h"
#include "toolkit/components/font.h"

namespace tolsy {

// The About window's own kinds of member; panels, the button and the bounds, captions, fonts,
// colours and events they share come from the toolkit's control components.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum class TPosition {
    poDesigned,
    poDefault,
    poDefaultPosOnly,
    poDefaultSizeOnly,
    poScreenCenter,
    poDesktopCenter,
    poMainFormCenter,
    poOwnerFormCenter
};
// TBorderIcons bits.
enum : std::uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
// Control::align values.
inline constexpr int kAlignClient = 5;

class StarfieldDesign : public Control {
    TOLSY_PERSISTENT(StarfieldDesign)
    explicit StarfieldDesign(Component* owner) : Control(owner) { color = clBlack; }
    bool Active = false;
    std::uint32_t Delay = 50;
    std::uint16_t Stars = 100;
    std::uint8_t MaxSpeed = 10;
};

// The plain panel of the About window ("TPanel"), a panel like the skinned one.
class PanelDesign : public TePanel {
    TOLSY_PERSISTENT(PanelDesign)
    using TePanel::TePanel;
};

class BehaviorLabelDesign : public Control {
    TOLSY_PERSISTENT(BehaviorLabelDesign)
    using Control::Control;
    TAlignment Alignment = TAlignment::taLeftJustify;
    std::string Behavior = "(none)";
    NotifyEvent OnStart;
    NotifyEvent OnStop;
    // The caption as the label's 8-bit text.
    std::string caption_text() const;
};

class EPInfoExeDesign : public Component {
    TOLSY_PERSISTENT(EPInfoExeDesign)
    using Component::Component;
    std::string LangId = "0409";
    std::string ExeName;
};

// The window itself; its handlers are given by the window that reads the description.
class AboutDesign : public Component {
    TOLSY_PERSISTENT(AboutDesign)
    // Registers the classes of the description's members.
    AboutDesign();
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
    TeButton* TeButton1 = nullptr;
    EPInfoExeDesign* EPInfoExe1 = nullptr;
};

// Registers the description's classes (once; later calls do nothing).
void register_about_classes();

// The name of the About window's description resource.
inline constexpr char kAboutDescriptionName[] = "TABOUT";

// The class of the description's frame component, which the window reads on its own.
inline constexpr char kAboutFrameClass[] = "TTeForm";
// The part of the description AboutDesign reads: everything but the frame component.
void keep_about_design(ObjectNode& description);
// The part the window's frame is read from: the frame component alone.
void keep_about_frame(ObjectNode& description);

}  // namespace tolsy
