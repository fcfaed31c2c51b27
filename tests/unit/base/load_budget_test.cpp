#include "base/load_budget.h"

#include <gtest/gtest.h>

#include <limits>

namespace tolsy {
namespace {

TEST(LoadBudget, GrowsWithTheInputBetweenTheFloorAndTheCeiling) {
    struct Case {
        std::size_t input;
        std::size_t limit;
    } const cases[] = {
        {0, kLoadBudgetFloor},
        {1000, kLoadBudgetFloor},
        {100000, 100000 * kLoadBudgetPerInputByte},
        {std::size_t{1} << 30, kLoadBudgetCeiling},
        {std::numeric_limits<std::size_t>::max(), kLoadBudgetCeiling},
    };
    for (const Case& c : cases) EXPECT_EQ(load_budget_for(c.input), c.limit) << c.input;
}

TEST(LoadBudget, RefusesTheChargeThatWouldPassTheLimitAndKeepsTheTotal) {
    LoadBudget budget(100);
    EXPECT_TRUE(budget.charge(60));
    EXPECT_FALSE(budget.charge(41));
    EXPECT_FALSE(budget.charge(std::numeric_limits<std::size_t>::max()));
    EXPECT_TRUE(budget.charge(40));
    EXPECT_EQ(budget.used(), 100u);
    EXPECT_EQ(budget.refusal("image", 12),
              "image at offset 12 would pass the load limit of 100 bytes");
}

TEST(LoadBudget, InnerScopesShareTheOutermostBudget) {
    EXPECT_EQ(current_load_budget(), nullptr);
    {
        LoadBudgetScope outer(1);
        {
            LoadBudgetScope inner(std::size_t{1} << 30);
            EXPECT_EQ(&inner.budget(), &outer.budget());
            EXPECT_EQ(current_load_budget()->limit(), kLoadBudgetFloor);
        }
        EXPECT_EQ(current_load_budget(), &outer.budget());
    }
    EXPECT_EQ(current_load_budget(), nullptr);
}

}  // namespace
}  // namespace tolsy
