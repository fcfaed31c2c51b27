// The main window's client area painted off-screen through the skinned controls' portable path,
// one picture per page (the window's background around its page control and panel, page frame
// and tab row, palette buttons, group boxes, lists and check box, panel and display line, push
// buttons), against memcpy of as many pixels; and one palette
// button's hot repaint.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/form1_description.h"
#include "base/windows1252.h"
#include "bench/built_theme.h"
#include "bench/cpu_clock.h"
#include "picture/bitmap_font.h"
#include "skin/controls/control_paint.h"
#include "skin/controls/page_picture.h"
#include "skin/themes/skin_file.h"

namespace {

using namespace tolsy;

constexpr int kClientWidth = 389;
constexpr int kClientHeight = 241;
// The page control's pages inside its frame and below its tab row, in client coordinates.
constexpr Rect kPage{7, 23, 384, 151};

void drop_events(ObjectNode& node) {
    std::erase_if(node.properties, [](const Property& p) { return p.name.starts_with("On"); });
    for (ObjectNode& child : node.children) drop_events(child);
}

const Form1Description& form() {
    static std::unique_ptr<Form1Description> read = [] {
        const std::string bytes = built_file("/generated/forms/TFORM1.bin");
        auto f = std::make_unique<Form1Description>();
        read_description(*f, as_bytes(bytes), {}, [](ObjectNode& d) {
            keep_form1_controls(d);
            drop_events(d);
        });
        return f;
    }();
    return *read;
}

Rect bounds_in(const Control& c, int dx, int dy) {
    return Rect::from_size(c.left + dx, c.top + dy, c.width, c.height);
}

std::string text_of(const std::u16string& s) {
    return utf16_to_windows1252_lossy(s);
}

PaintFont font_of(const Control& c) {
    const Font& f = c.effective_font(form().font);
    PaintFont out;
    out.face = f.name;
    out.size = (f.height < 0 ? -f.height : f.height) * 72 / 96;
    return out;
}

// The children of a page, a group box or the panel, told apart once: the window makes its
// controls once, and painting asks each for its look.
enum class Kind { kPaletteButton, kGroupBox, kCheckBox, kList, kDisplayLine, kOther };
struct Child {
    Kind kind;
    const Control* control;
};

const std::vector<Child>& children_of(const Control& parent) {
    static std::map<const Control*, std::vector<Child>> known;
    auto found = known.find(&parent);
    if (found != known.end()) return found->second;
    std::vector<Child> children;
    for (const Control* child : parent.child_controls()) {
        const Kind kind = dynamic_cast<const TeSpeedButton*>(child) ? Kind::kPaletteButton
                          : dynamic_cast<const TeGroupBox*>(child)  ? Kind::kGroupBox
                          : dynamic_cast<const TeCheckBox*>(child)  ? Kind::kCheckBox
                          : dynamic_cast<const TeComboBox*>(child)  ? Kind::kList
                          : dynamic_cast<const TeEdit*>(child)      ? Kind::kDisplayLine
                                                                    : Kind::kOther;
        children.push_back({kind, child});
    }
    return known.emplace(&parent, std::move(children)).first->second;
}

// A page's palette buttons at rest, as the page keeps them: their labels and fonts made once,
// their places and states looked at for each paint.
std::vector<PageButton>& page_buttons(const Control& page, int dx, int dy) {
    static std::map<const Control*, std::vector<PageButton>> kept;
    auto found = kept.find(&page);
    if (found == kept.end()) {
        std::vector<PageButton> buttons;
        for (const Child& child : children_of(page)) {
            if (child.kind != Kind::kPaletteButton) continue;
            const Control& c = *child.control;
            buttons.push_back({{}, {VisualState::kNormal, text_of(c.caption), font_of(c), true}});
        }
        found = kept.emplace(&page, std::move(buttons)).first;
    }
    std::size_t i = 0;
    for (const Child& child : children_of(page)) {
        if (child.kind != Kind::kPaletteButton) continue;
        PageButton& button = found->second[i++];
        button.rect = bounds_in(*child.control, dx, dy);
        button.look.state = VisualState::kNormal;
    }
    return found->second;
}

// The rectangles of a parent's children that are windows of their own: the parent clips them
// out of what it paints.
std::vector<Rect> child_windows(const Control& parent, int dx, int dy) {
    std::vector<Rect> windows;
    for (const Child& child : children_of(parent))
        if (child.kind != Kind::kPaletteButton)
            windows.push_back(bounds_in(*child.control, dx, dy));
    return windows;
}

// The children that are windows of their own on a page or the panel (group boxes and what
// they hold, lists, the check box, the display line); the page paints its palette buttons. A
// group box and the check box are transparent: what lies behind them is the page's picture.
void paint_children(const Control& parent, Canvas& canvas, int dx, int dy, TextRenderer& text) {
    for (const Child& child : children_of(parent)) {
        const Control& c = *child.control;
        const Rect r = bounds_in(c, dx, dy);
        switch (child.kind) {
            case Kind::kGroupBox:
                paint_group_box(built_theme(), canvas, r, text_of(c.caption), text);
                paint_children(c, canvas, r.left, r.top, text);
                break;
            case Kind::kCheckBox: {
                const CheckBoxLook look{VisualState::kNormal, false, text_of(c.caption), font_of(c),
                                        5};
                paint_check_box(built_theme(), canvas, r, look, text);
                break;
            }
            case Kind::kList: {
                const auto& list = static_cast<const TeComboBox&>(c);
                const bool pick_only = list.style == ComboStyleKind::kDropDownList;
                const ComboBoxLook look{VisualState::kNormal, false,       pick_only ? "\xC0" : "",
                                        font_of(c),           !list.ctl3d, pick_only};
                paint_combo_box(built_theme(), canvas, r, look, text);
                break;
            }
            case Kind::kDisplayLine: {
                const EditLook look{
                    VisualState::kNormal, "\xEB\xC0\xEC\xBA\xED", font_of(c), {4, 4}};
                paint_edit(built_theme(), canvas, r, look, text);
                break;
            }
            case Kind::kPaletteButton:
            case Kind::kOther:
                break;
        }
    }
}

// The controls the window paints, found once: the window holds its controls.
struct Window {
    std::vector<Control*> pages = form().control<TePageControl>("TePageControl1").pages();
    const TePanel& panel = form().control<TePanel>("TePanel1");
    std::vector<const Control*> push_buttons{&form().control<Control>("ClearAllButton"),
                                             &form().control<Control>("TeEffectButton1"),
                                             &form().control<Control>("TeButton1")};
};

const Window& window() {
    static const Window w;
    return w;
}

// The tab row as the page control paints it: the tabs side by side over the page frame's top,
// the selected one larger and last.
void paint_tab_row(int selected, Canvas& canvas, TextRenderer& text) {
    const auto& pages = window().pages;
    std::vector<Rect> tabs;
    int x = kPage.left;
    for (const Control* page : pages) {
        const int width = text.measure(text_of(page->caption), PaintFont{}).width + 12;
        tabs.push_back({x, 2, x + width, kPage.top - 2});
        x += width;
    }
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < tabs.size(); ++i) {
            const bool is_selected = static_cast<int>(i) == selected;
            if (is_selected != (pass == 1)) continue;
            const Rect& r = tabs[i];
            const TabLook look{is_selected ? VisualState::kFocused : VisualState::kNormal,
                               text_of(pages[i]->caption)};
            paint_tab(built_theme(), canvas,
                      is_selected ? Rect{r.left - 2, r.top - 2, r.right + 2, r.bottom + 1} : r,
                      look, text);
        }
    }
}

