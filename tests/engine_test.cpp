#include "support/key_script.h"
#include "support/key_script_tables.h"

#include <gtest/gtest.h>

namespace abaquino {
namespace {

using testing::FailingScript;
using testing::Press;
using testing::Script;

class KeyScripts : public ::testing::TestWithParam<Script> {};

TEST_P(KeyScripts, ShowTheEntryAndItsConversion)
{
    PlainCalculator p;
    Press(p, GetParam().keys);
    EXPECT_EQ(p.view.EntryText(), GetParam().entry);
    EXPECT_EQ(p.view.ConversionText(), GetParam().conversion);
    EXPECT_TRUE(p.view.Failures().empty());
}

INSTANTIATE_TEST_SUITE_P(Engine, KeyScripts, ::testing::ValuesIn(testing::kEngineScripts));

TEST(Engine, AFollowingOperatorTakesTheTextShownAsItsOperand)
{
    PlainCalculator p;
    Press(p, "1 / 3 = x 3 =");
    EXPECT_EQ(p.view.EntryText(), "0,9999999999999");
}

TEST(Engine, AccumulatorHoldsTheFullResult)
{
    PlainCalculator p;
    Press(p, "1 / 3 =");
    EXPECT_EQ(p.calculator.State().Accumulator, 1.0 / 3);
    EXPECT_TRUE(p.calculator.State().NewEntry);
    EXPECT_EQ(p.view.EntryCaret(), 15u);
}

TEST(Engine, ClearKeepsNewEntryAndResetsTheRest)
{
    PlainCalculator p;
    Press(p, "4 + C");
    EXPECT_EQ(p.calculator.State(), (CalculatorState{0, 0, true}));
}

class FailingScripts : public ::testing::TestWithParam<FailingScript> {};

TEST_P(FailingScripts, ChangeNothingAndReport)
{
    PlainCalculator p;
    Press(p, GetParam().setup);
    const std::size_t failuresBefore = p.view.Failures().size();
    const CalculatorState state = p.calculator.State();
    const std::string entry = p.view.EntryText();
    const std::string conversion = p.view.ConversionText();

    Press(p, GetParam().failingKey);
    EXPECT_EQ(p.calculator.State(), state);
    EXPECT_EQ(p.view.EntryText(), entry);
    EXPECT_EQ(p.view.ConversionText(), conversion);
    ASSERT_EQ(p.view.Failures().size(), failuresBefore + 1);
    EXPECT_EQ(p.view.Failures().back(), GetParam().failure);
}

INSTANTIATE_TEST_SUITE_P(Engine, FailingScripts, ::testing::ValuesIn(testing::kFailingScripts));

}  // namespace
}  // namespace abaquino
