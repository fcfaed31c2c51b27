#pragma once
// A text renderer for tests: every character is kCharWidth pixels wide and kLineHeight high,
// and each draw call is recorded rather than rasterised.
#include <string>
#include <vector>

#include "picture/text_renderer.h"

namespace tolsy::test {

class FakeTextRenderer : public TextRenderer {
  public:
    static constexpr int kCharWidth = 7;
    static constexpr int kLineHeight = 13;

    struct Call {
        std::string text;
        PaintFont font;
        std::uint32_t colour = 0;
        Rect rect;
        TextPlacement placement;
    };

    Size measure(std::string_view text, const PaintFont&) override {
        ++measured;
        return {static_cast<int>(text.size()) * kCharWidth, kLineHeight};
    }
    void draw(Canvas&, std::string_view text, const PaintFont& font, std::uint32_t colour,
              const Rect& rect, TextPlacement placement) override {
        calls.push_back({std::string(text), font, colour, rect, placement});
    }

    std::vector<Call> calls;
    int measured = 0;
};

}  // namespace tolsy::test
