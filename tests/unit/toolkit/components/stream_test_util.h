#pragma once
// Helpers for stream tests: bytes from hex text ("54 50 46 30 ...", spaces ignored) and
// quoted ASCII runs ('TPF0'), so expected streams can be written out by hand.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tolsy::testing {

inline std::vector<std::uint8_t> bytes(std::string_view layout) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < layout.size();) {
        const char c = layout[i];
        if (c == ' ' || c == '\n') {
            ++i;
        } else if (c == '\'') {
            const std::size_t end = layout.find('\'', i + 1);
            if (end == std::string_view::npos) throw std::invalid_argument("unterminated quote");
            for (std::size_t k = i + 1; k < end; ++k)
                out.push_back(static_cast<std::uint8_t>(layout[k]));
            i = end + 1;
        } else {
            out.push_back(static_cast<std::uint8_t>(
                std::stoi(std::string(layout.substr(i, 2)), nullptr, 16)));
            i += 2;
        }
    }
    return out;
}

inline std::string text_of(const std::vector<std::uint8_t>& b) {
    return std::string(b.begin(), b.end());
}

}  // namespace tolsy::testing
