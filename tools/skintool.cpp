// skintool: looks into stored skins, for theme authors and for us.
//   skintool info FILE [--json]       header, images, object tree, tables
//   skintool convert IN OUT           rewrite with the filter of OUT's extension
//   skintool export-images FILE DIR  each image as DIR/<name>.png
//   skintool check FILE               read everything, report the first problem
//   skintool --help                   all of the above, and the JSON fields
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

#include "picture/png.h"
#include "skin/bytes/skin_error.h"
#include "skin/stored/skin_report.h"
#include "skin/stored/skin_source.h"

namespace {

using namespace tolsy;

constexpr int kExitProblem = 1;
constexpr int kExitUsage = 2;

constexpr const char* kUsage =
    "usage: skintool info [--json] FILE\n"
    "       skintool convert IN OUT        (OUT ends in .uskn, .cskn, .xskn or .mskn)\n"
    "       skintool export-images FILE DIR\n"
    "       skintool check FILE\n"
    "       skintool --help\n";

constexpr const char* kHelp =
    "\n"
    "A stored skin is read through the filter its 5-byte signature names (_UCT, _DCT, _TCT,\n"
    "_MCT); without one, through the filter of its extension, else the compressed one.\n"
    "\n"
    "info FILE         header, images (name, size, key and alpha flags, pixel CRC-32), the\n"
    "                  object tree with classes and names, objects per class, the tables.\n"
    "info FILE --json  the same as one JSON object:\n"
    "    filter, signature, by_signature   filter class, its signature without the zero byte,\n"
    "                                      and whether the signature chose it\n"
    "    body_size, body_consumed          body bytes after decompression, and those read\n"
    "    trailing_input                    compressed bytes after the zlib stream's end\n"
    "    header                            SkinName, SkinVersion, Author, AuthorEMail, AuthorURL\n"
    "    image_count_word                  as stored (the count, for the standard body)\n"
    "    images[]                          name, width, height (rows top to bottom), key,\n"
    "                                      alpha, pixel_crc32 (CRC-32 of B,G,R,A bytes by row)\n"
    "    object_count_word, roots, objects, max_depth (levels below a root)\n"
    "    classes                           number of objects of each class\n"
    "    tree[]                            class, name, properties (those away from their\n"
    "                                      defaults, by stored name), children[] in order\n"
    "    tables                            source (stored, stored without system colours,\n"
    "                                      derived), stored_entries per table (0: not stored),\n"
    "                                      colors[22], sys_colors[26] (colour texts) and\n"
    "                                      fonts[66] (font texts) as they would be stored;\n"
    "                                      color_values[22], sys_color_values[26] as numbers\n"
    "                                      (0x00BBGGRR, or a system colour with the top byte set)\n"
    "convert IN OUT    reads IN and writes OUT with the filter of OUT's extension:\n"
    "                  .uskn _UCT, .cskn _DCT, .xskn _TCT (standard body), .mskn _MCT (maximum)\n"
    "export-images FILE DIR\n"
    "                  writes each non-empty image as DIR/<name>.png (8-bit RGBA, alpha kept)\n"
    "check FILE        reads everything; prints the first problem with its offset, else OK\n"
    "\n"
    "Exit status: 0 success, 1 a problem with the data or a file, 2 wrong usage.\n";

int usage() {
    std::fputs(kUsage, stderr);
    return kExitUsage;
}

int help() {
    std::fputs(kUsage, stdout);
    std::fputs(kHelp, stdout);
    return 0;
}

Bytes read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const std::string& path, const Bytes& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
}

// By signature; a file without one goes by its extension's filter, else the compressed one.
SkinReadReport load(const std::string& path, TSeSkinSource& source) {
    const Bytes data = read_file(path);
    ByteReader stream(data);
    if (filter_by_signature(stream) == nullptr) {
        const TSeSkinFilter* by_extension = filter_by_extension(path);
        set_default_skin_filter(by_extension ? *by_extension : compressed_filter());
    }
    return source.read(stream);
}

// Errors inside a compressed body count offsets from the body's first inflated byte; only
// zlib's own errors count in the file.
std::string problem_text(const std::string& path, const std::exception& e) {
    std::string text = e.what();
    if (dynamic_cast<const SkinError*>(&e) == nullptr ||
        dynamic_cast<const DecompressionError*>(&e) != nullptr)
        return text;
    try {
        const Bytes data = read_file(path);
        ByteReader stream(data);
        const TSeSkinFilter* filter = filter_by_signature(stream);
        const bool compressed =
            filter ? filter->compression != SkinCompression::kNone : is_skin_data(stream);
        if (compressed) text += " (offset in the decompressed body)";
    } catch (const std::exception&) {
    }
    return text;
}

