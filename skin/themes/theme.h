#pragma once
// Theme kinds and themes: the base kind "Default" and the interface every kind offers to the
// theme manager (format test, configuration, instances that load and save themselves).
#include <memory>
#include <string>
#include <string_view>

#include "picture/canvas.h"
#include "skin/bytes/skin_bytes.h"
#include "skin/model/shape.h"
#include "skin/themes/frame_info.h"
#include "toolkit/components/visual_state.h"

namespace tolsy {

// Kinds of the draw-button operation.
inline constexpr int kButtonKindPushFace = 0;

// What a theme kind can do, as the theme engine and file dialogs ask it.
struct TteThemeConfig {
    bool built_in = false;
    bool can_save = false;
    bool loads_files = false;
    std::string file_filter;
    std::string default_extension;
};

class TteTheme;

// Class-level operations of a theme kind.
class ThemeKind {
  public:
    virtual ~ThemeKind() = default;
    virtual std::string_view kind_name() const = 0;
    virtual TteThemeConfig config() const = 0;
    // Whether the stream, at its current position, holds this kind's format. The caller
    // restores the position afterwards.
    virtual bool recognises(ByteReader& stream) const = 0;
    virtual std::unique_ptr<TteTheme> create() const = 0;
};

// The base theme ("Default"): draws nothing of its own and recognises no stored data.
class TteTheme {
  public:
    explicit TteTheme(const ThemeKind& kind) : kind_(&kind) {}
    virtual ~TteTheme() = default;
    TteTheme(const TteTheme&) = delete;
    TteTheme& operator=(const TteTheme&) = delete;

    const ThemeKind& kind() const { return *kind_; }

    // Load from the stream's current position; false when the data is not usable.
    virtual bool load_from_stream(ByteReader& stream);
    virtual void save_to_stream(ByteWriter& stream) const;
    virtual bool load_from_file(const std::string& file_name);

    const std::string& theme_name() const { return theme_name_; }
    // Empty unless the theme was loaded from a file.
    const std::string& file_name() const { return file_name_; }

    int delta_hue() const { return delta_hue_; }
    int delta_brightness() const { return delta_brightness_; }
    // Hands both deltas to the theme; a theme whose pair changes re-derives its look from what
    // it loaded, so repeated changes never accumulate.
    void set_deltas(int hue, int brightness);

    // The theme's draw-button operation: draws the part of the given kind (kButtonKindPushFace:
    // a push button's face) for a control whose ThemeObject is `object`, in the control's
    // state, into rect. False when the theme has no object for it (nothing is drawn).
    virtual bool draw_button(int kind, Canvas& canvas, std::string_view object, const Rect& rect,
                             VisualState state);

    // The frame operations of a skinned window. Each takes the frame kind (kFrameStandard ...)
    // and the form's ThemeObject name. The base theme has no form object: it answers false,
    // empty rectangles, zone 0 and the window's own rectangle, and draws nothing.
    virtual bool has_form_object(int frame_kind, std::string_view object);
    virtual Shape window_region(int frame_kind, std::string_view object, const Rect& window);
    // The zone under a point of the window; 0 leaves it to the frame's own tests.
    virtual int frame_hit_test(int frame_kind, std::string_view object, const FrameWindowInfo& info,
                               Point point);
    virtual Rect client_rect(int frame_kind, std::string_view object, const Rect& window);
    virtual Rect caption_text_rect(int frame_kind, std::string_view object,
                                   const FrameWindowInfo& info);
    virtual Rect caption_button_rect(int frame_kind, std::string_view object,
                                     const FrameWindowInfo& info, int button_kind);
    // Frame and caption background, without the caption text and buttons.
    virtual void draw_window(int frame_kind, std::string_view object, Canvas& canvas,
                             const FrameWindowInfo& info);
    virtual void draw_form_background(int frame_kind, std::string_view object, Canvas& canvas,
                                      const Rect& client);
    virtual void draw_caption_text(int frame_kind, std::string_view object, Canvas& canvas,
                                   const Rect& rect, const FrameWindowInfo& info);
    virtual void draw_caption_button(int frame_kind, std::string_view object, Canvas& canvas,
                                     const CaptionButtonRecord& button);

  protected:
    virtual void deltas_changed() {}
    void set_theme_name(std::string name) { theme_name_ = std::move(name); }
    void set_file_name(std::string name) { file_name_ = std::move(name); }

  private:
    const ThemeKind* kind_;  // not owned: kinds live for the whole run
    std::string theme_name_ = "Default theme";
    std::string file_name_;
    int delta_hue_ = 0;
    int delta_brightness_ = 0;
};

// The folder a relative theme file name is retried in when it is not found as given; set by the
// program at start-up (empty: no retry).
void set_theme_program_folder(std::string folder);
const std::string& theme_program_folder();
// The name as given when that file exists, else (for a name longer than one character without a
// drive colon) the name inside the program's folder when that exists; empty when neither does.
std::string locate_theme_file(const std::string& file_name);

class DefaultThemeKind : public ThemeKind {
  public:
    std::string_view kind_name() const override { return "Default"; }
    TteThemeConfig config() const override { return {}; }
    bool recognises(ByteReader&) const override { return false; }
    std::unique_ptr<TteTheme> create() const override;
};

}  // namespace tolsy
