#include "skin/themes/theme.h"

#include <filesystem>

#include "skin/themes/theme_files.h"

namespace tolsy {
namespace {

std::string& program_folder() {
    static std::string folder;
    return folder;
}

bool file_exists(const std::string& name) {
    return theme_files().exists(name);
}

}  // namespace

void set_theme_program_folder(std::string folder) {
    program_folder() = std::move(folder);
}

const std::string& theme_program_folder() {
    return program_folder();
}

std::string locate_theme_file(const std::string& file_name) {
    if (file_name.empty()) return {};
    if (file_exists(file_name)) return file_name;
    const bool has_drive = file_name.size() > 1 && file_name[1] == ':';
    if (file_name.size() <= 1 || has_drive || program_folder().empty()) return {};
    const std::string retry = (std::filesystem::path(program_folder()) / file_name).string();
    return file_exists(retry) ? retry : std::string{};
}

bool TteTheme::load_from_stream(ByteReader&) {
    return false;
}

void TteTheme::save_to_stream(ByteWriter&) const {}

bool TteTheme::load_from_file(const std::string&) {
    return false;
}

bool TteTheme::draw_button(int, Canvas&, std::string_view, const Rect&, VisualState) {
    return false;
}

bool TteTheme::has_form_object(int, std::string_view) {
    return false;
}
Shape TteTheme::window_region(int, std::string_view, const Rect& window) {
    return Shape::rectangle(window);
}
int TteTheme::frame_hit_test(int, std::string_view, const FrameWindowInfo&, Point) {
    return kZoneClient;
}
Rect TteTheme::client_rect(int, std::string_view, const Rect&) {
    return {};
}
Rect TteTheme::caption_text_rect(int, std::string_view, const FrameWindowInfo&) {
    return {};
}
Rect TteTheme::caption_button_rect(int, std::string_view, const FrameWindowInfo&, int) {
    return {};
}
void TteTheme::draw_window(int, std::string_view, Canvas&, const FrameWindowInfo&) {}
void TteTheme::draw_form_background(int, std::string_view, Canvas&, const Rect&) {}
void TteTheme::draw_caption_text(int, std::string_view, Canvas&, const Rect&,
                                 const FrameWindowInfo&) {}
void TteTheme::draw_caption_button(int, std::string_view, Canvas&, const CaptionButtonRecord&) {}

void TteTheme::set_deltas(int hue, int brightness) {
    if (hue == delta_hue_ && brightness == delta_brightness_) return;
    delta_hue_ = hue;
    delta_brightness_ = brightness;
    deltas_changed();
}

std::unique_ptr<TteTheme> DefaultThemeKind::create() const {
    return std::make_unique<TteTheme>(*this);
}

}  // namespace tolsy
