// A native control's object and its window, in either order of going, with or without another
// procedure placed over the control's.
#include "toolkit/controls/edit_win.h"

#include <gtest/gtest.h>

#include <memory>

namespace tolsy {
namespace {

// One of our windows, which hands its children's notifications back to them.
class Parent : public Window {
  public:
    Parent() { create(0, L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr); }
};

// A procedure placed over the control's after it was made, as another program part may.
WNDPROC g_below = nullptr;
int g_outer_destroyed = 0;
LRESULT CALLBACK outer_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCDESTROY) ++g_outer_destroyed;
    return CallWindowProcW(g_below, window, message, wparam, lparam);
}

struct Order {
    const char* name;
    bool outer;         // another procedure over the control's
    bool window_first;  // the window is destroyed before the object
};

TEST(NativeControl, ObjectAndWindowGoInEitherOrder) {
    const Order orders[] = {
        {"object first", false, false},
        {"window first", false, true},
        {"object first, procedure over it", true, false},
        {"window first, procedure over it", true, true},
    };
    for (const Order& o : orders) {
        SCOPED_TRACE(o.name);
        Parent parent;
        ASSERT_NE(parent.handle(), nullptr);
        auto edit = std::make_unique<Edit>();
        int changes = 0;
        edit->on_change = [&changes] { ++changes; };
        edit->create({0, 0, 120, 20}, parent.handle());
        HWND window = edit->handle();
        g_outer_destroyed = 0;
        if (o.outer)
            g_below = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
                window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&outer_procedure)));
        // The control's own procedure still answers, and the object still hears of changes.
        edit->set_text(L"datum");
        EXPECT_EQ(edit->text(), L"datum");
        EXPECT_EQ(changes, 1);
        if (o.window_first) {
            DestroyWindow(window);
            EXPECT_EQ(edit->handle(), nullptr);
        }
        edit.reset();
        EXPECT_FALSE(IsWindow(window));
        EXPECT_EQ(g_outer_destroyed, o.outer ? 1 : 0);
    }
}

}  // namespace
}  // namespace tolsy
