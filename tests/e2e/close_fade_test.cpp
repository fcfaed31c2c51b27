// The Close button's fade, watched from outside frame by frame: the mouse (real input) moves
// onto it and off it, and the button's pixels are read from the screen as it changes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "support/composer_form_win.h"

namespace e2e {
namespace {

using Frame = std::vector<std::uint32_t>;

// The button's pixels as they are on the screen now (0x00RRGGBB).
Frame grab(HWND control) {
    const RECT r = window_rect(control);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    Frame frame(static_cast<const std::uint32_t*>(bits),
                static_cast<const std::uint32_t*>(bits) + static_cast<std::size_t>(w) * h);
    for (auto& p : frame) p &= 0xFFFFFF;
    SelectObject(memory, old);
    DeleteObject(dib);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return frame;
}

// Frames taken as fast as the screen can be read, for `ms` milliseconds.
std::vector<Frame> watch(HWND control, DWORD ms) {
    std::vector<Frame> frames;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < ms) {
        frames.push_back(grab(control));
        Sleep(5);
    }
    return frames;
}

void move_to(POINT p) {
    INPUT in = mouse_input(0, p);
    SendInput(1, &in, sizeof in);
}

int channel(std::uint32_t p, int c) {
    return static_cast<int>((p >> (8 * c)) & 0xFF);
}

class CloseFade : public ComposerTest {
  protected:
    void SetUp() override {
        ComposerTest::SetUp();
        if (HasFatalFailure()) return;
        close = form().close_button();
        const RECT r = window_rect(close);
        centre = POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        away = POINT{r.left - 60, r.top - 60};
        move_to(away);
        settle(600);
        normal = grab(close);
        save_screenshot("close_normal", window);
        move_to(centre);
        settle(900);
        hot = grab(close);
        save_screenshot("close_hot", window);
        move_to(away);
        settle(900);
        // The pixel channels whose looks differ most tell where a frame stands between them.
        for (std::size_t i = 0; i < normal.size(); ++i) {
            for (int c = 0; c < 3; ++c) {
                if (std::abs(channel(hot[i], c) - channel(normal[i], c)) >= 24)
                    probes.push_back({i, c});
            }
        }
    }
    // 0 at the normal look, 1000 at the hot look, averaged over the probes.
    int stand(const Frame& f) const {
        long long sum = 0;
        for (const auto& [i, c] : probes) {
            const int a = channel(normal[i], c);
            const int b = channel(hot[i], c);
            sum += 1000LL * (channel(f[i], c) - a) / (b - a);
        }
        return probes.empty() ? 0 : static_cast<int>(sum / static_cast<long long>(probes.size()));
    }
    bool between(const Frame& f) const {
        const int s = stand(f);
        return s > 100 && s < 900;
    }

    HWND close = nullptr;
    POINT centre{}, away{};
    Frame normal, hot;
    std::vector<std::pair<std::size_t, int>> probes;  // pixel, channel
};

TEST_F(CloseFade, EnteringFadesToTheHotLookAndLeavingFadesBack) {
    ASSERT_GE(probes.size(), 20u) << "the hot look hardly differs from the normal one";
    move_to(centre);
    const std::vector<Frame> entering = watch(close, 700);
    int mid = 0;
    for (const Frame& f : entering) {
        if (between(f)) {
            if (mid++ == 0) save_screenshot("close_fade_mid", window);
        }
    }
    EXPECT_GE(mid, 2) << "no frames between the normal and the hot look";
    EXPECT_EQ(entering.back(), hot);

    move_to(away);
    const std::vector<Frame> leaving = watch(close, 700);
    int back = 0;
    for (const Frame& f : leaving) back += between(f) ? 1 : 0;
    EXPECT_GE(back, 2);
    EXPECT_EQ(leaving.back(), normal);
}

TEST_F(CloseFade, LeavingEarlyStartsTheFadeBackFromTheFullHotLook) {
    ASSERT_GE(probes.size(), 20u);
    move_to(centre);
    std::vector<Frame> entering;
    int reached = 0;
    for (int i = 0; i < 200 && reached < 2; ++i) {  // until two frames stand part way
        entering.push_back(grab(close));
        if (between(entering.back())) ++reached;
        Sleep(5);
    }
    ASSERT_EQ(reached, 2) << "the entering fade was never seen part way";
    const int cut_at = stand(entering.back());
    move_to(away);
    const std::vector<Frame> leaving = watch(close, 700);
    int highest = 0;
    for (const Frame& f : leaving) highest = std::max(highest, stand(f));
    // The fade back begins at the hot look, above where the entering fade stood.
    EXPECT_GT(highest, cut_at + 50);
    EXPECT_EQ(leaving.back(), normal);
}

}  // namespace
}  // namespace e2e
