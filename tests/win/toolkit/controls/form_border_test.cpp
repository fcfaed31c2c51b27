// A form's border style and icons set together change its window as setting them one after the
// other does: the same styles, the same client area. A hidden window's frame is worked out when
// it shows, whether by the form or by the platform.
#include "toolkit/controls/form_win.h"

#include <gtest/gtest.h>

namespace tolsy {
namespace {

struct Shape {
    LONG_PTR style = 0, ex_style = 0;
    RECT client{};
    SIZE window{};     // the window's size
    SIZE for_style{};  // the size the platform's frame for its styles takes around the client
};

Shape shape_of(const Form& form) {
    Shape s;
    s.style = GetWindowLongPtrW(form.handle(), GWL_STYLE);
    s.ex_style = GetWindowLongPtrW(form.handle(), GWL_EXSTYLE);
    GetClientRect(form.handle(), &s.client);
    RECT r;
    GetWindowRect(form.handle(), &r);
    s.window = {r.right - r.left, r.bottom - r.top};
    RECT around = s.client;
    AdjustWindowRectEx(&around, static_cast<DWORD>(s.style), FALSE, static_cast<DWORD>(s.ex_style));
    s.for_style = {around.right - around.left, around.bottom - around.top};
    return s;
}

TEST(FormBorder, SetTogetherAsOneAfterTheOther) {
    struct Case {
        BorderStyle from, to;
        BorderIcons icons;
    };
    const Case cases[] = {
        {BorderStyle::kDialog, BorderStyle::kSingle, {true, true, false, false}},
        {BorderStyle::kSizeable, BorderStyle::kDialog, {true, false, false, true}},
        {BorderStyle::kSingle, BorderStyle::kSizeable, {false, false, false, false}},
        {BorderStyle::kSingle, BorderStyle::kNone, {true, true, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.to));
        Form apart;
        Form together;
        for (Form* form : {&apart, &together}) {
            form->set_client_size(211, 97);
            form->set_border_style(c.from);
            form->create_window();
        }
        apart.set_border_style(c.to);
        apart.set_border_icons(c.icons);
        together.set_border(c.to, c.icons);
        const Shape a = shape_of(apart);
        const Shape t = shape_of(together);
        EXPECT_EQ(t.style, a.style);
        EXPECT_EQ(t.ex_style, a.ex_style);
        EXPECT_EQ(t.client.right, 211);
        EXPECT_EQ(t.client.bottom, 97);
        EXPECT_TRUE(EqualRect(&t.client, &a.client));
    }
}

TEST(FormBorder, AHiddenWindowsFrameIsWorkedOutAsItShows) {
    Form form;
    form.set_client_size(211, 97);
    form.set_border_style(BorderStyle::kSizeable);
    form.create_window();
    form.set_border_style(BorderStyle::kDialog);
    form.set_border_style(BorderStyle::kSingle);
    // Shown by the platform, not by the form: one window only, as a shown window takes the
    // platform seconds to go under Wine without a window manager.
    ShowWindow(form.handle(), SW_SHOWNOACTIVATE);
    const Shape s = shape_of(form);
    EXPECT_EQ(s.client.right, 211);
    EXPECT_EQ(s.client.bottom, 97);
    EXPECT_EQ(s.window.cx, s.for_style.cx);
    EXPECT_EQ(s.window.cy, s.for_style.cy);
}

}  // namespace
}  // namespace tolsy
