#include "skin/themes/theme_files.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace tolsy {
namespace {

const ThemeFiles& file_system() {
    static const ThemeFiles files;
    return files;
}

const ThemeFiles*& files_in_use() {
    static const ThemeFiles* files = &file_system();
    return files;
}

}  // namespace

bool ThemeFiles::exists(const std::string& path) const {
    std::error_code ec;
    return std::filesystem::is_regular_file(std::filesystem::path(path), ec);
}

bool ThemeFiles::read(const std::string& path, Bytes& out) const {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

const ThemeFiles& theme_files() {
    return *files_in_use();
}

const ThemeFiles* set_theme_files(const ThemeFiles* files) {
    const ThemeFiles* before = files_in_use();
    files_in_use() = files != nullptr ? files : &file_system();
    return before;
}

}  // namespace tolsy
