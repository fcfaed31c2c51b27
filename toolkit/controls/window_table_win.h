#pragma once
// A value kept per window handle inside the process, in place of a window property: under Wine
// reading a property is a request to the window server, and these are read for every message of
// every control (the controls' own procedures, the notifications their parents hand back).
#include <windows.h>

#include <mutex>
#include <unordered_map>

namespace tolsy {

template <class Value>
class WindowTable {
  public:
    void set(HWND window, Value value) {
        const std::lock_guard lock(mutex_);
        values_[window] = value;
    }
    void erase(HWND window) {
        const std::lock_guard lock(mutex_);
        values_.erase(window);
    }
    // The value kept for the window, or Value{} when there is none.
    Value find(HWND window) const {
        const std::lock_guard lock(mutex_);
        const auto found = values_.find(window);
        return found == values_.end() ? Value{} : found->second;
    }

  private:
    mutable std::mutex mutex_;
    std::unordered_map<HWND, Value> values_;
};

}  // namespace tolsy
