// The two skin bodies: the standard body (images as plain records, objects in text form) and
// the maximum body (flagged image records, objects in binary form).
#include <stdexcept>

#include "base/load_budget.h"
#include "skin/bytes/bmp_reader.h"
#include "skin/bytes/inflate_reader.h"
#include "skin/bytes/skin_error.h"
#include "skin/stored/skin_source.h"

namespace tolsy {
namespace {

// Image count word of the maximum body: bits 12 to 23 mark flagged records, bits 16 to 19
// records whose flags are computed; otherwise the records are bitmap files.
constexpr std::uint32_t kFlaggedImagesMask = 0x00FFF000;
constexpr std::uint32_t kFlaggedImagesCount = 0xFF000FFF;
constexpr std::uint32_t kComputedImagesFlag = 0x000F0000;
// Object count word: byte 2 all set means all three tables follow; bits 16 to 19 alone mean
// colours and fonts.
constexpr std::uint32_t kAllTablesFlag = 0x00FF0000;
constexpr std::uint32_t kTwoTablesFlag = 0x000F0000;
// The smallest image record: name length, width and height.
constexpr std::size_t kMinImageRecord = 12;
// A bitmap file record: name length and size.
constexpr std::size_t kMinBitmapFileRecord = 8;
constexpr std::size_t kMinObjectRecord = 8;

template <class In>
std::uint32_t checked_count(std::uint32_t count, std::size_t min_size, In& in, std::size_t at,
                            const char* what) {
    if (!in.could_hold(static_cast<std::size_t>(count) * min_size))
        throw SkinReadError(std::to_string(count) + " " + what, at,
                            static_cast<std::size_t>(count) * min_size);
    return count;
}

template <class In>
std::unique_ptr<TteBitmap> read_bitmap_file_record(In& in) {
    auto bitmap = std::make_unique<TteBitmap>();
    bitmap->name = in.lstr("image name");
    const std::size_t size_at = in.offset();
    const std::int32_t size = in.i32("bitmap file size");
    if (size < 0)
        throw SkinFormatError("bitmap file size " + std::to_string(size) + " is negative", size_at);
    const std::size_t file_at = in.offset();
    const auto file = in.bytes(static_cast<std::size_t>(size), "bitmap file");
    bitmap->image = decode_bmp(file, file_at);
    bitmap->apply_key_shade();
    bitmap->compute_alpha_flag();
    return bitmap;
}

template <class In>
void read_header(In& in, TSeSkinSource& s) {
    s.skin_name = in.lstr("skin name");
    s.skin_version = in.lstr("skin version");
    s.author = in.lstr("author");
    s.author_email = in.lstr("author e-mail");
    s.author_url = in.lstr("author address");
}

template <class In>
void read_standard_images(In& in, BitmapList& bitmaps, std::uint32_t& word) {
    const std::int32_t count = in.count("image count", kMinImageRecord);
    word = static_cast<std::uint32_t>(count);
    for (std::int32_t i = 0; i < count; ++i) {
        auto bitmap = read_image_record(in);
        bitmap->apply_key_colour();
        bitmap->compute_alpha_flag();
        bitmaps.push_back(std::move(bitmap));
    }
}

template <class In>
void read_maximum_images(In& in, BitmapList& bitmaps, std::uint32_t& word) {
    const std::size_t at = in.offset();
    word = in.u32("image count word");
    if ((word & kFlaggedImagesMask) == kFlaggedImagesMask) {
        const std::uint32_t count =
            checked_count(word & kFlaggedImagesCount, kMinImageRecord + 2, in, at, "images");
        for (std::uint32_t i = 0; i < count; ++i) {
            auto bitmap = read_image_record(in);
            bitmap->key_flag = in.u8("image key flag") != 0;
            bitmap->alpha_flag = in.u8("image alpha flag") != 0;
            bitmap->flagged_form = true;
            bitmaps.push_back(std::move(bitmap));
        }
    } else if ((word & kComputedImagesFlag) == kComputedImagesFlag) {
        const std::uint32_t count =
            checked_count(word & ~kComputedImagesFlag, kMinImageRecord, in, at, "images");
        for (std::uint32_t i = 0; i < count; ++i) {
            auto bitmap = read_image_record(in);
            bitmap->apply_key_colour();
            bitmap->compute_alpha_flag();
            bitmap->flagged_form = true;
            bitmaps.push_back(std::move(bitmap));
        }
    } else {
        const std::uint32_t count = checked_count(word, kMinBitmapFileRecord, in, at, "images");
        for (std::uint32_t i = 0; i < count; ++i) bitmaps.push_back(read_bitmap_file_record(in));
    }
}

// Header and images come from either reader; objects and tables always from a ByteReader.
template <class In>
void read_header_and_images(In& in, TSeSkinSource& s, SkinBody kind, SkinReadReport& report) {
    read_header(in, s);
    if (kind == SkinBody::kStandard)
        read_standard_images(in, s.bitmaps, report.image_word);
    else
        read_maximum_images(in, s.bitmaps, report.image_word);
}

RecordForm record_form(SkinBody kind) {
    return kind == SkinBody::kStandard ? RecordForm::kText : RecordForm::kBinary;
}

}  // namespace

void TSeSkinSource::write_header(ByteWriter& out) const {
    out.lstr(skin_name);
    out.lstr(skin_version);
    out.lstr(author);
    out.lstr(author_email);
    out.lstr(author_url);
}

TableSource TSeSkinSource::read_objects_and_tables(ByteReader& in, RecordForm form,
                                                   SkinReadReport& report) {
    const std::size_t at = in.offset();
    const std::uint32_t word = in.u32("object count word");
    report.object_word = word;
    TableSource tables = TableSource::kDerived;
    std::uint32_t count = word;
    if ((word & kAllTablesFlag) == kAllTablesFlag) {
        tables = TableSource::kStored;
        count = word & ~kAllTablesFlag;
    } else if ((word & kTwoTablesFlag) == kTwoTablesFlag) {
        tables = TableSource::kStoredWithoutSysColors;
        count = word & ~kTwoTablesFlag;
    }
    checked_count(count, kMinObjectRecord, in, at, "objects");
    objects.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) add_root(read_root_record(in, form));
    for (auto& root : objects) root->prepare_tree();
    switch (tables) {
        case TableSource::kStored:
            report.color_entries = read_color_table(in, colors);
            report.sys_color_entries = read_sys_color_table(in, sys_colors);
            report.font_entries = read_font_table(in, fonts);
            break;
        case TableSource::kStoredWithoutSysColors:
            report.color_entries = read_color_table(in, colors);
            report.font_entries = read_font_table(in, fonts);
            break;
        case TableSource::kDerived:
            derive_tables();
            break;
    }
    return tables;
}

