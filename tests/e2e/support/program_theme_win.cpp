#include "support/program_theme_win.h"

#include <stdexcept>

#include "base/handles_win.h"
#include "picture/text_renderer_win.h"
#include "skin/themes/theme_manager.h"
#include "support/driver_win.h"
#include "toolkit/components/stream_value.h"
#include "toolkit/components/window_description.h"

namespace e2e {

namespace {
std::span<const std::uint8_t> description_of(HMODULE exe) {
    const HRSRC found = exe ? FindResourceW(exe, L"TFORM1", MAKEINTRESOURCEW(10)) : nullptr;
    const HGLOBAL loaded = found ? LoadResource(exe, found) : nullptr;
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) throw std::runtime_error("the program carries no main window description");
    return {static_cast<const std::uint8_t*>(data), SizeofResource(exe, found)};
}

// The driver has none of the window's handlers: its events are left out.
void drop_events(tolsy::ObjectNode& node) {
    std::erase_if(node.properties,
                  [](const tolsy::Property& p) { return p.name.starts_with("On"); });
    for (tolsy::ObjectNode& child : node.children) drop_events(child);
}
}  // namespace

ProgramTheme::ProgramTheme()
    : themes_(std::make_unique<tolsy::ThemeComponents>()),
      form_(std::make_unique<tolsy::Form1Description>()),
      text_(std::make_unique<tolsy::GdiTextRenderer>()) {
    const HMODULE exe = LoadLibraryExW(program_path().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const auto bytes = description_of(exe);
    tolsy::read_description(*themes_, bytes, {}, tolsy::keep_theme_components);
    tolsy::read_description(*form_, bytes, {}, [](tolsy::ObjectNode& description) {
        tolsy::keep_form1_controls(description);
        drop_events(description);
    });
    FreeLibrary(exe);
}

ProgramTheme::~ProgramTheme() = default;

tolsy::TTeSkinFile& ProgramTheme::theme() const {
    auto* theme = dynamic_cast<tolsy::TTeSkinFile*>(tolsy::theme_manager().current());
    if (theme == nullptr) throw std::runtime_error("the program's theme did not load");
    return *theme;
}

std::uint32_t ProgramTheme::background() {
    const COLORREF c = GetSysColor(COLOR_BTNFACE);
    return 0xFF000000u | (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}

tolsy::Image screen_pixels(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    std::uint32_t* in = nullptr;
    const tolsy::UniqueBitmap bitmap = tolsy::create_dib_section(width, height, &in);
    if (!bitmap) throw std::runtime_error("cannot make a picture to copy the screen into");
    {
        tolsy::WindowDc screen(nullptr);
        tolsy::UniqueMemoryDc memory(CreateCompatibleDC(screen.get()));
        tolsy::SelectObjectScope select(memory.get(), bitmap.get());
        BitBlt(memory.get(), 0, 0, width, height, screen.get(), area.left, area.top, SRCCOPY);
        GdiFlush();
    }
    tolsy::Image out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            out.at(x, y) = 0xFF000000u | in[static_cast<std::size_t>(y) * width + x];
    return out;
}

Difference compare_pixels(const tolsy::Image& seen, const tolsy::Image& expected) {
    Difference d;
    if (seen.width() != expected.width() || seen.height() != expected.height()) {
        d.count = -1;
        return d;
    }
    for (int y = 0; y < seen.height(); ++y)
        for (int x = 0; x < seen.width(); ++x) {
            if (((seen.at(x, y) ^ expected.at(x, y)) & 0xFFFFFFu) == 0) continue;
            if (d.count++ == 0) d.first = POINT{x, y};
        }
    return d;
}

std::string describe(const Difference& d) {
    if (d.count < 0) return "the sizes differ";
    return std::to_string(d.count) + " pixels differ, the first at " + std::to_string(d.first.x) +
           ", " + std::to_string(d.first.y);
}

}  // namespace e2e
