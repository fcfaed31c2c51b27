#include "toolkit/controls/control_builder_win.h"

#include <stdexcept>

#include "base/windows1252.h"
#include "toolkit/components/stream_errors.h"

namespace tolsy {

namespace {
std::wstring wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

// Captions are Unicode in descriptions; the containers and buttons keep Windows-1252 ones.
std::string narrow(const std::u16string& text) {
    return utf16_to_windows1252_lossy(text);
}

Bounds bounds_of(const Control& c, POINT origin) {
    return Bounds{origin.x + c.left, origin.y + c.top, c.width, c.height};
}

HWND last_child(HWND parent) {
    const HWND first = GetWindow(parent, GW_CHILD);
    return first != nullptr ? GetWindow(first, GW_HWNDLAST) : nullptr;
}

void start_group(HWND window) {
    if (window == nullptr) return;
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    if ((style & WS_GROUP) == 0) SetWindowLongPtrW(window, GWL_STYLE, style | WS_GROUP);
}
}  // namespace

FontSpec font_spec(const Font& font) {
    FontSpec wanted;
    wanted.name = font.name;
    wanted.height = font.height;
    wanted.charset = font.charset;
    wanted.bold = (font.style & kFontBold) != 0;
    wanted.italic = (font.style & kFontItalic) != 0;
    return wanted;
}

FontSpec NativeControls::font_of(const Control& control) const {
    return font_spec(control.effective_font(*window_font_));
}

ControlFactory& NativeControls::factory() const {
    static ControlFactory toolkit_controls;
    return factory_ != nullptr ? *factory_ : toolkit_controls;
}

void NativeControls::add_kind(const ClassInfo& kind, KindBuilder build) {
    own_kinds_.emplace_back(&kind, std::move(build));
}

void NativeControls::set_glyph(std::string button, Image glyph) {
    glyphs_[std::move(button)] = std::move(glyph);
}

void NativeControls::build(HWND parent, const std::vector<Control*>& controls,
                           const Font& window_font, HWND tool_tip_owner) {
    window_font_ = &window_font;
    tool_tip_owner_ = tool_tip_owner;
    box_ends_.clear();
    for (Control* control : controls) build_one(parent, POINT{0, 0}, *control);
    for (HWND end : box_ends_) start_group(GetWindow(end, GW_HWNDNEXT));
}

void NativeControls::build_children(HWND parent, POINT origin, Control& control) {
    for (Control* child : control.child_controls()) build_one(parent, origin, *child);
}

bool NativeControls::build_own_kind(HWND parent, POINT origin, Control& control) {
    for (const auto& [kind, build] : own_kinds_) {
        if (&control.class_info() != kind) continue;
        HWND inside = build(parent, control, bounds_of(control, origin));
        if (inside) {
            build_children(inside, POINT{0, 0}, control);
        } else {
            build_children(parent, origin, control);
        }
        return true;
    }
    return false;
}

void NativeControls::build_box(HWND parent, POINT origin, Control& control) {
    Window* host = Window::from_handle(parent);
    if (host == nullptr) throw std::runtime_error("Cannot place " + control.name());
    std::unique_ptr<Box> box =
        dynamic_cast<TeGroupBox*>(&control) ? factory().group_box() : factory().panel();
    box->set_caption(narrow(control.caption));
    box->set_font(font_of(control));
    const Bounds bounds = bounds_of(control, origin);
    box->place(bounds, *host);
    boxes_[control.name()] = box.get();
    box_objects_.push_back(std::move(box));
    const HWND before = last_child(parent);
    build_children(parent, POINT{bounds.left, bounds.top}, control);
    const HWND last = last_child(parent);
    if (last == before) return;  // an empty box
    start_group(before != nullptr ? GetWindow(before, GW_HWNDNEXT) : GetWindow(parent, GW_CHILD));
    box_ends_.push_back(last);
}

void NativeControls::build_one(HWND parent, POINT origin, Control& control) {
    const std::string& name = control.name();
    if (build_own_kind(parent, origin, control)) return;
    if (auto* pages = dynamic_cast<TePageControl*>(&control)) {
        build_page_control(parent, origin, *pages);
    } else if (auto* combo = dynamic_cast<TeComboBox*>(&control)) {
        build_combo_box(parent, origin, *combo);
    } else if (dynamic_cast<TeGroupBox*>(&control) || dynamic_cast<TePanel*>(&control)) {
        build_box(parent, origin, control);
    } else if (auto* check = dynamic_cast<TeCheckBox*>(&control)) {
        auto box = factory().check_box();
        box->set_caption(narrow(control.caption));
        box->set_caption_gap(check->spacing);
        box->set_font(font_of(control));
        box->create(bounds_of(control, origin), parent);
        box->on_click = [check] { check->on_click(*check); };
        checks_[name] = box.get();
        natives_.push_back(std::move(box));
    } else if (auto* edit_component = dynamic_cast<TeEdit*>(&control)) {
        auto line = factory().edit();
        line->set_font(font_of(control));
        line->create(bounds_of(control, origin), parent);
        line->on_change = [edit_component] { edit_component->on_change(*edit_component); };
        edits_[name] = line.get();
        natives_.push_back(std::move(line));
    } else if (auto* button = dynamic_cast<TeButton*>(&control)) {
        build_push_button(parent, origin, *button);
    }
}

void NativeControls::build_push_button(HWND parent, POINT origin, TeButton& control) {
    auto button = factory().push_button();
    button->set_caption(narrow(control.caption));
    button->set_font(font_of(control));
    button->set_default(control.is_default);
    if (const auto glyph = glyphs_.find(control.name()); glyph != glyphs_.end())
        button->set_glyph(glyph->second);
    button->create(bounds_of(control, origin), parent);
    button->on_click = [&control] { control.on_click(control); };
    if (control.is_default) default_button_id_ = button->id();
    buttons_[control.name()] = button.get();
    natives_.push_back(std::move(button));
}

void NativeControls::build_page_control(HWND parent, POINT origin, TePageControl& control) {
    auto pages = factory().page_control();
    pages->create(bounds_of(control, origin), parent);
    int active = 0;
    const std::vector<Control*> sheets = control.pages();
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        Control& sheet_component = *sheets[i];
        TabSheet& sheet = pages->add_page(narrow(sheet_component.caption));
        containers_[sheet_component.name()] = &sheet;
        if (control.active_page == &sheet_component) active = static_cast<int>(i);
        for (Control* child : sheet_component.child_controls()) {
            if (auto* speed = dynamic_cast<TeSpeedButton*>(child)) {
                build_speed_button(sheet, *speed);
            } else {
                build_one(pages->page_window(static_cast<int>(i)), POINT{0, 0}, *child);
            }
        }
        sheet.create_tool_tips(tool_tip_owner_);
    }
    pages->set_active_page_index(active);
    page_controls_[control.name()] = pages.get();
    page_control_objects_.push_back(std::move(pages));
}

