#include "skin/themes/theme.h"

#include <filesystem>

namespace tolsy {
namespace {

std::string& program_folder() {
    static std::string folder;
    return folder;
}

bool file_exists(const std::string& name) {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(name), ec);
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
