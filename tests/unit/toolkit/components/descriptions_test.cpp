// The window descriptions in resources/forms through the text and binary converters: written
// back as text, each reads exactly as its source file (line ends aside).
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "toolkit/components/text_stream.h"

namespace tolsy {
namespace {

std::string read_source(const std::string& relative) {
    std::ifstream in(std::string(TOLSY_SOURCE_DIR) + "/" + relative, std::ios::binary);
    EXPECT_TRUE(in.good()) << relative;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string with_crlf(const std::string& text) {
    std::string crlf;
    for (char c : text) {
        if (c == '\n') crlf += '\r';
        crlf += c;
    }
    return crlf;
}

class DescriptionText : public ::testing::TestWithParam<const char*> {};

TEST_P(DescriptionText, TextAndBinaryFormsAgree) {
    const std::string text = read_source(std::string("resources/forms/") + GetParam());
    EXPECT_EQ(object_binary_to_text(object_text_to_binary(text)), with_crlf(text));
}

INSTANTIATE_TEST_SUITE_P(Windows, DescriptionText, ::testing::Values("tform1.txt", "tabout.txt"));

}  // namespace
}  // namespace tolsy
