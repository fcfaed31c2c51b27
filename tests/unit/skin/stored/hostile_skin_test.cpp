// Small stored skins made to claim far more than they hold: decoded pixels, object trees and
// the values of text records. Each is refused by the load's budget with an error that names
// the limit and the offset, and leaves the source empty.
#include <gtest/gtest.h>

#include <string>

#include "base/load_budget.h"
#include "skin/bytes/skin_error.h"
#include "skin/raw_skin.h"
#include "skin/stored/skin_source.h"
#include "toolkit/components/stream_value.h"

namespace tolsy {
namespace {

using namespace test::raw;

void header(Out& o) {
    o.lstr("Hostile").lstr("1").lstr("").lstr("").lstr("");
}

// A maximum body whose one image is a bitmap file.
Raw with_bitmap_file(unsigned width, unsigned height, unsigned bpp, unsigned compression,
                     const Raw& bits) {
    const unsigned palette = bpp <= 8 ? 4u << bpp : 0;
    const unsigned offset = 14 + 40 + palette;
    Out bmp;
    bmp.raw("BM").u32(offset + static_cast<std::uint32_t>(bits.size())).u32(0).u32(offset);
    bmp.u32(40).u32(width).u32(height).u16(1).u16(bpp).u32(compression);
    bmp.u32(0).u32(0).u32(0).u32(0).u32(0);
    for (unsigned i = 0; i < palette; ++i) bmp.byte(0);
    bmp.raw(bits);
    Out body;
    header(body);
    body.u32(1).lstr("image").u32(static_cast<std::uint32_t>(bmp.b.size())).raw(bmp.b);
    body.u32(0);
    return stored("_MCT", body.b, 9);
}

// Runs that only end lines: enough bytes to claim 32768 x 32768 pixels.
Raw run_length_claim() {
    return with_bitmap_file(32768, 32768, 8, 1, Raw(std::size_t{8} << 20, 0));
}

// One bit per pixel: 16 MB of zeros, deflated to kilobytes, decode to 512 MB.
Raw one_bit_claim() {
    return with_bitmap_file(16384, 8192, 1, 0, Raw(std::size_t{16} << 20, 0));
}

// One root with as many children as a count word holds, each a record of a few bytes.
Raw many_children() {
    constexpr std::uint32_t kChildren = 0xFFFF;
    Tpf0 child("TSeSkinObject", "");
    const Raw child_stream = child.done();
    Out kids;
    kids.u32(0x000F0000 | kChildren);
    for (std::uint32_t i = 0; i < kChildren; ++i)
        kids.lstr("TSeSkinObject")
            .u32(static_cast<std::uint32_t>(child_stream.size()))
            .raw(child_stream);
    Tpf0 root("TSeSkinObject", "Root");
    root.binary("Objects", kids.b);
    const Raw root_stream = root.done();
    Out body;
    header(body);
    body.u32(0x00FFF000).u32(1);
    body.lstr("TSeSkinObject").u32(static_cast<std::uint32_t>(root_stream.size())).raw(root_stream);
    return stored("_MCT", body.b, 9);
}

// A text record whose one property is a list of a great many short items: each takes a value's
// room in the tree, enough of them a quarter more than the budget.
Raw long_text_list() {
    std::string text = "object A: TSeSkinObject\n  Color = (";
    for (std::size_t i = 0; i < kLoadBudgetFloor / sizeof(Value) * 5 / 4; ++i) text += "0 ";
    text += ")\nend\n";
    Out body;
    header(body);
    body.u32(0).u32(1).lstr("TSeSkinObject").lstr(text);
    return stored("_DCT", body.b, 9);
}

TEST(HostileSkins, ClaimsPastTheLoadBudgetAreRefusedNamingTheLimitAndOffset) {
    struct Case {
        const char* name;
        Raw (*build)();
    } const cases[] = {
        {"run-length bitmap", run_length_claim},
        {"one-bit bitmap", one_bit_claim},
        {"many children", many_children},
        {"long text list", long_text_list},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Raw file = c.build();
        ASSERT_LT(file.size(), 64u * 1024);
        TSeSkinSource source;
        ByteReader in(file);
        try {
            source.read(in);
            ADD_FAILURE() << "read";
        } catch (const SkinError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("load limit of " + std::to_string(kLoadBudgetFloor)),
                      std::string::npos)
                << message;
            EXPECT_NE(message.find("offset"), std::string::npos) << message;
        }
        EXPECT_TRUE(source.bitmaps.empty());
        EXPECT_TRUE(source.objects.empty());
    }
}

}  // namespace
}  // namespace tolsy
