#include "skin/controls/control_paint.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "skin/controls/piece_cache.h"
#include "skin/model/layout.h"
#include "skin/paint/paint.h"
#include "skin/paint/push_button.h"
#include "skin/themes/standard_objects.h"

namespace tolsy {

namespace {

constexpr int kGlyphSize = 16;
constexpr int kGlyphGap = 4;
// The focus cue runs this far inside the button's edge.
constexpr int kFocusInset = 4;
// A group box caption starts this far in from the frame's left edge, with a little room.
constexpr int kCaptionIndent = 8;
constexpr int kCaptionPadding = 3;
constexpr int kCheckSize = 13;

// Uses one part of a theme object for one drawing: state, bounds and text are the control's
// while it paints and the theme's again afterwards, so that the next control finds them as
// they were.
class PartUse {
  public:
    PartUse(TSeSkinObject& part, VisualState state, const Rect& rect, std::string text = {})
        : part_(part), bounds_(part.bounds()), text_(std::move(part.text)) {
        set_state(part, state);
        part.text = std::move(text);
        place_object(part, rect);
    }
    ~PartUse() {
        part_.set_bounds(bounds_);
        part_.text = std::move(text_);
        set_state(part_, VisualState::kNormal);
    }
    PartUse(const PartUse&) = delete;
    PartUse& operator=(const PartUse&) = delete;

  private:
    TSeSkinObject& part_;
    SkinBounds bounds_;
    std::string text_;
};

// A part painted in a state at `rect` through the kept pieces: painted once per look, size and
// state, then copied.
void kept_part(TTeSkinFile& theme, TSeSkinObject& part, VisualState state, Canvas& canvas,
               const Rect& rect, TextRenderer& text) {
    piece_cache().draw(theme, &part, static_cast<int>(state), canvas, rect,
                       [&](Canvas& on, const Rect& at) {
                           PartUse use(part, state, at);
                           paint_object(part, on, text);
                       });
}

// Hides some children of an object for one drawing (a flat list's frame sides, the display
// line's drop button) and shows them again afterwards. Made before the object is laid out, so
// that the visible children take the room.
class HiddenChildren {
  public:
    template <class Hide>
    HiddenChildren(TSeSkinObject* parent, Hide&& hide) {
        if (parent == nullptr) return;
        for (std::size_t i = 0; i < parent->child_count(); ++i) {
            TSeSkinObject* child = parent->child(i);
            if (child->visible && hide(*child)) {
                child->visible = false;
                hidden_.push_back(child);
            }
        }
    }
    ~HiddenChildren() {
        for (TSeSkinObject* child : hidden_) child->visible = true;
    }
    HiddenChildren(const HiddenChildren&) = delete;
    HiddenChildren& operator=(const HiddenChildren&) = delete;

  private:
    std::vector<TSeSkinObject*> hidden_;
};

// Takes a part's own text away for one drawing: the control draws its text itself.
class BlankText {
  public:
    explicit BlankText(TSeSkinObject* part) : part_(part) {
        if (part_ != nullptr) saved_ = std::exchange(part_->text, {});
    }
    ~BlankText() {
        if (part_ != nullptr) part_->text = std::move(saved_);
    }
    BlankText(const BlankText&) = delete;
    BlankText& operator=(const BlankText&) = delete;

  private:
    TSeSkinObject* part_;
    std::string saved_;
};

// Saves a canvas's clip and narrows it; the old clip comes back at the end of the scope.
class ClipScope {
  public:
    ClipScope(Canvas& canvas, const Rect& inside) : canvas_(canvas), saved_(canvas.clip()) {
        canvas.set_clip(saved_.intersect(inside));
    }
    ~ClipScope() { canvas_.set_clip(saved_); }
    ClipScope(const ClipScope&) = delete;
    ClipScope& operator=(const ClipScope&) = delete;

