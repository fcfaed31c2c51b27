#include "skin/themes/skin_file.h"

#include "skin/bytes/skin_error.h"
#include "skin/bytes/skin_filter.h"
#include "skin/model/colour_shift.h"
#include "skin/themes/theme_files.h"
#include "skin/themes/theme_manager.h"

namespace tolsy {
namespace {

constexpr std::string_view kDefaultExtension = "mskn";

}  // namespace

TTeSkinFile::TTeSkinFile(const ThemeKind& kind) : TteTheme(kind) {}

bool TTeSkinFile::load_from_stream(ByteReader& stream) {
    set_default_skin_filter(compressed_filter());
    standard_.clear();
    // The read consumes the rest of the stream.
    const auto rest = stream.data().subspan(stream.position());
    const std::size_t at = stream.offset();
    stream.seek(stream.size());
    read_kept(Bytes(rest.begin(), rest.end()), at, nullptr);
    return finish_load();
}

void TTeSkinFile::read_kept(Bytes bytes, std::size_t base_offset, const TSeSkinFilter* filter) {
    objects_fresh_ = false;
    objects_taken_ = false;
    kept_filter_ = nullptr;
    kept_bytes_ = std::move(bytes);
    kept_base_ = base_offset;
    ByteReader in(kept_bytes_, kept_base_);
    const SkinReadReport report = filter ? loaded_.read(in, *filter) : loaded_.read(in);
    kept_filter_ = report.filter;
    objects_fresh_ = true;
}

const TSeSkinSource& TTeSkinFile::loaded() const {
    if (objects_taken_) {
        ByteReader in(kept_bytes_, kept_base_);
        loaded_.read(in, *kept_filter_);
        objects_taken_ = false;
    }
    return loaded_;
}

bool TTeSkinFile::load_from_file(const std::string& file_name) {
    set_default_skin_filter(compressed_filter());
    standard_.clear();
    const std::string path = locate_theme_file(file_name);
    const TSeSkinFilter* filter = path.empty() ? nullptr : filter_by_extension(path);
    if (filter == nullptr) return false;
    Bytes data;
    if (!theme_files().read(path, data)) throw SkinFileError("Cannot open skin file " + path);
    read_kept(std::move(data), 0, filter);
    if (!finish_load()) return false;
    set_file_name(path);
    return true;
}

bool TTeSkinFile::finish_load() {
    if (loaded_.object_count() == 0) return false;
    rebuild_look();
    return true;
}

void TTeSkinFile::save_to_stream(ByteWriter& stream) const {
    set_default_skin_filter(max_compression_filter());
    // The skin as loaded, tables included: deltas belong to whoever applies them, and a saved
    // theme shifted again on loading would otherwise shift its tables twice.
    stream.bytes(loaded().write(max_compression_filter()));
}

void TTeSkinFile::rebuild_look() {
    static std::uint64_t looks_built = 0;
    look_generation_ = ++looks_built;
    set_default_skin_filter(uncompressed_filter());
    if (objects_fresh_) {
        working_.take_objects(loaded_);
        objects_fresh_ = false;
        objects_taken_ = true;
    } else {
        working_.assign(loaded());
    }
    const int hue = delta_hue();
    const int brightness = delta_brightness();
    if (hue != 0) working_.shift_hue(hue);
    if (brightness != 0) working_.shift_brightness(brightness);
    rebuild_standard_objects();
    set_theme_name(loaded_.skin_name);
    colors_ = working_.colors;
    sys_colors_ = working_.sys_colors;
    fonts_ = working_.fonts;
    for (Color& c : colors_.colors) {
        if (hue != 0) c = shift_color_hue(c, hue);
        if (brightness != 0) c = shift_color_brightness(c, brightness);
    }
    for (ThemeFont& f : fonts_.fonts) {
        if (hue != 0) f.color = shift_color_hue(f.color, hue);
        if (brightness != 0) f.color = shift_color_brightness(f.color, brightness);
    }
}

TteThemeConfig SkinFileKind::config() const {
    TteThemeConfig c;
    c.built_in = false;
    c.can_save = true;
    c.loads_files = true;
    c.file_filter = skin_file_filter_text();
    c.default_extension = std::string(kDefaultExtension);
    return c;
}

std::unique_ptr<TteTheme> SkinFileKind::create() const {
    return std::make_unique<TTeSkinFile>(*this);
}

TteThemeManager& theme_manager() {
    static TteThemeManager manager;
    static const bool registered = [] {
        manager.register_kind(std::make_unique<DefaultThemeKind>());
        manager.register_kind(std::make_unique<SkinFileKind>());
        return true;
    }();
    (void)registered;
    return manager;
}

}  // namespace tolsy