// Image names become file names: path separators and reserved characters are replaced.
std::string file_name_for(const std::string& image_name, std::set<std::string>& taken) {
    std::string base;
    for (char c : image_name) {
        const bool bad = static_cast<unsigned char>(c) < 0x20 ||
                         std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos;
        base += bad ? '_' : c;
    }
    if (base.empty() || base == "." || base == "..") base = "image";
    std::string name = base + ".png";
    for (int n = 2; !taken.insert(name).second; ++n) name = base + "-" + std::to_string(n) + ".png";
    return name;
}

int info(const std::string& path, bool json) {
    TSeSkinSource source;
    const SkinReadReport report = load(path, source);
    const std::string text = json ? skin_info_json(source, report) : skin_info_text(source, report);
    std::fwrite(text.data(), 1, text.size(), stdout);
    return 0;
}

int convert(const std::string& in, const std::string& out) {
    const TSeSkinFilter* filter = filter_by_extension(out);
    if (filter == nullptr) {
        std::fprintf(stderr, "skintool: %s: the output needs a skin extension\n", out.c_str());
        return kExitUsage;
    }
    TSeSkinSource source;
    load(in, source);
    write_file(out, source.write(*filter));
    return 0;
}

int export_images(const std::string& path, const std::string& dir) {
    TSeSkinSource source;
    load(path, source);
    std::filesystem::create_directories(dir);
    std::set<std::string> taken;
    for (const auto& bitmap : source.bitmaps) {
        if (bitmap->image.empty()) {
            std::printf("%s: empty, not written\n", bitmap->name.c_str());
            continue;
        }
        const std::string name = file_name_for(bitmap->name, taken);
        write_png(bitmap->image, (std::filesystem::path(dir) / name).string());
        std::printf("%s -> %s (%d x %d)\n", bitmap->name.c_str(), name.c_str(), bitmap->width(),
                    bitmap->height());
    }
    return 0;
}

int check(const std::string& path) {
    TSeSkinSource source;
    SkinReadReport report;
    try {
        report = load(path, source);
    } catch (const std::exception& e) {
        std::printf("%s: %s\n", path.c_str(), problem_text(path, e).c_str());
        return kExitProblem;
    }
    if (report.body_consumed != report.body_size) {
        std::printf("%s: %zu bytes after the skin body at body offset %zu (body of %zu bytes)\n",
                    path.c_str(), report.body_size - report.body_consumed, report.body_consumed,
                    report.body_size);
        return kExitProblem;
    }
    if (report.trailing_input != 0) {
        std::printf("%s: %zu bytes after the end of the zlib stream, at offset %zu\n", path.c_str(),
                    report.trailing_input, read_file(path).size() - report.trailing_input);
        return kExitProblem;
    }
    for (const std::string& link : dangling_links(source))
        std::printf("%s: note: link to a missing image: %s\n", path.c_str(), link.c_str());
    std::printf("%s: OK (%zu images, %d roots)\n", path.c_str(), source.bitmaps.size(),
                source.object_count());
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h" ||
                      std::string_view(argv[1]) == "help"))
        return help();
    if (argc < 3) return usage();
    const std::string_view command = argv[1];
    try {
        if (command == "info" && argc == 3) return info(argv[2], false);
        if (command == "info" && argc == 4 && std::string_view(argv[3]) == "--json")
            return info(argv[2], true);
        if (command == "info" && argc == 4 && std::string_view(argv[2]) == "--json")
            return info(argv[3], true);
        if (command == "convert" && argc == 4) return convert(argv[2], argv[3]);
        if (command == "export-images" && argc == 4) return export_images(argv[2], argv[3]);
        if (command == "check" && argc == 3) return check(argv[2]);
    } catch (const std::exception& e) {
        const std::string input =
            command == "info" && std::string_view(argv[2]) == "--json" ? argv[3] : argv[2];
        std::fprintf(stderr, "skintool: %s: %s\n", input.c_str(), problem_text(input, e).c_str());
        return kExitProblem;
    }
    return usage();
}