  private:
    Canvas& canvas_;
    Rect saved_;
};

// The colour of a control's text from its "Text" part; grey whatever the part says when the
// control is disabled.
std::uint32_t text_ink(const TSeSkinObject* part, VisualState state) {
    if (state == VisualState::kDisabled) return kGreyTextPixel;
    return part != nullptr ? color_pixel(part->state_font(state).color) : 0xFF000000u;
}

// A dotted rectangle, every other pixel set, starting at the top-left corner.
void dotted_frame(Canvas& canvas, const Rect& r, std::uint32_t pixel) {
    if (r.empty()) return;
    for (int x = r.left; x < r.right; x += 2) {
        canvas.plot(x, r.top, pixel);
        canvas.plot(x, r.bottom - 1, pixel);
    }
    for (int y = r.top; y < r.bottom; y += 2) {
        canvas.plot(r.left, y, pixel);
        canvas.plot(r.right - 1, y, pixel);
    }
}

// Finding a part walks an object's tree comparing names regardless of case, and a palette asks
// for the same two parts for each of its hundred buttons: the parts found are kept for the
// theme's current look (a new look is a new tree).
TSeSkinObject* part_of(TTeSkinFile& theme, std::string_view object, int slot,
                       std::string_view part) {
    struct Found {
        const TTeSkinFile* theme;
        std::uint64_t look;
        int slot;
        std::string object;
        std::string part;
        TSeSkinObject* found;
    };
    static std::vector<Found> known;
    const std::uint64_t look = theme.look_generation();
    for (const Found& f : known)
        if (f.theme == &theme && f.look == look && f.slot == slot && f.part == part &&
            f.object == object)
            return f.found;
    std::erase_if(known, [&](const Found& f) { return f.theme == &theme && f.look != look; });
    if (known.size() >= 64) known.clear();  // our controls ask for some twenty parts
    TSeSkinObject* found = theme.theme_part(object, slot, part);
    known.push_back({&theme, look, slot, std::string(object), std::string(part), found});
    return found;
}

// A theme object's own text drawing (a group box's or a tab's caption, a tool-tip's text)
// through the kept texts, as the controls' labels are drawn.
class KeptText : public TextRenderer {
  public:
    explicit KeptText(TextRenderer& inner) : inner_(inner) {}
    Size measure(std::string_view text, const PaintFont& font) override {
        return inner_.measure(text, font);
    }
    void draw(Canvas& canvas, std::string_view text, const PaintFont& font, std::uint32_t colour,
              const Rect& rect, TextPlacement placement) override {
        text_run_cache().draw(inner_, canvas, text, font, colour, rect, placement);
    }
    std::uint64_t repeatable_id() const override { return inner_.repeatable_id(); }

  private:
    TextRenderer& inner_;
};

// The fields of a control's look that its face's pixels depend on beyond its theme object and
// state, each with its length, so that no two looks give the same bytes; the renderer first.
class FaceKey {
  public:
    explicit FaceKey(const TextRenderer& text) {
        number(static_cast<std::int64_t>(text.repeatable_id()));
    }
    FaceKey& number(std::int64_t value) {
        bytes_.append(reinterpret_cast<const char*>(&value), sizeof value);
        return *this;
    }
    FaceKey& text(std::string_view value) {
        number(static_cast<std::int64_t>(value.size()));
        bytes_.append(value);
        return *this;
    }
    FaceKey& font(const PaintFont& f) {
        return text(f.face).number(f.size).number(f.charset).number(
            f.bold | f.italic << 1 | f.underline << 2 | f.strikeout << 3);
    }
    const std::string& bytes() const { return bytes_; }

  private:
    std::string bytes_;
};

// Paints a control's whole face (its pieces, text and cues) as `paint` does, through the kept
// faces: painted again with the same look it is one copy. A renderer whose drawings may differ
// from one time to the next is asked every time.
void kept_face(TTeSkinFile& theme, const void* object, int state, const FaceKey& key,
               TextRenderer& text, Canvas& canvas, const Rect& rect,
               const PieceCache::Paint& paint) {
    // A face is its rectangle's: what would fall outside (a caption wider than its button) is
    // left out whether the face is copied or painted.
    const ClipScope clip(canvas, rect);
    if (text.repeatable_id() == 0) {
        paint(canvas, rect);
        return;
    }
    face_cache().draw(theme, object, state, key.bytes(), canvas, rect, paint);
}

Image picture_of(Size size, std::uint32_t background, auto&& paint) {
    Image picture(size.width, size.height, background);
    Canvas canvas(picture);
    if (!paint(canvas, Rect::from_size(0, 0, size.width, size.height))) return {};
    return picture;
}

}  // namespace

MnemonicText strip_mnemonic(std::string_view caption) {
    MnemonicText out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) {
            ++i;
            if (caption[i] != '&' && out.mnemonic < 0)
                out.mnemonic = static_cast<int>(out.text.size());
        }
        out.text += caption[i];
    }
    return out;
}

