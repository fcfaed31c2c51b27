// The window descriptions travel inside the program as RCDATA resources and decode there.
#include <gtest/gtest.h>

#include <stdexcept>

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

TEST(FormResource, MissingDescriptionIsEmptyAndCannotBeLoaded) {
    EXPECT_TRUE(form_resource(L"TNOSUCHFORM").empty());
    Component root;
    try {
        load_window_description(root, "TNOSUCHFORM");
        ADD_FAILURE() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Cannot find the window description TNOSUCHFORM");
    }
}

}  // namespace
}  // namespace tolsy
