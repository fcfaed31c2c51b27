// proofsheet: paints the built-in theme for people to look at.
//   proofsheet STORED_THEME OUT_FOLDER
// Writes one PNG per root object of the theme (the root, then each of its parts, in every state:
// normal, hot, pressed, focused, disabled, and active where the root has active pieces);
// main_window.png, the form object laid out around a 389 x 241 client area as the main window
// uses it, with controls of the window's kinds drawn inside from their theme objects; and
// proofsheet.png, which puts that window above every root in its normal state. Texts are drawn
// with the built-in bitmap font.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "picture/bitmap_font.h"
#include "picture/png.h"
#include "skin/bytes/text_util.h"
#include "skin/controls/control_paint.h"
#include "skin/model/layout.h"
#include "skin/model/skin_object_classes.h"
#include "skin/paint/paint.h"
#include "skin/themes/skin_file.h"
#include "skin/themes/skin_file_look.h"
#include "skin/themes/standard_objects.h"

namespace {

using namespace tolsy;

constexpr int kPad = 8;
constexpr int kCaption = BitmapFontRenderer::kLineHeight;
constexpr std::uint32_t kPaper = 0xFFF0F0F0;
constexpr std::uint32_t kInk = 0xFF202020;
constexpr Size kMainClient{389, 241};

struct Variant {
    const char* name;
    VisualState state;
    bool active;
};
constexpr Variant kVariants[] = {
    {"normal", VisualState::kNormal, false},     {"hot", VisualState::kHot, false},
    {"pressed", VisualState::kPressed, false},   {"focused", VisualState::kFocused, false},
    {"disabled", VisualState::kDisabled, false}, {"active", VisualState::kNormal, true}};

BitmapFontRenderer g_font;

void set_active(TSeSkinObject& object, bool active) {
    object.for_each([active](TSeSkinObject& o) { o.active = active; });
}

// A disabled control clears its objects' enabled flag too, which greys their texts.
void set_enabled(TSeSkinObject& object, bool enabled) {
    object.for_each([enabled](TSeSkinObject& o) { o.enabled = enabled; });
}

bool has_active_pieces(TSeSkinObject& root) {
    bool found = false;
    root.for_each([&](TSeSkinObject& o) {
        found = found || dynamic_cast<TSeActiveBitmap*>(&o) || dynamic_cast<TSeActiveObject*>(&o);
    });
    return found;
}

// The root's name when it fits the object, else its initial, else nothing: a sample cut off
// at the edge would only look like a fault of the theme.
std::string sample_for(const TSeSkinObject& o, const std::string& name) {
    const int room = o.width() - o.text_margin_left - o.text_margin_right;
    for (const std::string& sample : {name, name.substr(0, 1)})
        if (g_font.measure(sample, paint_font(o.font)).width <= room) return sample;
    return {};
}

// Parts that show words get a sample so that fonts and placement can be judged.
void give_sample_texts(TSeSkinObject& root) {
    root.for_each([&](TSeSkinObject& o) {
        for (const char* part : {"Text", "Caption", "Item", "ToolBarItem", "Title"})
            if (same_text(o.name(), part) && o.child_count() == 0)
                o.text = sample_for(o, root.name());
        if (o.kind == TSeKind::skTitle) o.text = "Framewright";
    });
    if (root.child_count() == 0) root.text = sample_for(root, root.name());
}

// The caption buttons the theme hides until a window asks for them, shown for the sheet.
std::vector<TSeSkinObject*> show_system_buttons(TSeSkinObject& root) {
    std::vector<TSeSkinObject*> shown;
    root.for_each([&](TSeSkinObject& o) {
        const bool system = dynamic_cast<TSeSystemButton*>(&o) != nullptr ||
                            dynamic_cast<TSeSysButtonSkinObject*>(&o) != nullptr;
        if (system && !o.visible) {
            o.visible = true;
            shown.push_back(&o);
        }
    });
    return shown;
}

// Paints the object alone at (x, y) of the sheet, in the variant, with a caption above it.
void paint_cell(Image& sheet, TSeSkinObject& object, const Variant& v, int x, int y) {
    Canvas canvas(sheet);
    g_font.draw(canvas, v.name, {}, kInk, Rect::from_size(x, y, 200, kCaption), {});
    set_state(object, v.state);
    set_active(object, v.active);
    set_enabled(object, v.state != VisualState::kDisabled);
    canvas.set_origin({x - object.left(), y + kCaption - object.top()});
    canvas.set_clip(Rect::from_size(object.left(), object.top(), object.width(), object.height()));
    paint_object(object, canvas, g_font);
    set_state(object, VisualState::kNormal);
    set_active(object, false);
    set_enabled(object, true);
}

struct Row {
    TSeSkinObject* object;
    std::string label;
};

Image root_sheet(TSeSkinObject& root) {
    const std::vector<TSeSkinObject*> shown = show_system_buttons(root);
    if (!shown.empty()) {
        // A change of size lays the frame out again, so the buttons take their places.
        const SkinBounds bounds = root.bounds();
        root.set_bounds({bounds.left, bounds.top, bounds.width + 1, bounds.height});
        root.set_bounds(bounds);
    }
    std::vector<Row> rows{{&root, root.name()}};
    for (std::size_t i = 0; i < root.child_count(); ++i) {
        TSeSkinObject& part = *root.child(i);
        if (part.width() > 0 && part.height() > 0)
            rows.push_back({&part, root.name() + "\\" + part.name()});
    }
    const int variants = has_active_pieces(root) ? 6 : 5;
    int cell_w = 0;
    int height = kPad;
    for (const Row& r : rows) {
        cell_w = std::max(cell_w, std::max(r.object->width(), 64));
        height += kCaption * 2 + r.object->height() + kPad;
    }
    Image sheet((cell_w + kPad) * variants + kPad, height, kPaper);
    Canvas canvas(sheet);
    int y = kPad;
    for (const Row& r : rows) {
        g_font.draw(canvas, r.label, {}, kInk, Rect::from_size(kPad, y, sheet.width(), kCaption),
                    {});
        for (int i = 0; i < variants; ++i)
            paint_cell(sheet, *r.object, kVariants[i], kPad + i * (cell_w + kPad), y + kCaption);
        y += kCaption * 2 + r.object->height() + kPad;
    }
    for (TSeSkinObject* o : shown) o->visible = false;
    return sheet;
}

// One part of a root drawn at a rectangle in a state, as a control would draw it.
void paint_part(TSeSkinObject& root, std::string_view part_name, const Rect& rect,
                VisualState state, Canvas& canvas, const std::string& text = {}) {
    TSeSkinObject* part = part_name.empty() ? &root : root.find_part(part_name);
    if (part == nullptr) throw std::runtime_error("no part " + std::string(part_name));
    const SkinBounds saved = part->bounds();
    const std::string saved_text = part->text;
    set_state(*part, state);
    part->text = text;
    place_object(*part, rect);
    paint_object(*part, canvas, g_font);
    part->set_bounds(saved);
    part->text = saved_text;
    set_state(*part, VisualState::kNormal);
}

// Controls of the main window's kinds drawn from the theme inside its frame: tabs and page,
// a group box with combo boxes, an edit and a check box, push buttons in their five states,
// speed buttons and a panel.
void paint_controls(TTeSkinFile& theme, Canvas& canvas) {
    const auto& table = theme.standard_objects();
    TSeSkinObject& tabs = *table.slot(kSlotTabs);
    const std::pair<const char*, VisualState> tab_list[] = {{"Tolerance", VisualState::kFocused},
                                                            {"Symbols", VisualState::kNormal},
                                                            {"Symbols2", VisualState::kHot}};
    int x = 9;
    for (const auto& [caption, state] : tab_list) {
        const int w = static_cast<int>(std::string_view(caption).size()) * 6 + 16;
        paint_part(tabs, "Tab", Rect::from_size(x, 33, w, 21), state, canvas);
        paint_part(tabs, "Text", Rect::from_size(x, 33, w, 21), state, canvas, caption);
        x += w;
    }
    paint_part(tabs, "Frame", {7, 53, 392, 240}, VisualState::kNormal, canvas);
    TSeSkinObject& group = *table.slot(kSlotGroupBox);
    paint_part(group, "Frame", {15, 68, 200, 198}, VisualState::kNormal, canvas);
    paint_part(group, "Caption", Rect::from_size(23, 62, 40, 13), VisualState::kNormal, canvas,
               "Frame");
    ComboBoxLook combo{VisualState::kNormal, false, "Position", PaintFont{}};
    paint_combo_box(theme, canvas, Rect::from_size(25, 82, 160, 21), combo, g_font);
    combo.state = VisualState::kHot;
    paint_combo_box(theme, canvas, Rect::from_size(25, 110, 160, 21), combo, g_font);
    const EditLook edit{VisualState::kFocused, "0.05", PaintFont{}, {4, 4}, 2, 4};
    paint_edit(theme, canvas, Rect::from_size(25, 138, 160, 21), edit, g_font);
    TSeSkinObject& check = *table.slot(kSlotCheckBox);
    paint_part(check, "Checked", Rect::from_size(25, 168, 13, 13), VisualState::kNormal, canvas);
    paint_part(check, "Text", Rect::from_size(25, 166, 120, 17), VisualState::kNormal, canvas,
               "Diameter");
    const std::pair<const char*, VisualState> buttons[] = {{"Clear", VisualState::kNormal},
                                                           {"Hot", VisualState::kHot},
                                                           {"Pressed", VisualState::kPressed},
                                                           {"Focused", VisualState::kFocused},
                                                           {"Disabled", VisualState::kDisabled}};
    int y = 62;
    for (const auto& [caption, state] : buttons) {
        const PushButtonLook look{state, caption, nullptr, state == VisualState::kFocused};
        paint_push_button(theme, canvas, Rect::from_size(225, y, 90, 23), look, g_font);
        y += 27;
    }
    const VisualState speed_states[] = {VisualState::kNormal, VisualState::kHot,
                                        VisualState::kPressed, VisualState::kFocused,
                                        VisualState::kDisabled};
    for (int i = 0; i < 5; ++i) {
        const SpeedButtonLook look{speed_states[i], std::string(1, static_cast<char>('A' + i)),
                                   PaintFont{}, true};
        paint_speed_button(theme, canvas, Rect::from_size(225 + 26 * i, 206, 23, 22), look, g_font);
    }
    TSeSkinObject& panel = *table.slot(kSlotPanel);
    panel.find_part("Caption")->text = "Framewright";
    paint_part(panel, "", {15, 206, 200, 232}, VisualState::kNormal, canvas);
}

// The main window's frame: close, minimise and the window icon visible, active, titled.
Image form_sheet(TTeSkinFile& theme) {
    TSeSkinObject& form = *theme.standard_objects().slot(kSlotForm);
    form.for_each([](TSeSkinObject& o) {
        if (auto* b = dynamic_cast<TSeSystemButton*>(&o)) {
            if (b->action == TSeAction::sbaClose || b->action == TSeAction::sbaMinimize ||
                b->action == TSeAction::sbaSysMenu)
                o.visible = true;
        }
    });
    set_active(form, true);
    const int w = kMainClient.width + 10;
    const int h = kMainClient.height + 34;
    place_object(form, {0, 0, w, h});
    Image picture(w, h, kPaper);
    Canvas canvas(picture);
    if (TSeSkinObject* client = theme.standard_objects().slot(kSlotClientCopy)) {
        TSeSkinObject* placeholder = theme.standard_objects().slot(kSlotClientPlaceholder);
        place_object(*client, object_rect(*placeholder));
        paint_object(*client, canvas, g_font);
    }
    give_sample_texts(form);
    paint_object(form, canvas, g_font);
    paint_controls(theme, canvas);
    return picture;
}

Image overview(const Image& form, const std::vector<Image>& roots) {
    int width = form.width() + 2 * kPad;
    int height = form.height() + 2 * kPad;
    for (const Image& r : roots) {
        width = std::max(width, r.width() + 2 * kPad);
        height += r.height();
    }
    Image sheet(width, height, kPaper);
    Canvas canvas(sheet);
    canvas.draw_image(form, {0, 0, form.width(), form.height()},
                      Rect::from_size(kPad, kPad, form.width(), form.height()), DrawMode::kCopy);
    int y = form.height() + 2 * kPad;
    for (const Image& r : roots) {
        canvas.draw_image(r, {0, 0, r.width(), r.height()},
                          Rect::from_size(0, y, r.width(), r.height()), DrawMode::kCopy);
        y += r.height();
    }
    return sheet;
}

// Cuts one row of the root sheet: the root in its normal state, for the overview.
Image first_cell(const Image& sheet, TSeSkinObject& root) {
    const int w = std::min(sheet.width(), std::max(root.width(), 64) + 2 * kPad);
    const int h = std::min(sheet.height(), kPad + kCaption * 2 + root.height() + kPad);
    Image out(w, h, kPaper);
    Canvas canvas(out);
    canvas.draw_image(sheet, {0, 0, w, h}, {0, 0, w, h}, DrawMode::kCopy);
    return out;
}

// PNG viewers show the alpha the canvas holds; the sheets are opaque paper.
void save(Image image, const std::string& path) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.at(x, y) |= 0xFF000000u;
    write_png(image, path);
}

void run(const std::string& theme_path, const std::string& out) {
    std::ifstream in(theme_path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot open " + theme_path);
    const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    SkinFileKind kind;
    TTeSkinFile theme(kind);
    ByteReader reader(as_bytes(bytes));
    if (!theme.load_from_stream(reader))
        throw std::runtime_error("no skin objects in " + theme_path);
    set_layout_text_renderer(&g_font);
    std::vector<Image> firsts;
    for (const auto& root : theme.working_source().objects) {
        give_sample_texts(*root);
        const Image sheet = root_sheet(*root);
        save(sheet, out + "/" + root->name() + ".png");
        firsts.push_back(first_cell(sheet, *root));
    }
    const Image form = form_sheet(theme);
    save(form, out + "/main_window.png");
    save(overview(form, firsts), out + "/proofsheet.png");
    set_layout_text_renderer(nullptr);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: proofsheet STORED_THEME OUT_FOLDER\n", stderr);
        return 2;
    }
    try {
        run(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "proofsheet: %s\n", e.what());
        return 1;
    }
    return 0;
}
