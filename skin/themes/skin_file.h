#pragma once
// TTeSkinFile: the theme kind drawn from skin data. It keeps the skin as loaded and a working
// copy rebuilt from it whenever the look changes, so hue and brightness never accumulate.
#include <cstdint>
#include <memory>

#include "skin/stored/skin_source.h"
#include "skin/themes/standard_objects.h"
#include "skin/themes/theme.h"

namespace tolsy {

class TTeSkinFile : public TteTheme {
  public:
    explicit TTeSkinFile(const ThemeKind& kind);

    // Reads the skin with the filter its signature selects (the compressed filter when it has
    // none); false when no root object was read.
    bool load_from_stream(ByteReader& stream) override;
    // The skin as loaded (no deltas applied), through the maximum-compression filter.
    void save_to_stream(ByteWriter& stream) const override;
    bool load_from_file(const std::string& file_name) override;

    const TSeSkinSource& loaded_source() const { return loaded(); }
    // What lookups and painting use: the loaded skin with the deltas applied.
    TSeSkinSource& working_source() { return working_; }
    const TSeSkinSource& working_source() const { return working_; }

    // The theme-wide tables controls read, shifted by the deltas (system colours never are).
    const TteThemeColors& colors() const { return colors_; }
    const TteThemeSysColors& sys_colors() const { return sys_colors_; }
    const TteThemeFonts& fonts() const { return fonts_; }

    // Lookups of the skinned controls (skin/skin_file_look.cpp). "default" names the standard
    // object of the given slot; any other name a root of the working copy or "Root\Part".
    // None: the object is not defined.
    TSeSkinObject* theme_object(std::string_view name, int default_slot) const;
    // A part of the object found as above: the first object of that name in its subtree.
    TSeSkinObject* theme_part(std::string_view name, int default_slot, std::string_view part) const;
    const StandardObjectTable& standard_objects() const { return standard_; }
    // Changes with every rebuild of the look and is never the same for two looks in a run: what
    // was painted from one look may be kept until this changes.
    std::uint64_t look_generation() const { return look_generation_; }

    bool draw_button(int kind, Canvas& canvas, std::string_view object, const Rect& rect,
                     VisualState state) override;

    // The frame operations (skin/themes/skin_file_frame.cpp), answered from the form object:
    // for "default" the standard form object (frame kinds 0, 1, 2, 4) or the tool window
    // object (kind 6), else the root of that name.
    bool has_form_object(int frame_kind, std::string_view object) override;
    Shape window_region(int frame_kind, std::string_view object, const Rect& window) override;
    int frame_hit_test(int frame_kind, std::string_view object, const FrameWindowInfo& info,
                       Point point) override;
    Rect client_rect(int frame_kind, std::string_view object, const Rect& window) override;
    Rect caption_text_rect(int frame_kind, std::string_view object,
                           const FrameWindowInfo& info) override;
    Rect caption_button_rect(int frame_kind, std::string_view object, const FrameWindowInfo& info,
                             int button_kind) override;
    void draw_window(int frame_kind, std::string_view object, Canvas& canvas,
                     const FrameWindowInfo& info) override;
    void draw_form_background(int frame_kind, std::string_view object, Canvas& canvas,
                              const Rect& client) override;
    void draw_caption_text(int frame_kind, std::string_view object, Canvas& canvas,
                           const Rect& rect, const FrameWindowInfo& info) override;
    void draw_caption_button(int frame_kind, std::string_view object, Canvas& canvas,
                             const CaptionButtonRecord& button) override;
    // The form object a frame of that kind and ThemeObject is drawn from; none when absent.
    TSeSkinObject* form_object(int frame_kind, std::string_view object) const;

  protected:
    void deltas_changed() override { rebuild_look(); }
    void rebuild_look();
    // Fills the table of standard objects from the working copy (after the deltas are applied).
    virtual void rebuild_standard_objects() { standard_.rebuild(working_); }

  private:
    // Keeps the bytes a skin is read from and the filter that reads them, then reads it.
    // (Without a filter: the one the signature selects, else the default one.)
    void read_kept(Bytes bytes, std::size_t base_offset, const TSeSkinFilter* filter);
    bool finish_load();
    // The skin as loaded, its objects read again from the kept bytes if the working copy took
    // them: the first look after a read takes the objects just read rather than copying them,
    // since reading gives the same objects every time and they are seldom asked for again.
    const TSeSkinSource& loaded() const;

    mutable TSeSkinSource loaded_;
    Bytes kept_bytes_;
    std::size_t kept_base_ = 0;
    const TSeSkinFilter* kept_filter_ = nullptr;
    bool objects_fresh_ = false;          // loaded_ holds objects just read, not yet copied
    mutable bool objects_taken_ = false;  // the working copy took loaded_'s objects
    TSeSkinSource working_;
    std::uint64_t look_generation_ = 0;
    TteThemeColors colors_;
    TteThemeSysColors sys_colors_;
    TteThemeFonts fonts_;
    StandardObjectTable standard_;
};

class SkinFileKind : public ThemeKind {
  public:
    std::string_view kind_name() const override { return "Skin"; }
    TteThemeConfig config() const override;
    bool recognises(ByteReader& stream) const override { return is_skin_data(stream); }
    std::unique_ptr<TteTheme> create() const override;
};

}  // namespace tolsy
