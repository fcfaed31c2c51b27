#pragma once
// An allocator whose resize leaves new elements of trivial types uninitialised: for buffers
// that are filled right after they are sized (inflated skin bodies, image pixels read from a
// stream), where zero-filling first would only double the memory traffic.
#include <memory>
#include <type_traits>
#include <utility>

namespace tolsy {

template <class T>
class UninitializedAllocator : public std::allocator<T> {
  public:
    using value_type = T;
    template <class U>
    struct rebind {
        using other = UninitializedAllocator<U>;
    };

    UninitializedAllocator() noexcept = default;
    template <class U>
    UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}

    // Value-initialisation (what resize(n) asks for) is skipped; anything else is forwarded.
    template <class U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
};

template <class T, class U>
bool operator==(const UninitializedAllocator<T>&, const UninitializedAllocator<U>&) {
    return true;
}

}  // namespace tolsy