PaintFont paint_font(const ThemeFont& font) {
    PaintFont out;
    out.face = font.name;
    out.size = font.size;
    out.charset = font.charset;
    out.bold = font.bold;
    out.italic = font.italic;
    out.underline = font.underline;
    out.strikeout = font.strikeout;
    return out;
}

bool paint_push_face(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                     const PushButtonLook& look) {
    const TSeSkinObject* button = theme.theme_object(look.theme_object, kSlotButton);
    if (button == nullptr) return false;
    piece_cache().draw(
        theme, button, static_cast<int>(look.state), canvas, rect, [&](Canvas& on, const Rect& at) {
            theme.draw_button(kButtonKindPushFace, on, look.theme_object, at, look.state);
        });
    return true;
}

void paint_push_content(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                        const PushButtonLook& look, TextRenderer& text) {
    const ThemeFont& theme_font =
        theme.fonts().fonts.at(static_cast<std::size_t>(push_button_caption_font(look.state)));
    const PaintFont font = paint_font(theme_font);
    const std::uint32_t ink = color_pixel(theme_font.color);
    const MnemonicText caption = strip_mnemonic(look.caption);
    const Size measured = caption.text.empty() ? Size{} : text.measure(caption.text, font);
    const bool has_glyph = look.glyph != nullptr && !look.glyph->empty();
    const int glyph_room = has_glyph ? kGlyphSize + (caption.text.empty() ? 0 : kGlyphGap) : 0;
    const int shift = look.state == VisualState::kPressed ? 1 : 0;
    int x = rect.left + (rect.width() - glyph_room - measured.width) / 2 + shift;
    const int middle = rect.top + rect.height() / 2 + shift;
    if (has_glyph) {
        const bool disabled = look.state == VisualState::kDisabled;
        const int frame = disabled && look.glyph->width() >= 2 * kGlyphSize ? kGlyphSize : 0;
        canvas.draw_image(*look.glyph, Rect::from_size(frame, 0, kGlyphSize, kGlyphSize),
                          Rect::from_size(x, middle - kGlyphSize / 2, kGlyphSize, kGlyphSize),
                          DrawMode::kKeyCopy);
        x += glyph_room;
    }
    if (!caption.text.empty()) {
        const int top = middle - measured.height / 2;
        const Rect area{x, top, x + measured.width, top + measured.height};
        text_run_cache().draw(text, canvas, caption.text, font, ink, area, {});
        if (caption.mnemonic >= 0) {
            const auto at = static_cast<std::size_t>(caption.mnemonic);
            const int from = x + text.measure(caption.text.substr(0, at), font).width;
            const int to = x + text.measure(caption.text.substr(0, at + 1), font).width;
            canvas.fill_rect({from, area.bottom - 1, to, area.bottom}, ink);
        }
    }
    if (look.focus_cue) {
        const Rect cue{rect.left + kFocusInset, rect.top + kFocusInset, rect.right - kFocusInset,
                       rect.bottom - kFocusInset};
        dotted_frame(canvas, cue, ink);
    }
}

bool paint_push_button(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                       const PushButtonLook& look, TextRenderer& text) {
    const TSeSkinObject* button = theme.theme_object(look.theme_object, kSlotButton);
    if (button == nullptr) return false;
    const auto paint = [&](Canvas& on, const Rect& at) {
        paint_push_face(theme, on, at, look);
        paint_push_content(theme, on, at, look, text);
    };
    // A glyph is an image of the caller's that may change where it lies: painted each time.
    if (look.glyph != nullptr) {
        paint(canvas, rect);
        return true;
    }
    FaceKey key(text);
    key.text(look.caption).number(look.focus_cue);
    kept_face(theme, button, static_cast<int>(look.state), key, text, canvas, rect, paint);
    return true;
}

