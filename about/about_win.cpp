#include "about/about_win.h"

#include <stdexcept>

#include "about/version_info_win.h"
#include "base/handles_win.h"
#include "picture/put_picture_win.h"
#include "skin/controls/skinned_controls_win.h"
#include "skin/forms/te_form_win.h"
#include "toolkit/controls/application_win.h"
#include "toolkit/controls/form_resource_win.h"

namespace tolsy {
namespace {

COLORREF to_colorref(Color color) {
    if ((color & kSystemColorFlag) == kSystemColorFlag)
        return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0x00FFFFFF;
}

FontSpec to_font_spec(const Font& font) {
    return {font.name, font.height, font.charset, (font.style & kFontBold) != 0,
            (font.style & kFontItalic) != 0};
}

UINT text_alignment(TAlignment alignment) {
    switch (alignment) {
        case TAlignment::taCenter:
            return DT_CENTER;
        case TAlignment::taRightJustify:
            return DT_RIGHT;
        default:
            return DT_LEFT;
    }
}

BorderStyle form_border(TFormBorderStyle style) {
    switch (style) {
        case TFormBorderStyle::bsNone:
            return BorderStyle::kNone;
        case TFormBorderStyle::bsSingle:
            return BorderStyle::kSingle;
        case TFormBorderStyle::bsDialog:
            return BorderStyle::kDialog;
        default:
            return BorderStyle::kSizeable;
    }
}

void design_label(TBehaviorLabel& label, const BehaviorLabelDesign& d) {
    label.set_loading(true);
    label.set_bounds(d.left, d.top, d.width, d.height);
    label.set_behavior(d.Behavior);
    label.set_visible(d.visible);
    label.set_caption(d.caption_text());
    label.set_loading(false);
}

std::unique_ptr<Win32LabelView> label_view(TBehaviorLabel& label, const BehaviorLabelDesign& d,
                                           const Font& window_font) {
    const Font& font = d.effective_font(window_font);
    return std::make_unique<Win32LabelView>(label, to_font_spec(font), to_colorref(font.color),
                                            text_alignment(d.Alignment));
}

std::unique_ptr<LabelPanel> panel_of(const PanelDesign& d) {
    return std::make_unique<LabelPanel>(d.left, d.top, d.width, d.height, to_colorref(d.color));
}

}  // namespace

void WindowStarfieldSurface::copy_bitmap(const Image& bitmap) {
    if (!window_.handle() || bitmap.empty()) return;
    // Borrowed during a paint, else the window's own for a frame from the worker.
    std::optional<WindowDc> own;
    HDC dc = paint_dc_;
    if (!dc) dc = own.emplace(window_.handle()).get();
    put_picture(dc, bitmap, 0, 0);
}

TAbout::TAbout() : surface_(*this), starfield_(hand_over_), info_(&win32_version_info_api()) {
    use_win32_behavior_timers();
    on_create = [this] {
        create_controls();
        design_.OnCreate(design_);
    };
    on_activate = [this] { design_.OnActivate(design_); };
    on_close = [this] { design_.OnClose(design_); };
}

TAbout::~TAbout() {
    // The labels may still move when their effects are released; no view is left to tell.
    label1_.set_view(nullptr);
    label2_.set_view(nullptr);
}

void TAbout::read_description() {
    auto bind = [this](void (TAbout::*method)()) {
        return NotifyEvent::Function([this, method](Component&) { (this->*method)(); });
    };
    // The description binds its events to these names.
    const DescriptionHandlers handlers = {
        {"FormCreate", bind(&TAbout::FormCreate)},
        {"FormActivate", bind(&TAbout::FormActivate)},
        {"FormClose", bind(&TAbout::FormClose)},
        {"BehaviorLabel1Stop", bind(&TAbout::BehaviorLabel1Stop)},
        {"TeButton1Click", bind(&TAbout::TeButton1Click)},
    };
    load_window_description(design_, kAboutDescriptionName, handlers, keep_about_design);
    if (!design_.Starfield1 || !design_.Panel1 || !design_.Panel2 || !design_.BehaviorLabel1 ||
        !design_.BehaviorLabel2 || !design_.TeButton1 || !design_.EPInfoExe1)
        throw std::runtime_error("The window description TABOUT lacks a member");
}

void TAbout::apply_window_design() {
    set_caption(design_.Caption);
    set_border_style(form_border(design_.BorderStyle));
    set_border_icons(
        {(design_.BorderIcons & biSystemMenu) != 0, (design_.BorderIcons & biMinimize) != 0,
         (design_.BorderIcons & biMaximize) != 0, (design_.BorderIcons & biHelp) != 0});
    set_client_size(design_.ClientWidth, design_.ClientHeight);
    set_color(to_colorref(design_.Color_));
    set_font(to_font_spec(design_.Font));
    set_centered(design_.Position == TPosition::poScreenCenter);
}

void TAbout::apply_member_design() {
    const StarfieldDesign& stars = *design_.Starfield1;
    starfield_.set_surface(&surface_);
    starfield_.set_color(stars.color);
    starfield_.set_delay(stars.Delay);
    starfield_.set_max_speed(stars.MaxSpeed);
    // Aligned to the client area, as the window's client size gives it.
    if (stars.align == kAlignClient)
        starfield_.set_bounds(design_.ClientWidth, design_.ClientHeight);
    else
        starfield_.set_bounds(stars.width, stars.height);
    starfield_.set_stars(stars.Stars);
    starfield_.set_active(stars.Active);

    design_label(label1_, *design_.BehaviorLabel1);
    design_label(label2_, *design_.BehaviorLabel2);
    view1_ = label_view(label1_, *design_.BehaviorLabel1, design_.Font);
    view2_ = label_view(label2_, *design_.BehaviorLabel2, design_.Font);
    label1_.OnStop = [this](TCustomBehaviorLabel&) {
        design_.BehaviorLabel1->OnStop(*design_.BehaviorLabel1);
    };
    panel1_ = panel_of(*design_.Panel1);
    panel2_ = panel_of(*design_.Panel2);
    info_.set_lang_id(design_.EPInfoExe1->LangId);
    handlers_ = std::make_unique<TAboutHandlers>(
        AboutControls{starfield_, *panel1_, label1_, label2_, info_});
}

void TAbout::Create(HWND owner) {
    read_description();
    apply_window_design();
    apply_member_design();
    create_window(owner);
    // The frame, caption and close button come from the theme, as the main window's do.
    register_frame_classes();
    frame_ = std::make_unique<FormComponents>(*this);
    load_window_description(*frame_, kAboutDescriptionName, {}, keep_about_frame);
}

void TAbout::create_controls() {
    // The star field has no window of its own: this window paints it.
    natives_.add_kind(StarfieldDesign::static_class_info(),
                      [](HWND, Control&, const Bounds&) -> HWND { return nullptr; });
    natives_.add_kind(PanelDesign::static_class_info(),
                      [this](HWND parent, Control& design, const Bounds&) {
                          LabelPanel& panel = panel_for(design);
                          panel.create_window_on(parent);
                          return panel.handle();
                      });
    natives_.add_kind(BehaviorLabelDesign::static_class_info(),
                      [this](HWND, Control& design, const Bounds&) {
                          place_label(design);
                          return HWND{};
                      });
    natives_.set_factory(skinned_controls());
    natives_.build(handle(), child_controls_of(design_), design_.Font, handle());
    set_default_button_id(natives_.default_button_id());
}

LabelPanel& TAbout::panel_for(const Component& design) const {
    if (&design == design_.Panel1) return *panel1_;
    if (&design == design_.Panel2) return *panel2_;
    throw std::runtime_error("The window description TABOUT has an unknown panel " + design.name());
}

void TAbout::place_label(const Control& design) {
    LabelPanel& panel = panel_for(*design.parent_component());
    if (&design == design_.BehaviorLabel1) {
        panel.add_label(label1_, *view1_);
    } else if (&design == design_.BehaviorLabel2) {
        panel.add_label(label2_, *view2_);
    } else {
        throw std::runtime_error("The window description TABOUT has an unknown label " +
                                 design.name());
    }
}

void TAbout::FormCreate() {
    handlers_->FormCreate(running_program_file());
}
void TAbout::FormActivate() {
    handlers_->FormActivate(design_.ClientWidth);
}
void TAbout::FormClose() {
    handlers_->FormClose();
}
void TAbout::BehaviorLabel1Stop() {
    handlers_->BehaviorLabel1Stop();
}
void TAbout::TeButton1Click() {
    close();
}

void TAbout::paint_stars() {
    // Every repaint is a frame step as well; an error in it must not leave the paint open.
    const PaintScope paint_scope(handle());
    surface_.set_paint_dc(paint_scope.dc());
    try {
        starfield_.Paint();
    } catch (...) {
        surface_.set_paint_dc(nullptr);
        throw;
    }
    surface_.set_paint_dc(nullptr);
}

LRESULT TAbout::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the star field covers the whole client area
        case WM_PAINT:
            paint_stars();
            return 0;
        default:
            break;
    }
    return Form::handle_message(message, wparam, lparam);
}

}  // namespace tolsy
