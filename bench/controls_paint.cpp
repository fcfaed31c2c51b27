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
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/form1_description.h"
#include "base/windows1252.h"
#include "bench/built_theme.h"
#include "picture/bitmap_font.h"
#include "skin/controls/control_paint.h"
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

// One page's children on the page (pages hold palette buttons or group boxes).
void paint_children(const Control& parent, Canvas& canvas, int dx, int dy, TextRenderer& text) {
    for (Control* child : parent.child_controls()) {
        const Rect r = bounds_in(*child, dx, dy);
        if (dynamic_cast<TeSpeedButton*>(child)) {
            const SpeedButtonLook look{VisualState::kNormal, text_of(child->caption),
                                       font_of(*child), true};
            paint_speed_button(built_theme(), canvas, r, look, text);
        } else if (dynamic_cast<TeGroupBox*>(child)) {
            paint_group_box(built_theme(), canvas, r, text_of(child->caption), text);
            paint_children(*child, canvas, r.left, r.top, text);
        } else if (dynamic_cast<TeCheckBox*>(child)) {
            const CheckBoxLook look{VisualState::kNormal, false, text_of(child->caption),
                                    font_of(*child), 5};
            paint_check_box(built_theme(), canvas, r, look, text);
        } else if (const auto* list = dynamic_cast<TeComboBox*>(child)) {
            const bool pick_only = list->style == ComboStyleKind::kDropDownList;
            const ComboBoxLook look{VisualState::kNormal, false,        pick_only ? "\xC0" : "",
                                    font_of(*child),      !list->ctl3d, pick_only};
            paint_combo_box(built_theme(), canvas, r, look, text);
        } else if (dynamic_cast<TeEdit*>(child)) {
            const EditLook look{
                VisualState::kNormal, "\xEB\xC0\xEC\xBA\xED", font_of(*child), {4, 4}};
            paint_edit(built_theme(), canvas, r, look, text);
        }
    }
}

// Fills what the rectangles leave of the area, band by band between their edges: the window
// paints its own background only where no child window paints all of its own.
void fill_outside(Canvas& canvas, const Rect& area, const std::vector<Rect>& covered,
                  std::uint32_t pixel) {
    std::vector<int> edges{area.top, area.bottom};
    for (const Rect& r : covered) edges.insert(edges.end(), {r.top, r.bottom});
    std::sort(edges.begin(), edges.end());
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const int top = std::max(edges[i], area.top);
        const int bottom = std::min(edges[i + 1], area.bottom);
        if (bottom <= top) continue;
        std::vector<Rect> across;
        for (const Rect& r : covered)
            if (r.top <= top && r.bottom >= bottom) across.push_back(r);
        std::sort(across.begin(), across.end(),
                  [](const Rect& a, const Rect& b) { return a.left < b.left; });
        int x = area.left;
        for (const Rect& r : across) {
            if (r.left > x) canvas.fill_rect({x, top, r.left, bottom}, pixel);
            x = std::max(x, r.right);
        }
        if (x < area.right) canvas.fill_rect({x, top, area.right, bottom}, pixel);
    }
}

// The tab row as the page control paints it: the tabs side by side over the page frame's top,
// the selected one larger and last.
void paint_tab_row(int selected, Canvas& canvas, TextRenderer& text) {
    const auto& pages = form().control<TePageControl>("TePageControl1").pages();
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

void paint_client(int page_index, Image& picture, TextRenderer& text) {
    Canvas canvas(picture);
    const auto& pages = form().control<TePageControl>("TePageControl1").pages();
    const auto& panel = form().control<TePanel>("TePanel1");
    const Rect frame = page_frame_around(built_theme(), kPage);
    fill_outside(canvas, {0, 0, kClientWidth, kClientHeight}, {frame, bounds_in(panel, 0, 0)},
                 0xFFD8E9EC);
    paint_page_frame(built_theme(), canvas, frame, text);
    paint_tab_row(page_index, canvas, text);
    paint_children(*pages.at(static_cast<std::size_t>(page_index)), canvas, kPage.left, kPage.top,
                   text);
    paint_panel(built_theme(), canvas, bounds_in(panel, 0, 0));
    paint_children(panel, canvas, panel.left, panel.top, text);
    for (const char* name : {"ClearAllButton", "TeEffectButton1", "TeButton1"}) {
        const Control& button = form().control<Control>(name);
        const PushButtonLook look{VisualState::kNormal, text_of(button.caption), nullptr, false};
        paint_push_button(built_theme(), canvas, bounds_in(button, 0, 0), look, text);
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

// A palette button turning hot: its rectangle of the page composed again, as the page does.
void BM_PaletteButtonHotRepaint(benchmark::State& state) {
    const Control& button = form().control<Control>("TeSpeedButton1");
    const Rect r = bounds_in(button, 0, 0);
    Image picture(r.width(), r.height());
    BitmapFontRenderer text;
    const SpeedButtonLook look{VisualState::kHot, text_of(button.caption), font_of(button), true};
    for (auto _ : state) {
        Canvas canvas(picture);
        canvas.set_origin({-r.left, -r.top});
        paint_page_frame(built_theme(), canvas,
                         page_frame_around(built_theme(), {0, 0, kPage.width(), kPage.height()}),
                         text);
        paint_speed_button(built_theme(), canvas, r, look, text);
        benchmark::DoNotOptimize(picture.data());
    }
}
BENCHMARK(BM_PaletteButtonHotRepaint);

}  // namespace

BENCHMARK_MAIN();