bool paint_speed_button(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                        const SpeedButtonLook& look, TextRenderer& text) {
    TSeSkinObject* face =
        part_of(theme, look.theme_object, kSlotSpeedButton, look.flat ? "FlatFace" : "Face");
    if (face == nullptr) return false;
    kept_part(theme, *face, look.state, canvas, rect, text);
    if (look.label.empty()) return true;
    const TSeSkinObject* label = part_of(theme, look.theme_object, kSlotSpeedButton, "Text");
    std::uint32_t ink = label != nullptr ? color_pixel(label->font.color) : 0xFF000000u;
    if (look.state == VisualState::kDisabled) ink = kGreyTextPixel;
    const int shift = look.state == VisualState::kPressed ? 1 : 0;
    text_run_cache().draw(text, canvas, look.label, look.font, ink, rect.offset(shift, shift),
                          {HAlign::kCenter, VAlign::kCenter});
    return true;
}

bool paint_page_frame(TTeSkinFile& theme, Canvas& canvas, const Rect& frame, TextRenderer& text,
                      std::string_view theme_object) {
    TSeSkinObject* part = part_of(theme, theme_object, kSlotTabs, "Frame");
    if (part == nullptr) return false;
    kept_part(theme, *part, VisualState::kNormal, canvas, frame, text);
    return true;
}

bool page_frame_opaque(TTeSkinFile& theme, Size frame, std::string_view theme_object) {
    const TSeSkinObject* part = part_of(theme, theme_object, kSlotTabs, "Frame");
    return part != nullptr &&
           piece_cache().opaque(theme, part, static_cast<int>(VisualState::kNormal), frame);
}

namespace {
void paint_group_box_now(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                         const std::string& caption, TextRenderer& text, TSeSkinObject* frame,
                         TSeSkinObject* label) {
    const PaintFont font = paint_font(label->font);
    const Size measured = text.measure(caption.empty() ? std::string("X") : caption, font);
    const int line = measured.height / 2;
    kept_part(theme, *frame, VisualState::kNormal, canvas,
              {rect.left, rect.top + line, rect.right, rect.bottom}, text);
    if (caption.empty()) return;
    // The label's margins are stored numbers: any int.
    const int width = sat_add(sat_add(measured.width, label->text_margin_left),
                              sat_add(label->text_margin_right, kCaptionPadding));
    PartUse use(
        *label, VisualState::kNormal,
        Rect::from_size(sat_add(rect.left, kCaptionIndent), rect.top, width, measured.height),
        caption);
    KeptText kept(text);
    paint_object(*label, canvas, kept);
}
}  // namespace

bool paint_group_box(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                     const std::string& caption, TextRenderer& text,
                     std::string_view theme_object) {
    TSeSkinObject* frame = part_of(theme, theme_object, kSlotGroupBox, "Frame");
    TSeSkinObject* label = part_of(theme, theme_object, kSlotGroupBox, "Caption");
    if (frame == nullptr || label == nullptr) return false;
    FaceKey key(text);
    key.text(caption);
    kept_face(theme, label, 0, key, text, canvas, rect, [&](Canvas& on, const Rect& at) {
        paint_group_box_now(theme, on, at, caption, text, frame, label);
    });
    return true;
}

bool paint_panel(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                 std::string_view theme_object) {
    TSeSkinObject* panel = part_of(theme, theme_object, kSlotContainer, "Panel");
    if (panel == nullptr) return false;
    kept_part(theme, *panel, VisualState::kNormal, canvas, rect, layout_text_renderer());
    return true;
}

