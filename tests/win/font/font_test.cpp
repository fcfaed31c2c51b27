// The installed Tolsy font as the program meets it: found by face name, kept (not substituted)
// for text with the ANSI character set, drawing its own glyph for every code, and drawing a
// frame text as one closed frame with dividers.
#include "base/handles_win.h"
#include "base/windows1252.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace tolsy {
namespace {

constexpr char kFace[] = "Tolsy";
constexpr char kOtherFace[] = "Tahoma";
constexpr int kDisplayHeight = -19;  // the display line's font height
const std::string kWorkedFrame =
    "\xEB\xFB\xEC\xE0\xF9\xEE\xEE\xF3\xDE\xEC\xC0\xEC\xC1\xDE\xEC\xC2\xED";

int CALLBACK count_face(const LOGFONTA*, const TEXTMETRICA*, DWORD, LPARAM counter) {
    ++*reinterpret_cast<int*>(counter);
    return 1;
}

UniqueFont make_font(const char* face, int height, BYTE charset) {
    return UniqueFont(CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, charset,
                                  OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                  DEFAULT_PITCH, face));
}

// A font selected into a memory device context for the length of a test.
class FontDc {
  public:
    FontDc(const char* face, int height, BYTE charset)
        : dc_(CreateCompatibleDC(nullptr)),
          font_(make_font(face, height, charset)),
          select_(dc_.get(), font_.get()) {}
    HDC get() const { return dc_.get(); }

    std::string face() const {
        char name[LF_FACESIZE] = {};
        GetTextFaceA(dc_.get(), LF_FACESIZE, name);
        return name;
    }
    std::vector<unsigned char> outline(unsigned char code) const {
        GLYPHMETRICS metrics{};
        const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
        DWORD size = GetGlyphOutlineA(dc_.get(), code, GGO_NATIVE, &metrics, 0, nullptr, &identity);
        if (size == GDI_ERROR) return {};
        std::vector<unsigned char> data(size);
        if (size)
            GetGlyphOutlineA(dc_.get(), code, GGO_NATIVE, &metrics, size, data.data(), &identity);
        return data;
    }

  private:
    UniqueMemoryDc dc_;
    UniqueFont font_;
    SelectObjectScope select_;
};

// Text drawn black on white without smoothing into a 32-bit picture, for pixel checks.
class Rendering {
  public:
    Rendering(const std::string& text, int height) : width_(900), height_(60) {
        FontDc dc(kFace, height, ANSI_CHARSET);
        std::uint32_t* bits = nullptr;
        bitmap_ = create_dib_section(width_, height_, &bits);
        pixels_ = bits;
        SelectObjectScope select(dc.get(), bitmap_.get());
        RECT all{0, 0, width_, height_};
        SetBkColor(dc.get(), RGB(255, 255, 255));
        SetTextColor(dc.get(), RGB(0, 0, 0));
        ExtTextOutA(dc.get(), 10, 10, ETO_OPAQUE, &all, text.data(), static_cast<UINT>(text.size()),
                    nullptr);
        GdiFlush();
        find_ink_box();
    }
    bool ink(int x, int y) const { return (pixels_[y * width_ + x] & 0xFFFFFF) == 0; }
    bool row_full(int y) const {
        for (int x = left; x <= right; ++x)
            if (!ink(x, y)) return false;
        return true;
    }
    bool column_full(int x) const {
        for (int y = top; y <= bottom; ++y)
            if (!ink(x, y)) return false;
        return true;
    }
    // Runs of neighbouring columns inked from the top of the ink to its bottom.
    std::vector<std::pair<int, int>> full_column_runs() const {
        std::vector<std::pair<int, int>> runs;
        for (int x = left; x <= right; ++x) {
            if (!column_full(x)) continue;
            if (!runs.empty() && runs.back().second == x - 1)
                runs.back().second = x;
            else
                runs.push_back({x, x});
        }
        return runs;
    }
    void save_bmp(const std::string& path) const;

    int left = -1, right = -1, top = -1, bottom = -1;

  private:
    void find_ink_box() {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x) {
                if (!ink(x, y)) continue;
                if (left < 0 || x < left) left = x;
                if (x > right) right = x;
                if (top < 0) top = y;
                bottom = y;
            }
    }
    int width_, height_;
    UniqueBitmap bitmap_;
    const std::uint32_t* pixels_ = nullptr;
};

void Rendering::save_bmp(const std::string& path) const {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width_;
    header.biHeight = -height_;
    header.biPlanes = 1;
    header.biBitCount = 32;
    DWORD bytes = static_cast<DWORD>(width_ * height_ * 4);
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + bytes;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof(file), 1, out);
        std::fwrite(&header, sizeof(header), 1, out);
        std::fwrite(pixels_, bytes, 1, out);
        std::fclose(out);
    }
}

TEST(TolsyFont, EnumFontsFindsTheFace) {
    WindowDc screen(nullptr);
    int count = 0;
    EnumFontsA(screen.get(), kFace, count_face, reinterpret_cast<LPARAM>(&count));
    EXPECT_GT(count, 0);
}

