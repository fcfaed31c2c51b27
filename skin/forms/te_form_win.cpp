#include "skin/forms/te_form_win.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <utility>

#include "base/handles_win.h"
#include "base/system_library_win.h"
#include "base/windows1252_win.h"
#include "picture/put_picture_win.h"
#include "picture/text_renderer_win.h"
#include "skin/forms/frame_paint.h"
#include "skin/forms/window_menu.h"
#include "skin/model/layout.h"
#include "skin/model/shape_win.h"
#include "toolkit/controls/application_win.h"
#include "toolkit/controls/control_win.h"
#include "toolkit/controls/form_components_win.h"
#include "toolkit/controls/menu_win.h"

namespace tolsy {

namespace {

const EnumInfo kBorderIconNames{"TTeBorderIcon",
                                {"kbiClose", "kbiSystemMenu", "kbiMinimize", "kbiMaximize",
                                 "kbiHelp", "kbiRollup", "kbiTray", "kbiTop", "kbiCustom"}};
const EnumInfo kBorderStyleNames{
    "TTeBorderStyle", {"kbsNone", "kbsBorder", "kbsStandard", "kbsDialog", "kbsToolWindow"}};
const EnumInfo kWindowStateNames{
    "TTeWindowState", {"kwsNormal", "kwsMaximized", "kwsMinimized", "kwsRollup", "kwsTray"}};
const EnumInfo kPerformanceNames{
    "TTeFormPerformance",
    {"ksfpNoBuffer", "ksfpSharedBuffer", "ksfpPersistentBuffer", "ksfpDoubleBuffer"}};
const EnumInfo kDragModeNames{"TTeFormDragMode",
                              {"kfdmBorder", "kfdmFullDrag", "kfdmSystemSettings"}};

constexpr UINT_PTR kHoverTimer = 0xB0E1;
constexpr UINT kHoverInterval = 400;
constexpr int kStripBelowClientTop = 50;
// Identifiers of the engine's own window menu entries (the first plus the entry's index),
// clear of the command pool's numbers; their owner-drawn item data carries a tag beside the
// index, so other owner-drawn menus of the window are left alone.
constexpr UINT kEntryFirst = 0xE001;
constexpr ULONG_PTR kEntryDataTag = 0x7E570000;
constexpr ULONG_PTR kEntryDataMask = 0xFFFF0000;

// The caption's window text in the frame's 8-bit text, and back.
std::string narrow(const std::u16string& text) {
    return wide_to_windows1252_lossy(std::wstring(text.begin(), text.end()));
}

// Draws the form's small icon into the picture, centred in `place`. The platform blends the icon
// over the frame's own pixels in a bitmap of the icon's size only, which goes back into the
// picture.
void draw_small_icon(Image& picture, const Rect& place) {
    HICON icon = program_small_icon();
    const int cx = GetSystemMetrics(SM_CXSMICON), cy = GetSystemMetrics(SM_CYSMICON);
    const Rect at = Rect::from_size(place.left + (place.width() - cx) / 2,
                                    place.top + (place.height() - cy) / 2, cx, cy);
    const Rect cell = at.intersect(Rect{0, 0, picture.width(), picture.height()});
    if (!icon || place.empty() || cell.empty()) return;
    std::uint32_t* bits = nullptr;
    UniqueBitmap bitmap = create_dib_section(cell.width(), cell.height(), &bits);
    if (!bitmap) return;
    const std::size_t row_bytes = static_cast<std::size_t>(cell.width()) * sizeof(std::uint32_t);
    for (int y = 0; y < cell.height(); ++y)
        std::memcpy(bits + static_cast<std::size_t>(y) * cell.width(),
                    picture.row(cell.top + y) + cell.left, row_bytes);
    UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    if (!dc) return;
    {
        SelectObjectScope selected(dc.get(), bitmap.get());
        DrawIconEx(dc.get(), at.left - cell.left, at.top - cell.top, icon, cx, cy, 0, nullptr,
                   DI_NORMAL);
        GdiFlush();
    }
    for (int y = 0; y < cell.height(); ++y)
        std::memcpy(picture.row(cell.top + y) + cell.left,
                    bits + static_cast<std::size_t>(y) * cell.width(), row_bytes);
}

BorderStyle toolkit_style(TTeBorderStyle style) {
    switch (style) {
        case TTeBorderStyle::kbsNone:
        case TTeBorderStyle::kbsBorder:
            return BorderStyle::kNone;
        case TTeBorderStyle::kbsDialog:
            return BorderStyle::kDialog;
        default:
            return BorderStyle::kSizeable;
    }
}

// The process's text renderer for frame captions; never freed, as layout keeps a pointer to it
// to the end of the process.
GdiTextRenderer& caption_renderer() {
    static GdiTextRenderer* renderer = new GdiTextRenderer;
    return *renderer;
}

}  // namespace

// --- Settings groups -------------------------------------------------------------------------

const ClassInfo& TTeDragging::static_class_info() {
    static const ClassInfo info = declare_class<TTeDragging>("TTeDragging", nullptr, [](auto& c) {
        c.boolean("Moveable", &TTeDragging::moveable, true);
        c.boolean("Sizeable", &TTeDragging::sizeable, true);
        c.enumeration("DragMode", &TTeDragging::drag_mode, kDragModeNames,
                      TTeFormDragMode::kfdmSystemSettings);
    });
    return info;
}
const ClassInfo& TTeGravitation::static_class_info() {
    static const ClassInfo info =
        declare_class<TTeGravitation>("TTeGravitation", nullptr, [](auto& c) {
            c.boolean("Enabled", &TTeGravitation::enabled);
            c.integer("Size", &TTeGravitation::size, 10);
            c.boolean("SnapToForms", &TTeGravitation::snap_to_forms);
            c.boolean("SnapToDesktop", &TTeGravitation::snap_to_desktop, true);
            c.boolean("OwnedForm", &TTeGravitation::owned_form, true);
        });
    return info;
}
const ClassInfo& TTeAnimation::static_class_info() {
    static const ClassInfo info = declare_class<TTeAnimation>("TTeAnimation", nullptr, [](auto& c) {
        c.boolean("Enabled", &TTeAnimation::enabled);
        c.integer("Time", &TTeAnimation::time, 200);
    });
    return info;
}
const ClassInfo& TTeBlending::static_class_info() {
    static const ClassInfo info = declare_class<TTeBlending>("TTeBlending", nullptr, [](auto& c) {
        c.boolean("Enabled", &TTeBlending::enabled);
        c.integer("Value", &TTeBlending::value, 255);
    });
    return info;
}
const ClassInfo& TTeShadow::static_class_info() {
    static const ClassInfo info = declare_class<TTeShadow>("TTeShadow", nullptr, [](auto& c) {
        c.boolean("Enabled", &TTeShadow::enabled);
        c.integer("Size", &TTeShadow::size, 4);
    });
    return info;
}
const ClassInfo& TTeSizeConstraints::static_class_info() {
    static const ClassInfo info =
        declare_class<TTeSizeConstraints>("TSizeConstraints", nullptr, [](auto& c) {
            c.integer("MaxHeight", &TTeSizeConstraints::max_height);
            c.integer("MaxWidth", &TTeSizeConstraints::max_width);
            c.integer("MinHeight", &TTeSizeConstraints::min_height);
            c.integer("MinWidth", &TTeSizeConstraints::min_width);
        });
    return info;
}
const ClassInfo& TTeMenuOptions::static_class_info() {
    static const ClassInfo info =
        declare_class<TTeMenuOptions>("TTePopupMenuOptions", nullptr, [](auto& c) {
            c.boolean("Animation", &TTeMenuOptions::animation);
            c.boolean("Shadow", &TTeMenuOptions::shadow, true);
        });
    return info;
}

// --- The component ---------------------------------------------------------------------------

const ClassInfo& TTeDefaultForm::static_class_info() {
    static const ClassInfo info =
        declare_class<TTeDefaultForm, Component>("TTeDefaultForm", [](auto& c) {
            c.boolean("Active", &TTeDefaultForm::active, true);
            c.object("Animation", &TTeDefaultForm::animation);
            c.object("Blending", &TTeDefaultForm::blending);
            c.set("BorderIcons",
                  getset(&TTeDefaultForm::border_icons, &TTeDefaultForm::set_border_icons),
                  kBorderIconNames, kDefaultBorderIcons);
            c.enumeration("BorderStyle",
                          getset(&TTeDefaultForm::border_style, &TTeDefaultForm::set_border_style),
                          kBorderStyleNames, TTeBorderStyle::kbsStandard);
            c.wide_string("Caption", &TTeDefaultForm::caption);
            c.object("Dragging", &TTeDefaultForm::dragging);
            c.object("Gravitation", &TTeDefaultForm::gravitation);
            c.object("Constraints", &TTeDefaultForm::constraints);
            c.reference("MenuBar", &TTeDefaultForm::menu_bar);
            c.reference("WindowMenu", &TTeDefaultForm::window_menu);
            c.object("SystemMenuOptions", &TTeDefaultForm::system_menu_options);
            c.reference("SystemMenuLink", &TTeDefaultForm::system_menu_link);
            c.boolean("SystemMenuLinkMerge", &TTeDefaultForm::system_menu_link_merge);
            c.boolean("SystemMenuLinkMergeAtFirst",
                      &TTeDefaultForm::system_menu_link_merge_at_first);
            c.object("TrayMenuOptions", &TTeDefaultForm::tray_menu_options);
            c.reference("TrayMenuLink", &TTeDefaultForm::tray_menu_link);
            c.boolean("MinimizeApplication", &TTeDefaultForm::minimize_application, true);
            c.enumeration("Performance", &TTeDefaultForm::performance, kPerformanceNames,
                          TTeFormPerformance::ksfpNoBuffer);
            c.object("Shadow", &TTeDefaultForm::shadow);
            c.boolean("StayOnTop",
                      getset(&TTeDefaultForm::stay_on_top, &TTeDefaultForm::set_stay_on_top));
            c.boolean("StretchBackground", &TTeDefaultForm::stretch_background);
            c.enumeration("WindowState",
                          getset(&TTeDefaultForm::window_state, &TTeDefaultForm::set_window_state),
                          kWindowStateNames, TTeWindowState::kwsNormal);
            c.boolean("DisabledNCArea", &TTeDefaultForm::disabled_nc_area);
            c.event("OnFormShown", &TTeDefaultForm::on_form_shown);
            c.event("OnCreate", &TTeDefaultForm::on_create);
            c.event("OnPaint", &TTeDefaultForm::on_paint);
            c.event("OnClose", &TTeDefaultForm::on_close);
            c.event("OnMinimize", &TTeDefaultForm::on_minimize);
            c.event("OnMaximize", &TTeDefaultForm::on_maximize);
            c.event("OnRollup", &TTeDefaultForm::on_rollup);
            c.event("OnMinToTray", &TTeDefaultForm::on_min_to_tray);
            c.event("OnResize", &TTeDefaultForm::on_resize);
            c.event("OnPaintBackground", &TTeDefaultForm::on_paint_background);
        });
    return info;
}

const ClassInfo& TTeForm::static_class_info() {
    static const ClassInfo info = declare_class<TTeForm, TTeDefaultForm>("TTeForm", [](auto& c) {
        c.reference("ThemeLink", &TTeForm::theme_link);
        c.string("ThemeObject", &TTeForm::theme_object_name, "default");
    });
    return info;
}

void register_frame_classes() {
    register_menu_classes();
    register_class<TTeForm>();
}

TTeDefaultForm::TTeDefaultForm(Component* owner) : TTeHook(owner) {
    if (auto* root = dynamic_cast<FormComponents*>(owner)) {
        const std::string text = root->form().caption();
        const std::wstring wide = windows1252_to_wide(text);
        caption.assign(wide.begin(), wide.end());
    }
}

TTeDefaultForm::~TTeDefaultForm() {
    theme_manager().unregister_client(this);
    remove_tray_icon();
    if (tray_window_) DestroyWindow(tray_window_);
    if (hooked_) {
        HWND window = hooked_window();
        stop_hover_check();
        if (window && IsWindow(window)) SetWindowRgn(window, nullptr, FALSE);
        if (Form* f = form()) f->set_frame_adjuster(nullptr);
    }
    detach();
}

Form* TTeDefaultForm::form() const {
    auto* root = dynamic_cast<FormComponents*>(owner());
    return root ? &root->form() : nullptr;
}

HWND TTeDefaultForm::current_window() const {
    const Form* f = form();
    return f ? f->handle() : nullptr;
}

TteTheme* TTeDefaultForm::theme() const {
    return theme_manager().current();
}

void TTeDefaultForm::set_border_icons(TTeBorderIcons icons) {
    border_icons_ = icons;
    if (hooked_) apply_frame();
}

void TTeDefaultForm::set_border_style(TTeBorderStyle style) {
    border_style_ = style;
    if (style == TTeBorderStyle::kbsDialog) dragging.sizeable = false;
    if (hooked_) apply_frame();
}

void TTeDefaultForm::set_stay_on_top(bool on) {
    stay_on_top_ = on;
    if (hooked_) set_topmost(on);
}

void TTeDefaultForm::set_window_state(TTeWindowState state) {
    if (!hooked_ || loading()) {
        window_state_ = state;
        return;
    }
    switch (state) {
        case TTeWindowState::kwsMaximized:
            maximize();
            break;
        case TTeWindowState::kwsMinimized:
            minimize();
            break;
        case TTeWindowState::kwsTray:
            minimize_to_tray();
            break;
        case TTeWindowState::kwsRollup:
            rollup();
            break;
        default:
            restore();
            break;
    }
}

void TTeDefaultForm::clamp_size(int& width, int& height) const {
    int min_width = constraints.min_width, max_width = constraints.max_width;
    int min_height = constraints.min_height, max_height = constraints.max_height;
    if (refit_pending_) {
        if (min_width == max_width && max_width > 0) min_width = 10, max_width = 0;
        if (min_height == max_height && max_height > 0) min_height = 10, max_height = 0;
    }
    if (max_width > 0) width = std::min(width, max_width);
    if (max_height > 0) height = std::min(height, max_height);
    // A minimised or rolled-up window is smaller than any minimum on purpose.
    if (window_state_ == TTeWindowState::kwsMinimized || window_state_ == TTeWindowState::kwsRollup)
        return;
    width = std::max(width, min_width);
    height = std::max(height, min_height);
}

void TTeDefaultForm::set_topmost(bool on) {
    HWND window = hooked_window();
    if (!window) return;
    // Out of the band there is nothing to leave; a hidden window in it is raised as it is shown.
    const bool in_band = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    if (in_band == on && (!on || !IsWindowVisible(window))) return;
    SetWindowPos(window, on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TTeDefaultForm::loaded() {
    TTeHook::loaded();
    Form& f = owner_form(*this);
    // The frame is laid out for the normal state first.
    const TTeWindowState wanted_state = std::exchange(window_state_, TTeWindowState::kwsNormal);
    // The form's own style follows the frame's.
    const TTeBorderStyle style = border_style_;
    set_border_style(style);
    BorderIcons icons;
    icons.system_menu = (border_icons_ & (border_icon(TTeBorderIcon::kbiClose) |
                                          border_icon(TTeBorderIcon::kbiSystemMenu))) != 0;
    icons.minimize = (border_icons_ & border_icon(TTeBorderIcon::kbiMinimize)) != 0;
    icons.maximize = (border_icons_ & border_icon(TTeBorderIcon::kbiMaximize)) != 0;
    icons.help = (border_icons_ & border_icon(TTeBorderIcon::kbiHelp)) != 0;
    f.set_border(toolkit_style(style), icons);
    if (!f.handle()) f.create_window();
    attach(f.handle());
    hooked_ = true;
    if (dragging.drag_mode == TTeFormDragMode::kfdmSystemSettings) {
        BOOL full = TRUE;
        SystemParametersInfoW(SPI_GETDRAGFULLWINDOWS, 0, &full, 0);
        dragging.drag_mode = full ? TTeFormDragMode::kfdmFullDrag : TTeFormDragMode::kfdmBorder;
    }
    set_layout_text_renderer(&caption_renderer());
    f.set_frame_adjuster([this](int width, int height) {
        const Form& form = *this->form();
        if (!framed()) {
            RECT r{0, 0, width, height};
            AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongW(form.handle(), GWL_STYLE)),
                               FALSE,
                               static_cast<DWORD>(GetWindowLongW(form.handle(), GWL_EXSTYLE)));
            return SIZE{r.right - r.left, r.bottom - r.top};
        }
        // The frame's thickness on each side, measured on a large window.
        const Rect probe{0, 0, 2000, 2000};
        const Rect client = disabled_nc_area ? probe
                                             : theme()->client_rect(frame_kind(border_style_),
                                                                    theme_object(), probe);
        return SIZE{width + probe.width() - client.width(),
                    height + probe.height() - client.height()};
    });
    // Registering tells a client of the current theme at once, which lays the frame out; only
    // without a theme is it laid out here (doing it twice costs the window a resize and a new
    // region for nothing).
    const bool told_of_theme = theme_manager().current() != nullptr;
    theme_manager().register_client(this);
    if (!told_of_theme) apply_frame();
    on_create(*this);
    if (stay_on_top_) set_topmost(true);
    // A state read with the description is applied once loading is over and the window is
    // in place.
    if (wanted_state != TTeWindowState::kwsNormal)
        PostMessageW(f.handle(), kApplyStateMessage, static_cast<WPARAM>(wanted_state), 0);
}

bool TTeDefaultForm::framed() const {
    if (!active || !hooked_ || !hooked_window()) return false;
    TteTheme* t = theme();
    return t && t->has_form_object(frame_kind(border_style_), theme_object());
}

FrameWindowInfo TTeDefaultForm::window_info() const {
    FrameWindowInfo info;
    RECT r{};
    GetWindowRect(hooked_window(), &r);
    info.window = {0, 0, r.right - r.left, r.bottom - r.top};
    info.active = window_active_;
    info.buttons = caption_buttons(border_style_, border_icons_, window_state_);
    info.caption = narrow(caption);
    info.no_frame = disabled_nc_area;
    return info;
}

int TTeDefaultForm::zone_at(Point p) const {
    if (!framed()) return kZoneClient;
    // Without a frame the whole window is client area, and dragging it anywhere moves it. (The
    // toolkit has no windowless controls and no application-wide cursor, which would keep
    // their points client.)
    if (disabled_nc_area) return kZoneCaption;
    const FrameWindowInfo info = window_info();
    const int kind = frame_kind(border_style_);
    const int zone = theme()->frame_hit_test(kind, theme_object(), info, p);
    if (zone != kZoneClient) return zone;
    const Rect client = theme()->client_rect(kind, theme_object(), info.window);
    return fallback_zone(info.window, client, p, dragging.sizeable);
}

Rect TTeDefaultForm::client_in(const Rect& window) const {
    if (disabled_nc_area) return window;
    return theme()->client_rect(frame_kind(border_style_), theme_object(), window);
}

Image TTeDefaultForm::render_frame() const {
    const FrameWindowInfo info = window_info();
    Image picture(info.window.width(), info.window.height(), 0xFF000000);
    if (!framed() || picture.empty()) return picture;
    CaptionMouse mouse = mouse_;
    mouse.moving = moving_;
    paint_frame_picture(*theme(), frame_kind(border_style_), theme_object(), info, mouse, picture);
    return picture;
}

void TTeDefaultForm::paint_frame() {
    HWND window = hooked_window();
    if (!framed() || !IsWindowVisible(window)) return;
    const FrameWindowInfo info = window_info();
    const int kind = frame_kind(border_style_);
    const Rect client = client_in(info.window);
    if (client == info.window && !shadow.enabled) return;
    Image fresh;
    Image& picture = frame_buffer(performance, fresh, persistent_);
    CaptionMouse mouse = mouse_;
    mouse.moving = moving_;
    paint_frame_picture(*theme(), kind, theme_object(), info, mouse, picture);
    // The window icon: the form's small icon centred in its place.
    if (info.buttons & caption_button_bit(kCaptionIcon))
        draw_small_icon(picture,
                        theme()->caption_button_rect(kind, theme_object(), info, kCaptionIcon));
    HDC dc = GetWindowDC(window);
    ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
    const int w = info.window.width(), h = info.window.height();
    if (performance == TTeFormPerformance::ksfpNoBuffer) {
        // The top strip, caption and buttons, goes on in one piece so the caption never
        // flickers; the rest of the frame around it first.
        const int strip = std::min(h, client.top + kStripBelowClientTop);
        put_picture_part(dc, picture, Rect{0, strip, w, h});
        put_picture_part(dc, picture, Rect{0, 0, w, strip});
    } else {
        put_picture_part(dc, picture, Rect{0, 0, w, client.top});
        put_picture_part(dc, picture, Rect{0, client.top, client.left, client.bottom});
        put_picture_part(dc, picture, Rect{client.right, client.top, w, client.bottom});
        put_picture_part(dc, picture, Rect{0, client.bottom, w, h});
    }
    ReleaseDC(window, dc);
}

void TTeDefaultForm::update_region() {
    HWND window = hooked_window();
    if (!window) return;
    if (!framed()) {
        SetWindowRgn(window, nullptr, TRUE);
        return;
    }
    const FrameWindowInfo info = window_info();
    const Shape shape =
        theme()->window_region(frame_kind(border_style_), theme_object(), info.window);
    // The window owns the region only once SetWindowRgn took it.
    set_window_region(window, make_region(shape), true);
}

void TTeDefaultForm::apply_frame() {
    HWND window = hooked_window();
    Form* f = form();
    if (!window || !f) return;
    // Until the move that works the frame out has ended, equal size limits give way; that move
    // sets the region (hook_after).
    refit_pending_ = true;
    if (window_state_ == TTeWindowState::kwsNormal) {
        // Hidden, the move is the one that shows the window: each move of a top-level window is
        // many requests to the window system, and the show paints all of the window.
        if (!f->refit_frame_when_seen()) return;
    } else {
        SetWindowPos(window, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    // Had the move not reached the hook, the limits would stay eased and the region unset.
    if (std::exchange(refit_pending_, false)) update_region();
    RedrawWindow(window, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void TTeDefaultForm::theme_notify(ThemeCode code, int) {
    if (!hooked_) return;
    if (code == ThemeCode::ColorsChanged || code == ThemeCode::BeforeChange) {
        paint_frame();
        return;
    }
    active = theme() != nullptr;
    apply_frame();
}

Point TTeDefaultForm::window_point_of_screen(POINT screen) const {
    RECT r{};
    GetWindowRect(hooked_window(), &r);
    return {screen.x - r.left, screen.y - r.top};
}

void TTeDefaultForm::toggle_outline() const {
    HDC screen = GetDC(nullptr);
    DrawFocusRect(screen, &drag_outline_);
    ReleaseDC(nullptr, screen);
}

void TTeDefaultForm::set_hot(int zone) {
    if (mouse_.hot_zone == zone) return;
    mouse_.hot_zone = zone;
    paint_frame();
    if (zone >= kZoneClose)
        start_hover_check();
    else
        stop_hover_check();
}

void TTeDefaultForm::start_hover_check() {
    if (hover_timer_) return;
    hover_timer_ = SetTimer(hooked_window(), kHoverTimer, kHoverInterval, nullptr) != 0;
}

void TTeDefaultForm::stop_hover_check() {
    if (!hover_timer_) return;
    KillTimer(hooked_window(), kHoverTimer);
    hover_timer_ = false;
}

void TTeDefaultForm::end_mouse() {
    moving_ = false;
    right_down_ = false;
    mouse_.left_down = false;
    mouse_.pressed_zone = kZoneClient;
    if (GetCapture() == hooked_window()) ReleaseCapture();
}

void TTeDefaultForm::close_window() {
    bool go = true;
    on_close(*this, go);
    if (!go) return;
    if (Form* f = form()) f->close();
}

void TTeDefaultForm::minimize() {
    Form* f = form();
    if (!f) return;
    if (window_state_ == TTeWindowState::kwsMinimized) {
        restore();
        return;
    }
    if (f->modal() && !minimize_application) return;
    bool go = true;
    on_minimize(*this, go);
    if (go) minimize_now();
}

void TTeDefaultForm::minimize_now() {
    HWND window = hooked_window();
    HWND owner = GetWindow(window, GW_OWNER);
    if (!owner) {
        PostMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 1);  // 1: already asked
    } else if (minimize_application && Application::instance().main_window()) {
        PostMessageW(Application::instance().main_window(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    } else {
        ShowWindow(window, SW_MINIMIZE);
    }
}

void TTeDefaultForm::maximize() {
    HWND window = hooked_window();
    if (window_state_ == TTeWindowState::kwsMaximized) {
        restore();
        return;
    }
    bool go = true;
    on_maximize(*this, go);
    if (!go) return;
    if (window_state_ == TTeWindowState::kwsNormal) GetWindowRect(window, &normal_bounds_);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor))
        area = stay_on_top_ ? monitor.rcMonitor : monitor.rcWork;
    else if (!stay_on_top_)
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    window_state_ = TTeWindowState::kwsMaximized;
    SetWindowPos(window, nullptr, area.left, area.top, area.right - area.left,
                 area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TTeDefaultForm::rollup() {
    HWND window = hooked_window();
    if (window_state_ == TTeWindowState::kwsRollup) {
        restore();
        return;
    }
    bool go = true;
    on_rollup(*this, go);
    if (!go || !framed()) return;
    if (window_state_ == TTeWindowState::kwsNormal) GetWindowRect(window, &normal_bounds_);
    const FrameWindowInfo info = window_info();
    const Rect client =
        theme()->client_rect(frame_kind(border_style_), theme_object(), info.window);
    window_state_ = TTeWindowState::kwsRollup;
    SetWindowPos(window, nullptr, 0, 0, info.window.width(), client.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TTeDefaultForm::minimize_to_tray() {
    Form* f = form();
    HWND window = hooked_window();
    if (!f || !window) return;
    if (window_state_ == TTeWindowState::kwsTray) {
        restore();
        return;
    }
    // A hidden modal window would leave its owner disabled with nothing on screen to end it.
    if (f->modal()) return;
    bool go = true;
    on_minimize(*this, go);
    if (!go) return;
    on_min_to_tray(*this);
    if (!add_tray_icon()) {
        // No notification area to come back from: an ordinary minimise keeps the window
        // within reach.
        minimize_now();
        return;
    }
    end_mouse();
    set_hot(kZoneClient);
    state_before_tray_ = window_state_;
    GetWindowRect(window, &tray_bounds_);
    window_state_ = TTeWindowState::kwsTray;
    ShowWindow(window, SW_HIDE);
}

namespace {

// The shell's notification-area call, loaded with the shell library on the first minimise to
// the tray (most runs never do it); nullptr when the library cannot be had, and then the window
// minimises as usual.
BOOL notify_icon(DWORD message, NOTIFYICONDATAW* data) {
    using NotifyIcon = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAW*);
    static const NotifyIcon call = system_function<NotifyIcon>(L"shell32.dll", "Shell_NotifyIconW");
    return call ? call(message, data) : FALSE;
}

}  // namespace

bool TTeDefaultForm::add_tray_icon() {
    static const wchar_t* const kTrayClass = L"TTeFormTray";
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &TTeDefaultForm::tray_procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kTrayClass;
        return RegisterClassW(&wc) != 0;
    }();
    if (!registered) return false;
    if (!tray_window_) {
        tray_window_ = CreateWindowExW(0, kTrayClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
        if (!tray_window_) return false;
        SetWindowLongPtrW(tray_window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    tray_ = NOTIFYICONDATAW{};
    tray_.cbSize = sizeof tray_;
    tray_.hWnd = tray_window_;
    tray_.uID = 1;
    tray_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    tray_.uCallbackMessage = kTrayCallbackMessage;
    // The form's icon, else the application's.
    tray_.hIcon = reinterpret_cast<HICON>(SendMessageW(hooked_window(), WM_GETICON, ICON_SMALL, 0));
    if (!tray_.hIcon) tray_.hIcon = program_small_icon();
    if (!tray_.hIcon) tray_.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    const std::wstring tip = windows1252_to_wide(Application::instance().title());
    const std::size_t length = std::min<std::size_t>(tip.size(), std::size(tray_.szTip) - 1);
    std::copy_n(tip.begin(), length, tray_.szTip);
    tray_shown_ = notify_icon(NIM_ADD, &tray_) != FALSE;
    return tray_shown_;
}

void TTeDefaultForm::remove_tray_icon() {
    if (!tray_shown_) return;
    notify_icon(NIM_DELETE, &tray_);
    tray_shown_ = false;
}

void TTeDefaultForm::tray_callback(UINT mouse_message) {
    if (window_state_ != TTeWindowState::kwsTray) return;
    switch (mouse_message) {
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
            restore();
            break;
        case WM_RBUTTONUP: {
            POINT cursor{};
            GetCursorPos(&cursor);
            if (tray_menu_link) {
                SetForegroundWindow(hooked_window());
                popup_menu(*tray_menu_link, hooked_window(), cursor);
            } else {
                open_window_menu({cursor.x, cursor.y}, false);
            }
            break;
        }
        default:
            break;
    }
}

LRESULT CALLBACK TTeDefaultForm::tray_procedure(HWND window, UINT message, WPARAM wparam,
                                                LPARAM lparam) {
    if (message == kTrayCallbackMessage) {
        auto* self = reinterpret_cast<TTeDefaultForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (self)
            Application::instance().guarded(
                [&] { self->tray_callback(static_cast<UINT>(LOWORD(lparam))); });
        return 0;
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

void TTeDefaultForm::restore() {
    HWND window = hooked_window();
    if (window_state_ == TTeWindowState::kwsTray) {
        // Back in the bounds and the state it had before, drawn before the icon goes (taking
        // the icon away can keep the platform busy for a while).
        window_state_ = state_before_tray_;
        ShowWindow(window, SW_SHOW);
        const RECT& r = tray_bounds_;
        SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SetForegroundWindow(window);
        if (stay_on_top_) set_topmost(true);
        UpdateWindow(window);
        remove_tray_icon();
        return;
    }
    if (IsIconic(window)) {
        ShowWindow(window, SW_RESTORE);
        return;
    }
    if (window_state_ == TTeWindowState::kwsMaximized ||
        window_state_ == TTeWindowState::kwsRollup) {
        window_state_ = TTeWindowState::kwsNormal;
        const RECT& r = normal_bounds_;
        SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

void TTeDefaultForm::button_action(int zone) {
    switch (zone) {
        case kZoneClose:
            close_window();
            break;
        case kZoneHelp:
            PostMessageW(hooked_window(), WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
            break;
        case kZoneMinimize:
            minimize();
            break;
        case kZoneMaximize:
            maximize();
            break;
        case kZoneRollUp:
            rollup();
            break;
        case kZoneTray:
            minimize_to_tray();
            break;
        case kZoneIcon: {
            const FrameWindowInfo info = window_info();
            const Rect r = theme()->caption_button_rect(frame_kind(border_style_), theme_object(),
                                                        info, kCaptionIcon);
            RECT w{};
            GetWindowRect(hooked_window(), &w);
            anchor_ = POINT{w.left + r.left, w.top + r.bottom};
            anchored_ = true;
            open_window_menu({anchor_.x, anchor_.y}, true);
            break;
        }
        default:
            break;
    }
}

void TTeDefaultForm::open_window_menu(Point at, bool) {
    HWND window = hooked_window();
    const POINT point{at.x, at.y};
    if (system_menu_link && !system_menu_link_merge) {
        popup_menu(*system_menu_link, window, point);
        return;
    }
    // The engine's own window menu, built afresh each time, its entries drawn from the theme's
    // pop-up menu when it has one.
    HMENU menu = CreatePopupMenu();
    menu_entries_ = engine_window_menu(border_icons_, window_state_);
    const WindowMenuEntry probe{"-", {}, -1};
    const bool themed =
        framed() && window_menu_entry_height(*theme(), probe, caption_renderer()).has_value();
    for (std::size_t i = 0; i < menu_entries_.size(); ++i) {
        const WindowMenuEntry& entry = menu_entries_[i];
        const bool separator = entry.caption == "-";
        std::wstring text = windows1252_to_wide(entry.caption);
        if (!entry.shortcut.empty()) text += L"\t" + windows1252_to_wide(entry.shortcut);
        MENUITEMINFOW item{};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_ID | MIIM_DATA | (separator ? 0 : MIIM_STRING);
        item.fType = (separator ? MFT_SEPARATOR : MFT_STRING) | (themed ? MFT_OWNERDRAW : 0);
        item.wID = separator ? 0 : kEntryFirst + static_cast<UINT>(i);
        item.dwItemData = kEntryDataTag | i;
        if (!separator) item.dwTypeData = text.data();
        InsertMenuItemW(menu, static_cast<UINT>(-1), TRUE, &item);
    }
    if (system_menu_link && window_state_ != TTeWindowState::kwsTray) {
        HMENU linked = create_popup(system_menu_link->items(), false);
        const int count = GetMenuItemCount(linked);
        for (int i = 0; i < count; ++i) {
            wchar_t text[256] = {};
            MENUITEMINFOW item{};
            item.cbSize = sizeof item;
            item.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_STRING;
            item.dwTypeData = text;
            item.cch = 255;
            GetMenuItemInfoW(linked, static_cast<UINT>(i), TRUE, &item);
            const UINT at_pos =
                system_menu_link_merge_at_first ? static_cast<UINT>(i) : static_cast<UINT>(-1);
            InsertMenuItemW(menu, at_pos, TRUE, &item);
        }
        DestroyMenu(linked);
    }
    SetForegroundWindow(window);
    const UINT chosen = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY,
        point.x, point.y, 0, window, nullptr));
    DestroyMenu(menu);
    PostMessageW(window, WM_NULL, 0, 0);
    const std::vector<WindowMenuEntry> entries = std::move(menu_entries_);
    menu_entries_.clear();
    if (chosen == 0) return;
    // An engine entry is recognised by its caption.
    const std::size_t index = chosen - kEntryFirst;
    const auto action = chosen >= kEntryFirst && index < entries.size()
                            ? window_menu_action(entries[index].caption)
                            : std::nullopt;
    if (action) {
        switch (*action) {
            case WindowMenuAction::kRestore:
                restore();
                break;
            case WindowMenuAction::kMinimize:
                minimize();
                break;
            case WindowMenuAction::kMaximize:
                maximize();
                break;
            case WindowMenuAction::kRollup:
                rollup();
                break;
            case WindowMenuAction::kTray:
                minimize_to_tray();
                break;
            case WindowMenuAction::kClose:
                close_window();
                break;
        }
        return;
    }
    if (system_menu_link) system_menu_link->dispatch_command(chosen);
}

const WindowMenuEntry* TTeDefaultForm::menu_entry_of(ULONG_PTR data) const {
    if ((data & kEntryDataMask) != kEntryDataTag) return nullptr;
    const std::size_t index = data & ~kEntryDataMask;
    return index < menu_entries_.size() ? &menu_entries_[index] : nullptr;
}

bool TTeDefaultForm::handle_mouse(HookMessage& m) {
    HWND window = hooked_window();
    POINT screen{GET_X_LPARAM(m.lparam), GET_Y_LPARAM(m.lparam)};
    const bool client_coordinates =
        m.message == WM_MOUSEMOVE || m.message == WM_LBUTTONUP || m.message == WM_RBUTTONUP;
    if (client_coordinates) ClientToScreen(window, &screen);
    const Point p = window_point_of_screen(screen);
    switch (m.message) {
        case WM_NCLBUTTONDOWN: {
            const int zone = zone_at(p);
            mouse_.pressed_zone = zone;
            mouse_.hot_zone = zone;
            mouse_.left_down = true;
            drag_start_ = screen;
            GetWindowRect(window, &drag_origin_);
            moving_ = zone >= kZoneCaption && zone <= kZoneBottomRight &&
                      (zone == kZoneCaption ? dragging.moveable : dragging.sizeable) &&
                      zone != kZoneBorder && window_state_ != TTeWindowState::kwsMaximized;
            full_drag_ = dragging.drag_mode != TTeFormDragMode::kfdmBorder;
            if (moving_ && !full_drag_) {
                drag_outline_ = drag_origin_;
                toggle_outline();
            }
            SetCapture(window);
            paint_frame();
            return true;
        }
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE: {
            if (moving_ && mouse_.left_down) {
                const int dx = screen.x - drag_start_.x, dy = screen.y - drag_start_.y;
                RECT r = drag_origin_;
                switch (mouse_.pressed_zone) {
                    case kZoneCaption:
                        OffsetRect(&r, dx, dy);
                        break;
                    case kZoneLeft:
                    case kZoneTopLeft:
                    case kZoneBottomLeft:
                        r.left += dx;
                        break;
                    case kZoneRight:
                    case kZoneTopRight:
                    case kZoneBottomRight:
                        r.right += dx;
                        break;
                    default:
                        break;
                }
                const int z = mouse_.pressed_zone;
                if (z == kZoneTop || z == kZoneTopLeft || z == kZoneTopRight) r.top += dy;
                if (z == kZoneBottom || z == kZoneBottomLeft || z == kZoneBottomRight)
                    r.bottom += dy;
                if (full_drag_)
                    SetWindowPos(
                        window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                        SWP_NOZORDER | SWP_NOACTIVATE | (z == kZoneCaption ? SWP_NOSIZE : 0));
                else {
                    toggle_outline();
                    drag_outline_ = r;
                    toggle_outline();
                }
                return true;
            }
            if (m.message == WM_MOUSEMOVE && GetCapture() != window) return false;
            const int zone = zone_at(p);
            if (mouse_.left_down) {
                // Pressed while over its zone, normal while the mouse is elsewhere.
                if (zone != mouse_.hot_zone) {
                    mouse_.hot_zone = zone;
                    paint_frame();
                }
            } else {
                set_hot(zone);
            }
            return m.message == WM_NCMOUSEMOVE || GetCapture() == window;
        }
        case WM_LBUTTONUP:
        case WM_NCLBUTTONUP: {
            if (!mouse_.left_down) return m.message == WM_NCLBUTTONUP;
            const int pressed = mouse_.pressed_zone;
            const bool was_moving = moving_;
            const int zone = zone_at(p);
            if (was_moving && !full_drag_) {
                toggle_outline();
                const RECT r = drag_outline_;
                SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                             SWP_NOZORDER | SWP_NOACTIVATE);
            }
            end_mouse();
            mouse_.hot_zone = zone;
            paint_frame();
            if (!was_moving && zone == pressed && pressed >= kZoneClose) button_action(pressed);
            return true;
        }
        case WM_NCLBUTTONDBLCLK: {
            const int zone = zone_at(p);
            if (zone == kZoneIcon) {
                close_window();
            } else if (zone == kZoneCaption &&
                       (border_icons_ & border_icon(TTeBorderIcon::kbiMaximize))) {
                maximize();
            }
            return true;
        }
        case WM_NCRBUTTONDOWN:
            right_down_ = true;
            return true;
        case WM_NCRBUTTONUP:
        case WM_RBUTTONUP: {
            if (!right_down_) return m.message == WM_NCRBUTTONUP;
            right_down_ = false;
            if (zone_at(p) == kZoneCaption) {
                anchored_ = false;
                open_window_menu({screen.x, screen.y}, false);
            }
            return true;
        }
        default:
            return false;
    }
}

bool TTeDefaultForm::hook_message(HookMessage& m) {
    if (m.message == kApplyStateMessage) {
        if (m.wparam <= static_cast<WPARAM>(TTeWindowState::kwsTray))
            set_window_state(static_cast<TTeWindowState>(m.wparam));
        m.result = 0;
        return true;
    }
    if (!framed()) return false;
    HWND window = hooked_window();
    // A minimised window is the platform's: its small caption restores on a double click.
    if (IsIconic(window) && m.message != WM_SYSCOMMAND) return false;
    switch (m.message) {
        case WM_NCCALCSIZE: {
            if (IsIconic(window)) return false;
            auto* r = reinterpret_cast<RECT*>(m.lparam);  // the first rectangle either way
            if (!disabled_nc_area) {
                const Rect whole{0, 0, r->right - r->left, r->bottom - r->top};
                const Rect client =
                    theme()->client_rect(frame_kind(border_style_), theme_object(), whole);
                *r = RECT{r->left + client.left, r->top + client.top, r->left + client.right,
                          r->top + client.bottom};
            }
            m.result = 0;
            return true;
        }
        case WM_NCHITTEST: {
            const Point p =
                window_point_of_screen({GET_X_LPARAM(m.lparam), GET_Y_LPARAM(m.lparam)});
            m.result = hit_test_code(zone_at(p), dragging.moveable, dragging.sizeable,
                                     window_state_ == TTeWindowState::kwsMaximized);
            return true;
        }
        case WM_WINDOWPOSCHANGING: {
            auto* pos = reinterpret_cast<WINDOWPOS*>(m.lparam);
            if (!(pos->flags & SWP_NOSIZE)) clamp_size(pos->cx, pos->cy);
            // Showing the window paints its whole frame once it is on the screen; the
            // activation that comes with it need not paint it first.
            if ((pos->flags & SWP_SHOWWINDOW) && !IsWindowVisible(window))
                frame_paint_pending_ = true;
            return false;
        }
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(m.lparam);
            const WindowMenuEntry* entry =
                measure->CtlType == ODT_MENU ? menu_entry_of(measure->itemData) : nullptr;
            if (!entry) return false;
            measure->itemWidth = static_cast<UINT>(
                window_menu_entry_width(*theme(), *entry, caption_renderer()).value_or(0));
            measure->itemHeight = static_cast<UINT>(
                window_menu_entry_height(*theme(), *entry, caption_renderer()).value_or(0));
            m.result = TRUE;
            return true;
        }
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(m.lparam);
            const WindowMenuEntry* entry =
                draw->CtlType == ODT_MENU ? menu_entry_of(draw->itemData) : nullptr;
            if (!entry) return false;
            const RECT& r = draw->rcItem;
            if (r.right <= r.left || r.bottom <= r.top) return false;
            Image picture(r.right - r.left, r.bottom - r.top, 0xFF000000);
            Canvas canvas(picture);
            paint_window_menu_entry(*theme(), *entry, (draw->itemState & ODS_SELECTED) != 0, canvas,
                                    caption_renderer());
            put_picture(draw->hDC, picture, r.left, r.top);
            m.result = TRUE;
            return true;
        }
        case WM_NCPAINT:
            frame_paint_pending_ = false;
            paint_frame();
            m.result = 0;
            return true;
        case WM_NCACTIVATE:
            window_active_ = m.wparam != FALSE;
            if (!restore_chained_ && minimize_application) {
                restore_chained_ = true;
                auto previous = std::make_shared<Application::Notify>();
                *previous = Application::instance().set_on_restore([this, previous] {
                    if (*previous) (*previous)();
                    window_state_ = TTeWindowState::kwsNormal;
                    paint_frame();
                });
            }
            if (!frame_paint_pending_) paint_frame();
            m.result = TRUE;
            return true;
        case WM_SETTEXT: {
            // The platform would draw its own caption with the new text.
            const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
            SetWindowLongPtrW(window, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CAPTION));
            m.result = WindowHook::find(window)->call_previous(m.message, m.wparam, m.lparam);
            SetWindowLongPtrW(window, GWL_STYLE, style);
            const auto* text = reinterpret_cast<const wchar_t*>(m.lparam);
            if (text) caption.assign(text, text + wcslen(text));
            paint_frame();
            return true;
        }
        case WM_ERASEBKGND: {
            auto* form = dynamic_cast<Form*>(Window::from_handle(hooked_window()));
            if (on_paint && !loading()) {
                on_paint(*this);
                if (form != nullptr) form->paint_controls_if_just_shown();
                m.result = 1;
                return true;
            }
            const FrameWindowInfo info = window_info();
            const int kind = frame_kind(border_style_);
            const Rect client = client_in(info.window);
            if (client.empty()) return false;
            Image picture(client.width(), client.height(), 0xFF000000);
            Canvas canvas(picture);
            canvas.set_origin({-client.left, -client.top});
            theme()->draw_form_background(kind, theme_object(), canvas, client);
            // The boxes on the window (the panel), in the look of the controls' theme and in
            // client coordinates.
            canvas.set_origin({0, 0});
            const bool boxes_drawn = form == nullptr || paint_box_looks(*form, canvas);
            const auto dc = reinterpret_cast<HDC>(m.wparam);
            put_picture(dc, picture, 0, 0);
            if (!boxes_drawn) paint_boxes(*form, dc);
            if (form != nullptr) form->paint_controls_if_just_shown();
            m.result = 1;
            return true;
        }
        case WM_TIMER:
            if (m.wparam != kHoverTimer) return false;
            if (!mouse_.left_down) {
                POINT cursor{};
                GetCursorPos(&cursor);
                const bool over = WindowFromPoint(cursor) == window;
                const int zone = over ? zone_at(window_point_of_screen(cursor)) : kZoneClient;
                if (zone != mouse_.hot_zone) set_hot(zone);
            }
            if (mouse_.hot_zone < kZoneClose) stop_hover_check();
            m.result = 0;
            return true;
        case WM_CAPTURECHANGED:
            if (mouse_.left_down && reinterpret_cast<HWND>(m.lparam) != window) {
                moving_ = false;
                mouse_.left_down = false;
                mouse_.pressed_zone = kZoneClient;
                paint_frame();
            }
            return false;
        case WM_SYSCOMMAND: {
            const WPARAM command = m.wparam & 0xFFF0;
            // A minimised window shows the platform's own menu, which offers Restore.
            if ((command == SC_KEYMENU || command == SC_MOUSEMENU) && !IsIconic(window)) {
                POINT at = anchor_;
                if (window_state_ == TTeWindowState::kwsTray) {
                    GetCursorPos(&at);
                } else if (!anchored_) {
                    at = POINT{0, 0};
                    ClientToScreen(window, &at);
                }
                open_window_menu({at.x, at.y}, false);
                m.result = 0;
                return true;
            }
            if (command == SC_MINIMIZE && m.lparam != 1) {
                bool go = true;
                on_minimize(*this, go);
                m.result = 0;
                return !go;
            }
            if (command == SC_RESTORE && !IsIconic(window)) {
                restore();
                m.result = 0;
                return true;
            }
            return false;
        }
        default:
            return handle_mouse(m);
    }
}

void TTeDefaultForm::hook_after(HookMessage& m) {
    if (!hooked_) return;
    HWND window = hooked_window();
    switch (m.message) {
        case WM_ACTIVATE: {
            // The frame was painted in this state at WM_NCACTIVATE, which comes first.
            const bool active = LOWORD(m.wparam) != WA_INACTIVE;
            if (active == window_active_) break;
            window_active_ = active;
            paint_frame();
            break;
        }
        case WM_SIZE:
            if (m.wparam == SIZE_MINIMIZED) {
                window_state_ = TTeWindowState::kwsMinimized;
            } else if (m.wparam == SIZE_RESTORED && window_state_ == TTeWindowState::kwsMinimized) {
                window_state_ = TTeWindowState::kwsNormal;
            }
            break;
        case WM_WINDOWPOSCHANGED: {
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.lparam);
            RECT r{};
            GetWindowRect(window, &r);
            const int w = r.right - r.left, h = r.bottom - r.top;
            // The move that works the frame out sets the region, sized anew or not.
            const bool laid_out = refit_pending_ && (pos->flags & SWP_FRAMECHANGED);
            if (laid_out) refit_pending_ = false;
            const bool resized =
                !(pos->flags & SWP_NOSIZE) && (w != last_width_ || h != last_height_);
            if (resized || laid_out) update_region();
            if (resized) {
                last_width_ = w;
                last_height_ = h;
                on_resize(*this);
            }
            // Shown, the frame was painted by the show's own non-client paint, unless none came.
            const bool shown_unpainted = (pos->flags & SWP_SHOWWINDOW) && frame_paint_pending_;
            frame_paint_pending_ = false;
            if ((pos->flags & SWP_FRAMECHANGED) || shown_unpainted) paint_frame();
            if (pos->flags & SWP_SHOWWINDOW) on_form_shown(*this);
            break;
        }
        default:
            break;
    }
}

}  // namespace tolsy
