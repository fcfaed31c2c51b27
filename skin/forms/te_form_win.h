#pragma once
// TTeDefaultForm and TTeForm: the component that takes over a form window's frame. The caption,
// borders, caption buttons and window icon are drawn from the current theme, and the component
// does what the platform would do there: hit testing, the caption buttons, moving and sizing by
// the mouse, the window menu, minimising, maximising, rolling up and staying on top. Without a
// theme, or without a form object for the frame kind, the platform's own frame is left alone.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "picture/image.h"
#include "skin/forms/frame_rules.h"
#include "skin/forms/window_hook_win.h"
#include "skin/forms/window_menu.h"
#include "skin/themes/theme_manager.h"
#include "toolkit/components/class_builder.h"
#include "toolkit/components/menu.h"

namespace tolsy {

class Form;

// The notification-area icon's callback message, sent to the frame's own utility window.
inline constexpr UINT kTrayCallbackMessage = 0x056C;
// Posted to the window at the end of loading: applies a window state that was read while
// loading (wparam: the state).
inline constexpr UINT kApplyStateMessage = 0x056F;

// Settings groups that the frame stores and reads back; those without a word on their
// behaviour are kept as data only.
class TTeDragging : public Persistent {
    TOLSY_PERSISTENT(TTeDragging)
    bool moveable = true;
    bool sizeable = true;
    TTeFormDragMode drag_mode = TTeFormDragMode::kfdmSystemSettings;
};
class TTeGravitation : public Persistent {
    TOLSY_PERSISTENT(TTeGravitation)
    bool enabled = false;
    int size = 10;
    bool snap_to_forms = false;
    bool snap_to_desktop = true;
    bool owned_form = true;
};
class TTeAnimation : public Persistent {
    TOLSY_PERSISTENT(TTeAnimation)
    bool enabled = false;
    int time = 200;
};
class TTeBlending : public Persistent {
    TOLSY_PERSISTENT(TTeBlending)
    bool enabled = false;
    int value = 255;
};
class TTeShadow : public Persistent {
    TOLSY_PERSISTENT(TTeShadow)
    bool enabled = false;
    int size = 4;
};
class TTeSizeConstraints : public Persistent {
    TOLSY_PERSISTENT(TTeSizeConstraints)
    int min_width = 0;
    int min_height = 0;
    int max_width = 0;
    int max_height = 0;
};
class TTeMenuOptions : public Persistent {
    TOLSY_PERSISTENT(TTeMenuOptions)
    bool animation = false;
    bool shadow = true;
};

// The event of actions a handler may cancel: clear the flag to cancel.
using TTeCancelEvent = Event<Component&, bool&>;

class TTeDefaultForm : public TTeHook, public ThemeClient {
    TOLSY_PERSISTENT(TTeDefaultForm)
    explicit TTeDefaultForm(Component* owner = nullptr);
    ~TTeDefaultForm() override;

    // Published properties.
    bool active = true;
    TTeAnimation animation;
    TTeBlending blending;
    TTeBorderIcons border_icons() const { return border_icons_; }
    void set_border_icons(TTeBorderIcons icons);
    TTeBorderStyle border_style() const { return border_style_; }
    void set_border_style(TTeBorderStyle style);
    std::u16string caption;
    TTeDragging dragging;
    TTeGravitation gravitation;
    TTeSizeConstraints constraints;
    Component* menu_bar = nullptr;
    Component* window_menu = nullptr;
    TTeMenuOptions system_menu_options;
    TPopupMenu* system_menu_link = nullptr;
    bool system_menu_link_merge = false;
    bool system_menu_link_merge_at_first = false;
    TTeMenuOptions tray_menu_options;
    TPopupMenu* tray_menu_link = nullptr;
    bool minimize_application = true;
    TTeFormPerformance performance = TTeFormPerformance::ksfpNoBuffer;
    TTeShadow shadow;
    bool stay_on_top() const { return stay_on_top_; }
    void set_stay_on_top(bool on);
    bool stretch_background = false;
    TTeWindowState window_state() const { return window_state_; }
    void set_window_state(TTeWindowState state);
    bool disabled_nc_area = false;

    NotifyEvent on_form_shown, on_create, on_paint;
    TTeCancelEvent on_close, on_minimize, on_maximize, on_rollup;
    NotifyEvent on_min_to_tray, on_resize, on_paint_background;

