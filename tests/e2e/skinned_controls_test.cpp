// The controls on screen are the theme's painting: the pixels of a push button and of a palette
// button, in the state real input puts them in, equal what the portable painting makes of the
// same theme object, state and size off-screen.
#include <windows.h>
// after windows.h, which it needs
#include <commctrl.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/form1_glyphs.h"
#include "base/windows1252.h"
#include "skin/controls/control_paint.h"
#include "skin/controls/skinned_controls_win.h"
#include "support/composer_form_win.h"
#include "support/program_theme_win.h"
#include "toolkit/controls/control_builder_win.h"

namespace e2e {
namespace {

using tolsy::VisualState;

RECT screen_rect_of(HWND control) {
    RECT r = client_rect(control);
    MapWindowPoints(control, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

POINT centre(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void mouse_button(DWORD flags, POINT at) {
    INPUT in = mouse_input(flags, at);
    SendInput(1, &in, sizeof in);
    settle(200);
}

RECT window_on_screen(HWND control) {
    RECT r;
    GetWindowRect(control, &r);
    return r;
}

// A Windows-1252 caption from the description's Unicode text.
std::string text_of(const std::u16string& text) {
    return tolsy::utf16_to_windows1252_lossy(text);
}

// Where the program's thread shows its caret (screen coordinates), or an empty rectangle.
RECT caret_on_screen(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    RECT r = info.rcCaret;
    if (info.hwndCaret == nullptr) return RECT{};
    MapWindowPoints(info.hwndCaret, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// A tab control's item rectangle, asked across the process boundary through memory of the
// program's own.
RECT tab_rect(HANDLE process, HWND tabs, int index) {
    RECT r{};
    void* remote = VirtualAllocEx(process, nullptr, sizeof r, MEM_COMMIT, PAGE_READWRITE);
    if (remote == nullptr) return r;
    SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(remote));
    ReadProcessMemory(process, remote, &r, sizeof r, nullptr);
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    return r;
}

HWND focused_in(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

class SkinnedControls : public ComposerTest {
  protected:
    static const ProgramTheme& painting() {
        static const ProgramTheme theme;
        return theme;
    }
    void SetUp() override {
        ComposerTest::SetUp();
        ASSERT_TRUE(activate(window));
        mouse_move(POINT{0, 0});
    }

    // The button on screen against the theme's painting of it in that state.
    void expect_button(HWND button, const tolsy::Image& glyph, VisualState state,
                       bool focus_cue) const {
        const RECT r = screen_rect_of(button);
        tolsy::PushButtonLook look;
        look.state = state;
        const std::wstring caption = window_text(button);
        look.caption =
            tolsy::utf16_to_windows1252_lossy(std::u16string(caption.begin(), caption.end()));
        look.glyph = &glyph;
        look.focus_cue = focus_cue;
        const tolsy::Image expected =
            tolsy::push_button_picture(painting().theme(), {r.right - r.left, r.bottom - r.top},
                                       look, painting().text(), ProgramTheme::background());
        ASSERT_FALSE(expected.empty());
        const tolsy::Image seen = screen_pixels(r);
        const Difference d = compare_pixels(seen, expected);
        EXPECT_EQ(d.count, 0) << look.caption << " in state " << static_cast<int>(state) << ": "
                              << describe(d);
    }

    template <class T>
    static const T& design(const char* name) {
        return painting().form().control<T>(name);
    }
    static tolsy::PaintFont font_of(const tolsy::Control& control) {
        return tolsy::paint_font(tolsy::font_spec(control.effective_font(painting().form().font)));
    }

    // The screen's pixels in `area` against the expected picture of it; the pixels inside the
    // masks (screen coordinates: a child window, a caret) are not compared.
    static void expect_pixels(const RECT& area, tolsy::Image expected,
                              const std::vector<RECT>& masks, const std::string& what) {
        ASSERT_FALSE(expected.empty()) << what;
        const tolsy::Image seen = screen_pixels(area);
        for (const RECT& m : masks)
            for (int y = std::max(m.top, area.top); y < std::min(m.bottom, area.bottom); ++y)
                for (int x = std::max(m.left, area.left); x < std::min(m.right, area.right); ++x)
                    expected.at(x - area.left, y - area.top) = seen.at(x - area.left, y - area.top);
        const Difference d = compare_pixels(seen, expected);
        EXPECT_EQ(d.count, 0) << what << ": " << describe(d);
    }

    // A page's own picture: the inside of the page frame, then a group box on it (rectangle
    // in the page's coordinates), then whatever `more` paints; cut to `area` of the page.
    template <class More>
    static tolsy::Image on_page(HWND page, const tolsy::Rect& area, More&& more) {
        const RECT client = client_rect(page);
        tolsy::Image whole(client.right, client.bottom, ProgramTheme::background());
        tolsy::Canvas canvas(whole);
        tolsy::TTeSkinFile& theme = painting().theme();
        const tolsy::Rect page_rect{0, 0, client.right, client.bottom};
        if (!tolsy::paint_page_frame(theme, canvas, tolsy::page_frame_around(theme, page_rect),
                                     painting().text()) ||
            !more(theme, canvas))
            return {};
        tolsy::Image cut(area.width(), area.height());
        tolsy::Canvas(cut).draw_image(whole, area, {0, 0, area.width(), area.height()},
                                      tolsy::DrawMode::kCopy);
        return cut;
    }
    // A child's rectangle in the coordinates of an ancestor's client area.
    static tolsy::Rect rect_in(HWND child, HWND ancestor) {
        RECT r = window_on_screen(child);
        MapWindowPoints(nullptr, ancestor, reinterpret_cast<POINT*>(&r), 2);
        return {r.left, r.top, r.right, r.bottom};
    }

    // Real input: the first datum list dropped, gone down past its empty item, taken.
    void choose_first_letter() const {
        const HWND box = form().list(tolsy::ComposerList::kDatum1);
        form().click_control(box);
        for (int i = 0; i < 3 && form().chosen_item(tolsy::ComposerList::kDatum1) < 1; ++i)
            press_keys({VK_DOWN});
        press_keys({VK_RETURN});
        mouse_move(POINT{0, 0});
        settle(200);
        ASSERT_EQ(form().chosen_item(tolsy::ComposerList::kDatum1), 1);
    }

    // A list on screen against the theme's painting of it.
    void expect_list(tolsy::ComposerList which, const char* name, VisualState state,
                     bool focus_cue) const {
        const HWND box = form().list(which);
        const auto& d = design<tolsy::TeComboBox>(name);
        const bool pick_only = d.style == tolsy::ComboStyleKind::kDropDownList;
        const RECT r = screen_rect_of(box);
        tolsy::ComboBoxLook look;
        look.state = state;
        const int chosen = form().chosen_item(which);
        if (pick_only && chosen >= 0)
            look.text = text_of(d.items.lines.at(static_cast<std::size_t>(chosen)));
        look.font = font_of(d);
        look.flat = !d.ctl3d;
        look.show_text = pick_only;
        look.focus_cue = focus_cue;
        std::vector<RECT> masks;
        // An editable list's own edit field shows the text.
        if (HWND field = FindWindowExW(box, nullptr, L"Edit", nullptr))
            masks.push_back(window_on_screen(field));
        expect_pixels(
            r,
            tolsy::combo_box_picture(painting().theme(), {r.right - r.left, r.bottom - r.top}, look,
                                     painting().text(), ProgramTheme::background()),
            masks, std::string(name) + " in state " + std::to_string(int(state)));
    }

    // The display line, border and all, against the theme's painting of it.
    void expect_display(VisualState state, bool show_selection) const {
        const HWND line = form().display();
        const RECT outer = window_on_screen(line);
        POINT client_at{0, 0};
        MapWindowPoints(line, nullptr, &client_at, 1);
        tolsy::EditLook look;
        look.state = state;
        look.text = form().display_text();
        look.font = font_of(design<tolsy::TeEdit>("DisplayEdit"));
        const LRESULT at = SendMessageW(line, EM_POSFROMCHAR, 0, 0);
        look.text_origin = {client_at.x - outer.left + static_cast<short>(LOWORD(at)),
                            client_at.y - outer.top + static_cast<short>(HIWORD(at))};
        if (show_selection)
            std::tie(look.selection_start, look.selection_end) = form().display_selection();
        expect_pixels(outer,
                      tolsy::edit_picture(painting().theme(),
                                          {outer.right - outer.left, outer.bottom - outer.top},
                                          look, painting().text(), ProgramTheme::background()),
                      {caret_on_screen(window)}, "the display line");
    }

    // A palette button on its page against the page and button painted off-screen.
    void expect_palette_button(int number, VisualState state) const {
        const std::string name = "TeSpeedButton" + std::to_string(number);
        const auto& design = painting().form().control<tolsy::TeSpeedButton>(name);
        const HWND page = form().page(form().visible_page());
        const RECT client = client_rect(page);
        tolsy::Image expected(client.right, client.bottom, ProgramTheme::background());
        tolsy::Canvas canvas(expected);
        tolsy::TTeSkinFile& theme = painting().theme();
        const tolsy::Rect page_rect{0, 0, client.right, client.bottom};
        ASSERT_TRUE(tolsy::paint_page_frame(
            theme, canvas, tolsy::page_frame_around(theme, page_rect), painting().text()));
        tolsy::SpeedButtonLook look;
        look.state = state;
        look.label = tolsy::utf16_to_windows1252_lossy(design.caption);
        look.font =
            tolsy::paint_font(tolsy::font_spec(design.effective_font(painting().form().font)));
        const tolsy::Rect rect =
            tolsy::Rect::from_size(design.left, design.top, design.width, design.height);
        ASSERT_TRUE(tolsy::paint_speed_button(theme, canvas, rect, look, painting().text()));
        tolsy::Image button(rect.width(), rect.height());
        tolsy::Canvas(button).draw_image(expected, rect, {0, 0, rect.width(), rect.height()},
                                         tolsy::DrawMode::kCopy);
        RECT on_screen{rect.left, rect.top, rect.right, rect.bottom};
        MapWindowPoints(page, nullptr, reinterpret_cast<POINT*>(&on_screen), 2);
        const Difference d = compare_pixels(screen_pixels(on_screen), button);
        EXPECT_EQ(d.count, 0) << name << " in state " << static_cast<int>(state) << ": "
                              << describe(d);
    }
};

TEST_F(SkinnedControls, PushButtonsAtRestAndTheDefaultButton) {
    expect_button(form().clear_button(), tolsy::clear_button_glyph(), VisualState::kNormal, false);
    expect_button(form().clipboard_button(), tolsy::clipboard_button_glyph(), VisualState::kDefault,
                  false);
}

TEST_F(SkinnedControls, ThePointerOverToClipboardShowsItsHotLook) {
    mouse_move(centre(screen_rect_of(form().clipboard_button())));
    settle(200);
    expect_button(form().clipboard_button(), tolsy::clipboard_button_glyph(), VisualState::kHot,
                  false);
    mouse_move(POINT{0, 0});
    settle(200);
    expect_button(form().clipboard_button(), tolsy::clipboard_button_glyph(), VisualState::kDefault,
                  false);
}

TEST_F(SkinnedControls, AButtonLooksPressedWhileTheMouseButtonIsHeld) {
    const POINT at = centre(screen_rect_of(form().clear_button()));
    mouse_button(MOUSEEVENTF_LEFTDOWN, at);
    expect_button(form().clear_button(), tolsy::clear_button_glyph(), VisualState::kPressed, true);
    mouse_button(MOUSEEVENTF_LEFTUP, at);
}

TEST_F(SkinnedControls, TabGivesAButtonItsFocusedLook) {
    form().show_page(0);  // the click leaves the focus on the tab row
    mouse_move(POINT{0, 0});
    for (int i = 0; i < 20 && focused_in(window) != form().clear_button(); ++i)
        press_keys({VK_TAB});
    ASSERT_EQ(focused_in(window), form().clear_button());
    settle(200);
    expect_button(form().clear_button(), tolsy::clear_button_glyph(), VisualState::kFocused, true);
    // Another push button has the focus: To Clipboard no longer shows the default mark.
    expect_button(form().clipboard_button(), tolsy::clipboard_button_glyph(), VisualState::kNormal,
                  false);
}

TEST_F(SkinnedControls, PaletteButtonsAreFlatAtRestAndHotUnderThePointer) {
    form().show_page(1);
    mouse_move(POINT{0, 0});
    settle(200);
    expect_palette_button(2, VisualState::kNormal);
    mouse_move(form().palette_button_centre(1));
    settle(200);
    expect_palette_button(1, VisualState::kHot);
    expect_palette_button(2, VisualState::kNormal);
}

TEST_F(SkinnedControls, ListsShowTheThemesFrameDropButtonAndChosenItem) {
    using tolsy::ComposerList;
    expect_list(ComposerList::kTolerance, "ToleranceComboBox", VisualState::kNormal, false);
    mouse_move(centre(screen_rect_of(form().list(ComposerList::kSymbol))));
    settle(200);
    expect_list(ComposerList::kSymbol, "SymbolComboBox", VisualState::kHot, false);
    // Drop the list, go down to the first letter, take it: the list keeps the focus.
    choose_first_letter();
    expect_list(ComposerList::kDatum1, "Datum1ComboBox", VisualState::kFocused, true);
    expect_list(ComposerList::kDatum2, "Datum2ComboBox", VisualState::kNormal, false);
}

TEST_F(SkinnedControls, TheDisplayLineShowsItsTextAndSelectionInTheThemesColours) {
    choose_first_letter();
    ASSERT_FALSE(form().display_text().empty());
    expect_display(VisualState::kNormal, false);
    form().focus_display_end();
    press_keys({VK_SHIFT, VK_LEFT});
    press_keys({VK_SHIFT, VK_LEFT});
    mouse_move(POINT{0, 0});
    settle(200);
    const auto [start, end] = form().display_selection();
    ASSERT_EQ(end - start, 2);
    expect_display(VisualState::kFocused, true);
}

TEST_F(SkinnedControls, CheckBoxGroupBoxesPanelAndTabRowArePaintedFromTheTheme) {
    const HWND page = form().page(0);
    const HWND check = form().diameter_box();
    // The group boxes and the panel have no windows: they lie where the description puts them
    // on the window that paints them.
    const auto place = [&](const char* name) {
        const auto& d = design<tolsy::Control>(name);
        return tolsy::Rect{d.left, d.top, d.left + d.width, d.top + d.height};
    };
    const auto on_screen = [](HWND window, const tolsy::Rect& r) {
        RECT out{r.left, r.top, r.right, r.bottom};
        MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&out), 2);
        return out;
    };
    const tolsy::Rect group_rect = place("TeGroupBox2");
    const tolsy::Rect check_rect = rect_in(check, page);
    const auto& box = design<tolsy::TeCheckBox>("DiaCheckBox");
    const auto paint_group = [&](const char* name, const tolsy::Rect& rect) {
        return [&, name, rect](tolsy::TTeSkinFile& theme, tolsy::Canvas& canvas) {
            return tolsy::paint_group_box(theme, canvas, rect,
                                          text_of(design<tolsy::Control>(name).caption),
                                          painting().text());
        };
    };
    // The check box at rest, over its group box over the page.
    tolsy::CheckBoxLook look;
    look.caption = text_of(box.caption);
    look.font = font_of(box);
    look.gap = box.spacing;
    expect_pixels(screen_rect_of(check),
                  on_page(page, check_rect,
                          [&](tolsy::TTeSkinFile& theme, tolsy::Canvas& canvas) {
                              return paint_group("TeGroupBox2", group_rect)(theme, canvas) &&
                                     tolsy::paint_check_box(theme, canvas, check_rect, look,
                                                            painting().text());
                          }),
                  {}, "the check box");
    // A group box, outside the list it holds, over the edge of the next one, which it overlaps.
    const HWND symbol = form().list(tolsy::ComposerList::kSymbol);
    const tolsy::Rect first_group = place("TeGroupBox1");
    expect_pixels(on_screen(page, first_group),
                  on_page(page, first_group,
                          [&](tolsy::TTeSkinFile& theme, tolsy::Canvas& canvas) {
                              return paint_group("TeGroupBox2", group_rect)(theme, canvas) &&
                                     paint_group("TeGroupBox1", first_group)(theme, canvas);
                          }),
                  {window_on_screen(symbol)}, "a group box");
    // The panel, outside the display line, on the main window.
    const tolsy::Rect panel = place("TePanel1");
    tolsy::Image panel_picture(panel.width(), panel.height(), ProgramTheme::background());
    tolsy::Canvas panel_canvas(panel_picture);
    ASSERT_TRUE(tolsy::paint_panel(painting().theme(), panel_canvas,
                                   {0, 0, panel.width(), panel.height()}));
    expect_pixels(on_screen(GetParent(form().display()), panel), panel_picture,
                  {window_on_screen(form().display())}, "the panel");
    // The tab row: the selected first tab over the page frame's top, the others beside it.
    const HWND tabs = form().tab_strip();
    const RECT strip = screen_rect_of(tabs);
    const RECT page_on_screen = screen_rect_of(page);
    const RECT strip_client = client_rect(tabs);
    tolsy::Image row(strip_client.right, strip_client.bottom, ProgramTheme::background());
    tolsy::Canvas row_canvas(row);
    tolsy::TTeSkinFile& theme = painting().theme();
    const tolsy::Rect page_in_strip = rect_in(page, tabs);
    ASSERT_TRUE(tolsy::paint_page_frame(
        theme, row_canvas, tolsy::page_frame_around(theme, page_in_strip), painting().text()));
    const char* sheets[] = {"TeTabSheet2", "TeTabSheet3", "TeTabSheet1"};
    const int order[] = {1, 2, 0};  // the selected tab last
    for (int k = 0; k < 3; ++k) {
        const RECT r = tab_rect(program.process(), tabs, order[k]);
        ASSERT_GT(r.right, r.left);
        tolsy::TabLook tab;
        tab.state = order[k] == 0 ? VisualState::kFocused : VisualState::kNormal;
        tab.caption = text_of(design<tolsy::Control>(sheets[k]).caption);
        tab.focus_cue = focused_in(window) == tabs && order[k] == 0;
        const tolsy::Rect rect = order[k] == 0
                                     ? tolsy::Rect{r.left - 2, r.top - 2, r.right + 2, r.bottom + 1}
                                     : tolsy::Rect{r.left, r.top, r.right, r.bottom};
        ASSERT_TRUE(tolsy::paint_tab(theme, row_canvas, rect, tab, painting().text()));
    }
    const int band = page_on_screen.top - strip.top;
    tolsy::Image band_picture(strip_client.right, band);
    tolsy::Canvas(band_picture)
        .draw_image(row, {0, 0, strip_client.right, band}, {0, 0, strip_client.right, band},
                    tolsy::DrawMode::kCopy);
    expect_pixels({strip.left, strip.top, strip.right, page_on_screen.top}, band_picture, {},
                  "the tab row");
}

// The program's tool-tip window on show, or none.
HWND shown_tool_tip(DWORD pid) {
    struct Search {
        DWORD pid;
        HWND found;
    } search{pid, nullptr};
    EnumWindows(
        [](HWND w, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner != s->pid || !IsWindowVisible(w) || class_name(w) != TOOLTIPS_CLASSW)
                return TRUE;
            s->found = w;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

TEST_F(SkinnedControls, APaletteButtonsToolTipIsPaintedFromTheThemesHint) {
    constexpr int kButtonWithHint = 46;  // "Left Box"
    form().show_page(1);
    mouse_move(POINT{0, 0});
    settle(200);
    mouse_move(form().palette_button_centre(kButtonWithHint));
    HWND tip = nullptr;
    const bool found =
        wait_until([&] { return (tip = shown_tool_tip(program.pid())) != nullptr; }, 5000);
    ASSERT_TRUE(found) << "no tool-tip under the pointer";
    settle(300);
    const RECT r = window_on_screen(tip);
    const std::wstring shown = window_text(tip);
    ASSERT_FALSE(shown.empty());
    tolsy::Image expected(r.right - r.left, r.bottom - r.top, ProgramTheme::background());
    tolsy::Canvas canvas(expected);
    ASSERT_TRUE(
        tolsy::paint_hint(painting().theme(), canvas, {0, 0, expected.width(), expected.height()},
                          text_of(std::u16string(shown.begin(), shown.end())), painting().text()));
    expect_pixels(r, expected, {}, "the tool-tip");
    EXPECT_FALSE(save_screenshot("palette_tool_tip").empty());
    mouse_move(POINT{0, 0});
}

}  // namespace
}  // namespace e2e
