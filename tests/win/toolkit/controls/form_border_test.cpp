// A form's border style and icons set together change its window as setting them one after the
// other does: the same styles, the same client area.
#include "toolkit/controls/form_win.h"

#include <gtest/gtest.h>

namespace tolsy {
namespace {

struct Shape {
    LONG_PTR style = 0, ex_style = 0;
    RECT client{};
};

Shape shape_of(const Form& form) {
    Shape s;
    s.style = GetWindowLongPtrW(form.handle(), GWL_STYLE);
    s.ex_style = GetWindowLongPtrW(form.handle(), GWL_EXSTYLE);
    GetClientRect(form.handle(), &s.client);
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

}  // namespace
}  // namespace tolsy