namespace {
void paint_check_box_now(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                         const CheckBoxLook& look, TextRenderer& text, TSeSkinObject* box) {
    const int top = rect.top + (rect.height() - kCheckSize) / 2;
    {
        PartUse use(*box, look.state, Rect::from_size(rect.left, top, kCheckSize, kCheckSize));
        paint_object(*box, canvas, text);
    }
    if (look.caption.empty()) return;
    const TSeSkinObject* part = part_of(theme, look.theme_object, kSlotCheckBox, "Text");
    std::uint32_t ink = part != nullptr ? color_pixel(part->font.color) : 0xFF000000u;
    if (look.state == VisualState::kDisabled) ink = kGreyTextPixel;
    const Size measured = text.measure(look.caption, look.font);
    const int left = sat_add(sat_add(rect.left, kCheckSize), look.gap);
    const int text_top = sat_add(rect.top, sat_sub(rect.height(), measured.height) / 2);
    const Rect area{left, text_top, std::min(rect.right, sat_add(left, measured.width)),
                    sat_add(text_top, measured.height)};
    text_run_cache().draw(text, canvas, look.caption, look.font, ink, area, {});
    if (look.focus_cue)
        dotted_frame(canvas,
                     {area.left - 1, area.top, std::min(rect.right, area.right + 1), area.bottom},
                     ink);
}
}  // namespace

bool paint_check_box(TTeSkinFile& theme, Canvas& canvas, const Rect& rect, const CheckBoxLook& look,
                     TextRenderer& text) {
    TSeSkinObject* box =
        part_of(theme, look.theme_object, kSlotCheckBox, look.checked ? "Checked" : "Unchecked");
    if (box == nullptr) return false;
    FaceKey key(text);
    key.text(look.caption).font(look.font).number(look.gap).number(look.focus_cue);
    kept_face(
        theme, box, static_cast<int>(look.state), key, text, canvas, rect,
        [&](Canvas& on, const Rect& at) { paint_check_box_now(theme, on, at, look, text, box); });
    return true;
}

namespace {
void paint_tab_now(TTeSkinFile& theme, Canvas& canvas, const Rect& rect, const TabLook& look,
                   TextRenderer& text, TSeSkinObject* tab, TSeSkinObject* label) {
    kept_part(theme, *tab, look.state, canvas, rect, text);
    {
        PartUse use(*label, look.state, rect, look.caption);
        KeptText kept(text);
        paint_object(*label, canvas, kept);
    }
    if (look.focus_cue)
        dotted_frame(canvas,
                     {rect.left + kFocusInset - 1, rect.top + kFocusInset - 1,
                      rect.right - kFocusInset + 1, rect.bottom - kFocusInset + 1},
                     color_pixel(label->font.color));
}
}  // namespace

bool paint_tab(TTeSkinFile& theme, Canvas& canvas, const Rect& rect, const TabLook& look,
               TextRenderer& text) {
    TSeSkinObject* tab = part_of(theme, look.theme_object, kSlotTabs, "Tab");
    TSeSkinObject* label = part_of(theme, look.theme_object, kSlotTabs, "Text");
    if (tab == nullptr || label == nullptr) return false;
    FaceKey key(text);
    key.text(look.caption).number(look.focus_cue);
    kept_face(
        theme, tab, static_cast<int>(look.state), key, text, canvas, rect,
        [&](Canvas& on, const Rect& at) { paint_tab_now(theme, on, at, look, text, tab, label); });
    return true;
}

namespace {
void paint_combo_box_now(TTeSkinFile& theme, Canvas& canvas, const Rect& rect,
                         const ComboBoxLook& look, TextRenderer& text, TSeSkinObject* combo) {
    TSeSkinObject* frame = part_of(theme, look.theme_object, kSlotComboBox, "Frame");
    TSeSkinObject* button = part_of(theme, look.theme_object, kSlotComboBox, "Button");
    const bool disabled = look.state == VisualState::kDisabled;
    const bool pressed = look.dropped && !disabled;
    // An open list holds the focus.
    const VisualState state = pressed ? VisualState::kFocused : look.state;
    const int variant = static_cast<int>(state) | (pressed ? 0x100 : 0) | (look.flat ? 0x200 : 0);
    piece_cache().draw(theme, combo, variant, canvas, rect, [&](Canvas& on, const Rect& at) {
        const HiddenChildren sides(look.flat ? frame : nullptr,
                                   [&](const TSeSkinObject& child) { return &child != button; });
        const BlankText no_text(combo->find_part("Text"));
        PartUse use(*combo, state, at);
        if (button != nullptr && pressed) set_state(*button, VisualState::kPressed);
        paint_object(*combo, on, text);
    });
    const TSeSkinObject* label = part_of(theme, look.theme_object, kSlotComboBox, "Text");
    const std::uint32_t ink = text_ink(label, look.state);
    const Rect drop = combo_button_rect(theme, rect, look.flat, look.theme_object);
    const int right = drop.empty() ? rect.right : std::max(rect.left, drop.left);
    if (look.show_text && !look.text.empty()) {
        const int margin = label != nullptr ? label->text_margin_left : 0;
        text_run_cache().draw(text, canvas, look.text, look.font, ink,
                              {sat_add(rect.left, margin), rect.top, right, rect.bottom},
                              {HAlign::kLeft, VAlign::kCenter});
    }
    if (look.focus_cue)
        dotted_frame(canvas, {rect.left + 3, rect.top + 3, right - 1, rect.bottom - 3}, ink);
}
}  // namespace

