// Group boxes and panels are boxes without a window: the builder puts their controls on the
// window they lie on, offset by the box's place, each box's controls a group of the arrow keys.
#include "toolkit/controls/control_builder_win.h"

#include <gtest/gtest.h>

#include <memory>

namespace tolsy {
namespace {

class Parent : public Window {
  public:
    Parent() { create(0, L"", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr); }
};

template <class T>
T& add(Component& owner, const char* name, Component& parent, Bounds b) {
    auto* control = new T(&owner);
    control->set_name(name);
    control->left = b.left;
    control->top = b.top;
    control->width = b.width;
    control->height = b.height;
    control->set_parent_component(&parent);
    return *control;
}

RECT rect_in_parent(HWND child) {
    RECT r;
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool starts_group(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & WS_GROUP) != 0;
}

TEST(Box, ItsControlsLieOnItsHostAtTheirPlacesInTheBox) {
    Component owner;
    auto& group = add<TeGroupBox>(owner, "Datums", owner, {10, 20, 100, 60});
    auto& panel = add<TePanel>(owner, "Inner", group, {4, 30, 80, 26});
    add<TeEdit>(owner, "First", group, {5, 10, 50, 18});
    add<TeEdit>(owner, "Nested", panel, {2, 3, 40, 18});
    add<TeEdit>(owner, "After", owner, {150, 20, 50, 18});
    Parent parent;
    NativeControls natives;
    natives.build(parent.handle(), child_controls_of(owner), Font{}, parent.handle());

    const Box& box = natives.box("Datums");
    EXPECT_EQ(box.host(), parent.handle());
    EXPECT_EQ(parent.boxes().size(), 2u);
    const RECT place = box.rect();
    EXPECT_EQ(place.left, 10);
    EXPECT_EQ(place.bottom, 80);
    EXPECT_EQ(natives.box("Inner").rect().top, 50);
    const struct {
        const char* name;
        LONG left, top;
        bool group;
    } cases[] = {
        {"First", 15, 30, true},  // the first control in a box starts a group
        {"Nested", 16, 53, true},
        {"After", 150, 20, true},  // and the first after it another
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const HWND window = natives.edit(c.name).handle();
        EXPECT_EQ(GetParent(window), parent.handle());
        const RECT r = rect_in_parent(window);
        EXPECT_EQ(r.left, c.left);
        EXPECT_EQ(r.top, c.top);
        EXPECT_EQ(starts_group(window), c.group);
    }
}

TEST(Box, BoxAndHostGoInEitherOrder) {
    for (const bool host_first : {false, true}) {
        SCOPED_TRACE(host_first ? "host first" : "box first");
        auto parent = std::make_unique<Parent>();
        auto box = std::make_unique<GroupBox>();
        box->place({0, 0, 50, 40}, *parent);
        ASSERT_EQ(parent->boxes().size(), 1u);
        if (host_first) {
            parent.reset();
            EXPECT_EQ(box->host(), nullptr);
            box->set_caption("Gone");  // no host left to repaint
        } else {
            box.reset();
            EXPECT_TRUE(parent->boxes().empty());
        }
    }
}

}  // namespace
}  // namespace tolsy
