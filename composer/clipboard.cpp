#include "composer/clipboard.h"

namespace tolsy {

std::string clipboard_text_payload(std::string_view line) {
    std::string payload(line);
    payload.push_back('\0');
    return payload;
}

}  // namespace tolsy