bool paint_combo_box(TTeSkinFile& theme, Canvas& canvas, const Rect& rect, const ComboBoxLook& look,
                     TextRenderer& text) {
    TSeSkinObject* combo = theme.theme_object(look.theme_object, kSlotComboBox);
    if (combo == nullptr) return false;
    FaceKey key(text);
    key.number(look.dropped)
        .text(look.text)
        .font(look.font)
        .number(look.flat)
        .number(look.show_text)
        .number(look.focus_cue);
    kept_face(
        theme, combo, static_cast<int>(look.state), key, text, canvas, rect,
        [&](Canvas& on, const Rect& at) { paint_combo_box_now(theme, on, at, look, text, combo); });
    return true;
}

Rect combo_button_rect(TTeSkinFile& theme, const Rect& rect, bool flat,
                       std::string_view theme_object) {
    TSeSkinObject* combo = theme.theme_object(theme_object, kSlotComboBox);
    TSeSkinObject* button =
        combo != nullptr ? part_of(theme, theme_object, kSlotComboBox, "Button") : nullptr;
    if (button == nullptr) return {};
    // Where layout puts the button depends on the list's size alone: each size is laid out
    // once per look of the theme, and the place found is moved to the rectangle.
    struct Known {
        std::uint64_t look;
        const TSeSkinObject* combo;
        bool flat;
        Size size;
        Rect button;  // relative to the list's top-left corner
    };
    static std::vector<Known> known;
    const std::uint64_t look = theme.look_generation();
    const Size size{rect.width(), rect.height()};
    const auto found = std::find_if(known.begin(), known.end(), [&](const Known& k) {
        return k.look == look && k.combo == combo && k.flat == flat && k.size == size;
    });
    if (found != known.end()) return found->button.offset(rect.left, rect.top);
    Rect placed;
    {
        const HiddenChildren sides(flat ? combo->find_part("Frame") : nullptr,
                                   [&](const TSeSkinObject& child) { return &child != button; });
        PartUse use(*combo, VisualState::kNormal, Rect::from_size(0, 0, size.width, size.height));
        placed = button->visible ? object_rect(*button) : Rect{};
    }
    std::erase_if(known, [&](const Known& k) { return k.look != look; });
    if (known.size() >= 64) known.clear();  // our windows have four sizes of list
    known.push_back({look, combo, flat, size, placed});
    return placed.offset(rect.left, rect.top);
}

