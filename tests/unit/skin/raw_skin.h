#pragma once
// Stored skins written byte by byte, with nothing of the program's own writer: little-endian
// fields, binary component streams and the filters' framing.
#include <zlib.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tolsy::test::raw {

using Raw = std::vector<std::uint8_t>;

// Little-endian fields, written here rather than with the reader's own helpers.
struct Out {
    Raw b;
    Out& raw(const std::string& s) {
        b.insert(b.end(), s.begin(), s.end());
        return *this;
    }
    Out& raw(const Raw& r) {
        b.insert(b.end(), r.begin(), r.end());
        return *this;
    }
    Out& byte(unsigned v) {
        b.push_back(static_cast<std::uint8_t>(v));
        return *this;
    }
    Out& u16(unsigned v) { return byte(v & 0xFF).byte(v >> 8); }
    Out& u32(std::uint32_t v) { return u16(v & 0xFFFF).u16(v >> 16); }
    Out& lstr(const std::string& s) { return u32(static_cast<std::uint32_t>(s.size())).raw(s); }
    Out& sstr(const std::string& s) { return byte(static_cast<unsigned>(s.size())).raw(s); }
};

inline std::uint32_t bgra(unsigned r, unsigned g, unsigned b, unsigned a = 255) {
    return b | (g << 8) | (r << 16) | (a << 24);
}

// A binary component stream: "TPF0", class, name, properties, end, no children.
struct Tpf0 {
    Out o;
    Tpf0(const std::string& cls, const std::string& name) { o.raw("TPF0").sstr(cls).sstr(name); }
    Tpf0& integer(const std::string& p, std::int32_t v) {
        o.sstr(p);
        if (v >= -128 && v <= 127) return o.byte(2).byte(static_cast<std::uint8_t>(v)), *this;
        if (v >= -32768 && v <= 32767) return o.byte(3).u16(static_cast<std::uint16_t>(v)), *this;
        return o.byte(4).u32(static_cast<std::uint32_t>(v)), *this;
    }
    Tpf0& ident(const std::string& p, const std::string& v) {
        return o.sstr(p).byte(7).sstr(v), *this;
    }
    Tpf0& text(const std::string& p, const std::string& v) {
        return o.sstr(p).byte(6).sstr(v), *this;
    }
    Tpf0& flag(const std::string& p, bool v) { return o.sstr(p).byte(v ? 9 : 8), *this; }
    Tpf0& binary(const std::string& p, const Raw& v) {
        return o.sstr(p).byte(10).u32(static_cast<std::uint32_t>(v.size())).raw(v), *this;
    }
    Raw done() {
        o.byte(0).byte(0);
        return o.b;
    }
};

inline Raw deflate_at(const Raw& body, int level) {
    uLongf size = compressBound(static_cast<uLong>(body.size()));
    Raw out(size);
    EXPECT_EQ(compress2(out.data(), &size, body.data(), static_cast<uLong>(body.size()), level),
              Z_OK);
    out.resize(size);
    return out;
}

inline Raw stored(const char* signature, const Raw& body, int level) {
    Out o;
    o.raw(std::string(signature, 4)).byte(0);
    if (level < -1) return o.raw(body).b;
    return o.raw("NVLZ").raw(deflate_at(body, level)).b;
}

}  // namespace tolsy::test::raw
