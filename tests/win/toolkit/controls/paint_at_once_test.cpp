// A form just shown paints the controls that can paint into its device context along with its
// background: in their places, nested ones inside their parents, in their stacking order and
// within their regions. They get no paint of their own then, and later changes paint as usual.
// A window that cannot is left to paint itself.
#include <gtest/gtest.h>

#include "base/handles_win.h"
#include "toolkit/controls/form_win.h"

namespace tolsy {
namespace {

// A child window in one colour that counts its own paints.
class Probe : public Window {
  public:
    Probe(HWND parent, RECT r, COLORREF colour, bool paints_into)
        : colour_(colour), paints_into_(paints_into) {
        create(0, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, r.left, r.top, r.right - r.left,
               r.bottom - r.top, parent, nullptr);
    }
    int paints = 0;

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override {
        switch (message) {
            case WM_ERASEBKGND:
                return 1;
            case WM_PAINT: {
                ++paints;
                const PaintScope scope(handle());
                fill(scope.dc());
                return 0;
            }
            case kPaintIntoMessage:
                if (!paints_into_) break;
                clip_to_window_region(handle(), reinterpret_cast<HDC>(wparam));
                fill(reinterpret_cast<HDC>(wparam));
                return kPaintedInto;
            default:
                break;
        }
        return Window::handle_message(message, wparam, lparam);
    }

  private:
    void fill(HDC dc) const {
        RECT client;
        GetClientRect(handle(), &client);
        const UniqueBrush brush(CreateSolidBrush(colour_));
        FillRect(dc, &client, brush.get());
    }
    COLORREF colour_;
    bool paints_into_;
};

void pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

COLORREF pixel(HWND form, int x, int y) {
    HDC dc = GetDCEx(form, nullptr, DCX_CACHE);  // over the children too
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(form, dc);
    return colour;
}

TEST(PaintAtOnce, AJustShownFormPaintsTheControlsThatCanWithItself) {
    constexpr COLORREF kRed = RGB(200, 0, 0), kGreen = RGB(0, 160, 0), kBlue = RGB(0, 0, 200),
                       kYellow = RGB(220, 220, 0);
    Form form;
    form.set_client_size(200, 120);
    form.create_window();
    // Made first, so above the later ones. Its region cuts off its right half.
    Probe cut(form.handle(), {10, 10, 90, 60}, kRed, true);
    SetWindowRgn(cut.handle(), CreateRectRgn(0, 0, 40, 50), FALSE);
    Probe nested(cut.handle(), {5, 5, 25, 25}, kGreen, true);
    Probe itself(form.handle(), {110, 10, 190, 60}, kBlue, false);
    Probe below(form.handle(), {30, 40, 150, 100}, kYellow, true);
    ShowWindow(form.handle(), SW_SHOWNOACTIVATE);
    pump();

    const struct {
        const char* where;
        int x, y;
        COLORREF expected;
    } cases[] = {
        {"nested, inside its parent", 25, 25, kGreen},
        {"above the window below", 40, 50, kRed},
        {"cut off, over the window below", 70, 50, kYellow},
        {"cut off, over the form", 70, 20, GetSysColor(COLOR_BTNFACE)},
        {"the window painting itself, above", 130, 50, kBlue},
        {"the window below alone", 120, 80, kYellow},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.where);
        EXPECT_EQ(pixel(form.handle(), c.x, c.y), c.expected);
    }
    EXPECT_EQ(cut.paints + nested.paints + below.paints, 0);
    EXPECT_GE(itself.paints, 1);

    // Only the show's paint is done at once.
    InvalidateRect(cut.handle(), nullptr, FALSE);
    UpdateWindow(cut.handle());
    EXPECT_EQ(cut.paints, 1);
}

}  // namespace
}  // namespace tolsy