namespace {
void paint_edit_now(TTeSkinFile& theme, Canvas& canvas, const Rect& rect, const EditLook& look,
                    TextRenderer& text, TSeSkinObject* edit) {
    TSeSkinObject* frame = part_of(theme, look.theme_object, kSlotEdit, "Frame");
    piece_cache().draw(theme, edit, static_cast<int>(look.state), canvas, rect,
                       [&](Canvas& on, const Rect& at) {
                           // The display line has nothing to drop down.
                           const HiddenChildren no_button(frame, [](const TSeSkinObject& child) {
                               return same_text(child.name(), "Button");
                           });
                           const BlankText no_text(edit->find_part("Text"));
                           PartUse use(*edit, look.state, at);
                           paint_object(*edit, on, text);
                       });
    // The frame's sides keep their own thickness wherever the frame is laid out.
    const auto side = [&](const char* name, bool across) {
        const TSeSkinObject* part = frame != nullptr ? frame->find_part(name) : nullptr;
        return part == nullptr || !part->visible ? 0 : across ? part->width() : part->height();
    };
    // The sides' sizes are stored numbers: the sums saturate.
    const Rect inside{sat_add(rect.left, side("Left", true)), sat_add(rect.top, side("Top", false)),
                      sat_sub(rect.right, side("Right", true)),
                      sat_sub(rect.bottom, side("Bottom", false))};
    if (look.text.empty()) return;
    const ClipScope clip(canvas, inside);
    const int x = rect.left + look.text_origin.x;
    const int y = rect.top + look.text_origin.y;
    const Size whole = text.measure(look.text, look.font);
    text.draw(canvas, look.text, look.font,
              text_ink(part_of(theme, look.theme_object, kSlotEdit, "Text"), look.state),
              Rect::from_size(x, y, whole.width, whole.height), {});
    const int length = static_cast<int>(look.text.size());
    const int start = std::clamp(look.selection_start, 0, length);
    const int end = std::clamp(look.selection_end, start, length);
    if (start == end) return;
    const TSeSkinObject* selection = part_of(theme, look.theme_object, kSlotEdit, "Selection");
    const std::uint32_t fill = color_pixel(
        selection != nullptr && selection->color != clNone ? selection->color : clHighlight);
    const std::string_view all = look.text;
    const int from =
        x + text.measure(all.substr(0, static_cast<std::size_t>(start)), look.font).width;
    const int to = x + text.measure(all.substr(0, static_cast<std::size_t>(end)), look.font).width;
    canvas.fill_rect({from, y, to, y + whole.height}, fill);
    text.draw(canvas,
              all.substr(static_cast<std::size_t>(start), static_cast<std::size_t>(end - start)),
              look.font, kSelectedTextPixel, {from, y, to, y + whole.height}, {});
}
}  // namespace

bool paint_edit(TTeSkinFile& theme, Canvas& canvas, const Rect& rect, const EditLook& look,
                TextRenderer& text) {
    TSeSkinObject* edit = theme.theme_object(look.theme_object, kSlotEdit);
    if (edit == nullptr) return false;
    FaceKey key(text);
    key.text(look.text)
        .font(look.font)
        .number(look.text_origin.x)
        .number(look.text_origin.y)
        .number(look.selection_start)
        .number(look.selection_end);
    kept_face(theme, edit, static_cast<int>(look.state), key, text, canvas, rect,
              [&](Canvas& on, const Rect& at) { paint_edit_now(theme, on, at, look, text, edit); });
    return true;
}

bool paint_hint(TTeSkinFile& theme, Canvas& canvas, const Rect& rect, const std::string& text,
                TextRenderer& renderer, std::string_view theme_object) {
    TSeSkinObject* hint = theme.theme_object(theme_object, kSlotHint);
    if (hint == nullptr) return false;
    piece_cache().draw(theme, hint, 0, canvas, rect, [&](Canvas& on, const Rect& at) {
        const BlankText no_text(hint);
        PartUse use(*hint, VisualState::kNormal, at);
        paint_object(*hint, on, renderer);
    });
    if (text.empty()) return true;
    // The object's own text drawing: its font, colour, alignment, inside its margins as the
    // tool-tip window was sized by them.
    struct Margins {
        TSeSkinObject& hint;
        int left = hint.text_margin_left;
        int top = hint.text_margin_top;
        int right = hint.text_margin_right;
        ~Margins() {
            hint.text_margin_left = left;
            hint.text_margin_top = top;
            hint.text_margin_right = right;
        }
    } saved{*hint};
    const HintMargins margins = hint_margins(theme, theme_object);
    hint->text_margin_left = margins.left;
    hint->text_margin_top = margins.top;
    hint->text_margin_right = margins.right;
    PartUse use(*hint, VisualState::kNormal, rect, text);
    KeptText kept(renderer);
    draw_object_text(*hint, canvas, kept);
    return true;
}

