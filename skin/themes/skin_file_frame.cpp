// TTeSkinFile's frame operations: a window's frame, caption and caption buttons drawn from a
// form object of the skin. Every operation first fits the form object to the window: the system
// buttons the window has are shown, the others hidden, the active flag set on the whole object
// and the object laid out at the window's size.
#include <algorithm>
#include <utility>
#include <vector>

#include "skin/bytes/text_util.h"
#include "skin/model/layout.h"
#include "skin/model/skin_object_classes.h"
#include "skin/paint/paint.h"
#include "skin/themes/skin_file.h"
#include "skin/themes/skin_file_look.h"

namespace tolsy {

namespace {

// The system button action that draws each caption button kind.
constexpr TSeAction kButtonActions[kCaptionButtonKinds] = {
    TSeAction::sbaSysMenu,  TSeAction::sbaClose,    TSeAction::sbaHelp,    TSeAction::sbaMinimize,
    TSeAction::sbaRestore,  TSeAction::sbaMaximize, TSeAction::sbaRestore, TSeAction::sbaRollUp,
    TSeAction::sbaRollDown, TSeAction::sbaTray,
};

bool shows_action(std::uint16_t buttons, TSeAction action) {
    for (int kind = 0; kind < kCaptionButtonKinds; ++kind)
        if (kButtonActions[kind] == action && (buttons & caption_button_bit(kind))) return true;
    return false;
}

int zone_of(TSeAction action, std::uint16_t buttons) {
    switch (action) {
        case TSeAction::sbaClose:
            return kZoneClose;
        case TSeAction::sbaHelp:
            return kZoneHelp;
        case TSeAction::sbaMinimize:
            return kZoneMinimize;
        case TSeAction::sbaMaximize:
            return kZoneMaximize;
        case TSeAction::sbaRestore:
            return (buttons & caption_button_bit(kCaptionRestoreMinimized)) ? kZoneMinimize
                                                                            : kZoneMaximize;
        case TSeAction::sbaRollUp:
        case TSeAction::sbaRollDown:
            return kZoneRollUp;
        case TSeAction::sbaTray:
            return kZoneTray;
        case TSeAction::sbaSysMenu:
            return kZoneIcon;
        default:
            return kZoneClient;
    }
}

std::vector<TSeSystemButton*> system_buttons(TSeSkinObject& form) {
    std::vector<TSeSystemButton*> out;
    form.for_each([&](TSeSkinObject& o) {
        if (auto* b = dynamic_cast<TSeSystemButton*>(&o)) out.push_back(b);
    });
    return out;
}

// Visible itself and all the way up to the form.
bool shown(const TSeSkinObject& o) {
    for (const TSeSkinObject* p = &o; p != nullptr; p = p->parent_object())
        if (!p->visible) return false;
    return true;
}

void fit(TSeSkinObject& form, const FrameWindowInfo& info) {
    const std::vector<TSeSystemButton*> buttons = system_buttons(form);
    for (TSeSystemButton* b : buttons) b->visible = shows_action(info.buttons, b->action);
    form.for_each([&](TSeSkinObject& o) {
        o.active = info.active;
        o.state_code = 0;
        o.text.clear();
    });
    place_object(form, info.window);
    // Showing or hiding buttons does not move their parents, so lay those out again.
    std::vector<TSeSkinObject*> parents;
    for (TSeSystemButton* b : buttons) {
        TSeSkinObject* parent = b->parent_object();
        if (parent && std::find(parents.begin(), parents.end(), parent) == parents.end())
            parents.push_back(parent);
    }
    for (TSeSkinObject* parent : parents) layout_skin_children(*parent);
}

FrameWindowInfo window_only(const Rect& window) {
    FrameWindowInfo info;
    info.window = window;
    return info;
}

TSeSystemButton* button_for(TSeSkinObject& form, int kind) {
    if (kind < 0 || kind >= kCaptionButtonKinds) return nullptr;
    for (TSeSystemButton* b : system_buttons(form))
        if (b->action == kButtonActions[kind]) return b;
    return nullptr;
}

Rect text_area(const TSeSkinObject& title) {
    // The margins are stored numbers: any int.
    const Rect r = object_rect(title);
    return {sat_add(r.left, title.text_margin_left), sat_add(r.top, title.text_margin_top),
            sat_sub(r.right, title.text_margin_right), r.bottom};
}

// The object under the point, the deepest visible one.
TSeSkinObject& object_at(TSeSkinObject& form, Point p) {
    TSeSkinObject* at = &form;
    for (bool deeper = true; deeper;) {
        deeper = false;
        for (std::size_t i = at->child_count(); i-- > 0;) {
            TSeSkinObject* c = at->child(i);
            if (c->visible && object_rect(*c).contains(p.x, p.y)) {
                at = c;
                deeper = true;
                break;
            }
        }
    }
    return *at;
}

// The frame zone of a part of the form by its kind; -1 for a kind that says nothing.
int zone_of_kind(TSeKind kind, Point p, const Rect& client) {
    switch (kind) {
        case TSeKind::skClient:
        case TSeKind::skForm:
            return kZoneClient;
        case TSeKind::skTitle:
        case TSeKind::skCaption:
            return kZoneCaption;
        case TSeKind::skTop:
            return kZoneTop;
        case TSeKind::skLeft:
            return kZoneLeft;
        case TSeKind::skRight:
            return kZoneRight;
        case TSeKind::skBottom:
            return kZoneBottom;
        // The caption's ends are corners only where they lie beside the client area's edges;
        // the rest of them is caption.
        case TSeKind::skTopLeft:
            return p.x < client.left ? kZoneTopLeft : kZoneCaption;
        case TSeKind::skTopRight:
            return p.x >= client.right ? kZoneTopRight : kZoneCaption;
        case TSeKind::skBottomLeft:
            return kZoneBottomLeft;
        case TSeKind::skBottomRight:
            return kZoneBottomRight;
        default:
            return -1;
    }
}

}  // namespace

TSeSkinObject* TTeSkinFile::form_object(int frame_kind, std::string_view object) const {
    if (!same_text(object, kDefaultThemeObject)) return working_.find_object(object);
    switch (frame_kind) {
        case kFrameStandard:
        case kFrameDialog:
        case kFrameBorder:
        case kFrameNone:
            return standard_.slot(kSlotForm);
        case kFrameToolWindow:
            return standard_.slot(kSlotToolWindow);
        default:
            return nullptr;
    }
}

bool TTeSkinFile::has_form_object(int frame_kind, std::string_view object) {
    if (same_text(object, kDefaultThemeObject) && frame_kind != kFrameStandard &&
        frame_kind != kFrameDialog && frame_kind != kFrameToolWindow)
        return false;
    return form_object(frame_kind, object) != nullptr;
}

Shape TTeSkinFile::window_region(int frame_kind, std::string_view object, const Rect& window) {
    TSeSkinObject* form = form_object(frame_kind, object);
    if (form == nullptr) return Shape::rectangle(window);
    fit(*form, window_only(window));
    return object_region(*form, layout_text_renderer());
}

Rect TTeSkinFile::client_rect(int frame_kind, std::string_view object, const Rect& window) {
    TSeSkinObject* form = form_object(frame_kind, object);
    if (form == nullptr) return {};
    fit(*form, window_only(window));
    TSeSkinObject* client = form->find_kind(TSeKind::skClient);
    return client == nullptr ? Rect{} : object_rect(*client);
}

int TTeSkinFile::frame_hit_test(int frame_kind, std::string_view object,
                                const FrameWindowInfo& info, Point point) {
    TSeSkinObject* form = form_object(frame_kind, object);
    if (form == nullptr || !info.window.contains(point.x, point.y)) return kZoneClient;
    fit(*form, info);
    for (TSeSystemButton* b : system_buttons(*form))
        if (shown(*b) && object_rect(*b).contains(point.x, point.y))
            return zone_of(b->action, info.buttons);
    TSeSkinObject* client = form->find_kind(TSeKind::skClient);
    const Rect client_area = client == nullptr ? Rect{} : object_rect(*client);
    for (TSeSkinObject* o = &object_at(*form, point); o != nullptr; o = o->parent_object()) {
        const int zone = zone_of_kind(o->kind, point, client_area);
        if (zone >= 0) return zone;
    }
    return kZoneClient;
}

Rect TTeSkinFile::caption_text_rect(int frame_kind, std::string_view object,
                                    const FrameWindowInfo& info) {
    TSeSkinObject* form = form_object(frame_kind, object);
    if (form == nullptr) return {};
    fit(*form, info);
    TSeSkinObject* title = form->find_kind(TSeKind::skTitle);
    if (title == nullptr || !shown(*title)) return {};
    Rect area = text_area(*title);
    // The text stops short of the first caption button to its right.
    for (TSeSystemButton* b : system_buttons(*form)) {
        const Rect r = object_rect(*b);
        if (shown(*b) && b->action != TSeAction::sbaSysMenu && r.left >= area.left &&
            r.top < area.bottom && r.bottom > area.top)
            area.right = std::min(area.right, r.left);
    }
    return area.empty() ? Rect{} : area;
}

Rect TTeSkinFile::caption_button_rect(int frame_kind, std::string_view object,
                                      const FrameWindowInfo& info, int button_kind) {
    TSeSkinObject* form = form_object(frame_kind, object);
    if (form == nullptr || button_kind < 0 || button_kind >= kCaptionButtonKinds ||
        !(info.buttons & caption_button_bit(button_kind)))
        return {};
    fit(*form, info);
    TSeSystemButton* b = button_for(*form, button_kind);
    return b != nullptr && shown(*b) ? object_rect(*b) : Rect{};
}

void TTeSkinFile::draw_window(int frame_kind, std::string_view object, Canvas& canvas,
                              const FrameWindowInfo& info) {
    TSeSkinObject* form = form_object(frame_kind, object);
    if (form == nullptr) return;
    fit(*form, info);
    // The caption buttons are drawn one by one afterwards, each in its own state.
    const std::vector<TSeSystemButton*> buttons = system_buttons(*form);
    std::vector<bool> visible;
    for (TSeSystemButton* b : buttons) visible.push_back(std::exchange(b->visible, false));
    paint_object(*form, canvas, layout_text_renderer(), info.clip);
    for (std::size_t i = 0; i < buttons.size(); ++i) buttons[i]->visible = visible[i];
}

void TTeSkinFile::draw_form_background(int frame_kind, std::string_view object, Canvas& canvas,
                                       const Rect& client) {
    TSeSkinObject* part = nullptr;
    if (same_text(object, kDefaultThemeObject)) {
        part = standard_.slot((frame_kind == kFrameToolWindow ? kSlotToolWindow : kSlotForm) +
                              kSlotClientCopy);
    } else if (TSeSkinObject* form = form_object(frame_kind, object)) {
        part = form->find_kind(TSeKind::skClient);
    }
    if (part == nullptr || client.empty()) return;
    const SkinBounds previous = part->bounds();
    const bool was_visible = std::exchange(part->visible, true);
    place_object(*part, client);
    paint_object(*part, canvas, layout_text_renderer());
    part->set_bounds(previous);
    part->visible = was_visible;
}

void TTeSkinFile::draw_caption_text(int frame_kind, std::string_view object, Canvas& canvas,
                                    const Rect& rect, const FrameWindowInfo& info) {
    TSeSkinObject* form = form_object(frame_kind, object);
    if (form == nullptr || rect.empty() || info.caption.empty()) return;
    TSeSkinObject* title = form->find_kind(TSeKind::skTitle);
    if (title == nullptr) return;
    const SkinBounds previous = title->bounds();
    // Bounds whose text area is the rectangle asked for.
    place_object(*title, {sat_sub(rect.left, title->text_margin_left),
                          sat_sub(rect.top, title->text_margin_top),
                          sat_add(rect.right, title->text_margin_right), rect.bottom});
    title->active = info.active;
    title->state_code = 0;
    title->text = info.caption;
    draw_object_text(*title, canvas, layout_text_renderer());
    title->text.clear();
    title->set_bounds(previous);
}

void TTeSkinFile::draw_caption_button(int frame_kind, std::string_view object, Canvas& canvas,
                                      const CaptionButtonRecord& record) {
    TSeSkinObject* form = form_object(frame_kind, object);
    if (form == nullptr || record.rect.empty()) return;
    TSeSystemButton* b = button_for(*form, record.kind);
    if (b == nullptr) return;
    const SkinBounds previous = b->bounds();
    const bool was_visible = std::exchange(b->visible, true);
    VisualState state = VisualState::kNormal;
    if (record.state == kCaptionButtonHot) state = VisualState::kHot;
    if (record.state == kCaptionButtonPressed) state = VisualState::kPressed;
    set_state(*b, state);
    const bool active = record.state != kCaptionButtonInactive;
    b->for_each([active](TSeSkinObject& o) { o.active = active; });
    place_object(*b, record.rect);
    paint_object(*b, canvas, layout_text_renderer());
    set_state(*b, VisualState::kNormal);
    b->set_bounds(previous);
    b->visible = was_visible;
}

}  // namespace tolsy
