// Loading a stored skin of the built-in theme's size (about 577,000 bytes of maximum body, two
// images, a few hundred objects, all tables, stored as "_MCT") against zlib's inflate alone on
// the same compressed bytes. The goal is a load within 1.5 times the inflate.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <algorithm>
#include <ctime>
#include <vector>

#include "bench/cpu_clock.h"
#include "skin/model/skin_object_classes.h"
#include "skin/stored/skin_source.h"
#include "skin/themes/skin_file.h"

namespace tolsy {
namespace {

// Root names and descendant counts of a theme shaped like the built-in one.
constexpr std::pair<const char*, int> kRoots[] = {
    {"Form", 30},      {"MenuBar", 10},  {"PopupMenu", 4},   {"CheckBox", 4},    {"RadioButton", 3},
    {"ScrollBar", 14}, {"Button", 2},    {"SpeedButton", 7}, {"GroupBox", 6},    {"ProgressBar", 3},
    {"TrackBar", 7},   {"ListBox", 10},  {"Edit", 9},        {"ComboBox", 9},    {"SpinButton", 1},
    {"Panel", 6},      {"Tabs", 8},      {"Grid", 8},        {"ControlBar", 3},  {"Toolbar", 1},
    {"Header", 1},     {"StatusBar", 4}, {"ScrollBox", 1},   {"ToolWindow", 14}, {"Container", 1},
    {"Splitter", 0},   {"Frame", 6},     {"Hint", 5},
};

void link(TteBitmapLink& l, int n) {
    l.name = "themeimage";
    l.left = (n * 13) % 300;
    l.top = (n * 7) % 250;
    l.right = l.left + 20 + n % 30;
    l.bottom = l.top + 10 + n % 20;
}

void dress(TSeSkinObject& o, int n) {
    o.align = static_cast<TSeAlign>(n % 18);
    o.color = 0x00D7E9EAu + static_cast<unsigned>(n);
    o.font.name = n % 3 ? "MS Sans Serif" : "Trebuchet MS";
    o.font.height = -11 - n % 4;
    o.font.color = 0x000008;
    o.set_bounds({n % 40, n % 30, 20 + n % 200, 10 + n % 60});
    o.margin_left = o.margin_right = 3 + n % 5;
    o.margin_top = o.margin_bottom = 2 + n % 4;
    o.text_margin_left = n % 6;
    o.text_margin_right = n % 7;
    o.text_margin_top = n % 3;
    o.kind = static_cast<TSeKind>(n % 26);
    o.draw_if_owner = n % 2 == 0;
    o.masked = n % 3 == 0;
    o.text_effect = static_cast<TSeTextEffect>(n % 2);
    o.text_margin_right_stretch = n % 4 == 0;
    o.font.style = static_cast<std::uint8_t>(n % 4);
    o.font.charset = static_cast<std::uint8_t>(n % 2);
    o.font.pitch = static_cast<FontPitch>(n % 3);
    o.text_align = static_cast<TSeTextAlign>(n % 9);
    if (auto* b = dynamic_cast<TSeBitmapObject*>(&o)) {
        link(b->bitmap, n);
        b->tile_style = TscTileStyle::tsStretch;
        b->border_tile_style = static_cast<TscTileStyle>(1 + n % 6);
        b->masked_border = true;
        b->masked_angles = n % 2 == 1;
    }
    if (auto* b = dynamic_cast<TSeButtonObject*>(&o)) {
        link(b->bitmap_hot, n + 1);
        link(b->bitmap_focused, n + 2);
        link(b->bitmap_pressed, n + 3);
        link(b->bitmap_disabled, n + 4);
    }
    if (auto* a = dynamic_cast<TSeActiveBitmap*>(&o)) {
        link(a->active_bitmap, n + 5);
        a->active_font.name = "Trebuchet MS";
        a->active_font.height = -13;
        a->active_font.color = 0x00FFFFFF;
        a->active_font.style = kFontBold;
    }
    if (auto* s = dynamic_cast<TSeSystemButton*>(&o)) {
        s->action = static_cast<TSeAction>(1 + n % 9);
        link(s->bitmap_hot, n + 6);
        link(s->bitmap_pressed, n + 7);
    }
    if (auto* a = dynamic_cast<TSeActiveObject*>(&o)) {
        a->active_color = 0x00EFF3F7;
        a->active_font.name = "Tahoma";
        a->disabled_font.name = "Tahoma";
        a->disabled_font.color = 0x808080;
    }
    if (auto* t = dynamic_cast<TSeTextObject*>(&o)) {
        for (Font* f : {&t->font_hot, &t->font_focused, &t->font_pressed, &t->font_disabled}) {
            f->name = "Tolsy";
            f->height = -15;
            f->color = 0x808080;
            f->style = kFontBold;
        }
    }
}

// The built-in theme's mix of classes below its roots, spread evenly over the parts.
const ClassInfo& part_class(int i) {
    static const std::vector<const ClassInfo*> mix = [] {
        const std::pair<const ClassInfo*, int> counts[] = {
            {&TSeButtonObject::static_class_info(), 61},
            {&TSeSkinObject::static_class_info(), 50},
            {&TSeBitmapObject::static_class_info(), 28},
            {&TSeActiveBitmap::static_class_info(), 18},
            {&TSeSystemButton::static_class_info(), 10},
            {&TSeTextObject::static_class_info(), 6},
            {&TSeActiveObject::static_class_info(), 3},
            {&TSeColorButtonObject::static_class_info(), 1}};
        std::vector<const ClassInfo*> out;
        for (int round = 0; static_cast<int>(out.size()) < 177; ++round)
            for (auto [info, count] : counts)
                if (round < count) out.push_back(info);
        return out;
    }();
    return *mix[static_cast<std::size_t>(i) % mix.size()];
}

TSeSkinObject& add(TSeSkinObject& parent, int part, int n) {
    auto* o = static_cast<TSeSkinObject*>(part_class(part).create_component(&parent));
    o->set_name("ButtonPart" + std::to_string(n));
    dress(*o, n);
    return *o;
}

// Smooth metal gradients with key-colour corners: compresses about as well as drawn art.
Image theme_image() {
    Image img(350, 300);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 350; ++x) {
            const bool key = (x % 50 < 6 && y % 40 < 6) || (x > 330 && y > 280);
            // A little deterministic grain, as brushed metal has.
            unsigned grain =
                static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u;
            grain = y % 3 == 0 ? 0 : ((grain ^ (grain >> 13)) * 0x5bd1e995u) >> 31;
            const auto shade = static_cast<std::uint8_t>(130 + (x / 7 + y / 5) % 90 + grain);
            img.at(x, y) =
                key ? 0x007F007Fu
                    : Pixel::pack(shade, static_cast<std::uint8_t>(shade - 8),
                                  static_cast<std::uint8_t>(shade + (x % 35 == 0 ? 15 : 0)));
        }
    return img;
}

TSeSkinSource& sample() {
    static TSeSkinSource s;
    if (s.object_count() > 0) return s;
    s.skin_name = "Bench metal";
    s.skin_version = "4.0";
    s.author = "Bench Author";
    auto theme = std::make_unique<TteBitmap>();
    theme->name = "themeimage";
    theme->image = theme_image();
    theme->key_flag = true;
    s.bitmaps.push_back(std::move(theme));
    auto track = std::make_unique<TteBitmap>();
    track->name = "track.bmp";
    track->image = Image(5, 5, Pixel::pack(90, 90, 90, 128));
    track->alpha_flag = true;
    s.bitmaps.push_back(std::move(track));
    int n = 0;
    int part = 0;
    for (auto [name, descendants] : kRoots) {
        auto root = std::make_unique<TSeSkinObject>();
        root->set_name(name);
        dress(*root, n++);
        TSeSkinObject* parent = root.get();
        for (int i = 0; i < descendants; ++i) {
            TSeSkinObject& child = add(*parent, part++, n++);
            // Every third part goes one level deeper, as captions and buttons do.
            if (i % 3 == 1 && parent == root.get())
                parent = &child;
            else if (i % 3 == 0)
                parent = root.get();
        }
        s.objects.push_back(std::move(root));
    }
    return s;
}

const Bytes& stored() {
    static const Bytes bytes = sample().write(max_compression_filter());
    return bytes;
}

std::size_t body_size() {
    static const std::size_t size = sample().write_body(SkinBody::kMaximum).size();
    return size;
}

// zlib alone: the compressed part after signature and marker, into a buffer of the right size.
void inflate_only(Bytes& out) {
    const Bytes& in = stored();
    z_stream zs{};
    inflateInit(&zs);
    zs.next_in = const_cast<Bytef*>(in.data() + 9);
    zs.avail_in = static_cast<uInt>(in.size() - 9);
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(out.size());
    if (inflate(&zs, Z_FINISH) != Z_STREAM_END) std::abort();
    inflateEnd(&zs);
}

void BM_InflateOnly(benchmark::State& state) {
    Bytes out(body_size());
    for (auto _ : state) {
        inflate_only(out);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetLabel(std::to_string(stored().size()) + " -> " + std::to_string(body_size()) +
                   " bytes");
}
BENCHMARK(BM_InflateOnly)->Unit(benchmark::kMicrosecond);

int count_all(const TSeSkinSource& s) {
    int n = 0;
    for (const auto& root : s.objects) root->for_each([&n](TSeSkinObject&) { ++n; });
    return n;
}

void load_skin(TSeSkinSource& s) {
    ByteReader in(stored());
    s.read(in);
}

void BM_LoadSkin(benchmark::State& state) {
    int objects = 0;
    for (auto _ : state) {
        TSeSkinSource s;
        load_skin(s);
        objects = count_all(s);
        benchmark::DoNotOptimize(objects);
    }
    state.SetLabel(std::to_string(objects) + " objects");
}
BENCHMARK(BM_LoadSkin)->Unit(benchmark::kMicrosecond);

// A theme load also builds the working copy the look is drawn from.
void BM_LoadSkinTheme(benchmark::State& state) {
    const SkinFileKind kind;
    for (auto _ : state) {
        TTeSkinFile theme(kind);
        ByteReader in(stored());
        benchmark::DoNotOptimize(theme.load_from_stream(in));
    }
}
BENCHMARK(BM_LoadSkinTheme)->Unit(benchmark::kMicrosecond);

// Both in the same run, alternating, timed in this thread's CPU time and compared by their
// medians, so that a busy machine skews neither side.
void BM_LoadToInflateRatio(benchmark::State& state) {
    Bytes out(body_size());
    std::vector<double> inflate_times, load_times;
    for (auto _ : state) {
        const double t0 = thread_seconds();
        inflate_only(out);
        const double t1 = thread_seconds();
        TSeSkinSource s;
        load_skin(s);
        const double t2 = thread_seconds();
        inflate_times.push_back(t1 - t0);
        load_times.push_back(t2 - t1);
    }
    report_ratio(state, "inflate_us", inflate_times, "load_us", load_times);
}
BENCHMARK(BM_LoadToInflateRatio)->Unit(benchmark::kMicrosecond)->MinTime(3);

}  // namespace
}  // namespace tolsy

BENCHMARK_MAIN();
