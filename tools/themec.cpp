// themec: compiles a theme authored as source into its stored form.
//   themec SOURCE IMAGES STORED CONTAINER
// SOURCE is a textual component form whose root (class TSeSkinSource) carries the header
// strings (SkinName, SkinVersion, Author, AuthorEMail, AuthorURL), the image names in order
// (Images.Strings), the three tables as "Entry:value" strings (Colors.Strings,
// SysColors.Strings, Fonts.Strings) and, as nested objects, the skin's root objects with their
// children. IMAGES holds the image records themegen writes. The skin is read back through the
// skin reader, checked, and written with the maximum-compression filter to STORED; CONTAINER
// receives the same bytes as the ThemeStream of a theme list item (kind 3, named SkinName).
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/bytes/skin_bytes.h"
#include "skin/model/object_images.h"
#include "skin/model/skin_bitmap.h"
#include "skin/model/skin_object_io.h"
#include "skin/stored/skin_source.h"
#include "skin/themes/theme_container.h"
#include "toolkit/components/binary_stream.h"
#include "toolkit/components/text_stream.h"

namespace {

using namespace tolsy;

// Bits of the count words of the maximum body: images with their flags, all three tables.
constexpr std::uint32_t kFlaggedImages = 0x00FFF000;
constexpr std::uint32_t kAllTables = 0x00FF0000;

std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_file(const std::string& path, const Bytes& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path);
}

const Property* find_property(const ObjectNode& node, std::string_view name) {
    for (const Property& p : node.properties)
        if (p.name == name) return &p;
    return nullptr;
}

std::string string_property(const ObjectNode& node, std::string_view name) {
    const Property* p = find_property(node, name);
    if (p == nullptr) return {};
    if (!p->value.is_string()) throw std::runtime_error(std::string(name) + " is not a string");
    return p->value.bytes;
}

std::vector<std::string> string_list(const ObjectNode& node, std::string_view name) {
    const Property* p = find_property(node, name);
    if (p == nullptr || p->value.type != ValueType::kList)
        throw std::runtime_error("the source lacks the list " + std::string(name));
    std::vector<std::string> out;
    for (const Value& v : p->value.list()) {
        if (!v.is_string()) throw std::runtime_error(std::string(name) + " holds a non-string");
        out.push_back(v.bytes);
    }
    return out;
}

// A table entry "Name:value" as the three strings the stored table holds.
void write_entry(ByteWriter& out, const std::string& entry) {
    const std::size_t colon = entry.find(':');
    if (colon == std::string::npos) throw std::runtime_error("table entry without ':': " + entry);
    out.lstr(entry.substr(0, colon));
    out.lstr(":");
    out.lstr(entry.substr(colon + 1));
}

void write_tables(ByteWriter& out, const ObjectNode& root) {
    const auto colors = string_list(root, "Colors.Strings");
    const auto sys_colors = string_list(root, "SysColors.Strings");
    const auto fonts = string_list(root, "Fonts.Strings");
    if (colors.size() != kThemeColorCount || sys_colors.size() != kThemeSysColorCount ||
        fonts.size() != kThemeFontCount)
        throw std::runtime_error("the tables need 22 colours, 26 system colours and 66 fonts");
    out.u8(static_cast<std::uint8_t>(colors.size() - 1));
    for (const auto& e : colors) write_entry(out, e);
    out.i32(static_cast<std::int32_t>(sys_colors.size()));
    for (const auto& e : sys_colors) write_entry(out, e);
    out.u8(static_cast<std::uint8_t>(fonts.size() - 1));
    for (const auto& e : fonts) write_entry(out, e);
}

