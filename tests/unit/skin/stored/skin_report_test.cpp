#include "skin/stored/skin_report.h"

#include <gtest/gtest.h>

#include "skin/test_skins.h"

namespace tolsy {
namespace {

SkinReadReport read_sample(TSeSkinSource& back, const TSeSkinFilter& filter) {
    TSeSkinSource s;
    test::fill_sample(s);
    s.bitmaps[0]->name = "caf\xE9\"1";  // Windows-1252 e-acute and a quote
    static_cast<TSeActiveBitmap*>(s.find_object("Form\\Title"))->bitmap.name = "nowhere.bmp";
    const Bytes stored = s.write(filter);
    ByteReader in(stored);
    return back.read(in);
}

TEST(SkinReport, CountsObjectsClassesAndDepth) {
    TSeSkinSource s;
    read_sample(s, max_compression_filter());
    const SkinCounts c = count_objects(s);
    EXPECT_EQ(c.roots, 19);
    EXPECT_EQ(c.objects, 27);
    EXPECT_EQ(c.max_depth, 4) << "Form > Caption > ButtonContainer > CloseButton > Glyph";
    EXPECT_EQ(c.classes.at("TSeSystemButton"), 2);
    EXPECT_EQ(c.classes.at("TSeSkinObject"), 6);
}

TEST(SkinReport, JsonCarriesTheFiguresAndEscapesText) {
    TSeSkinSource s;
    const SkinReadReport r = read_sample(s, compressed_filter());
    const std::string json = skin_info_json(s, r);
    EXPECT_NE(json.find("\"filter\":\"TSeSkinFilterCompressed\""), std::string::npos);
    EXPECT_NE(json.find("\"name\":\"caf\xC3\xA9\\\"1\""), std::string::npos) << json.substr(0, 600);
    EXPECT_NE(json.find("\"width\":7,\"height\":5,\"key\":true,\"alpha\":false"),
              std::string::npos);
    EXPECT_NE(json.find("\"roots\":19,\"objects\":27,\"max_depth\":4"), std::string::npos);
    EXPECT_NE(json.find("\"source\":\"stored\",\"stored_entries\":{\"colors\":22,"
                        "\"sys_colors\":26,\"fonts\":66}"),
              std::string::npos);
    EXPECT_NE(json.find("\"name\":\"Form\",\"properties\":{\"Color\":14150122,"
                        "\"Kind\":\"skForm\",\"Height\":247,\"Width\":375},\"children\""),
              std::string::npos)
        << "properties away from their defaults, by stored name";
    EXPECT_NE(json.find("\"Action\":\"sbaClose\""), std::string::npos);
    EXPECT_NE(json.find("\"trailing_input\":0"), std::string::npos);
    EXPECT_NE(json.find("\"color_values\":[" + std::to_string(s.colors.colors[0]) + "," +
                        std::to_string(s.colors.colors[1]) + ","),
              std::string::npos);
    EXPECT_NE(json.find("\"pixel_crc32\":" + std::to_string(pixel_checksum(s.bitmaps[1]->image))),
              std::string::npos);
    int depth = 0;
    for (char c : json) {
        depth += (c == '{' || c == '[') - (c == '}' || c == ']');
        ASSERT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

TEST(SkinReport, ChecksumsFollowPixelsNotFilters) {
    TSeSkinSource a, b;
    read_sample(a, uncompressed_filter());
    read_sample(b, max_compression_filter());
    for (std::size_t i = 0; i < a.bitmaps.size(); ++i)
        EXPECT_EQ(pixel_checksum(a.bitmaps[i]->image), pixel_checksum(b.bitmaps[i]->image));
    b.bitmaps[0]->image.at(0, 0) ^= 1;
    EXPECT_NE(pixel_checksum(a.bitmaps[0]->image), pixel_checksum(b.bitmaps[0]->image));
}

TEST(SkinReport, DanglingLinksNameTheObjectPath) {
    TSeSkinSource s;
    read_sample(s, max_compression_filter());
    const auto links = dangling_links(s);
    ASSERT_FALSE(links.empty());
    EXPECT_EQ(links.front(), "Form\\Caption\\Title.Bitmap -> nowhere.bmp");
}

}  // namespace
}  // namespace tolsy