// The pages as the page control keeps them: each composes itself once and then copies.
PagePicture& page_picture(int page_index) {
    static PagePicture pages[3];
    return pages[page_index];
}

void paint_client(int page_index, Image& picture, TextRenderer& text) {
    Canvas canvas(picture);
    const Window& w = window();
    const Rect frame = page_frame_around(built_theme(), kPage);
    for (const Rect& band :
         bands_outside({0, 0, kClientWidth, kClientHeight}, {frame, bounds_in(w.panel, 0, 0)}))
        canvas.fill_rect(band, 0xFFD8E9EC);
    for (const Rect& band : bands_outside(frame, {kPage})) {
        canvas.set_clip(band);
        paint_page_frame(built_theme(), canvas, frame, text);
    }
    canvas.reset_clip();
    paint_tab_row(page_index, canvas, text);
    const Control& page = *w.pages.at(static_cast<std::size_t>(page_index));
    for (const Rect& band : own_bands(kPage, child_windows(page, kPage.left, kPage.top))) {
        canvas.set_clip(band);
        page_picture(page_index)
            .paint(built_theme(), canvas, kPage, page_buttons(page, kPage.left, kPage.top), text,
                   0xFFD8E9EC);
    }
    canvas.reset_clip();
    paint_children(page, canvas, kPage.left, kPage.top, text);
    const Rect panel = bounds_in(w.panel, 0, 0);
    for (const Rect& band : own_bands(panel, child_windows(w.panel, panel.left, panel.top))) {
        canvas.set_clip(band);
        paint_panel(built_theme(), canvas, panel);
    }
    canvas.reset_clip();
    paint_children(w.panel, canvas, w.panel.left, w.panel.top, text);
    for (const Control* button : w.push_buttons) {
        const PushButtonLook look{VisualState::kNormal, text_of(button->caption), nullptr, false};
        paint_push_button(built_theme(), canvas, bounds_in(*button, 0, 0), look, text);
    }
}