// An authored object with nested children becomes a binary object record whose children
// travel in its "Objects" property.
void write_record(ByteWriter& out, const ObjectNode& authored) {
    ObjectNode node = authored;
    node.children.clear();
    if (!authored.children.empty()) {
        ByteWriter kids;
        kids.u32(static_cast<std::uint32_t>(authored.children.size()) | kBinaryChildrenFlag);
        for (const ObjectNode& child : authored.children) write_record(kids, child);
        const Bytes& bytes = kids.bytes();
        node.properties.push_back(
            {"Objects", Value::binary(std::string(bytes.begin(), bytes.end()))});
    }
    const std::vector<std::uint8_t> stream = write_binary_stream(node);
    out.lstr(authored.class_name);
    out.i32(static_cast<std::int32_t>(stream.size()));
    out.bytes(stream);
}

void write_images(ByteWriter& out, const ObjectNode& root, const std::string& images_path) {
    const std::string raw = read_file(images_path);
    ByteReader in(as_bytes(raw));
    const auto names = string_list(root, "Images.Strings");
    out.u32(static_cast<std::uint32_t>(names.size()) | kFlaggedImages);
    for (const std::string& name : names) {
        std::unique_ptr<TteBitmap> bitmap = read_image_record(in);
        if (bitmap->name != name)
            throw std::runtime_error("image \"" + bitmap->name + "\" where \"" + name +
                                     "\" was expected");
        bitmap->apply_key_shade();
        bitmap->compute_alpha_flag();
        write_image_record(out, *bitmap);
        out.u8(bitmap->key_flag ? 1 : 0);
        out.u8(bitmap->alpha_flag ? 1 : 0);
    }
    if (!in.at_end())
        throw std::runtime_error(images_path + " holds more images than the source names");
}

Bytes maximum_body(const ObjectNode& root, const std::string& images_path) {
    ByteWriter out;
    for (const char* field : {"SkinName", "SkinVersion", "Author", "AuthorEMail", "AuthorURL"})
        out.lstr(string_property(root, field));
    write_images(out, root, images_path);
    out.u32(static_cast<std::uint32_t>(root.children.size()) | kAllTables);
    for (const ObjectNode& object : root.children) write_record(out, object);
    write_tables(out, root);
    return out.take();
}

// Every link that names an image the skin holds must lie inside it.
void check_links(const TSeSkinSource& source) {
    for (const auto& root : source.objects) {
        root->for_each([&](TSeSkinObject& o) {
            for_each_link(o, [&](TteBitmapLink& link) {
                const TteBitmap* bitmap = link_bitmap(o, link);
                if (bitmap == nullptr) return;
                const Rect r = link_rect(link);
                if (r.empty() || r.left < 0 || r.top < 0 || r.right > bitmap->width() ||
                    r.bottom > bitmap->height())
                    throw std::runtime_error("a link of \"" + o.name() + "\" in \"" + root->name() +
                                             "\" lies outside \"" + link.name + "\"");
            });
        });
    }
}

void compile(const std::string& source_path, const std::string& images_path,
             const std::string& stored_path, const std::string& container_path) {
    const ObjectNode root = parse_text_stream(read_file(source_path));
    if (root.class_name != "TSeSkinSource")
        throw std::runtime_error("the source's root must be a TSeSkinSource");
    const Bytes body = maximum_body(root, images_path);
    TSeSkinSource skin;
    const SkinReadReport report = skin.read_body(body, 0, SkinBody::kMaximum);
    if (report.body_consumed != body.size())
        throw std::runtime_error("the body was not read to its end");
    check_links(skin);
    ThemeStreamData item;
    item.theme_store = skin.skin_name;
    item.buffer = skin.write(max_compression_filter());
    write_file(stored_path, item.buffer);
    ByteWriter container;
    write_theme_container(container, item);
    write_file(container_path, container.bytes());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fputs("usage: themec SOURCE IMAGES STORED CONTAINER\n", stderr);
        return 2;
    }
    try {
        compile(argv[1], argv[2], argv[3], argv[4]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "themec: %s: %s\n", argv[1], e.what());
        return 1;
    }
    return 0;
}
