// The window descriptions travel inside the program as RCDATA resources and decode there.
#include <gtest/gtest.h>

#include "toolkit/components/binary_stream.h"
#include "toolkit/controls/form_resource_win.h"

namespace tolsy {
namespace {

TEST(FormResource, BothWindowDescriptionsAreEmbeddedAndDecode) {
    const auto main_window = form_resource(L"TFORM1");
    ASSERT_FALSE(main_window.empty());
    const ObjectNode form1 = parse_binary_stream(main_window);
    EXPECT_EQ(form1.class_name, "TForm1");
    EXPECT_EQ(form1.name, "Form1");

    const auto about = form_resource(L"TABOUT");
    ASSERT_FALSE(about.empty());
    EXPECT_EQ(parse_binary_stream(about).class_name, "TAbout");
}

TEST(FormResource, MissingDescriptionIsEmpty) {
    EXPECT_TRUE(form_resource(L"TNOSUCHFORM").empty());
}

}  // namespace
}  // namespace tolsy
