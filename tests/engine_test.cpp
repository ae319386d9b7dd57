#include "support/key_script.h"

#include <gtest/gtest.h>

namespace abaquino {
namespace {

using testing::Press;

// Keys as a user presses them, the entry and the conversion (into euro) that result.
struct Script {
    const char* keys;
    const char* entry;
    const char* conversion;
};

void PrintTo(const Script& script, std::ostream* out) { *out << '"' << script.keys << '"'; }

class KeyScripts : public ::testing::TestWithParam<Script> {};

TEST_P(KeyScripts, ShowTheEntryAndItsConversion)
{
    PlainCalculator p;
    Press(p, GetParam().keys);
    EXPECT_EQ(p.view.EntryText(), GetParam().entry);
    EXPECT_EQ(p.view.ConversionText(), GetParam().conversion);
    EXPECT_TRUE(p.view.Failures().empty());
}

INSTANTIATE_TEST_SUITE_P(Engine, KeyScripts, ::testing::Values(
    Script{"=", "0", "0,00"},
    Script{"2 + 3 =", "5", "0,00"},
    Script{"2 + 3 x", "5", "0,00"},
    Script{"2 + 3 x 4 =", "20", "0,01"},
    Script{"7 - =", "0", "0,00"},
    Script{"12 = =", "12", "0,01"},
    Script{"5 + +", "10", "0,01"},
    Script{"200 + 10 %", "220", "0,11"},
    Script{"200 - 10 %", "180", "0,09"},
    Script{"200 x 10 %", "220", "0,11"},
    Script{"200 / 10 %", "10", "0,01"},
    Script{"10 %", "10", "0,01"},
    Script{"10 / 4 =", "2,5", "0,00"},
    Script{"1 / 3 =", "0,3333333333333", "0,00"},
    Script{"123456789 x 987654321 =", "1,219326311E+17", "62.972.948.555.728,30"},
    Script{"0 - 999999999999999 =", "-1E+15", "-516.456.899.089,49"},
    Script{"1 / 300000 =", "3,333333333E-06", "0,00"},
    Script{"2 + 5 CE 3 =", "5", "0,00"},
    Script{"2 + 5 C 3 =", "3", "0,00"},
    Script{"2 + 5 C", "", ""},
    Script{"0 x 5 +/- =", "0", "0,00"},
    Script{"3 +/- x 0 =", "0", "0,00"}
));

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

// A failed equals or percent changes nothing and reports why.
struct FailingScript {
    const char* setup;
    const char* failingKey;
    Failure failure;
};

void PrintTo(const FailingScript& script, std::ostream* out)
{
    *out << '"' << script.setup << "\" then \"" << script.failingKey << '"';
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

INSTANTIATE_TEST_SUITE_P(Engine, FailingScripts, ::testing::Values(
    FailingScript{"1 / 0", "=", Failure::DivisionByZero},
    FailingScript{"0 / 0", "=", Failure::Undefined},
    FailingScript{"5 / 0", "+", Failure::DivisionByZero},     // the operator changes nothing more
    FailingScript{"+/-", "=", Failure::NotANumber},
    FailingScript{"+/-", "%", Failure::NotANumber},
    FailingScript{",", "x", Failure::NotANumber},
    // Squaring by repeated operators reaches 1E+256; one more product overflows.
    FailingScript{"LIT 99999999 x x x x x x", "=", Failure::TooLarge},
    FailingScript{"LIT 99999999 x x x x x x", "%", Failure::TooLarge}
));

}  // namespace
}  // namespace abaquino