void NativeControls::build_combo_box(HWND parent, POINT origin, TeComboBox& control) {
    const bool pick_only = control.style == ComboStyleKind::kDropDownList;
    auto box = factory().combo_box(pick_only ? ComboStyle::kPickOnly : ComboStyle::kEditable);
    box->set_font(font_of(control));
    box->set_item_height(control.item_height);
    box->set_flat(!control.ctl3d);
    box->create(bounds_of(control, origin), parent);
    std::vector<std::wstring> items;
    for (const std::u16string& line : control.items.lines) items.push_back(wide(line));
    box->set_items(items);
    box->on_change = [&control] { control.on_change(control); };
    combos_[control.name()] = box.get();
    natives_.push_back(std::move(box));
}

void NativeControls::build_speed_button(TabSheet& sheet, TeSpeedButton& control) {
    auto button = factory().speed_button();
    button->set_name(control.name());
    button->set_bounds(bounds_of(control, POINT{0, 0}));
    button->set_caption(wide(control.caption));
    button->set_font(font_of(control));
    button->set_flat(control.flat);
    if (control.effective_show_hint()) button->set_hint(wide(control.hint));
    button->on_click = [&control](SpeedButton&) { control.on_click(control); };
    speed_buttons_[control.name()] = button.get();
    sheet.add_speed_button(std::move(button));
}

}  // namespace tolsy