HintMargins hint_margins(TTeSkinFile& theme, std::string_view theme_object) {
    const TSeSkinObject* hint = theme.theme_object(theme_object, kSlotHint);
    if (hint == nullptr) return {};
    const auto held = [](int margin) { return std::clamp(margin, 0, kMostHintMargin); };
    return {held(hint->text_margin_left), held(hint->text_margin_top),
            held(hint->text_margin_right), 0};
}

PaintFont hint_font(TTeSkinFile& theme, std::string_view theme_object) {
    const TSeSkinObject* hint = theme.theme_object(theme_object, kSlotHint);
    return hint != nullptr ? paint_font(hint->font) : PaintFont{};
}

Rect page_frame_around(TTeSkinFile& theme, const Rect& page, std::string_view theme_object) {
    const TSeSkinObject* part = part_of(theme, theme_object, kSlotTabs, "Frame");
    if (part == nullptr) return page;
    // The margins are stored numbers: the sums saturate.
    return {sat_sub(page.left, part->margin_left), sat_sub(page.top, part->margin_top),
            sat_add(page.right, part->margin_right), sat_add(page.bottom, part->margin_bottom)};
}

std::vector<Rect> bands_outside(const Rect& area, const std::vector<Rect>& covered) {
    std::vector<Rect> bands;
    if (area.empty()) return bands;
    std::vector<int> edges{area.top, area.bottom};
    for (const Rect& r : covered)
        if (!r.empty()) edges.insert(edges.end(), {r.top, r.bottom});
    std::sort(edges.begin(), edges.end());
    std::vector<Rect> across;
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        const int top = std::max(edges[i], area.top);
        const int bottom = std::min(edges[i + 1], area.bottom);
        if (bottom <= top) continue;
        across.clear();
        for (const Rect& r : covered)
            if (!r.empty() && r.top <= top && r.bottom >= bottom) across.push_back(r);
        std::sort(across.begin(), across.end(),
                  [](const Rect& a, const Rect& b) { return a.left < b.left; });
        int x = area.left;
        for (const Rect& r : across) {
            if (r.left > x) bands.push_back({x, top, std::min(r.left, area.right), bottom});
            x = std::max(x, r.right);
            if (x >= area.right) break;
        }
        if (x < area.right) bands.push_back({x, top, area.right, bottom});
    }
    return bands;
}

std::vector<Rect> own_bands(const Rect& area, const std::vector<Rect>& children) {
    std::vector<Rect> bands = bands_outside(area, children);
    if (bands.size() > kMostOwnBands) return {area};
    return bands;
}

Image push_button_picture(TTeSkinFile& theme, Size size, const PushButtonLook& look,
                          TextRenderer& text, std::uint32_t background) {
    return picture_of(size, background, [&](Canvas& canvas, const Rect& rect) {
        return paint_push_button(theme, canvas, rect, look, text);
    });
}

Image check_box_picture(TTeSkinFile& theme, Size size, const CheckBoxLook& look, TextRenderer& text,
                        std::uint32_t background) {
    return picture_of(size, background, [&](Canvas& canvas, const Rect& rect) {
        return paint_check_box(theme, canvas, rect, look, text);
    });
}

Image combo_box_picture(TTeSkinFile& theme, Size size, const ComboBoxLook& look, TextRenderer& text,
                        std::uint32_t background) {
    return picture_of(size, background, [&](Canvas& canvas, const Rect& rect) {
        return paint_combo_box(theme, canvas, rect, look, text);
    });
}

Image edit_picture(TTeSkinFile& theme, Size size, const EditLook& look, TextRenderer& text,
                   std::uint32_t background) {
    return picture_of(size, background, [&](Canvas& canvas, const Rect& rect) {
        return paint_edit(theme, canvas, rect, look, text);
    });
}

Image speed_button_picture(TTeSkinFile& theme, Size size, const SpeedButtonLook& look,
                           TextRenderer& text, std::uint32_t background) {
    return picture_of(size, background, [&](Canvas& canvas, const Rect& rect) {
        return paint_speed_button(theme, canvas, rect, look, text);
    });
}

}  // namespace tolsy
