#pragma once
// The base of the application shell's errors (start-up, main window, help), so that callers can
// catch them together.
#include <stdexcept>

namespace tolsy {

class AppError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

}  // namespace tolsy
