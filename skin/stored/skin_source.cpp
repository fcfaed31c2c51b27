#include "skin/stored/skin_source.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/load_budget.h"
#include "skin/bytes/inflate_reader.h"
#include "skin/bytes/skin_error.h"
#include "skin/bytes/text_util.h"
#include "skin/model/colour_shift.h"
#include "skin/model/skin_object_classes.h"

namespace tolsy {
namespace {

constexpr char kPathSeparator = '\\';

Bytes read_whole_file(const std::string& file_name) {
    std::ifstream in(file_name, std::ios::binary);
    if (!in) throw SkinFileError("Cannot open skin file " + file_name);
    Bytes data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw SkinFileError("Cannot read skin file " + file_name);
    return data;
}

}  // namespace

TSeSkinSource::TSeSkinSource() : skin_name("Untitled"), skin_version("6.0"), author("Unknown") {}

void TSeSkinSource::clear() {
    objects.clear();
    bitmaps.clear();
}

SkinReadReport TSeSkinSource::read(ByteReader& stream) {
    const TSeSkinFilter* by_signature = filter_by_signature(stream);
    SkinReadReport report = read(stream, by_signature ? *by_signature : default_skin_filter());
    report.by_signature = by_signature != nullptr;
    return report;
}

SkinReadReport TSeSkinSource::read(ByteReader& stream, const TSeSkinFilter& filter) {
    LoadBudgetScope budget(stream.remaining());
    clear();
    SkinReadReport report;
    if (filter.compression == SkinCompression::kNone) {
        const SkinBodyBytes body = decode_skin_body(filter, stream);
        report = read_body(body.view, body.base_offset, filter.body);
    } else {
        const std::size_t at = skip_to_compressed_data(filter, stream);
        InflateReader inflater(stream.bytes(stream.remaining(), "compressed body"), at);
        report = read_inflated_body(inflater, filter.body);
        report.trailing_input = inflater.unused_input();
    }
    report.filter = &filter;
    return report;
}

Bytes TSeSkinSource::write(const TSeSkinFilter& filter) const {
    return encode_skin_body(filter, write_body(filter.body));
}

bool TSeSkinSource::read_file(const std::string& file_name, SkinReadReport* report) {
    const TSeSkinFilter* filter = filter_by_extension(file_name);
    if (filter == nullptr) return false;
    const Bytes data = read_whole_file(file_name);
    ByteReader stream(data);
    const SkinReadReport r = read(stream, *filter);
    if (report) *report = r;
    return true;
}

void TSeSkinSource::write_file(const std::string& file_name) const {
    const TSeSkinFilter* filter = filter_by_extension(file_name);
    const Bytes data = write(filter ? *filter : default_skin_filter());
    std::ofstream out(file_name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    out.close();
    if (!out) throw SkinFileError("Cannot write skin file " + file_name);
}

TSeSkinObject* TSeSkinSource::object(int index) const {
    if (index < 0 || index >= object_count()) return nullptr;
    return objects[static_cast<std::size_t>(index)].get();
}

TSeSkinObject* TSeSkinSource::find_object(std::string_view name) const {
    const std::size_t slash = name.find(kPathSeparator);
    const std::string_view head = name.substr(0, slash);
    std::string_view rest;
    if (slash != std::string_view::npos) {
        // Only one level of path is followed.
        rest = name.substr(slash + 1);
        rest = rest.substr(0, rest.find(kPathSeparator));
    }
    for (const auto& root : objects) {
        if (same_text(root->name(), name)) return root.get();
        if (slash == std::string_view::npos || !same_text(root->name(), head)) continue;
        if (TSeSkinObject* part = root->find_part(rest)) return part;
    }
    return nullptr;
}

void TSeSkinSource::copy_all_but_objects(const TSeSkinSource& other) {
    clear();
    skin_name = other.skin_name;
    skin_version = other.skin_version;
    author = other.author;
    author_email = other.author_email;
    author_url = other.author_url;
    for (const auto& b : other.bitmaps) bitmaps.push_back(std::make_unique<TteBitmap>(*b));
    colors = other.colors;
    sys_colors = other.sys_colors;
    fonts = other.fonts;
}

void TSeSkinSource::assign(const TSeSkinSource& other) {
    if (&other == this) return;
    copy_all_but_objects(other);
    objects.reserve(other.objects.size());
    for (const auto& root : other.objects) {
        auto copy = root->clone();
        copy->attach_images(&bitmaps);
        copy->prepare_tree();
        objects.push_back(std::move(copy));
    }
}

void TSeSkinSource::take_objects(TSeSkinSource& other) {
    if (&other == this) return;
    copy_all_but_objects(other);
    objects = std::move(other.objects);
    other.objects.clear();
    for (auto& root : objects) root->attach_images(&bitmaps);
}

void TSeSkinSource::shift_hue(int delta) {
    for (auto& b : bitmaps) {
        b->keep_unshifted();
        shift_image_hue(b->image, delta);
    }
    for (auto& root : objects) root->shift_hue(delta);
}

void TSeSkinSource::shift_brightness(int delta) {
    for (auto& b : bitmaps) {
        b->keep_unshifted();
        shift_image_brightness(b->image, delta);
    }
    for (auto& root : objects) root->shift_brightness(delta);
}

}  // namespace tolsy
