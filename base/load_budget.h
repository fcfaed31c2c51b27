#pragma once
// What one load of untrusted data may spend. Readers of skins and component texts charge the
// bytes they inflate, the pixels they decode, the values they build and the objects they
// create to the budget of the load in progress, and refuse the input (naming the limit and the
// offset) as soon as a charge would pass it; so memory and work stay proportional to the input.
//
// The budget of a load is min(kLoadBudgetCeiling, max(kLoadBudgetFloor, input bytes x
// kLoadBudgetPerInputByte)). Entry points open a LoadBudgetScope with the size of their input;
// a scope opened while another is open on the same thread shares the outer one, so one file
// read through several readers is charged once, against one limit.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tolsy {

// Any input may spend this much, however small it is.
inline constexpr std::size_t kLoadBudgetFloor = std::size_t{64} << 20;
// Twice deflate's greatest expansion: the inflated bytes, and what they are decoded into.
inline constexpr std::size_t kLoadBudgetPerInputByte = 2080;
// No input spends more than this, however large it is.
inline constexpr std::size_t kLoadBudgetCeiling = std::size_t{768} << 20;
// What creating one object is charged, beyond the bytes of its values.
inline constexpr std::size_t kObjectCharge = 1024;

std::size_t load_budget_for(std::size_t input_size);

class LoadBudget {
  public:
    explicit LoadBudget(std::size_t limit) : limit_(limit) {}
    // Adds amount; false (and nothing added) when the total would pass the limit.
    bool charge(std::size_t amount);
    std::size_t limit() const { return limit_; }
    std::size_t used() const { return used_; }

    // "<what> at offset N would pass the load limit of L bytes": for the caller's own error.
    std::string refusal(std::string_view what, std::size_t offset) const;

  private:
    std::size_t limit_;
    std::size_t used_ = 0;
};

// Makes a budget for input_size current on this thread, unless one already is.
class LoadBudgetScope {
  public:
    explicit LoadBudgetScope(std::size_t input_size);
    ~LoadBudgetScope();
    LoadBudgetScope(const LoadBudgetScope&) = delete;
    LoadBudgetScope& operator=(const LoadBudgetScope&) = delete;

    LoadBudget& budget() { return *current_; }

  private:
    LoadBudget own_;
    LoadBudget* current_;
    LoadBudget* previous_;
};

// The budget of the load in progress on this thread, or none.
LoadBudget* current_load_budget();

// Multiplication and addition of sizes that stick at SIZE_MAX instead of wrapping.
constexpr std::size_t saturating_size_mul(std::size_t a, std::size_t b) {
    return b != 0 && a > SIZE_MAX / b ? SIZE_MAX : a * b;
}
constexpr std::size_t saturating_size_add(std::size_t a, std::size_t b) {
    return a > SIZE_MAX - b ? SIZE_MAX : a + b;
}

}  // namespace tolsy
