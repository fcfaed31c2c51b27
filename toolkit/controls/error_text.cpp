#include "toolkit/controls/error_text.h"

namespace tolsy {

std::string error_display_text(std::string_view message) {
    std::string text(message);
    if (text.empty() || text.back() != '.') text += '.';
    return text;
}

}  // namespace tolsy