void TSeSkinSource::add_root(std::unique_ptr<TSeSkinObject> root) {
    root->set_default_charsets();
    root->attach_images(&bitmaps);
    objects.push_back(std::move(root));
}

void TSeSkinSource::finish_read() {
    // The client area of every root is never drawn masked.
    for (auto& root : objects) {
        for (std::size_t i = 0; i < root->child_count(); ++i) {
            if (TSeSkinObject* client = root->child(i)->find_kind(TSeKind::skClient)) {
                client->masked = false;
                break;
            }
        }
    }
}

SkinReadReport TSeSkinSource::read_body(std::span<const std::uint8_t> body, std::size_t base_offset,
                                        SkinBody kind) {
    LoadBudgetScope budget(body.size());
    clear();
    SkinReadReport report;
    report.body_size = body.size();
    ByteReader in(body, base_offset);
    try {
        read_header_and_images(in, *this, kind, report);
        report.tables = read_objects_and_tables(in, record_form(kind), report);
    } catch (...) {
        clear();
        throw;
    }
    finish_read();
    report.body_consumed = in.position();
    return report;
}

SkinReadReport TSeSkinSource::read_inflated_body(InflateReader& inflater, SkinBody kind) {
    LoadBudgetScope budget(inflater.input_size());
    clear();
    SkinReadReport report;
    try {
        read_header_and_images(inflater, *this, kind, report);
        const std::size_t rest_at = inflater.offset();
        const InflatedBytes rest = inflater.rest();
        ByteReader in(rest, rest_at);
        report.tables = read_objects_and_tables(in, record_form(kind), report);
        report.body_size = rest_at + rest.size();
        report.body_consumed = rest_at + in.position();
    } catch (...) {
        clear();
        throw;
    }
    finish_read();
    return report;
}

Bytes TSeSkinSource::write_body(SkinBody kind, const TteThemeColors& table_colors,
                                const TteThemeFonts& table_fonts) const {
    constexpr std::size_t kMaxFlaggedImages = 0xFFF;
    constexpr std::size_t kMaxObjects = 0xFFFF;
    if (kind == SkinBody::kMaximum && bitmaps.size() > kMaxFlaggedImages)
        throw std::length_error("Too many images for the maximum body");
    if (objects.size() > kMaxObjects) throw std::length_error("Too many root objects to store");
    ByteWriter out;
    write_header(out);
    const RecordForm form = kind == SkinBody::kStandard ? RecordForm::kText : RecordForm::kBinary;
    if (kind == SkinBody::kStandard) {
        out.i32(static_cast<std::int32_t>(bitmaps.size()));
        for (const auto& b : bitmaps) write_image_record(out, *b);
    } else {
        out.u32(static_cast<std::uint32_t>(bitmaps.size()) | kFlaggedImagesMask);
        for (const auto& b : bitmaps) {
            write_image_record(out, *b);
            out.u8(b->key_flag ? 1 : 0);
            out.u8(b->alpha_flag ? 1 : 0);
        }
    }
    out.u32(static_cast<std::uint32_t>(objects.size()) | kAllTablesFlag);
    for (const auto& root : objects) write_object_record(out, *root, form);
    write_color_table(out, table_colors);
    write_sys_color_table(out, sys_colors);
    write_font_table(out, table_fonts);
    return out.take();
}

}  // namespace tolsy
