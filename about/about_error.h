#pragma once
// The base of the About box's errors, so that callers can catch them together.
#include <stdexcept>

namespace tolsy {

class AboutError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace tolsy
