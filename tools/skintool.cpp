// skintool: looks into stored skins, for theme authors and for us.
//   skintool info FILE [--json]       header, images, object tree, tables
//   skintool convert IN OUT           rewrite with the filter of OUT's extension
//   skintool export-images FILE DIR  each image as DIR/<name>.png
//   skintool check FILE               read everything, report the first problem
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

#include "skin/png.h"
#include "skin/skin_report.h"
#include "skin/skin_source.h"

namespace {

using namespace tolsy;

constexpr int kExitProblem = 1;
constexpr int kExitUsage = 2;

int usage() {
    std::fputs(
        "usage: skintool info FILE [--json]\n"
        "       skintool convert IN OUT        (OUT ends in .uskn, .cskn, .xskn or .mskn)\n"
        "       skintool export-images FILE DIR\n"
        "       skintool check FILE\n",
        stderr);
    return kExitUsage;
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
        std::printf("%s: %s\n", path.c_str(), e.what());
        return kExitProblem;
    }
    if (report.body_consumed != report.body_size) {
        std::printf("%s: %zu bytes after the skin body (body of %zu bytes)\n", path.c_str(),
                    report.body_size - report.body_consumed, report.body_size);
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
        std::fprintf(stderr, "skintool: %s: %s\n", argv[2], e.what());
        return kExitProblem;
    }
    return usage();
}
