#include "calc/arithmetic.h"

#include <gtest/gtest.h>

#include <limits>

namespace abaquino {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();

// Each fault is a failure of its kind, known to the user by the message it shows.
TEST(Arithmetic, FaultsBecomeFailuresOfTheirKind)
{
    const struct { double accumulator; std::int16_t op; double operand; const char* message; } cases[] = {
        {1, kDivide, 0, "Impossibile dividere per zero"},
        {-1, kDivide, -0.0, "Impossibile dividere per zero"},
        {0, kDivide, 0, "Risultato non definito"},
        {kMax, kAdd, kMax, "Risultato troppo grande"},
        {-kMax, kSubtract, kMax, "Risultato troppo grande"},
        {kMax, kMultiply, 2, "Risultato troppo grande"},
        {1e300, kDivide, 1e-300, "Risultato troppo grande"},
    };
    for (const auto& c : cases) {
        const auto result = Complete(c.accumulator, c.op, c.operand);
        ASSERT_FALSE(result) << c.accumulator << " " << c.op << " " << c.operand;
        EXPECT_EQ(FailureMessage(result.failure()), c.message);
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
