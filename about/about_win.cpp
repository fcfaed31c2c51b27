#include "about/about_win.h"

#include "about/version_info_win.h"
#include "toolkit/application_win.h"

namespace tolsy {
namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kAqua = RGB(0, 255, 255);
const FontSpec kLabel1Font{"MS Sans Serif", -16, DEFAULT_CHARSET, true, false};
const FontSpec kLabel2Font{"MS Sans Serif", -11, DEFAULT_CHARSET, false, false};

struct Bounds {
    int left, top, width, height;
};
// The window's design: panels, labels (design sizes) and the OK button.
constexpr Bounds kPanel1{36, 28, 205, 61};
constexpr Bounds kPanel2{91, 104, 97, 52};
constexpr Bounds kLabel1{4, 0, 142, 20};
constexpr Bounds kLabel2{8, 0, 85, 13};
constexpr Bounds kButton{99, 176, 75, 25};

void design_label(TBehaviorLabel& label, const Bounds& b) {
    label.SetLoading(true);
    label.SetBounds(b.left, b.top, b.width, b.height);
    label.SetBehavior("Appearing");
    label.SetVisible(false);
    label.SetLoading(false);
}

}  // namespace

void WindowStarfieldSurface::CopyBitmap(const Image& bitmap) {
    if (!window_.handle() || bitmap.empty()) return;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), bitmap.width(), -bitmap.height(), 1, 32, BI_RGB,
                      0, 0, 0, 0, 0};
    // Borrowed during a paint, else the window's own for a frame from the worker.
    std::unique_ptr<WindowDc> own;
    HDC dc = paint_dc_;
    if (!dc) {
        own = std::make_unique<WindowDc>(window_.handle());
        dc = own->get();
    }
    if (bitmap.stride() != bitmap.width()) return;  // our bitmaps are packed
    SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(bitmap.width()),
                      static_cast<DWORD>(bitmap.height()), 0, 0, 0,
                      static_cast<UINT>(bitmap.height()), bitmap.data(), &info, DIB_RGB_COLORS);
}

TAbout::TAbout()
    : surface_(*this),
      starfield_(hand_over_),
      view1_(label1_, kLabel1Font, kRed),
      view2_(label2_, kLabel2Font, kAqua),
      panel1_(kPanel1.left, kPanel1.top, kPanel1.width, kPanel1.height, kBlack),
      panel2_(kPanel2.left, kPanel2.top, kPanel2.width, kPanel2.height, kBlack),
      info_(&win32_version_info_api()),
      handlers_({starfield_, panel1_, label1_, label2_, info_}) {
    use_win32_behavior_timers();
    set_caption("About");
    set_border_style(BorderStyle::Dialog);
    set_border_icons({true, false, false, false});
    set_client_size(kClientWidth, kClientHeight);
    set_color(kBlack);
    set_font(FontSpec{});
    set_centered(true);
    set_default_button_id(IDOK);
    on_create = [this] {
        create_controls();
        FormCreate();
    };
    on_activate = [this] { FormActivate(); };
    on_close = [this] { FormClose(); };
}

TAbout::~TAbout() {
    // The labels' views and panels go before the labels stop their effects.
    label1_.SetView(nullptr);
    label2_.SetView(nullptr);
}

void TAbout::Create(HWND owner) {
    starfield_.SetSurface(&surface_);
    starfield_.SetBounds(kClientWidth, kClientHeight);
    design_label(label1_, kLabel1);
    design_label(label2_, kLabel2);
    label1_.OnStop = [this](TCustomBehaviorLabel&) { BehaviorLabel1Stop(); };
    create_window(owner);
}

void TAbout::create_controls() {
    panel1_.CreateWindowOn(handle());
    panel1_.AddLabel(label1_, view1_);
    panel2_.CreateWindowOn(handle());
    panel2_.AddLabel(label2_, view2_);
    button_ = CreateWindowExW(0, L"BUTTON", L"OK",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON,
                              kButton.left, kButton.top, kButton.width, kButton.height, handle(),
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDOK)),
                              GetModuleHandleW(nullptr), nullptr);
    SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), FALSE);
}

void TAbout::FormCreate() { handlers_.FormCreate(running_program_file()); }
void TAbout::FormActivate() { handlers_.FormActivate(kClientWidth); }
void TAbout::FormClose() { handlers_.FormClose(); }
void TAbout::BehaviorLabel1Stop() { handlers_.BehaviorLabel1Stop(); }
void TAbout::TeButton1Click() { close(); }

void TAbout::paint_stars() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(handle(), &ps);
    surface_.SetPaintDc(dc);
    // Every repaint is a frame step as well; an error in it must not leave the paint open.
    try {
        starfield_.Paint();
    } catch (...) {
        surface_.SetPaintDc(nullptr);
        EndPaint(handle(), &ps);
        throw;
    }
    surface_.SetPaintDc(nullptr);
    EndPaint(handle(), &ps);
}

LRESULT TAbout::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the star field covers the whole client area
        case WM_PAINT:
            paint_stars();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wparam) == IDOK) {
                TeButton1Click();
                return 0;
            }
            break;
        default:
            break;
    }
    return Form::handle_message(message, wparam, lparam);
}

}  // namespace tolsy
