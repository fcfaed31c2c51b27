#pragma once
// Descriptions of a read skin for people (text) and machines (JSON): header, images with sizes,
// flags and pixel checksums, the object tree with classes and names, and the tables.
#include <map>
#include <string>

#include "skin/stored/skin_source.h"

namespace tolsy {

struct SkinCounts {
    int roots = 0;
    int objects = 0;    // roots and all their descendants
    int max_depth = 0;  // levels below a root
    std::map<std::string, int> classes;
};

SkinCounts count_objects(const TSeSkinSource& source);
// CRC-32 of an image's pixels, rows top to bottom, 4 bytes each (B, G, R, A).
std::uint32_t pixel_checksum(const Image& image);
// Links that name an image the skin does not hold ("Form\Title.Bitmap -> x.bmp").
std::vector<std::string> dangling_links(const TSeSkinSource& source);

std::string skin_info_text(const TSeSkinSource& source, const SkinReadReport& report);
std::string skin_info_json(const TSeSkinSource& source, const SkinReadReport& report);

}  // namespace tolsy
