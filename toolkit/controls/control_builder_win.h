#pragma once
// Creates the native controls for a tree of control components read from a window
// description: each kind of component becomes its Win32 control at its place, with its
// caption, font, items and hint, and the control's events run the component's events. A window
// adds the kinds of its own that the toolkit does not know.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/components/control.h"
#include "toolkit/components/stream_errors.h"
#include "toolkit/controls/check_box_win.h"
#include "toolkit/controls/combo_box_win.h"
#include "toolkit/controls/edit_win.h"
#include "toolkit/controls/group_box_win.h"
#include "toolkit/controls/page_control_win.h"
#include "toolkit/controls/panel_win.h"
#include "toolkit/controls/push_button_win.h"

namespace tolsy {

// The toolkit font as a platform font description.
FontSpec font_spec(const Font& font);

// Makes the objects of the native controls the builder creates. The toolkit's own makes the
// toolkit's controls; a layer above gives one that makes controls of its own look.
class ControlFactory {
  public:
    virtual ~ControlFactory() = default;
    virtual std::unique_ptr<PushButton> push_button() { return std::make_unique<PushButton>(); }
    virtual std::unique_ptr<CheckBox> check_box() { return std::make_unique<CheckBox>(); }
    virtual std::unique_ptr<ComboBox> combo_box(ComboStyle style) {
        return std::make_unique<ComboBox>(style);
    }
    virtual std::unique_ptr<Edit> edit() { return std::make_unique<Edit>(); }
    virtual std::unique_ptr<Box> group_box() { return std::make_unique<GroupBox>(); }
    virtual std::unique_ptr<Box> panel() { return std::make_unique<Panel>(); }
    virtual std::unique_ptr<PageControl> page_control() { return std::make_unique<PageControl>(); }
    virtual std::unique_ptr<SpeedButton> speed_button() { return std::make_unique<SpeedButton>(); }
};

class NativeControls {
  public:
    // Builds a control of a window's own kind on `parent` at `bounds` (the control's place
    // offset by the boxes it lies in) and returns the native window its children go on, or null
    // when it has none (a control painted by its parent).
    using KindBuilder = std::function<HWND(HWND parent, Control& control, const Bounds& bounds)>;

    // Controls of exactly that class are built by `build` from then on.
    void add_kind(const ClassInfo& kind, KindBuilder build);
    // The picture the named push button shows left of its caption (see PushButton); a button
    // with one is drawn by the toolkit, one without is the platform's own. Set before build().
    void set_glyph(std::string button, Image glyph);
    // The maker of the control objects (the toolkit's own unless set); set before build(). The
    // factory must outlive the build.
    void set_factory(ControlFactory& factory) { factory_ = &factory; }

    // Creates the controls (and their children, in tab order) on `parent`; `window_font` is
    // what controls with ParentFont show. Tool-tips float above `tool_tip_owner`. Group boxes and
    // panels become boxes on the window they lie on (one of our windows), their controls that
    // window's children: each box's controls form a group of their own for the arrow keys.
    void build(HWND parent, const std::vector<Control*>& controls, const Font& window_font,
               HWND tool_tip_owner);

    // The native object made for the component of that name; throws ComponentNameError when
    // there is none of that kind.
    ComboBox& combo_box(std::string_view name) const { return find(combos_, name); }
    Edit& edit(std::string_view name) const { return find(edits_, name); }
    CheckBox& check_box(std::string_view name) const { return find(checks_, name); }
    PushButton& push_button(std::string_view name) const { return find(buttons_, name); }
    PageControl& page_control(std::string_view name) const { return find(page_controls_, name); }
    Container& container(std::string_view name) const { return find(containers_, name); }
    Box& box(std::string_view name) const { return find(boxes_, name); }
    SpeedButton& speed_button(std::string_view name) const { return find(speed_buttons_, name); }
    // The id of the push button whose component is the default button, or 0.
    int default_button_id() const { return default_button_id_; }

  private:
    template <class T>
    static T& find(const std::map<std::string, T*, std::less<>>& map, std::string_view name) {
        const auto it = map.find(name);
        if (it == map.end())
            throw ComponentNameError("Control " + std::string(name) + " not found");
        return *it->second;
    }

    // Each builder makes its control on `parent` with its place offset by `origin`, the place
    // on `parent` of the boxes it lies in.
    void build_one(HWND parent, POINT origin, Control& control);
    void build_children(HWND parent, POINT origin, Control& control);
    bool build_own_kind(HWND parent, POINT origin, Control& control);
    void build_box(HWND parent, POINT origin, Control& control);
    void build_page_control(HWND parent, POINT origin, TePageControl& control);
    void build_combo_box(HWND parent, POINT origin, TeComboBox& control);
    void build_push_button(HWND parent, POINT origin, TeButton& control);
    void build_speed_button(TabSheet& sheet, TeSpeedButton& control);
    FontSpec font_of(const Control& control) const;
    ControlFactory& factory() const;

    ControlFactory* factory_ = nullptr;
    std::vector<std::pair<const ClassInfo*, KindBuilder>> own_kinds_;
    std::map<std::string, Image, std::less<>> glyphs_;
    const Font* window_font_ = nullptr;
    HWND tool_tip_owner_ = nullptr;
    int default_button_id_ = 0;
    // Before the windows: the boxes go after the windows they lie on.
    std::vector<std::unique_ptr<Box>> box_objects_;
    std::vector<std::unique_ptr<PageControl>> page_control_objects_;
    // The last window made in each box: the one made after it starts the next group.
    std::vector<HWND> box_ends_;
    std::vector<std::unique_ptr<NativeControl>> natives_;
    std::map<std::string, ComboBox*, std::less<>> combos_;
    std::map<std::string, Edit*, std::less<>> edits_;
    std::map<std::string, CheckBox*, std::less<>> checks_;
    std::map<std::string, PushButton*, std::less<>> buttons_;
    std::map<std::string, PageControl*, std::less<>> page_controls_;
    std::map<std::string, Container*, std::less<>> containers_;
    std::map<std::string, Box*, std::less<>> boxes_;
    std::map<std::string, SpeedButton*, std::less<>> speed_buttons_;
};

}  // namespace tolsy
