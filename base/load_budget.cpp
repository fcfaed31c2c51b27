#include "base/load_budget.h"

#include <algorithm>

namespace tolsy {
namespace {

thread_local LoadBudget* t_current = nullptr;

}  // namespace

std::size_t load_budget_for(std::size_t input_size) {
    return std::min(
        kLoadBudgetCeiling,
        std::max(kLoadBudgetFloor, saturating_size_mul(input_size, kLoadBudgetPerInputByte)));
}

bool LoadBudget::charge(std::size_t amount) {
    if (amount > limit_ - used_) return false;
    used_ += amount;
    return true;
}

std::string LoadBudget::refusal(std::string_view what, std::size_t offset) const {
    return std::string(what) + " at offset " + std::to_string(offset) +
           " would pass the load limit of " + std::to_string(limit_) + " bytes";
}

LoadBudgetScope::LoadBudgetScope(std::size_t input_size)
    : own_(load_budget_for(input_size)), current_(t_current), previous_(t_current) {
    if (current_ == nullptr) current_ = t_current = &own_;
}

LoadBudgetScope::~LoadBudgetScope() {
    t_current = previous_;
}

LoadBudget* current_load_budget() {
    return t_current;
}

}  // namespace tolsy
