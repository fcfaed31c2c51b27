#pragma once
// The load budget checked from outside the readers, for every fuzz input: the memory a target
// takes at its peak, and the CPU time it spends, must stay within what the budget of the
// input's size allows. The sanitizer's allocation hooks follow every byte in use (operator new
// and malloc alike), so memory that a reader forgot to charge is seen too. A breach aborts
// with the figures, and libFuzzer keeps the input.
//
// Memory: the budget counts what a load keeps; while it decodes, a copy of a part may live
// beside what is kept, so the peak may reach twice the budget and no more. Work: at most
// kNanosecondsPerBudgetByte of CPU time per byte of budget (3.4 s for the smallest budget,
// slow sanitized code included); anything quadratic in its input passes that quickly.
#include <sanitizer/allocator_interface.h>
#include <time.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "base/load_budget.h"

namespace fuzz {

inline constexpr std::uint64_t kNanosecondsPerBudgetByte = 50;

struct HeapFollower {
    std::int64_t in_use = 0;
    std::int64_t peak = 0;

    static HeapFollower& get() {
        static HeapFollower follower;
        return follower;
    }

  private:
    HeapFollower() { __sanitizer_install_malloc_and_free_hooks(allocated, freed); }
    static void allocated(const volatile void*, std::size_t size) {
        HeapFollower& f = get();
        f.in_use += static_cast<std::int64_t>(size);
        if (f.in_use > f.peak) f.peak = f.in_use;
    }
    static void freed(const volatile void* p) {
        get().in_use -=
            static_cast<std::int64_t>(__sanitizer_get_allocated_size(const_cast<const void*>(p)));
    }
};

inline std::uint64_t cpu_nanoseconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<std::uint64_t>(t.tv_sec) * 1000000000u +
           static_cast<std::uint64_t>(t.tv_nsec);
}

// Open at the start of LLVMFuzzerTestOneInput; checks when it goes.
class BudgetCheck {
  public:
    explicit BudgetCheck(std::size_t input_size)
        : limit_(tolsy::load_budget_for(input_size)),
          heap_(HeapFollower::get()),
          start_(heap_.in_use),
          started_(cpu_nanoseconds()) {
        heap_.peak = heap_.in_use;
    }
    ~BudgetCheck() {
        const std::uint64_t grown = static_cast<std::uint64_t>(heap_.peak - start_);
        const std::uint64_t spent = cpu_nanoseconds() - started_;
        if (grown > 2 * static_cast<std::uint64_t>(limit_)) {
            std::fprintf(stderr, "memory beyond the load budget: peak %llu bytes, budget %zu\n",
                         static_cast<unsigned long long>(grown), limit_);
            std::abort();
        }
        if (spent / kNanosecondsPerBudgetByte > limit_) {
            std::fprintf(stderr, "work beyond the load budget: %llu ns of CPU, budget %zu\n",
                         static_cast<unsigned long long>(spent), limit_);
            std::abort();
        }
    }
    BudgetCheck(const BudgetCheck&) = delete;
    BudgetCheck& operator=(const BudgetCheck&) = delete;

  private:
    std::size_t limit_;
    HeapFollower& heap_;
    std::int64_t start_;
    std::uint64_t started_;
};

}  // namespace fuzz