    void loaded() override;
    bool hook_message(HookMessage& message) override;
    void hook_after(HookMessage& message) override;
    HWND current_window() const override;
    void theme_notify(ThemeCode code, int param) override;

    // The theme and object name the frame is drawn from (TTeForm: its ThemeObject).
    virtual TteTheme* theme() const;
    virtual std::string theme_object() const { return "default"; }

    // Whether the theme draws this window's frame now.
    bool framed() const;
    int zone_at(Point window_point) const;
    FrameWindowInfo window_info() const;
    // Paints the frame now into the window.
    void paint_frame();
    // Draws the whole frame into a picture of the window's size (for painting and tests).
    Image render_frame() const;
    // Sizes the window so that the client area has the form's client size in the frame.
    void apply_frame();

    // Actions of the caption buttons and the window menu.
    void close_window();
    void minimize();
    void maximize();
    void rollup();
    // Hides the window and shows its icon in the notification area; a click on the icon
    // restores it. Where the platform has no notification area, minimises instead.
    void minimize_to_tray();
    void restore();
    void open_window_menu(Point screen, bool from_icon);

    int hot_zone() const { return mouse_.hot_zone; }
    int pressed_zone() const { return mouse_.pressed_zone; }
    bool hover_check_running() const { return hover_timer_; }
    bool tray_icon_shown() const { return tray_shown_; }
    // The hidden window that receives kTrayCallbackMessage; null until first needed.
    HWND tray_window() const { return tray_window_; }

  private:
    Form* form() const;
    bool handle_mouse(HookMessage& m);
    void set_hot(int zone);
    void end_mouse();
    void start_hover_check();
    void stop_hover_check();
    void update_region();
    void set_topmost(bool on);
    // The client area of a window rectangle: all of it without a frame.
    Rect client_in(const Rect& window) const;
    // Keeps a new window size within Constraints. While the frame is laid out, equal minimum and
    // maximum sizes would pin the window as it grows or shrinks around its client area: the
    // minimum is then 10 and there is no maximum.
    void clamp_size(int& width, int& height) const;
    void button_action(int zone);
    // Minimising itself, once OnMinimize agreed.
    void minimize_now();
    // The engine's window menu entry that owner-drawn item data names, while the menu is open.
    const WindowMenuEntry* menu_entry_of(ULONG_PTR data) const;
    bool add_tray_icon();
    void remove_tray_icon();
    void tray_callback(UINT mouse_message);
    static LRESULT CALLBACK tray_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    Point window_point_of_screen(POINT screen) const;
    // Draws (or, drawn again, removes) the outline of a move on the screen.
    void toggle_outline() const;

    TTeBorderIcons border_icons_ = kDefaultBorderIcons;
    TTeBorderStyle border_style_ = TTeBorderStyle::kbsStandard;
    TTeWindowState window_state_ = TTeWindowState::kwsNormal;
    bool stay_on_top_ = false;

    bool hooked_ = false;
    bool window_active_ = true;
    CaptionMouse mouse_;
    bool right_down_ = false;
    bool moving_ = false;
    POINT drag_start_{};
    RECT drag_origin_{};
    RECT drag_outline_{};
    bool full_drag_ = true;
    bool anchored_ = false;
    POINT anchor_{};
    RECT normal_bounds_{};
    bool hover_timer_ = false;
    bool restore_chained_ = false;
    // Between the start of a show and the frame's first paint on the screen.
    bool frame_paint_pending_ = false;
    int last_width_ = 0, last_height_ = 0;
    // From a layout of the frame to the end of the move that works it out (for a hidden window,
    // the move that shows it): that move sets the region, and the size limits are eased until
    // then (see clamp_size).
    bool refit_pending_ = false;
    Image persistent_;
    NOTIFYICONDATAW tray_{};
    HWND tray_window_ = nullptr;
    bool tray_shown_ = false;
    TTeWindowState state_before_tray_ = TTeWindowState::kwsNormal;
    RECT tray_bounds_{};
    std::vector<WindowMenuEntry> menu_entries_;
};

class TTeForm : public TTeDefaultForm {
    TOLSY_PERSISTENT(TTeForm)
    using TTeDefaultForm::TTeDefaultForm;

    Component* theme_link = nullptr;
    std::string theme_object_name = "default";
    std::string theme_object() const override { return theme_object_name; }
};

// Registers TTeForm and the classes it stores.
void register_frame_classes();

}  // namespace tolsy
