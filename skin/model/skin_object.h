#pragma once
// The skin object tree: TSeSkinObject, the base of the seventeen skin object classes. Each
// object cuts rectangles out of the skin's images and says how they are placed; a parent owns
// its children, which travel in its binary "Objects" property.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "picture/text_renderer.h"
#include "skin/model/skin_bitmap.h"
#include "skin/model/skin_enums.h"
#include "toolkit/components/component.h"
#include "toolkit/components/font.h"
#include "toolkit/components/visual_state.h"

namespace tolsy {

struct SkinBounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const SkinBounds&) const = default;
};

// The state codes skin objects carry: 0 normal, 5 hot, 6 pressed, 7 focused, 8 disabled. They
// are the skin's numbers; the rest of the program speaks VisualState and converts only here.
// A state without a code of its own (the default button's) is carried as normal.
std::uint8_t skin_state_code(VisualState state);
// Any code other than the five paints as normal.
VisualState visual_state_of_code(std::uint8_t code);

class TSeSkinObject : public Component {
    TOLSY_PERSISTENT(TSeSkinObject)

    explicit TSeSkinObject(Component* owner = nullptr);

    // Published properties (stored names in PascalCase).
    TSeAlign align = TSeAlign::saNone;
    Color color = clNone;
    bool draw_if_owner = false;
    Font font;
    TSeKind kind = TSeKind::skNone;
    bool masked = false;
    int margin_left = 0;
    int margin_right = 0;
    int margin_top = 0;
    int margin_bottom = 0;
    TSeTextAlign text_align = TSeTextAlign::taTopLeft;
    TSeTextEffect text_effect = TSeTextEffect::teNone;
    int text_margin_left = 0;
    bool text_shift_sys_icon = false;  // stored as "TextShiftSysIton"
    int text_margin_right = 0;
    bool text_margin_right_stretch = false;
    int text_margin_top = 0;

    // Not stored: layout passes skip invisible objects.
    bool visible = true;
    // Not stored, set by the control that paints the object: its state as a skin state code
    // (set_state in skin/paint sets it on a whole subtree), enabled and active flags, and its
    // texts.
    std::uint8_t state_code = 0;
    bool enabled = true;
    bool active = false;
    std::string text;
    std::string second_text;

    VisualState state() const { return visual_state_of_code(state_code); }
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    void set_left(int v) { set_bounds({v, bounds_.top, bounds_.width, bounds_.height}); }
    void set_top(int v) { set_bounds({bounds_.left, v, bounds_.width, bounds_.height}); }
    void set_width(int v) { set_bounds({bounds_.left, bounds_.top, v, bounds_.height}); }
    void set_height(int v) { set_bounds({bounds_.left, bounds_.top, bounds_.width, v}); }
    const SkinBounds& bounds() const { return bounds_; }
    const SkinBounds& previous_bounds() const { return previous_; }
    // Negative sizes become 0; an unchanged rectangle changes nothing.
    void set_bounds(SkinBounds bounds);

    // Children in stored order; only skin objects are ever owned by a skin object.
    std::size_t child_count() const { return components().size(); }
    TSeSkinObject* child(std::size_t index) const;
    TSeSkinObject* parent_object() const;

    // Depth-first in child order, this object first.
    void for_each(const std::function<void(TSeSkinObject&)>& visit);
    TSeSkinObject* find_part(std::string_view name);
    TSeSkinObject* find_kind(TSeKind wanted);

    // The image list the object's links find their images in (not owned), for the subtree.
    void attach_images(const BitmapList* images);
    const BitmapList* images() const { return images_; }
    // Prepares the subtree, children first.
    void prepare_tree();
    bool prepared() const { return prepared_; }
    // Every font of the subtree gets the default character set.
    void set_default_charsets();

    // A deep copy: same class, same properties, copied children. A root copy (owner none) is
    // returned owned; otherwise the owner owns it and the pointer is borrowed.
    std::unique_ptr<TSeSkinObject> clone() const;
    TSeSkinObject* clone_into(Component& owner) const;

    // Shift every colour and font colour of the subtree (none stays none).
    void shift_hue(int delta);
    void shift_brightness(int delta);

    // The object's own colours and fonts (not its children's), for shifts and copies.
    virtual void for_each_color(const std::function<void(Color&)>& visit);
    virtual void for_each_font(const std::function<void(Font&)>& visit);
    // The font for a state; classes without that state give the normal font.
    virtual const Font& state_font(VisualState state) const;

  protected:
    // Copies this class's own fields from an object of the same class.
    virtual void assign_from(const TSeSkinObject& other);
    // Readies the object for painting once it is attached to its images. (Its links settle
    // their transparency flags when first drawn: skin/model/object_images.h.)
    virtual void prepare();
    // Runs between storing new bounds and remembering them as the previous ones: places the
    // children (skin/layout.h).
    virtual void layout_children();

  private:
    void shift_colors(const std::function<Color(Color)>& shift);

    SkinBounds bounds_;
    SkinBounds previous_;
    const BitmapList* images_ = nullptr;
    bool prepared_ = false;
};

// Default 96 pixels per inch, as stored skins assume.
int font_points(const Font& font);
// The font as a text renderer takes it.
PaintFont paint_font(const Font& font);
int font_height_for_points(int points);

}  // namespace tolsy
