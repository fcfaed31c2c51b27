#include "skin/stored/skin_report.h"

#include <zlib.h>

#include <cstdio>
#include <functional>
#include <sstream>

#include "base/utf8.h"
#include "base/windows1252.h"
#include "skin/model/bitmap_link.h"
#include "toolkit/components/class_builder.h"

namespace tolsy {
namespace {

// Skin texts are 8-bit Windows-1252; JSON wants UTF-8 with control characters escaped.
std::string json_string(std::string_view text) {
    const std::string utf8 = utf16_to_utf8(windows1252_to_utf16(text));
    std::string out = "\"";
    for (char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\u%04x", u);
            out += buf;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

const char* bool_text(bool b) {
    return b ? "true" : "false";
}

const char* table_source_name(TableSource t) {
    switch (t) {
        case TableSource::kStored:
            return "stored";
        case TableSource::kStoredWithoutSysColors:
            return "stored without system colours";
        case TableSource::kDerived:
            return "derived";
    }
    return "?";
}

void count_tree(TSeSkinObject& o, int depth, SkinCounts& c) {
    ++c.objects;
    ++c.classes[o.class_info().name()];
    if (depth > c.max_depth) c.max_depth = depth;
    for (std::size_t i = 0; i < o.child_count(); ++i) count_tree(*o.child(i), depth + 1, c);
}

// A stored value as JSON: numbers, true and false, texts (identifiers too), sets as arrays.
void json_value(std::ostringstream& out, const Value& v) {
    if (v.is_integer()) {
        out << v.integer;
    } else if (v.type == ValueType::kTrue || v.type == ValueType::kFalse) {
        out << bool_text(v.type == ValueType::kTrue);
    } else if (v.type == ValueType::kSet) {
        out << '[';
        for (std::size_t i = 0; i < v.set_elements().size(); ++i)
            out << (i ? "," : "") << json_string(v.set_elements()[i]);
        out << ']';
    } else {
        out << json_string(v.bytes);
    }
}

// The properties the object would store (those away from their defaults), children aside.
void json_properties(std::ostringstream& out, const TSeSkinObject& o) {
    std::vector<Property> properties;
    WriteContext ctx;
    ctx.root = &o;
    write_properties(o, "", properties, ctx);
    out << ",\"properties\":{";
    bool first = true;
    for (const Property& p : properties) {
        if (p.name == "Objects") continue;
        out << (first ? "" : ",") << json_string(p.name) << ':';
        json_value(out, p.value);
        first = false;
    }
    out << '}';
}

void json_tree(std::ostringstream& out, const TSeSkinObject& o) {
    out << "{\"class\":" << json_string(o.class_info().name())
        << ",\"name\":" << json_string(o.name());
    json_properties(out, o);
    if (o.child_count() > 0) {
        out << ",\"children\":[";
        for (std::size_t i = 0; i < o.child_count(); ++i) {
            if (i) out << ',';
            json_tree(out, *o.child(i));
        }
        out << ']';
    }
    out << '}';
}

void text_tree(std::ostringstream& out, const TSeSkinObject& o, int depth) {
    out << std::string(2 + 2 * static_cast<std::size_t>(depth), ' ') << o.name() << ": "
        << o.class_info().name() << '\n';
    for (std::size_t i = 0; i < o.child_count(); ++i) text_tree(out, *o.child(i), depth + 1);
}

std::string hex32(std::uint32_t v) {
    char buf[12];
    std::snprintf(buf, sizeof buf, "0x%08X", v);
    return buf;
}

// The links of an object, by property name, found through its published properties.
void for_each_link(const TSeSkinObject& o,
                   const std::function<void(const std::string&, const TteBitmapLink&)>& visit) {
    // nested() only hands out the member; nothing is changed through it.
    auto& self = const_cast<TSeSkinObject&>(o);
    for (const PropertyInfo& p : o.class_info().properties()) {
        if (p.kind != PropertyKind::kObject ||
            p.target_class != &TteBitmapLink::static_class_info())
            continue;
        visit(p.name, static_cast<const TteBitmapLink&>(*p.nested(self)));
    }
}

std::string object_path(const TSeSkinObject& o) {
    const TSeSkinObject* parent = o.parent_object();
    return parent ? object_path(*parent) + "\\" + o.name() : o.name();
}

}  // namespace

SkinCounts count_objects(const TSeSkinSource& source) {
    SkinCounts c;
    c.roots = source.object_count();
    for (const auto& root : source.objects) count_tree(*root, 0, c);
    return c;
}

std::uint32_t pixel_checksum(const Image& image) {
    uLong crc = crc32(0, nullptr, 0);
    for (int y = 0; y < image.height(); ++y)
        crc = crc32(crc, reinterpret_cast<const Bytef*>(image.row(y)),
                    static_cast<uInt>(4 * image.width()));
    return static_cast<std::uint32_t>(crc);
}

std::vector<std::string> dangling_links(const TSeSkinSource& source) {
    std::vector<std::string> out;
    for (const auto& root : source.objects) {
        root->for_each([&](TSeSkinObject& o) {
            for_each_link(o, [&](const std::string& property, const TteBitmapLink& link) {
                if (!link.empty() && link.bitmap(&source.bitmaps) == nullptr)
                    out.push_back(object_path(o) + "." + property + " -> " + link.name);
            });
        });
    }
    return out;
}

std::string skin_info_text(const TSeSkinSource& s, const SkinReadReport& r) {
    std::ostringstream out;
    const SkinCounts c = count_objects(s);
    out << "Filter:       " << (r.filter ? r.filter->class_name : "?")
        << (r.by_signature ? "" : " (no signature: default filter)") << '\n';
    out << "Body:         " << r.body_size << " bytes, " << r.body_consumed << " read\n";
    out << "SkinName:     " << s.skin_name << "\nSkinVersion:  " << s.skin_version
        << "\nAuthor:       " << s.author << "\nAuthorEMail:  " << s.author_email
        << "\nAuthorURL:    " << s.author_url << '\n';
    out << "Images:       " << s.bitmaps.size() << " (count word " << hex32(r.image_word) << ")\n";
    for (const auto& b : s.bitmaps)
        out << "  " << b->name << "  " << b->width() << " x " << b->height() << "  key "
            << (b->key_flag ? 1 : 0) << "  alpha " << (b->alpha_flag ? 1 : 0) << "  crc "
            << hex32(pixel_checksum(b->image)) << '\n';
    out << "Objects:      " << c.roots << " roots, " << c.objects << " in all, nested "
        << c.max_depth << " levels deep (count word " << hex32(r.object_word) << ")\n";
    for (const auto& [name, n] : c.classes) out << "  " << n << " " << name << '\n';
    out << "Tree:\n";
    for (const auto& root : s.objects) text_tree(out, *root, 0);
    out << "Tables:       " << table_source_name(r.tables)
        << " (entries stored: " << r.color_entries << " colours, " << r.sys_color_entries
        << " system colours, " << r.font_entries << " fonts); held: " << kThemeColorCount
        << " colours, " << kThemeSysColorCount << " system colours, " << kThemeFontCount
        << " fonts\n";
    if (r.trailing_input != 0)
        out << "Trailing:     " << r.trailing_input << " bytes after the zlib stream\n";
    return out.str();
}

std::string skin_info_json(const TSeSkinSource& s, const SkinReadReport& r) {
    std::ostringstream out;
    const SkinCounts c = count_objects(s);
    out << "{\"filter\":" << json_string(r.filter ? r.filter->class_name : "")
        << ",\"signature\":" << json_string(r.filter ? r.filter->signature.substr(0, 4) : "")
        << ",\"by_signature\":" << bool_text(r.by_signature) << ",\"body_size\":" << r.body_size
        << ",\"body_consumed\":" << r.body_consumed << ",\"trailing_input\":" << r.trailing_input;
    out << ",\"header\":{\"SkinName\":" << json_string(s.skin_name)
        << ",\"SkinVersion\":" << json_string(s.skin_version)
        << ",\"Author\":" << json_string(s.author)
        << ",\"AuthorEMail\":" << json_string(s.author_email)
        << ",\"AuthorURL\":" << json_string(s.author_url) << '}';
    out << ",\"image_count_word\":" << r.image_word << ",\"images\":[";
    for (std::size_t i = 0; i < s.bitmaps.size(); ++i) {
        const TteBitmap& b = *s.bitmaps[i];
        out << (i ? "," : "") << "{\"name\":" << json_string(b.name) << ",\"width\":" << b.width()
            << ",\"height\":" << b.height() << ",\"key\":" << bool_text(b.key_flag)
            << ",\"alpha\":" << bool_text(b.alpha_flag)
            << ",\"pixel_crc32\":" << pixel_checksum(b.image) << '}';
    }
    out << "],\"object_count_word\":" << r.object_word << ",\"roots\":" << c.roots
        << ",\"objects\":" << c.objects << ",\"max_depth\":" << c.max_depth << ",\"classes\":{";
    bool first = true;
    for (const auto& [name, n] : c.classes) {
        out << (first ? "" : ",") << json_string(name) << ':' << n;
        first = false;
    }
    out << "},\"tree\":[";
    for (std::size_t i = 0; i < s.objects.size(); ++i) {
        if (i) out << ',';
        json_tree(out, *s.objects[i]);
    }
    out << "],\"tables\":{\"source\":" << json_string(table_source_name(r.tables))
        << ",\"stored_entries\":{\"colors\":" << r.color_entries
        << ",\"sys_colors\":" << r.sys_color_entries << ",\"fonts\":" << r.font_entries << '}'
        << ",\"colors\":[";
    for (int i = 0; i < kThemeColorCount; ++i)
        out << (i ? "," : "") << json_string(color_to_text(s.colors.colors[i]));
    out << "],\"sys_colors\":[";
    for (int i = 0; i < kThemeSysColorCount; ++i)
        out << (i ? "," : "") << json_string(color_to_text(s.sys_colors.colors[i]));
    out << "],\"color_values\":[";
    for (int i = 0; i < kThemeColorCount; ++i) out << (i ? "," : "") << s.colors.colors[i];
    out << "],\"sys_color_values\":[";
    for (int i = 0; i < kThemeSysColorCount; ++i) out << (i ? "," : "") << s.sys_colors.colors[i];
    out << "],\"fonts\":[";
    for (int i = 0; i < kThemeFontCount; ++i)
        out << (i ? "," : "") << json_string(font_to_text(s.fonts.fonts[i]));
    out << "]}}\n";
    return out.str();
}

}  // namespace tolsy