TEST(TolsyFont, AnsiAndDefaultCharacterSetsKeepTheFace) {
    FontDc ansi(kFace, kDisplayHeight, ANSI_CHARSET);
    EXPECT_EQ(ansi.face(), kFace);
    EXPECT_EQ(GetTextCharset(ansi.get()), ANSI_CHARSET);
    FontDc fallback(kFace, -16, DEFAULT_CHARSET);
    EXPECT_EQ(fallback.face(), kFace);
}

TEST(TolsyFont, TheFrameFillsTheCellWithoutLeading) {
    FontDc dc(kFace, kDisplayHeight, ANSI_CHARSET);
    TEXTMETRICA metrics{};
    ASSERT_TRUE(GetTextMetricsA(dc.get(), &metrics));
    EXPECT_EQ(metrics.tmHeight, -kDisplayHeight);
    EXPECT_EQ(metrics.tmInternalLeading, 0);
}

TEST(TolsyFont, EveryUpperCodeDrawsItsOwnOutlineNotAnotherFonts) {
    FontDc tolsy(kFace, kDisplayHeight, ANSI_CHARSET);
    FontDc other(kOtherFace, kDisplayHeight, ANSI_CHARSET);
    ASSERT_EQ(other.face(), kOtherFace);
    for (int code = 0x80; code <= 0xFF; ++code) {
        SCOPED_TRACE(code);
        std::vector<unsigned char> ours = tolsy.outline(static_cast<unsigned char>(code));
        EXPECT_FALSE(ours.empty());
        EXPECT_NE(ours, other.outline(static_cast<unsigned char>(code)));
    }
}

TEST(TolsyFont, UnicodeLabelsDrawTheGlyphsOfTheirCodes) {
    // The program's windows are Unicode: a label holds the Windows-1252 character of its code,
    // from the program's own table, which must agree with the platform's code page.
    FontDc dc(kFace, kDisplayHeight, ANSI_CHARSET);
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    for (int code = 0x80; code <= 0xFF; ++code) {
        SCOPED_TRACE(code);
        const char byte = static_cast<char>(code);
        wchar_t platform = 0;
        ASSERT_EQ(MultiByteToWideChar(1252, 0, &byte, 1, &platform, 1), 1);
        const auto label =
            static_cast<wchar_t>(windows1252_to_unicode(static_cast<unsigned char>(code)));
        EXPECT_EQ(label, platform);
        GLYPHMETRICS metrics{};
        DWORD size = GetGlyphOutlineW(dc.get(), label, GGO_NATIVE, &metrics, 0, nullptr, &identity);
        ASSERT_NE(size, GDI_ERROR);
        std::vector<unsigned char> by_label(size);
        GetGlyphOutlineW(dc.get(), label, GGO_NATIVE, &metrics, size, by_label.data(), &identity);
        EXPECT_EQ(by_label, dc.outline(static_cast<unsigned char>(code)));
    }
}

TEST(TolsyFont, NoCodeFallsBackToTheMissingGlyph) {
    FontDc dc(kFace, kDisplayHeight, ANSI_CHARSET);
    std::string codes;
    for (int code = 0x20; code <= 0xFF; ++code)
        if (code != 0x7F) codes.push_back(static_cast<char>(code));
    std::vector<WORD> indices(codes.size());
    ASSERT_NE(GetGlyphIndicesA(dc.get(), codes.data(), static_cast<int>(codes.size()),
                               indices.data(), GGI_MARK_NONEXISTING_GLYPHS),
              GDI_ERROR);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        SCOPED_TRACE(static_cast<unsigned char>(codes[i]));
        EXPECT_NE(indices[i], 0xFFFF);
        EXPECT_NE(indices[i], 0);
    }
}

TEST(TolsyFont, TheWorkedFrameIsOneClosedBoxWithFourDividers) {
    Rendering frame(kWorkedFrame, kDisplayHeight);
    if (const char* folder = std::getenv("TOLSY_SCREENSHOTS"))
        frame.save_bmp(std::string(folder) + "/font-worked-frame.bmp");
    ASSERT_GE(frame.left, 0);
    EXPECT_EQ(frame.bottom - frame.top + 1, -kDisplayHeight);
    EXPECT_TRUE(frame.row_full(frame.top));
    EXPECT_TRUE(frame.row_full(frame.bottom));
    std::vector<std::pair<int, int>> bars = frame.full_column_runs();
    ASSERT_EQ(bars.size(), 6u);
    EXPECT_EQ(bars.front().first, frame.left);
    EXPECT_EQ(bars.back().second, frame.right);
}

TEST(TolsyFont, OrdinaryCharactersAreNotFramed) {
    Rendering text("ABC 0.5", kDisplayHeight);
    ASSERT_GE(text.left, 0);
    for (int y = text.top; y <= text.bottom; ++y) EXPECT_FALSE(text.row_full(y)) << y;
}

}  // namespace
}  // namespace tolsy
