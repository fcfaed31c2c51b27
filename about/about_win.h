#pragma once
// TAbout: the About window. A black dialog with a drifting star field behind two sliding
// texts read from the program file's version record, and an OK button. It is built from its
// description (the TABOUT resource), created hidden once at start-up and shown modally.
#include <memory>
#include <optional>

#include "about/about_description.h"
#include "about/about_form.h"
#include "about/label_panel_win.h"
#include "about/starfield.h"
#include "about/ui_thread_win.h"
#include "about/version_info.h"
#include "toolkit/controls/control_builder_win.h"
#include "toolkit/controls/form_components_win.h"
#include "toolkit/controls/form_win.h"

namespace tolsy {

// Draws star field frames onto the window's client area at the control's top-left corner.
class WindowStarfieldSurface : public StarfieldSurface {
  public:
    explicit WindowStarfieldSurface(const Window& window) : window_(window) {}
    // The device context of a paint in progress; without one the window's own is used.
    void set_paint_dc(HDC dc) { paint_dc_ = dc; }
    void lock() override {}
    void unlock() override {}
    void set_hollow_brush(bool) override {}
    void copy_bitmap(const Image& bitmap) override;

  private:
    const Window& window_;
    HDC paint_dc_ = nullptr;
};

class TAbout : public Form {
  public:
    TAbout();
    ~TAbout() override;

    // Reads the description, then creates the hidden window and its controls; FormCreate runs.
    void Create(HWND owner);

    void FormCreate();
    void FormActivate();
    void FormClose();
    void BehaviorLabel1Stop();
    void TeButton1Click();

    const AboutDesign& design() const { return design_; }
    const TAboutHandlers& handlers() const { return *handlers_; }
    TStarfield& Starfield1() { return starfield_; }
    TBehaviorLabel& BehaviorLabel1() { return label1_; }
    TBehaviorLabel& BehaviorLabel2() { return label2_; }
    LabelPanel& Panel1() { return *panel1_; }
    LabelPanel& Panel2() { return *panel2_; }
    HWND TeButton1() const { return natives_.push_button("TeButton1").handle(); }

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    void read_description();
    void apply_window_design();
    void apply_member_design();
    void create_controls();
    // The panel made for a panel of the description.
    LabelPanel& panel_for(const Component& design) const;
    void place_label(const Control& design);
    void paint_stars();

    AboutDesign design_;
    Win32HandOver hand_over_;  // outlives the star field's worker
    WindowStarfieldSurface surface_;
    TStarfield starfield_;
    TBehaviorLabel label1_, label2_;
    std::unique_ptr<Win32LabelView> view1_, view2_;
    std::unique_ptr<LabelPanel> panel1_, panel2_;
    NativeControls natives_;
    TEPInfoExe info_;
    std::unique_ptr<TAboutHandlers> handlers_;
    std::unique_ptr<FormComponents> frame_;  // the skinned frame, read after the window exists
};

}  // namespace tolsy
