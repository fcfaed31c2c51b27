#pragma once
// TSeSkinSource: everything a stored skin holds (header strings, named images, the tree of skin
// objects and the three tables) and its reading and writing through the four filters.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "skin/bytes/skin_filter.h"
#include "skin/model/skin_bitmap.h"
#include "skin/model/skin_object.h"
#include "skin/model/skin_object_io.h"
#include "skin/stored/theme_tables.h"

namespace tolsy {

class InflateReader;

// How the tables arrived: all three, colours and fonts only, or derived from the objects.
enum class TableSource { kStored, kStoredWithoutSysColors, kDerived };

// What a read found, for tools and checks.
struct SkinReadReport {
    const TSeSkinFilter* filter = nullptr;
    bool by_signature = false;      // false: read by the default filter
    std::size_t body_size = 0;      // after decompression
    std::size_t body_consumed = 0;  // bytes the body's fields took
    std::uint32_t image_word = 0;   // maximum body only; the count for the standard body
    std::uint32_t object_word = 0;
    TableSource tables = TableSource::kStored;
    // Entries each stored table held; 0 for a table not stored.
    int color_entries = 0;
    int sys_color_entries = 0;
    int font_entries = 0;
    // Compressed input left after the end of the zlib stream.
    std::size_t trailing_input = 0;
};

class TSeSkinSource {
  public:
    TSeSkinSource();
    TSeSkinSource(const TSeSkinSource&) = delete;
    TSeSkinSource& operator=(const TSeSkinSource&) = delete;

    std::string skin_name;
    std::string skin_version;
    std::string author;
    std::string author_email;
    std::string author_url;
    BitmapList bitmaps;
    std::vector<std::unique_ptr<TSeSkinObject>> objects;  // the roots
    TteThemeColors colors;
    TteThemeSysColors sys_colors;
    TteThemeFonts fonts;

    // Frees all images and objects; header and tables keep their values.
    void clear();

    // Reads from the stream's position to its end, through the filter its signature selects,
    // else the default filter. On an error the source is left cleared.
    SkinReadReport read(ByteReader& stream);
    SkinReadReport read(ByteReader& stream, const TSeSkinFilter& filter);
    Bytes write(const TSeSkinFilter& filter) const;
    // A file whose extension matches no filter is not read (false).
    bool read_file(const std::string& file_name, SkinReadReport* report = nullptr);
    // The filter by extension, else the default filter.
    void write_file(const std::string& file_name) const;

    // Bodies, as the filters hold them after the signature and decompression.
    SkinReadReport read_body(std::span<const std::uint8_t> body, std::size_t base_offset,
                             SkinBody kind);
    // A compressed body, inflated as it is read: image pixels go straight into the images.
    SkinReadReport read_inflated_body(InflateReader& inflater, SkinBody kind);
    Bytes write_body(SkinBody kind) const { return write_body(kind, colors, fonts); }
    Bytes write_body(SkinBody kind, const TteThemeColors& table_colors,
                     const TteThemeFonts& table_fonts) const;

    int object_count() const { return static_cast<int>(objects.size()); }
    // None for an index outside 0..count-1.
    TSeSkinObject* object(int index) const;
    // A root by name, or "Root\Part": the first object named Part in that root's subtree.
    TSeSkinObject* find_object(std::string_view name) const;

    // Clears this source, then copies header, images, objects (deep) and tables.
    void assign(const TSeSkinSource& other);
    // The same, but other's objects are moved here (attached to this source's images) and other
    // is left without any: for a copy made once of a source read only to be copied.
    void take_objects(TSeSkinSource& other);

    void shift_hue(int delta);
    void shift_brightness(int delta);

  private:
    void copy_all_but_objects(const TSeSkinSource& other);
    void write_header(ByteWriter& out) const;
    TableSource read_objects_and_tables(ByteReader& in, RecordForm form, SkinReadReport& report);
    void add_root(std::unique_ptr<TSeSkinObject> root);
    void finish_read();
    void derive_tables();
};

}  // namespace tolsy
