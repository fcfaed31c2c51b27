#pragma once
// The base of the frame composer's errors, so that callers can catch them together.
#include <stdexcept>

namespace tolsy {

class ComposerError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace tolsy