void BM_PaintClientAreaOfPage(benchmark::State& state) {
    Image picture(kClientWidth, kClientHeight);
    BitmapFontRenderer text;
    for (auto _ : state) {
        paint_client(static_cast<int>(state.range(0)), picture, text);
        benchmark::DoNotOptimize(picture.data());
    }
    state.SetItemsProcessed(state.iterations() * kClientWidth * kClientHeight);
}
BENCHMARK(BM_PaintClientAreaOfPage)->Arg(0)->Arg(1)->Arg(2);

// The baseline: copying as many pixels as the client area holds.
void BM_MemcpyClientArea(benchmark::State& state) {
    std::vector<std::uint32_t> from(kClientWidth * kClientHeight, 0xFF808080u);
    std::vector<std::uint32_t> to(from.size());
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size() * sizeof from[0]);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kClientWidth * kClientHeight);
}
BENCHMARK(BM_MemcpyClientArea);

// The two alternated in one loop, each timed in the thread's CPU time: the median ratio with
// its quartiles. With a second argument of 1 the page is composed afresh at each paint (its
// palette buttons painted, not copied from the page kept), as after a change of all of them.
void BM_PaintClientAreaToMemcpyRatio(benchmark::State& state) {
    constexpr int kBatch = 8;
    const int page = static_cast<int>(state.range(0));
    const bool afresh = state.range(1) != 0;
    Image picture(kClientWidth, kClientHeight);
    BitmapFontRenderer text;
    std::vector<std::uint32_t> from(kClientWidth * kClientHeight, 0xFF808080u);
    std::vector<std::uint32_t> to(from.size());
    std::vector<double> paints, copies;
    for (auto _ : state) {
        const double t0 = thread_seconds();
        for (int i = 0; i < kBatch; ++i) {
            std::memcpy(to.data(), from.data(), from.size() * sizeof from[0]);
            benchmark::DoNotOptimize(to.data());
            benchmark::ClobberMemory();
        }
        const double t1 = thread_seconds();
        for (int i = 0; i < kBatch; ++i) {
            if (afresh) page_picture(page).clear();
            paint_client(page, picture, text);
            benchmark::DoNotOptimize(picture.data());
            benchmark::ClobberMemory();
        }
        const double t2 = thread_seconds();
        copies.push_back((t1 - t0) / kBatch);
        paints.push_back((t2 - t1) / kBatch);
    }
    report_ratio(state, "memcpy_us", copies, "paint_us", paints);
}
BENCHMARK(BM_PaintClientAreaToMemcpyRatio)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({2, 1})
    ->MinTime(1);

// A palette button turning hot and back, as the page repaints it: the page's buttons looked
// at, the button's rectangle of the page composed again and copied out.
void BM_PaletteButtonHotRepaint(benchmark::State& state) {
    const Control& button = form().control<Control>("TeSpeedButton1");
    const auto& pages = form().control<TePageControl>("TePageControl1").pages();
    const auto holds = [&](const Control* page) {
        const auto& children = page->child_controls();
        return std::find(children.begin(), children.end(), &button) != children.end();
    };
    const Control& page = **std::find_if(pages.begin(), pages.end(), holds);
    const Rect r = bounds_in(button, 0, 0);
    const Rect whole{0, 0, kPage.width(), kPage.height()};
    Image picture(r.width(), r.height());
    BitmapFontRenderer text;
    PagePicture composed;
    bool hot = false;
    for (auto _ : state) {
        hot = !hot;
        std::vector<PageButton>& buttons = page_buttons(page, 0, 0);
        for (PageButton& b : buttons)
            if (b.rect == r && hot) b.look.state = VisualState::kHot;
        Canvas canvas(picture);
        canvas.set_origin({-r.left, -r.top});
        composed.paint(built_theme(), canvas, whole, buttons, text, 0xFFD8E9EC);
        benchmark::DoNotOptimize(picture.data());
    }
}
BENCHMARK(BM_PaletteButtonHotRepaint);

}  // namespace

BENCHMARK_MAIN();
