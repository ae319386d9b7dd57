#include "calc/arithmetic.h"

#include <gtest/gtest.h>

#include <limits>

namespace abaquino {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();

TEST(Arithmetic, FaultsBecomeFailuresOfTheirKind)
{
    const struct { double accumulator; std::int16_t op; double operand; Failure failure; } cases[] = {
        {1, kDivide, 0, Failure::DivisionByZero},
        {-1, kDivide, -0.0, Failure::DivisionByZero},
        {0, kDivide, 0, Failure::Undefined},
        {kMax, kAdd, kMax, Failure::TooLarge},
        {-kMax, kSubtract, kMax, Failure::TooLarge},
        {kMax, kMultiply, 2, Failure::TooLarge},
        {1e300, kDivide, 1e-300, Failure::TooLarge},
    };
    for (const auto& c : cases) {
        const auto result = Complete(c.accumulator, c.op, c.operand);
        ASSERT_FALSE(result) << c.accumulator << " " << c.op << " " << c.operand;
        EXPECT_EQ(result.failure(), c.failure);
    }
}

TEST(Arithmetic, PercentFormsTheProductFirst)
{
    // 1E+300 x 1E+10 overflows although dividing by 100 first would not.
    const auto result = CompleteAsPercentage(1e300, kAdd, 1e10);
    ASSERT_FALSE(result);
    EXPECT_EQ(result.failure(), Failure::TooLarge);
    EXPECT_EQ(*CompleteAsPercentage(1e300, kDivide, 1e10), 1e10);
}

TEST(Arithmetic, UnknownOperatorLeavesTheAccumulator)
{
    EXPECT_EQ(*Complete(7, 9, 3), 7);
    EXPECT_EQ(*CompleteAsPercentage(7, -1, 3), 7);
}

}  // namespace
}  // namespace abaquino
