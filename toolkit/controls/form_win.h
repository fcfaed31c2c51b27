#pragma once
// A top-level window of the toolkit: caption, client size, border style and icons, colour,
// default font, stay-on-top form style, and the form events.
#include "base/handles_win.h"
#include "toolkit/controls/window_win.h"

#include <functional>
#include <string>

namespace tolsy {

enum class BorderStyle { kNone, kSingle, kSizeable, kDialog };
enum class FormStyle { kNormal, kStayOnTop };

struct BorderIcons {
    bool system_menu = true;
    bool minimize = true;
    bool maximize = true;
    bool help = false;
};

struct FontSpec {
    std::string name = "MS Sans Serif";
    int height = -11;
    int charset = DEFAULT_CHARSET;
    bool bold = false;
    bool italic = false;
};

class Form : public Window {
  public:
    using Event = std::function<void()>;

    Form();
    ~Form() override;

    // Settings read before the native window exists (as a description sets them).
    void set_caption(const std::string& caption);
    const std::string& caption() const { return caption_; }
    void set_client_size(int width, int height);
    int client_width() const { return client_width_; }
    int client_height() const { return client_height_; }
    void set_border_style(BorderStyle style);
    BorderStyle border_style() const { return border_style_; }
    void set_border_icons(BorderIcons icons);
    // Both at once: a window that exists has its frame changed once, a hidden one when it is
    // next fitted or shown.
    void set_border(BorderStyle style, BorderIcons icons);
    // Has the frame worked out again and the window sized around the same client area, in one
    // move (each move of a top-level window is several requests to the window system).
    void refit_frame();
    // The same, but a hidden window's frame is worked out when it is shown, in the move that
    // shows or centres it. Returns whether the frame was worked out now.
    bool refit_frame_when_seen();
    void set_form_style(FormStyle style);
    FormStyle form_style() const { return form_style_; }
    void set_color(COLORREF color_or_sys_index);
    COLORREF color() const { return color_; }
    void set_font(const FontSpec& font);
    HFONT font() const { return font_.get(); }
    void set_centered(bool centered) { centered_ = centered; }
    // The window size around a client size, for a frame drawn by someone other than the
    // platform; unset, the platform's frame for the window's styles is assumed.
    using FrameAdjuster = std::function<SIZE(int client_width, int client_height)>;
    void set_frame_adjuster(FrameAdjuster adjuster) { frame_adjuster_ = std::move(adjuster); }
    // The push button Enter presses (answered to DM_GETDEFID); 0 for none.
    void set_default_button_id(int id) { default_button_id_ = id; }

    Event on_create, on_show, on_activate, on_close;

    // Creates the native window (hidden) and runs on_create.
    void create_window(HWND owner = nullptr, DWORD extra_ex_style = 0);
    void show();
    // Shows the form modally over its owner and returns when it is closed.
    void show_modal();
    void hide();
    // Asks the form to close: the main window ends the message loop, others hide.
    void close();
    bool visible() const;
    bool modal() const { return modal_; }
    // For whoever erases the window's background: at the first erase after each show, paints the
    // controls that can paint into the window's device context along with it
    // (paint_children_at_once), sparing each its own erase and paint.
    void paint_controls_if_just_shown();

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;
    DWORD window_style() const;
    DWORD window_ex_style() const;
    // Applies style changes to a window that exists already.
    void apply_styles();
    void center_on_screen();

  private:
    void paint_background(HDC dc);
    SIZE window_size_for_client() const;

    std::string caption_;
    int client_width_ = 300;
    int client_height_ = 200;
    BorderStyle border_style_ = BorderStyle::kSizeable;
    BorderIcons border_icons_;
    FormStyle form_style_ = FormStyle::kNormal;
    COLORREF color_ = 0xFF00000F;  // clBtnFace
    UniqueFont font_;
    DWORD extra_ex_style_ = 0;
    int default_button_id_ = 0;
    FrameAdjuster frame_adjuster_;
    bool centered_ = false;
    // The styles changed while the window was hidden, and the frame is still to be worked out.
    bool frame_stale_ = false;
    bool shown_once_ = false;
    bool just_shown_ = false;
    bool minimized_ = false;
    bool modal_ = false;
    bool modal_done_ = false;
};

// A toolkit colour (0x00BBGGRR, or a system colour index with the top byte 0xFF) as COLORREF.
COLORREF resolve_color(COLORREF color_or_sys_index);
// Creates a font from its description; DEFAULT_CHARSET and friends as given.
HFONT create_font(const FontSpec& font);

// Whether text in the font comes out bold as asked. A face without a bold style of its own (Wine's
// "MS Sans Serif") is drawn regular although bold was asked for; such text is made bold by
// drawing it twice, one pixel apart (see draw_text).
bool draws_bold(const FontSpec& font);
// DrawTextW in the font selected into dc, struck twice one pixel apart when `double_strike`;
// with DT_CALCRECT the rectangle is one pixel wider for it.
int draw_text(HDC dc, const std::wstring& text, RECT& rect, UINT format, bool double_strike);

}  // namespace tolsy
