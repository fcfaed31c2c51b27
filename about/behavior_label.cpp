#include "about/behavior_label.h"

#include <algorithm>
#include <optional>

#include "about/label_appear.h"
#include "about/label_effects.h"

namespace tolsy {
namespace {

TimerFactory* g_timer_factory = nullptr;

struct CatalogEntry {
    std::string name;
    std::string class_name;
    BehaviorFactory factory;
};
std::optional<std::vector<CatalogEntry>> g_catalog;

int compare_text(std::string_view a, std::string_view b) {
    auto lower = [](char c) {
        return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    };
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return lower(a[i]) < lower(b[i]) ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

const CatalogEntry* find_entry(std::string_view name) {
    if (!g_catalog) return nullptr;
    for (const CatalogEntry& e : *g_catalog) {
        if (compare_text(e.name, name) == 0) return &e;
    }
    return nullptr;
}

template <class Behavior>
BehaviorFactory factory_of() {
    return [](TCustomBehaviorLabel* label) { return std::make_unique<Behavior>(label); };
}

}  // namespace

void set_behavior_timer_factory(TimerFactory* factory) {
    g_timer_factory = factory;
}

TimerFactory& behavior_timer_factory() {
    if (!g_timer_factory) throw EBehaviorError("No timer is available for label behaviours");
    return *g_timer_factory;
}

namespace BehaviorCatalog {

void add(std::string_view name, std::string_view class_name, BehaviorFactory factory) {
    if (!g_catalog) g_catalog.emplace();
    if (find_entry(name)) return;
    auto at = std::find_if(g_catalog->begin(), g_catalog->end(),
                           [&](const CatalogEntry& e) { return compare_text(e.name, name) > 0; });
    g_catalog->insert(at, {std::string(name), std::string(class_name), std::move(factory)});
}

bool exists() {
    return g_catalog.has_value();
}
bool contains(std::string_view name) {
    return find_entry(name) != nullptr;
}

std::vector<std::string> names() {
    std::vector<std::string> names;
    if (g_catalog) {
        for (const CatalogEntry& e : *g_catalog) names.push_back(e.name);
    }
    return names;
}

std::string name_of_class(std::string_view class_name) {
    if (g_catalog) {
        for (const CatalogEntry& e : *g_catalog) {
            if (e.class_name == class_name) return e.name;
        }
    }
    return {};
}

std::unique_ptr<TLabelBehavior> create(std::string_view name, TCustomBehaviorLabel* label) {
    const CatalogEntry* e = find_entry(name);
    return e ? e->factory(label) : nullptr;
}

void clear() {
    g_catalog.reset();
}

}  // namespace BehaviorCatalog

void register_standard_behaviors() {
    if (BehaviorCatalog::exists()) return;
    using namespace BehaviorCatalog;
    add(kNoBehaviorName, "TLabelNone", factory_of<TLabelNone>());
    add("Blinking", "TLabelBlink", factory_of<TLabelBlink>());
    add("Bouncing", "TLabelBounce", factory_of<TLabelBounce>());
    add("Scrolling", "TLabelScroll", factory_of<TLabelScroll>());
    add("Typing", "TLabelTyping", factory_of<TLabelTyping>());
    add("Appearing", "TLabelAppear", factory_of<TLabelAppear>());
    add("Special", "TLabelSpecial", factory_of<TLabelSpecial>());
    add("CodeBreaker", "TLabelCodeBreaker", factory_of<TLabelCodeBreaker>());
}

// --- behaviour base ---

TLabelBehavior::TLabelBehavior(TCustomBehaviorLabel* ALabel, std::string_view class_name) {
    if (!ALabel) {
        throw EBehaviorError("Cannot call " + std::string(class_name) +
                             ".Create with ALabel = nil");
    }
    owner_label_ = ALabel;
    active_ = false;
}

TLabelBehavior::~TLabelBehavior() {
    stop_for_release();
}

void TLabelBehavior::stop_for_release() {
    suspended_ = true;
    Stop();
}

void TLabelBehavior::set_active(bool value) {
    if (value == active_) return;
    if (active_) Stop();
    active_ = value;
    if (value) Start();
}

void TLabelBehavior::Start() {
    if (!suspended_) owner_label_->do_start();
}

void TLabelBehavior::Stop() {
    if (!suspended_) owner_label_->do_stop();
}

void TLabelBehavior::BeginChange() {
    pending_active_ = active_;
    suspended_ = true;
    set_active(false);
}

void TLabelBehavior::EndChange() {
    set_active(pending_active_);
    suspended_ = false;
}

// --- label ---

TCustomBehaviorLabel::TCustomBehaviorLabel() {
    register_standard_behaviors();
}

TCustomBehaviorLabel::~TCustomBehaviorLabel() {
    destroying_ = true;
    behavior_object_.reset();
}

void TCustomBehaviorLabel::set_behavior(const std::string& name) {
    if (name == behavior_) return;
    if (!BehaviorCatalog::contains(name)) return;
    behavior_ = name;
    behavior_object_.reset();
}

TLabelBehavior& TCustomBehaviorLabel::BehaviorOptions() {
    if (!behavior_object_) {
        behavior_object_ = BehaviorCatalog::create(behavior_, this);
        if (!behavior_object_) behavior_object_ = std::make_unique<TLabelBehavior>(this);
    }
    return *behavior_object_;
}

void TCustomBehaviorLabel::set_behavior_options(const TLabelBehavior* options) {
    if (!options) {
        set_behavior(std::string());
        return;
    }
    if (options->class_name() != BehaviorOptions().class_name()) {
        set_behavior(BehaviorCatalog::name_of_class(options->class_name()));
    }
}

void TCustomBehaviorLabel::set_bounds(int left, int top, int width, int height) {
    const bool resized = width != width_ || height != height_;
    if (!resized && left == left_ && top == top_) return;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    changed();
    if (resized) Resize();
}

void TCustomBehaviorLabel::Resize() {
    // A behaviour released with the label may still move it; no new one is made for that.
    if (!destroying_) BehaviorOptions().LabelResized();
}

void TCustomBehaviorLabel::set_visible(bool value) {
    if (value == visible_) return;
    visible_ = value;
    changed();
}

void TCustomBehaviorLabel::set_caption(std::string caption) {
    if (caption == caption_) return;
    caption_ = std::move(caption);
    adjust_bounds();
    changed();
}

void TCustomBehaviorLabel::set_auto_size(bool value) {
    auto_size_ = value;
    adjust_bounds();
}

void TCustomBehaviorLabel::adjust_bounds() {
    if (!auto_size_ || !view_) return;
    TextExtent extent = view_->measure_text(caption_);
    set_bounds(left_, top_, extent.width, extent.height);
}

void TCustomBehaviorLabel::set_effect_text(std::string text) {
    effect_text_ = std::move(text);
    if (effect_on_) changed();
}

void TCustomBehaviorLabel::set_effect_text_on(bool on) {
    if (on == effect_on_) return;
    effect_on_ = on;
    changed();
}

void TCustomBehaviorLabel::changed() {
    if (view_) view_->changed();
}

void TCustomBehaviorLabel::do_start() {
    if (OnStart) OnStart(*this);
}

void TCustomBehaviorLabel::do_stop() {
    if (OnStop) OnStop(*this);
}

}  // namespace tolsy
